#include "resources/string_table.h"

#include "resources/resource_ids.h"

#include <array>
#include <utility>

namespace {

constexpr std::array kStrings = {
    std::pair{ResourceId::kAboutMenuEntryString, u"&Info über Tamblor..."},
};

} // namespace

QString LoadResourceString(int id)
{
    for (const auto& [stringId, text] : kStrings) {
        if (stringId == id)
            return QString::fromUtf16(text);
    }
    return QString();
}
