#include "ParserTestSupport.h"

namespace {

// ASCII (all the shaders here are) as UTF-16.
std::u16string Text(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::unique_ptr<GvMFCShaderASMParser> LoadedAsmParser()
{
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    GvMFCShaderKeywordLoader loader;
    EXPECT_TRUE(loader.Load(U(DataPath("keywords/asm.kwd")), parser.get()));
    return parser;
}

GvShaderBudget Count(const GvShaderModel* model, GvSlotRulesType rules, GvMFCShaderASMParser* parser,
                     const std::u16string& text)
{
    GvShaderBudget budget = {-1, -1, -1};
    EXPECT_TRUE(GvCountShaderSlots(model, rules, parser, U(text), static_cast<int>(text.size()), budget));
    return budget;
}

// Rows of model, text, alu and tex slots under the compiler's rules.
using SlotRow = std::tuple<const char*, const char*, int, int>;

template <size_t N>
void ExpectCompilerSlots(const SlotRow (&rows)[N])
{
    for (const auto& [model, text, alu, tex] : rows) {
        const GvShaderBudget budget = Count(GvFindShaderModel(model), GV_SLOT_RULES_COMPILER, nullptr, Text(text));
        EXPECT_EQ(std::make_pair(alu, tex), std::make_pair(budget.alu, budget.tex)) << model << " " << text;
    }
}

using ShaderBudgetTest = GvLeakCheckedTest;

// Hand-written shaders, one per model family, with the slots worked out by
// hand in the comments.
TEST_F(ShaderBudgetTest, CompilerRulesPerModelFamily)
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
         9, 9}};
    ExpectCompilerSlots(rows);
}

// What the families above do not show: plain-model and profile forms, case,
// unknown and broken lines.
TEST_F(ShaderBudgetTest, CompilerRulesPerInstruction)
{
    const SlotRow rows[] = {
        {"ps_1_3", "lrp r0, v0, t0, t1", 1, 0},
        {"ps_3_0", "setp_ge p0, r0, c0", 1, 0},
        {"ps_2_0", "texldp_pp r0, t0, s0", 0, 1},
        {"ps_2_0", "TEXLD_PP r0, t0, s0", 0, 1},
        {"ps_2_0", "mul_pp_sat r0, r1, r2", 1, 0},
        {"ps_2_0", "frobnicate r0", 0, 0},
        {"ps_2_0", "", 0, 0},
        {"ps_2_0", "+", 0, 0},
        {"ps_2_0", "(p0.x", 0, 0},
        {"ps_2_0", "3:", 0, 0},
        {"vs_1_1", "texld r0, t0, s0", 0, 0},
        {"vs_1_1", "lit r0, r1", 1, 0},
        {"ps_2_a", "nrm r0.xyz, r1", 3, 0},
        {"ps_3_sw", "texldl r0, v0, s0", 0, 2},
    };
    ExpectCompilerSlots(rows);
}

TEST_F(ShaderBudgetTest, SplitsLinesAroundComments)
{
    const std::u16string text = u"a /* b\nc */ d // e\n\n\tf/*g*/h \n/* open\nmov";
    GvShaderSlotLines lines(GvGetShaderModel(GV_PS_2_0), GV_SLOT_RULES_COMPILER, nullptr, U(text),
                            static_cast<int>(text.size()));
    std::vector<std::pair<int, std::string>> got;
    GvShaderLineSlots line;
    unsigned short code[8];
    while (lines.Next(line))
        got.emplace_back(line.number, GvUtf16ToUtf8(code, lines.GetCode(line, code, 8)));
    EXPECT_EQ((std::vector<std::pair<int, std::string>>{{1, "a"}, {2, "d"}, {3, ""}, {4, "f h"}, {5, ""}, {6, ""}}),
              got);
}

