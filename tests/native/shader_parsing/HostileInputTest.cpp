// Inputs far beyond what the formats expect: megabyte tokens, deep brace
// nesting, zero and non-ASCII bytes. Each gets the documented result.
#include "ParserTestSupport.h"

namespace {

typedef GvMFCShaderSyntaxParser Parser;
const size_t kMegabyte = 1 << 20;
const std::string kTypes = "Keywords : \"Types\" { Color : (1, 2, 3) Word : \"float\" \"half\" }\n";

class HostileInputTest : public GvLeakCheckedTest
{
protected:
    void TearDown() override
    {
        m_parser.reset();
        GvLeakCheckedTest::TearDown();
    }
    bool Load(const std::string& text)
    {
        m_parser = std::make_unique<RecordingParser<GvMFCShaderHLSLParser>>();
        GvMFCShaderKeywordLoader loader;
        return loader.Load(U(m_dir.Write("hostile.kwd", text)), m_parser.get());
    }

    TempDir m_dir;
    std::unique_ptr<RecordingParser<GvMFCShaderHLSLParser>> m_parser;
};

TEST_F(HostileInputTest, MegabyteTokensInKeywordFilesFailTheLoadAndKeepWhatCameBefore)
{
    const std::string huge(kMegabyte, 'w');
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"word", huge, false},
        {"operator", std::string(kMegabyte, '+'), false},
        {"opening braces", std::string(kMegabyte, '{'), false},
        {"integer", "Color { Comment : (" + std::string(kMegabyte, '7') + ", 0, 0) }", false},
        {"string", "Keywords : \"B\" { Color : (1, 2, 3) Word : \"" + huge + "\" }", false},
        {"unterminated string", "Keywords : \"B\" { Color : (1, 2, 3) Word : \"" + huge, false},
        {"category name", "Keywords : \"" + huge + "\" { Color : (1, 2, 3) Word : }", false},
        {"line comment", "// " + huge, true},
        {"white space", std::string(kMegabyte, ' ') + kTypes, true}};
    for (const auto& [what, tail, loaded] : cases) {
        EXPECT_EQ(loaded, Load(kTypes + tail)) << what;
        ASSERT_NE(nullptr, m_parser->FindKeywordCategory(U(u"Types"))) << what;
        EXPECT_EQ((Words{"float", "half"}), KeywordsOf(m_parser->FindKeywordCategory(U(u"Types")))) << what;
    }
}

TEST_F(HostileInputTest, NestedBraceGroupsExpandAsOneGroup)
{
    // As deep as a string (255 units) allows; deeper nesting is a megabyte
    // operator token above.
    const std::string range = "c" + std::string(120, '{') + "range 1..2" + std::string(120, '}');
    const std::string modifier = "x" + std::string(100, '{') + "modifier _a" + std::string(100, '}');
    ASSERT_TRUE(Load("Keywords : \"A\" { Color : (1, 2, 3) Word : \"" + range + "\" \"" + modifier + "\" }"));
    EXPECT_EQ((Words{"c1", "c2", "x", "x_a"}), KeywordsOf(m_parser->FindKeywordCategory(U(u"A"))));
}

// Found by fuzzing: a matrix group without columns once counted through all
// its rows (two billion of them, in a group the size limit let pass because
// the product of rows and columns was no more than zero). Sixty-four such
// groups would take hours; they end at once and add nothing.
TEST_F(HostileInputTest, MatrixGroupsWithoutColumnsEndAtOnce)
{
    std::string words;
    for (int i = 0; i < 32; ++i)
        words += " \"m{matrix 66666666666666664x0}\" \"n{matrix 2147483647x-5}\"";
    ASSERT_TRUE(Load("Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\"" + words + " \"z\" }"));
    EXPECT_EQ((Words{"a", "z"}), KeywordsOf(m_parser->FindKeywordCategory(U(u"A"))));
}

TEST_F(HostileInputTest, ZeroAndNonAsciiBytesInKeywordFiles)
{
    // Bytes above 127 are white space to the reader but kept inside strings.
    ASSERT_TRUE(
        Load("\xA0\xFF Keywords\xE9: \"T\xFCp\" { Color : (1, 2, 3) Word : \"caf\xE9\" \"\xC3\xA9t\xC3\xA9\" }"));
    const Parser::KeywordCategory* category = m_parser->FindKeywordCategory(U(u"T\u00FCp"));
    ASSERT_NE(nullptr, category);
    ASSERT_EQ(2, category->GetKeywordCount());
    EXPECT_NE(nullptr, category->FindKeyword(U(u"caf\u00E9")));
    EXPECT_NE(nullptr, category->FindKeyword(U(u"\u00C3\u00A9t\u00C3\u00A9")));
    // The text ends at the first zero byte: here inside a string, which is
    // then unterminated.
    EXPECT_FALSE(Load(kTypes + "Keywords : \"Z\" { Color : (1, 2, 3) Word : \"a" + std::string(1, '\0') + "b\" }"));
    ASSERT_NE(nullptr, m_parser->FindKeywordCategory(U(u"Z")));
    EXPECT_EQ(0, m_parser->FindKeywordCategory(U(u"Z"))->GetKeywordCount());
    EXPECT_EQ(2, m_parser->FindKeywordCategory(U(u"Types"))->GetKeywordCount());
}

TEST_F(HostileInputTest, ParseOfHostileTextFindsExactlyTheKeywords)
{
    ASSERT_TRUE(Load(kTypes));
    m_parser->AddKeywordCategory(U(u"Braces"), true);
    m_parser->AddKeyword(U(u"Braces"), U(u"{"));
    const size_t depth = kMegabyte;
    const std::tuple<const char*, std::u16string, Words> cases[] = {
        {"deep nesting", std::u16string(depth, u'{') + u"float" + std::u16string(depth, u'}'), {"float"}},
        {"megabyte word run", std::u16string(kMegabyte, u'f') + u" half", {"half"}},
        {"megabyte operator run", std::u16string(kMegabyte, u'+') + u"half", {"half"}},
        {"zero units separate", std::u16string(u"float\0half\0\0float", 17), {"float", "half", "float"}},
        {"non-ASCII units separate", u"float\u00E9half\uFFFFfloat\xD800half", {"float", "half", "float", "half"}},
        {"unterminated comment", u"half /*" + std::u16string(kMegabyte, u'*'), {"half"}}};
    for (const auto& [what, text, found] : cases) {
        m_parser->found.clear();
        m_parser->ParseAll(text);
        EXPECT_EQ(found, m_parser->found) << what;
    }
}

} // namespace
