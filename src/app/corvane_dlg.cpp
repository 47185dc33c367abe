#include "app/corvane_dlg.h"

#include "app/cabout_dlg.h"
#include "ui/colours.h"
#include "ui/dialog_window.h"
#include "ui/menu_flags.h"
#include "ui/message_boxes.h"
#include "ui/notification_codes.h"
#include "platform/device_viewer.h"
#include "resources/command_ids.h"
#include "resources/control_ids.h"
#include "resources/main_dialog_template.h"
#include "resources/pictures.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "serial/link_messages.h"
#include "transponder/page_row_table.h"
#include "transponder/reader_protocol.h"

#include <QMetaObject>

namespace {

const QString kNoDeviceViewer = QStringLiteral(
    "No program that shows the devices is installed. The serial adapters are listed in "
    "/dev/serial/by-id.");

} // namespace

COrvaneDlg::COrvaneDlg(QWidget* parent) : CDialogEx(MainDialogTemplate(), parent)
{
    windowIcon = LoadIcon(ResourceId::kMainIcon);
    // The receive thread calls this; the queued call takes the whole batch on the GUI thread.
    serialLink.receiveThread.SetTerminalWake([this] {
        QMetaObject::invokeMethod(
            &terminalWake, [this] { terminalRefresh.Request(); }, Qt::QueuedConnection);
    });
    serialLink.receiveThread.SetHangUpWake([this] {
        QMetaObject::invokeMethod(
            &terminalWake, [this] { OnDeviceHangUp(); }, Qt::QueuedConnection);
    });
    BuildMessageMap();
}

COrvaneDlg::~COrvaneDlg()
{
    // The destroy handler needs the members, which the base destructor no longer has.
    DestroyWindow();
    // No wake may reach terminalWake once it is gone.
    serialLink.StopReceiveThread();
}

void COrvaneDlg::ShowLinkError(const QString& text)
{
    MessageBox(text, LinkMessages::kErrorTitle, MB_ICONERROR);
}

void COrvaneDlg::BuildMessageMap()
{
    using namespace ControlId;
    using namespace CommandId;
    MessageMap& map = GetMessageMap();

    // Enter in the other fields does nothing.
    terminal.sendField.onEnter = [this] { OnSendFieldEnter(); };
    map.OnSysCommand([this](unsigned command) { OnSysCommand(command); });

    map.OnCommand(kFileExit, [this] { OnOK(); });
    map.OnCommand(kInterfaceSettings, [this] { OnInterfaceSettings(); });
    map.OnCommand(kDeviceManager, [this] { OpenDeviceManager(); });
    map.OnCommand(kTerminalShow, [this] { ToggleTerminal(); });
    map.OnCommand(kTerminalClear, [this] { ClearTerminal(); });
    map.OnCommand(kInfo, [this] { ShowAboutBox(); });

    map.OnCommand(kSendButton, [this] { SendCommandLine(); });
    map.OnCommand(kReadButton, [this] { ReadPages(); });
    map.OnCommand(kWriteButton, [this] { WritePages(); });
    map.OnCommand(kLockButton, [this] { LockPages(); });
    map.OnCommand(kAllBox, [this] { OnAllClicked(); });
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        map.OnCommand(kPageRows[i].checkBoxId,
                      [this, i] { OnPageBoxClicked(static_cast<int>(i)); });
    map.OnCommand(kHexBox, [this] { OnHexClicked(); });
    map.OnCommand(kAsciiBox, [this] { OnAsciiClicked(); });
    map.OnCommand(kDefaultContentButton, [this] { RestoreDefaultContent(); });
    map.OnDeltaPos(kCarrierIdLengthSpin, [this](int delta) { OnLengthSpin(delta); });
    map.OnNotification(EN_CHANGE, kCarrierIdLengthField, [this] { OnLengthChanged(); });
    map.OnCommand(kReadCarrierIdButton, [this] { ReadCarrierId(); });
    map.OnCommand(kWriteCarrierIdButton, [this] { WriteCarrierId(); });
    map.OnCommand(kReadUidButton, [this] { ReadUid(); });

    map.OnClose([this] { OnCloseRequest(); });
    map.OnDestroy([this] { OnDestroyWindow(); });
}

