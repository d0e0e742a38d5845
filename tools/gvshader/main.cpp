// gvshader: the command-line face of the shader parsers. See HelpText().
#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include "GvShaderParsing.h"
#include "GvShaderTool.h"
#include "GvVersion.h"
#include "ToolConsole.h"

using namespace gvshader;

namespace {

enum ExitCode
{
    kOk = 0,
    kKeywordFileError = 1,
    kUsage = 2,
    kOverLimits = 3
};

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    std::FILE* file = OpenFile(path, "rb");
    if (!file)
        return false;
    // Reserved from the size up front, so that a large file is held once.
    bytes.clear();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(std::filesystem::u8path(path), error);
    if (!error && size < bytes.max_size())
        bytes.reserve(static_cast<size_t>(size));
    char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0)
        bytes.append(chunk, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

int Fail(int code, const std::string& message)
{
    WriteText(stderr, "gvshader: " + message + "\n");
    return code;
}

std::vector<unsigned short> WidePath(const std::string& path)
{
    std::vector<unsigned short> wide = DecodeUtf8(path);
    wide.push_back(0);
    return wide;
}

// Loads the keyword file named on the command line; 0 when it loaded.
int LoadKeywords(const std::string& path, GvMFCShaderSyntaxParser& parser, bool& loaded)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return Fail(kUsage, "cannot read keyword file '" + path + "'");
    GvMFCShaderKeywordLoader loader;
    loaded = loader.Load(WidePath(path).data(), &parser);
    return kOk;
}

bool ReadShader(const std::string& path, std::vector<unsigned short>& text, std::string& error)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        error = "cannot read shader file '" + path + "'";
        return false;
    }
    text = DecodeUtf8(bytes);
    if (text.size() > static_cast<size_t>(INT_MAX)) {
        error = "shader file '" + path + "' is too large";
        return false;
    }
    return true;
}

// Prints as it goes: the output of a large shader is not held in memory.
template <typename Base>
class KeywordPrinter : public Base
{
public:
    void OnKeywordFound(GvMFCShaderSyntaxParser::Keyword* keyword) override
    {
        WriteText(stdout, GvUtf16ToUtf8(keyword->GetName()) + "\n");
    }
};

template <typename Base>
int RunScan(const Options& options)
{
    auto parser = std::make_unique<KeywordPrinter<Base>>();
    std::vector<unsigned short> text;
    std::string error;
    if (!ReadShader(options.files[0], text, error))
        return Fail(kUsage, error);
    bool loaded = false;
    if (const int code = LoadKeywords(options.keywordFile, *parser, loaded))
        return code;
    if (!loaded)
        return Fail(kKeywordFileError, "keyword file '" + options.keywordFile + "' has a syntax error");
    parser->Parse(text.data(), 0, 0, static_cast<int>(text.size()));
    return kOk;
}

int RunKeywords(const Options& options)
{
    auto parser = std::make_unique<GvMFCShaderSyntaxParser>();
    bool loaded = false;
    if (const int code = LoadKeywords(options.files[0], *parser, loaded))
        return code;
    WriteText(stdout, KeywordsJson(*parser, loaded) + "\n");
    return loaded ? kOk : kKeywordFileError;
}

// The model a file is counted under: the one given, or the file's own. Null
// (after a message) when the file names none and none was given.
const GvShaderModel* ModelFor(const Options& options, const std::string& file, const std::vector<unsigned short>& text)
{
    int start = 0, length = 0;
    const GvShaderModel* own = GvFindVersionModel(text.data(), static_cast<int>(text.size()), &start, &length);
    if (options.model) {
        if (own && own != options.model)
            WriteText(stderr, "gvshader: warning: '" + file + "' is " + own->name + ", counted as "
                                  + options.model->name + " (--model)\n");
        return options.model;
    }
    if (!own) {
        // The token as its version would read: vs.1.1 as vs_1_1.
        std::string word = GvUtf16ToUtf8(text.data() + start, length);
        std::replace(word.begin(), word.end(), '.', '_');
        Fail(kUsage, "'" + file + "': no shader version instruction"
                         + (word.empty() ? std::string() : " (it starts with '" + word + "')") + "; give --model");
    }
    return own;
}

