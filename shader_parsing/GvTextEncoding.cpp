#include <climits>
#include "GvShaderParsing.h"
#include "GvStringFunctions.h"

int GvConvertUtf16ToUtf8(const unsigned short* text, int length, char* out, int capacity)
{
    if (!text)
        return 0;
    if (length < 0)
        length = GvStrLenW(text);
    long long size = 0;
    auto put = [&](unsigned long byte) {
        if (size < capacity)
            out[size] = static_cast<char>(byte);
        ++size;
    };
    for (int i = 0; i < length; ++i) {
        unsigned long c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return size > INT_MAX ? -1 : static_cast<int>(size);
}
