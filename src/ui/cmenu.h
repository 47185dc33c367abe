#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QAction;

// A menu bar or drop-down menu addressed by command id. It drives a menu widget that its dialog
// owns; choosing an item hands the item's command id to the sink given at construction.
class CMenu
{
public:
    CMenu(QWidget* menuWidget, std::function<void(int)> commandSink);

    // Appends a command item (MF_STRING) or a separator (MF_SEPARATOR). Returns false when the
    // menu is gone.
    bool AppendMenu(unsigned flags, int commandId = 0, const QString& text = {});
    // Sets (MF_CHECKED) or clears the check mark of the item with `commandId`, searched through all
    // drop-downs. Returns the previous state (MF_CHECKED or MF_UNCHECKED), or -1 when no item has
    // that id (nothing changes).
    int CheckMenuItem(int commandId, unsigned flags);
    // The item's action, or null.
    QAction* FindCommand(int commandId) const;
    QWidget* GetSafeWidget() const { return menu.data(); }

    // Makes `action` an item that reports `commandId` to the sink.
    void BindAction(QAction* action, int commandId);

private:
    QPointer<QWidget> menu;
    std::function<void(int)> sink;
};
