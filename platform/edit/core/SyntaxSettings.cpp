#include "SyntaxSettings.h"
#include <initializer_list>
#include "XmlReader.h"

namespace gvedit {

namespace {

class Reader
{
public:
    std::string m_error;

    bool Settings(const XmlElement& root, SyntaxSettings& out)
    {
        if (root.name != "syntax") {
            return Fail("the root element must be <syntax>");
        }
        if (!OnlyAttributes(root, {"name"}) || !OnlySpace(root)) {
            return false;
        }
        bool editorSeen = false;
        for (const XmlElement& child : root.children) {
            if (child.name == "editor") {
                if (editorSeen) {
                    return Fail("more than one <editor>");
                }
                editorSeen = true;
                if (!Editor(child, out)) {
                    return false;
                }
            } else if (child.name == "block") {
                if (!Block(child, out)) {
                    return false;
                }
            } else if (child.name == "words") {
                if (!Words(child, out)) {
                    return false;
                }
            } else {
                return Fail("unknown element <" + child.name + ">");
            }
        }
        return true;
    }

private:
    bool Fail(const std::string& what)
    {
        m_error = what;
        return false;
    }

    bool OnlyAttributes(const XmlElement& element, std::initializer_list<std::string_view> allowed)
    {
        for (const auto& attribute : element.attributes) {
            bool known = false;
            for (std::string_view name : allowed) {
                known = known || attribute.first == name;
            }
            if (!known) {
                return Fail("unknown attribute '" + attribute.first + "' of <" + element.name + ">");
            }
        }
        return true;
    }

    bool OnlySpace(const XmlElement& element)
    {
        for (char c : element.text) {
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
                return Fail("text inside <" + element.name + ">");
            }
        }
        return true;
    }

    bool NoChildren(const XmlElement& element)
    {
        return element.children.empty() || Fail("elements inside <" + element.name + ">");
    }

    // "#RRGGBB" into 0x00BBGGRR.
    bool ColorValue(const XmlElement& element, std::string_view name, Color& color)
    {
        const std::string* value = element.Attribute(name);
        if (!value) {
            return true;
        }
        Color rgb = 0;
        bool ok = value->size() == 7 && (*value)[0] == '#';
        for (size_t i = 1; ok && i < 7; ++i) {
            const char c = (*value)[i];
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            ok = digit >= 0;
            rgb = rgb * 16 + static_cast<Color>(digit);
        }
        if (!ok) {
            return Fail("colour '" + *value + "' is not #RRGGBB");
        }
        color = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
        return true;
    }

    bool BoolValue(const XmlElement& element, std::string_view name, bool& flag)
    {
        const std::string* value = element.Attribute(name);
        if (!value) {
            return true;
        }
        if (*value != "true" && *value != "false") {
            return Fail(std::string(name) + " must be true or false");
        }
        flag = *value == "true";
        return true;
    }

    bool SizeValue(const XmlElement& element, std::string_view name, int& size)
    {
        const std::string* value = element.Attribute(name);
        if (!value) {
            return true;
        }
        int number = 0;
        for (char c : *value) {
            if (c < '0' || c > '9' || number > 64) {
                return Fail(std::string(name) + " must be a number from 1 to 64");
            }
            number = number * 10 + (c - '0');
        }
        if (number < 1 || number > 64) {
            return Fail(std::string(name) + " must be a number from 1 to 64");
        }
        size = number;
        return true;
    }

    bool TextValue(const XmlElement& element, std::string_view name, std::u16string& text)
    {
        const std::string* value = element.Attribute(name);
        return !value || Utf8ToUtf16(*value, text) || Fail("bad text");
    }

    bool Editor(const XmlElement& e, SyntaxSettings& out)
    {
        bool keepTabs = false;
        const bool hasKeepTabs = e.Attribute("keeptabs") != nullptr;
        if (!OnlyAttributes(
                e, {"text", "background", "selectiontext", "selectionbackground", "tabsize", "indentsize", "keeptabs"})
            || !NoChildren(e) || !OnlySpace(e) || !ColorValue(e, "text", out.text)
            || !ColorValue(e, "background", out.background) || !ColorValue(e, "selectiontext", out.selectionText)
            || !ColorValue(e, "selectionbackground", out.selectionBackground) || !SizeValue(e, "tabsize", out.tabSize)
            || !SizeValue(e, "indentsize", out.indentSize) || !BoolValue(e, "keeptabs", keepTabs)) {
            return false;
        }
        if (hasKeepTabs) {
            out.keepTabs = keepTabs ? 1 : 0;
        }
        return true;
    }

    bool Block(const XmlElement& e, SyntaxSettings& out)
    {
        ColorBlock block;
        std::u16string escape;
        if (!OnlyAttributes(e, {"open", "close", "color", "background", "casesensitive", "escape"}) || !NoChildren(e)
            || !OnlySpace(e) || !TextValue(e, "open", block.open) || !TextValue(e, "close", block.close)
            || !TextValue(e, "escape", escape) || !ColorValue(e, "color", block.fore)
            || !ColorValue(e, "background", block.back) || !BoolValue(e, "casesensitive", block.caseSensitive)) {
            return false;
        }
        if (block.open.empty()) {
            return Fail("<block> needs a non-empty open string");
        }
        if (escape.size() > 1) {
            return Fail("escape must be one character");
        }
        block.escape = escape.empty() ? 0 : escape[0];
        out.blocks.push_back(std::move(block));
        return true;
    }

    bool Words(const XmlElement& e, SyntaxSettings& out)
    {
        SyntaxSettings::WordList list;
        std::u16string text;
        if (!OnlyAttributes(e, {"color", "background", "casesensitive"}) || !NoChildren(e)
            || !ColorValue(e, "color", list.fore) || !ColorValue(e, "background", list.back)
            || !BoolValue(e, "casesensitive", list.caseSensitive) || !Utf8ToUtf16(e.text, text)) {
            return false;
        }
        size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\r' || text[i] == u'\n')) {
                ++i;
            }
            const size_t start = i;
            while (i < text.size() && !(text[i] == u' ' || text[i] == u'\t' || text[i] == u'\r' || text[i] == u'\n')) {
                ++i;
            }
            if (i > start) {
                list.words.push_back(text.substr(start, i - start));
            }
        }
        out.wordLists.push_back(std::move(list));
        return true;
    }
};

} // namespace

bool ReadSyntaxSettings(std::string_view xml, SyntaxSettings& settings, std::string* error)
{
    XmlElement root;
    if (!ParseXml(xml, root, error)) {
        return false;
    }
    Reader reader;
    SyntaxSettings read;
    if (!reader.Settings(root, read)) {
        if (error) {
            *error = reader.m_error;
        }
        return false;
    }
    settings = std::move(read);
    return true;
}

} // namespace gvedit
