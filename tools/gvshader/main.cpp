// gvshader: the command-line face of the shader parsers. See HelpText().
#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
#include "GvShaderParsing.h"
#include "GvShaderTool.h"
#include "GvTextEncoding.h"
#include "GvVersion.h"

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
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // Reserved from the size up front, so that a large file is held once.
    bytes.clear();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
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
    std::fprintf(stderr, "gvshader: %s\n", message.c_str());
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
        const std::string name = GvUtf16ToUtf8(keyword->GetName());
        std::fwrite(name.data(), 1, name.size(), stdout);
        std::fputc('\n', stdout);
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
    std::printf("%s\n", KeywordsJson(*parser, loaded).c_str());
    return loaded ? kOk : kKeywordFileError;
}

int RunCount(const Options& options)
{
    std::vector<std::vector<unsigned short>> texts(options.files.size());
    std::string error;
    for (size_t i = 0; i < options.files.size(); ++i)
        if (!ReadShader(options.files[i], texts[i], error))
            return Fail(kUsage, error);
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    bool loaded = false;
    if (const int code = LoadKeywords(options.keywordFile, *parser, loaded))
        return code;
    if (!loaded)
        return Fail(kKeywordFileError, "keyword file '" + options.keywordFile + "' has a syntax error");
    parser->SetShaderVersion(static_cast<GvShaderVersion>(options.model->number));
    bool exceeded = false;
    for (size_t i = 0; i < texts.size(); ++i) {
        parser->InitInstructionCounts();
        parser->Parse(texts[i].data(), 0, 0, static_cast<int>(texts[i].size()));
        const int alu = parser->GetALUOpCount(), tex = parser->GetTexOpCount();
        exceeded = exceeded || ExceedsLimits(*options.model, alu, tex);
        std::printf("%s\n",
                    CountLine(options.files[i], *options.model, alu, tex, options.json, options.limits).c_str());
    }
    return options.limits && exceeded ? kOverLimits : kOk;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("gvshader %s\n", GV_VERSION_STRING);
        return kOk;
    }
    Options options;
    std::string error;
    if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), options, error))
        return Fail(kUsage, error + " (gvshader --help shows the usage)");
    switch (options.command) {
    case Command::Help: std::fputs(HelpText(), stdout); return kOk;
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
