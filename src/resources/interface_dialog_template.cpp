#include "resources/interface_dialog_template.h"

#include "ui/control_styles.h"
#include "ui/dialog_ids.h"
#include "resources/interface_dialog_ids.h"
#include "resources/resource_ids.h"

namespace {

const QString kInterfaceFontName = QStringLiteral("MS Shell Dlg");
constexpr int kInterfaceFontPointSize = 8;

} // namespace

QStringList InterfaceBaudRateEntries()
{
    return {QStringLiteral("110"),     QStringLiteral(" 300"),    QStringLiteral(" 600"),
            QStringLiteral(" 1200"),   QStringLiteral(" 2400"),   QStringLiteral(" 4800"),
            QStringLiteral(" 9600"),   QStringLiteral(" 14400"),  QStringLiteral(" 19200"),
            QStringLiteral(" 38400"),  QStringLiteral(" 56000"),  QStringLiteral(" 57600"),
            QStringLiteral(" 115200"), QStringLiteral(" 128000"), QStringLiteral(" 256000")};
}

DialogTemplate InterfaceDialogTemplate()
{
    const std::uint32_t combo = WS_TABSTOP | WS_VSCROLL;
    DialogTemplate t;
    t.templateId = ResourceId::kInterfaceDialog;
    t.caption = QStringLiteral("Interface");
    t.sizeInDialogUnits = QSize(176, 95);
    t.style = WS_SYSMENU;
    t.fontName = kInterfaceFontName;
    t.fontPointSize = kInterfaceFontPointSize;
    t.controls = {
        {IDOK,
         ControlKind::PushButton,
         QStringLiteral("OK"),
         {14, 55, 50, 14},
         WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL,
         ControlKind::PushButton,
         QStringLiteral("Cancel"),
         {111, 55, 50, 14},
         WS_TABSTOP},
        {IDC_STATIC,
         ControlKind::GroupBox,
         QStringLiteral("COM Port Settings"),
         {7, 7, 162, 69},
         0},
        {IDC_STATIC, ControlKind::StaticText, QStringLiteral("COM Port:"), {14, 22, 34, 8}, 0},
        {IDC_STATIC, ControlKind::StaticText, QStringLiteral("Baudrate:"), {14, 36, 33, 8}, 0},
        {InterfaceDialogId::kPortCombo,
         ControlKind::ComboBox,
         QString(),
         {57, 19, 104, 197},
         combo},
        {InterfaceDialogId::kBaudRateCombo,
         ControlKind::ComboBox,
         QString(),
         {57, 34, 104, 173},
         combo},
        {InterfaceDialogId::kUnopenablePortsText,
         ControlKind::StaticText,
         QString(),
         {7, 80, 162, 8},
         0},
    };
    return t;
}
