// The main window's two transfers between its widgets and its model.
#include "app/main_window.h"

#include "platform/number_parsing.h"
#include "transponder/carrier_id.h"
#include "transponder/display_format.h"
#include "ui/enter_field.h"
#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <algorithm>
#include <climits>

namespace {

QString TooLongMessage(int maxChars)
{
    return QStringLiteral("Please enter no more than %1 characters.").arg(maxChars);
}

const QString kNotANumberMessage =
    QStringLiteral("Please enter a whole number from -2147483648 to 2147483647.");

int CarrierIdLimit(const WindowModel& model)
{
    return static_cast<int>(std::min<qint64>(
        CarrierIdTextLength(model.displayFormat, model.carrierIdLength), INT_MAX));
}

// Takes a field's text into `value` and refuses it when it is longer than `limit`.
bool TakeText(const QLineEdit* field, QString& value, int limit = INT_MAX)
{
    value = field->text();
    return value.length() <= std::max(0, limit);
}

// Shows the text in full, even beyond the limit, which then only lets it shrink.
void ShowText(SingleLineEdit* field, const QString& text, int limit)
{
    field->SetTextInFull(text);
    field->SetLimitText(limit);
}

} // namespace

bool MainWindow::TakeFields()
{
    const auto refuse = [](QLineEdit* field, const QString& message) {
        ShowMessage(message, QMessageBox::Warning);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    };
    TakeText(widgets.sendField, model.terminalSendText);
    const int pageLimit = PageTextLimit(model.displayFormat);
    for (std::size_t i = 0; i < widgets.pageFields.size(); ++i) {
        if (!TakeText(widgets.pageFields[i], model.pageRows.rows[i].text, pageLimit))
            return refuse(widgets.pageFields[i], TooLongMessage(std::max(0, pageLimit)));
    }
    model.pageRows.allSelected = widgets.allBox->isChecked();
    for (std::size_t i = 0; i < widgets.pageBoxes.size(); ++i)
        model.pageRows.rows[i].selected = widgets.pageBoxes[i]->isChecked();
    const int carrierIdLimit = CarrierIdLimit(model);
    if (!TakeText(widgets.carrierIdField, model.carrierIdText, carrierIdLimit))
        return refuse(widgets.carrierIdField, TooLongMessage(std::max(0, carrierIdLimit)));
    const std::optional<std::int32_t> length =
        ParseDecimalInt32(widgets.carrierIdLengthField->text());
    if (!length)
        return refuse(widgets.carrierIdLengthField, kNotANumberMessage);
    model.carrierIdLength = *length;
    TakeText(widgets.uidField, model.uidText);
    return true;
}

void MainWindow::ShowFields()
{
    // The length field's change handler is for the operator's typing only.
    showingFields = true;
    widgets.sendField->SetTextInFull(model.terminalSendText);
    for (std::size_t i = 0; i < widgets.pageFields.size(); ++i)
        ShowText(widgets.pageFields[i], model.pageRows.rows[i].text,
                 PageTextLimit(model.displayFormat));
    widgets.allBox->setChecked(model.pageRows.allSelected);
    for (std::size_t i = 0; i < widgets.pageBoxes.size(); ++i)
        widgets.pageBoxes[i]->setChecked(model.pageRows.rows[i].selected);
    ShowText(widgets.carrierIdField, model.carrierIdText, CarrierIdLimit(model));
    widgets.carrierIdLengthField->SetTextInFull(QString::number(model.carrierIdLength));
    widgets.uidField->SetTextInFull(model.uidText);
    showingFields = false;
}
