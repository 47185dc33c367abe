#pragma once

#include <QDialog>

class CDialogEx;
class QMenu;
class QMenuBar;

// The top-level window of a CDialogEx: a menu bar (optional) above a client area that holds the
// template's controls. It applies the dialog keyboard (Enter, Escape; Tab through Qt's focus
// chain, which follows template order) before the focused control sees a key, and turns a close
// request into the owner's close handling.
class DialogWindow final : public QDialog
{
    Q_OBJECT
public:
    DialogWindow(CDialogEx& owner, QWidget* parent);

    CDialogEx& Owner() const { return owner; }
    QWidget* ClientArea() const { return client; }
    void SetMenuBar(QMenuBar* menuBar);
    QMenuBar* MenuBar() const { return menuBar; }
    void SetSystemMenu(QMenu* menu);
    // The height the menu bar takes above the client area (0 without a menu).
    int MenuBarHeight() const;
    // Applies the dialog keyboard to `control` and the widgets inside it.
    void WatchKeys(QWidget* control);

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Returns true when the key belongs to the dialog and has been handled.
    bool HandleDialogKey(QWidget* target, const QKeyEvent& key);

    CDialogEx& owner;
    QWidget* client;
    QMenuBar* menuBar = nullptr;
    QMenu* systemMenu = nullptr;
};
