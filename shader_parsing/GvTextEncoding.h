#pragma once
#include <string>

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD. length -1: up to
// the terminator.
std::string GvUtf16ToUtf8(const unsigned short* text, int length = -1);
