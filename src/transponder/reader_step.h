#pragma once

#include "transponder/exchange_result.h"

#include <QString>

// One exchange of an operation as every front end reports it: the command line that went out
// (without its CR), the answer and whether the operation's rule judged it good.
struct ReaderStep
{
    int page = 0; // 1..17 for page commands, 0 for RUID
    QString command;
    ExchangeResult answer;
    bool good = false;
};
