// The slot budget: shader models and limits, the compiler's cost table and
// the line walk both rule sets count along.
#include "GvShaderParsing.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const GvShaderModel kModels[] = {
    {GV_VS_1_1, "vs_1_1", 0, 0, 128}, {GV_VS_2_0, "vs_2_0", 0, 0, 256}, {GV_VS_2_X, "vs_2_x", 0, 0, 256},
    {GV_VS_3_0, "vs_3_0", 0, 0, 512}, {GV_VS_3_SW, "vs_3_sw", 0, 0, 0}, {GV_PS_1_1, "ps_1_1", 8, 4, 0},
    {GV_PS_1_2, "ps_1_2", 8, 4, 0},   {GV_PS_1_3, "ps_1_3", 8, 4, 0},   {GV_PS_1_4, "ps_1_4", 16, 12, 0},
    {GV_PS_2_0, "ps_2_0", 64, 32, 0}, {GV_PS_2_X, "ps_2_x", 0, 0, 96},  {GV_PS_2_B, "ps_2_b", 0, 0, 512},
    {GV_PS_2_SW, "ps_2_sw", 0, 0, 0}, {GV_PS_3_0, "ps_3_0", 0, 0, 512}, {GV_PS_3_SW, "ps_3_sw", 0, 0, 0},
};

const GvShaderModel kProfiles[] = {
    {GV_VS_2_X, "vs_2_a", 0, 0, 256}, {GV_VS_2_X, "vs_2_sw", 0, 0, 0}, {GV_PS_2_X, "ps_2_a", 0, 0, 512}};

// Model families of the compiler's table, in its column order.
enum FamilyType
{
    kVs1,
    kVs2,
    kVs3,
    kPs1,
    kPs2,
    kPs3,
    kFamilyCount
};

FamilyType FamilyOf(const GvShaderModel& model)
{
    static const FamilyType byVersion[] = {kVs1, kVs1, kVs2, kVs2, kVs3, kVs3, kPs1, kPs1,
                                           kPs1, kPs1, kPs2, kPs2, kPs2, kPs2, kPs3, kPs3};
    return byVersion[model.version];
}

// Slots per family (vs_1_1, vs_2_x, vs_3_0, ps_1_x, ps_2_x, ps_3_0); 0 where
// the model lacks the instruction. Where compiler listings disagree with the
// documented costs they win: lrp is one slot everywhere, setp one in ps_3_0.
struct CompilerOp
{
    const char* name;
    bool texture;
    signed char slots[kFamilyCount];
};

