#pragma once

#include "transponder/display_format.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// A transponder image in a settings file's [Data] section, in the tool's own Orvane.ini format:
// the page texts P1..P17 in the file's Format (HEX or ASCII) and their SelectPn flags.

struct PageText
{
    int page = 0; // 1..17
    QString text; // in the file's or the command line's format
};

struct PageImage
{
    DisplayFormat format = DisplayFormat::Hex;
    std::vector<PageText> pages; // non-empty pages in page order
};

// The non-empty pages of the file at path (only those whose SelectPn is 1 when selectedOnly).
// Returns nothing when the file does not exist or holds no [Data] page text at all.
std::optional<PageImage> LoadPageImage(const QString& path, bool selectedOnly);

// Puts pagesHex (16 HEX digits each) into the file's [Data] section as P1..P17 and sets Format to
// 0, keeping every other line; page texts already there in ASCII become HEX, so the whole image
// stays in one format. Creates the file when missing. Returns false, leaving the file as it was,
// when it cannot be written.
bool SavePageImage(const QString& path, const std::vector<PageText>& pagesHex);
