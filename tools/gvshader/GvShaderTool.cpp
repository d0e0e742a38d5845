#include "GvShaderTool.h"

#include <algorithm>
#include <cstdio>

namespace gvshader {

namespace {

void AppendUnicode(std::vector<unsigned short>& out, unsigned long c)
{
    if (c < 0x10000) {
        out.push_back(static_cast<unsigned short>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<unsigned short>(0xD800 + (c >> 10)));
        out.push_back(static_cast<unsigned short>(0xDC00 + (c & 0x3FF)));
    }
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string LimitsText(const GvShaderModel& model)
{
    if (model.totalLimit)
        return std::to_string(model.totalLimit) + " slots in all";
    if (model.aluLimit || model.texLimit)
        return std::to_string(model.aluLimit) + " arithmetic, " + std::to_string(model.texLimit) + " texture";
    return "none";
}

std::string LimitsJson(const GvShaderModel& model)
{
    if (model.totalLimit)
        return "{\"total\": " + std::to_string(model.totalLimit) + "}";
    if (model.aluLimit || model.texLimit)
        return "{\"alu\": " + std::to_string(model.aluLimit) + ", \"tex\": " + std::to_string(model.texLimit) + "}";
    return "{}";
}

// "--name value" or "--name=value"; advances i past what it took.
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
               std::string& error)
{
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool IsOption(const std::string& arg, const std::string& name)
{
    return arg == name || arg.compare(0, name.size() + 1, name + "=") == 0;
}

// The model --model names: "1" to "15" or a model's or profile's name; null
// if none.
const GvShaderModel* FindShaderModel(const std::string& text)
{
    for (int version = 1; GvGetShaderModel(version); ++version)
        if (text == std::to_string(version))
            return GvGetShaderModel(version);
    return GvFindShaderModel(text.c_str());
}

} // namespace

std::vector<unsigned short> DecodeUtf8(const std::string& bytes)
{
    std::vector<unsigned short> out;
    out.reserve(bytes.size());
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            // ASCII runs are copied by pointer: files of 100 MB go through here.
            size_t run = i + 1;
            while (run < n && static_cast<unsigned char>(bytes[run]) < 0x80)
                ++run;
            const size_t at = out.size();
            out.resize(at + (run - i));
            unsigned short* target = out.data() + at;
            const unsigned char* source = reinterpret_cast<const unsigned char*>(bytes.data());
            for (; i < run; ++i)
                *target++ = source[i];
            continue;
        }
        // Length and the allowed range of the second byte (no overlong
        // forms, no surrogates, nothing above U+10FFFF).
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (b0 >= 0xC2 && b0 <= 0xDF)
            length = 2;
        else if (b0 >= 0xE0 && b0 <= 0xEF)
            length = 3, low = b0 == 0xE0 ? 0xA0 : 0x80, high = b0 == 0xED ? 0x9F : 0xBF;
        else if (b0 >= 0xF0 && b0 <= 0xF4)
            length = 4, low = b0 == 0xF0 ? 0x90 : 0x80, high = b0 == 0xF4 ? 0x8F : 0xBF;
        unsigned long c = length == 2 ? (b0 & 0x1F) : length == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        int k = 1;
        for (; k < length && i + k < n; ++k) {
            const unsigned char b = static_cast<unsigned char>(bytes[i + k]);
            if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
                break;
            c = (c << 6) | (b & 0x3F);
        }
        if (length == 0 || k < length) {
            out.push_back(0xFFFD);
            i += k;
            continue;
        }
        AppendUnicode(out, c);
        i += length;
    }
    return out;
}

