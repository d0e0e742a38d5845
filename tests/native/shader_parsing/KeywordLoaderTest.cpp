#include <array>
#include "ParserTestSupport.h"

namespace {

typedef GvMFCShaderSyntaxParser Parser;

// The colours a loader starts from.
const unsigned int kDefaultComment = 0x0000FF00, kDefaultForeground = 0, kDefaultBackground = 0x00FFFFFF,
                   kDefaultHighlight = 0x00FF0000;

class KeywordLoaderTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override
    {
        GvLeakCheckedTest::SetUp();
        m_parser = std::make_unique<Parser>();
        m_loader = std::make_unique<GvMFCShaderKeywordLoader>();
        SetParserColors(11, 22, 33, 44);
    }
    void TearDown() override
    {
        m_parser.reset();
        m_loader.reset();
        GvLeakCheckedTest::TearDown();
    }

    void SetParserColors(unsigned int comment, unsigned int foreground, unsigned int background, unsigned int highlight)
    {
        m_parser->m_commentColor = comment;
        m_parser->m_foregroundColor = foreground;
        m_parser->m_backgroundColor = background;
        m_parser->m_highlightColor = highlight;
    }
    void ExpectParserColors(unsigned int comment, unsigned int foreground, unsigned int background,
                            unsigned int highlight) const
    {
        EXPECT_EQ((std::array<unsigned int, 4>{comment, foreground, background, highlight}),
                  (std::array<unsigned int, 4>{m_parser->m_commentColor, m_parser->m_foregroundColor,
                                               m_parser->m_backgroundColor, m_parser->m_highlightColor}));
    }

    bool LoadText(const std::string& text)
    {
        return m_loader->Load(U(m_dir.Write("keywords.kwd", text)), m_parser.get());
    }
    Words Keywords(const char16_t* category) const
    {
        const Parser::KeywordCategory* found = m_parser->FindKeywordCategory(U(category));
        return found ? KeywordsOf(found) : Words{"<no category>"};
    }
    // Keywords added by one string of a Word list.
    Words Expand(const std::string& keywordText)
    {
        auto parser = std::make_unique<Parser>();
        const std::string file = "Keywords : \"K\" { Color : (0, 0, 0) Word : \"" + keywordText + "\" }";
        EXPECT_TRUE(m_loader->Load(U(m_dir.Write("expand.kwd", file)), parser.get())) << keywordText;
        return KeywordsOf(parser->FindKeywordCategory(U(u"K")));
    }

    std::unique_ptr<Parser> m_parser;
    std::unique_ptr<GvMFCShaderKeywordLoader> m_loader;
    TempDir m_dir;
};

TEST_F(KeywordLoaderTest, WorkedExample)
{
    ASSERT_TRUE(LoadText(kWorkedExample));
    ExpectParserColors(0x00008000, 0x00000000, 0x00FFFFFF, 0x0000FFFF);
    ASSERT_EQ(Words{"Instructions"}, CategoryNames(*m_parser));
    const Parser::KeywordCategory* category = m_parser->FindKeywordCategory(U(u"Instructions"));
    EXPECT_EQ(std::make_tuple(false, 0x00FF0000u, 14),
              std::make_tuple(category->IsOperator(), category->GetColor(), category->GetKeywordCount()));
    EXPECT_EQ((Words{"c0", "c1", "dcl", "float1x1", "float1x2", "float2x1", "float2x2", "mov", "mov_sat", "mov_pp",
                     "texcoord", "texcoord0", "texcoord1", "texcoord2"}),
              KeywordsOf(category));
}

TEST_F(KeywordLoaderTest, MissingFileLeavesTheParserUntouchedUnknownTopLevelWordsAreSkipped)
{
    EXPECT_FALSE(m_loader->Load(U(m_dir.PathOf("missing.kwd")), m_parser.get()));
    ExpectParserColors(11, 22, 33, 44);
    EXPECT_TRUE(CategoryNames(*m_parser).empty());
    // A directory opens on some systems but cannot be read: the same result.
    EXPECT_FALSE(m_loader->Load(U(m_dir.PathOf("")), m_parser.get()));
    ExpectParserColors(11, 22, 33, 44);
    EXPECT_FALSE(m_loader->Load(nullptr, m_parser.get()));
    EXPECT_FALSE(m_loader->Load(U(m_dir.Write("a.kwd", "")), nullptr));
    EXPECT_TRUE(LoadText("Version Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" }"));
    EXPECT_EQ(Words{"a"}, Keywords(u"A"));
    m_parser->RemoveAllKeywordCategory();
    EXPECT_FALSE(LoadText("Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" } Version 2 Keywords : \"B\""));
    EXPECT_EQ(Words{"A"}, CategoryNames(*m_parser));
    EXPECT_FALSE(LoadText("\"string\""));
    EXPECT_FALSE(LoadText("/* block */"));
}

