#include "app/main_window_widgets.h"

#include "ui/enter_field.h"
#include "ui/template_dialog.h"
#include "ui/terminal_output.h"
#include "ui/up_down_control.h"
#include "resources/control_names.h"

#include <QAbstractButton>
#include <QAction>

MainWindowWidgets FindMainWindowWidgets(const TemplateDialog& window)
{
    using namespace ControlName;
    const auto button = [&](const QString& name) { return window.Find<QAbstractButton>(name); };
    const auto field = [&](const QString& name) { return window.Find<EnterField>(name); };
    const auto entry = [&](const QString& name) { return window.Find<QAction>(name); };
    MainWindowWidgets w{};
    for (int page = 1; page <= kPageCount; ++page) {
        w.pageFields[page - 1] = field(PageField(page));
        w.pageBoxes[page - 1] = button(PageBox(page));
    }
    w.allBox = button(kAllBox);
    w.hexBox = button(kHexBox);
    w.asciiBox = button(kAsciiBox);
    w.readButton = button(kReadButton);
    w.writeButton = button(kWriteButton);
    w.lockButton = button(kLockButton);
    w.defaultContentButton = button(kDefaultContentButton);
    w.carrierIdLengthField = window.Find<SingleLineEdit>(kCarrierIdLengthField);
    w.carrierIdLengthSpin = window.Find<UpDownControl>(kCarrierIdLengthSpin);
    w.readCarrierIdButton = button(kReadCarrierIdButton);
    w.writeCarrierIdButton = button(kWriteCarrierIdButton);
    w.carrierIdField = field(kCarrierIdField);
    w.readUidButton = button(kReadUidButton);
    w.uidField = field(kUidField);
    w.sendField = field(kSendField);
    w.sendButton = button(kSendButton);
    w.terminalOutput = window.Find<TerminalOutput>(kTerminalOutput);
    w.fileExit = entry(kFileExit);
    w.interfaceSettings = entry(kInterfaceSettings);
    w.deviceManager = entry(kDeviceManager);
    w.terminalShow = entry(kTerminalShow);
    w.terminalClear = entry(kTerminalClear);
    w.info = entry(kInfo);
    return w;
}