std::string JsonQuote(const std::string& bytes)
{
    const std::vector<unsigned short> units = DecodeUtf8(bytes);
    const std::string text = GvUtf16ToUtf8(units.data(), static_cast<int>(units.size()));
    std::string out = "\"";
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error)
{
    options = Options();
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            return true;
        }
    }
    if (args.empty()) {
        error = "missing command";
        return false;
    }
    const std::string& command = args[0];
    if (command == "help")
        return true;
    if (command == "keywords")
        options.command = Command::Keywords;
    else if (command == "scan")
        options.command = Command::Scan;
    else if (command == "count")
        options.command = Command::Count;
    else {
        error = "unknown command '" + command + "'";
        return false;
    }

    const bool scan = options.command == Command::Scan, count = options.command == Command::Count;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            options.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if ((scan || count) && IsOption(arg, "--keywords")) {
            if (!TakeValue(args, i, "--keywords", options.keywordFile, error))
                return false;
        } else if (scan && IsOption(arg, "--lang")) {
            if (!TakeValue(args, i, "--lang", value, error))
                return false;
            if (value != "asm" && value != "hlsl" && value != "glsl" && value != "none") {
                error = "unknown language '" + value + "' (asm, hlsl, glsl or none)";
                return false;
            }
            options.language = value;
        } else if (count && IsOption(arg, "--model")) {
            if (!TakeValue(args, i, "--model", value, error))
                return false;
            options.model = Lower(value) == "auto" ? nullptr : FindShaderModel(value);
            if (!options.model && Lower(value) != "auto") {
                error = "unknown shader model '" + value + "' (auto, 1 to 15, or vs_1_1 ... ps_3_sw)";
                return false;
            }
        } else if (count && IsOption(arg, "--rules")) {
            if (!TakeValue(args, i, "--rules", value, error))
                return false;
            if (value != "library" && value != "compiler") {
                error = "unknown rules '" + value + "' (library or compiler)";
                return false;
            }
            options.rules = value == "compiler" ? GV_SLOT_RULES_COMPILER : GV_SLOT_RULES_LIBRARY;
        } else if (count && arg == "--lines") {
            options.lines = true;
        } else if (count && arg == "--json") {
            options.json = true;
        } else if (count && arg == "--limits") {
            options.limits = true;
        } else {
            error = "unknown option '" + arg + "' for " + command;
            return false;
        }
    }
    // The compiler's rules read instructions without the keyword file.
    if ((scan || (count && options.rules == GV_SLOT_RULES_LIBRARY)) && options.keywordFile.empty()) {
        error = command + " needs --keywords KEYWORDFILE";
        return false;
    }
    if (count ? options.files.empty() : options.files.size() != 1) {
        error = command + (count ? " needs at least one shader file" : " needs exactly one file");
        return false;
    }
    return true;
}

std::string KeywordsJson(const GvMFCShaderSyntaxParser& parser, bool loaded)
{
    std::string out = std::string("{\"loaded\": ") + (loaded ? "true" : "false")
                      + ", \"colors\": {\"comment\": " + std::to_string(parser.m_commentColor)
                      + ", \"foreground\": " + std::to_string(parser.m_foregroundColor)
                      + ", \"background\": " + std::to_string(parser.m_backgroundColor)
                      + ", \"highlight\": " + std::to_string(parser.m_highlightColor) + "}, \"categories\": [";
    bool firstCategory = true;
    for (auto it = parser.BeginKeywordCategory(); it != parser.EndKeywordCategory(); ++it) {
        const GvMFCShaderSyntaxParser::KeywordCategory* category = *it;
        out += firstCategory ? "" : ", ";
        firstCategory = false;
        out += "{\"name\": " + JsonQuote(GvUtf16ToUtf8(category->GetName()))
               + ", \"operator\": " + (category->IsOperator() ? "true" : "false")
               + ", \"color\": " + std::to_string(category->GetColor()) + ", \"keywords\": [";
        bool firstWord = true;
        for (int b = 0; b < GvMFCShaderSyntaxParser::BUCKET_COUNT; ++b) {
            const auto& bucket = category->GetBucket(b);
            for (auto word = bucket.Begin(); word != bucket.End(); ++word) {
                out += firstWord ? "" : ", ";
                firstWord = false;
                out += JsonQuote(GvUtf16ToUtf8((*word)->GetName()));
            }
        }
        out += "]}";
    }
    return out + "]}";
}

