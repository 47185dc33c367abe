#include "resources/dialog_layouts.h"

#include "resources/control_names.h"
#include "resources/pictures.h"
#include "resources/resource_ids.h"
#include "transponder/page_row_table.h"

namespace {

using namespace ControlName;

constexpr unsigned kButton = TabStop | LeftText;
constexpr unsigned kPushLikeBox = TabStop | PushLike | LeftText;
constexpr unsigned kPictureBox = TabStop | PushLike;
constexpr unsigned kField = TabStop | Border;

// The font the layouts name. The dialog layer falls back to a common sans family of the same
// pixel size where this one is not installed, which fits the layouts' rectangles.
const QString kDialogFontName = QStringLiteral("MS Sans Serif");

// Rows are 14 units apart, the first at 24.
int RowTop(const PageRowConstants& row)
{
    return 24 + 14 * (row.page - 1);
}

ControlSpec Label(const QString& caption, QRect rect, const QString& name = {})
{
    return {name, ControlKind::ColouredLabel, caption, rect, 0};
}

void AddPageRows(std::vector<ControlSpec>& controls)
{
    for (const PageRowConstants& row : kPageRows)
        controls.push_back({PageBox(row.page), ControlKind::CheckBox, {}, {7, RowTop(row), 8, 8},
                            kPictureBox});
    controls.push_back(Label(QStringLiteral("all"), {20, 9, 17, 11}));
    for (const PageRowConstants& row : kPageRows)
        controls.push_back(Label(row.pageLabel, {20, RowTop(row), 17, 11}));
    for (const PageRowConstants& row : kPageRows)
        controls.push_back({PageField(row.page), ControlKind::EnterField, {},
                            {45, RowTop(row) - 2, 82, 12}, kField});
    for (const PageRowConstants& row : kPageRows)
        controls.push_back(Label(row.description, {132, RowTop(row) - 1, 38, 11},
                                 PageDescription(row.page)));
}

} // namespace

DialogLayout MainWindowLayout()
{
    DialogLayout layout;
    layout.caption = QStringLiteral("Orvane");
    layout.sizeInDialogUnits = QSize(583, 264);
    layout.buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    layout.fontName = kDialogFontName;
    layout.menus = {
        {QStringLiteral("File"), {{kFileExit, QStringLiteral("Exit")}}},
        {QStringLiteral("Interface"),
         {{kInterfaceSettings, QStringLiteral("Settings")},
          {kDeviceManager, QStringLiteral("Device Manager")}}},
        {QStringLiteral("Terminal"),
         {{kTerminalShow, QStringLiteral("Show")}, {kTerminalClear, QStringLiteral("Clear")}}},
        {QStringLiteral("?"), {{kInfo, QStringLiteral("Info")}}},
    };

    auto& c = layout.controls;
    c.push_back({{}, ControlKind::Picture, PicturePath(ResourceId::kBackdropPicture),
                 {0, 0, 1440, 1382}});
    c.push_back(
        {{}, ControlKind::Picture, PicturePath(ResourceId::kLogoPicture), {279, 228, 152, 30}});
    c.push_back({kWriteButton, ControlKind::PushButton, QStringLiteral("  write"),
                 {178, 36, 86, 12}, kButton});
    c.push_back({kReadButton, ControlKind::CheckBox, QStringLiteral("  read"), {178, 22, 86, 12},
                 kPushLikeBox});
    c.push_back({kLockButton, ControlKind::PushButton, QStringLiteral("  lock"), {178, 50, 86, 12},
                 kButton});
    c.push_back({kAllBox, ControlKind::CheckBox, {}, {7, 10, 8, 8}, kPictureBox});
    AddPageRows(c);
    c.push_back({kDefaultContentButton, ControlKind::PushButton,
                 QStringLiteral("  default memory content"), {178, 64, 86, 12}, kButton});
    c.push_back(Label(QStringLiteral("carrier ID length (Byte)"), {274, 23, 80, 11},
                      kCarrierIdLengthLabel));
    c.push_back({kCarrierIdLengthField, ControlKind::Edit, {}, {399, 22, 19, 12},
                 kField | Centred});
    c.push_back({kCarrierIdLengthSpin, ControlKind::UpDown, {}, {420, 22, 11, 12}, ArrowKeys});
    c.push_back({kReadCarrierIdButton, ControlKind::PushButton, QStringLiteral("  read carrier ID"),
                 {274, 36, 157, 12}, kButton});
    c.push_back({kWriteCarrierIdButton, ControlKind::PushButton,
                 QStringLiteral("  write carrier ID"), {274, 50, 157, 12}, kButton});
    c.push_back({kCarrierIdField, ControlKind::EnterField, {}, {274, 64, 157, 12}, kField});
    c.push_back({kSendField, ControlKind::EnterField, {}, {441, 20, 97, 12}, kField});
    c.push_back(
        {kSendButton, ControlKind::PushButton, QStringLiteral("Send"), {541, 20, 35, 11}, TabStop});
    c.push_back({kTerminalOutput, ControlKind::TerminalOutput, {}, {441, 34, 135, 225},
                 kField | VerticalScroll});
    c.push_back(Label(QStringLiteral("carrier ID"), {274, 80, 64, 11}));
    c.push_back({kReadUidButton, ControlKind::CheckBox, QStringLiteral("  read UID"),
                 {274, 99, 157, 12}, kPushLikeBox});
    c.push_back({kUidField, ControlKind::EnterField, {}, {274, 113, 157, 12}, kField});
    c.push_back(Label(QStringLiteral("HEX"), {57, 9, 17, 11}));
    c.push_back(Label(QStringLiteral("ASCII"), {107, 9, 17, 11}));
    c.push_back({kHexBox, ControlKind::CheckBox, {}, {45, 10, 8, 8}, kPictureBox});
    c.push_back({kAsciiBox, ControlKind::CheckBox, {}, {95, 10, 8, 8}, kPictureBox});
    return layout;
}

