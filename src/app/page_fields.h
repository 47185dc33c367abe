#pragma once

#include "ui/enter_field.h"
#include "transponder/reader_protocol.h"

#include <array>

// The 17 page fields in page order (index 0 is P1).
using PageFields = std::array<EnterField, kPageCount>;