std::string CountLine(const std::string& file, const GvShaderModel& model, int alu, int tex, bool json, bool limits,
                      GvSlotRulesType rules)
{
    const bool exceeded = GvExceedsShaderLimits(model, alu, tex);
    const bool compiler = rules == GV_SLOT_RULES_COMPILER;
    if (json) {
        std::string line = "{\"file\": " + JsonQuote(file)
                           + ", \"model\": " + std::to_string(static_cast<int>(model.version))
                           + ", \"alu\": " + std::to_string(alu) + ", \"tex\": " + std::to_string(tex);
        if (compiler)
            line += ", \"rules\": \"compiler\"";
        if (limits)
            line += ", \"limits\": " + LimitsJson(model) + ", \"exceeded\": " + (exceeded ? "true" : "false");
        return line + "}";
    }
    std::string line =
        file + ": " + std::to_string(alu) + " arithmetic, " + std::to_string(tex) + " texture slots (" + model.name;
    if (compiler)
        line += "; compiler rules";
    if (limits)
        line += "; limits: " + LimitsText(model) + (exceeded ? "; EXCEEDED" : "; within");
    return line + ")";
}

std::string SlotLine(const std::string& file, int number, int alu, int tex, int totalAlu, int totalTex,
                     const std::string& code, bool json)
{
    if (json)
        return "{\"file\": " + JsonQuote(file) + ", \"line\": " + std::to_string(number)
               + ", \"alu\": " + std::to_string(alu) + ", \"tex\": " + std::to_string(tex)
               + ", \"totalAlu\": " + std::to_string(totalAlu) + ", \"totalTex\": " + std::to_string(totalTex)
               + ", \"code\": " + JsonQuote(code) + "}";
    return file + ":" + std::to_string(number) + ": " + std::to_string(alu) + " arithmetic, " + std::to_string(tex)
           + " texture; total " + std::to_string(totalAlu) + ", " + std::to_string(totalTex) + ": " + code;
}

