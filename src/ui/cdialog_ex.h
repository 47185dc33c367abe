#pragma once

#include "ui/cmenu.h"
#include "ui/dialog_template.h"
#include "ui/dialog_window.h"
#include "ui/message_box_flags.h"
#include "ui/message_map.h"

#include <QHash>
#include <QPointer>
#include <QRect>
#include <memory>
#include <optional>

class CDataExchange;

// A dialog built from a template: its window, its message map, its data exchange and its modal
// run. Derived dialogs add members (control objects by value), fill the message map in their
// constructor and override DoDataExchange / OnInitDialog / OnOK / OnCancel. Control notifications
// are ignored while UpdateData runs. GUI thread only.
//   GetMessageMap().OnCommand(kReadButton, [this] { ReadPages(); });
class CDialogEx
{
public:
    explicit CDialogEx(DialogTemplate dialogTemplate, QWidget* parent = nullptr);
    virtual ~CDialogEx();
    CDialogEx(const CDialogEx&) = delete;
    CDialogEx& operator=(const CDialogEx&) = delete;

    // Creates the window, runs OnInitDialog and the modal loop, then destroys the window (destroy
    // handler first). Returns the EndDialog result (IDOK, IDCANCEL, ...), -1 when a window exists
    // already.
    int DoModal();
    // Creates the window, runs OnInitDialog and shows it without a modal loop (embedding, tests).
    // Returns false when a window exists already.
    bool Create();
    // Runs the destroy handler, then deletes the window and its controls; no-op without a window.
    void DestroyWindow();
    // Ends the run with `result`: leaves the modal loop or hides a window made by Create.
    void EndDialog(int result);
    // The result of EndDialog since the window was created, if any.
    std::optional<int> EndResult() const { return endResult; }

    // true: controls into members with validation; false: members into controls with limits.
    // Returns false after a failed take-over, which has shown the message and focused the field,
    // and without a window.
    bool UpdateData(bool saveAndValidate = true);

    // The control with `id`, or null (also without a window). IDC_STATIC controls are not found.
    QWidget* GetDlgItem(int id) const;
    DialogWindow* GetSafeWidget() const { return window.data(); }
    const DialogTemplate& Template() const { return dialogTemplate; }

    // The menu bar, or null when the template has no menu or there is no window.
    CMenu* GetMenu();
    // The system menu (Alt+Space), or null when the template lacks WS_SYSMENU.
    CMenu* GetSystemMenu();

    // Outer frame rectangle on the screen.
    QRect GetWindowRect() const;
    // Moves the window so its outer frame is `rect`; with repaint, repaints at once.
    void MoveWindow(const QRect& rect, bool repaint = true);

    // A box owned by this dialog.
    int MessageBox(const QString& text, const QString& caption, unsigned type = MB_OK);

    // Dispatch: Qt signals feed these, tests may call them directly.
    // A control notification (ignored during UpdateData); BN_CLICKED of IDOK / IDCANCEL without a
    // map entry runs OnOK / OnCancel.
    void DispatchNotification(int code, int id);
    // A command from a menu or the dialog keyboard (not subject to the exchange lock-out): map
    // entry, else OnOK for IDOK and OnCancel for IDCANCEL.
    void DispatchCommand(int id);
    // An up-down control's arrow (delta -1 up, +1 down), ignored during UpdateData.
    void DispatchDeltaPos(int id, int delta);
    // A system-menu command: map entry, else DefaultSysCommand.
    void DispatchSysCommand(unsigned command);
    // A close request (close box, Alt+F4, system menu Close): map entry, else DefaultClose.
    void RequestClose();

protected:
    // Shows the members (UpdateData(false)); returning true gives the focus to the first tab stop.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    // Takes the controls over and ends with IDOK when that succeeds.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();

    MessageMap& GetMessageMap() { return messageMap; }
    // Default processing: SC_CLOSE requests closing; other commands do nothing.
    void DefaultSysCommand(unsigned command);
    // Default processing of a close request: the Cancel command.
    void DefaultClose();

private:
    bool CreateWindow();
    void ConnectNotifications(const DialogControlSpec& entry, QWidget* widget);
    void FocusFirstTabStop();

    DialogTemplate dialogTemplate;
    QPointer<QWidget> parent;
    QPointer<DialogWindow> window;
    QHash<int, QWidget*> controls;
    std::vector<QWidget*> controlOrder;
    std::unique_ptr<CMenu> menu;
    std::unique_ptr<CMenu> systemMenu;
    MessageMap messageMap;
    std::optional<int> endResult;
    bool exchanging = false;
};
