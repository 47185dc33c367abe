#pragma once

#include "controls/enter_reporting_edit.h"

// The terminal's send field: reports Enter with "UWM_EDIT_COMPLETE-{...}".
class CEnterEdit final : public EnterReportingEdit
{
public:
    CEnterEdit();
};
