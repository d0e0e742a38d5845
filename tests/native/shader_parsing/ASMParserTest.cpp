#include <new>
#include "ParserTestSupport.h"

namespace {

typedef GvMFCShaderSyntaxParser Parser;
typedef GvMFCShaderASMParser AsmParser;

class ASMParserTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override
    {
        GvLeakCheckedTest::SetUp();
        m_parser = std::make_unique<AsmParser>();
        m_words = m_parser->AddKeywordCategory(U(u"Instructions"), false);
    }
    void TearDown() override
    {
        m_parser.reset();
        GvLeakCheckedTest::TearDown();
    }

    void AddWords(std::initializer_list<const char16_t*> words)
    {
        for (const char16_t* word : words)
            m_words->AddKeyword(U(word));
    }
    void ParseText(const std::u16string& text) { m_parser->Parse(U(text), 0, 0, static_cast<int>(text.size())); }
    std::pair<int, int> Count(int version, const std::u16string& text)
    {
        m_parser->SetShaderVersion(static_cast<GvShaderVersion>(version));
        m_parser->InitInstructionCounts();
        ParseText(text);
        return Counts(*m_parser);
    }
    static std::pair<int, int> Counts(const AsmParser& parser)
    {
        return {parser.GetALUOpCount(), parser.GetTexOpCount()};
    }
    int OpCount() const { return OpCountOf(*m_parser); }
    static int OpCountOf(const AsmParser& parser)
    {
        int n = 0;
        for (int i = 0; i < Parser::BUCKET_COUNT; ++i)
            n += parser.GetShaderOps(i).GetCount();
        return n;
    }
    void ExpectOp(const char16_t* name, AsmParser::OpType type, int count)
    {
        const AsmParser::ShaderOp* op = m_parser->FindShaderOp(U(name));
        ASSERT_NE(nullptr, op) << GvUtf16ToUtf8(U(name));
        EXPECT_EQ(std::make_pair(type, count), std::make_pair(op->type, op->count)) << GvUtf16ToUtf8(U(name));
    }
    void ExpectNoOp(const char16_t* name)
    {
        EXPECT_EQ(nullptr, m_parser->FindShaderOp(U(name))) << GvUtf16ToUtf8(U(name));
    }

    std::unique_ptr<AsmParser> m_parser;
    Parser::KeywordCategory* m_words = nullptr;
};

TEST_F(ASMParserTest, PixelShader1xHasScaleModifiersAndNoPartialPrecision)
{
    m_parser->SetShaderVersion(GV_PS_1_2);
    ExpectOp(u"mad_x4_sat", AsmParser::OP_ALU, 1);
    ExpectOp(u"lrp_d8", AsmParser::OP_ALU, 3);
    ExpectOp(u"texm3x3vspec", AsmParser::OP_TEX, 1);
    ExpectNoOp(u"mad_pp");
    ExpectNoOp(u"mad_sat_x2");
    // 14 variants per base, in the documented order.
    const Words expected = {"mad",        "mad_sat",    "mad_x2",     "mad_x2_sat", "mad_x4",
                            "mad_x4_sat", "mad_x8",     "mad_x8_sat", "mad_d2",     "mad_d2_sat",
                            "mad_d4",     "mad_d4_sat", "mad_d8",     "mad_d8_sat"};
    Words names;
    const AsmParser::OpList& list = m_parser->GetShaderOps('m');
    for (auto it = list.Begin(); it != list.End(); ++it)
        names.push_back(GvUtf16ToUtf8((*it)->name));
    ASSERT_EQ(42u, names.size()); // mad, mov, mul
    EXPECT_EQ(expected, Words(names.begin(), names.begin() + 14));
    EXPECT_EQ(11 * 14 + 22, OpCount());
}

