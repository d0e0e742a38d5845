#pragma once
// The testable part of gvshader: argument parsing, UTF-8 decoding and the
// JSON and text it prints. Models, limits and slot costs are the library's
// (GvShaderParsing.h).
#include <string>
#include <vector>
#include "GvShaderParsing.h"

namespace gvshader {

// UTF-8 to UTF-16 units; each maximal ill-formed subsequence becomes one
// U+FFFD.
std::vector<unsigned short> DecodeUtf8(const std::string& bytes);

// A JSON string literal for 8-bit text read as UTF-8 (ill-formed bytes are
// replaced first, so the result is always valid JSON).
std::string JsonQuote(const std::string& bytes);


enum class Command
{
    Help,
    Keywords,
    Scan,
    Count
};

struct Options
{
    Command command = Command::Help;
    std::string keywordFile;
    std::string language = "hlsl";
    const GvShaderModel* model = nullptr; // null: each file's own version line
    bool json = false;
    bool limits = false;
    GvSlotRulesType rules = GV_SLOT_RULES_LIBRARY;
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
std::string CountLine(const std::string& file, const GvShaderModel& model, int alu, int tex, bool json, bool limits,
                      GvSlotRulesType rules = GV_SLOT_RULES_LIBRARY);

// One line of count --lines: the slots of source line number (code is its
// text without comments) and the running totals of the file up to it.
std::string SlotLine(const std::string& file, int number, int alu, int tex, int totalAlu, int totalTex,
                     const std::string& code, bool json);

const char* HelpText();

} // namespace gvshader
