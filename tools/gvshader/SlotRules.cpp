#include "SlotRules.h"

#include <cctype>
#include <cstring>
#include "GvShaderParsing.h"
#include "GvTextEncoding.h"

namespace gvshader {

namespace {

// Model families of the compiler's table, in its column order.
enum Family
{
    kVs1,
    kVs2,
    kVs3,
    kPs1,
    kPs2,
    kPs3,
    kFamilyCount
};

Family FamilyOf(const ShaderModel& model)
{
    static const Family byNumber[] = {kVs1, kVs1, kVs2, kVs2, kVs3, kVs3, kPs1, kPs1,
                                      kPs1, kPs1, kPs2, kPs2, kPs2, kPs2, kPs3, kPs3};
    return byNumber[model.number];
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

bool IsBlank(unsigned short c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::vector<SourceLine> SplitSourceLines(const std::vector<unsigned short>& text)
{
    std::vector<SourceLine> lines(1, SourceLine{1, {}});
    const int n = static_cast<int>(text.size());
    int codeStart = 0;
    auto endCode = [&](int end) {
        if (end > codeStart)
            lines.back().code.emplace_back(codeStart, end);
    };
    // A comment may span lines; the line feeds inside it still start lines.
    auto skipTo = [&](int from, int to) {
        for (int k = from; k < to; ++k)
            if (text[k] == '\n')
                lines.push_back(SourceLine{lines.back().number + 1, {}});
    };
    int i = 0;
    while (i < n) {
        if (text[i] == '/' && i + 1 < n && (text[i + 1] == '*' || text[i + 1] == '/')) {
            endCode(i);
            int end = n;
            if (text[i + 1] == '*') {
                for (int k = i + 2; k + 1 < n; ++k)
                    if (text[k] == '*' && text[k + 1] == '/') {
                        end = k + 2;
                        break;
                    }
            } else {
                for (int k = i + 2; k < n; ++k)
                    if (text[k] == '\n') {
                        end = k; // the line feed itself ends the line below
                        break;
                    }
            }
            skipTo(i, end);
            i = codeStart = end;
        } else if (text[i] == '\n') {
            endCode(i);
            lines.push_back(SourceLine{lines.back().number + 1, {}});
            codeStart = ++i;
        } else {
            ++i;
        }
    }
    endCode(n);
    return lines;
}

std::string CodeText(const std::vector<unsigned short>& text, const SourceLine& line)
{
    std::vector<unsigned short> code;
    for (const auto& range : line.code) {
        if (!code.empty())
            code.push_back(' ');
        code.insert(code.end(), text.begin() + range.first, text.begin() + range.second);
    }
    size_t first = 0, last = code.size();
    while (first < last && IsBlank(code[first]))
        ++first;
    while (last > first && IsBlank(code[last - 1]))
        --last;
    return GvUtf16ToUtf8(code.data() + first, static_cast<int>(last - first));
}

SlotCount CompilerLineSlots(const ShaderModel& model, const std::string& code)
{
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < code.size() && (code[i] == ' ' || code[i] == '\t'))
            ++i;
    };
    // Listings may number their instructions ("12: mul ...").
    size_t digits = 0;
    while (digits < code.size() && std::isdigit(static_cast<unsigned char>(code[digits])))
        ++digits;
    if (digits > 0 && digits < code.size() && code[digits] == ':')
        i = digits + 1;
    skipBlanks();
    const bool coIssued = i < code.size() && code[i] == '+';
    if (coIssued) {
        ++i;
        skipBlanks();
    }
    if (i < code.size() && code[i] == '(') { // predicate
        const size_t close = code.find(')', i);
        i = close == std::string::npos ? code.size() : close + 1;
        skipBlanks();
    }
    std::string name;
    for (; i < code.size() && (std::isalnum(static_cast<unsigned char>(code[i])) || code[i] == '_'); ++i)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(code[i])));
    const CompilerOp* op = FindCompilerOp(name);
    SlotCount slots;
    if (!op || coIssued)
        return slots;
    (op->texture ? slots.tex : slots.alu) = op->slots[FamilyOf(model)];
    return slots;
}

SlotCount LibraryLineSlots(GvMFCShaderASMParser& parser, const std::vector<unsigned short>& text,
                           const SourceLine& line)
{
    parser.InitInstructionCounts();
    for (const auto& range : line.code)
        parser.Parse(text.data(), 0, range.first, range.second);
    return SlotCount{parser.GetALUOpCount(), parser.GetTexOpCount()};
}

} // namespace gvshader
