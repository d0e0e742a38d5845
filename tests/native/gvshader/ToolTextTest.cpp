#include "GvShaderTool.h"
#include "ParserTestSupport.h"

namespace {

using namespace gvshader;
typedef std::vector<unsigned short> Units;

class ToolTextTest : public GvLeakCheckedTest
{};

TEST_F(ToolTextTest, DecodesWellFormedUtf8)
{
    EXPECT_EQ((Units{'a', 0}), DecodeUtf8(std::string("a\0", 2)));
    EXPECT_EQ((Units{0xE9, 0x20AC, 0xFFFF}), DecodeUtf8("\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBF"));
    EXPECT_EQ((Units{0xD83D, 0xDE00, 0xDBFF, 0xDFFF}), DecodeUtf8("\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"));
    EXPECT_EQ((Units{0x80, 0x7FF, 0x800}), DecodeUtf8("\xC2\x80\xDF\xBF\xE0\xA0\x80"));
    EXPECT_TRUE(DecodeUtf8("").empty());
}

TEST_F(ToolTextTest, ReplacesEachMaximalIllFormedSubsequence)
{
    const unsigned short R = 0xFFFD;
    EXPECT_EQ((Units{R, 'a'}), DecodeUtf8("\x80"
                                          "a"));
    EXPECT_EQ((Units{R, R}), DecodeUtf8("\xC0\xAF"));               // overlong
    EXPECT_EQ((Units{R, R, R}), DecodeUtf8("\xE0\x80\x80"));        // overlong
    EXPECT_EQ((Units{R, R, R}), DecodeUtf8("\xED\xA0\x80"));        // surrogate
    EXPECT_EQ((Units{R, R, R, R}), DecodeUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_EQ((Units{R, R}), DecodeUtf8("\xFE\xFF"));
    EXPECT_EQ((Units{R}), DecodeUtf8("\xE2\x82")); // cut short at the end
    EXPECT_EQ((Units{R, 'x'}), DecodeUtf8("\xF0\x9F\x98x"));
    EXPECT_EQ((Units{'a', R, 0xE9}), DecodeUtf8("a\xE2\xC3\xA9"));
}

TEST_F(ToolTextTest, JsonQuoteEscapesAndRepairs)
{
    EXPECT_EQ("\"plain\"", JsonQuote("plain"));
    EXPECT_EQ("\"a\\\"b\\\\c\\n\\t\\r\\b\\f\\u0001\\u001f\"", JsonQuote("a\"b\\c\n\t\r\b\f\x01\x1F"));
    EXPECT_EQ("\"caf\xC3\xA9\"", JsonQuote("caf\xC3\xA9"));
    EXPECT_EQ("\"x\xEF\xBF\xBDy\"", JsonQuote("x\xFFy"));
    EXPECT_EQ("\"\"", JsonQuote(""));
}

TEST_F(ToolTextTest, ShaderModelsByNumberNameAndAlias)
{
    const char* names[] = {"vs_1_1", "vs_2_0", "vs_2_x", "vs_3_0", "vs_3_sw", "ps_1_1", "ps_1_2", "ps_1_3",
                           "ps_1_4", "ps_2_0", "ps_2_x", "ps_2_b", "ps_2_sw", "ps_3_0", "ps_3_sw"};
    for (int n = 1; n <= 15; ++n) {
        const ShaderModel* byNumber = FindShaderModel(std::to_string(n));
        ASSERT_NE(nullptr, byNumber) << n;
        EXPECT_EQ(n, byNumber->number);
        EXPECT_STREQ(names[n - 1], byNumber->name);
        EXPECT_EQ(byNumber, FindShaderModel(names[n - 1]));
    }
    EXPECT_EQ(3, FindShaderModel("vs_2_a")->number);
    EXPECT_EQ(11, FindShaderModel("PS_2_A")->number);
    EXPECT_EQ(14, FindShaderModel("PS_3_0")->number);
    EXPECT_EQ(3, FindShaderModel("vs_2_sw")->number);
    EXPECT_EQ(0, FindShaderModel("vs_2_sw")->totalLimit);
    for (const char* bad : {"0", "16", "-1", "+1", "01", "1x", "", "ps_4_0", "vs_2_b", "auto"})
        EXPECT_EQ(nullptr, FindShaderModel(bad)) << bad;
}

TEST_F(ToolTextTest, VersionInstructionNamesTheModel)
{
    struct Row
    {
        const char* text;
        const char* model; // null: none
        const char* word;
    };
    const Row rows[] = {
        {"vs_1_1\nmov r0, v0", "vs_1_1", "vs_1_1"},
        {"// header\r\n\r\n/* ps_1_1\n */\t  ps_2_0 // x\n", "ps_2_0", "ps_2_0"},
        {"//\n//a\nPS_3_0", "ps_3_0", "PS_3_0"},
        {"ps_2_a\n", "ps_2_a", "ps_2_a"},
        {"vs_2_sw", "vs_2_sw", "vs_2_sw"},
        {"vs.1.1\n", "vs_1_1", "vs_1_1"},
        {"mov r0, v0\nvs_1_1", nullptr, "mov"},
        {"ps_2_0x\n", nullptr, "ps_2_0x"},
        {"10\n", nullptr, "10"},
        {"// only a comment", nullptr, ""},
        {"/* unterminated ps_2_0", nullptr, ""},
        {"", nullptr, ""},
        {"+ps_2_0", nullptr, ""},
    };
    for (const Row& row : rows) {
        std::string word = "stale";
        const ShaderModel* model = FindVersionModel(DecodeUtf8(row.text), word);
        EXPECT_EQ(row.model ? FindShaderModel(row.model) : nullptr, model) << row.text;
        EXPECT_EQ(row.word, word) << row.text;
    }
}

TEST_F(ToolTextTest, LimitsPerModel)
{
    // ps_2_x guarantees 96 slots only; the ps_2_a and ps_2_b profiles have 512.
    struct Row
    {
        const char* model;
        int alu, tex;
        bool exceeds;
    };
    const Row rows[] = {
        {"ps_2_0", 64, 32, false},
        {"ps_2_0", 65, 0, true},
        {"ps_2_0", 0, 33, true},
        {"ps_1_1", 8, 4, false},
        {"ps_1_3", 8, 5, true},
        {"ps_1_4", 16, 12, false},
        {"ps_1_4", 17, 0, true},
        {"vs_1_1", 128, 0, false},
        {"vs_1_1", 120, 9, true},
        {"vs_2_0", 257, 0, true},
        {"ps_3_0", 500, 12, false},
        {"ps_3_0", 500, 13, true},
        {"ps_3_sw", 1 << 30, 1 << 30, false},
        {"ps_2_x", 90, 6, false},
        {"ps_2_x", 90, 7, true},
        {"ps_2_a", 500, 12, false},
        {"ps_2_a", 500, 13, true},
        {"ps_2_b", 500, 12, false},
        {"ps_2_b", 500, 13, true},
        {"vs_2_a", 256, 0, false},
        {"vs_2_a", 257, 0, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.exceeds, ExceedsLimits(*FindShaderModel(row.model), row.alu, row.tex))
            << row.model << " " << row.alu << " " << row.tex;
}

TEST_F(ToolTextTest, ParsesEachCommand)
{
    Options o;
    std::string error;
    ASSERT_TRUE(ParseArguments({"keywords", "a.kwd"}, o, error)) << error;
    EXPECT_EQ(Command::Keywords, o.command);
    EXPECT_EQ(std::vector<std::string>{"a.kwd"}, o.files);

    ASSERT_TRUE(ParseArguments({"scan", "--keywords", "k.kwd", "s.fx"}, o, error)) << error;
    EXPECT_EQ(Command::Scan, o.command);
    EXPECT_EQ("k.kwd", o.keywordFile);
    EXPECT_EQ("hlsl", o.language);
    ASSERT_TRUE(ParseArguments({"scan", "s.fx", "--lang=none", "--keywords=k.kwd"}, o, error)) << error;
    EXPECT_EQ("none", o.language);
    EXPECT_EQ("k.kwd", o.keywordFile);

    ASSERT_TRUE(ParseArguments({"count", "--keywords", "k", "--model", "ps_1_4", "--json", "--limits", "a", "--", "-b"},
                               o, error))
        << error;
    EXPECT_EQ(Command::Count, o.command);
    EXPECT_EQ(9, o.model->number);
    EXPECT_TRUE(o.json);
    EXPECT_TRUE(o.limits);
    EXPECT_EQ((std::vector<std::string>{"a", "-b"}), o.files);
    ASSERT_TRUE(ParseArguments({"count", "--rules=compiler", "--lines", "a"}, o, error)) << error;
    EXPECT_EQ(Rules::Compiler, o.rules);
    EXPECT_TRUE(o.lines);
    EXPECT_TRUE(o.keywordFile.empty());
    ASSERT_TRUE(ParseArguments({"count", "--keywords", "k", "a"}, o, error)) << error;
    EXPECT_EQ(Rules::Library, o.rules);
    EXPECT_FALSE(o.lines);
    for (const auto& args : std::vector<std::vector<std::string>>{{"count", "--keywords", "k", "a"},
                                                                  {"count", "--keywords", "k", "--model=AUTO", "a"}}) {
        ASSERT_TRUE(ParseArguments(args, o, error)) << error;
        EXPECT_EQ(nullptr, o.model);
    }

    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"help"}, {"count", "-h"}}) {
        ASSERT_TRUE(ParseArguments(args, o, error));
        EXPECT_EQ(Command::Help, o.command);
    }
}

