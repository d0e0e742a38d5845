// Scans generated HLSL and assembly corpora of several megabytes with the
// shipped keyword files and compares the full parse with a baseline loop
// over the same buffer that only classifies characters and hashes
// identifier runs. Afterwards, untimed, both loops' counts are checked
// against the whole text; a mismatch fails the run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>
#include "GvShaderParsing.h"

namespace {

typedef std::vector<unsigned short> Text;

const size_t kCorpusUnits = 8u << 20;
const int kRounds = 5;

// Deterministic pseudo-random choices, so that every run scans the same text.
class Random
{
public:
    unsigned int Next(unsigned int bound)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % bound;
    }

private:
    unsigned int m_state = 12345;
};

void Append(Text& text, const std::string& ascii)
{
    text.insert(text.end(), ascii.begin(), ascii.end());
}

template <size_t N>
const char* Pick(Random& random, const char* const (&items)[N])
{
    return items[random.Next(N)];
}

Text MakeHlslCorpus()
{
    static const char* const types[] = {"float", "float2", "float3", "float4", "float4x4", "half3", "int", "bool"};
    static const char* const calls[] = {"mul", "dot", "normalize", "saturate", "lerp", "tex2D", "pow", "reflect"};
    static const char* const names[] = {"color", "normal", "position", "uv", "lightDir", "viewDir", "result", "n"};
    static const char* const semantics[] = {"POSITION", "TEXCOORD0", "NORMAL", "COLOR0", "SV_Target"};
    Random random;
    Text text;
    text.reserve(kCorpusUnits + 256);
    int function = 0;
    while (text.size() < kCorpusUnits) {
        Append(text, std::string("// generated function ") + std::to_string(function) + "\nfloat4 Shade"
                         + std::to_string(function) + "(float4 position : " + Pick(random, semantics)
                         + ", float2 uv : TEXCOORD0) : COLOR0\n{\n");
        for (int line = 0; line < 12; ++line) {
            const std::string suffix = std::to_string(random.Next(100));
            Append(text, std::string("    ") + Pick(random, types) + " " + Pick(random, names) + suffix + " = "
                             + Pick(random, calls) + "(" + Pick(random, names) + ", " + Pick(random, names) + suffix
                             + ") * " + std::to_string(random.Next(1000)) + ".5f + " + Pick(random, names) + ";\n");
            if (random.Next(4) == 0)
                Append(text, "    /* blend with the previous pass */\n");
            if (random.Next(3) == 0)
                Append(text, std::string("    if (") + Pick(random, names) + ".x > 0.5) return " + Pick(random, names)
                                 + ";\n");
        }
        Append(text, "    return color;\n}\n\n");
        ++function;
    }
    return text;
}

Text MakeAsmCorpus()
{
    static const char* const ops[] = {"mov", "add",     "mad",     "mul",    "dp3", "dp4", "rsq", "rcp", "max",
                                      "min", "mov_sat", "mad_sat", "mul_pp", "nrm", "pow", "lrp", "cmp", "sincos"};
    static const char* const tex[] = {"texld", "texldp", "texldb", "texkill"};
    static const char* const regs[] = {"r0", "r1", "r2", "r3", "r4", "c0", "c1", "c12", "v0", "t0", "t1"};
    static const char* const masks[] = {"", ".x", ".xy", ".xyz", ".w", ".rgb"};
    Random random;
    Text text;
    text.reserve(kCorpusUnits + 256);
    while (text.size() < kCorpusUnits) {
        Append(text, "ps_2_0\ndcl t0.xy\ndcl t1.xyz\ndcl_2d s0\ndef c3, 0.0, 0.5, 1.0, 32.0\n");
        for (int line = 0; line < 40; ++line) {
            if (random.Next(5) == 0) {
                Append(text, std::string(Pick(random, tex)) + " r" + std::to_string(random.Next(8)) + ", t"
                                 + std::to_string(random.Next(4)) + ", s0\n");
                continue;
            }
            Append(text, std::string(Pick(random, ops)) + " " + Pick(random, regs) + Pick(random, masks) + ", "
                             + Pick(random, regs) + ", " + Pick(random, regs) + Pick(random, masks));
            Append(text, random.Next(3) == 0 ? "    // accumulate\n" : "\n");
        }
        Append(text, "mov oC0, r0\n\n");
    }
    return text;
}

// The baseline: one class lookup per unit and a hash of every identifier
// run, the least a keyword scanner has to do.
unsigned int Baseline(const Text& text, const unsigned int* charClass, size_t& runs)
{
    unsigned int sum = 0;
    runs = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        if (charClass[text[i]] != GvMFCShaderSyntaxParser::CHAR_WORD) {
            ++i;
            continue;
        }
        unsigned int hash = 2166136261u;
        while (i < n && charClass[text[i]] - 1u < 2u)
            hash = (hash ^ text[i++]) * 16777619u;
        sum += hash;
        ++runs;
    }
    return sum;
}

// What the two timed loops must have counted over the whole text, worked
// out untimed: the identifier runs of the baseline with the sum of their
// hashes, and the keywords the parse reports, found by a plain walk of its
// own (runs outside the two comment forms of the shipped parsers that a
// word category holds). Equal counts show that both loops read the same,
// whole input.
struct Expected
{
    size_t runs = 0;
    unsigned int hashSum = 0;
    long long keywords = 0;
};

