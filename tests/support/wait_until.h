#pragma once

#include <chrono>
#include <functional>
#include <thread>

// A bound generous enough for a loaded machine running sanitizer builds; only failures wait it out.
inline constexpr std::chrono::milliseconds kGenerousWait{10000};

// Polls condition until it holds or bound passes; returns whether it held.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds bound = kGenerousWait)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return condition();
}
