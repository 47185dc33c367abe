#pragma once

#include "transponder/display_format.h"

#include <QString>

// Fault counting behind the window's page and carrier ID validation. Each returns the number of
// faults (0 means the text can be sent) and, in HEX, leaves the text with "a".."f" upper-cased.

// A page text: in HEX one fault per character that is not a hexadecimal digit plus one when the
// length is not 16; in ASCII one fault when the length is not 8 plus one per character above
// U+00FF, which cannot be one byte of a page.
int CountPageTextFaults(QString& text, DisplayFormat format);

// A carrier ID of carrierIdLength bytes: the same rules with 2 * carrierIdLength digits in HEX and
// carrierIdLength characters in ASCII. A length below 1 makes any text a length fault.
int CountCarrierIdFaults(QString& text, DisplayFormat format, int carrierIdLength);

// True in ASCII when text holds a character above U+00FF, which cannot be one byte on the wire.
bool HoldsUnsendableCharacter(const QString& text, DisplayFormat format);

// The texts of the message boxes that report a page or carrier ID that cannot be written.

// For the page named pageLabel ("P1".."P17") holding text: in ASCII, when text holds a character
// that cannot be sent, a message that says so; otherwise the HEX message asks for 16 hexadecimal
// digits, the ASCII message for 8 characters.
QString PageTextFaultMessage(const QString& pageLabel, const QString& text, DisplayFormat format);

// For a carrier ID text of carrierIdLength bytes: the unsendable-character message as for a page,
// otherwise 2 * length hexadecimal digits in HEX, length characters in ASCII.
QString CarrierIdFaultMessage(int carrierIdLength, const QString& text, DisplayFormat format);