bool IsWordKeyword(const GvMFCShaderSyntaxParser& parser, const std::u16string& run)
{
    for (auto it = parser.BeginKeywordCategory(); it != parser.EndKeywordCategory(); ++it)
        if (!(*it)->IsOperator() && (*it)->FindKeyword(GvW(run.c_str())))
            return true;
    return false;
}

Expected Reference(const Text& text, const GvMFCShaderSyntaxParser& parser)
{
    const unsigned int* charClass = parser.GetCharClassTable();
    const auto isWordOrDigit = [&](size_t i) {
        return charClass[text[i]] == GvMFCShaderSyntaxParser::CHAR_WORD
               || charClass[text[i]] == GvMFCShaderSyntaxParser::CHAR_DIGIT;
    };
    const auto startsWith = [&](size_t i, const char* ascii) {
        for (; *ascii; ++ascii, ++i)
            if (i >= text.size() || text[i] != static_cast<unsigned char>(*ascii))
                return false;
        return true;
    };
    const size_t n = text.size();
    Expected expected;
    expected.hashSum = Baseline(text, charClass, expected.runs);
    for (size_t i = 0; i < n;) {
        if (startsWith(i, "//") || startsWith(i, "/*")) {
            const char* close = text[i + 1] == '/' ? "\n" : "*/";
            i += 2;
            while (i < n && !startsWith(i, close))
                ++i;
            i += std::char_traits<char>::length(close);
        } else if (isWordOrDigit(i)) {
            const size_t begin = i;
            while (i < n && isWordOrDigit(i))
                ++i;
            if (charClass[text[begin]] == GvMFCShaderSyntaxParser::CHAR_WORD
                && IsWordKeyword(parser, std::u16string(text.begin() + begin, text.begin() + i)))
                ++expected.keywords;
        } else {
            ++i;
        }
    }
    return expected;
}

template <typename Base>
class CountingParser : public Base
{
public:
    void OnKeywordFound(GvMFCShaderSyntaxParser::Keyword* keyword) override
    {
        Base::OnKeywordFound(keyword);
        ++m_keywords;
    }
    long long m_keywords = 0;
};

template <typename Function>
double Seconds(Function function)
{
    const auto start = std::chrono::steady_clock::now();
    function();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

// The best of several rounds of each loop, taken in turns, so that a load
// that comes and goes on the machine meets both alike.
template <typename First, typename Second>
void BestSecondsInTurns(First first, Second second, double& bestFirst, double& bestSecond)
{
    bestFirst = bestSecond = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        bestFirst = std::min(bestFirst, Seconds(first));
        bestSecond = std::min(bestSecond, Seconds(second));
    }
}

template <typename Base>
bool Measure(const char* label, const char* keywordFile, const Text& text)
{
    auto parser = std::make_unique<CountingParser<Base>>();
    GvMFCShaderKeywordLoader loader;
    const std::string path = std::string(GV_DATA_DIR) + "/keywords/" + keywordFile;
    const std::u16string widePath(path.begin(), path.end());
    if (!loader.Load(GvW(widePath.c_str()), parser.get())) {
        std::fprintf(stderr, "cannot load %s\n", path.c_str());
        return false;
    }
    size_t runs = 0;
    unsigned int hashSum = 0;
    volatile unsigned int sink = 0;
    long long keywords = 0;
    double baseline = 0;
    double parse = 0;
    BestSecondsInTurns(
        [&] {
            hashSum = Baseline(text, parser->GetCharClassTable(), runs);
            sink = sink + hashSum;
        },
        [&] {
            parser->m_keywords = 0;
            parser->Parse(text.data(), 0, 0, static_cast<int>(text.size()));
            keywords = parser->m_keywords;
        },
        baseline, parse);
    const Expected expected = Reference(text, *parser);
    if (runs != expected.runs || hashSum != expected.hashSum || keywords != expected.keywords) {
        std::fprintf(stderr,
                     "%s: the loops did not see the same input: %zu runs (hash sum %08x) and %lld keywords, "
                     "expected %zu (%08x) and %lld\n",
                     label, runs, hashSum, keywords, expected.runs, expected.hashSum, expected.keywords);
        return false;
    }
    const double megabytes = 2.0 * static_cast<double>(text.size()) / 1e6;
    std::printf("%-4s %6.1f MB of UTF-16, %zu identifier runs, %lld keywords\n", label, megabytes, runs, keywords);
    std::printf("     baseline  %8.1f MB/s\n", megabytes / baseline);
    std::printf("     parse     %8.1f MB/s  %8.2f M keywords/s\n", megabytes / parse, keywords / parse / 1e6);
    std::printf("     parse time / baseline time: %.2f\n", parse / baseline);
    return true;
}

} // namespace

int main()
{
    const Text hlsl = MakeHlslCorpus();
    const Text assembly = MakeAsmCorpus();
    const bool ok = Measure<GvMFCShaderHLSLParser>("hlsl", "hlsl.kwd", hlsl)
                    && Measure<GvMFCShaderASMParser>("asm", "asm.kwd", assembly);
    return ok ? 0 : 1;
}
