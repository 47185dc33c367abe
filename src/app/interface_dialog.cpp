#include "app/interface_dialog.h"

#include "resources/control_names.h"
#include "resources/dialog_layouts.h"
#include "serial/open_failure_text.h"
#include "serial/port_discovery.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

namespace {

// Selects the entry that equals text (case ignored), or puts text in the edit field.
void ShowComboText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
}

} // namespace

InterfaceDialog::InterfaceDialog(QWidget* parent, const QString& portText,
                                 const QString& baudRateText, const PortDiscoveryRoots& roots)
    : TemplateDialog(InterfaceDialogLayout(), parent),
      portList(Find<QComboBox>(ControlName::kPortCombo)),
      baudRateList(Find<QComboBox>(ControlName::kBaudRateCombo))
{
    // The list must exist before the text, so that a stored rate can select its entry.
    baudRateList->addItems(InterfaceBaudRateEntries());
    ShowComboText(baudRateList, baudRateText);
    ShowComboText(portList, portText);
    // Filled after the text: the port text stays in the edit field whatever the list holds.
    const PortSurvey survey = SurveyPorts(roots);
    for (const QString& name : survey.openable) {
        portList->addItem(name);
        portList->setEditText(portText);
    }
    // The dropped-down list is as wide as its longest name.
    portList->view()->setMinimumWidth(portList->view()->sizeHintForColumn(0) +
                                      portList->view()->frameWidth() * 2);
    Find<QLabel>(ControlName::kUnopenablePortsText)->setText(UnopenablePortsLine(survey));
}

QString InterfaceDialog::PortText() const
{
    return portList->currentText();
}

QString InterfaceDialog::BaudRateText() const
{
    return baudRateList->currentText();
}
