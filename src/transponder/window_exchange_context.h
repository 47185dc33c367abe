#pragma once

#include "transponder/exchange_context.h"

class CTamblorDlg;

// The main window's link, terminal output text and timeout unit, as its operations' exchanges
// use them.
ExchangeContext WindowExchangeContext(CTamblorDlg& dialog);
