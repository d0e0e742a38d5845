// Counts the instruction slots of an assembly shader with the installed
// parser library: GvExampleParser KEYWORDFILE SHADER VERSION
// prints "A arithmetic, T texture slots". Shader text is taken as 8-bit.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>
#include "GvShaderParsing.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: GvExampleParser KEYWORDFILE SHADER VERSION\n");
        return 2;
    }
    const std::string keywordFile = argv[1];
    const std::vector<unsigned short> path(keywordFile.begin(), keywordFile.end() + 1);
    std::ifstream in(argv[2], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<unsigned short> text(bytes.begin(), bytes.end());

    // The class table makes a parser large: it lives on the heap.
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    GvMFCShaderKeywordLoader loader;
    if (!in || !loader.Load(path.data(), parser.get())) {
        std::fprintf(stderr, "cannot read the keyword file or the shader\n");
        return 1;
    }
    parser->SetShaderVersion(static_cast<GvShaderVersion>(std::stoi(argv[3])));
    parser->InitInstructionCounts();
    parser->Parse(text.data(), 0, 0, static_cast<int>(text.size()));
    std::printf("%d arithmetic, %d texture slots\n", parser->GetALUOpCount(), parser->GetTexOpCount());
    return 0;
}
