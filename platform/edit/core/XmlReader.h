#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gvedit {

// One element of a parsed document; text is the element's own character data
// with entities replaced, children in document order.
struct XmlElement
{
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    std::string text;

    const std::string* Attribute(std::string_view attributeName) const;
};

// Reads UTF-8 XML: an optional byte-order mark and declaration, comments, one
// root element, attributes in double or single quotes, the five named
// entities and character references. Anything else (a DOCTYPE, CDATA,
// processing instructions past the declaration, an unclosed or mismatched
// tag, a repeated attribute, text outside the root, bytes that are not UTF-8)
// fails, with error telling where when given; root is written only on success.
bool ParseXml(std::string_view input, XmlElement& root, std::string* error = nullptr);

// Strict UTF-8 to UTF-16: false on a malformed sequence.
bool Utf8ToUtf16(std::string_view utf8, std::u16string& utf16);

} // namespace gvedit