TEST_F(ASMParserTest, ANewParserHasTheVertexShader20TableAndEachVersionValueSelectsItsOwn)
{
    EXPECT_EQ(GV_VS_2_0, m_parser->GetShaderVersion());
    EXPECT_EQ(std::make_pair(0, 0), Counts(*m_parser));
    EXPECT_EQ(43 * 3, OpCount());
    ExpectOp(u"sincos_pp", AsmParser::OP_ALU, 8);
    ExpectNoOp(u"texld");
    const std::tuple<int, int, const char16_t*, AsmParser::OpType, int> cases[] = {
        {1, 75, u"exp_sat", AsmParser::OP_ALU, 10},     {2, 129, u"mova_pp", AsmParser::OP_ALU, 1},
        {3, 129, u"lit", AsmParser::OP_ALU, 3},         {4, 190, u"setp_gt_pp", AsmParser::OP_ALU, 1},
        {5, 190, u"texldl", AsmParser::OP_TEX, 2},      {6, 176, u"bem_d2_sat", AsmParser::OP_ALU, 2},
        {7, 176, u"texcoord", AsmParser::OP_TEX, 1},    {8, 176, u"cnd_x8", AsmParser::OP_ALU, 1},
        {9, 176, u"texreg2rgb", AsmParser::OP_TEX, 1},  {10, 161, u"texldp", AsmParser::OP_TEX, 1},
        {11, 161, u"dp2add_sat", AsmParser::OP_ALU, 2}, {12, 161, u"texldd", AsmParser::OP_TEX, 3},
        {13, 161, u"breakp", AsmParser::OP_ALU, 3},     {14, 183, u"setp_gt", AsmParser::OP_ALU, 8},
        {15, 183, u"texldp", AsmParser::OP_TEX, 3}};
    for (const auto& [version, ops, op, type, count] : cases) {
        m_parser->SetShaderVersion(static_cast<GvShaderVersion>(version));
        EXPECT_EQ(version, m_parser->GetShaderVersion());
        EXPECT_EQ(ops, OpCount()) << version;
        ExpectOp(op, type, count);
    }
    m_parser->SetShaderVersion(GV_PS_2_0);
    for (const char16_t* name : {u"texldl", u"nop", u"texld_pp"})
        ExpectNoOp(name);
    m_parser->SetShaderVersion(GV_VS_1_1);
    ExpectNoOp(u"mova");
}

TEST_F(ASMParserTest, SameVersionTwiceKeepsTheTableOtherValuesEmptyIt)
{
    m_parser->SetShaderVersion(GV_VS_2_X);
    m_parser->InsertOp(AsmParser::OP_TEX, U(u"custom"), 5);
    m_parser->SetShaderVersion(GV_VS_2_X);
    ExpectOp(u"custom", AsmParser::OP_TEX, 5);
    for (int version : {16, 0, -1, 1000}) {
        m_parser->SetShaderVersion(static_cast<GvShaderVersion>(version));
        EXPECT_EQ(version, m_parser->GetShaderVersion());
        EXPECT_EQ(0, OpCount());
    }
    AddWords({u"mov", u"add"});
    EXPECT_EQ(std::make_pair(0, 0), Count(16, u"mov r0, r1\nadd r0, r0, r1"));
}

TEST_F(ASMParserTest, DocumentedCountWithTexldpAndSincosAndAPixelShader14Program)
{
    AddWords({u"texldp", u"sincos"});
    EXPECT_EQ(std::make_pair(8, 3), Count(GV_PS_3_0, u"texldp r0, t0, s0\nsincos r1.xy, r2.x\n"));
    AddWords({u"mad_d8_sat", u"lrp_x4", u"cnd_d2", u"bem_sat", u"texcrd", u"texld", u"phase", u"mov_x2_pp", u"def"});
    const std::u16string text =
        u"ps_1_4\ndef c0, 1, 0, 0, 1\ntexcrd r0.xyz, t0\nbem_sat r1.xy, r0, r2\nphase\ntexld r1, r0\n"
        u"mad_d8_sat r0, r1, r2, r3\nlrp_x4 r0, c0, r1, r2 // lrp_x4\ncnd_d2 r0, r0.a, r1, r2\nmov_x2_pp r0, r1\n";
    EXPECT_EQ(std::make_pair(1 + 3 + 1 + 2, 2), Count(GV_PS_1_4, text));
}

