#include "ParserTestSupport.h"

namespace {

typedef GvMFCShaderSyntaxParser Parser;
typedef RecordingParser<Parser> BaseRecorder;
typedef RecordingParser<GvMFCShaderHLSLParser> HlslRecorder;

using SyntaxParserTest = GvLeakCheckedTest;

TEST_F(SyntaxParserTest, CharacterClassesFollowTheTable)
{
    auto parser = std::make_unique<Parser>();
    const unsigned int* table = parser->GetCharClassTable();
    int counts[4] = {0, 0, 0, 0};
    for (int i = 0; i < Parser::CHAR_CLASS_COUNT; ++i) {
        ASSERT_LT(table[i], 4u) << i;
        ++counts[table[i]];
    }
    EXPECT_EQ(53, counts[1]);
    EXPECT_EQ(10, counts[2]);
    EXPECT_EQ(28, counts[3]); // ASCII punctuation without [ ] ^ _
    for (char c : std::string("!\"#$%&'()*+,-./:;<=>?@\\`{|}~"))
        EXPECT_EQ(3u, table[static_cast<unsigned char>(c)]) << c;
    for (int c : {'A', 'Z', 'a', 'z', '_'})
        EXPECT_EQ(1u, table[c]);
    for (int c : {'0', '9'})
        EXPECT_EQ(2u, table[c]);
    for (int c :
         {int(' '), int('\t'), int('\r'), int('\n'), int('['), int(']'), int('^'), 0, 0x7F, 0xE9, 0x100, 0xFFFF})
        EXPECT_EQ(0u, table[c]) << c;
}

TEST_F(SyntaxParserTest, ReportsWordKeywordsInTextOrderWithTheirCategoryObjects)
{
    auto parser = std::make_unique<BaseRecorder>();
    Parser::KeywordCategory* ops = AddCategory(*parser, u"Instructions", false, {u"mov", u"add"});
    Parser::KeywordCategory* regs = AddCategory(*parser, u"Registers", false, {u"r0"});
    parser->ParseAll(u"add r0, r1, c0\nmov r0.xy, r0\nsub\n");
    EXPECT_EQ((Words{"add", "r0", "mov", "r0", "r0"}), parser->found);
    EXPECT_EQ(ops->FindKeyword(U(u"add")), parser->keywords[0]);
    EXPECT_EQ(regs->FindKeyword(U(u"r0")), parser->keywords[1]);
}

TEST_F(SyntaxParserTest, TheFirstCategoryHoldingAWordWinsThroughEveryChange)
{
    auto parser = std::make_unique<BaseRecorder>();
    Parser::KeywordCategory* first = parser->AddKeywordCategory(U(u"First"), false);
    Parser::KeywordCategory* second = parser->AddKeywordCategory(U(u"Second"), false);
    auto reported = [&]() -> Parser::Keyword* {
        parser->keywords.clear();
        parser->ParseAll(u"w x;");
        EXPECT_GE(1u, parser->keywords.size()) << "one report for a word that two categories hold";
        return parser->keywords.empty() ? nullptr : parser->keywords[0];
    };
    second->AddKeyword(U(u"w"));
    EXPECT_EQ(second->FindKeyword(U(u"w")), reported());
    first->AddKeyword(U(u"w"));
    EXPECT_EQ(first->FindKeyword(U(u"w")), reported());
    first->RemoveKeyword(U(u"w"));
    EXPECT_EQ(second->FindKeyword(U(u"w")), reported());
    first->AddKeyword(U(u"w"));
    parser->RemoveKeywordCategory(U(u"FIRST"));
    EXPECT_EQ(second->FindKeyword(U(u"w")), reported());
    second->RemoveKeyword(U(u"w"));
    EXPECT_EQ(nullptr, reported());
    for (int i = 0; i < 200; ++i) {
        const std::string word = "w" + std::to_string(i);
        second->AddKeyword(U(std::u16string(word.begin(), word.end())));
    }
    parser->keywords.clear();
    parser->ParseAll(u"w0 w199 w200");
    EXPECT_EQ((Words{"w0", "w199"}), Words(parser->found.end() - 2, parser->found.end()));
}

TEST_F(SyntaxParserTest, TextStepOverAnotherListTriesItsOrder)
{
    auto parser = std::make_unique<BaseRecorder>();
    Parser::KeywordCategory* first = AddCategory(*parser, u"First", false, {u"w"});
    Parser::KeywordCategory* second = AddCategory(*parser, u"Second", false, {u"w"});
    GvLinkedList<Parser::KeywordCategory*> reversed;
    reversed.Append(second);
    reversed.Append(first);
    const std::u16string text = u"w";
    const Parser::ParseContext context{U(text), parser->GetCharClassTable(), 0, 0, 1};
    const Parser::ParseResult result = parser->GetTextParser().Parse(context, reversed);
    EXPECT_TRUE(result.found && result.endReached);
    ASSERT_EQ(1u, parser->keywords.size());
    EXPECT_EQ(second->FindKeyword(U(u"w")), parser->keywords[0]);
}

TEST_F(SyntaxParserTest, CategoryNamesIgnoreCaseKeywordsDoNot)
{
    auto parser = std::make_unique<BaseRecorder>();
    Parser::KeywordCategory* first = parser->AddKeywordCategory(U(u"keywords"), false);
    Parser::KeywordCategory* twin = parser->AddKeywordCategory(U(u"KEYWORDS"), false);
    EXPECT_EQ(first, parser->FindKeywordCategory(U(u"Keywords")));
    EXPECT_NE(twin, parser->FindKeywordCategory(U(u"keywords")));
    EXPECT_TRUE(!parser->FindKeywordCategory(U(u"Keyword")) && !parser->FindKeywordCategory(nullptr));
    EXPECT_EQ(first, static_cast<const Parser&>(*parser).FindKeywordCategory(U(u"KeyWords")));

    parser->AddKeyword(U(u"Keywords"), U(u"float"));
    EXPECT_TRUE(first->FindKeyword(U(u"float")) && !first->FindKeyword(U(u"Float")));
    parser->ParseAll(u"Float float FLOAT");
    EXPECT_EQ(Words{"float"}, parser->found);
}

template <typename Recorder>
Words FoundWithSomeWords(const char16_t* text)
{
    auto parser = std::make_unique<Recorder>();
    AddCategory(*parser, u"Words", false, {u"mov", u"a", u"b", u"float"});
    parser->ParseAll(text);
    return parser->found;
}

TEST_F(SyntaxParserTest, SeparatorsNumbersAndCommentsDecideWhatIsReported)
{
    // "2mov" is one run that starts with a digit: skipped whole. A line
    // comment without line feed ends the parse; the base parser has no comments.
    EXPECT_TRUE(std::make_unique<Parser>()->GetWhiteSpaceParser().GetCommentBlocks().IsEmpty());
    const std::tuple<Words (*)(const char16_t*), const char16_t*, Words> rows[] = {
        {FoundWithSomeWords<BaseRecorder>, u"float4x4 mov_sat floatx xfloat float", {"float"}},
        {FoundWithSomeWords<BaseRecorder>, u"2mov +mov 1.5mov (mov)", {"mov", "mov"}},
        {FoundWithSomeWords<BaseRecorder>, u"a[b]^a", {"a", "b", "a"}},
        {FoundWithSomeWords<BaseRecorder>, u"// mov\n/* mov */", {"mov", "mov"}},
        {FoundWithSomeWords<HlslRecorder>, u"/* a **/ mov /* mov */mov/*mov*/", {"mov", "mov"}},
        {FoundWithSomeWords<HlslRecorder>, u"mov // mov\nmov // mov mov", {"mov", "mov"}},
        {FoundWithSomeWords<HlslRecorder>, u"mov /* mov", {"mov"}}};
    for (const auto& [found, text, expected] : rows)
        EXPECT_EQ(expected, found(text)) << GvUtf16ToUtf8(GvW(text));
}

TEST_F(SyntaxParserTest, OperatorKeywordsAreMatchedButNotReported)
{
    auto parser = std::make_unique<BaseRecorder>();
    AddCategory(*parser, u"Operators", true, {u"+", u"+=", u"x"}); // a word in an operator category never matches
    AddCategory(*parser, u"Words", false, {u"a"});
    parser->ParseAll(u"a+=a +-a x");
    EXPECT_EQ((Words{"a", "a", "a"}), parser->found);
}

TEST_F(SyntaxParserTest, OnlyTheRangeIsRead)
{
    auto parser = std::make_unique<BaseRecorder>();
    AddCategory(*parser, u"Words", false, {u"mov", u"add"});
    // Empty, inverted or without text: nothing. A run is cut at the end.
    const std::u16string text = u"addmovx add";
    parser->Parse(U(text), 0, 3, 3);
    parser->Parse(U(text), 0, 5, 2);
    parser->Parse(nullptr, 0, 0, 3);
    EXPECT_TRUE(parser->found.empty());
    parser->Parse(U(text), 0, 3, 6);
    parser->Parse(U(text), 0, -4, 3);
    EXPECT_EQ((Words{"mov", "add"}), parser->found);
    // Exactly sized buffer without terminator: nothing is read behind it.
    std::vector<unsigned short> exact = {'a', 'd', 'd', ' ', 'm', 'o', 'v'};
    parser->found.clear();
    parser->Parse(exact.data(), 0, 0, static_cast<int>(exact.size()));
    EXPECT_EQ((Words{"add", "mov"}), parser->found);
}

TEST_F(SyntaxParserTest, AddingTwiceThenRemovingOnceLeavesNoWordAndWordsBeyondTheBucketsAreRefused)
{
    auto parser = std::make_unique<BaseRecorder>();
    Parser::KeywordCategory* words = parser->AddKeywordCategory(U(u"Words"), false);
    EXPECT_EQ(words->AddKeyword(U(u"mov")), words->AddKeyword(U(u"mov")));
    for (const char16_t* w : {u"mad", u"mul", u"Mov"})
        words->AddKeyword(U(w));
    EXPECT_EQ(4, words->GetBucket('m').GetCount() + words->GetBucket('M').GetCount());
    EXPECT_FALSE(words->RemoveKeyword(U(u"MOV")));
    parser->RemoveKeyword(U(u"words"), U(u"mov"));
    EXPECT_EQ(nullptr, words->FindKeyword(U(u"mov")));
    EXPECT_EQ((Words{"Mov", "mad", "mul"}), KeywordsOf(words));
    EXPECT_FALSE(words->RemoveKeyword(U(u"mov")));
    parser->RemoveKeyword(U(u"Nothing"), U(u"mov"));
    parser->AddKeyword(U(u"Nothing"), U(u"mov"));
    // Keywords beyond the bucket table are ignored; Latin-1 first units have
    // buckets of their own.
    for (const char16_t* w : {u"\u0100abc", u"\uFFFFx", static_cast<const char16_t*>(nullptr)})
        EXPECT_EQ(nullptr, words->AddKeyword(w ? U(w) : nullptr));
    EXPECT_EQ(3, words->GetKeywordCount());
    EXPECT_EQ(nullptr, words->FindKeyword(U(u"\u0100abc")));
    EXPECT_FALSE(words->RemoveKeyword(U(u"\u0100abc")));
    EXPECT_NE(nullptr, words->AddKeyword(U(u"\u00E9t\u00E9")));
    EXPECT_EQ(1, words->GetBucket(0xE9).GetCount());
    parser->ParseAll(u"mov \u0100abc abc");
    EXPECT_TRUE(parser->found.empty());
}

TEST_F(SyntaxParserTest, LookupStaysExactWithLargeBuckets)
{
    auto parser = std::make_unique<BaseRecorder>();
    Parser::KeywordCategory* words = parser->AddKeywordCategory(U(u"Words"), false);
    std::vector<std::u16string> names;
    for (int i = 0; i < 3000; ++i) {
        std::string ascii = "k" + std::to_string(i);
        names.emplace_back(ascii.begin(), ascii.end());
        words->AddKeyword(U(names.back()));
    }
    EXPECT_EQ((std::vector<int>{3000, 3000}),
              (std::vector<int>{words->GetKeywordCount(), words->GetBucket('k').GetCount()}));
    for (int i = 0; i < 3000; i += 2)
        EXPECT_TRUE(words->RemoveKeyword(U(names[i])));
    for (int i = 0; i < 3000; ++i)
        EXPECT_EQ(i % 2 == 1, words->FindKeyword(U(names[i])) != nullptr) << i;
    EXPECT_TRUE(!words->FindKeyword(U(u"k")) && !words->FindKeyword(U(u"k30000")));
    const Words order = KeywordsOf(words);
    ASSERT_EQ(1500u, order.size());
    EXPECT_EQ((Words{"k1", "k3", "k2999"}), (Words{order.front(), order[1], order.back()}));
    parser->ParseAll(u"k1 k2 k3 k4");
    EXPECT_EQ((Words{"k1", "k3"}), parser->found);
}

TEST_F(SyntaxParserTest, RemovingCategoriesDestroysThemAndTheirKeywords)
{
    auto parser = std::make_unique<BaseRecorder>();
    AddCategory(*parser, u"A", false, {u"a"});
    AddCategory(*parser, u"B", false, {u"b"});
    AddCategory(*parser, u"C", true, {u"+"});
    parser->RemoveKeywordCategory(U(u"unknown"));
    EXPECT_EQ((Words{"A", "B", "C"}), CategoryNames(*parser));
    parser->RemoveKeywordCategory(U(u"b"));
    EXPECT_EQ((Words{"A", "C"}), CategoryNames(*parser));
    parser->ParseAll(u"a b");
    EXPECT_EQ(Words{"a"}, parser->found);
    parser->RemoveAllKeywordCategory();
    EXPECT_TRUE(parser->BeginKeywordCategory() == parser->EndKeywordCategory());
}

TEST_F(SyntaxParserTest, OverLongRunsAreSkippedWhole)
{
    auto parser = std::make_unique<BaseRecorder>();
    const std::u16string longest(1023, u'a'), tooLong(1500, u'b'), dashes(1023, u'-');
    AddCategory(*parser, u"Words", false, {longest.c_str(), tooLong.c_str(), u"mov"});
    AddCategory(*parser, u"Operators", true, {u"+", dashes.c_str()});

    parser->ParseAll(longest + u" " + longest + u"a mov " + tooLong + u" mov");
    EXPECT_EQ((Words{std::string(1023, 'a'), "mov", "mov"}), parser->found);

    parser->found.clear();
    parser->ParseAll(std::u16string(5000, u'+') + u"mov" + std::u16string(3000, u'-') + u"mov");
    EXPECT_EQ((Words{"mov", "mov"}), parser->found);
}

TEST_F(SyntaxParserTest, CopiesAreDeepAndCallBackTheCopy)
{
    auto original = std::make_unique<RecordingParser<GvMFCShaderGLSLParser>>();
    original->m_commentColor = 1;
    original->m_foregroundColor = 2;
    original->m_backgroundColor = 3;
    original->m_highlightColor = 4;
    Parser::KeywordCategory* words = AddCategory(*original, u"Words", false, {u"vec4", u"void", u"mat4"});
    words->SetColor(0x123456);
    AddCategory(*original, u"Ops", true, {u"+="});

    auto copy = std::make_unique<RecordingParser<GvMFCShaderGLSLParser>>(*original);
    EXPECT_EQ((std::vector<unsigned>{1, 4}), (std::vector<unsigned>{copy->m_commentColor, copy->m_highlightColor}));
    ASSERT_EQ((Words{"Words", "Ops"}), CategoryNames(*copy));
    Parser::KeywordCategory* copied = copy->FindKeywordCategory(U(u"Words"));
    EXPECT_NE(words, copied);
    EXPECT_EQ(copy.get(), copied->GetParser());
    EXPECT_EQ(0x123456u, copied->GetColor());
    EXPECT_EQ((Words{"mat4", "vec4", "void"}), KeywordsOf(copied));
    EXPECT_TRUE(copy->FindKeywordCategory(U(u"Ops"))->IsOperator());
    EXPECT_TRUE(copy->GetWhiteSpaceParser().m_parser == copy.get() && copy->GetTextParser().m_parser == copy.get());
    EXPECT_EQ(2, copy->GetWhiteSpaceParser().GetCommentBlocks().GetCount());

    original->RemoveAllKeywordCategory();
    copy->ParseAll(u"vec4 v; // void\nmat4 m;");
    EXPECT_EQ((Words{"vec4", "mat4"}), copy->found);
    EXPECT_TRUE(original->found.empty());
    EXPECT_EQ(copied->FindKeyword(U(u"vec4")), copy->keywords[0]);
}

TEST_F(SyntaxParserTest, AssignmentReplacesEverythingAndSurvivesSelfAssignment)
{
    auto source = std::make_unique<BaseRecorder>();
    source->AddKeywordCategory(U(u"Words"), false)->AddKeyword(U(u"new"));
    source->GetWhiteSpaceParser().AddCommentBlock(U(u"#"), U(u"\n"));
    source->m_backgroundColor = 7;

    auto target = std::make_unique<BaseRecorder>();
    target->AddKeywordCategory(U(u"Old"), false)->AddKeyword(U(u"old"));
    target->GetWhiteSpaceParser().AddCommentBlock(U(u"/*"), U(u"*/"));
    *target = *source;
    BaseRecorder& self = *target;
    *target = self;
    EXPECT_EQ((Words{"Words"}), CategoryNames(*target));
    EXPECT_EQ(7u, target->m_backgroundColor);
    EXPECT_EQ(target.get(), target->FindKeywordCategory(U(u"Words"))->GetParser());
    EXPECT_EQ(1, target->GetWhiteSpaceParser().GetCommentBlocks().GetCount());
    target->ParseAll(u"old new # new\n/* new */");
    EXPECT_EQ((Words{"new", "new"}), target->found);
    EXPECT_TRUE(source->found.empty());
}

TEST_F(SyntaxParserTest, ParseAllocatesNothing)
{
    auto parser = std::make_unique<RecordingParser<GvMFCShaderHLSLParser>>();
    AddCategory(*parser, u"Words", false, {u"float4"});
    AddCategory(*parser, u"Ops", true, {u"+="});
    parser->found.reserve(16);
    parser->keywords.reserve(16);
    const size_t before = GvGetAllocationCount();
    parser->ParseAll(u"float4 a; /* float4 */ a += b; // x\nfloat4 c;");
    EXPECT_EQ(before, GvGetAllocationCount());
    EXPECT_EQ(2u, parser->found.size());
}

} // namespace