// Line by line, the last running totals are the whole count; under the
// library's rules they are what one parse of the text counts, worked out by
// hand for the samples.
TEST_F(ShaderBudgetTest, LinesAddUpToTheWholeCount)
{
    auto parser = LoadedAsmParser();
    const std::string tricky = "ps_2_0\nmov r0, r1 /* add r0\nmul r1 */ add r2, r3 // sub r0\nmad_sat r0, r1, r2, "
                               "r3\n/* texld r0 */texld r0, t0, s0\nnrm r0.xyz, r1// x\n/* sincos";
    const std::tuple<const char*, int, int> samples[] = {
        // file (empty: the tricky text), alu, tex
        {"ps11_detail.asm", 5, 2},    {"ps14_bump.asm", 4, 3},  {"ps20_phong.asm", 18, 1},    {"ps30_blur.asm", 24, 3},
        {"vs11_lighting.asm", 14, 0}, {"vs20_wave.asm", 16, 0}, {"vs30_skinning.asm", 17, 2}, {"", 6, 1}};
    for (const GvSlotRulesType rules : {GV_SLOT_RULES_LIBRARY, GV_SLOT_RULES_COMPILER}) {
        for (const auto& [name, alu, tex] : samples) {
            const std::u16string text = Text(*name ? ReadBytes(DataPath(std::string("shaders/") + name)) : tricky);
            const int length = static_cast<int>(text.size());
            SCOPED_TRACE(std::string(name) + (rules == GV_SLOT_RULES_LIBRARY ? " library" : " compiler"));
            const GvShaderModel* model = GvFindVersionModel(U(text), length, nullptr, nullptr);
            const GvShaderBudget whole = Count(model, rules, parser.get(), text);
            GvShaderSlotLines lines(model, rules, parser.get(), U(text), length);
            GvShaderLineSlots line = {};
            std::vector<int> perLine;
            while (lines.Next(line))
                perLine.push_back(line.alu + line.tex);
            EXPECT_EQ((std::vector<int>{whole.alu, whole.tex}), (std::vector<int>{line.totalAlu, line.totalTex}));
            if (rules == GV_SLOT_RULES_LIBRARY) {
                EXPECT_EQ((std::vector<int>{alu, tex}), (std::vector<int>{whole.alu, whole.tex}));
                parser->InitInstructionCounts();
                parser->Parse(U(text), 0, 0, length);
                EXPECT_EQ((std::vector<int>{whole.alu, whole.tex}),
                          (std::vector<int>{parser->GetALUOpCount(), parser->GetTexOpCount()}));
            }
            if (!*name) {
                EXPECT_EQ((std::vector<int>{0, 1, 1, 1, 1, 3, 0}), perLine);
            }
        }
    }
}

TEST_F(ShaderBudgetTest, ModelsByVersionNameProfileAndVersionInstruction)
{
    const char* names[] = {"vs_1_1", "vs_2_0", "vs_2_x", "vs_3_0", "vs_3_sw", "ps_1_1", "ps_1_2", "ps_1_3",
                           "ps_1_4", "ps_2_0", "ps_2_x", "ps_2_b", "ps_2_sw", "ps_3_0", "ps_3_sw"};
    for (int n = 1; n <= 15; ++n) {
        const GvShaderModel* model = GvGetShaderModel(n);
        ASSERT_NE(nullptr, model) << n;
        EXPECT_EQ(n, model->version);
        EXPECT_STREQ(names[n - 1], model->name);
        EXPECT_EQ(model, GvFindShaderModel(names[n - 1]));
    }
    EXPECT_EQ(nullptr, GvGetShaderModel(0));
    EXPECT_EQ(nullptr, GvGetShaderModel(16));
    EXPECT_EQ(GV_VS_2_X, GvFindShaderModel("vs_2_a")->version);
    EXPECT_EQ(GV_PS_2_X, GvFindShaderModel("PS_2_A")->version);
    EXPECT_EQ(GV_PS_3_0, GvFindShaderModel("PS_3_0")->version);
    EXPECT_EQ(GV_VS_2_X, GvFindShaderModel("vs_2_sw")->version);
    EXPECT_EQ(0, GvFindShaderModel("vs_2_sw")->totalLimit);
    for (const char* bad : {"1", "", "ps_4_0", "vs_2_b", "ps_2_0x", "ps_2", "auto"})
        EXPECT_EQ(nullptr, GvFindShaderModel(bad)) << bad;
    EXPECT_EQ(nullptr, GvFindShaderModel(nullptr));
    const std::tuple<const char*, const char*, const char*> rows[] = {
        // text, model (null: none), token
        {"vs_1_1\nmov r0, v0", "vs_1_1", "vs_1_1"},
        {"// header\r\n\r\n/* ps_1_1\n */\t  ps_2_0 // x\n", "ps_2_0", "ps_2_0"},
        {"//\n//a\nPS_3_0", "ps_3_0", "PS_3_0"},
        {"ps_2_a\n", "ps_2_a", "ps_2_a"},
        {"vs_2_sw", "vs_2_sw", "vs_2_sw"},
        {"vs.1.1\n", "vs_1_1", "vs.1.1"},
        {"mov r0, v0\nvs_1_1", nullptr, "mov"},
        {"ps_2_0x\n", nullptr, "ps_2_0x"},
        {"10\n", nullptr, "10"},
        {"// only a comment", nullptr, ""},
        {"/* unterminated ps_2_0", nullptr, ""},
        {"", nullptr, ""},
        {"+ps_2_0", nullptr, ""}};
    for (const auto& [ascii, name, token] : rows) {
        const std::u16string text = Text(ascii);
        int start = -1, length = -1;
        const GvShaderModel* model = GvFindVersionModel(U(text), static_cast<int>(text.size()), &start, &length);
        EXPECT_EQ(name ? GvFindShaderModel(name) : nullptr, model) << ascii;
        EXPECT_EQ(Text(token), text.substr(static_cast<size_t>(start), static_cast<size_t>(length))) << ascii;
    }
    EXPECT_EQ(nullptr, GvFindVersionModel(nullptr, 5, nullptr, nullptr));
}

