#include "ParserTestSupport.h"

namespace {

typedef GvMFCShaderSyntaxParser Parser;
typedef GvMFCShaderASMParser AsmParser;

class ShippedKeywordFilesTest : public GvLeakCheckedTest
{
protected:
    template <typename P>
    std::unique_ptr<P> Loaded(const std::string& file)
    {
        auto parser = std::make_unique<P>();
        GvMFCShaderKeywordLoader loader;
        EXPECT_TRUE(loader.Load(U(DataPath("keywords/" + file)), parser.get())) << file;
        return parser;
    }
    static std::u16string ReadShader(const std::string& name)
    {
        const std::string text = ReadBytes(std::filesystem::path(GV_DATA_DIR) / "shaders" / name);
        EXPECT_FALSE(text.empty()) << name;
        return std::u16string(text.begin(), text.end()); // the samples are ASCII
    }
    static void ExpectWords(const Parser& parser, const char16_t* category,
                            std::initializer_list<const char16_t*> words)
    {
        const Parser::KeywordCategory* found = parser.FindKeywordCategory(U(category));
        ASSERT_NE(nullptr, found) << GvUtf16ToUtf8(U(category));
        for (const char16_t* word : words)
            EXPECT_NE(nullptr, found->FindKeyword(U(word))) << GvUtf16ToUtf8(U(word));
    }
};

TEST_F(ShippedKeywordFilesTest, AssemblyKeywordsCoverEveryCountedInstruction)
{
    auto parser = Loaded<AsmParser>("asm.kwd");
    EXPECT_EQ((Words{"Instructions", "Registers"}), CategoryNames(*parser));
    EXPECT_EQ(0x00008000u, parser->m_commentColor);
    const Parser::KeywordCategory* instructions = parser->FindKeywordCategory(U(u"Instructions"));
    int checked = 0;
    for (int version = 1; version <= 15; ++version) {
        parser->SetShaderVersion(static_cast<GvShaderVersion>(version));
        for (int i = 0; i < Parser::BUCKET_COUNT; ++i) {
            const AsmParser::OpList& list = parser->GetShaderOps(i);
            for (auto it = list.Begin(); it != list.End(); ++it, ++checked)
                EXPECT_NE(nullptr, instructions->FindKeyword((*it)->name)) << GvUtf16ToUtf8((*it)->name);
        }
    }
    EXPECT_EQ(75 + 2 * 129 + 2 * 190 + 4 * 176 + 4 * 161 + 2 * 183, checked);
    ExpectWords(*parser, u"Instructions",
                {u"dcl", u"dcl_position", u"dcl_texcoord0", u"dcl_texcoord15", u"dcl_color1", u"dcl_2d", u"dcl_cube",
                 u"dcl_volume", u"def", u"defi", u"defb", u"phase", u"texld_pp", u"vs_1_1", u"vs_2_0", u"vs_2_x",
                 u"vs_3_0", u"ps_1_1", u"ps_1_2", u"ps_1_3", u"ps_1_4", u"ps_2_0", u"ps_2_x", u"ps_3_0",
                 // What compilers print: profile names, modifier combinations, centroid declarations.
                 u"ps_2_a", u"ps_2_b", u"vs_2_a", u"vs_2_sw", u"ps_2_sw", u"vs_3_sw", u"ps_3_sw", u"mad_sat_pp",
                 u"mov_sat_pp", u"texldp_pp", u"dcl_texcoord0_centroid", u"dcl_pp", u"dcl_color1_pp"});
    ExpectWords(*parser, u"Registers",
                {u"r0", u"r31",  u"v15", u"c0",  u"c255", u"i15",    u"b15", u"a0",    u"aL",   u"p0", u"s15",
                 u"t7", u"oPos", u"oD1", u"oT7", u"oC3",  u"oDepth", u"o11", u"vFace", u"vPos", u"l0", u"l15"});
    EXPECT_EQ(nullptr, instructions->FindKeyword(U(u"r0")));
}

TEST_F(ShippedKeywordFilesTest, HlslKeywords)
{
    auto parser = Loaded<RecordingParser<GvMFCShaderHLSLParser>>("hlsl.kwd");
    EXPECT_EQ((Words{"Keywords", "Types", "Intrinsics", "Attributes", "Semantics", "Preprocessor"}),
              CategoryNames(*parser));
    ExpectWords(*parser, u"Keywords",
                {u"if", u"return", u"struct", u"cbuffer", u"technique", u"sampler_state", u"globallycoherent"});
    ExpectWords(*parser, u"Attributes",
                {u"unroll", u"loop", u"branch", u"flatten", u"forcecase", u"call", u"fastopt", u"isolate",
                 u"maxInstructionCount", u"earlydepthstencil", u"numthreads", u"domain", u"partitioning",
                 u"outputtopology", u"patchconstantfunc"});
    ExpectWords(*parser, u"Types",
                {u"RasterizerOrderedTexture2D", u"RasterizerOrderedBuffer", u"float16_t", u"uint64_t3", u"float",
                 u"float1", u"float4", u"float4x4", u"float1x3", u"half3", u"bool2x2", u"min16float3", u"double4x4",
                 u"int3", u"uint", u"Texture2D", u"RWStructuredBuffer", u"sampler2D"});
    ExpectWords(*parser, u"Intrinsics",
                {u"WaveActiveSum", u"WaveReadLaneFirst", u"WavePrefixSum", u"QuadReadAcrossX", u"QuadReadLaneAt",
                 u"mul", u"dot", u"lerp", u"saturate", u"tex2D", u"texCUBElod", u"Sample"});
    ExpectWords(*parser, u"Semantics",
                {u"Position", u"position", u"TexCoord0", u"texcoord3", u"Color", u"color0", u"sv_target", u"POSITION",
                 u"POSITION0", u"TEXCOORD15", u"COLOR0", u"SV_Position", u"SV_Target7", u"VFACE"});
    const Parser::KeywordCategory* types = parser->FindKeywordCategory(U(u"Types"));
    EXPECT_TRUE(!types->FindKeyword(U(u"float5")) && !types->FindKeyword(U(u"float0x1")));

    parser->ParseAll(ReadShader("phong.hlsl"));
    ASSERT_GE(parser->found.size(), 16u);
    // Field names spelled like semantics are coloured as semantics too.
    EXPECT_EQ((Words{"float4x4", "float4x4", "float3", "float4", "float4", "float", "texture", "sampler2D",
                     "sampler_state", "struct", "float4", "position", "POSITION", "float3", "normal", "NORMAL"}),
              Words(parser->found.begin(), parser->found.begin() + 16));
}

TEST_F(ShippedKeywordFilesTest, GlslKeywords)
{
    auto parser = Loaded<RecordingParser<GvMFCShaderGLSLParser>>("glsl.kwd");
    EXPECT_EQ((Words{"Keywords", "Types", "Functions", "Built-in variables", "Preprocessor"}), CategoryNames(*parser));
    ExpectWords(*parser, u"Keywords",
                {u"uniform", u"layout", u"in", u"out", u"precision", u"highp", u"push_constant", u"constant_id",
                 u"input_attachment_index", u"set"});
    ExpectWords(*parser, u"Types",
                {u"vec2", u"vec4", u"ivec3", u"mat2", u"mat4", u"mat4x3", u"dmat2x4", u"sampler2DShadow", u"image2D",
                 u"subpassInput", u"usubpassInputMS", u"sampler", u"float16_t", u"int64_t", u"uint64_t", u"f16vec3"});
    ExpectWords(*parser, u"Functions",
                {u"texture", u"texelFetch", u"mix", u"dFdx", u"texture2D", u"anyInvocation", u"allInvocations",
                 u"allInvocationsEqual", u"subpassLoad", u"texture2DLodEXT", u"textureCubeLodEXT", u"subgroupElect",
                 u"subgroupBallot", u"subgroupAdd", u"subgroupQuadSwapDiagonal"});
    ExpectWords(
        *parser, u"Built-in variables",
        {u"gl_Position", u"gl_FragCoord", u"gl_MultiTexCoord7", u"gl_SubgroupSize", u"gl_SubgroupInvocationID"});
    EXPECT_EQ(nullptr, parser->FindKeywordCategory(U(u"Types"))->FindKeyword(U(u"mat1x1")));

    parser->ParseAll(ReadShader("phong.glsl"));
    ASSERT_GE(parser->found.size(), 10u);
    EXPECT_EQ((Words{"version", "core", "in", "vec3", "in", "vec2", "out", "vec4", "uniform", "sampler2D"}),
              Words(parser->found.begin(), parser->found.begin() + 10));
}

} // namespace
