#include "transponder/window_exchange_context.h"

#include "app/ctamblor_dlg.h"

ExchangeContext WindowExchangeContext(CTamblorDlg& dialog)
{
    return {dialog.serialLink, dialog.terminal.outputText, dialog.TimeoutUnit};
}
