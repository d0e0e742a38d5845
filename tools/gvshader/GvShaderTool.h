#pragma once
// The testable part of gvshader: argument parsing, shader models and their
// slot limits, UTF-8 decoding and the JSON and text it prints.
#include <string>
#include <vector>

class GvMFCShaderSyntaxParser;

namespace gvshader {

// UTF-8 to UTF-16 units; each maximal ill-formed subsequence becomes one
// U+FFFD.
std::vector<unsigned short> DecodeUtf8(const std::string& bytes);

// A JSON string literal for 8-bit text read as UTF-8 (ill-formed bytes are
// replaced first, so the result is always valid JSON).
std::string JsonQuote(const std::string& bytes);

// Instruction-slot limits: 0 means the model has no such limit.
struct ShaderModel
{
    int number;
    const char* name;
    int aluLimit;
    int texLimit;
    int totalLimit;
};

// "1" to "15", a canonical name or an alias (vs_2_a, vs_2_sw, ps_2_a); null
// if none.
const ShaderModel* FindShaderModel(const std::string& text);

// The shader's own version instruction: the first token after white space and
// comments (the assembly parser's // and /* */), whose text goes to word (empty
// when the text has no token). Null when that token names no model; the
// dotted form vs.1.1 is read as vs_1_1.
const ShaderModel* FindVersionModel(const std::vector<unsigned short>& text, std::string& word);
bool ExceedsLimits(const ShaderModel& model, int alu, int tex);

enum class Command
{
    Help,
    Keywords,
    Scan,
    Count
};

// Whose slot costs count: the library's op tables, or the compiler's as its
// listings state them.
enum class Rules
{
    Library,
    Compiler
};

struct Options
{
    Command command = Command::Help;
    std::string keywordFile;
    std::string language = "hlsl";
    const ShaderModel* model = nullptr; // null: each file's own version line
    bool json = false;
    bool limits = false;
    Rules rules = Rules::Library;
    bool lines = false;
    std::vector<std::string> files;
};

// Arguments after the program name. False with a one-line reason on a usage
// error.
bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error);

// {"loaded", "colors", "categories"}: keywords bucket 0 to 255, each bucket
// in insertion order. One line, no line break.
std::string KeywordsJson(const GvMFCShaderSyntaxParser& parser, bool loaded);

// One result line of the count command, without the line break. Counts under
// the compiler's rules say so.
std::string CountLine(const std::string& file, const ShaderModel& model, int alu, int tex, bool json, bool limits,
                      Rules rules = Rules::Library);

// One line of count --lines: the slots of source line number (code is its
// text without comments) and the running totals of the file up to it.
std::string SlotLine(const std::string& file, int number, int alu, int tex, int totalAlu, int totalTex,
                     const std::string& code, bool json);

const char* HelpText();

} // namespace gvshader
