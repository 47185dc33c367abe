#pragma once

#include "transponder/display_format.h"

#include <QString>

// The texts of the message boxes that report a page or carrier ID that cannot be written.

// For the page named pageLabel ("P1".."P17"): the HEX message asks for 16 hexadecimal digits,
// the ASCII message for 8 characters.
QString PageTextFaultMessage(const QString& pageLabel, DisplayFormat format);

// For a carrier ID of carrierIdLength bytes: 2 * length hexadecimal digits in HEX, length
// characters in ASCII (the length is what the message names in both).
QString CarrierIdFaultMessage(int carrierIdLength, DisplayFormat format);
