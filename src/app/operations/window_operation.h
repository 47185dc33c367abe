#pragma once

#include "app/operations/operation_frame.h"

class COrvaneDlg;

// Runs an operation of the main window in the common frame, with the window's link and timeout
// unit. The run's terminal records collect in a text of their own and become the terminal output
// text when the busy flag is cleared, before steps.afterBusyCleared, which shows them. While the
// run lasts the output text stays empty, so showing the members after each page does not lay out
// a growing terminal again; the window is blocked until the end, so the terminal looks the same.
void RunWindowOperation(COrvaneDlg& dialog, const OperationSteps& steps);

// Shows the members again so that a reading run's records reach the terminal; without a port the
// window is left as it was.
void ShowRecordsAfterARun(COrvaneDlg& dialog);
