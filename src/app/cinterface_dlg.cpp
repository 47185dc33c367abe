#include "app/cinterface_dlg.h"

#include "ui/ddx.h"
#include "resources/interface_dialog_ids.h"
#include "resources/interface_dialog_template.h"
#include "serial/open_failure_text.h"
#include "serial/port_discovery.h"

CInterfaceDlg::CInterfaceDlg(QWidget* parent, PortDiscoveryRoots roots)
    : CDialogEx(InterfaceDialogTemplate(), parent), discoveryRoots(std::move(roots))
{
}

void CInterfaceDlg::DoDataExchange(CDataExchange& dx)
{
    CDialogEx::DoDataExchange(dx);
    DDX_CBString(dx, InterfaceDialogId::kBaudRateCombo, baudRateText);
    DDX_CBString(dx, InterfaceDialogId::kPortCombo, portText);
    DDX_Control(dx, InterfaceDialogId::kPortCombo, portList);
}

bool CInterfaceDlg::OnInitDialog()
{
    // The list must exist before the transfer, so that a stored rate can select its entry.
    FillBaudRateList();
    CDialogEx::OnInitDialog();
    // Built after the transfer: the port text stays in the edit field whatever the list holds.
    SurveyPortList();
    return true;
}

void CInterfaceDlg::FillBaudRateList()
{
    CComboBox baudRateList;
    if (!baudRateList.Attach(GetDlgItem(InterfaceDialogId::kBaudRateCombo),
                             InterfaceDialogId::kBaudRateCombo))
        return;
    for (const QString& entry : InterfaceBaudRateEntries())
        baudRateList.AddString(entry);
}

void CInterfaceDlg::SurveyPortList()
{
    const PortSurvey survey = SurveyPorts(discoveryRoots);
    for (const QString& name : survey.openable)
        portList.AddString(name);
    portList.FitDroppedWidth();
    CWnd line;
    if (line.Attach(GetDlgItem(InterfaceDialogId::kUnopenablePortsText),
                    InterfaceDialogId::kUnopenablePortsText))
        line.SetWindowText(UnopenablePortsLine(survey));
}
