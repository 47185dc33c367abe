#include "ui/cdialog_ex.h"

#include "ui/control_styles.h"
#include "ui/data_exchange.h"
#include "ui/dialog_builder.h"
#include "ui/dialog_ids.h"
#include "ui/dialog_units.h"
#include "ui/dialog_window.h"
#include "ui/menu_flags.h"
#include "ui/message_boxes.h"
#include "ui/multi_line_edit.h"
#include "ui/notification_codes.h"
#include "ui/single_line_edit.h"
#include "ui/up_down_control.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString kSystemMenuCloseCaption = QStringLiteral("Close");
constexpr unsigned kSystemCommandMask = 0xFFF0; // the low four bits of a system command are flags

Qt::WindowFlags WindowFlagsFor(std::uint32_t style)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if ((style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX))
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

CDialogEx::CDialogEx(DialogTemplate tmpl, QWidget* parentWidget)
    : dialogTemplate(std::move(tmpl)), parent(parentWidget)
{
}

CDialogEx::~CDialogEx()
{
    // Derived members are gone by now, so the destroy handler must not run here.
    delete window.data();
}

int CDialogEx::DoModal()
{
    if (!CreateWindow())
        return -1;
    if (OnInitDialog())
        FocusFirstTabStop();
    if (!endResult && window) {
        window->exec();
    }
    const int result = endResult.value_or(IDCANCEL);
    DestroyWindow();
    return result;
}

bool CDialogEx::Create()
{
    if (!CreateWindow())
        return false;
    const bool focusFirst = OnInitDialog();
    if (window && !endResult) {
        window->show();
        if (focusFirst)
            FocusFirstTabStop();
    }
    return true;
}

void CDialogEx::DestroyWindow()
{
    if (!window)
        return;
    if (const auto* handler = messageMap.FindDestroy())
        (*handler)();
    delete window.data();
    controls.clear();
    controlOrder.clear();
    menu.reset();
    systemMenu.reset();
}

void CDialogEx::EndDialog(int result)
{
    endResult = result;
    if (window)
        window->done(result);
}

bool CDialogEx::UpdateData(bool saveAndValidate)
{
    if (!window)
        return false;
    CDataExchange dx(*this, saveAndValidate);
    const bool wasExchanging = exchanging;
    exchanging = true;
    DoDataExchange(dx);
    exchanging = wasExchanging;
    if (!dx.Failed())
        return true;
    AfxMessageBox(dx.FailureMessage(), MB_ICONWARNING);
    if (QWidget* field = dx.LastControl()) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        else if (auto* multi = qobject_cast<QPlainTextEdit*>(field))
            multi->selectAll();
    }
    return false;
}

QWidget* CDialogEx::GetDlgItem(int id) const
{
    return window ? controls.value(id, nullptr) : nullptr;
}

CMenu* CDialogEx::GetMenu()
{
    return window ? menu.get() : nullptr;
}

CMenu* CDialogEx::GetSystemMenu()
{
    return window ? systemMenu.get() : nullptr;
}

QRect CDialogEx::GetWindowRect() const
{
    return window ? window->frameGeometry() : QRect();
}

void CDialogEx::MoveWindow(const QRect& rect, bool repaint)
{
    if (!window)
        return;
    const QRect frame = window->frameGeometry();
    const QSize margins(frame.width() - window->width(), frame.height() - window->height());
    window->move(rect.topLeft());
    window->resize(rect.width() - margins.width(), rect.height() - margins.height());
    if (repaint && window->isVisible())
        window->repaint();
}

int CDialogEx::MessageBox(const QString& text, const QString& caption, unsigned type)
{
    return ::MessageBox(window.data(), text, caption, type);
}

void CDialogEx::DispatchNotification(int code, int id)
{
    if (exchanging)
        return;
    if (const auto* handler = messageMap.FindNotification(code, id))
        (*handler)();
    else if (code == BN_CLICKED)
        DispatchCommand(id);
}

