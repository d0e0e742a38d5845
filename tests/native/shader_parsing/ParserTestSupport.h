#pragma once
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>
#include <unistd.h>
#include "GvLeakCheck.h"
#include "GvShaderParsing.h"

// Parsers hold a 256 KiB class table each: tests keep them on the heap.
template <typename Base>
class RecordingParser : public Base
{
public:
    void OnKeywordFound(GvMFCShaderSyntaxParser::Keyword* keyword) override
    {
        Base::OnKeywordFound(keyword);
        found.push_back(GvUtf16ToUtf8(keyword->m_name));
        keywords.push_back(keyword);
    }
    void ParseAll(const std::u16string& text) { this->Parse(GvW(text.c_str()), 0, 0, static_cast<int>(text.size())); }

    std::vector<std::string> found;
    std::vector<GvMFCShaderSyntaxParser::Keyword*> keywords;
};

typedef std::vector<std::string> Words;

inline const unsigned short* U(const std::u16string& text)
{
    return GvW(text.c_str());
}

// A new category of the parser holding the given keywords.
inline GvMFCShaderSyntaxParser::KeywordCategory* AddCategory(GvMFCShaderSyntaxParser& parser, const char16_t* name,
                                                             bool isOperator,
                                                             std::initializer_list<const char16_t*> words = {})
{
    GvMFCShaderSyntaxParser::KeywordCategory* category = parser.AddKeywordCategory(GvW(name), isOperator);
    for (const char16_t* word : words)
        category->AddKeyword(GvW(word));
    return category;
}

// Keywords of a category, bucket 0 to 255, each in insertion order.
inline Words KeywordsOf(const GvMFCShaderSyntaxParser::KeywordCategory* category)
{
    Words out;
    for (int b = 0; b < GvMFCShaderSyntaxParser::BUCKET_COUNT; ++b) {
        const auto& bucket = category->GetBucket(b);
        for (auto it = bucket.Begin(); it != bucket.End(); ++it)
            out.push_back(GvUtf16ToUtf8((*it)->m_name));
    }
    return out;
}

inline Words CategoryNames(const GvMFCShaderSyntaxParser& parser)
{
    Words out;
    for (auto it = parser.BeginKeywordCategory(); it != parser.EndKeywordCategory(); ++it)
        out.push_back(GvUtf16ToUtf8((*it)->m_name));
    return out;
}

// A directory of its own per test, removed afterwards.
class TempDir
{
public:
    TempDir()
    {
        static int serial = 0;
        m_path = std::filesystem::temp_directory_path()
                 / ("gv_parsing_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }

    std::u16string Write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path file = m_path / std::filesystem::u8path(name);
        std::ofstream(file, std::ios::binary) << bytes;
        return file.u16string();
    }
    std::u16string PathOf(const std::string& name) const
    {
        return (m_path / std::filesystem::u8path(name)).u16string();
    }

private:
    std::filesystem::path m_path;
};

inline std::u16string DataPath(const std::string& relative)
{
    return (std::filesystem::path(GV_DATA_DIR) / relative).u16string();
}

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The worked example of the keyword file format.
inline const char* const kWorkedExample =
    "// shader keywords\nColor\n{\n    Comment : (0, 128, 0)\n    Highlight : (255, 255, 0)\n}\n"
    "Keywords : \"Instructions\"\n{\n    Color : (0, 0, 255)\n"
    "    Word : \"mov{modifier _sat _pp}\" \"dcl\" \"texcoord{opt_range 0..2}\"\n"
    "           \"float{matrix 2x2}\" \"c{range 0..1}\"\n}\n";
