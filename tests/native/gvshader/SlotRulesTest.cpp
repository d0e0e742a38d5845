#include "ParserTestSupport.h"
#include "SlotRules.h"

namespace {

using namespace gvshader;

struct SlotRow
{
    const char* model;
    const char* text;
    int alu, tex;
};

// Sums the compiler's slots of every line of each row's text.
template <size_t N>
void ExpectCompilerSlots(const SlotRow (&rows)[N])
{
    for (const SlotRow& row : rows) {
        const std::vector<unsigned short> text = DecodeUtf8(row.text);
        SlotCount total;
        for (const SourceLine& line : SplitSourceLines(text)) {
            const SlotCount slots = CompilerLineSlots(*FindShaderModel(row.model), CodeText(text, line));
            total.alu += slots.alu;
            total.tex += slots.tex;
        }
        EXPECT_EQ(row.alu, total.alu) << row.model << " " << row.text;
        EXPECT_EQ(row.tex, total.tex) << row.model << " " << row.text;
    }
}

class SlotRulesTest : public GvLeakCheckedTest
{};

// Hand-written shaders, one per model family, with the slots worked out by
// hand in the comments.
TEST_F(SlotRulesTest, CompilerRulesPerModelFamily)
{
    const SlotRow rows[] = {
        {"vs_1_1",
         "vs_1_1\ndcl_position v0\ndef c10, 1, 0, 0, 0\n"
         "m4x4 oPos, v0, c0 // 4\nexp r0, r1.x // 10\nfrc r1.xy, r0 // 3\nexpp r2, r1.x // 1\nmul oD0, r0, c4 // 1\n",
         19, 0},
        {"vs_2_0",
         "vs_2_0\ndcl_position v0\n"
         "sincos r0.xy, r1.x // 8\nnrm r2.xyz, r0 // 3\nlrp r3, r0, r1, r2 // 1\nsgn r4, r3, r5, r6 // 3\n"
         "lit r5, r4 // 3\ncrs r6.xyz, r0, r1 // 2\nrep i0 // 3\n  add r0, r0, c1 // 1\nendrep // 2\n"
         "if b0 // 3\n  call l0 // 2\nelse // 1\n  callnz l1, b1 // 3\nendif // 1\nret // 1\nlabel l0 // 0\n"
         "mov oPos, r0 // 1\n",
         38, 0},
        {"vs_3_0",
         "vs_3_0\ndcl_texcoord v0\ndcl_2d s0\ntexldl r0, v0, s0 // 2 texture\nsetp_gt p0.x, r0.x, c0.x // 1\n"
         "(p0.x) mov r1, r0 // 1\nloop aL, i0 // 3\n  break_gt r0.x, c1.x // 3\nendloop // 2\n"
         "pow r2.x, r0.x, c2.x // 3\nmov o0, r1 // 1\n",
         14, 2},
        {"ps_1_1",
         "ps_1_1\ndef c0, 0.5, 0.5, 0.5, 1\ntex t0\ntexcoord t1\ntexkill t2 // 3 texture\n"
         "mul_x2_sat r0.rgb, t0, t1 // 1\n+ mov r0.a, t0.a // co-issued: 0\nlrp r0, v0, r0, c0 // 1\n"
         "cnd_d2 r1, r0.a, t0, v0 // 1\n  +mul r1.a, t0, v0 // 0\n",
         3, 3},
        {"ps_1_4",
         "ps_1_4\ntexld r0, t0\ntexcrd r1.xyz, t1 // 2 texture\ndp3_sat r2, r0_bx2, r1_bx2 // 1\n"
         "bem r3.rg, r0, r1 // 2\nphase\ntexld r4, r3 // 1 texture\nmul r0.rgb, r4, r2 // 1\n+mov r0.a, c0.a // 0\n",
         4, 3},
        {"ps_2_0",
         "ps_2_0\ndcl t0.xy\ndcl_2d s0\ntexld_pp r0, t0, s0\ntexldp r1, t0, s0\ntexkill r0 // 3 texture\n"
         "mad_sat_pp r2, r0, c0, c1 // 1\nlrp_pp r3, r0, r1, r2 // 1\nnrm_pp r4.xyz, r3 // 3\n"
         "pow r5.x, r4.x, c2.x // 3\nsincos r6.xy, r5.x, c3, c4 // 8\ndp2add r7.x, r0, r1, c5.x // 2\n"
         "m3x3 r8.xyz, r0, c6 // 3\nmov_sat_pp oC0, r2 // 1\n",
         22, 3},
        {"ps_3_0",
         "ps_3_0\ndcl_texcoord0_centroid v0.xy\ndcl_2d s0\ntexld r0, v0, s0 // 1\ntexldl r1, v0, s0 // 2\n"
         "texldp r2, v0, s0 // 3\ntexldd r3, v0, s0, c0, c1 // 3\ndsx r4, v0 // 2\nsetp_lt p0, r0, c0 // 1\n"
         "if_ne r0.x, c0.x // 3\n  (!p0.x) add_pp_sat r5, r0, r1 // 1\nendif // 1\n12: mul oC0, r0, r5 // 1\n",
         9, 9},
    };
    ExpectCompilerSlots(rows);
}

TEST_F(SlotRulesTest, CompilerRulesPerInstruction)
{
    const SlotRow rows[] = {
        {"ps_2_0", "lrp r0, r1, r2, r3", 1, 0},
        {"ps_1_3", "lrp r0, v0, t0, t1", 1, 0},
        {"ps_3_0", "setp_ge p0, r0, c0", 1, 0},
        {"ps_3_0", "texldp r0, v0, s0", 0, 3},
        {"ps_2_0", "texldp_pp r0, t0, s0", 0, 1},
        {"ps_2_0", "TEXLD_PP r0, t0, s0", 0, 1},
        {"ps_2_0", "mul_pp_sat r0, r1, r2", 1, 0},
        {"ps_2_0", "def c0, 1, 2, 3, 4", 0, 0},
        {"ps_2_0", "ps_2_0", 0, 0},
        {"ps_2_0", "dcl_2d s0", 0, 0},
        {"ps_2_0", "frobnicate r0", 0, 0},
        {"ps_2_0", "", 0, 0},
        {"ps_2_0", "+", 0, 0},
        {"ps_2_0", "(p0.x", 0, 0},
        {"ps_2_0", "3:", 0, 0},
        {"vs_1_1", "texld r0, t0, s0", 0, 0},
        {"vs_2_0", "sincos r0.xy, r1.x", 8, 0},
        {"vs_1_1", "lit r0, r1", 1, 0},
        {"ps_2_a", "nrm r0.xyz, r1", 3, 0},
        {"ps_3_sw", "texldl r0, v0, s0", 0, 2},
    };
    ExpectCompilerSlots(rows);
}

TEST_F(SlotRulesTest, SplitsLinesAroundComments)
{
    const std::vector<unsigned short> text = DecodeUtf8("a /* b\nc */ d // e\n\n\tf/*g*/h \n/* open\nmov");
    const std::vector<SourceLine> lines = SplitSourceLines(text);
    std::vector<std::pair<int, std::string>> got;
    for (const SourceLine& line : lines)
        got.emplace_back(line.number, CodeText(text, line));
    EXPECT_EQ((std::vector<std::pair<int, std::string>>{{1, "a"}, {2, "d"}, {3, ""}, {4, "f h"}, {5, ""}, {6, ""}}),
              got);
}

TEST_F(SlotRulesTest, LibraryLinesAddUpToTheWholeParse)
{
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    GvMFCShaderKeywordLoader loader;
    ASSERT_TRUE(loader.Load(U(DataPath("keywords/asm.kwd")), parser.get()));
    parser->SetShaderVersion(GV_PS_2_0);
    const std::vector<unsigned short> text =
        DecodeUtf8("ps_2_0\nmov r0, r1 /* add r0\nmul r1 */ add r2, r3 // sub r0\nmad_sat r0, r1, r2, r3\n"
                   "/* texld r0 */texld r0, t0, s0\nnrm r0.xyz, r1// x\n/* sincos");
    parser->InitInstructionCounts();
    parser->Parse(text.data(), 0, 0, static_cast<int>(text.size()));
    const SlotCount whole{parser->GetALUOpCount(), parser->GetTexOpCount()};
    EXPECT_EQ(6, whole.alu);
    EXPECT_EQ(1, whole.tex);
    SlotCount sum;
    std::vector<int> perLine;
    for (const SourceLine& line : SplitSourceLines(text)) {
        const SlotCount slots = LibraryLineSlots(*parser, text, line);
        sum.alu += slots.alu;
        sum.tex += slots.tex;
        perLine.push_back(slots.alu + slots.tex);
    }
    EXPECT_EQ(whole.alu, sum.alu);
    EXPECT_EQ(whole.tex, sum.tex);
    EXPECT_EQ((std::vector<int>{0, 1, 1, 1, 1, 3, 0}), perLine);
}

} // namespace
