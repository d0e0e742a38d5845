#include "ParserTestSupport.h"

// The indexes beside the category lists: the word index, the operator
// starts and the word revision must follow every change of the categories
// and comment blocks, between parses as well as before the first.
namespace {

typedef GvMFCShaderSyntaxParser Parser;
typedef RecordingParser<Parser> BaseRecorder;
typedef RecordingParser<GvMFCShaderHLSLParser> HlslRecorder;

// Opens the word revision to the tests; which keyword the index holds shows
// in what a parse reports (SyntaxParserTest).
class IndexProbe : public Parser
{
public:
    using Parser::GetWordRevision;
};

using ParserIndexTest = GvLeakCheckedTest;

TEST_F(ParserIndexTest, WordsWithOneKeyAreToldApartByTheirFirstUnits)
{
    // Units four apart share a lane of the key, so a swap of two of them
    // keeps the key; only the units before the last four tell these apart.
    auto parser = std::make_unique<BaseRecorder>();
    AddCategory(*parser, u"Words", false, {u"abcde", u"abcdefgh"});
    parser->ParseAll(u"ebcda abcde ebcdafgh abcdefgh aecdefgb");
    EXPECT_EQ((Words{"abcde", "abcdefgh"}), parser->found);
}

TEST_F(ParserIndexTest, OperatorStartsFollowKeywordsAndCategories)
{
    auto parser = std::make_unique<HlslRecorder>();
    parser->AddKeywordCategory(U(u"Words"), false)->AddKeyword(U(u"b"));
    Parser::KeywordCategory* ops = parser->AddKeywordCategory(U(u"Ops"), true);
    const std::u16string text = u"=/* b */ b";
    const auto parse = [&] {
        parser->found.clear();
        parser->ParseAll(text);
        return parser->found;
    };
    EXPECT_EQ(Words{"b"}, parse());
    ops->AddKeyword(U(u"=/"));
    EXPECT_EQ((Words{"b", "b"}), parse());
    // Another keyword with the same first unit keeps "=" a start.
    ops->AddKeyword(U(u"=="));
    ops->RemoveKeyword(U(u"=/"));
    EXPECT_EQ(Words{"b"}, parse());
    ops->AddKeyword(U(u"=/"));
    ops->RemoveKeyword(U(u"=="));
    EXPECT_EQ((Words{"b", "b"}), parse());

    auto copy = std::make_unique<HlslRecorder>(*parser);
    copy->found.clear();
    copy->ParseAll(text);
    EXPECT_EQ((Words{"b", "b"}), copy->found);

    // A category that the parser does not hold adds no start.
    parser->RemoveKeywordCategory(U(u"Ops"));
    Parser::KeywordCategory loose(parser.get(), U(u"Loose"), true);
    loose.AddKeyword(U(u"=/"));
    EXPECT_EQ(Words{"b"}, parse());
}

TEST_F(ParserIndexTest, CommentBlocksChangedBetweenParsesTakePartAtOnce)
{
    auto parser = std::make_unique<BaseRecorder>();
    parser->AddKeywordCategory(U(u"Words"), false)->AddKeyword(U(u"b"));
    const auto parse = [&] {
        parser->found.clear();
        parser->ParseAll(u"a<!-- b -- b --> b");
        return parser->found;
    };
    EXPECT_EQ((Words{"b", "b", "b"}), parse());
    // The closing sequence is found after a partial match of it.
    parser->GetWhiteSpaceParser().AddCommentBlock(U(u"<!--"), U(u"-->"));
    EXPECT_EQ(Words{"b"}, parse());
    parser->GetWhiteSpaceParser().RemoveAllCommentBlocks();
    EXPECT_EQ((Words{"b", "b", "b"}), parse());
}

// Changes the parser when it reports "start": a "#" comment block, and the
// operator "=/" that swallows the opening of a "/*" comment.
class ChangingParser : public HlslRecorder
{
public:
    void OnKeywordFound(Keyword* keyword) override
    {
        HlslRecorder::OnKeywordFound(keyword);
        if (found.back() != "start")
            return;
        GetWhiteSpaceParser().AddCommentBlock(U(u"#"), U(u"\n"));
        AddKeywordCategory(U(u"Ops"), true)->AddKeyword(U(u"=/"));
    }
};

TEST_F(ParserIndexTest, ChangesMadeByTheCallbackTakePartAtOnce)
{
    auto parser = std::make_unique<ChangingParser>();
    AddCategory(*parser, u"Words", false, {u"a", u"b", u"start"});
    parser->ParseAll(u"# a\n=/* b */ start # a\n=/* b */");
    EXPECT_EQ((Words{"a", "start", "b"}), parser->found);
}

TEST_F(ParserIndexTest, WordRevisionMovesOnWithEveryWordChange)
{
    auto parser = std::make_unique<IndexProbe>();
    Parser::KeywordCategory* words = parser->AddKeywordCategory(U(u"Words"), false);
    Parser::KeywordCategory* ops = parser->AddKeywordCategory(U(u"Ops"), true);
    unsigned int revision = parser->GetWordRevision();
    const auto movedOn = [&] {
        const bool moved = parser->GetWordRevision() != revision;
        revision = parser->GetWordRevision();
        return moved;
    };
    words->AddKeyword(U(u"mov"));
    EXPECT_TRUE(movedOn());
    words->AddKeyword(U(u"add"));
    EXPECT_TRUE(movedOn());
    words->RemoveKeyword(U(u"add"));
    EXPECT_TRUE(movedOn());
    parser->AddKeywordCategory(U(u"Later"), false)->AddKeyword(U(u"mov"));
    EXPECT_TRUE(movedOn());
    // The shadowed keyword is not the one reported, yet its end counts too.
    parser->RemoveKeyword(U(u"Later"), U(u"mov"));
    EXPECT_TRUE(movedOn());
    parser->RemoveKeywordCategory(U(u"Later"));
    EXPECT_TRUE(movedOn());
    // Operator keywords, lookups and parses leave it.
    ops->AddKeyword(U(u"+"));
    ops->RemoveKeyword(U(u"+"));
    words->AddKeyword(U(u"mov"));
    parser->Parse(U(u"mov"), 0, 0, 3);
    EXPECT_FALSE(movedOn());
    parser->RemoveAllKeywordCategory();
    EXPECT_TRUE(movedOn());
}

} // namespace
