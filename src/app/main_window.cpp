#include "app/main_window.h"

#include "app/about_dialog.h"
#include "platform/device_viewer.h"
#include "resources/dialog_layouts.h"
#include "resources/pictures.h"
#include "resources/resource_ids.h"
#include "serial/link_messages.h"
#include "settings/settings_keys.h"
#include "transponder/reader_protocol.h"
#include "ui/coloured_label.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "ui/message_boxes.h"
#include "ui/terminal_output.h"
#include "ui/up_down_control.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMetaObject>

namespace {

const QString kNoDeviceViewer = QStringLiteral(
    "No program that shows the devices is installed. The serial adapters are listed in "
    "/dev/serial/by-id.");

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : TemplateDialog(MainWindowLayout(), parent), widgets(FindMainWindowWidgets(*this))
{
    ConnectHandlers();
    // The receive thread calls these; the queued calls run on the GUI thread.
    serialLink.receiveThread.SetTerminalWake([this] {
        QMetaObject::invokeMethod(
            &terminalWake, [this] { terminalRefresh.Request(); }, Qt::QueuedConnection);
    });
    serialLink.receiveThread.SetHangUpWake([this] {
        QMetaObject::invokeMethod(
            &terminalWake, [this] { OnDeviceHangUp(); }, Qt::QueuedConnection);
    });

    model.timeoutUnit = kInitialTimeoutUnit;
    FitWindowToTerminal();
    LoadSettings();
    ShowFields();
    SystemMenu()->addSeparator();
    SystemMenu()->addAction(kAboutMenuEntry, this, &MainWindow::ShowAboutBox);
    setWindowIcon(LoadIcon(ResourceId::kMainIcon));
    serialLink.ConnectPort(*this);
    ColourLabelsAndFields();
    tickedBox = LoadPicture(ResourceId::kTickedBoxPicture);
    emptyBox = LoadPicture(ResourceId::kEmptyBoxPicture);
    selectedCircle = LoadPicture(ResourceId::kSelectedCirclePicture);
    emptyCircle = LoadPicture(ResourceId::kEmptyCirclePicture);
    ShowPictures();
    FocusFirstTabStop();
}

MainWindow::~MainWindow()
{
    SaveSettings();
    replugWatch.Stop();
    serialLink.ClosePort(*this);
    // No wake may reach terminalWake once it is gone.
    serialLink.StopReceiveThread();
}

void MainWindow::ConnectHandlers()
{
    const MainWindowWidgets& w = widgets;
    connect(w.fileExit, &QAction::triggered, this, &MainWindow::accept);
    connect(w.interfaceSettings, &QAction::triggered, this, &MainWindow::OnInterfaceSettings);
    connect(w.deviceManager, &QAction::triggered, this, &MainWindow::OpenDeviceManager);
    connect(w.terminalShow, &QAction::triggered, this, &MainWindow::ToggleTerminal);
    connect(w.terminalClear, &QAction::triggered, this, &MainWindow::ClearTerminal);
    connect(w.info, &QAction::triggered, this, &MainWindow::ShowAboutBox);

    // Enter in the other fields does nothing.
    connect(w.sendField, &EnterField::EnterPressed, this, &MainWindow::OnSendFieldEnter);
    connect(w.sendButton, &QAbstractButton::clicked, this, &MainWindow::SendCommandLine);
    connect(w.readButton, &QAbstractButton::clicked, this, &MainWindow::ReadPages);
    connect(w.writeButton, &QAbstractButton::clicked, this, &MainWindow::WritePages);
    connect(w.lockButton, &QAbstractButton::clicked, this, &MainWindow::LockPages);
    connect(w.allBox, &QAbstractButton::clicked, this, &MainWindow::OnAllClicked);
    for (int index = 0; index < kPageCount; ++index)
        connect(w.pageBoxes[index], &QAbstractButton::clicked, this,
                [this, index] { OnPageBoxClicked(index); });
    connect(w.hexBox, &QAbstractButton::clicked, this, &MainWindow::OnHexClicked);
    connect(w.asciiBox, &QAbstractButton::clicked, this, &MainWindow::OnAsciiClicked);
    connect(w.defaultContentButton, &QAbstractButton::clicked, this,
            &MainWindow::RestoreDefaultContent);
    connect(w.carrierIdLengthSpin, &UpDownControl::DeltaProposed, this, &MainWindow::OnLengthSpin);
    connect(w.carrierIdLengthField, &QLineEdit::textChanged, this, &MainWindow::OnLengthChanged);
    connect(w.readCarrierIdButton, &QAbstractButton::clicked, this, &MainWindow::ReadCarrierId);
    connect(w.writeCarrierIdButton, &QAbstractButton::clicked, this, &MainWindow::WriteCarrierId);
    connect(w.readUidButton, &QAbstractButton::clicked, this, &MainWindow::ReadUid);
}

void MainWindow::ShowLinkError(const QString& text)
{
    ShowMessage(this, text, LinkMessages::kErrorTitle, QMessageBox::Critical);
}

void MainWindow::accept()
{
    if (TakeFields())
        TemplateDialog::accept();
}

void MainWindow::reject()
{
    replugWatch.Stop();
    serialLink.ClosePort(*this);
    TemplateDialog::reject();
}

void MainWindow::LoadSettings()
{
    // The path is kept whole: no directory is too long for it.
    settingsPath = QDir::current().filePath(SettingsKey::kFileName);
    static_cast<StoredSettings&>(model) = ReadStoredSettings(settingsPath);
    serialLink.portName = model.portName;
    serialLink.baudRate = model.baudRate;
}

void MainWindow::SaveSettings()
{
    model.portName = serialLink.portName;
    model.baudRate = serialLink.baudRate;
    // A file that cannot be written loses this run's settings without a message.
    WriteStoredSettings(settingsPath, model);
}

void MainWindow::ColourLabelsAndFields()
{
    // The backdrop behind every control is black; the layout's backdrop picture is one pixel.
    QPalette backdrop = ClientArea()->palette();
    backdrop.setColor(QPalette::Window, kColourBlack);
    ClientArea()->setPalette(backdrop);
    ClientArea()->setAutoFillBackground(true);

    for (ColouredLabel* label : findChildren<ColouredLabel*>())
        label->SetColours(kColourWhite, kColourBlack);
    SetAllPageFieldColours(kColourWhite);
    widgets.carrierIdField->SetBackgroundColor(kColourWhite);
    widgets.uidField->SetBackgroundColor(kColourWhite);
}

void MainWindow::SetPageFieldColour(std::size_t index, const QColor& colour)
{
    widgets.pageFields[index]->SetBackgroundColor(colour, false);
}

void MainWindow::SetAllPageFieldColours(const QColor& colour)
{
    for (std::size_t index = 0; index < widgets.pageFields.size(); ++index)
        SetPageFieldColour(index, colour);
}

void MainWindow::ShowPictures()
{
    const auto show = [](QAbstractButton* box, const QPixmap& picture) {
        box->setIcon(QIcon(picture));
        box->setIconSize(picture.size());
    };
    show(widgets.allBox, model.pageRows.allSelected ? tickedBox : emptyBox);
    for (std::size_t i = 0; i < widgets.pageBoxes.size(); ++i)
        show(widgets.pageBoxes[i], model.pageRows.rows[i].selected ? tickedBox : emptyBox);
    const bool ascii = model.displayFormat == DisplayFormat::Ascii;
    show(widgets.asciiBox, ascii ? selectedCircle : emptyCircle);
    show(widgets.hexBox, ascii ? emptyCircle : selectedCircle);
}

void MainWindow::ShowAboutBox()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::OpenDeviceManager()
{
    if (!DeviceViewer::Open())
        ShowMessage(kNoDeviceViewer, QMessageBox::Information);
}

void MainWindow::OnDeviceHangUp()
{
    // A report from a worker that was stopped since, for a port closed or replaced meanwhile.
    if (!serialLink.portHandle || !serialLink.receiveThread.DeviceHungUp())
        return;
    serialLink.ClosePort(*this);
    serialLink.connected = false;
    // Watching from now on lets a reader plugged back while the box is open be taken at once.
    if (!serialLink.portHandle)
        replugWatch.Start();
    ShowLinkError(serialLink.portName + LinkMessages::kWasDisconnectedSuffix);
}