QStringList InterfaceBaudRateEntries()
{
    return {QStringLiteral("110"),     QStringLiteral(" 300"),    QStringLiteral(" 600"),
            QStringLiteral(" 1200"),   QStringLiteral(" 2400"),   QStringLiteral(" 4800"),
            QStringLiteral(" 9600"),   QStringLiteral(" 14400"),  QStringLiteral(" 19200"),
            QStringLiteral(" 38400"),  QStringLiteral(" 56000"),  QStringLiteral(" 57600"),
            QStringLiteral(" 115200"), QStringLiteral(" 128000"), QStringLiteral(" 256000")};
}

DialogLayout InterfaceDialogLayout()
{
    DialogLayout layout;
    layout.caption = QStringLiteral("Interface");
    layout.sizeInDialogUnits = QSize(176, 95);
    layout.fontName = QStringLiteral("MS Shell Dlg");
    const unsigned combo = TabStop | VerticalScroll;
    layout.controls = {
        {kOkButtonName, ControlKind::PushButton, QStringLiteral("OK"), {14, 55, 50, 14},
         TabStop | DefaultButton},
        {kCancelButtonName, ControlKind::PushButton, QStringLiteral("Cancel"), {111, 55, 50, 14},
         TabStop},
        {{}, ControlKind::GroupBox, QStringLiteral("COM Port Settings"), {7, 7, 162, 69}},
        {{}, ControlKind::Label, QStringLiteral("COM Port:"), {14, 22, 34, 8}},
        {{}, ControlKind::Label, QStringLiteral("Baudrate:"), {14, 36, 33, 8}},
        {kPortCombo, ControlKind::ComboBox, {}, {57, 19, 104, 197}, combo},
        {kBaudRateCombo, ControlKind::ComboBox, {}, {57, 34, 104, 173}, combo},
        {kUnopenablePortsText, ControlKind::Label, {}, {7, 80, 162, 8}},
    };
    return layout;
}

DialogLayout AboutDialogLayout()
{
    DialogLayout layout;
    layout.caption = QStringLiteral("Info");
    // 460 x 460 pixels in dialog units of 1.5 x 1.625 pixels.
    layout.sizeInDialogUnits = QSize(307, 284);
    layout.fontName = kDialogFontName;
    layout.controls = {
        {{}, ControlKind::Picture, PicturePath(ResourceId::kAboutPicture), {0, 0, 307, 284}},
    };
    return layout;
}
