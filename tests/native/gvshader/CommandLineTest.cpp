#include <sys/wait.h>
#include "GvShaderToolCases.h"
#include "ParserTestSupport.h"

namespace {

struct ToolRun
{
    int code;
    std::string out;
    std::string err;
};

std::string ShellQuote(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string Data(const std::string& relative)
{
    return (std::filesystem::path(GV_DATA_DIR) / relative).string();
}

const char* const kTypes = "Keywords : \"Types\" { Color : (1, 2, 3) Word : \"float4\" \"half\" }";

class CommandLineTest : public GvLeakCheckedTest
{
protected:
    // Runs the tool in dir (empty: the test's working directory).
    ToolRun Tool(const std::vector<std::string>& args, const std::string& dir = "")
    {
        const std::string out = GvUtf16ToUtf8(GvW(m_dir.PathOf("stdout.txt").c_str()));
        const std::string err = GvUtf16ToUtf8(GvW(m_dir.PathOf("stderr.txt").c_str()));
        std::string command = (dir.empty() ? "" : "cd " + ShellQuote(dir) + " && ") + ShellQuote(GVSHADER_PATH);
        for (const std::string& arg : args)
            command += " " + ShellQuote(arg);
        command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err);
        const int status = std::system(command.c_str());
        return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    }
    std::string File(const std::string& name, const std::string& bytes)
    {
        return GvUtf16ToUtf8(GvW(m_dir.Write(name, bytes).c_str()));
    }
    static void ExpectOneErrorLine(const ToolRun& run)
    {
        EXPECT_EQ(0u, run.err.rfind("gvshader: ", 0)) << run.err;
        EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
    }

    TempDir m_dir;
    const std::string m_asmKeywords = Data("keywords/asm.kwd");
};

TEST_F(CommandLineTest, HelpAndBadUsageBrokenOrUnreadableInput)
{
    const std::string broken = File("broken.kwd", "Keywords : \"T\"");
    const std::string shader = File("a.asm", "mov r0, r1\n");
    const std::string missing = shader + ".missing";
    const std::string noFile = GvUtf16ToUtf8(GvW(m_dir.PathOf("missing.kwd").c_str()));
    const std::string dir = GvUtf16ToUtf8(GvW(m_dir.PathOf("").c_str()));
    const std::pair<std::vector<std::string>, int> rows[] = {
        {{}, 2}, // one bad usage for the exit status: ParseArguments' own test has the rest
        {{"keywords", noFile}, 2},
        {{"keywords", dir}, 2},
        {{"scan", "--keywords", broken, shader}, 1},
        {{"count", "--keywords", broken, "--model", "1", shader}, 1},
        {{"scan", "--keywords", m_asmKeywords, missing}, 2},
        {{"count", "--keywords", m_asmKeywords, "--model", "1", shader, missing}, 2},
        {{"count", "--keywords", missing, "--model", "1", shader}, 2}};
    for (const auto& [args, code] : rows) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const ToolRun run = Tool(args);
        EXPECT_EQ(code, run.code);
        EXPECT_TRUE(run.out.empty());
        ExpectOneErrorLine(run);
    }
    const ToolRun help = Tool({"--help"});
    EXPECT_TRUE(help.code == 0 && help.out.find("usage:") != std::string::npos && help.err.empty()) << help.out;
}

TEST_F(CommandLineTest, KeywordsPrintsTheWorkedExampleAndThePartialStateOfABrokenFile)
{
    const ToolRun run = Tool({"keywords", File("example.kwd", kWorkedExample)});
    EXPECT_TRUE(run.code == 0 && run.err.empty()) << run.err;
    EXPECT_EQ("{\"loaded\": true, \"colors\": {\"comment\": 32768, \"foreground\": 0, \"background\": 16777215, "
              "\"highlight\": 65535}, \"categories\": [{\"name\": \"Instructions\", \"operator\": false, \"color\": "
              "16711680, \"keywords\": [\"c0\", \"c1\", \"dcl\", \"float1x1\", \"float1x2\", \"float2x1\", "
              "\"float2x2\", \"mov\", \"mov_sat\", \"mov_pp\", \"texcoord\", \"texcoord0\", \"texcoord1\", "
              "\"texcoord2\"]}]}\n",
              run.out);
    const ToolRun broken =
        Tool({"keywords", File("broken.kwd", "Color { Comment : (1, 0, 0) }\n"
                                             "Keywords : \"T\" { Color : (0, 0, 9) Word : \"a\" \"b\"")});
    EXPECT_EQ(1, broken.code);
    EXPECT_EQ("{\"loaded\": false, \"colors\": {\"comment\": 1, \"foreground\": 0, \"background\": 16777215, "
              "\"highlight\": 16711680}, \"categories\": [{\"name\": \"T\", \"operator\": false, \"color\": 589824, "
              "\"keywords\": [\"a\", \"b\"]}]}\n",
              broken.out);
}

