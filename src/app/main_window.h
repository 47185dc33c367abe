#pragma once

#include "app/coalesced_call.h"
#include "app/main_window_widgets.h"
#include "app/replug_watch.h"
#include "app/window_model.h"
#include "serial/link_error_reporter.h"
#include "serial/serial_link.h"
#include "ui/template_dialog.h"

#include <QPixmap>

class QColor;

// The tool's main window. Its state is one WindowModel; every handler takes the widgets into it
// (TakeFields), works on it and shows it again (ShowFields). The reader operations are private
// slots, each in a file of its own under app/operations/ (read_pages.cpp defines ReadPages). GUI
// thread only, except where SerialLink says otherwise.
class MainWindow final : public TemplateDialog, public LinkErrorReporter
{
    Q_OBJECT
public:
    // Reads the settings file of the current directory, shows it and opens the port it names.
    explicit MainWindow(QWidget* parent = nullptr);
    // Writes the settings file and closes the port.
    ~MainWindow() override;

    // Shows text in a box titled "Error" with the error icon.
    void ShowLinkError(const QString& text) override;

    // Reads the widgets into the model in tab order. A field that fails its check (too long, not a
    // whole number) shows its message and takes the focus; the fields before it are taken, those
    // after it are not. Returns false then.
    bool TakeFields();
    // Shows the model in the widgets, with the length limits of the display format.
    void ShowFields();

    WindowModel& Model() { return model; }
    const MainWindowWidgets& Widgets() const { return widgets; }
    SerialLink& Link() { return serialLink; }

    // Colours a page field (index 0 is P1); it repaints with the window's next paint.
    void SetPageFieldColour(std::size_t index, const QColor& colour);
    void SetAllPageFieldColours(const QColor& colour);

public slots:
    // Enter outside the fields, File > Exit: takes the fields and, when they are taken, ends.
    void accept() override;
    // Escape, the close box: closes the port and ends.
    void reject() override;

private slots:
    // Terminal (terminal_commands.cpp).
    void SendCommandLine();
    void OnSendFieldEnter();
    void ToggleTerminal();
    void ClearTerminal();
    // Puts the lines the receive thread handed over on top of the output, unless an operation
    // owns the terminal now.
    void ShowReceivedLines();

    // Interface > Settings (interface_settings.cpp).
    void OnInterfaceSettings();
    void OpenDeviceManager();
    void ShowAboutBox();
    // The receive thread saw the port hang up: closes it, shows "<port> was disconnected." and
    // watches for the same device to come back.
    void OnDeviceHangUp();

    // Transponder operations (operations/).
    void ReadPages();
    void WritePages();
    void LockPages();
    void OnAllClicked();
    void OnPageBoxClicked(int index); // index 0..16 in page order
    void OnHexClicked();
    void OnAsciiClicked();
    void RestoreDefaultContent();
    void OnLengthSpin(int delta); // -1: up arrow, +1: down arrow
    void OnLengthChanged();
    void ReadCarrierId();
    void WriteCarrierId();
    void ReadUid();

private:
    void ConnectHandlers();
    void LoadSettings();
    void SaveSettings();
    void ColourLabelsAndFields();
    // The selection pictures on the "all" box and the page boxes, and the circles on the HEX and
    // ASCII boxes, from the model.
    void ShowPictures();
    // Gives the window the client size for the terminal-shown flag, keeping its top-left corner.
    void FitWindowToTerminal();
    // The display format changes to `format`, converting every text that is shown.
    void SwitchDisplayFormat(DisplayFormat format);

    MainWindowWidgets widgets;
    WindowModel model;
    SerialLink serialLink;
    QString settingsPath; // the current directory at start + "/Orvane.ini"
    bool showingFields = false;

    QPixmap tickedBox;      // a set selection flag
    QPixmap emptyBox;       // a clear selection flag
    QPixmap selectedCircle; // the current format
    QPixmap emptyCircle;    // the other format

    // Tries once a second, while a hang-up lasts, to reopen the same device silently.
    ReplugWatch replugWatch{[this] { return serialLink.ReopenPort(); }};
    // Receives the queued calls that hand received lines and hang-ups to the GUI thread.
    QObject terminalWake;
    // Shows received lines at most about ten times a second while they stream in.
    CoalescedCall terminalRefresh{std::chrono::milliseconds(100), [this] { ShowReceivedLines(); }};
};
