#pragma once

#include <cstdint>

// Integer types of the dialog framework's message interface: a message id, its first parameter and
// the handler's result.
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LRESULT = std::intptr_t;