TEST_F(KeywordLoaderTest, RangeMatrixAndModifierExpansionsUnreadableGroupsAddNothing)
{
    EXPECT_EQ(Words{}, Expand("x{range 3..1}"));
    EXPECT_EQ(Words{"x"}, Expand("x{opt_range 3..1}"));
    EXPECT_EQ((Words{"x1x1", "x1x2", "x1x3"}), Expand("x{matrix 1x3}"));
    EXPECT_EQ(Words{}, Expand("x{matrix 0x3}"));
    EXPECT_EQ((Words{"x-1", "x0", "x1"}), Expand("x{range -1..1}"));
    EXPECT_EQ((Words{"v", "v2", "v3"}), Expand("v{opt_range 2..3}"));
    EXPECT_EQ((Words{"m", "m_a", "mb", "mc"}), Expand("m{modifier _a,b ,c}"));
    // A one-unit suffix at the very end of the group is added.
    EXPECT_EQ((Words{"p", "p_pp", "pz"}), Expand("p{ modifier _pp z}"));
    EXPECT_EQ(Words{"plain"}, Expand("plain"));
    for (const char* text : {"x{}", "x{range}", "x{opt_range}", "x{opt_range 1.2}", "x{matrix 2}", "x{range 1..2",
                             "x{unknown 1..2}", "x{Range 1..2}", "x{range 0..100000}", "x{matrix 1000x1000}"})
        EXPECT_EQ(Words{}, Expand(text)) << text;
}

TEST_F(KeywordLoaderTest, BrokenKeywordSectionsKeepWhatWasBuiltAnEmptyWordListAnEmptyCategory)
{
    // Text, categories, keywords and colour of the last category.
    const std::tuple<const char*, Words, Words, unsigned int> cases[] = {
        {"Keywords \"A\"", {}, {}, 0},
        {"Keywords :", {}, {}, 0},
        {"Keywords : A", {}, {}, 0},
        {"Keywords : \"A", {}, {}, 0},
        {"Keywords : \"A\"", {"A"}, {}, 0},
        {"Keywords : \"A\" ( Color", {"A"}, {}, 0},
        {"Keywords : \"A\" { Color (1, 2, 3)", {"A"}, {}, 0},
        {"Keywords : \"A\" { Color : (1, 2)", {"A"}, {}, 0},
        {"Keywords : \"A\" { Word : \"a\" Color : (0, 0, 255) }", {"A"}, {}, 0},
        {"Keywords : \"A\" { Color : (1, 2, 3) Word \"a\" }", {"A"}, {}, 0x030201},
        {"Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" \"b{range 1..2}\"", {"A"}, {"a", "b1", "b2"}, 0x030201},
        {"Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" b }", {"A"}, {"a"}, 0x030201},
        {"Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" \"b }", {"A"}, {"a"}, 0x030201},
        {"Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" }\nKeywords : \"B\" { Color : (4, 5, 6) Word : \"c\" ",
         {"A", "B"},
         {"c"},
         0x060504}};
    for (const auto& [text, categories, keywords, color] : cases) {
        SCOPED_TRACE(text);
        auto parser = std::make_unique<Parser>();
        EXPECT_FALSE(m_loader->Load(U(m_dir.Write("broken.kwd", text)), parser.get()));
        EXPECT_EQ(categories, CategoryNames(*parser));
        if (!categories.empty()) {
            const Parser::KeywordCategory* last = nullptr;
            for (auto it = parser->BeginKeywordCategory(); it != parser->EndKeywordCategory(); ++it)
                last = *it;
            EXPECT_EQ(keywords, KeywordsOf(last));
            EXPECT_EQ(color, last->GetColor());
        }
        EXPECT_EQ(kDefaultComment, parser->m_commentColor);
    }
    EXPECT_TRUE(LoadText("Keywords : \"Empty\" { Color : (1, 2, 3) Word : }"));
    EXPECT_EQ(Words{"Empty"}, CategoryNames(*m_parser));
    const Parser::KeywordCategory* empty = m_parser->FindKeywordCategory(U(u"Empty"));
    EXPECT_EQ(std::make_pair(0, 0x00030201u), std::make_pair(empty->GetKeywordCount(), empty->GetColor()));
}