TEST_F(ToolTextTest, RejectsBadUsageWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"list"},
        {"keywords"},
        {"keywords", "a", "b"},
        {"keywords", "--keywords", "a", "b"},
        {"scan", "s.fx"},
        {"scan", "--keywords", "k"},
        {"scan", "--keywords", "k", "a", "b"},
        {"scan", "--keywords", "k", "--lang", "cg", "a"},
        {"scan", "--keywords", "k", "--model", "1", "a"},
        {"scan", "--keywords"},
        {"count", "--keywords", "k", "--model", "17", "a"},
        {"count", "--keywords", "k", "--model", "1"},
        {"count", "--model", "1", "a"},
        {"count", "--keywords", "k", "--model", "1", "--lang", "asm", "a"},
        {"count", "--keywords", "k", "--model", "1", "--verbose", "a"},
        {"count", "--rules", "fxc", "--keywords", "k", "a"},
        {"count", "--rules", "library", "a"},
        {"count", "a"},
        {"scan", "--keywords", "k", "--lines", "a"},
        {"count", "--rules"},
    };
    for (const auto& args : bad) {
        Options o;
        std::string error;
        EXPECT_FALSE(ParseArguments(args, o, error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(std::string::npos, error.find('\n'));
    }
}

TEST_F(ToolTextTest, KeywordsJsonListsBucketsInOrder)
{
    auto parser = std::make_unique<GvMFCShaderSyntaxParser>();
    parser->m_commentColor = 1;
    parser->m_foregroundColor = 2;
    parser->m_backgroundColor = 3;
    parser->m_highlightColor = 0xFFFFFFFF;
    GvMFCShaderSyntaxParser::KeywordCategory* words = parser->AddKeywordCategory(U(u"W\"ords"), false);
    words->SetColor(255);
    for (const char16_t* w : {u"mov", u"add", u"mad", u"\u00E9t\u00E9"})
        words->AddKeyword(U(w));
    parser->AddKeywordCategory(U(u"Ops"), true)->AddKeyword(U(u"+="));
    EXPECT_EQ("{\"loaded\": false, \"colors\": {\"comment\": 1, \"foreground\": 2, \"background\": 3, \"highlight\": "
              "4294967295}, \"categories\": [{\"name\": \"W\\\"ords\", \"operator\": false, \"color\": 255, "
              "\"keywords\": [\"add\", \"mov\", \"mad\", \"\xC3\xA9t\xC3\xA9\"]}, {\"name\": \"Ops\", \"operator\": "
              "true, \"color\": 0, \"keywords\": [\"+=\"]}]}",
              KeywordsJson(*parser, false));
    parser->RemoveAllKeywordCategory();
    EXPECT_EQ("{\"loaded\": true, \"colors\": {\"comment\": 1, \"foreground\": 2, \"background\": 3, \"highlight\": "
              "4294967295}, \"categories\": []}",
              KeywordsJson(*parser, true));
}

TEST_F(ToolTextTest, CountLines)
{
    const ShaderModel& ps20 = *FindShaderModel("10");
    EXPECT_EQ("a.asm: 70 arithmetic, 3 texture slots (ps_2_0)", CountLine("a.asm", ps20, 70, 3, false, false));
    EXPECT_EQ("a.asm: 70 arithmetic, 3 texture slots (ps_2_0; limits: 64 arithmetic, 32 texture; EXCEEDED)",
              CountLine("a.asm", ps20, 70, 3, false, true));
    EXPECT_EQ("b: 1 arithmetic, 0 texture slots (vs_1_1; limits: 128 slots in all; within)",
              CountLine("b", *FindShaderModel("vs_1_1"), 1, 0, false, true));
    EXPECT_EQ("b: 1 arithmetic, 0 texture slots (vs_3_sw; limits: none; within)",
              CountLine("b", *FindShaderModel("vs_3_sw"), 1, 0, false, true));
    EXPECT_EQ("c: 100 arithmetic, 0 texture slots (ps_2_a; limits: 512 slots in all; within)",
              CountLine("c", *FindShaderModel("ps_2_a"), 100, 0, false, true));
    EXPECT_EQ("{\"file\": \"d\\\\a.asm\", \"model\": 10, \"alu\": 70, \"tex\": 3}",
              CountLine("d\\a.asm", ps20, 70, 3, true, false));
    EXPECT_EQ("{\"file\": \"a\", \"model\": 10, \"alu\": 1, \"tex\": 3, \"limits\": {\"alu\": 64, \"tex\": 32}, "
              "\"exceeded\": false}",
              CountLine("a", ps20, 1, 3, true, true));
    EXPECT_EQ("{\"file\": \"a\", \"model\": 14, \"alu\": 600, \"tex\": 3, \"limits\": {\"total\": 512}, "
              "\"exceeded\": true}",
              CountLine("a", *FindShaderModel("ps_3_0"), 600, 3, true, true));
}

TEST_F(ToolTextTest, HelpNamesEveryCommandOptionAndModel)
{
    const std::string help = HelpText();
    for (const char* text :
         {"keywords", "scan", "count", "--keywords", "--lang", "--model", "--json", "--limits", "--rules library",
          "--rules compiler", "--lines", "_sat_pp", "co-issued", "vs_1_1", "ps_3_sw", "ps_2_a", "exit status", "UTF-8"})
        EXPECT_NE(std::string::npos, help.find(text)) << text;
}

} // namespace
