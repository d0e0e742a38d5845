#include "GvPath.h"

#include <cstdio>
#include <string>
#include <vector>

#include "GvStringFunctions.h"

namespace {

typedef std::u16string Text;

Text g_baseDirectory;

bool IsSeparator(char16_t c)
{
    return c == u'/' || c == u'\\';
}
bool IsLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

enum RootKind
{
    ROOT_NONE,
    ROOT_SLASH,
    ROOT_DRIVE,
    ROOT_SHARE
};

// A path split into its root and its names, "." and ".." resolved (a ".."
// that would climb above the root is dropped; in a relative path leading
// ".." stay).
struct ParsedPath
{
    RootKind m_kind = ROOT_NONE;
    Text m_root; // "C:", "\\server\share" (without the trailing separator) or empty
    std::vector<Text> m_names;
    char16_t m_separator = u'/';
};

ParsedPath Parse(const Text& path)
{
    ParsedPath parsed;
    for (char16_t c : path)
        if (IsSeparator(c)) {
            parsed.m_separator = c;
            break;
        }
    size_t i = 0;
    if (path.size() >= 3 && IsLetter(path[0]) && path[1] == u':' && IsSeparator(path[2])) {
        parsed.m_kind = ROOT_DRIVE;
        parsed.m_root = path.substr(0, 2);
        i = 3;
    } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\server\share: the first two names belong to the root.
        parsed.m_kind = ROOT_SHARE;
        i = 2;
        for (int part = 0; part < 2; ++part) {
            const size_t start = i;
            while (i < path.size() && !IsSeparator(path[i]))
                ++i;
            parsed.m_root += Text(1, parsed.m_separator) + path.substr(start, i - start);
            if (i < path.size())
                ++i;
        }
        parsed.m_root = Text(1, parsed.m_separator) + parsed.m_root;
    } else if (!path.empty() && IsSeparator(path[0])) {
        parsed.m_kind = ROOT_SLASH;
        i = 1;
    }
    while (i < path.size()) {
        const size_t start = i;
        while (i < path.size() && !IsSeparator(path[i]))
            ++i;
        const Text name = path.substr(start, i - start);
        ++i;
        if (name.empty() || name == u".")
            continue;
        if (name == u"..") {
            if (!parsed.m_names.empty() && parsed.m_names.back() != u"..")
                parsed.m_names.pop_back();
            else if (parsed.m_kind == ROOT_NONE)
                parsed.m_names.push_back(name);
            continue;
        }
        parsed.m_names.push_back(name);
    }
    return parsed;
}

bool SameName(const Text& a, const Text& b, bool ignoreCase)
{
    if (a.size() != b.size())
        return false;
    if (!ignoreCase)
        return a == b;
    return GvStrICmpW(reinterpret_cast<const unsigned short*>(a.c_str()),
                      reinterpret_cast<const unsigned short*>(b.c_str()), static_cast<int>(a.size()))
           == 0;
}

Text Join(const ParsedPath& parsed, char16_t separator)
{
    Text out;
    if (parsed.m_kind == ROOT_DRIVE || parsed.m_kind == ROOT_SHARE)
        out = parsed.m_root + separator;
    else if (parsed.m_kind == ROOT_SLASH)
        out = Text(1, separator);
    for (size_t n = 0; n < parsed.m_names.size(); ++n) {
        if (n > 0)
            out += separator;
        out += parsed.m_names[n];
    }
    return out;
}

Text ToText(const unsigned short* text)
{
    return Text(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(GvStrLenW(text)));
}

bool Output(unsigned short* out, int maxChars, const Text& text)
{
    if (!out || maxChars <= 0)
        return false;
    if (text.size() + 1 > static_cast<size_t>(maxChars)) {
        out[0] = 0;
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = text[i];
    out[text.size()] = 0;
    return true;
}

bool Fail(unsigned short* out, int maxChars)
{
    Output(out, maxChars, Text());
    return false;
}

#if !defined(_WIN32)
std::string ToUtf8(const unsigned short* text)
{
    std::string out;
    for (int i = 0; text[i]; ++i) {
        unsigned code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}
#endif

std::FILE* OpenForReading(const unsigned short* path)
{
#if defined(_WIN32)
    return _wfopen(reinterpret_cast<const wchar_t*>(path), L"rb");
#else
    return std::fopen(ToUtf8(path).c_str(), "rb");
#endif
}

} // namespace

void GvSetBaseDirectory(const unsigned short* directory)
{
    g_baseDirectory = directory ? ToText(directory) : Text();
}

const unsigned short* GvGetBaseDirectory()
{
    return reinterpret_cast<const unsigned short*>(g_baseDirectory.c_str());
}

bool GvIsAbsolutePath(const unsigned short* path)
{
    return path && Parse(ToText(path)).m_kind != ROOT_NONE;
}

bool GvMakeRelativePath(unsigned short* out, int maxChars, const unsigned short* path, const unsigned short* base)
{
    if (!path || !base)
        return Fail(out, maxChars);
    const ParsedPath target = Parse(ToText(path));
    if (target.m_kind == ROOT_NONE)
        return Output(out, maxChars, ToText(path));
    const ParsedPath from = Parse(ToText(base));
    const bool ignoreCase = target.m_kind != ROOT_SLASH;
    if (from.m_kind != target.m_kind || !SameName(from.m_root, target.m_root, ignoreCase))
        return Output(out, maxChars, Join(target, target.m_separator));
    size_t common = 0;
    while (common < target.m_names.size() && common < from.m_names.size()
           && SameName(target.m_names[common], from.m_names[common], ignoreCase))
        ++common;
    ParsedPath relative;
    for (size_t n = common; n < from.m_names.size(); ++n)
        relative.m_names.push_back(u"..");
    for (size_t n = common; n < target.m_names.size(); ++n)
        relative.m_names.push_back(target.m_names[n]);
    if (relative.m_names.empty())
        relative.m_names.push_back(u".");
    return Output(out, maxChars, Join(relative, target.m_separator));
}

bool GvMakeAbsolutePath(unsigned short* out, int maxChars, const unsigned short* path, const unsigned short* base)
{
    if (!path)
        return Fail(out, maxChars);
    const ParsedPath target = Parse(ToText(path));
    if (target.m_kind != ROOT_NONE)
        return Output(out, maxChars, Join(target, target.m_separator));
    const Text baseText = base ? ToText(base) : Text();
    if (Parse(baseText).m_kind == ROOT_NONE)
        return Output(out, maxChars, ToText(path));
    const ParsedPath joined = Parse(baseText + u"/" + ToText(path));
    return Output(out, maxChars, Join(joined, Parse(baseText).m_separator));
}

GvReadFileResult GvReadFile(const unsigned short* path, size_t maxBytes, GvBuffer<uint8_t>& contents)
{
    contents.Free();
    if (!path || !path[0])
        return GV_READ_CANNOT_OPEN;
    std::FILE* file = OpenForReading(path);
    if (!file)
        return GV_READ_CANNOT_OPEN;
    GvReadFileResult result = GV_READ_OK;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        result = GV_READ_FAILED;
    else if (static_cast<unsigned long>(size) > maxBytes)
        result = GV_READ_TOO_LARGE;
    else if (!contents.Allocate(static_cast<size_t>(size)))
        result = GV_READ_FAILED;
    else if (size > 0
             && std::fread(contents.GetData(), 1, static_cast<size_t>(size), file) != static_cast<size_t>(size))
        result = GV_READ_FAILED;
    std::fclose(file);
    if (result != GV_READ_OK)
        contents.Free();
    return result;
}