TEST_F(ASMParserTest, CountsPerModelWithModifierVariantsAccumulateUntilReset)
{
    AddWords({u"m4x4", u"exp", u"mov_sat", u"mad_pp", u"add_x2", u"texld", u"texldl"});
    const std::u16string text = u"m4x4 oPos, v0, c0\nexp r0, r1\nmov_sat oD0, v1\nmad_pp r1, r2, r3, r4\n"
                                u"add_x2 r0, r1, r2\ntexld r0, t0\ntexldl r1, c0\n";
    const std::pair<int, int> expected[16] = {{0, 0}, {16, 0}, {7, 0}, {7, 0}, {7, 2}, {7, 2}, {2, 1}, {2, 1},
                                              {2, 1}, {2, 1},  {7, 1}, {7, 1}, {7, 1}, {7, 1}, {7, 3}, {7, 3}};
    for (int version = 1; version <= 15; ++version)
        EXPECT_EQ(expected[version], Count(version, text)) << version;
    EXPECT_EQ(expected[0], Count(0, text));
    AddWords({u"mov", u"texld"});
    EXPECT_EQ(std::make_pair(1, 1), Count(GV_PS_2_0, u"mov r0, r1\ntexld r0, t0, s0"));
    ParseText(u"mov r0, r1 /* mov */ mov r1, r0");
    EXPECT_EQ(std::make_pair(3, 1), Counts(*m_parser));
    // Changing the model keeps the counters.
    m_parser->SetShaderVersion(GV_VS_1_1);
    EXPECT_EQ(std::make_pair(3, 1), Counts(*m_parser));
    m_parser->InitInstructionCounts();
    EXPECT_EQ(std::make_pair(0, 0), Counts(*m_parser));
}

TEST_F(ASMParserTest, LookupAndInsertChooseTheListByTheExactFirstUnitAndFoldTheRest)
{
    ExpectOp(u"mOV", AsmParser::OP_ALU, 1);
    ExpectOp(u"mOV_SAT", AsmParser::OP_ALU, 1);
    for (const char16_t* name : {u"MOV", u"Mov", u"mo", u"movv", u"", u"\u0100mov"})
        ExpectNoOp(name);
    EXPECT_EQ(nullptr, m_parser->FindShaderOp(nullptr));
    // Case is folded beyond the first unit only.
    m_parser->InsertOp(AsmParser::OP_TEX, U(u"Mov"), 5);
    ExpectOp(u"MOV", AsmParser::OP_TEX, 5);
    ExpectOp(u"mov", AsmParser::OP_ALU, 1);
    m_parser->InsertOp(AsmParser::OP_ALU, U(u"t\u00E9x"), 2);
    ExpectOp(u"t\u00C9X", AsmParser::OP_ALU, 2);
    ExpectNoOp(u"t\u00C8X");
    for (int i = 0; i < 500; ++i) {
        const std::string name = "q" + std::to_string(i);
        m_parser->InsertOp(AsmParser::OP_ALU, U(std::u16string(name.begin(), name.end())), i);
    }
    ExpectOp(u"q0", AsmParser::OP_ALU, 0);
    ExpectOp(u"q499", AsmParser::OP_ALU, 499);
    ExpectNoOp(u"q500");
    // An existing name keeps its op; a name without a list adds nothing.
    m_parser->InsertOp(AsmParser::OP_TEX, U(u"mov"), 9);
    ExpectOp(u"mov", AsmParser::OP_ALU, 1);
    m_parser->InsertOp(AsmParser::OP_TEX, U(u"zz"), 2);
    m_parser->InsertOp(AsmParser::OP_ALU, U(u"zz"), 7);
    ExpectOp(u"zz", AsmParser::OP_TEX, 2);
    EXPECT_EQ(2, m_parser->GetShaderOps('z').GetCount());
    const int before = OpCount();
    m_parser->InsertOp(AsmParser::OP_ALU, U(u"\u0100x"), 1);
    m_parser->InsertOp(AsmParser::OP_ALU, nullptr, 1);
    EXPECT_EQ(before, OpCount());
}

