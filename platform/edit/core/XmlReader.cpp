#include "XmlReader.h"
#include <algorithm>
#include <cstdint>

namespace gvedit {

const std::string* XmlElement::Attribute(std::string_view attributeName) const
{
    for (const auto& attribute : attributes) {
        if (attribute.first == attributeName) {
            return &attribute.second;
        }
    }
    return nullptr;
}

namespace {

// Decodes the sequence at i strictly (no overlong forms, surrogates or values
// past U+10FFFF) and moves i behind it; false on a malformed sequence.
bool NextCodePoint(std::string_view utf8, size_t& i, std::uint32_t& code)
{
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    std::uint32_t minimum = 0;
    code = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0x80) {
        return false;
    }
    if (i + extra >= utf8.size()) {
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        code = (code << 6) | (next & 0x3F);
    }
    i += extra + 1;
    return code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

// The document is checked whole before it is parsed, without a copy.
bool IsUtf8(std::string_view utf8)
{
    std::uint32_t code = 0;
    for (size_t i = 0; i < utf8.size();) {
        if (!NextCodePoint(utf8, i, code)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool Utf8ToUtf16(std::string_view utf8, std::u16string& utf16)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::uint32_t code = 0;
    for (size_t i = 0; i < utf8.size();) {
        if (!NextCodePoint(utf8, i, code)) {
            return false;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    utf16 = std::move(out);
    return true;
}

namespace {

class Parser
{
public:
    explicit Parser(std::string_view input) : m_in(input) {}

    bool Document(XmlElement& root)
    {
        if (m_in.substr(0, 3) == "\xEF\xBB\xBF") {
            m_pos = 3;
        }
        if (Starts("<?xml")) {
            const size_t end = m_in.find("?>", m_pos);
            if (end == std::string_view::npos) {
                return Fail("unclosed declaration");
            }
            m_pos = end + 2;
        }
        if (!Misc() || !Starts("<")) {
            return Fail("no root element");
        }
        if (!Element(root, 0) || !Misc()) {
            return false;
        }
        return m_pos == m_in.size() || Fail("content after the root element");
    }

    std::string m_error;

private:
    bool Fail(const char* what)
    {
        if (m_error.empty()) {
            int line = 1;
            for (size_t i = 0; i < m_pos && i < m_in.size(); ++i) {
                line += m_in[i] == '\n';
            }
            m_error = "line " + std::to_string(line) + ": " + what;
        }
        return false;
    }

    bool Starts(std::string_view what) const { return m_in.substr(m_pos, what.size()) == what; }
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    void SkipSpace()
    {
        while (m_pos < m_in.size() && IsSpace(m_in[m_pos])) {
            ++m_pos;
        }
    }
    static bool IsNameChar(char c, bool first)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':'
               || (!first && ((c >= '0' && c <= '9') || c == '-' || c == '.'));
    }

    // Space and comments between the parts of the document.
    bool Misc()
    {
        for (;;) {
            SkipSpace();
            if (!Starts("<!--")) {
                return true;
            }
            if (!Comment()) {
                return false;
            }
        }
    }

    bool Comment()
    {
        const size_t end = m_in.find("-->", m_pos + 4);
        if (end == std::string_view::npos) {
            return Fail("unclosed comment");
        }
        m_pos = end + 3;
        return true;
    }

    bool Name(std::string& name)
    {
        const size_t start = m_pos;
        while (m_pos < m_in.size() && IsNameChar(m_in[m_pos], m_pos == start)) {
            ++m_pos;
        }
        if (m_pos == start) {
            return Fail("name expected");
        }
        name.assign(m_in.substr(start, m_pos - start));
        return true;
    }

    bool Reference(std::string& out)
    {
        const size_t end = m_in.find(';', m_pos);
        if (end == std::string_view::npos || end - m_pos > 10) {
            return Fail("unterminated entity");
        }
        const std::string_view entity = m_in.substr(m_pos + 1, end - m_pos - 1);
        m_pos = end + 1;
        static const std::pair<std::string_view, char> named[] = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& n : named) {
            if (entity == n.first) {
                out.push_back(n.second);
                return true;
            }
        }
        if (entity.size() < 2 || entity[0] != '#') {
            return Fail("unknown entity");
        }
        const bool hex = entity[1] == 'x';
        std::uint32_t code = 0;
        const std::string_view digits = entity.substr(hex ? 2 : 1);
        if (digits.empty()) {
            return Fail("bad character reference");
        }
        for (char c : digits) {
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (hex && c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (hex && c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0) {
                return Fail("bad character reference");
            }
            code = code * (hex ? 16 : 10) + digit;
            if (code > 0x10FFFF) {
                return Fail("bad character reference");
            }
        }
        if (code == 0 || (code >= 0xD800 && code <= 0xDFFF)) {
            return Fail("bad character reference");
        }
        // Back to UTF-8, the form every string of the tree has.
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
        return true;
    }

    bool AttributeValue(std::string& value)
    {
        if (m_pos >= m_in.size() || (m_in[m_pos] != '"' && m_in[m_pos] != '\'')) {
            return Fail("quoted attribute value expected");
        }
        const char quote = m_in[m_pos++];
        for (;;) {
            if (m_pos >= m_in.size()) {
                return Fail("unclosed attribute value");
            }
            const char c = m_in[m_pos];
            if (c == quote) {
                ++m_pos;
                return true;
            }
            if (c == '<') {
                return Fail("'<' in attribute value");
            }
            if (c == '&') {
                if (!Reference(value)) {
                    return false;
                }
            } else {
                value.push_back(c);
                ++m_pos;
            }
        }
    }

    bool Element(XmlElement& element, int depth)
    {
        if (depth > 64) {
            return Fail("elements nested too deeply");
        }
        ++m_pos; // '<'
        if (!Name(element.name)) {
            return false;
        }
        for (;;) {
            const size_t before = m_pos;
            SkipSpace();
            if (Starts("/>")) {
                m_pos += 2;
                return true;
            }
            if (Starts(">")) {
                ++m_pos;
                break;
            }
            if (m_pos == before) {
                return Fail("space expected before an attribute");
            }
            std::pair<std::string, std::string> attribute;
            if (!Name(attribute.first)) {
                return false;
            }
            SkipSpace();
            if (!Starts("=")) {
                return Fail("'=' expected");
            }
            ++m_pos;
            SkipSpace();
            if (!AttributeValue(attribute.second)) {
                return false;
            }
            if (element.Attribute(attribute.first)) {
                return Fail("repeated attribute");
            }
            element.attributes.push_back(std::move(attribute));
        }
        for (;;) {
            if (m_pos >= m_in.size()) {
                return Fail("unclosed element");
            }
            // Character data is taken a run at a time: markup and references
            // are looked for only where they can start.
            if (m_in[m_pos] != '<' && m_in[m_pos] != '&') {
                const size_t end = std::min(m_in.find_first_of("<&", m_pos), m_in.size());
                element.text.append(m_in.substr(m_pos, end - m_pos));
                m_pos = end;
                continue;
            }
            if (Starts("</")) {
                m_pos += 2;
                std::string closing;
                if (!Name(closing)) {
                    return false;
                }
                SkipSpace();
                if (closing != element.name || !Starts(">")) {
                    return Fail("mismatched closing tag");
                }
                ++m_pos;
                return true;
            }
            if (Starts("<!--")) {
                if (!Comment()) {
                    return false;
                }
            } else if (Starts("<!") || Starts("<?")) {
                return Fail("unsupported markup");
            } else if (Starts("<")) {
                element.children.emplace_back();
                if (!Element(element.children.back(), depth + 1)) {
                    return false;
                }
            } else if (!Reference(element.text)) {
                return false;
            }
        }
    }

    std::string_view m_in;
    size_t m_pos = 0;
};

} // namespace

bool ParseXml(std::string_view input, XmlElement& root, std::string* error)
{
    Parser parser(input);
    XmlElement parsed;
    bool ok = IsUtf8(input);
    if (!ok) {
        parser.m_error = "not UTF-8";
    } else {
        ok = parser.Document(parsed);
    }
    if (!ok) {
        if (error) {
            *error = parser.m_error;
        }
        return false;
    }
    root = std::move(parsed);
    return true;
}

} // namespace gvedit
