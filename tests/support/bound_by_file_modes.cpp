#include "support/bound_by_file_modes.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

void RunBoundByFileModes(const std::function<void()>& body)
{
    std::thread([&body] {
        // Capabilities belong to a thread, so only this one loses them.
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
        ASSERT_EQ(::syscall(SYS_capget, &header, data), 0);
        const unsigned overrides =
            1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER;
        data[0].effective &= ~overrides;
        data[0].permitted &= ~overrides;
        ASSERT_EQ(::syscall(SYS_capset, &header, data), 0);
        body();
    }).join();
}
