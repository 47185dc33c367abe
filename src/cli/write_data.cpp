#include "cli/write_data.h"

#include "transponder/page_row_table.h"
#include "transponder/page_text_validation.h"

#include <algorithm>

namespace {

// "P3=0123..." as a page text; nothing when it does not name a page 1..17.
std::optional<PageText> ParseAssignment(const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QString label = assignment.first(equals).toUpper();
    for (const PageRowConstants& row : kPageRows) {
        if (label == row.pageLabel)
            return PageText{row.page, assignment.sliced(equals + 1)};
    }
    return std::nullopt;
}

} // namespace

WriteData PrepareWriteData(const CliRequest& request)
{
    WriteData data;
    PageImage image{request.format, {}};
    if (!request.fromFile.isEmpty()) {
        if (!request.assignments.isEmpty()) {
            data.error = QStringLiteral("give either --from or Pn=DATA, not both");
            return data;
        }
        const std::optional<PageImage> loaded =
            LoadPageImage(request.fromFile, request.selectedOnly, data.error);
        if (!loaded)
            return data;
        image = *loaded;
    }
    for (const QString& assignment : request.assignments) {
        const std::optional<PageText> page = ParseAssignment(assignment);
        if (!page) {
            data.error = QStringLiteral("\"%1\" is not Pn=DATA with n from 1 to 17").arg(assignment);
            return data;
        }
        image.pages.push_back(*page);
    }
    std::stable_sort(image.pages.begin(), image.pages.end(),
                     [](const PageText& a, const PageText& b) { return a.page < b.page; });
    for (PageText& page : image.pages) {
        const QString label = kPageRows[page.page - 1].pageLabel;
        if (!data.pagesHex.empty() && data.pagesHex.back().page == page.page) {
            data.error = QStringLiteral("%1 is given twice").arg(label);
            return data;
        }
        if (CountPageTextFaults(page.text, image.format) > 0) {
            data.error = PageTextFaultMessage(label, page.text, image.format);
            return data;
        }
        data.pagesHex.push_back({page.page, HexFormOf(page.text, image.format)});
    }
    if (data.pagesHex.empty())
        data.error = QStringLiteral("no page to write");
    return data;
}

CarrierIdData PrepareCarrierIdData(const QString& text, DisplayFormat format, int length)
{
    QString checked = text;
    if (CountCarrierIdFaults(checked, format, length) > 0)
        return {{}, CarrierIdFaultMessage(length, text, format)};
    return {HexFormOf(checked, format), {}};
}