// Slots of one file, printing each code line first with --lines.
GvShaderBudget CountFile(const Options& options, const std::string& file, const std::vector<unsigned short>& text,
                         const GvShaderModel& model, GvMFCShaderASMParser& parser)
{
    GvShaderBudget budget = {0, 0, 0};
    if (!options.lines) {
        GvCountShaderSlots(&model, options.rules, &parser, text.data(), static_cast<int>(text.size()), budget);
        return budget;
    }
    GvShaderSlotLines lines(&model, options.rules, &parser, text.data(), static_cast<int>(text.size()));
    GvShaderLineSlots line;
    std::vector<unsigned short> code;
    while (lines.Next(line)) {
        code.resize(static_cast<size_t>(line.end - line.start));
        code.resize(static_cast<size_t>(lines.GetCode(line, code.data(), static_cast<int>(code.size()))));
        budget.alu = line.totalAlu;
        budget.tex = line.totalTex;
        if (!code.empty())
            WriteText(stdout, SlotLine(file, line.number, line.alu, line.tex, line.totalAlu, line.totalTex,
                                       GvUtf16ToUtf8(code.data(), static_cast<int>(code.size())), options.json)
                                  + "\n");
    }
    return budget;
}

int RunCount(const Options& options)
{
    std::vector<std::vector<unsigned short>> texts(options.files.size());
    std::string error;
    for (size_t i = 0; i < options.files.size(); ++i)
        if (!ReadShader(options.files[i], texts[i], error))
            return Fail(kUsage, error);
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    if (!options.keywordFile.empty()) {
        bool loaded = false;
        if (const int code = LoadKeywords(options.keywordFile, *parser, loaded))
            return code;
        if (!loaded)
            return Fail(kKeywordFileError, "keyword file '" + options.keywordFile + "' has a syntax error");
    }
    bool exceeded = false, failed = false;
    for (size_t i = 0; i < texts.size(); ++i) {
        const GvShaderModel* model = ModelFor(options, options.files[i], texts[i]);
        if (!model) {
            failed = true;
            continue;
        }
        const GvShaderBudget slots = CountFile(options, options.files[i], texts[i], *model, *parser);
        exceeded = exceeded || GvExceedsShaderLimits(*model, slots.alu, slots.tex);
        WriteText(stdout,
                  CountLine(options.files[i], *model, slots.alu, slots.tex, options.json, options.limits, options.rules)
                      + "\n");
    }
    return failed ? kUsage : options.limits && exceeded ? kOverLimits : kOk;
}

int Run(const std::vector<std::string>& args)
{
    PrepareStandardStreams();
    if (args.size() == 1 && args[0] == "--version") {
        WriteText(stdout, std::string("gvshader ") + GV_VERSION_STRING + "\n");
        return kOk;
    }
    Options options;
    std::string error;
    if (!ParseArguments(args, options, error))
        return Fail(kUsage, error + " (gvshader --help shows the usage)");
    switch (options.command) {
    case Command::Help: WriteText(stdout, HelpText()); return kOk;
    case Command::Keywords: return RunKeywords(options);
    case Command::Scan:
        if (options.language == "asm")
            return RunScan<GvMFCShaderASMParser>(options);
        if (options.language == "glsl")
            return RunScan<GvMFCShaderGLSLParser>(options);
        if (options.language == "none")
            return RunScan<GvMFCShaderSyntaxParser>(options);
        return RunScan<GvMFCShaderHLSLParser>(options);
    case Command::Count: return RunCount(options);
    }
    return kUsage;
}

} // namespace

#if defined(_WIN32)
// Arguments arrive as UTF-16, so any file name can be given.
int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(GvUtf16ToUtf8(reinterpret_cast<const unsigned short*>(argv[i])));
    return Run(args);
}
#else
int main(int argc, char** argv)
{
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
