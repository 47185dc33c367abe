#pragma once

#include <QHash>
#include <functional>
#include <optional>
#include <utility>

// A dialog's table from notifications, command ids, system commands, close and destruction to
// handlers. A later entry for the same key replaces the earlier one. The map
// only stores and finds; CDialogEx decides when to consult it.
class MessageMap
{
public:
    using CommandHandler = std::function<void()>;
    // delta: -1 for the up arrow, +1 for the down arrow.
    using DeltaPosHandler = std::function<void(int delta)>;
    using SysCommandHandler = std::function<void(unsigned command)>;

    // A menu command or a button's BN_CLICKED (the same entry: code BN_CLICKED).
    void OnCommand(int id, CommandHandler handler);
    // A control's notification code (BN_CLICKED, EN_CHANGE, ...) for control `id`.
    void OnNotification(int code, int id, CommandHandler handler);
    void OnDeltaPos(int id, DeltaPosHandler handler);
    void OnSysCommand(SysCommandHandler handler);
    void OnClose(CommandHandler handler);
    void OnDestroy(CommandHandler handler);

    // Each finder returns null when the map has no entry (default processing applies).
    const CommandHandler* FindNotification(int code, int id) const;
    const DeltaPosHandler* FindDeltaPos(int id) const;
    const SysCommandHandler* FindSysCommand() const;
    const CommandHandler* FindClose() const;
    const CommandHandler* FindDestroy() const;

private:
    QHash<std::pair<int, int>, CommandHandler> notifications;
    QHash<int, DeltaPosHandler> deltaPos;
    std::optional<SysCommandHandler> sysCommand;
    std::optional<CommandHandler> close;
    std::optional<CommandHandler> destroy;
};
