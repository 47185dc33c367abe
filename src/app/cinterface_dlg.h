#pragma once

#include "ui/ccombo_box.h"
#include "ui/cdialog_ex.h"
#include "serial/port_discovery_roots.h"

// The Interface dialog: the operator picks or types the port and the baud rate. It offers the
// fixed baud-rate list and the ports that open at the moment it is shown, and says below which
// serial devices are there but do not open, and why; OK takes both combo boxes' texts as they
// stand, Cancel takes nothing.
class CInterfaceDlg : public CDialogEx
{
public:
    // `roots` says where the port list is looked for; the default is the system's.
    explicit CInterfaceDlg(QWidget* parent = nullptr, PortDiscoveryRoots roots = {});

    QString baudRateText;
    QString portText;
    CComboBox portList;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    // Fills the baud-rate list, shows both texts, then lists the ports that open and tells of
    // those that do not.
    bool OnInitDialog() override;

private:
    void FillBaudRateList();
    void SurveyPortList();

    PortDiscoveryRoots discoveryRoots;
};