TEST_F(CommandLineTest, ScanReportsKeywordsPerLanguage)
{
    const std::string kwd = File("types.kwd", kTypes);
    const std::string shader = File("s.fx", "float4 a; // float4\n/* half */ half b;\xFF"
                                            "float4\xC3\xA9half");
    ToolRun run = Tool({"scan", "--keywords", kwd, shader});
    EXPECT_EQ(0, run.code) << run.err;
    EXPECT_EQ("float4\nhalf\nfloat4\nhalf\n", run.out);
    for (const char* lang : {"hlsl", "glsl", "asm"})
        EXPECT_EQ("float4\nhalf\nfloat4\nhalf\n", Tool({"scan", "--keywords", kwd, "--lang", lang, shader}).out)
            << lang;
    EXPECT_EQ("float4\nfloat4\nhalf\nhalf\nfloat4\nhalf\n",
              Tool({"scan", "--keywords", kwd, "--lang", "none", shader}).out);
}

TEST_F(CommandLineTest, CountTakesEachFilesOwnModel)
{
    const char* const samples[][2] = {{"ps11_detail.asm", "ps_1_1"},   {"ps14_bump.asm", "ps_1_4"},
                                      {"ps20_phong.asm", "ps_2_0"},    {"ps30_blur.asm", "ps_3_0"},
                                      {"vs11_lighting.asm", "vs_1_1"}, {"vs20_wave.asm", "vs_2_0"},
                                      {"vs30_skinning.asm", "vs_3_0"}};
    std::vector<std::string> all = {"count", "--keywords", m_asmKeywords, "--limits"};
    std::string expected;
    for (const auto& sample : samples) {
        const std::string file = Data(std::string("shaders/") + sample[0]);
        const ToolRun given = Tool({"count", "--keywords", m_asmKeywords, "--limits", "--model", sample[1], file});
        EXPECT_TRUE(given.code == 0 && given.err.empty()) << file << ": " << given.err;
        EXPECT_NE(std::string::npos, given.out.find(std::string("(") + sample[1] + ";")) << given.out;
        EXPECT_EQ(given.out, Tool({"count", "--keywords", m_asmKeywords, "--limits", file}).out);
        all.push_back(file);
        expected += given.out;
    }
    const ToolRun mixed = Tool(all);
    EXPECT_EQ(std::make_pair(0, expected), std::make_pair(mixed.code, mixed.out));

    const std::string vs = Data("shaders/vs11_lighting.asm"), ps = Data("shaders/ps20_phong.asm");
    const ToolRun json = Tool({"count", "--keywords", m_asmKeywords, "--json", vs, ps});
    EXPECT_EQ("{\"file\": \"" + vs + "\", \"model\": 1, \"alu\": 14, \"tex\": 0}\n{\"file\": \"" + ps
                  + "\", \"model\": 10, \"alu\": 18, \"tex\": 1}\n",
              json.out);
}

TEST_F(CommandLineTest, CountReportsAFileWithoutVersionAndCountsTheOthers)
{
    const std::string first = File("first.asm", "// ps_2_0 in a comment only\nmov r0, r1\n");
    const std::string empty = File("empty.asm", "");
    const std::string good = File("good.asm", "/* lit */ ps_2_0\nmov r0, r1\n");
    const ToolRun run = Tool({"count", "--keywords", m_asmKeywords, first, good, empty});
    EXPECT_EQ(2, run.code);
    EXPECT_EQ(good + ": 1 arithmetic, 0 texture slots (ps_2_0)\n", run.out);
    EXPECT_EQ("gvshader: '" + first + "': no shader version instruction (it starts with 'mov'); give --model\n"
                  + "gvshader: '" + empty + "': no shader version instruction; give --model\n",
              run.err);
    // Errors come before an exceeded limit.
    std::string big = "ps_1_1\n";
    for (int i = 0; i < 9; ++i)
        big += "mov r0, r1\n";
    EXPECT_EQ(2, Tool({"count", "--keywords", m_asmKeywords, "--limits", File("big.asm", big), first}).code);
    EXPECT_EQ(3, Tool({"count", "--keywords", m_asmKeywords, "--limits", File("big.asm", big), good}).code);
}