const CompilerOp kOps[] = {
    {"abs", false, {0, 1, 1, 0, 1, 1}},
    {"add", false, {1, 1, 1, 1, 1, 1}},
    {"bem", false, {0, 0, 0, 2, 0, 0}},
    {"cmp", false, {0, 0, 0, 1, 1, 1}},
    {"cnd", false, {0, 0, 0, 1, 0, 0}},
    {"crs", false, {0, 2, 2, 0, 2, 2}},
    {"dp2add", false, {0, 0, 0, 0, 2, 2}},
    {"dp3", false, {1, 1, 1, 1, 1, 1}},
    {"dp4", false, {1, 1, 1, 1, 1, 1}},
    {"dst", false, {1, 1, 1, 0, 0, 0}},
    {"dsx", false, {0, 0, 0, 0, 2, 2}},
    {"dsy", false, {0, 0, 0, 0, 2, 2}},
    {"exp", false, {10, 1, 1, 0, 1, 1}},
    {"expp", false, {1, 1, 1, 0, 0, 0}},
    {"frc", false, {3, 1, 1, 0, 1, 1}},
    {"lit", false, {1, 3, 3, 0, 0, 0}},
    {"log", false, {10, 1, 1, 0, 1, 1}},
    {"logp", false, {1, 1, 1, 0, 0, 0}},
    {"lrp", false, {0, 1, 1, 1, 1, 1}},
    {"m3x2", false, {2, 2, 2, 0, 2, 2}},
    {"m3x3", false, {3, 3, 3, 0, 3, 3}},
    {"m3x4", false, {4, 4, 4, 0, 4, 4}},
    {"m4x3", false, {3, 3, 3, 0, 3, 3}},
    {"m4x4", false, {4, 4, 4, 0, 4, 4}},
    {"mad", false, {1, 1, 1, 1, 1, 1}},
    {"max", false, {1, 1, 1, 0, 1, 1}},
    {"min", false, {1, 1, 1, 0, 1, 1}},
    {"mov", false, {1, 1, 1, 1, 1, 1}},
    {"mova", false, {0, 1, 1, 0, 0, 0}},
    {"mul", false, {1, 1, 1, 1, 1, 1}},
    {"nop", false, {1, 1, 1, 1, 1, 1}},
    {"nrm", false, {0, 3, 3, 0, 3, 3}},
    {"pow", false, {0, 3, 3, 0, 3, 3}},
    {"rcp", false, {1, 1, 1, 0, 1, 1}},
    {"rsq", false, {1, 1, 1, 0, 1, 1}},
    {"sge", false, {1, 1, 1, 0, 0, 0}},
    {"sgn", false, {0, 3, 3, 0, 0, 0}},
    {"sincos", false, {0, 8, 8, 0, 8, 8}},
    {"slt", false, {1, 1, 1, 0, 0, 0}},
    {"sub", false, {1, 1, 1, 1, 1, 1}},
    {"setp_gt", false, {0, 1, 1, 0, 1, 1}},
    {"setp_lt", false, {0, 1, 1, 0, 1, 1}},
    {"setp_ge", false, {0, 1, 1, 0, 1, 1}},
    {"setp_le", false, {0, 1, 1, 0, 1, 1}},
    {"setp_eq", false, {0, 1, 1, 0, 1, 1}},
    {"setp_ne", false, {0, 1, 1, 0, 1, 1}},
    // Flow control counts as arithmetic.
    {"call", false, {0, 2, 2, 0, 2, 2}},
    {"callnz", false, {0, 3, 3, 0, 3, 3}},
    {"if", false, {0, 3, 3, 0, 3, 3}},
    {"if_gt", false, {0, 3, 3, 0, 3, 3}},
    {"if_lt", false, {0, 3, 3, 0, 3, 3}},
    {"if_ge", false, {0, 3, 3, 0, 3, 3}},
    {"if_le", false, {0, 3, 3, 0, 3, 3}},
    {"if_eq", false, {0, 3, 3, 0, 3, 3}},
    {"if_ne", false, {0, 3, 3, 0, 3, 3}},
    {"else", false, {0, 1, 1, 0, 1, 1}},
    {"endif", false, {0, 1, 1, 0, 1, 1}},
    {"loop", false, {0, 3, 3, 0, 0, 3}},
    {"endloop", false, {0, 2, 2, 0, 0, 2}},
    {"rep", false, {0, 3, 3, 0, 3, 3}},
    {"endrep", false, {0, 2, 2, 0, 2, 2}},
    {"break", false, {0, 1, 1, 0, 1, 1}},
    {"break_gt", false, {0, 3, 3, 0, 3, 3}},
    {"break_lt", false, {0, 3, 3, 0, 3, 3}},
    {"break_ge", false, {0, 3, 3, 0, 3, 3}},
    {"break_le", false, {0, 3, 3, 0, 3, 3}},
    {"break_eq", false, {0, 3, 3, 0, 3, 3}},
    {"break_ne", false, {0, 3, 3, 0, 3, 3}},
    {"breakp", false, {0, 3, 3, 0, 3, 3}},
    {"ret", false, {0, 1, 1, 0, 1, 1}},
    // Texture instructions.
    {"tex", true, {0, 0, 0, 1, 0, 0}},
    {"texbem", true, {0, 0, 0, 1, 0, 0}},
    {"texbeml", true, {0, 0, 0, 1, 0, 0}},
    {"texcoord", true, {0, 0, 0, 1, 0, 0}},
    {"texcrd", true, {0, 0, 0, 1, 0, 0}},
    {"texdepth", true, {0, 0, 0, 1, 0, 0}},
    {"texdp3", true, {0, 0, 0, 1, 0, 0}},
    {"texdp3tex", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x2depth", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x2pad", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x2tex", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x3", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x3pad", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x3spec", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x3tex", true, {0, 0, 0, 1, 0, 0}},
    {"texm3x3vspec", true, {0, 0, 0, 1, 0, 0}},
    {"texreg2ar", true, {0, 0, 0, 1, 0, 0}},
    {"texreg2gb", true, {0, 0, 0, 1, 0, 0}},
    {"texreg2rgb", true, {0, 0, 0, 1, 0, 0}},
    {"texkill", true, {0, 0, 0, 1, 1, 1}},
    {"texld", true, {0, 0, 0, 1, 1, 1}},
    {"texldb", true, {0, 0, 0, 0, 1, 1}},
    {"texldp", true, {0, 0, 0, 0, 1, 3}},
    {"texldd", true, {0, 0, 0, 0, 3, 3}},
    {"texldl", true, {0, 0, 2, 0, 0, 2}},
};

// Instruction modifiers, which change no cost.
const char* const kModifiers[] = {"_sat", "_pp", "_centroid", "_x2", "_x4", "_x8", "_d2", "_d4", "_d8"};

const CompilerOp* FindCompilerOp(std::string name)
{
    for (;;) {
        for (const CompilerOp& op : kOps)
            if (name == op.name)
                return &op;
        bool stripped = false;
        for (const char* modifier : kModifiers) {
            const size_t length = std::strlen(modifier);
            if (name.size() > length && name.compare(name.size() - length, length, modifier) == 0) {
                name.erase(name.size() - length);
                stripped = true;
                break;
            }
        }
        if (!stripped)
            return nullptr;
    }
}

bool IsLineBlank(unsigned short c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool IsDigit(unsigned short c)
{
    return c >= '0' && c <= '9';
}

bool IsWordUnit(unsigned short c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct Slots
{
    int alu;
    int tex;
};

// The compiler's cost of one instruction line's code.
Slots CompilerLineSlots(const GvShaderModel& model, const unsigned short* code, int length)
{
    int i = 0;
    auto skipBlanks = [&] {
        while (i < length && (code[i] == ' ' || code[i] == '\t'))
            ++i;
    };
    // Listings may number their instructions ("12: mul ...").
    int digits = 0;
    while (digits < length && IsDigit(code[digits]))
        ++digits;
    if (digits > 0 && digits < length && code[digits] == ':')
        i = digits + 1;
    skipBlanks();
    const bool coIssued = i < length && code[i] == '+';
    if (coIssued) {
        ++i;
        skipBlanks();
    }
    if (i < length && code[i] == '(') { // predicate
        while (i < length && code[i] != ')')
            ++i;
        i = i < length ? i + 1 : length;
        skipBlanks();
    }
    std::string name;
    for (; i < length && IsWordUnit(code[i]); ++i)
        name += LowerAscii(static_cast<char>(code[i]));
    Slots slots = {0, 0};
    const CompilerOp* op = FindCompilerOp(name);
    if (op && !coIssued)
        (op->texture ? slots.tex : slots.alu) = op->slots[FamilyOf(model)];
    return slots;
}

// Where the /* comment that covers from can be left on its line: behind its
// */, or end when it goes on. Sets open accordingly.
int SkipCommentOnLine(const unsigned short* text, int from, int end, bool& open)
{
    for (int k = from; k + 1 < end; ++k)
        if (text[k] == '*' && text[k + 1] == '/') {
            open = false;
            return k + 2;
        }
    open = true;
    return end;
}

// Calls code(start, end) for each part of [from, end) outside comments, in
// text order; end is a line's end, from is not inside a comment. Returns
// whether a /* comment is still open at end.
template <typename Code>
bool ForEachCodePart(const unsigned short* text, int from, int end, Code code)
{
    bool open = false;
    int partStart = from;
    for (int i = from; i < end;) {
        if (text[i] == '/' && i + 1 < end && (text[i + 1] == '*' || text[i + 1] == '/')) {
            if (i > partStart)
                code(partStart, i);
            i = partStart = text[i + 1] == '/' ? end : SkipCommentOnLine(text, i + 2, end, open);
        } else {
            ++i;
        }
    }
    if (end > partStart)
        code(partStart, end);
    return open;
}

// The code of [from, end) (from not inside a comment, end a line's end):
// its parts outside comments joined by one blank, blanks trimmed at both
// ends. Writes up to capacity units, returns the whole length and whether a
// /* comment is open at end.
int CodeOf(const unsigned short* text, int from, int end, unsigned short* code, int capacity, bool& open)
{
    int count = 0, kept = 0;
    auto put = [&](unsigned short c) {
        if (count == 0 && IsLineBlank(c))
            return;
        if (count < capacity)
            code[count] = c;
        ++count;
        if (!IsLineBlank(c))
            kept = count;
    };
    open = ForEachCodePart(text, from, end, [&](int start, int stop) {
        if (count)
            put(' ');
        for (int k = start; k < stop; ++k)
            put(text[k]);
    });
    return kept;
}

bool CanCount(const GvShaderModel* model, GvSlotRulesType rules, const GvMFCShaderASMParser* parser,
              const unsigned short* text, int length)
{
    return model && length >= 0 && (text || length == 0)
           && (rules == GV_SLOT_RULES_COMPILER || (rules == GV_SLOT_RULES_LIBRARY && parser));
}

} // namespace

const GvShaderModel* GvGetShaderModel(int version)
{
    return version >= 1 && version <= 15 ? &kModels[version - 1] : nullptr;
}

const GvShaderModel* GvFindShaderModel(const char* name)
{
    if (!name)
        return nullptr;
    auto named = [name](const GvShaderModel& model) {
        size_t i = 0;
        for (; name[i] && model.name[i]; ++i)
            if (LowerAscii(name[i]) != model.name[i])
                return false;
        return !name[i] && !model.name[i];
    };
    for (const GvShaderModel& model : kModels)
        if (named(model))
            return &model;
    for (const GvShaderModel& profile : kProfiles)
        if (named(profile))
            return &profile;
    return nullptr;
}

const GvShaderModel* GvFindVersionModel(const unsigned short* text, int length, int* tokenStart, int* tokenLength)
{
    const int n = text && length > 0 ? length : 0;
    int i = 0;
    while (i < n) {
        const unsigned short c = text[i];
        if (c == '/' && i + 1 < n && (text[i + 1] == '/' || text[i + 1] == '*')) {
            const bool line = text[i + 1] == '/';
            for (i += 2; i < n && (line ? text[i] != '\n' : !(text[i] == '*' && i + 1 < n && text[i + 1] == '/'));)
                ++i;
            i += line ? 1 : 2;
        } else if (IsLineBlank(c) || c == '\n') {
            ++i;
        } else {
            break;
        }
    }
    i = i < n ? i : n;
    int end = i;
    while (end < n && (IsWordUnit(text[end]) || text[end] == '.'))
        ++end;
    if (tokenStart)
        *tokenStart = i;
    if (tokenLength)
        *tokenLength = end - i;
    // Model numbers name no version; no name is longer than the buffer.
    char word[16] = {};
    if (end == i || end - i >= static_cast<int>(sizeof(word)) || IsDigit(text[i]))
        return nullptr;
    for (int k = i; k < end; ++k)
        word[k - i] = static_cast<char>(text[k] == '.' ? '_' : text[k]);
    return GvFindShaderModel(word);
}

bool GvExceedsShaderLimits(const GvShaderModel& model, int alu, int tex)
{
    return (model.aluLimit && alu > model.aluLimit) || (model.texLimit && tex > model.texLimit)
           || (model.totalLimit && static_cast<long long>(alu) + tex > model.totalLimit);
}

GvShaderSlotLines::GvShaderSlotLines(const GvShaderModel* model, GvSlotRulesType rules, GvMFCShaderASMParser* parser,
                                     const unsigned short* text, int length)
    : m_model(model), m_rules(rules), m_parser(parser), m_text(text), m_length(length), m_position(0), m_number(0),
      m_inComment(false), m_totalAlu(0), m_totalTex(0)
{
    if (!CanCount(model, rules, parser, text, length))
        m_length = -1; // no lines
    else if (rules == GV_SLOT_RULES_LIBRARY)
        parser->SetShaderVersion(model->version);
}

bool GvShaderSlotLines::Next(GvShaderLineSlots& line)
{
    if (m_position > m_length)
        return false;
    int end = m_position;
    while (end < m_length && m_text[end] != '\n')
        ++end;
    line = GvShaderLineSlots{++m_number, 0, 0, 0, 0, m_position, end};
    bool open = m_inComment;
    if (open)
        line.start = SkipCommentOnLine(m_text, m_position, end, open);
    if (m_rules == GV_SLOT_RULES_LIBRARY) {
        m_parser->InitInstructionCounts();
        if (!open)
            open = ForEachCodePart(m_text, line.start, end,
                                   [this](int start, int stop) { m_parser->Parse(m_text, 0, start, stop); });
        line.alu = m_parser->GetALUOpCount();
        line.tex = m_parser->GetTexOpCount();
    } else {
        std::vector<unsigned short> code(static_cast<size_t>(end - line.start));
        if (!open)
            code.resize(
                static_cast<size_t>(CodeOf(m_text, line.start, end, code.data(), static_cast<int>(code.size()), open)));
        const Slots slots = CompilerLineSlots(*m_model, code.data(), static_cast<int>(code.size()));
        line.alu = slots.alu;
        line.tex = slots.tex;
    }
    m_inComment = open;
    m_totalAlu += line.alu;
    m_totalTex += line.tex;
    line.totalAlu = m_totalAlu;
    line.totalTex = m_totalTex;
    m_position = end + 1;
    return true;
}

int GvShaderSlotLines::GetCode(const GvShaderLineSlots& line, unsigned short* code, int capacity) const
{
    if (line.start < 0 || line.start > line.end || line.end > m_length || (!code && capacity > 0))
        return 0;
    bool open = false;
    return CodeOf(m_text, line.start, line.end, code, capacity, open);
}

bool GvCountShaderSlots(const GvShaderModel* model, GvSlotRulesType rules, GvMFCShaderASMParser* parser,
                        const unsigned short* text, int length, GvShaderBudget& budget)
{
    budget = GvShaderBudget{0, 0, 0};
    if (!CanCount(model, rules, parser, text, length))
        return false;
    GvShaderSlotLines lines(model, rules, parser, text, length);
    GvShaderLineSlots line;
    if (rules == GV_SLOT_RULES_LIBRARY) {
        // One parse gives the totals; lines are walked only to find where a
        // shader over its limits first passed them.
        parser->InitInstructionCounts();
        parser->Parse(text, 0, 0, length);
        budget.alu = parser->GetALUOpCount();
        budget.tex = parser->GetTexOpCount();
        if (!GvExceedsShaderLimits(*model, budget.alu, budget.tex))
            return true;
        while (lines.Next(line) && !GvExceedsShaderLimits(*model, line.totalAlu, line.totalTex)) {
        }
        budget.firstLineOver = line.number;
        return true;
    }
    while (lines.Next(line)) {
        if (!budget.firstLineOver && GvExceedsShaderLimits(*model, line.totalAlu, line.totalTex))
            budget.firstLineOver = line.number;
        budget.alu = line.totalAlu;
        budget.tex = line.totalTex;
    }
    return true;
}
