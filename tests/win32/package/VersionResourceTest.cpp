// Every DLL carries the project version in its version resource.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace {

std::wstring QueryString(const std::wstring& file, const wchar_t* name)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return L"<no version resource>";
    std::string data(size, '\0');
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
        return L"<unreadable>";
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return L"<no " + std::wstring(name) + L">";
    return value;
}

TEST(VersionResourceTest, EveryDllCarriesTheProjectVersion)
{
    for (const wchar_t* dll : {L"GvCore", L"GvUtilities", L"GvGfxUtil", L"GvMfc", L"GvEdit", L"GvMFCUtilities"}) {
        const std::wstring file = std::wstring(dll) + L".dll";
        EXPECT_EQ(GV_PROJECT_VERSION, QueryString(file, L"FileVersion")) << file;
        EXPECT_EQ(GV_PROJECT_VERSION, QueryString(file, L"ProductVersion")) << file;
        EXPECT_EQ(file, QueryString(file, L"OriginalFilename")) << file;
    }
}

} // namespace
