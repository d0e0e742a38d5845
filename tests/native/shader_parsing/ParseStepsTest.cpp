#include "ParserTestSupport.h"

namespace {

typedef GvMFCShaderSyntaxParser Parser;
typedef Parser::ParseResult Result;

// Gives the steps' tests the category list that Parse hands the text step.
class StepParser : public GvMFCShaderHLSLParser
{
public:
    const GvLinkedList<KeywordCategory*>& Categories() const { return m_categories; }
};

void ExpectResult(const Result& expected, const Result& actual)
{
    EXPECT_EQ(std::make_tuple(expected.found, expected.endReached, expected.position),
              std::make_tuple(actual.found, actual.endReached, actual.position));
}

class ParseStepsTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override
    {
        GvLeakCheckedTest::SetUp();
        m_parser = std::make_unique<StepParser>();
    }
    void TearDown() override
    {
        m_parser.reset();
        GvLeakCheckedTest::TearDown();
    }

    Parser::ParseContext Context(const std::u16string& text, int position, int end) const
    {
        return Parser::ParseContext{U(text), m_parser->GetCharClassTable(), 42, position,
                                    end < 0 ? static_cast<int>(text.size()) : end};
    }
    Result WhiteSpace(const std::u16string& text, int position, int end = -1) const
    {
        return m_parser->GetWhiteSpaceParser().Parse(Context(text, position, end));
    }
    Result Text(const std::u16string& text, int position, int end = -1) const
    {
        return m_parser->GetTextParser().Parse(Context(text, position, end), m_parser->Categories());
    }

    std::unique_ptr<StepParser> m_parser;
};

TEST_F(ParseStepsTest, WhiteSpaceStepResultsAndCommentsRunningIntoTheEnd)
{
    ExpectResult({false, true, 3}, WhiteSpace(u"abc", 3));
    ExpectResult({true, false, 3}, WhiteSpace(u"   x", 0));
    ExpectResult({false, false, 0}, WhiteSpace(u"x", 0));
    ExpectResult({true, true, 3}, WhiteSpace(u"\t\r\n", 0));
    ExpectResult({true, false, 8}, WhiteSpace(u" a /*c*/b", 2));
    ExpectResult({true, false, 15}, WhiteSpace(u"/* a */ // b\n  y", 0));
    // A lone "/" fits neither opening sequence.
    ExpectResult({false, false, 0}, WhiteSpace(u"/", 0));
    ExpectResult({false, false, 0}, WhiteSpace(u"/x", 0));
    ExpectResult({true, true, 4}, WhiteSpace(u"/* x", 0));
    // A closing sequence that ends exactly at end also reports the end.
    ExpectResult({true, true, 7}, WhiteSpace(u"/* x */", 0));
    ExpectResult({true, true, 8}, WhiteSpace(u"/* x */ ", 0));
    ExpectResult({true, true, 4}, WhiteSpace(u"//x\nmov", 0, 4));
    ExpectResult({true, false, 4}, WhiteSpace(u"//x\nmov", 0));
    // The closing sequence must lie before end to count.
    ExpectResult({true, true, 3}, WhiteSpace(u"/* */ x", 0, 3));
    ExpectResult({true, true, 5}, WhiteSpace(u"/* *//", 0, 5));
}

TEST_F(ParseStepsTest, CommentBlocksWithEmptySequencesAndTwoThatOpen)
{
    const Parser::CommentBlock neverOpens(U(u""), U(u"\n"));
    const Parser::CommentBlock closesAtOnce(U(u"#"), U(u""));
    const std::u16string text = u"#abc";
    const Parser::ParseContext context{U(text), m_parser->GetCharClassTable(), 0, 0, 4};
    ExpectResult({false, false, 0}, neverOpens.Match(context, 0));
    ExpectResult({true, false, 1}, closesAtOnce.Match(context, 0));
    const Parser::ParseContext oneUnit{U(text), m_parser->GetCharClassTable(), 0, 0, 1};
    ExpectResult({true, true, 1}, closesAtOnce.Match(oneUnit, 0));
    // Of two blocks that open, the first added is taken.
    auto parser = std::make_unique<Parser>();
    parser->GetWhiteSpaceParser().AddCommentBlock(U(u"/"), U(u"x"));
    parser->GetWhiteSpaceParser().AddCommentBlock(U(u"//"), U(u"\n"));
    const std::u16string line = u"//ab x c\nd";
    const Parser::ParseContext both{U(line), parser->GetCharClassTable(), 0, 0, static_cast<int>(line.size())};
    ExpectResult({true, false, 7}, parser->GetWhiteSpaceParser().Parse(both));
}

TEST_F(ParseStepsTest, TextStepWithWordsAndTheLongestOperatorOfTheFirstMatchingCategory)
{
    m_parser->AddKeywordCategory(U(u"Types"), false)->AddKeyword(U(u"float4"));
    ExpectResult({false, true, 6}, Text(u"float4", 6));
    ExpectResult({true, false, 6}, Text(u"float4 x", 0));
    ExpectResult({true, true, 6}, Text(u"float4", 0));
    ExpectResult({true, false, 3}, Text(u"zzz y", 0));
    ExpectResult({true, true, 3}, Text(u"zzz", 0));
    ExpectResult({true, false, 3}, Text(u"123 y", 0));
    ExpectResult({false, false, 0}, Text(u"+ y", 0));
    AddCategory(*m_parser, u"Operators", true, {u"+", u"+=", u"<<="});
    ExpectResult({true, false, 2}, Text(u"+= y", 0));
    ExpectResult({true, false, 1}, Text(u"+- y", 0));
    ExpectResult({false, false, 1}, Text(u"+- y", 1));
    ExpectResult({true, true, 1}, Text(u"+", 0));
    ExpectResult({true, true, 1}, Text(u"+=", 0, 1));
    ExpectResult({true, false, 3}, Text(u"<<=<", 0));
    ExpectResult({false, false, 0}, Text(u"<<", 0));

    auto parser = std::make_unique<StepParser>();
    parser->AddKeywordCategory(U(u"Short"), true)->AddKeyword(U(u"+"));
    parser->AddKeywordCategory(U(u"Long"), true)->AddKeyword(U(u"+="));
    const std::u16string text = u"+=";
    const Parser::ParseContext context{U(text), parser->GetCharClassTable(), 0, 0, 2};
    ExpectResult({true, false, 1}, parser->GetTextParser().Parse(context, parser->Categories()));
    Parser::KeywordCategory* words = AddCategory(*m_parser, u"Words", false, {u"a"});
    Parser::KeywordCategory* ops = AddCategory(*m_parser, u"Ops", true, {u"a"});
    const unsigned short run[] = {'a', 0};
    const Parser::ParseContext atA{run, m_parser->GetCharClassTable(), 0, 0, 1};
    const unsigned int hash = Parser::KeywordCategory::HashRun(run, 1);
    ExpectResult({true, true, 1}, words->Match(atA, run, 1, hash));
    ExpectResult({false, false, 0}, ops->Match(atA, run, 1, hash));
}

} // namespace
