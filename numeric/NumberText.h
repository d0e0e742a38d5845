#pragma once
#include "GvString.h"

// The text a numeric edit shows for its value, and the decisions of its
// character filter. Portable: the edit control calls these with its fields.

// Precision used for formatting is limited to this range; a negative
// precision formats like 0.
enum
{
    GvNumberTextMaxPrecision = 40
};

// True when the scientific form applies (scientific display allowed): beyond
// +-10000 or nonzero within +-0.00001, all strict, in single precision.
bool GvNumberNeedsScientificForm(float value);

// "%.<precision>f", or "%.<precision>e" when scientificDisplay is set and the
// value needs it.
GvStringW GvNumberToText(float value, int precision, bool scientificDisplay);

// Nearest integer, halves away from zero; saturates at the 32-bit limits and
// gives 0 for NaN.
int GvRoundHalfAwayFromZero(float value);

// Text of one of the three display forms: the integer form when
// integerDisplay is set, else GvNumberToText.
GvStringW GvNumberDisplayText(float value, int precision, bool scientificDisplay, bool integerDisplay);

// The filter's first steps, without the text: control characters and digits
// always; '-' with negatives allowed; '.' and ',' with a precision above 0.
bool GvIsNumberCharAllowed(unsigned int ch, int precision, bool allowNegative);

// The whole filter: an allowed character is refused when it would be a
// second decimal separator or a second minus sign among the characters that
// lie outside the selection [selStart, selEnd) of text.
bool GvIsNumberCharAccepted(unsigned int ch, const unsigned short* text, int selStart, int selEnd, int precision,
                            bool allowNegative);

// Moves the first '-' of text to the front. Returns false (text unchanged)
// when there is no '-'.
bool GvMoveMinusToFront(GvStringW& text);