TEST_F(CommandLineTest, ExplicitModelOverridesTheVersionLineWithAWarning)
{
    const std::string vs = Data("shaders/vs20_wave.asm"), plain = File("plain.asm", "sincos r0, r1\n");
    const std::string alias = File("alias.asm", "ps_2_a\nlrp r0, r1, r2, r3\n");
    const ToolRun run =
        Tool({"count", "--keywords", m_asmKeywords, "--model", "ps_2_0", "--json", "--limits", vs, plain, alias});
    EXPECT_EQ(0, run.code);
    EXPECT_EQ("{\"file\": \"" + vs
                  + "\", \"model\": 10, \"alu\": 16, \"tex\": 0, \"limits\": {\"alu\": 64, \"tex\": 32}, "
                    "\"exceeded\": false}\n{\"file\": \""
                  + plain
                  + "\", \"model\": 10, \"alu\": 8, \"tex\": 0, \"limits\": {\"alu\": 64, \"tex\": 32}, "
                    "\"exceeded\": false}\n{\"file\": \""
                  + alias
                  + "\", \"model\": 10, \"alu\": 2, \"tex\": 0, \"limits\": {\"alu\": 64, \"tex\": 32}, "
                    "\"exceeded\": false}\n",
              run.out);
    EXPECT_EQ("gvshader: warning: '" + vs + "' is vs_2_0, counted as ps_2_0 (--model)\ngvshader: warning: '" + alias
                  + "' is ps_2_a, counted as ps_2_0 (--model)\n",
              run.err);
    // The same model under its number is no mismatch.
    EXPECT_TRUE(Tool({"count", "--keywords", m_asmKeywords, "--model", "2", vs}).err.empty());
}

TEST_F(CommandLineTest, CountWithLimitsExitsThreeWhenAShaderIsOver)
{
    std::string big = "ps_2_0\n";
    for (int i = 0; i < 65; ++i)
        big += "mov_sat r0, r1\n";
    const std::string over = File("over.asm", big);
    const std::string under = File("under.asm", "ps_2_0\nmov r0, r1\ntexld r0, t0, s0\n");
    ToolRun run = Tool({"count", "--keywords", m_asmKeywords, "--model", "ps_2_0", "--limits", under, over});
    EXPECT_EQ(3, run.code);
    EXPECT_EQ(under + ": 1 arithmetic, 1 texture slots (ps_2_0; limits: 64 arithmetic, 32 texture; within)\n" + over
                  + ": 65 arithmetic, 0 texture slots (ps_2_0; limits: 64 arithmetic, 32 texture; EXCEEDED)\n",
              run.out);
    // Without --limits the same shader is no error; ps_3_0 counts all slots together.
    EXPECT_EQ(0, Tool({"count", "--keywords", m_asmKeywords, "--model", "ps_2_0", over}).code);
    EXPECT_EQ(0, Tool({"count", "--keywords", m_asmKeywords, "--model", "ps_3_0", "--limits", over}).code);
}

TEST_F(CommandLineTest, SharedCasesGiveTheirExactResults)
{
    for (const GvShaderToolCase& c : GvShaderToolCases()) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ToolRun run = Tool(c.args, GV_DATA_DIR);
        EXPECT_EQ(std::make_tuple(c.code, c.out, c.err), std::make_tuple(run.code, run.out, run.err));
    }
}

TEST_F(CommandLineTest, CompilerRulesNeedNoKeywordFile)
{
    // The text form without a keyword file is among the shared cases.
    const std::string shader = File("a.asm", "ps_2_0\nlrp r0, r1, r2, r3\n");
    ToolRun run = Tool({"count", "--rules", "compiler", "--keywords", File("broken.kwd", "Keywords : \"T\""), shader});
    EXPECT_TRUE(run.code == 1 && run.out.empty()) << run.code;
    run = Tool({"count", "--rules", "compiler", "--json", shader});
    EXPECT_EQ("{\"file\": \"" + shader + "\", \"model\": 10, \"alu\": 1, \"tex\": 0, \"rules\": \"compiler\"}\n",
              run.out);
}

} // namespace
