#pragma once

#include "ui/dialog_layout.h"

#include <QDialog>

class QMenu;
class QMenuBar;

// A dialog built from a layout: a menu bar (when the layout has menus) above a client area that
// holds the controls, each found by its object name. The dialog keyboard applies before the
// focused control sees a key: Enter presses a focused push button, else accepts (a multi-line edit
// that wants Return keeps it); Escape rejects; Alt+Space opens the system menu, whose "Close"
// closes the dialog. A close request (close box, system menu) rejects. GUI thread only.
class TemplateDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TemplateDialog(const DialogLayout& layout, QWidget* parent = nullptr);

    QWidget* ClientArea() const { return client; }
    // The height the menu bar takes above the client area (0 without a menu).
    int MenuBarHeight() const;
    // The control or menu entry called `name`; the program cannot run without it.
    template <typename T>
    T* Find(const QString& name) const
    {
        T* found = findChild<T*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }

protected:
    QMenu* SystemMenu() const { return systemMenu; }
    // Gives the focus to the first enabled, visible tab stop.
    void FocusFirstTabStop();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Returns true when the key belongs to the dialog and has been handled.
    bool HandleDialogKey(QWidget* target, const QKeyEvent& key);

    QWidget* client;
    QMenuBar* menuBar = nullptr;
    QMenu* systemMenu;
    std::vector<QWidget*> controls; // layout order
};
