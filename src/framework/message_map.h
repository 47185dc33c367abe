#pragma once

#include "framework/win_types.h"

#include <QHash>
#include <functional>
#include <optional>
#include <utility>

class CWnd;

// The proposed change of an up-down control: its position (always 0: the controls keep none) and
// the delta (-1 for the up arrow, +1 for the down arrow).
struct NMUPDOWN
{
    int iPos = 0;
    int iDelta = 0;
};

// A dialog's table from notifications, command ids, system commands, close and destruction and
// registered messages to handlers. A later entry for the same key replaces the earlier one. The map
// only stores and finds; CDialogEx decides when to consult it.
class MessageMap
{
public:
    using CommandHandler = std::function<void()>;
    using DeltaPosHandler = std::function<LRESULT(const NMUPDOWN&)>;
    using RegisteredHandler = std::function<LRESULT(WPARAM controlId, CWnd* control)>;
    using SysCommandHandler = std::function<void(UINT command)>;

    // A menu command or a button's BN_CLICKED (the same entry: code BN_CLICKED).
    void OnCommand(int id, CommandHandler handler);
    // A control's notification code (BN_CLICKED, EN_CHANGE, ...) for control `id`.
    void OnNotification(int code, int id, CommandHandler handler);
    void OnDeltaPos(int id, DeltaPosHandler handler);
    void OnRegisteredMessage(UINT message, RegisteredHandler handler);
    void OnSysCommand(SysCommandHandler handler);
    void OnClose(CommandHandler handler);
    void OnDestroy(CommandHandler handler);

    // Each finder returns null when the map has no entry (default processing applies).
    const CommandHandler* FindNotification(int code, int id) const;
    const DeltaPosHandler* FindDeltaPos(int id) const;
    const RegisteredHandler* FindRegisteredMessage(UINT message) const;
    const SysCommandHandler* FindSysCommand() const;
    const CommandHandler* FindClose() const;
    const CommandHandler* FindDestroy() const;

private:
    QHash<std::pair<int, int>, CommandHandler> notifications;
    QHash<int, DeltaPosHandler> deltaPos;
    QHash<UINT, RegisteredHandler> registered;
    std::optional<SysCommandHandler> sysCommand;
    std::optional<CommandHandler> close;
    std::optional<CommandHandler> destroy;
};
