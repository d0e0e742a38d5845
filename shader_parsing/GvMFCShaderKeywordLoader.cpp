#include "GvShaderParsing.h"

#include <climits>
#include <cstring>
#include "GvStringFunctions.h"

typedef GvMFCShaderSyntaxParser Parser;
typedef GvMFCShaderKeywordLoader Loader;

namespace {

const long kMaxFileBytes = 256L * 1024 * 1024;
// A range or matrix group may name at most this many words.
const long long kMaxGroupWords = 65536;
const unsigned int kWordRest = (1u << Parser::CHAR_WORD) | (1u << Parser::CHAR_DIGIT);
const unsigned int kOperatorRest = 1u << Parser::CHAR_OPERATOR;
const unsigned int kDigitRest = 1u << Parser::CHAR_DIGIT;

std::FILE* OpenForReading(const unsigned short* path)
{
#ifdef _WIN32
    return _wfopen(reinterpret_cast<const wchar_t*>(path), L"rb");
#else
    return std::fopen(GvUtf16ToUtf8(path).c_str(), "rb");
#endif
}

bool IsBlank(unsigned short c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A decimal number with an optional sign, as %d reads it (leading blanks
// skipped); clamped to the int range. Returns the position behind it, or
// null when there is no digit.
const unsigned short* ReadGroupNumber(const unsigned short* p, long long& value)
{
    while (IsBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (*p < '0' || *p > '9')
        return nullptr;
    value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value <= INT_MAX)
            value = value * 10 + (*p - '0');
    if (value > INT_MAX)
        value = INT_MAX;
    if (negative)
        value = -value;
    return p;
}

// Reads "<first><separator><second>" as %d<separator>%d does.
bool ReadNumberPair(const unsigned short* p, const char* separator, long long& first, long long& second)
{
    p = ReadGroupNumber(p, first);
    if (!p)
        return false;
    for (; *separator; ++separator, ++p)
        if (*p != static_cast<unsigned char>(*separator))
            return false;
    return ReadGroupNumber(p, second) != nullptr;
}

// Appends the decimal form of value to word at length; returns the new length.
int AppendNumber(unsigned short* word, int length, long long value)
{
    char digits[24];
    const int n = std::snprintf(digits, sizeof(digits), "%lld", value);
    for (int i = 0; i < n; ++i)
        word[length++] = static_cast<unsigned short>(digits[i]);
    word[length] = 0;
    return length;
}

bool IsKeyword(const unsigned short* token, const char16_t* keyword)
{
    return GvStrCmpW(token, GvW(keyword), -1) == 0;
}

} // namespace

Loader::GvMFCShaderKeywordLoader()
    : m_buffer(nullptr), m_offset(0), m_size(0), m_parser(nullptr), m_commentColor(0x0000FF00),
      m_foregroundColor(0x00000000), m_backgroundColor(0x00FFFFFF), m_highlightColor(0x00FF0000)
{
    GvFillShaderCharClassTable(m_charClass);
}

Loader::GvMFCShaderKeywordLoader(const GvMFCShaderKeywordLoader& other) : m_buffer(nullptr)
{
    CopyFrom(other);
}

Loader& Loader::operator=(const GvMFCShaderKeywordLoader& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

Loader::~GvMFCShaderKeywordLoader()
{
    DestroyBuffer();
}

void Loader::CopyFrom(const GvMFCShaderKeywordLoader& other)
{
    DestroyBuffer();
    std::memcpy(m_charClass, other.m_charClass, sizeof(m_charClass));
    if (other.m_buffer) {
        const size_t bytes = sizeof(unsigned short) * (static_cast<size_t>(other.m_size) + 1);
        m_buffer = static_cast<unsigned short*>(GvAllocateBuffer(bytes));
        if (!m_buffer)
            throw std::bad_alloc();
        std::memcpy(m_buffer, other.m_buffer, bytes);
    }
    m_offset = other.m_offset;
    m_size = other.m_size;
    m_parser = other.m_parser;
    m_commentColor = other.m_commentColor;
    m_foregroundColor = other.m_foregroundColor;
    m_backgroundColor = other.m_backgroundColor;
    m_highlightColor = other.m_highlightColor;
}

bool Loader::Load(const unsigned short* path, GvMFCShaderSyntaxParser* parser)
{
    if (!path || !parser)
        return false;
    m_parser = parser;
    std::FILE* file = OpenForReading(path);
    if (!file)
        return false;
    const bool read = CreateBuffer(file);
    std::fclose(file);
    if (!read)
        return false;

    bool ok = true;
    unsigned short word[TOKEN_CAPACITY];
    for (;;) {
        SkipWhiteSpace();
        if (IsEndReached())
            break;
        if (!GetNextWord(word, true)) {
            ok = false;
            break;
        }
        if (IsKeyword(word, u"Keywords"))
            ok = ParseKeywordSection();
        else if (IsKeyword(word, u"Color"))
            ok = ParseColorSection();
        if (!ok)
            break;
    }
    DestroyBuffer();
    parser->m_commentColor = m_commentColor;
    parser->m_foregroundColor = m_foregroundColor;
    parser->m_backgroundColor = m_backgroundColor;
    parser->m_highlightColor = m_highlightColor;
    return ok;
}

// A file that opens but cannot be sized or read in full (a directory, an I/O
// error) fails here, and Load treats it like a file that did not open.
bool Loader::CreateBuffer(std::FILE* file)
{
    DestroyBuffer();
    if (std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file);
    if (size < 0 || size > kMaxFileBytes || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    char* bytes = static_cast<char*>(GvAllocateBuffer(static_cast<size_t>(size) + 1));
    if (!bytes)
        return false;
    const size_t got = std::fread(bytes, 1, static_cast<size_t>(size), file);
    const bool complete = got == static_cast<size_t>(size) && (std::fgetc(file), !std::ferror(file));
    if (complete) {
        bytes[size] = 0;
        m_buffer =
            static_cast<unsigned short*>(GvAllocateBuffer(sizeof(unsigned short) * (static_cast<size_t>(size) + 1)));
    }
    if (m_buffer) {
        GvStrAtoW(m_buffer, bytes, -1);
        m_size = GvStrLenW(m_buffer);
        m_offset = 0;
    }
    GvDeallocateBuffer(bytes);
    return m_buffer != nullptr;
}

void Loader::DestroyBuffer()
{
    GvDeallocateBuffer(m_buffer);
    m_buffer = nullptr;
    m_offset = 0;
    m_size = 0;
}

void Loader::MoveOffset(int delta)
{
    const long long offset = static_cast<long long>(m_offset) + delta;
    m_offset = offset < 0 ? 0 : offset > m_size ? m_size : static_cast<int>(offset);
}

void Loader::AdvanceOffset()
{
    MoveOffset(1);
}

int Loader::GetNextChar(bool advance)
{
    if (IsEndReached())
        return -1;
    const int c = m_buffer[m_offset];
    if (advance)
        AdvanceOffset();
    return c;
}

bool Loader::IsEndReached() const
{
    return m_offset >= m_size;
}

void Loader::SkipWhiteSpace()
{
    for (;;) {
        while (!IsEndReached() && m_charClass[m_buffer[m_offset]] == Parser::CHAR_SPACE)
            AdvanceOffset();
        if (m_offset + 1 >= m_size || m_buffer[m_offset] != '/' || m_buffer[m_offset + 1] != '/')
            return;
        while (!IsEndReached() && GetNextChar(true) != '\n') {
        }
    }
}

// A token starting with a unit of class firstClass and going on with units
// whose class bit is in restMask. Fails (leaving the position at the token)
// when there is none or when it does not fit the token buffer.
bool Loader::GetNextRun(unsigned short* token, int firstClass, unsigned int restMask, bool advance)
{
    SkipWhiteSpace();
    if (IsEndReached() || m_charClass[m_buffer[m_offset]] != static_cast<unsigned int>(firstClass))
        return false;
    int end = m_offset + 1;
    while (end < m_size && (restMask >> m_charClass[m_buffer[end]] & 1u))
        ++end;
    const int length = end - m_offset;
    if (length > TOKEN_CAPACITY - 1)
        return false;
    std::memcpy(token, m_buffer + m_offset, sizeof(unsigned short) * static_cast<size_t>(length));
    token[length] = 0;
    if (advance)
        MoveOffset(length);
    return true;
}

bool Loader::GetNextWord(unsigned short* word, bool advance)
{
    return GetNextRun(word, Parser::CHAR_WORD, kWordRest, advance);
}

bool Loader::IsNextRun(const unsigned short* text, int firstClass, unsigned int restMask, bool advance)
{
    unsigned short token[TOKEN_CAPACITY];
    if (!GetNextRun(token, firstClass, restMask, false) || GvStrCmpW(token, text, -1) != 0)
        return false;
    if (advance)
        MoveOffset(GvStrLenW(token));
    return true;
}

bool Loader::IsNextWord(const unsigned short* word, bool advance)
{
    return IsNextRun(word, Parser::CHAR_WORD, kWordRest, advance);
}

bool Loader::GetNextOperator(unsigned short* op, bool advance)
{
    return GetNextRun(op, Parser::CHAR_OPERATOR, kOperatorRest, advance);
}

bool Loader::IsNextOperator(const unsigned short* op, bool advance)
{
    return IsNextRun(op, Parser::CHAR_OPERATOR, kOperatorRest, advance);
}

bool Loader::GetNextInteger(int& value, bool advance)
{
    unsigned short token[TOKEN_CAPACITY];
    if (!GetNextRun(token, Parser::CHAR_DIGIT, kDigitRest, advance))
        return false;
    value = static_cast<int>(GvStrToLongW(token, nullptr, 10));
    return true;
}

bool Loader::ReadIntValue(int& value)
{
    return GetNextInteger(value, true);
}

bool Loader::ReadColorValue(unsigned int& color)
{
    int red = 0, green = 0, blue = 0;
    if (!IsNextOperator(GvW(u"("), true) || !ReadIntValue(red) || !IsNextOperator(GvW(u","), true)
        || !ReadIntValue(green) || !IsNextOperator(GvW(u","), true) || !ReadIntValue(blue)
        || !IsNextOperator(GvW(u")"), true))
        return false;
    color =
        static_cast<unsigned int>(red) | static_cast<unsigned int>(green) << 8 | static_cast<unsigned int>(blue) << 16;
    return true;
}

bool Loader::ReadStringValue(unsigned short* text)
{
    SkipWhiteSpace();
    if (GetNextChar(false) != '"')
        return false;
    const int begin = m_offset + 1;
    int end = begin;
    while (end < m_size && m_buffer[end] != '"')
        ++end;
    const int length = end - begin;
    if (end >= m_size || length > STRING_CAPACITY - 1)
        return false;
    std::memcpy(text, m_buffer + begin, sizeof(unsigned short) * static_cast<size_t>(length));
    text[length] = 0;
    MoveOffset(length + 2);
    return true;
}

bool Loader::ParseColorSection()
{
    if (!IsNextOperator(GvW(u"{"), true))
        return false;
    unsigned short key[TOKEN_CAPACITY];
    for (;;) {
        if (IsNextOperator(GvW(u"}"), true))
            return true;
        if (!GetNextWord(key, true))
            return false;
        unsigned int* target = IsKeyword(key, u"Comment")      ? &m_commentColor
                               : IsKeyword(key, u"Foreground") ? &m_foregroundColor
                               : IsKeyword(key, u"Background") ? &m_backgroundColor
                               : IsKeyword(key, u"Highlight")  ? &m_highlightColor
                                                               : nullptr;
        unsigned int color = 0;
        if (!target || !IsNextOperator(GvW(u":"), true) || !ReadColorValue(color))
            return false;
        *target = color;
    }
}

bool Loader::ParseKeywordSection()
{
    unsigned short text[STRING_CAPACITY];
    if (!IsNextOperator(GvW(u":"), true) || !ReadStringValue(text))
        return false;
    Parser::KeywordCategory* category = m_parser->AddKeywordCategory(text, false);
    unsigned int color = 0;
    if (!IsNextOperator(GvW(u"{"), true) || !IsNextWord(GvW(u"Color"), true) || !IsNextOperator(GvW(u":"), true)
        || !ReadColorValue(color))
        return false;
    category->m_color = color;
    if (!IsNextWord(GvW(u"Word"), true) || !IsNextOperator(GvW(u":"), true))
        return false;
    for (;;) {
        SkipWhiteSpace();
        if (GetNextChar(false) != '"')
            break;
        if (!ReadStringValue(text))
            return false;
        AddKeyworsFromString(category, category->m_color, text);
    }
    return IsNextOperator(GvW(u"}"), true);
}

bool Loader::AddKeyworsFromString(Parser::KeywordCategory* category, unsigned int, const unsigned short* keywordText)
{
    int brace = 0;
    while (keywordText[brace] && keywordText[brace] != '{')
        ++brace;
    if (!keywordText[brace]) {
        category->AddKeyword(keywordText);
        return true;
    }
    // The group: everything from the first brace on, without any brace.
    unsigned short group[STRING_CAPACITY];
    int groupLength = 0;
    bool closed = false;
    for (const unsigned short* p = keywordText + brace; *p; ++p) {
        if (*p == '}')
            closed = true;
        else if (*p != '{')
            group[groupLength++] = *p;
    }
    group[groupLength] = 0;
    if (!closed)
        return false;

    const unsigned short* type = group;
    while (IsBlank(*type))
        ++type;
    const unsigned short* args = type;
    while (*args && !IsBlank(*args))
        ++args;
    const int typeLength = static_cast<int>(args - type);
    auto isType = [&](const char16_t* name) {
        return GvStrLenW(GvW(name)) == typeLength && GvStrCmpW(type, GvW(name), typeLength) == 0;
    };

    // Room for the base, a suffix of the group and two numbers.
    unsigned short word[2 * STRING_CAPACITY + 32];
    std::memcpy(word, keywordText, sizeof(unsigned short) * static_cast<size_t>(brace));
    word[brace] = 0;

    if (isType(u"range") || isType(u"opt_range")) {
        long long first = 0, last = 0;
        if (!ReadNumberPair(args, "..", first, last) || last - first + 1 > kMaxGroupWords)
            return false;
        if (isType(u"opt_range"))
            category->AddKeyword(word);
        for (long long n = first; n <= last; ++n) {
            AppendNumber(word, brace, n);
            category->AddKeyword(word);
        }
        return true;
    }
    if (isType(u"matrix")) {
        long long rows = 0, columns = 0;
        if (!ReadNumberPair(args, "x", rows, columns) || (rows > 0 && columns > 0 && rows * columns > kMaxGroupWords))
            return false;
        // No row has a word when there are no columns: the rows are not
        // counted through (there may be two billion of them).
        if (columns < 1)
            return true;
        for (long long row = 1; row <= rows; ++row) {
            for (long long column = 1; column <= columns; ++column) {
                const int length = AppendNumber(word, brace, row);
                word[length] = 'x';
                AppendNumber(word, length + 1, column);
                category->AddKeyword(word);
            }
        }
        return true;
    }
    if (isType(u"modifier")) {
        category->AddKeyword(word);
        const unsigned short* p = args;
        for (;;) {
            while (IsBlank(*p) || *p == ',')
                ++p;
            if (!*p)
                return true;
            int length = brace;
            while (*p && !IsBlank(*p) && *p != ',')
                word[length++] = *p++;
            word[length] = 0;
            category->AddKeyword(word);
        }
    }
    return false;
}
