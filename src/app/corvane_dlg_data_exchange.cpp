#include "app/corvane_dlg.h"
#include "framework/data_exchange.h"
#include "framework/ddx.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include "transponder/carrier_id.h"

#include <algorithm>
#include <climits>

void COrvaneDlg::DoDataExchange(CDataExchange& dx)
{
    using namespace ControlId;
    DDX_Control(dx, kSendField, terminal.sendField);
    DDX_Text(dx, kSendField, terminal.sendText);
    DDX_Control(dx, kTerminalOutput, terminal.outputField);
    DDX_Text(dx, kTerminalOutput, terminal.outputText);
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        DDX_Control(dx, kPageRows[i].descriptionLabelId, labels.descriptionLabels[i]);
    DDX_Control(dx, kAllLabel, labels.allLabel);
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        DDX_Control(dx, kPageRows[i].pageLabelId, labels.pageLabels[i]);
    DDX_Control(dx, kCarrierIdLengthLabel, labels.carrierIdLengthLabel);
    DDX_Control(dx, kCarrierIdLabel, labels.carrierIdLabel);

    const int pageLimit = PageTextLimit(displayFormat);
    for (std::size_t i = 0; i < kPageRows.size(); ++i) {
        DDX_Text(dx, kPageRows[i].fieldId, pageRows.rows[i].text);
        DDV_MaxChars(dx, pageRows.rows[i].text, pageLimit);
    }
    const auto fields = pageFields.InPageOrder();
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        DDX_Control(dx, kPageRows[i].fieldId, *fields[i]);

    DDX_Check(dx, kAllBox, pageRows.allSelected);
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        DDX_Check(dx, kPageRows[i].checkBoxId, pageRows.rows[i].selected);

    DDX_Text(dx, kCarrierIdField, carrierIdText);
    DDV_MaxChars(dx, carrierIdText,
                 static_cast<int>(std::min<qint64>(
                     CarrierIdTextLength(displayFormat, carrierIdLength), INT_MAX)));
    DDX_Text(dx, kCarrierIdLengthField, carrierIdLength);
    DDX_Text(dx, kUidField, uidText);
    DDX_Control(dx, kCarrierIdField, carrierIdField);
    DDX_Control(dx, kUidField, uidField);

    DDX_Control(dx, kAllBox, boxes.allBox);
    for (std::size_t i = 0; i < kPageRows.size(); ++i)
        DDX_Control(dx, kPageRows[i].checkBoxId, boxes.pageBoxes[i]);
    DDX_Control(dx, kHexLabel, labels.hexLabel);
    DDX_Control(dx, kAsciiLabel, labels.asciiLabel);
    DDX_Control(dx, kAsciiBox, boxes.asciiBox);
    DDX_Control(dx, kHexBox, boxes.hexBox);
}