TEST_F(KeywordLoaderTest, ColorSectionsHandOverTheColorsReadSoFar)
{
    const unsigned int C = kDefaultComment, F = kDefaultForeground, B = kDefaultBackground, H = kDefaultHighlight;
    // Operator tokens are maximal runs: ":(" is no ":". Keys may repeat and components overlap.
    const std::tuple<const char*, bool, size_t, std::array<unsigned int, 4>> rows[] = {
        {"", true, 0, {C, F, B, H}},
        {"  // only a comment\n\n", true, 0, {C, F, B, H}},
        {"Color { Comment:(0,128,0) }", false, 0, {C, F, B, H}},
        {"Color { Comment : (0,128,0) }", true, 0, {0x00008000, F, B, H}},
        {"Keywords : \"A\" { Color : (1, 2, 3) Word : \"a\" }", true, 1, {C, F, B, H}},
        {"Color { Background : (1, 2, 3) }\n// last line", true, 0, {C, F, 0x00030201, H}},
        {"Color { Comment : (1, 2, 3) Comment : (256, 0, 1) Foreground : ( 0 , 0 , 0 ) }",
         true,
         0,
         {0x00010100, 0, B, H}},
        {"Color { Comment : (1, 2, 3) Text : (4, 5, 6) }", false, 0, {0x030201, F, B, H}},
        {"Color { Foreground : (1, 2, 3) Background (4, 5, 6) }", false, 0, {C, 0x030201, B, H}},
        {"Color { Highlight : (1, 2, 3)", false, 0, {C, F, B, 0x030201}}};
    for (const auto& [text, loaded, categories, colors] : rows) {
        SCOPED_TRACE(text);
        m_loader = std::make_unique<GvMFCShaderKeywordLoader>();
        m_parser = std::make_unique<Parser>();
        SetParserColors(11, 22, 33, 44);
        EXPECT_EQ(loaded, LoadText(text));
        EXPECT_EQ(categories, CategoryNames(*m_parser).size());
        ExpectParserColors(colors[0], colors[1], colors[2], colors[3]);
    }
    for (const char* text :
         {"Color Comment : (1, 2, 3) }", "Color { Comment : 1, 2, 3 }", "Color { Comment : (1 2 3) }",
          "Color { Comment : (1, 2, 3 }", "Color { Comment : (1, 2, -3) }", "Color { 5 }", "Color"}) {
        m_loader = std::make_unique<GvMFCShaderKeywordLoader>();
        EXPECT_FALSE(LoadText(text)) << text;
        ExpectParserColors(C, F, B, H);
    }
}

TEST_F(KeywordLoaderTest, LaterLoadsStartFromTheColorsLeftByEarlierOnes)
{
    EXPECT_TRUE(LoadText("Color { Highlight : (9, 9, 9) }"));
    SetParserColors(1, 2, 3, 4);
    EXPECT_TRUE(LoadText(""));
    ExpectParserColors(kDefaultComment, kDefaultForeground, kDefaultBackground, 0x00090909);

    GvMFCShaderKeywordLoader copy(*m_loader);
    EXPECT_EQ(0x00090909u, copy.GetHighlightColor());
    GvMFCShaderKeywordLoader assigned;
    assigned = copy;
    EXPECT_EQ(0x00090909u, assigned.GetHighlightColor());
    EXPECT_TRUE(assigned.Load(U(m_dir.Write("c.kwd", "Color { Highlight : (1, 1, 1) }")), m_parser.get()));
    EXPECT_EQ(0x00010101u, assigned.GetHighlightColor());
    EXPECT_EQ(0x00090909u, copy.GetHighlightColor());
}

TEST_F(KeywordLoaderTest, StringsAreTakenLiterallyAsLatin1UnitsUpToTheirLengthLimits)
{
    const std::string word1023(1023, 'w');
    EXPECT_TRUE(LoadText(word1023 + " Color { }"));
    EXPECT_FALSE(LoadText(word1023 + "w Color { }"));
    const std::string string255(255, 's');
    EXPECT_TRUE(LoadText("Keywords : \"A\" { Color : (1, 2, 3) Word : \"" + string255 + "\" }"));
    EXPECT_EQ(255u, Keywords(u"A").at(0).size());
    m_parser->RemoveAllKeywordCategory();
    EXPECT_FALSE(LoadText("Keywords : \"A\" { Color : (1, 2, 3) Word : \"" + string255 + "s\" }"));
    EXPECT_TRUE(Keywords(u"A").empty());
    EXPECT_FALSE(LoadText("Color { Comment : (" + std::string(1024, '1') + ", 0, 0) }"));
    m_parser->RemoveAllKeywordCategory();
    // No escapes: a backslash is kept and escapes nothing; a line break and
    // "//" inside a string belong to it; "" is the empty string.
    EXPECT_TRUE(
        LoadText("Keywords : \"A\\\" { Color : (1, 2, 3) Word : \"x\\\" \"two\nlines // not a comment\"\"\" }"));
    EXPECT_EQ(Words{"A\\"}, CategoryNames(*m_parser));
    EXPECT_EQ((Words{"", "two\nlines // not a comment", "x\\"}), Keywords(u"A\\"));
    EXPECT_TRUE(LoadText("Keywords // a\n: // b\n\"A\" { Color : ( 1 , // c\n 2, 3) Word : \"a\" // d\n \"b\" } //"));
    EXPECT_EQ((Words{"a", "b"}), Keywords(u"A"));
    // Without a blank the comment joins the brace into one operator token.
    EXPECT_FALSE(LoadText("Color { }// no blank"));
    const std::u16string path = m_dir.Write("caf\xC3\xA9 \xE2\x82\xAC.kwd",
                                            "Keywords : \"Caf\xE9\" { Color : (1, 2, 3) Word : \"\xE9t\xE9\" }");
    ASSERT_TRUE(m_loader->Load(U(path), m_parser.get()));
    const Parser::KeywordCategory* category = m_parser->FindKeywordCategory(U(u"CAF\u00C9"));
    ASSERT_NE(nullptr, category);
    EXPECT_NE(nullptr, category->FindKeyword(U(u"\u00E9t\u00E9")));
}

} // namespace
