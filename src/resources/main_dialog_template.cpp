#include "resources/main_dialog_template.h"

#include "ui/control_styles.h"
#include "ui/dialog_ids.h"
#include "resources/control_ids.h"
#include "resources/dialog_font.h"
#include "resources/main_menu_template.h"
#include "resources/pictures.h"
#include "resources/resource_ids.h"
#include "transponder/page_row_table.h"

namespace {

using namespace ControlId;

constexpr std::uint32_t kButton = WS_TABSTOP | BS_LEFT;
constexpr std::uint32_t kPushLikeBox = WS_TABSTOP | BS_PUSHLIKE | BS_LEFT;
constexpr std::uint32_t kPictureBox = WS_TABSTOP | BS_PUSHLIKE | BS_BITMAP;
constexpr std::uint32_t kField = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr std::uint32_t kLabel = 0;

// Rows are 14 units apart, the first at 24.
constexpr int kFirstRowTop = 24;
constexpr int kRowPitch = 14;

int RowTop(const PageRowConstants& row)
{
    return kFirstRowTop + kRowPitch * (row.page - 1);
}

DialogControlSpec Control(int id, ControlKind kind, const QString& caption, QRect rect,
                          std::uint32_t style)
{
    return DialogControlSpec{id, kind, caption, rect, style, false};
}

DialogControlSpec Label(int id, const QString& caption, QRect rect)
{
    return Control(id, ControlKind::StaticText, caption, rect, kLabel);
}

void AddPageRows(std::vector<DialogControlSpec>& controls)
{
    for (const PageRowConstants& row : kPageRows)
        controls.push_back(Control(row.checkBoxId, ControlKind::AutoCheckBox, QString(),
                                   {7, RowTop(row), 8, 8}, kPictureBox));
    controls.push_back(Label(kAllLabel, QStringLiteral("all"), {20, 9, 17, 11}));
    for (const PageRowConstants& row : kPageRows)
        controls.push_back(Label(row.pageLabelId, row.pageLabel, {20, RowTop(row), 17, 11}));
    for (const PageRowConstants& row : kPageRows)
        controls.push_back(Control(row.fieldId, ControlKind::Edit, QString(),
                                   {45, RowTop(row) - 2, 82, 12}, kField));
    for (const PageRowConstants& row : kPageRows)
        controls.push_back(
            Label(row.descriptionLabelId, row.description, {132, RowTop(row) - 1, 38, 11}));
}

} // namespace

DialogTemplate MainDialogTemplate()
{
    DialogTemplate t;
    t.templateId = ResourceId::kMainDialog;
    t.caption = QStringLiteral("Orvane");
    t.sizeInDialogUnits = QSize(583, 264);
    t.style = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    t.fontName = QString::fromLatin1(kDialogFontName);
    t.fontPointSize = kDialogFontPointSize;
    t.menu = MainMenuTemplate();

    auto& c = t.controls;
    c.push_back(Control(IDC_STATIC, ControlKind::Picture, PicturePath(ResourceId::kBackdropPicture),
                        {0, 0, 1440, 1382}, 0));
    c.push_back(Control(IDC_STATIC, ControlKind::Picture, PicturePath(ResourceId::kLogoPicture),
                        {279, 228, 152, 30}, 0));
    c.push_back({IDOK,
                 ControlKind::PushButton,
                 QStringLiteral("OK"),
                 {218, 169, 11, 11},
                 WS_TABSTOP | BS_DEFPUSHBUTTON,
                 true});
    c.push_back({IDCANCEL,
                 ControlKind::PushButton,
                 QStringLiteral("Cancel"),
                 {218, 181, 11, 11},
                 WS_TABSTOP,
                 true});
    c.push_back(Control(kWriteButton, ControlKind::PushButton, QStringLiteral("  write"),
                        {178, 36, 86, 12}, kButton));
    c.push_back(Control(kReadButton, ControlKind::AutoCheckBox, QStringLiteral("  read"),
                        {178, 22, 86, 12}, kPushLikeBox));
    c.push_back(Control(kLockButton, ControlKind::PushButton, QStringLiteral("  lock"),
                        {178, 50, 86, 12}, kButton));
    c.push_back(Control(kAllBox, ControlKind::AutoCheckBox, QString(), {7, 10, 8, 8}, kPictureBox));
    AddPageRows(c);
    c.push_back(Control(kDefaultContentButton, ControlKind::PushButton,
                        QStringLiteral("  default memory content"), {178, 64, 86, 12}, kButton));
    c.push_back(Label(kCarrierIdLengthLabel, QStringLiteral("carrier ID length (Byte)"),
                      {274, 23, 80, 11}));
    c.push_back(Control(kCarrierIdLengthField, ControlKind::Edit, QString(), {399, 22, 19, 12},
                        kField | ES_CENTER));
    c.push_back(Control(kCarrierIdLengthSpin, ControlKind::UpDown, QString(), {420, 22, 11, 12},
                        UDS_ARROWKEYS));
    c.push_back(Control(kReadCarrierIdButton, ControlKind::PushButton,
                        QStringLiteral("  read carrier ID"), {274, 36, 157, 12}, kButton));
    c.push_back(Control(kWriteCarrierIdButton, ControlKind::PushButton,
                        QStringLiteral("  write carrier ID"), {274, 50, 157, 12}, kButton));
    c.push_back(Control(kCarrierIdField, ControlKind::Edit, QString(), {274, 64, 157, 12}, kField));
    c.push_back(Control(kSendField, ControlKind::Edit, QString(), {441, 20, 97, 12}, kField));
    c.push_back(Control(kSendButton, ControlKind::PushButton, QStringLiteral("Send"),
                        {541, 20, 35, 11}, WS_TABSTOP));
    c.push_back(Control(kTerminalOutput, ControlKind::TerminalOutput, QString(),
                        {441, 34, 135, 225}, kField | WS_VSCROLL));
    c.push_back(Label(kCarrierIdLabel, QStringLiteral("carrier ID"), {274, 80, 64, 11}));
    c.push_back(Control(kReadUidButton, ControlKind::AutoCheckBox, QStringLiteral("  read UID"),
                        {274, 99, 157, 12}, kPushLikeBox));
    c.push_back(Control(kUidField, ControlKind::Edit, QString(), {274, 113, 157, 12}, kField));
    c.push_back(Label(kHexLabel, QStringLiteral("HEX"), {57, 9, 17, 11}));
    c.push_back(Label(kAsciiLabel, QStringLiteral("ASCII"), {107, 9, 17, 11}));
    c.push_back(
        Control(kHexBox, ControlKind::AutoCheckBox, QString(), {45, 10, 8, 8}, kPictureBox));
    c.push_back(
        Control(kAsciiBox, ControlKind::AutoCheckBox, QString(), {95, 10, 8, 8}, kPictureBox));
    return t;
}
