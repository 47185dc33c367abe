#include "app/main_window.h"
#include "transponder/carrier_id.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

namespace {

// Cuts the carrier ID text to the carrier ID length and turns its field white when it cut. A text
// that already fits keeps its characters and its field its colour. Does not show the model.
void FitCarrierIdToLength(MainWindow& window)
{
    WindowModel& model = window.Model();
    if (CutCarrierIdToLength(model.carrierIdText, model.displayFormat, model.carrierIdLength))
        window.Widgets().carrierIdField->SetBackgroundColor(kColourWhite);
}

} // namespace

void MainWindow::OnLengthSpin(int delta)
{
    TakeFields();
    model.carrierIdLength = SpinCarrierIdLength(model.carrierIdLength, delta);
    FitCarrierIdToLength(*this);
    ShowFields();
}

void MainWindow::OnLengthChanged()
{
    if (showingFields)
        return;
    // A text that is not an integer is refused by TakeFields and the length keeps its value.
    TakeFields();
    FitCarrierIdToLength(*this);
    ShowFields();
}
