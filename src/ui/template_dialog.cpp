#include "ui/template_dialog.h"

#include "ui/dialog_builder.h"
#include "ui/dialog_units.h"
#include "ui/enter_field.h"
#include "ui/terminal_output.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

TemplateDialog::TemplateDialog(const DialogLayout& layout, QWidget* parent)
    : QDialog(parent), client(new QWidget(this)), systemMenu(new QMenu(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | layout.buttons);
    setWindowTitle(layout.caption);
    setFont(DialogFont(layout));
    systemMenu->addAction(QStringLiteral("Close"), this, &QWidget::close);

    if (!layout.menus.empty()) {
        menuBar = new QMenuBar(this);
        for (const MenuSpec& menuSpec : layout.menus) {
            QMenu* menu = menuBar->addMenu(menuSpec.caption);
            for (const MenuEntrySpec& entry : menuSpec.entries)
                menu->addAction(entry.caption)->setObjectName(entry.name);
        }
    }
    controls = BuildControls(layout, client);
    for (QWidget* control : controls) {
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            if (button->objectName() == kOkButtonName)
                connect(button, &QPushButton::clicked, this, &QDialog::accept);
            else if (button->objectName() == kCancelButtonName)
                connect(button, &QPushButton::clicked, this, &QDialog::reject);
        }
        control->installEventFilter(this);
        for (QWidget* inner : control->findChildren<QWidget*>())
            inner->installEventFilter(this);
    }
    resize(HorizontalDialogUnitsToPixels(layout.sizeInDialogUnits.width()),
           VerticalDialogUnitsToPixels(layout.sizeInDialogUnits.height()) + MenuBarHeight());
    // A hidden window gets its resize event only when shown; its places count before that.
    resizeEvent(nullptr);
    FocusFirstTabStop();
}

int TemplateDialog::MenuBarHeight() const
{
    return menuBar != nullptr ? menuBar->sizeHint().height() : 0;
}

void TemplateDialog::FocusFirstTabStop()
{
    for (QWidget* control : controls) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
            control->isVisibleTo(this)) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType())
        return HandleDialogKey(static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(this, *event))
        QDialog::keyPressEvent(event);
}

void TemplateDialog::resizeEvent(QResizeEvent*)
{
    const int top = MenuBarHeight();
    if (menuBar != nullptr)
        menuBar->setGeometry(0, 0, width(), top);
    client->setGeometry(0, top, width(), std::max(0, height() - top));
}

bool TemplateDialog::HandleDialogKey(QWidget* target, const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Space && modifiers == Qt::AltModifier) {
        systemMenu->popup(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    // A field that keeps its keys sees them first.
    if ((modifiers & (Qt::AltModifier | Qt::ControlModifier)) || qobject_cast<EnterField*>(target))
        return false;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (qobject_cast<TerminalOutput*>(target) != nullptr)
            return false;
        auto* button = qobject_cast<QPushButton*>(target);
        if (button != nullptr && !button->isCheckable())
            button->click();
        else
            accept();
        return true;
    }
    case Qt::Key_Escape:
        reject();
        return true;
    default:
        return false;
    }
}