void CDialogEx::DispatchCommand(int id)
{
    if (const auto* handler = messageMap.FindNotification(BN_CLICKED, id))
        (*handler)();
    else if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

void CDialogEx::DispatchDeltaPos(int id, int delta)
{
    if (exchanging)
        return;
    if (const auto* handler = messageMap.FindDeltaPos(id))
        (*handler)(delta);
}

void CDialogEx::DispatchSysCommand(unsigned command)
{
    if (const auto* handler = messageMap.FindSysCommand())
        (*handler)(command);
    else
        DefaultSysCommand(command);
}

void CDialogEx::RequestClose()
{
    if (const auto* handler = messageMap.FindClose())
        (*handler)();
    else
        DefaultClose();
}

bool CDialogEx::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialogEx::DoDataExchange(CDataExchange&) {}

void CDialogEx::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialogEx::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialogEx::DefaultSysCommand(unsigned command)
{
    if ((command & kSystemCommandMask) == SC_CLOSE)
        RequestClose();
}

void CDialogEx::DefaultClose()
{
    DispatchCommand(IDCANCEL);
}

bool CDialogEx::CreateWindow()
{
    if (window)
        return false;
    endResult.reset();
    auto* dialogWindow = new DialogWindow(*this, parent.data());
    window = dialogWindow;
    dialogWindow->setWindowFlags(WindowFlagsFor(dialogTemplate.style));
    dialogWindow->setWindowTitle(dialogTemplate.caption);
    dialogWindow->setFont(DialogFont(dialogTemplate));

    if (dialogTemplate.menu) {
        auto* bar = new QMenuBar(dialogWindow);
        menu = std::make_unique<CMenu>(bar, [this](int id) { DispatchCommand(id); });
        for (const PopupMenuSpec& popupSpec : dialogTemplate.menu->popups) {
            QMenu* popup = bar->addMenu(popupSpec.caption);
            for (const MenuItemSpec& item : popupSpec.items) {
                if (item.separator)
                    popup->addSeparator();
                else
                    menu->BindAction(popup->addAction(item.caption), item.commandId);
            }
        }
        dialogWindow->SetMenuBar(bar);
    }
    if (dialogTemplate.style & WS_SYSMENU) {
        auto* popup = new QMenu(dialogWindow);
        systemMenu = std::make_unique<CMenu>(popup, [this](int id) { DispatchSysCommand(id); });
        systemMenu->AppendMenu(MF_STRING, SC_CLOSE, kSystemMenuCloseCaption);
        dialogWindow->SetSystemMenu(popup);
    }

    for (const BuiltControl& built :
         BuildDialogControls(dialogTemplate, dialogWindow->ClientArea())) {
        controlOrder.push_back(built.widget);
        dialogWindow->WatchKeys(built.widget);
        if (built.entry->id == IDC_STATIC)
            continue;
        if (!controls.contains(built.entry->id))
            controls.insert(built.entry->id, built.widget);
        ConnectNotifications(*built.entry, built.widget);
    }
    const QSize client(HorizontalDialogUnitsToPixels(dialogTemplate.sizeInDialogUnits.width()),
                       VerticalDialogUnitsToPixels(dialogTemplate.sizeInDialogUnits.height()));
    dialogWindow->resize(client.width(), client.height() + dialogWindow->MenuBarHeight());
    return true;
}

void CDialogEx::ConnectNotifications(const DialogControlSpec& entry, QWidget* widget)
{
    const int id = entry.id;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, id] { DispatchNotification(BN_CLICKED, id); });
    } else if (auto* single = qobject_cast<SingleLineEdit*>(widget)) {
        QObject::connect(single, &QLineEdit::textChanged, single,
                         [this, id] { DispatchNotification(EN_CHANGE, id); });
    } else if (auto* multi = qobject_cast<MultiLineEdit*>(widget)) {
        QObject::connect(multi, &QPlainTextEdit::textChanged, multi,
                         [this, id] { DispatchNotification(EN_CHANGE, id); });
    } else if (auto* upDown = qobject_cast<UpDownControl*>(widget)) {
        QObject::connect(upDown, &UpDownControl::DeltaProposed, upDown,
                         [this, id](int delta) { DispatchDeltaPos(id, delta); });
    }
}

void CDialogEx::FocusFirstTabStop()
{
    for (QWidget* control : controlOrder) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
            control->isVisibleTo(window.data())) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
