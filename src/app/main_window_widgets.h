#pragma once

#include "transponder/reader_protocol.h"

#include <array>

class EnterField;
class TerminalOutput;
class QAbstractButton;
class QAction;
class SingleLineEdit;
class TemplateDialog;
class UpDownControl;

// The main window's controls and menu entries that the window reads, writes or listens to.
struct MainWindowWidgets
{
    std::array<EnterField*, kPageCount> pageFields; // page order
    std::array<QAbstractButton*, kPageCount> pageBoxes;
    QAbstractButton* allBox;
    QAbstractButton* hexBox;
    QAbstractButton* asciiBox;

    QAbstractButton* readButton;
    QAbstractButton* writeButton;
    QAbstractButton* lockButton;
    QAbstractButton* defaultContentButton;
    SingleLineEdit* carrierIdLengthField;
    UpDownControl* carrierIdLengthSpin;
    QAbstractButton* readCarrierIdButton;
    QAbstractButton* writeCarrierIdButton;
    EnterField* carrierIdField;
    QAbstractButton* readUidButton;
    EnterField* uidField;

    EnterField* sendField;
    QAbstractButton* sendButton;
    TerminalOutput* terminalOutput;

    QAction* fileExit;
    QAction* interfaceSettings;
    QAction* deviceManager;
    QAction* terminalShow;
    QAction* terminalClear;
    QAction* info;
};

// Finds them by name in a window built from MainWindowLayout().
MainWindowWidgets FindMainWindowWidgets(const TemplateDialog& window);
