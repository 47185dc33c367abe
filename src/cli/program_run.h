#pragma once

#include "cli/cli_request.h"
#include "cli/page_image_file.h"

#include <QTextStream>

#include <vector>

struct SerialLink;

// `orvane-cli program` on an open link: tag after tag, waits for a transponder in the field,
// passes over one the log already holds as programmed (unless request.again), writes pagesHex,
// reads them back with request.verify, locks request.lockPages when asked, appends one line per
// tag to the log, prints one line per tag to out and waits for the tag to leave. Ends after
// request.count tags, at once on a stop signal between tags and after the page in flight within
// one. A log that cannot be opened or written stops the run before anything more is sent.
// Returns the exit status: 0 when every tag was programmed, 1 when one failed or the log failed,
// 2 when the log cannot be opened, 128 + the signal when stopped.
int RunProgram(SerialLink& link, const CliRequest& request, const std::vector<PageText>& pagesHex,
               QTextStream& out, QTextStream& err);
