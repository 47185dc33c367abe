#include "ui/message_map.h"

#include "ui/notification_codes.h"

namespace {

template <typename Map, typename Key>
const typename Map::mapped_type* Lookup(const Map& map, const Key& key)
{
    const auto found = map.constFind(key);
    return found == map.cend() ? nullptr : &found.value();
}

} // namespace

void MessageMap::OnCommand(int id, CommandHandler handler)
{
    OnNotification(BN_CLICKED, id, std::move(handler));
}

void MessageMap::OnNotification(int code, int id, CommandHandler handler)
{
    notifications.insert({code, id}, std::move(handler));
}

void MessageMap::OnDeltaPos(int id, DeltaPosHandler handler)
{
    deltaPos.insert(id, std::move(handler));
}

void MessageMap::OnSysCommand(SysCommandHandler handler)
{
    sysCommand = std::move(handler);
}

void MessageMap::OnClose(CommandHandler handler)
{
    close = std::move(handler);
}

void MessageMap::OnDestroy(CommandHandler handler)
{
    destroy = std::move(handler);
}

const MessageMap::CommandHandler* MessageMap::FindNotification(int code, int id) const
{
    return Lookup(notifications, std::pair{code, id});
}

const MessageMap::DeltaPosHandler* MessageMap::FindDeltaPos(int id) const
{
    return Lookup(deltaPos, id);
}

const MessageMap::SysCommandHandler* MessageMap::FindSysCommand() const
{
    return sysCommand ? &*sysCommand : nullptr;
}

const MessageMap::CommandHandler* MessageMap::FindClose() const
{
    return close ? &*close : nullptr;
}

const MessageMap::CommandHandler* MessageMap::FindDestroy() const
{
    return destroy ? &*destroy : nullptr;
}
