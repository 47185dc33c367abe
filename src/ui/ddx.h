#pragma once

#include <QString>
#include <cstdint>

class CDataExchange;
class CWnd;

// The bindings a DoDataExchange is made of, run in order. Each does nothing once the run has
// failed, so a failure leaves every later member and control as it was.

// Text of control `id` <-> `value` (an edit, label, button caption or combo box's edit text).
void DDX_Text(CDataExchange& dx, int id, QString& value);
// Decimal integer in control `id` <-> `value`. Taking over a text that is not an integer (see
// ParseDecimalInt32) fails the run and keeps `value`.
void DDX_Text(CDataExchange& dx, int id, std::int32_t& value);
// Combo box `id` <-> `value`: shown as the selected entry when an entry equals the text (case
// ignored), otherwise as the edit text; taken over as the combo box's current text.
void DDX_CBString(CDataExchange& dx, int id, QString& value);
// Check state of box `id` <-> `value` (ticked = 1, else 0).
void DDX_Check(CDataExchange& dx, int id, bool& value);
// Attaches `control` to control `id` on the first run of either direction.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);
// Limit of the control the preceding binding used: showing sets it as the edit's length limit,
// taking over fails the run when `value` is longer. A limit below 0 counts as 0.
void DDV_MaxChars(CDataExchange& dx, const QString& value, int maxChars);
