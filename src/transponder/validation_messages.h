#pragma once

#include "transponder/display_format.h"

#include <QString>

// The texts of the message boxes that report a page or carrier ID that cannot be written.

// For the page named pageLabel ("P1".."P17") holding text: in ASCII, when text holds a character
// that cannot be sent, a message that says so; otherwise the HEX message asks for 16 hexadecimal
// digits, the ASCII message for 8 characters.
QString PageTextFaultMessage(const QString& pageLabel, const QString& text, DisplayFormat format);

// For a carrier ID text of carrierIdLength bytes: the unsendable-character message as for a page,
// otherwise 2 * length hexadecimal digits in HEX, length characters in ASCII.
QString CarrierIdFaultMessage(int carrierIdLength, const QString& text, DisplayFormat format);
