#include "ui/dialog_window.h"

#include "ui/cdialog_ex.h"
#include "ui/dialog_ids.h"
#include "ui/multi_line_edit.h"
#include "ui/terminal_output.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

DialogWindow::DialogWindow(CDialogEx& dialog, QWidget* parent)
    : QDialog(parent), owner(dialog), client(new QWidget(this))
{
}

void DialogWindow::SetMenuBar(QMenuBar* bar)
{
    menuBar = bar;
    resizeEvent(nullptr);
}

void DialogWindow::SetSystemMenu(QMenu* menu)
{
    systemMenu = menu;
}

int DialogWindow::MenuBarHeight() const
{
    return menuBar != nullptr ? menuBar->sizeHint().height() : 0;
}

void DialogWindow::WatchKeys(QWidget* control)
{
    control->installEventFilter(this);
    for (QWidget* inner : control->findChildren<QWidget*>())
        inner->installEventFilter(this);
}

void DialogWindow::accept()
{
    owner.DispatchCommand(IDOK);
}

void DialogWindow::reject()
{
    owner.DispatchCommand(IDCANCEL);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType())
        return HandleDialogKey(static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(this, *event))
        QDialog::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The owner decides; the window goes away only through EndDialog.
    event->ignore();
    owner.RequestClose();
}

void DialogWindow::resizeEvent(QResizeEvent*)
{
    const int top = MenuBarHeight();
    if (menuBar != nullptr)
        menuBar->setGeometry(0, 0, width(), top);
    client->setGeometry(0, top, width(), std::max(0, height() - top));
}

bool DialogWindow::HandleDialogKey(QWidget* target, const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Space && modifiers == Qt::AltModifier && systemMenu != nullptr) {
        systemMenu->popup(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (auto* multi = qobject_cast<MultiLineEdit*>(target);
            (multi && multi->WantsReturn()) || qobject_cast<TerminalOutput*>(target))
            return false;
        auto* button = qobject_cast<QPushButton*>(target);
        if (button != nullptr && !button->isCheckable()) {
            button->click();
            return true;
        }
        owner.DispatchCommand(IDOK);
        return true;
    }
    case Qt::Key_Escape:
        owner.DispatchCommand(IDCANCEL);
        return true;
    default:
        return false;
    }
}