TEST_F(ASMParserTest, AllThreeParsersAddTheSameCommentBlocksInOrder)
{
    auto hlsl = std::make_unique<GvMFCShaderHLSLParser>();
    auto glsl = std::make_unique<GvMFCShaderGLSLParser>();
    for (const Parser* parser : {static_cast<const Parser*>(m_parser.get()), static_cast<const Parser*>(hlsl.get()),
                                 static_cast<const Parser*>(glsl.get())}) {
        const auto& blocks = parser->GetWhiteSpaceParser().GetCommentBlocks();
        ASSERT_EQ(2, blocks.GetCount());
        const auto *block = blocks.GetHead()->m_value, *line = blocks.GetTail()->m_value;
        EXPECT_EQ((Words{"/*", "*/", "//", "\n"}), (Words{GvUtf16ToUtf8(block->m_start), GvUtf16ToUtf8(block->m_end),
                                                          GvUtf16ToUtf8(line->m_start), GvUtf16ToUtf8(line->m_end)}));
    }
}

TEST_F(ASMParserTest, CopiesDuplicateTheOpTableAndCountForThemselves)
{
    AddWords({u"mov", u"texld"});
    Count(GV_PS_2_0, u"mov r0, r1\ntexld r0, t0, s0");
    m_parser->InsertOp(AsmParser::OP_ALU, U(u"zz"), 4);

    auto copy = std::make_unique<AsmParser>(*m_parser);
    EXPECT_EQ(GV_PS_2_0, copy->GetShaderVersion());
    EXPECT_EQ(std::make_pair(1, 1), Counts(*copy));
    EXPECT_EQ(2, copy->GetWhiteSpaceParser().GetCommentBlocks().GetCount());
    EXPECT_NE(m_parser->FindShaderOp(U(u"zz")), copy->FindShaderOp(U(u"zz")));
    ASSERT_NE(nullptr, copy->FindShaderOp(U(u"zz")));
    EXPECT_EQ(4, copy->FindShaderOp(U(u"zz"))->count);

    const std::u16string text = u"mov r0, r1 // mov\ntexld r0, t0, s0";
    copy->Parse(U(text), 0, 0, static_cast<int>(text.size()));
    EXPECT_EQ(std::make_pair(2, 2), Counts(*copy));
    EXPECT_EQ(std::make_pair(1, 1), Counts(*m_parser));

    auto assigned = std::make_unique<AsmParser>();
    assigned->SetShaderVersion(GV_VS_1_1);
    *assigned = *copy;
    AsmParser& self = *assigned;
    *assigned = self;
    EXPECT_EQ(std::make_pair(GV_PS_2_0, 2), std::make_pair(assigned->GetShaderVersion(), assigned->GetALUOpCount()));
    EXPECT_EQ(161 + 1, OpCountOf(*assigned));
    assigned->InitInstructionCounts();
    assigned->Parse(U(text), 0, 0, static_cast<int>(text.size()));
    EXPECT_EQ(1, assigned->GetALUOpCount());
    EXPECT_EQ(2, copy->GetALUOpCount());
}

