#include "platform/wake_signal.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

WakeSignal::WakeSignal() : descriptor(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    // Without it no thread could ever be woken; that is not a state to run on.
    if (descriptor < 0)
        std::abort();
}

WakeSignal::~WakeSignal()
{
    ::close(descriptor);
}

void WakeSignal::Signal()
{
    const std::uint64_t one = 1;
    while (::write(descriptor, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WakeSignal::Wait()
{
    pollfd entry{descriptor, POLLIN, 0};
    while (::poll(&entry, 1, -1) < 0 && errno == EINTR) {
    }
    Clear();
}

void WakeSignal::Clear()
{
    std::uint64_t count = 0;
    while (::read(descriptor, &count, sizeof count) < 0 && errno == EINTR) {
    }
}
