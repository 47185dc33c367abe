#include "ui/cmenu.h"

#include "ui/menu_flags.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QAction* FindIn(const QList<QAction*>& actions, int commandId)
{
    for (QAction* action : actions) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindIn(sub->actions(), commandId))
                return found;
        } else if (!action->isSeparator() && action->data().isValid() &&
                   action->data().toInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

CMenu::CMenu(QWidget* menuWidget, std::function<void(int)> commandSink)
    : menu(menuWidget), sink(std::move(commandSink))
{
}

bool CMenu::AppendMenu(unsigned flags, int commandId, const QString& text)
{
    if (!menu)
        return false;
    auto* action = new QAction(text, menu);
    if (flags & MF_SEPARATOR)
        action->setSeparator(true);
    else
        BindAction(action, commandId);
    menu->addAction(action);
    return true;
}

void CMenu::BindAction(QAction* action, int commandId)
{
    action->setData(commandId);
    QObject::connect(action, &QAction::triggered, action, [this, commandId] {
        if (sink)
            sink(commandId);
    });
}

int CMenu::CheckMenuItem(int commandId, unsigned flags)
{
    QAction* action = FindCommand(commandId);
    if (action == nullptr)
        return -1;
    const int previous = action->isChecked() ? int(MF_CHECKED) : int(MF_UNCHECKED);
    action->setCheckable(true);
    action->setChecked((flags & MF_CHECKED) != 0);
    return previous;
}

QAction* CMenu::FindCommand(int commandId) const
{
    return menu ? FindIn(menu->actions(), commandId) : nullptr;
}
