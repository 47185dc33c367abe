#include "cli/page_list.h"

#include <QStringList>

namespace {

std::optional<int> ParsePage(const QString& text)
{
    bool ok = false;
    const int page = text.toInt(&ok);
    if (!ok || page < 1 || page > kPageCount || text.startsWith(u'+'))
        return std::nullopt;
    return page;
}

} // namespace

std::optional<PageSelection> ParsePageList(const QString& text)
{
    PageSelection selection{};
    if (text.compare(QLatin1StringView("all"), Qt::CaseInsensitive) == 0) {
        selection.fill(true);
        return selection;
    }
    for (const QString& item : text.split(u',')) {
        const QStringList ends = item.split(u'-');
        if (ends.size() > 2)
            return std::nullopt;
        const std::optional<int> first = ParsePage(ends.front());
        const std::optional<int> last = ParsePage(ends.back());
        if (!first || !last || *first > *last)
            return std::nullopt;
        for (int page = *first; page <= *last; ++page)
            selection[page - 1] = true;
    }
    return selection;
}
