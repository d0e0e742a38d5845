#include "TestFrame.h"
#include "GvWindowUtils.h"

namespace {
class ResourceGuardTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        ASSERT_NE(nullptr, LibraryInstance());
        ASSERT_EQ(::GetModuleHandleW(nullptr), AfxGetResourceHandle());
    }
    void TearDown() override
    {
        EXPECT_EQ(::GetModuleHandleW(nullptr), AfxGetResourceHandle()) << "the test left another resource handle";
        Win32WindowTest::TearDown();
    }
};
} // namespace

TEST_F(ResourceGuardTest, LoadingTheLibraryEntersTheResourceChainGuardsAndTheirCopiesRestoreTheSavedHandle)
{
    bool found = false;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL)
        found = found || p->m_hModule == LibraryInstance();
    EXPECT_TRUE(found);
    EXPECT_EQ(::GetModuleHandleW(nullptr), AfxGetInstanceHandle());

    HINSTANCE host = AfxGetResourceHandle();
    HINSTANCE other = ::GetModuleHandleW(L"GvMfc.dll");
    {
        GvUtilSetResourceHandle guard(LibraryInstance());
        EXPECT_EQ(LibraryInstance(), AfxGetResourceHandle());
        {
            GvUtilSetResourceHandle inner(host);
            EXPECT_EQ(host, AfxGetResourceHandle());
        }
        EXPECT_EQ(LibraryInstance(), AfxGetResourceHandle());
        {
            GvUtilSetResourceHandle copy(guard);
            AfxSetResourceHandle(other);
        }
        EXPECT_EQ(host, AfxGetResourceHandle()) << "the copy restored the handle saved by the original";
        {
            GvUtilSetResourceHandle assigned(other);
            assigned = guard;
        }
        EXPECT_EQ(host, AfxGetResourceHandle()) << "an assigned guard restores the handle saved by its source";
        AfxSetResourceHandle(other);
    }
    EXPECT_EQ(host, AfxGetResourceHandle());
}