// The op remembered for each counted keyword must be dropped whenever the
// op table or the keywords change, and counting must never allocate.
TEST_F(ASMParserTest, RememberedOpsFollowEveryChangeOfTheTableAndTheKeywords)
{
    AddWords({u"texld", u"sincos", u"mova", u"r0", u"dcl", u"mov"});
    const std::u16string text = u"texld r0, t0\nsincos r0.x\nmova a0, r0";
    EXPECT_EQ(std::make_pair(8, 1), Count(GV_PS_2_0, text));
    // The ops seen so far are destroyed; none of them may be counted again.
    EXPECT_EQ(std::make_pair(9, 0), Count(GV_VS_2_0, text));
    EXPECT_EQ(std::make_pair(0, 0), Count(GV_SHADER_NONE, text));
    EXPECT_EQ(std::make_pair(8, 1), Count(GV_PS_2_0, text));
    // Inserted ops and ops the caller changes count at once.
    EXPECT_EQ(std::make_pair(1, 0), Count(GV_VS_2_0, u"dcl t0\nmov r0, t0"));
    m_parser->InsertOp(AsmParser::OP_TEX, U(u"dcl"), 5);
    EXPECT_EQ(std::make_pair(1, 5), Count(GV_VS_2_0, u"dcl t0\nmov r0, t0"));
    AsmParser::ShaderOp* mov = m_parser->FindShaderOp(U(u"mov"));
    mov->count = 4;
    mov->type = AsmParser::OP_TEX;
    EXPECT_EQ(std::make_pair(0, 9), Count(GV_VS_2_0, u"dcl t0\nmov r0, t0"));
    // Removed and replaced keywords count by their names.
    EXPECT_EQ(std::make_pair(1, 0), Count(GV_PS_2_0, u"mov"));
    m_words->RemoveKeyword(U(u"mov"));
    m_words->AddKeyword(U(u"texldp"));
    EXPECT_EQ(std::make_pair(0, 1), Count(GV_PS_2_0, u"mov texldp"));
    m_parser->RemoveKeywordCategory(U(u"Instructions"));
    m_words = m_parser->AddKeywordCategory(U(u"Again"), false);
    AddWords({u"sincos", u"texld"});
    EXPECT_EQ(std::make_pair(8, 1), Count(GV_PS_2_0, u"mov texld sincos"));
}

TEST_F(ASMParserTest, KeywordsOfNoCategoryOrBeyondTheRememberedAreLookedUpWithoutAllocating)
{
    // Two keywords at one address: what is kept for the first must not
    // answer for the second.
    alignas(Parser::Keyword) unsigned char storage[sizeof(Parser::Keyword)];
    for (const char16_t* name : {u"mov", u"sincos"}) {
        Parser::Keyword* keyword = new (storage) Parser::Keyword(U(name));
        m_parser->OnKeywordFound(keyword);
        keyword->~Keyword();
    }
    EXPECT_EQ(1 + 8, m_parser->GetALUOpCount());
    // More keywords than the parser remembers; the rest are looked up by name.
    std::u16string text;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "w" + std::to_string(i);
        const std::u16string word(name.begin(), name.end());
        m_words->AddKeyword(U(word));
        text += word + u" mov_sat texldp ";
    }
    AddWords({u"mov_sat", u"texldp"});
    m_parser->SetShaderVersion(GV_PS_3_0);
    const size_t before = GvGetAllocationCount();
    EXPECT_EQ(std::make_pair(300, 900), Count(GV_PS_3_0, text));
    EXPECT_EQ(std::make_pair(300, 900), Count(GV_PS_3_0, text));
    EXPECT_EQ(before, GvGetAllocationCount());
}

// A table (built or copied) costs its ops' three buffers each (op, name, list
// node) and at most two index sizings, not a temporary name per op and an
// index rebuilt each time it runs full.
TEST_F(ASMParserTest, TablesAreBuiltWithThreeBuffersPerOp)
{
    m_parser->SetShaderVersion(static_cast<GvShaderVersion>(16));
    for (int version : {GV_PS_3_0, GV_PS_1_1, GV_VS_3_0}) {
        SCOPED_TRACE(version);
        size_t before = GvGetAllocationCount();
        m_parser->SetShaderVersion(static_cast<GvShaderVersion>(version));
        const size_t ops = static_cast<size_t>(OpCount());
        EXPECT_LE(GvGetAllocationCount() - before, 3 * ops + 3);

        AsmParser copy;
        copy.SetShaderVersion(static_cast<GvShaderVersion>(16));
        copy.RemoveAllKeywordCategory();
        before = GvGetAllocationCount();
        copy = *m_parser;
        EXPECT_EQ(ops, static_cast<size_t>(OpCountOf(copy)));
        // Besides: the empty category, the two comment blocks and the
        // indexes of both, 18 buffers at most.
        EXPECT_LE(GvGetAllocationCount() - before, 3 * ops + 18);
        m_parser->SetShaderVersion(static_cast<GvShaderVersion>(16));
    }
}

} // namespace
