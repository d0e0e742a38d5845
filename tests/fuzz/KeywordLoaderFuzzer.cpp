// The keyword file loader: the input is the file; what it loaded then parses
// a fixed shader, so half-filled categories and odd keywords meet the parse.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include "FuzzSupport.h"
#include "GvShaderParsing.h"

namespace {

const char16_t kShader[] = u"ps_3_0\n"
                           u"// texldp r0, t0, s0\n"
                           u"dcl_texcoord0 v0.xy /* block */ def c0, 1.0, 0.5, 0, 0\n"
                           u"texldp r0, v0, s0\nmad_sat r1.xyz, r0, c0.x, c0.y\n"
                           u"sincos r2.xy, r1.x\nif_gt r1.x, c0.x mov_pp oC0, r1 else mov oC0, r0 endif\n"
                           u"float4x4 m[2]; a += b -= c; x{range 0..3} \"str\" \u00e9\u4e2d\n";

class CountingParser : public GvMFCShaderASMParser
{
public:
    void OnKeywordFound(Keyword* keyword) override
    {
        GvMFCShaderASMParser::OnKeywordFound(keyword);
        m_units += keyword->GetName().GetLength();
    }
    size_t m_units = 0;
};

// One file per process, in memory-backed storage where there is some,
// rewritten for each input and removed at exit (creating and unlinking it per
// input cost a sixth of the run).
const std::string& FilePath()
{
    static const std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp")
                                    + std::string("/gv-keyword-fuzz-") + std::to_string(getpid()) + ".kwd";
    return path;
}

void RemoveFile()
{
    std::remove(FilePath().c_str());
}

CountingParser* g_parser;
GvMFCShaderKeywordLoader* g_loader;

} // namespace

// One parser and loader for all inputs: each holds a 256 KiB class table.
// The loader keeps the colours of the last load, as it does for a host.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_parser = new CountingParser;
    g_parser->SetShaderVersion(static_cast<GvShaderVersion>(14));
    g_loader = new GvMFCShaderKeywordLoader;
    std::atexit(RemoveFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBufferCheck check;
    const std::string& path = FilePath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    const std::vector<unsigned short> widePath(path.begin(), path.end() + 1);

    g_loader->Load(widePath.data(), g_parser);
    // A second load onto the filled parser adds the same categories again;
    // it doubles an input's time, so only files of odd length get it.
    if (size % 2 == 1)
        g_loader->Load(widePath.data(), g_parser);
    g_parser->InitInstructionCounts();
    const unsigned short* text = reinterpret_cast<const unsigned short*>(kShader);
    g_parser->Parse(text, 0, 0, static_cast<int>(sizeof(kShader) / sizeof(kShader[0])) - 1);
    g_parser->RemoveAllKeywordCategory();
    return 0;
}
