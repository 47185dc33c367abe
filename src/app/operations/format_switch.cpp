#include "app/corvane_dlg.h"
#include "transponder/display_format.h"
#include "app/operations/page_field_colours.h"

namespace {

using Conversion = QString (*)(const QString&);

// Shows format as the active choice; when it is new, converts every page text and then the
// carrier ID, showing each and giving its field the focus (the carrier ID field keeps it).
void SwitchDisplayFormat(COrvaneDlg& dialog, DisplayFormat format, Conversion convert)
{
    dialog.UpdateData(true);
    const bool changed = dialog.displayFormat != format;
    dialog.displayFormat = format;
    dialog.ShowFormatPictures();
    if (!changed)
        return;
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index) {
        PageRow& row = dialog.pageRows.rows[index];
        row.text = convert(row.text);
        dialog.UpdateData(false);
        FocusPageField(dialog, index);
    }
    dialog.carrierIdText = convert(dialog.carrierIdText);
    dialog.UpdateData(false);
    dialog.carrierIdField.SetFocus();
}

} // namespace

void COrvaneDlg::OnHexClicked()
{
    SwitchDisplayFormat(*this, DisplayFormat::Hex, AsciiToHex);
}

void COrvaneDlg::OnAsciiClicked()
{
    SwitchDisplayFormat(*this, DisplayFormat::Ascii, HexToAscii);
}
