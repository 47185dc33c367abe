#pragma once

#include "cli/cli_request.h"
#include "cli/page_image_file.h"

#include <QString>

#include <vector>

// The pages a write sends, each checked as the window checks a page field before anything goes
// out: from the Pn=DATA arguments in the request's format, or from the --from file in its own.
struct WriteData
{
    std::vector<PageText> pagesHex; // page order, 16 upper-case HEX digits each
    QString error;                  // one line; nothing may be sent when set
};

WriteData PrepareWriteData(const CliRequest& request);

// The carrier ID of a carrier-id --write in HEX, checked as the window checks its field against
// the format and the length: the text, or an error line.
struct CarrierIdData
{
    QString hex;
    QString error;
};

CarrierIdData PrepareCarrierIdData(const QString& text, DisplayFormat format, int length);
