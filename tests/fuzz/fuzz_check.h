#pragma once

#include <QtGlobal>

// Stops the fuzzer with a crash report when a property of the code under test does not hold.
// Works in every build type, unlike assert.
inline void Require(bool holds, const char* property)
{
    if (!holds)
        qFatal("Property broken: %s", property);
}
