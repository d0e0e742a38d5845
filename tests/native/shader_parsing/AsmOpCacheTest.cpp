#include <new>
#include "ParserTestSupport.h"

// The assembly parser remembers the op of each keyword it counted. What it
// remembers must be dropped whenever the op table or the keywords change,
// and counting must never allocate.
namespace {

typedef GvMFCShaderSyntaxParser Parser;
typedef GvMFCShaderASMParser AsmParser;

class AsmOpCacheTest : public GvLeakCheckedTest
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

    std::pair<int, int> Count(const std::u16string& text)
    {
        m_parser->InitInstructionCounts();
        m_parser->Parse(U(text), 0, 0, static_cast<int>(text.size()));
        return {m_parser->GetALUOpCount(), m_parser->GetTexOpCount()};
    }

    std::unique_ptr<AsmParser> m_parser;
    Parser::KeywordCategory* m_words = nullptr;
};

TEST_F(AsmOpCacheTest, ShaderVersionChangedBetweenParses)
{
    for (const char16_t* word : {u"texld", u"sincos", u"mova", u"r0"})
        m_words->AddKeyword(U(word));
    const std::u16string text = u"texld r0, t0\nsincos r0.x\nmova a0, r0";
    m_parser->SetShaderVersion(GV_PS_2_0);
    EXPECT_EQ(std::make_pair(8, 1), Count(text));
    // The ops seen so far are destroyed; none of them may be counted again.
    m_parser->SetShaderVersion(GV_VS_2_0);
    EXPECT_EQ(std::make_pair(9, 0), Count(text));
    m_parser->SetShaderVersion(GV_SHADER_NONE);
    EXPECT_EQ(std::make_pair(0, 0), Count(text));
    m_parser->SetShaderVersion(GV_PS_2_0);
    EXPECT_EQ(std::make_pair(8, 1), Count(text));
}

TEST_F(AsmOpCacheTest, InsertedOpsAndChangedOpsCountAtOnce)
{
    m_words->AddKeyword(U(u"dcl"));
    m_words->AddKeyword(U(u"mov"));
    EXPECT_EQ(std::make_pair(1, 0), Count(u"dcl t0\nmov r0, t0"));
    m_parser->InsertOp(AsmParser::OP_TEX, U(u"dcl"), 5);
    EXPECT_EQ(std::make_pair(1, 5), Count(u"dcl t0\nmov r0, t0"));
    // The table's ops are the caller's to change.
    AsmParser::ShaderOp* mov = m_parser->FindShaderOp(U(u"mov"));
    mov->count = 4;
    mov->type = AsmParser::OP_TEX;
    EXPECT_EQ(std::make_pair(0, 9), Count(u"dcl t0\nmov r0, t0"));
}

TEST_F(AsmOpCacheTest, RemovedAndReplacedKeywordsCountByTheirNames)
{
    m_words->AddKeyword(U(u"mov"));
    EXPECT_EQ(std::make_pair(1, 0), Count(u"mov"));
    m_words->RemoveKeyword(U(u"mov"));
    m_words->AddKeyword(U(u"texld"));
    m_parser->SetShaderVersion(GV_PS_2_0);
    EXPECT_EQ(std::make_pair(0, 1), Count(u"mov texld"));
    m_parser->RemoveKeywordCategory(U(u"Instructions"));
    Parser::KeywordCategory* again = m_parser->AddKeywordCategory(U(u"Again"), false);
    again->AddKeyword(U(u"sincos"));
    again->AddKeyword(U(u"texld"));
    EXPECT_EQ(std::make_pair(8, 1), Count(u"mov texld sincos"));
}

TEST_F(AsmOpCacheTest, KeywordsOfNoCategoryAreLookedUpEveryTime)
{
    // Two keywords at one address: what is kept for the first must not
    // answer for the second.
    alignas(Parser::Keyword) unsigned char storage[sizeof(Parser::Keyword)];
    Parser::Keyword* keyword = new (storage) Parser::Keyword(U(u"mov"));
    m_parser->InitInstructionCounts();
    m_parser->OnKeywordFound(keyword);
    keyword->~Keyword();
    keyword = new (storage) Parser::Keyword(U(u"sincos"));
    m_parser->OnKeywordFound(keyword);
    keyword->~Keyword();
    EXPECT_EQ(1 + 8, m_parser->GetALUOpCount());
}

TEST_F(AsmOpCacheTest, ManyDistinctKeywordsCountWithoutAllocating)
{
    // More keywords than the cache keeps; the rest are looked up by name.
    std::u16string text;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "w" + std::to_string(i);
        const std::u16string word(name.begin(), name.end());
        m_words->AddKeyword(U(word));
        text += word + u" mov_sat texldp ";
    }
    m_words->AddKeyword(U(u"mov_sat"));
    m_words->AddKeyword(U(u"texldp"));
    m_parser->SetShaderVersion(GV_PS_3_0);
    const size_t before = GvGetAllocationCount();
    EXPECT_EQ(std::make_pair(300, 900), Count(text));
    EXPECT_EQ(std::make_pair(300, 900), Count(text));
    EXPECT_EQ(before, GvGetAllocationCount());
}

} // namespace
