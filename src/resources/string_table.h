#pragma once

#include <QString>

// Returns the text of string resource `id`, or "" when there is no such string.
QString LoadResourceString(int id);
