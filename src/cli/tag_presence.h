#pragma once

#include <QString>

#include <functional>
#include <optional>

struct SerialLink;

// Watches the reader's field for a transponder by asking for its UID ("RUID") about every 200 ms,
// after one TOR per wait, as the window's UID operation does. Each wait ends early, with nothing
// more sent, once a stop was requested.
class TagPresence
{
public:
    explicit TagPresence(SerialLink& link) : link(link) {}

    // Waits until a good UID answers and returns it; nothing when a stop came first.
    std::optional<QString> WaitForTag();

    // Waits until uid no longer answers: no tag, another UID or a bad answer. Returns false when a
    // stop came first.
    bool WaitUntilGone(const QString& uid);

private:
    struct PollEnd
    {
        bool stopped = false;
        std::optional<QString> uid; // the UID read last; nothing when no good UID answered
    };

    // Asks for the UID every poll period until done(UID read) holds, or a stop came.
    PollEnd PollUntil(const std::function<bool(const std::optional<QString>& uid)>& done);

    SerialLink& link;
};
