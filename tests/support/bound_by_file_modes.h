#pragma once

#include <functional>

// Runs body on a thread of its own that file modes bind even when the tests run as root: the
// thread gives up the capabilities that override them (the rest of the process keeps them).
void RunBoundByFileModes(const std::function<void()>& body);
