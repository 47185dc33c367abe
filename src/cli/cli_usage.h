#pragma once

// The text of orvane-cli --help.
extern const char* const kCliUsage;
