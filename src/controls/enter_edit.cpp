#include "controls/enter_edit.h"

#include "controls/edit_message_names.h"

CEnterEdit::CEnterEdit() : EnterReportingEdit(kSendFieldMessageName) {}
