#pragma once

#include "app/coalesced_call.h"
#include "app/page_fields.h"
#include "app/replug_watch.h"
#include "app/selection_boxes.h"
#include "app/window_labels.h"
#include "ui/colours.h"
#include "ui/cdialog_ex.h"
#include "serial/link_error_reporter.h"
#include "serial/serial_link.h"
#include "app/terminal_pane.h"
#include "transponder/display_format.h"
#include "transponder/page_rows.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <cstdint>

// The tool's main window: it owns every piece of state for the whole run and its handlers are the
// tool's operations, each in a file of its own under app/operations/ (read_pages.cpp defines
// ReadPages). GUI thread only, except where SerialLink says otherwise.
class COrvaneDlg : public CDialogEx, public LinkErrorReporter
{
public:
    explicit COrvaneDlg(QWidget* parent = nullptr);
    ~COrvaneDlg() override;

    // Shows text in a box titled "Error" with the error icon.
    void ShowLinkError(const QString& text) override;

    // --- Members, read and written directly by the handlers. ---

    TerminalPane terminal;
    // Port name, baud rate, connected flag, port, receive thread and its busy flags.
    SerialLink serialLink;

    QString startDirectory; // current directory at initialisation
    QString settingsPath;   // startDirectory + "/Orvane.ini"; any length

    QIcon windowIcon;
    WindowLabels labels;
    PageRows pageRows; // 17 PageRows and allSelected
    DisplayFormat displayFormat = DisplayFormat::Hex;
    std::int32_t carrierIdLength = 0;
    QString carrierIdText;
    PageFields pageFields;
    EnterField carrierIdField;
    EnterField uidField;
    QString uidText;
    SelectionBoxes boxes;
    std::int32_t TimeoutUnit = 0; // milliseconds; base of every answer wait

    // --- Shell (app/). ---

    // Reads the settings file into the members; absent or unreadable values give the defaults.
    void LoadSettings();
    // Writes the members into the settings file; a failed write is not reported.
    void SaveSettings();
    // Shows the About box modally.
    void ShowAboutBox();
    // Starts the system's device viewer, detached.
    void OpenDeviceManager();
    // The selection pictures on the "all" box and the 17 page boxes, from the members.
    void ShowSelectionPictures();
    // The circle pictures on the HEX and ASCII boxes, from displayFormat.
    void ShowFormatPictures();

    // --- Terminal (app/terminal_commands.cpp). ---

    // Send button: takes the fields over and sends the send text and CR when connected.
    void SendCommandLine();
    // Enter in the send field: selects its text, then as SendCommandLine.
    void OnSendFieldEnter();
    // Terminal > Show: toggles the column, its check mark and the window width.
    void ToggleTerminal();
    // Terminal > Clear: empties the output text.
    void ClearTerminal();
    // Gives the window the client size for the terminal-shown flag, keeping its top-left corner.
    void FitWindowToTerminal();
    // Puts the lines the receive thread handed over on top of the output, unless an operation
    // owns the terminal now.
    void ShowReceivedLines();

    // --- Unplugged reader (app/device_hang_up.cpp). ---

    // The receive thread saw the port hang up: closes it as ClosePort does, clears connected,
    // shows "<port> was disconnected." and watches for the same device to come back.
    void OnDeviceHangUp();
    // Tries once a second, while a hang-up lasts, to reopen the same device silently.
    ReplugWatch replugWatch{[this] { return serialLink.ReopenPort(); }};

    // --- Interface (app/interface_settings.cpp). ---
    void OnInterfaceSettings();

    // --- Transponder operations (app/operations/). ---
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

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    friend class OperationRun; // holds the queued calls below while an operation runs

    // Receives the queued calls that hand received lines and hang-ups to the GUI thread.
    QObject terminalWake;
    // Shows received lines at most about 20 times a second while they stream in.
    CoalescedCall terminalRefresh{std::chrono::milliseconds(100), [this] { ShowReceivedLines(); }};

    void BuildMessageMap();
    void OnSysCommand(unsigned command);
    void OnCloseRequest();
    void OnDestroyWindow();
    void ColourLabelsAndFields();
};