const char* HelpText()
{
    return "usage:\n"
           "  gvshader keywords KEYWORDFILE\n"
           "  gvshader scan --keywords KEYWORDFILE [--lang asm|hlsl|glsl|none] SHADERFILE\n"
           "  gvshader count [--keywords KEYWORDFILE] [--model auto|N] [--rules library|compiler]\n"
           "                 [--lines] [--json] [--limits] SHADERFILE...\n"
           "  gvshader --help\n"
           "  gvshader --version\n"
           "\n"
           "keywords  Loads a keyword definition file and prints one JSON object:\n"
           "          {\"loaded\", \"colors\": {\"comment\", \"foreground\", \"background\", \"highlight\"},\n"
           "           \"categories\": [{\"name\", \"operator\", \"color\", \"keywords\"}]}; colours are\n"
           "          0x00BBGGRR integers, keywords listed bucket by bucket (first code unit 0 to 255).\n"
           "          A file with a syntax error still prints what was loaded up to the error.\n"
           "scan      Prints every keyword the parser reports, one per line, in text order.\n"
           "          --lang picks the parser and so its comments: asm, hlsl (default) and glsl\n"
           "          skip /* */ and // comments; none is the plain parser without comments.\n"
           "count     Counts the arithmetic and texture instruction slots of assembly shaders\n"
           "          (counters reset for each file). Prints 'FILE: A arithmetic, T texture slots\n"
           "          (MODEL)', or with --json one object per line {\"file\", \"model\", \"alu\", \"tex\"}.\n"
           "          --limits adds the model's documented slot limits and the verdict.\n"
           "          --lines first prints each line that holds code: 'FILE:LINE: A arithmetic,\n"
           "          T texture; total A, T: CODE' (comments removed; with --json objects\n"
           "          {\"file\", \"line\", \"alu\", \"tex\", \"totalAlu\", \"totalTex\", \"code\"});\n"
           "          the last totals are the file's.\n"
           "\n"
           "--rules library (the default) counts as the library's assembly parser does: each\n"
           "keyword of the keyword file (required) that names an instruction of the model\n"
           "adds that instruction's slots from the parser's table, modifiers only where the\n"
           "table lists them (_sat, _pp; the _x2 ... _d8 forms in ps_1_x).\n"
           "--rules compiler counts as the shader compiler's listing states it ('approximately\n"
           "N instruction slots used (T texture, A arithmetic)'), one instruction per line\n"
           "(the keyword file is optional and only checked): def, dcl, label, phase and the\n"
           "version cost nothing; modifiers (_sat, _pp, _centroid, _x2 ... _d8, in any order\n"
           "and combination such as _sat_pp) cost what their instruction costs; a co-issued\n"
           "ps_1_x instruction (+) costs nothing; a predicate '(p0.x)' or a listing's\n"
           "instruction number 'N:' in front changes nothing; lrp is 1 slot in every model,\n"
           "setp 1; macros cost their expansion (m4x4 4, m3x3 3, nrm 3, pow 3, sincos 8,\n"
           "crs 2, dp2add 2, sgn 3, lit 3 from vs_2_0 on; vs_1_1 exp and log 10, frc 3);\n"
           "flow control is arithmetic (if, if_cc, rep, loop, callnz, break_cc, breakp 3;\n"
           "call, endrep, endloop 2; else, endif, break, ret 1); texture slots: texld,\n"
           "texldb, texkill 1, texldp 1 (ps_3_0: 3), texldl 2, texldd 3, each ps_1_x texture\n"
           "instruction 1. Vertex shader listings state only the sum.\n"
           "\n"
           "--model auto (the default) counts each file under the model of its own version\n"
           "instruction, the first token after white space and // and /* */ comments\n"
           "(vs.1.1 reads as vs_1_1); a file without one is reported and skipped (exit 2\n"
           "once the others are counted). An explicit --model counts every file under that\n"
           "model and warns about a file whose version instruction names another. Models\n"
           "by number or name (version instructions by name):\n"
           "   1 vs_1_1   2 vs_2_0   3 vs_2_x (vs_2_a, vs_2_sw)   4 vs_3_0   5 vs_3_sw\n"
           "   6 ps_1_1   7 ps_1_2   8 ps_1_3   9 ps_1_4\n"
           "  10 ps_2_0  11 ps_2_x (ps_2_a)  12 ps_2_b  13 ps_2_sw  14 ps_3_0  15 ps_3_sw\n"
           "vs_2_a, vs_2_sw and ps_2_a count with the instructions of the model in brackets\n"
           "and keep their own limits.\n"
           "Slot limits used by --limits: vs_1_1 128, vs_2_0, vs_2_x and vs_2_a 256, vs_3_0 512\n"
           "in all; ps_1_1 to ps_1_3 8 arithmetic + 4 texture; ps_1_4 16 + 12 (two phases of\n"
           "8 + 6); ps_2_0 64 + 32; ps_2_x 96 (its guaranteed minimum), ps_2_a, ps_2_b and\n"
           "ps_3_0 512 in all; software models (vs_2_sw, vs_3_sw, ps_2_sw, ps_3_sw) none.\n"
           "\n"
           "Shader files are read as UTF-8 (ill-formed bytes become U+FFFD); keyword files are\n"
           "8-bit text. Each shader file is read whole and kept as UTF-16: memory is about\n"
           "three times the file, and count holds all its files at once. A file of more than\n"
           "2^31 - 1 UTF-16 units is refused (exit status 2).\n"
           "\n"
           "exit status: 0 success; 1 the keyword file has a syntax error (keywords: Load\n"
           "returned false; scan and count do nothing then); 2 usage error, a file that\n"
           "cannot be read, or a file count found no model for (before 3); 3 count --limits\n"
           "found a shader over its model's limits.\n";
}

} // namespace gvshader
