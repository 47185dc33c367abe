#pragma once

#include "transponder/display_format.h"

#include <QString>
#include <QTextStream>

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

// The non-empty pages of the file at path, or of stdin when path is "-" (only those whose SelectPn
// is 1 when selectedOnly). Returns nothing, with failure saying why ("cannot open X: No such file
// or directory", "X holds no page data"), when the file cannot be read or holds no [Data] page
// text.
std::optional<PageImage> LoadPageImage(const QString& path, bool selectedOnly, QString& failure);

// Puts pagesHex (16 HEX digits each) into the file's [Data] section as P1..P17 and sets Format to
// 0, keeping every other line; page texts already there in ASCII become HEX, so the whole image
// stays in one format. Creates the file when missing; the old file is replaced in one step. Returns
// an empty text, or why the file could not be written (then it is left as it was).
QString SavePageImage(const QString& path, const std::vector<PageText>& pagesHex);

// The same image as a new settings file's text, written to out. Returns an empty text, or why it
// could not be made.
QString WritePageImage(QTextStream& out, const std::vector<PageText>& pagesHex);
