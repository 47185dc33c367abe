#pragma once

#include "transponder/reader_step.h"

struct ExchangeContext;

// Asks the reader for the UID ("RUID") and records the answer; good when it is 8 characters
// without an error mark. The caller runs the TimeoutQuery first.
ReaderStep ReadUidRun(ExchangeContext& context);