// Each row's slots are at its model's limits: one more of either kind passes
// them. ps_2_x guarantees 96 slots only; the ps_2_a and ps_2_b profiles have
// 512. Software models have no limits.
TEST_F(ShaderBudgetTest, LimitsPerModelAndTheFirstLineOverBudget)
{
    const std::tuple<const char*, int, int> rows[] = {
        {"ps_2_0", 64, 32},  {"ps_1_1", 8, 4},    {"ps_1_3", 8, 4},    {"ps_1_4", 16, 12},
        {"vs_1_1", 120, 8},  {"vs_2_0", 256, 0},  {"ps_3_0", 500, 12}, {"ps_2_x", 90, 6},
        {"ps_2_a", 500, 12}, {"ps_2_b", 500, 12}, {"vs_2_a", 256, 0},  {"ps_3_sw", 1 << 30, 1 << 30}};
    for (const auto& [name, alu, tex] : rows) {
        const GvShaderModel& model = *GvFindShaderModel(name);
        const bool limited = model.aluLimit || model.totalLimit;
        EXPECT_FALSE(GvExceedsShaderLimits(model, alu, tex)) << name;
        EXPECT_EQ(limited, GvExceedsShaderLimits(model, alu + 1, tex)) << name;
        EXPECT_EQ(limited, GvExceedsShaderLimits(model, alu, tex + 1)) << name;
    }
    // The first line whose running total passes a limit, under both rules; a
    // text within its limits has none.
    auto parser = LoadedAsmParser();
    std::string shader = "ps_1_1\ntex t0\n";
    for (int i = 0; i < 9; ++i)
        shader += "add r0, r0, c0 // add\n";
    for (const GvSlotRulesType rules : {GV_SLOT_RULES_LIBRARY, GV_SLOT_RULES_COMPILER}) {
        const GvShaderBudget over = Count(GvGetShaderModel(GV_PS_1_1), rules, parser.get(), Text(shader));
        const GvShaderBudget within = Count(GvGetShaderModel(GV_PS_2_0), rules, parser.get(), Text(shader));
        EXPECT_EQ((std::vector<int>{9, 1, 11, 0}),
                  (std::vector<int>{over.alu, over.tex, over.firstLineOver, within.firstLineOver}));
    }
}

TEST_F(ShaderBudgetTest, RefusesWhatItCannotCount)
{
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    const std::u16string mov = u"mov r0, r1";
    const unsigned short* text = U(mov);
    const GvShaderModel* ps20 = GvGetShaderModel(GV_PS_2_0);
    auto refused = [](const GvShaderModel* model, int rules, GvMFCShaderASMParser* parser, const unsigned short* text,
                      int length) {
        GvShaderBudget budget = {1, 2, 3};
        GvShaderLineSlots line;
        return !GvCountShaderSlots(model, static_cast<GvSlotRulesType>(rules), parser, text, length, budget)
               && budget.alu + budget.tex + budget.firstLineOver == 0
               && !GvShaderSlotLines(model, static_cast<GvSlotRulesType>(rules), parser, text, length).Next(line);
    };
    EXPECT_TRUE(refused(nullptr, GV_SLOT_RULES_COMPILER, nullptr, text, 3));
    EXPECT_TRUE(refused(ps20, GV_SLOT_RULES_LIBRARY, nullptr, text, 3));
    EXPECT_TRUE(refused(ps20, 2, parser.get(), text, 3));
    EXPECT_TRUE(refused(ps20, GV_SLOT_RULES_COMPILER, nullptr, text, -1));
    EXPECT_TRUE(refused(ps20, GV_SLOT_RULES_COMPILER, nullptr, nullptr, 3));
    EXPECT_FALSE(refused(ps20, GV_SLOT_RULES_COMPILER, nullptr, nullptr, 0));
    // Nothing beyond the text; a short buffer gets the start of the code.
    GvShaderSlotLines lines(ps20, GV_SLOT_RULES_COMPILER, nullptr, text, 10);
    unsigned short code[4];
    EXPECT_EQ(0, lines.GetCode(GvShaderLineSlots{1, 0, 0, 0, 0, 0, 11}, code, 4));
    EXPECT_EQ(10, lines.GetCode(GvShaderLineSlots{1, 0, 0, 0, 0, 0, 10}, code, 4));
    EXPECT_EQ(u"mov ", std::u16string(code, code + 4));
}

} // namespace
