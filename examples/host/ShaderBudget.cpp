// The slot budget of an assembly shader through the installed package, as a
// host puts it beside its shader editor: the model named by the shader's
// version instruction, its limits, the slots under the library's rules and
// under the compiler's, and the first line over budget.
#include <cstdio>
#include <memory>
#include <string>
#include "GvShaderParsing.h"

namespace {

// lrp costs 3 slots in the library's ps_1_x table and 1 in the compiler's.
const char16_t kShader[] = u"ps_1_1\n"
                           u"tex t0\n"
                           u"tex t1 // mul r1, t1, c0\n"
                           u"mul r0, t0, t1\n"
                           u"lrp r0, v0, r0, c0\n"
                           u"mad_x2 r0, r0, v0, c1\n"
                           u"add r0, r0, c2\n"
                           u"add r0, r0, c3 /* fog */\n"
                           u"add r0, r0, c4\n"
                           u"mul r0, r0, v1\n";
const int kLength = static_cast<int>(sizeof(kShader) / sizeof(kShader[0])) - 1;

// "ps_1_1: arithmetic 9 of 8, texture 2 of 4 - over budget from line 10"
std::string BudgetText(const GvShaderModel& model, const GvShaderBudget& budget)
{
    char text[160];
    std::snprintf(text, sizeof(text), "%s: arithmetic %d of %d, texture %d of %d", model.name, budget.alu,
                  model.aluLimit, budget.tex, model.texLimit);
    std::string line = text;
    if (budget.firstLineOver) {
        std::snprintf(text, sizeof(text), " - over budget from line %d", budget.firstLineOver);
        line += text;
    }
    return line;
}

} // namespace

bool CountsAShaderBudget()
{
    const unsigned short* text = GvW(kShader);
    const GvShaderModel* model = GvFindVersionModel(text, kLength, nullptr, nullptr);
    if (!model)
        return false;
    // The library's rules count the keywords that name instructions; a host
    // normally loads them from a keyword file.
    auto parser = std::make_unique<GvMFCShaderASMParser>();
    parser->AddKeywordCategory(GvW(u"Instructions"), false);
    for (const char16_t* word : {u"tex", u"mul", u"lrp", u"mad_x2", u"add"})
        parser->AddKeyword(GvW(u"Instructions"), GvW(word));
    GvShaderBudget library, compiler;
    if (!GvCountShaderSlots(model, GV_SLOT_RULES_LIBRARY, parser.get(), text, kLength, library)
        || !GvCountShaderSlots(model, GV_SLOT_RULES_COMPILER, nullptr, text, kLength, compiler))
        return false;
    const std::string libraryText = BudgetText(*model, library), compilerText = BudgetText(*model, compiler);
    std::printf("library rules: %s\ncompiler rules: %s\n", libraryText.c_str(), compilerText.c_str());

    // The line the editor would highlight, with its running totals.
    GvShaderSlotLines lines(model, GV_SLOT_RULES_LIBRARY, parser.get(), text, kLength);
    GvShaderLineSlots line = {};
    while (lines.Next(line) && line.number < library.firstLineOver) {
    }
    unsigned short code[64];
    const std::string codeText = GvUtf16ToUtf8(code, lines.GetCode(line, code, 64));
    std::printf("line %d: %s (%d arithmetic, total %d)\n", line.number, codeText.c_str(), line.alu, line.totalAlu);
    return libraryText == "ps_1_1: arithmetic 9 of 8, texture 2 of 4 - over budget from line 10"
           && compilerText == "ps_1_1: arithmetic 7 of 8, texture 2 of 4" && codeText == "mul r0, r0, v1"
           && line.totalAlu == 9;
}
