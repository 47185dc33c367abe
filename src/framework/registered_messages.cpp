#include "framework/registered_messages.h"

#include <QHash>
#include <mutex>

namespace {

struct Registry
{
    std::mutex mutex;
    QHash<QString, UINT> ids; // key: the name folded to lower case
    UINT next = kFirstRegisteredMessage;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

UINT RegisterWindowMessage(const QString& name)
{
    if (name.isEmpty())
        return 0;
    const QString key = name.toCaseFolded();
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.ids.constFind(key);
    if (found != registry.ids.cend())
        return found.value();
    if (registry.next > kLastRegisteredMessage)
        return 0;
    const UINT id = registry.next++;
    registry.ids.insert(key, id);
    return id;
}
