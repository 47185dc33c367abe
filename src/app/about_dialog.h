#pragma once

#include "resources/dialog_layouts.h"
#include "ui/template_dialog.h"

// The About box: the About picture and nothing to confirm; it closes with its close box or Escape,
// not with Enter.
class AboutDialog final : public TemplateDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent) : TemplateDialog(AboutDialogLayout(), parent) {}

public slots:
    void accept() override {}
};
