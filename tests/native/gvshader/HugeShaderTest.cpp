// A 100 MB shader through scan and count: the result is exact and the peak
// memory of the tool stays a small multiple of the file.
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include "ParserTestSupport.h"

extern char** environ;

namespace {

const size_t kFileBytes = 100u << 20;

struct MeasuredRun
{
    int code;
    long peakKilobytes;
};

// Runs the tool with stdout to a file; the peak resident size of the child
// alone comes from wait4.
MeasuredRun RunTool(const std::vector<std::string>& args, const std::string& output)
{
    std::vector<std::string> all{GVSHADER_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // The sanitizer's quarantine would keep freed memory resident and
    // measure the sanitizer instead of the tool.
    std::vector<std::string> env{"ASAN_OPTIONS=quarantine_size_mb=1"};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "ASAN_OPTIONS=", 13) != 0)
            env.push_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    MeasuredRun run{-1, 0};
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
            run = MeasuredRun{WEXITSTATUS(status), usage.ru_maxrss};
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

TEST(HugeShaderTest, HundredMegabytesCountAndScanExactlyInBoundedMemory)
{
    TempDir dir;
    // Two keywords and one line of 32 bytes, repeated to 100 MB.
    const std::string keywords = GvUtf16ToUtf8(
        GvW(dir.Write("k.kwd", "Keywords : \"I\" { Color : (0, 0, 0) Word : \"mad\" \"texld\" }").c_str()));
    const std::string line = "mad r0, r1, c0, r2  texld r3 //\n";
    ASSERT_EQ(32u, line.size());
    const std::string shader = GvUtf16ToUtf8(GvW(dir.PathOf("huge.asm").c_str()));
    {
        std::ofstream out(shader, std::ios::binary);
        std::string block;
        for (int i = 0; i < 1 << 15; ++i)
            block += line;
        for (size_t written = 0; written < kFileBytes; written += block.size())
            out << block;
    }
    const size_t lines = kFileBytes / line.size();
    const std::string output = GvUtf16ToUtf8(GvW(dir.PathOf("out.txt").c_str()));

    const MeasuredRun count = RunTool({"count", "--keywords", keywords, "--model", "ps_3_0", shader}, output);
    ASSERT_EQ(0, count.code);
    std::ifstream countOutput(output);
    std::string result;
    std::getline(countOutput, result);
    EXPECT_EQ(shader + ": " + std::to_string(lines) + " arithmetic, " + std::to_string(lines)
                  + " texture slots (ps_3_0)",
              result);

    const MeasuredRun scan = RunTool({"scan", "--lang", "asm", "--keywords", keywords, shader}, output);
    ASSERT_EQ(0, scan.code);
    const std::string scanned = ReadBytes(output);
    EXPECT_EQ(2 * lines, static_cast<size_t>(std::count(scanned.begin(), scanned.end(), '\n')));

    // The file is held as bytes and as UTF-16 while it is decoded.
    const long limit = static_cast<long>(4 * kFileBytes / 1024);
    EXPECT_LT(count.peakKilobytes, limit);
    EXPECT_LT(scan.peakKilobytes, limit);
    std::printf("peak resident: count %ld KB, scan %ld KB, file %zu KB\n", count.peakKilobytes, scan.peakKilobytes,
                kFileBytes / 1024);
}

} // namespace
