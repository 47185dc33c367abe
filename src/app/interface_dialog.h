#pragma once

#include "serial/port_discovery_roots.h"
#include "ui/template_dialog.h"

class QComboBox;

// The Interface dialog: the operator picks or types the port and the baud rate. It offers the
// fixed baud-rate list and the ports that open at the moment it is made, and says below which
// serial devices are there but do not open, and why. After OK, PortText and BaudRateText are the
// combo boxes' texts as they stand.
class InterfaceDialog final : public TemplateDialog
{
    Q_OBJECT
public:
    // `roots` says where the port list is looked for; the default is the system's.
    InterfaceDialog(QWidget* parent, const QString& portText, const QString& baudRateText,
                    const PortDiscoveryRoots& roots = {});

    QString PortText() const;
    QString BaudRateText() const;

private:
    QComboBox* portList;
    QComboBox* baudRateList;
};
