#pragma once

#include <chrono>
#include <functional>

// A bound generous enough for a loaded machine running sanitizer builds; only failures wait it out.
inline constexpr std::chrono::milliseconds kGenerousWait{10000};

// Polls condition until it holds or bound passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds bound = kGenerousWait);