bool COrvaneDlg::OnInitDialog()
{
    TimeoutUnit = kInitialTimeoutUnit;
    terminal.shown = false;
    FitWindowToTerminal();

    LoadSettings();

    CDialogEx::OnInitDialog();

    const QString aboutEntry = LoadResourceString(ResourceId::kAboutMenuEntryString);
    if (CMenu* systemMenu = GetSystemMenu(); systemMenu != nullptr && !aboutEntry.isEmpty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, static_cast<int>(CommandId::kAboutBox), aboutEntry);
    }

    GetSafeWidget()->setWindowIcon(windowIcon);

    serialLink.ConnectPort(*this);

    ColourLabelsAndFields();

    boxes.tickedBox = LoadPicture(ResourceId::kTickedBoxPicture);
    boxes.emptyBox = LoadPicture(ResourceId::kEmptyBoxPicture);
    ShowSelectionPictures();

    boxes.selectedCircle = LoadPicture(ResourceId::kSelectedCirclePicture);
    boxes.emptyCircle = LoadPicture(ResourceId::kEmptyCirclePicture);
    ShowFormatPictures();

    return true;
}

void COrvaneDlg::ColourLabelsAndFields()
{
    // The backdrop behind every control is black; the template's backdrop picture is one pixel.
    QWidget* client = GetSafeWidget()->ClientArea();
    QPalette backdrop = client->palette();
    backdrop.setColor(QPalette::Window, kColourBlack);
    client->setPalette(backdrop);
    client->setAutoFillBackground(true);

    labels.ForEach([](ColouredLabel& label) {
        label.SetBackgroundColor(kColourBlack, false);
        label.textColor = kColourWhite;
    });
    for (EnterField& field : pageFields)
        field.SetBackgroundColor(kColourWhite, true);
    carrierIdField.SetBackgroundColor(kColourWhite, true);
    uidField.SetBackgroundColor(kColourWhite, true);
}

void COrvaneDlg::ShowSelectionPictures()
{
    boxes.allBox.SetBitmap(pageRows.allSelected ? boxes.tickedBox : boxes.emptyBox);
    for (std::size_t i = 0; i < boxes.pageBoxes.size(); ++i)
        boxes.pageBoxes[i].SetBitmap(pageRows.rows[i].selected ? boxes.tickedBox : boxes.emptyBox);
}

void COrvaneDlg::ShowFormatPictures()
{
    const bool ascii = displayFormat == DisplayFormat::Ascii;
    boxes.asciiBox.SetBitmap(ascii ? boxes.selectedCircle : boxes.emptyCircle);
    boxes.hexBox.SetBitmap(ascii ? boxes.emptyCircle : boxes.selectedCircle);
}

void COrvaneDlg::ShowAboutBox()
{
    CAboutDlg about(GetSafeWidget());
    about.DoModal();
}

void COrvaneDlg::OpenDeviceManager()
{
    if (!DeviceViewer::Open())
        AfxMessageBox(kNoDeviceViewer, MB_ICONINFORMATION);
}

void COrvaneDlg::OnSysCommand(unsigned command)
{
    if ((command & ~CommandId::kSystemCommandFlagBits) == CommandId::kAboutBox)
        ShowAboutBox();
    else
        DefaultSysCommand(command);
}

void COrvaneDlg::OnCloseRequest()
{
    replugWatch.Stop();
    serialLink.ClosePort(*this);
    DefaultClose();
}

void COrvaneDlg::OnDestroyWindow()
{
    SaveSettings();
    replugWatch.Stop();
    serialLink.ClosePort(*this);
}
