// gvshader.exe against the results the native tool gives: the shared cases,
// run from the data folder, and a file name beyond ASCII.
#include <windows.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include "GvShaderToolCases.h"

namespace {

std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct ExeRun
{
    int code;
    std::string out;
    std::string err;
};

class GvShaderExeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t buffer[MAX_PATH];
        GetTempPathW(MAX_PATH, buffer);
        m_dir = std::wstring(buffer) + L"gvshader_exe_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_dir.c_str(), nullptr);
        GetModuleFileNameW(nullptr, buffer, MAX_PATH);
        m_exe = buffer;
        m_exe = m_exe.substr(0, m_exe.find_last_of(L"\\/") + 1) + L"gvshader.exe";
    }
    void TearDown() override
    {
        for (const std::wstring& file : m_files)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(m_dir.c_str());
    }

    // A fresh file per run: a child that has exited may still hold its
    // handles for a moment.
    HANDLE Output(std::wstring& path)
    {
        path = m_dir + L"\\out" + std::to_wstring(m_files.size()) + L".txt";
        m_files.push_back(path);
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, file);
        return file;
    }

    // Starts gvshader.exe in dir with standard output and error in files.
    ExeRun Run(const std::vector<std::string>& args, const std::wstring& dir)
    {
        std::wstring command = L"\"" + m_exe + L"\"";
        for (const std::string& arg : args)
            command += L" \"" + Wide(arg) + L"\"";
        std::wstring outPath, errPath;
        const HANDLE out = Output(outPath), err = Output(errPath);
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = out;
        startup.hStdError = err;
        PROCESS_INFORMATION process = {};
        ExeRun run = {-1, "", ""};
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, dir.c_str(),
                           &startup, &process)) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 60000));
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            run.code = static_cast<int>(code);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        } else {
            ADD_FAILURE() << "cannot start gvshader.exe: " << GetLastError();
        }
        CloseHandle(out);
        CloseHandle(err);
        run.out = ReadAll(outPath);
        run.err = ReadAll(errPath);
        return run;
    }

    std::wstring m_dir;
    std::wstring m_exe;
    std::vector<std::wstring> m_files;
};

TEST_F(GvShaderExeTest, SharedCasesGiveTheNativeResultsAndANameBeyondAnsiIsRead)
{
    for (const GvShaderToolCase& c : GvShaderToolCases()) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ExeRun run = Run(c.args, Wide(GV_DATA_DIR));
        EXPECT_EQ(c.code, run.code) << run.out << run.err;
        EXPECT_EQ(c.out, run.out);
        EXPECT_EQ(c.err, run.err);
    }

    // A file whose name is beyond ANSI is read.
    const std::wstring copy = m_dir + L"\\fl\u00E4che\u20AC.asm";
    m_files.push_back(copy);
    ASSERT_TRUE(CopyFileW(Wide(std::string(GV_DATA_DIR) + "/shaders/ps20_phong.asm").c_str(), copy.c_str(), FALSE));
    const ExeRun run = Run({"count", "--rules", "compiler",
                            "fl\xC3\xA4"
                            "che\xE2\x82\xAC.asm"},
                           m_dir);
    EXPECT_EQ(0, run.code) << run.err;
    EXPECT_EQ("fl\xC3\xA4"
              "che\xE2\x82\xAC.asm: 18 arithmetic, 1 texture slots (ps_2_0; compiler rules)\n",
              run.out);
}

} // namespace
