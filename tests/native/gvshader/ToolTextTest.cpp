#include "GvShaderTool.h"
#include "ParserTestSupport.h"

namespace {

using namespace gvshader;
typedef std::vector<unsigned short> Units;

using ToolTextTest = GvLeakCheckedTest;

TEST_F(ToolTextTest, DecodesUtf8AndJsonQuotesReplacingEachMaximalIllFormedSubsequence)
{
    EXPECT_EQ((Units{'a', 0}), DecodeUtf8(std::string("a\0", 2)));
    EXPECT_EQ((Units{0xE9, 0x20AC, 0xFFFF}), DecodeUtf8("\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBF"));
    EXPECT_EQ((Units{0xD83D, 0xDE00, 0xDBFF, 0xDFFF}), DecodeUtf8("\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"));
    EXPECT_EQ((Units{0x80, 0x7FF, 0x800}), DecodeUtf8("\xC2\x80\xDF\xBF\xE0\xA0\x80"));
    EXPECT_TRUE(DecodeUtf8("").empty());
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
    EXPECT_EQ("\"plain\"", JsonQuote("plain"));
    EXPECT_EQ("\"a\\\"b\\\\c\\n\\t\\r\\b\\f\\u0001\\u001f\"", JsonQuote("a\"b\\c\n\t\r\b\f\x01\x1F"));
    EXPECT_EQ("\"caf\xC3\xA9\"", JsonQuote("caf\xC3\xA9"));
    EXPECT_EQ("\"x\xEF\xBF\xBDy\"", JsonQuote("x\xFFy"));
    EXPECT_EQ("\"\"", JsonQuote(""));
}

TEST_F(ToolTextTest, ParsesEachCommandAndHelpNamesEveryCommandOptionAndModel)
{
    Options o;
    std::string error;
    ASSERT_TRUE(ParseArguments({"keywords", "a.kwd"}, o, error)) << error;
    EXPECT_TRUE(o.command == Command::Keywords && o.files == std::vector<std::string>{"a.kwd"});

    ASSERT_TRUE(ParseArguments({"scan", "--keywords", "k.kwd", "s.fx"}, o, error)) << error;
    EXPECT_EQ(Command::Scan, o.command);
    EXPECT_EQ(std::make_pair(std::string("k.kwd"), std::string("hlsl")), std::make_pair(o.keywordFile, o.language));
    ASSERT_TRUE(ParseArguments({"scan", "s.fx", "--lang=none", "--keywords=k.kwd"}, o, error)) << error;
    EXPECT_EQ(std::make_pair(std::string("k.kwd"), std::string("none")), std::make_pair(o.keywordFile, o.language));

    ASSERT_TRUE(
        ParseArguments({"count", "--keywords", "k", "--model", "9", "--json", "--limits", "a", "--", "-b"}, o, error))
        << error;
    EXPECT_EQ(Command::Count, o.command);
    EXPECT_EQ(GV_PS_1_4, o.model->version);
    EXPECT_TRUE(o.json && o.limits);
    EXPECT_EQ((std::vector<std::string>{"a", "-b"}), o.files);
    ASSERT_TRUE(ParseArguments({"count", "--rules=compiler", "--lines", "a"}, o, error)) << error;
    EXPECT_EQ(GV_SLOT_RULES_COMPILER, o.rules);
    EXPECT_TRUE(o.lines && o.keywordFile.empty());
    ASSERT_TRUE(ParseArguments({"count", "--keywords", "k", "a"}, o, error)) << error;
    EXPECT_TRUE(o.rules == GV_SLOT_RULES_LIBRARY && !o.lines);
    for (const auto& args : std::vector<std::vector<std::string>>{{"count", "--keywords", "k", "a"},
                                                                  {"count", "--keywords", "k", "--model=AUTO", "a"}}) {
        ASSERT_TRUE(ParseArguments(args, o, error)) << error;
        EXPECT_EQ(nullptr, o.model);
    }

    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"help"}, {"count", "-h"}}) {
        ASSERT_TRUE(ParseArguments(args, o, error));
        EXPECT_EQ(Command::Help, o.command);
    }
    const std::string help = HelpText();
    for (const char* text :
         {"keywords", "scan", "count", "--keywords", "--lang", "--model", "--json", "--limits", "--rules library",
          "--rules compiler", "--lines", "_sat_pp", "co-issued", "vs_1_1", "ps_3_sw", "ps_2_a", "exit status", "UTF-8"})
        EXPECT_NE(std::string::npos, help.find(text)) << text;
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
        {"count", "--keywords", "k", "--model", "16", "a"},
        {"count", "--keywords", "k", "--model", "01", "a"},
        {"count", "--keywords", "k", "--model", "1"},
        {"count", "--model", "1", "a"},
        {"count", "--keywords", "k", "--model", "1", "--lang", "asm", "a"},
        {"count", "--keywords", "k", "--model", "1", "--verbose", "a"},
        {"count", "--rules", "fxc", "--keywords", "k", "a"},
        {"count", "--rules", "library", "a"},
        {"count", "a"},
        {"scan", "--keywords", "k", "--lines", "a"},
        {"count", "--rules"}};
    for (const auto& args : bad) {
        Options o;
        std::string error;
        EXPECT_FALSE(ParseArguments(args, o, error)) << ::testing::PrintToString(args);
        EXPECT_TRUE(!error.empty() && error.find('\n') == std::string::npos) << error;
    }
}

TEST_F(ToolTextTest, KeywordsJsonListsBucketsInOrderAndCountLinesTheirLimits)
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
    // The per-model limit forms of a count line; the tool's own runs check the
    // ps_2_0 limits in text and JSON.
    const GvShaderModel& ps20 = *GvGetShaderModel(GV_PS_2_0);
    EXPECT_EQ("a.asm: 70 arithmetic, 3 texture slots (ps_2_0)", CountLine("a.asm", ps20, 70, 3, false, false));
    EXPECT_EQ("b: 1 arithmetic, 0 texture slots (vs_1_1; limits: 128 slots in all; within)",
              CountLine("b", *GvFindShaderModel("vs_1_1"), 1, 0, false, true));
    EXPECT_EQ("b: 1 arithmetic, 0 texture slots (vs_3_sw; limits: none; within)",
              CountLine("b", *GvFindShaderModel("vs_3_sw"), 1, 0, false, true));
    EXPECT_EQ("c: 100 arithmetic, 0 texture slots (ps_2_a; limits: 512 slots in all; within)",
              CountLine("c", *GvFindShaderModel("ps_2_a"), 100, 0, false, true));
    EXPECT_EQ("{\"file\": \"d\\\\a.asm\", \"model\": 10, \"alu\": 70, \"tex\": 3}",
              CountLine("d\\a.asm", ps20, 70, 3, true, false));
    EXPECT_EQ("{\"file\": \"a\", \"model\": 14, \"alu\": 600, \"tex\": 3, \"limits\": {\"total\": 512}, "
              "\"exceeded\": true}",
              CountLine("a", *GvFindShaderModel("ps_3_0"), 600, 3, true, true));
}

} // namespace
