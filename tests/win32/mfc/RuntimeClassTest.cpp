#include "TestFrame.h"

#include <cstring>
#include <string>

namespace {

// A window class made from its run-time class, as an editor view would be.
class CCreatedWnd : public CWnd
{
    DECLARE_DYNCREATE(CCreatedWnd)

public:
    int m_value = 7;
};
IMPLEMENT_DYNCREATE(CCreatedWnd, CWnd)

// Declares nothing: it is a CEdit as far as run-time classes go.
class CPlainEdit : public CEdit
{};

using RuntimeClassTest = Win32WindowTest;

TEST_F(RuntimeClassTest, DynamicCreationMakesAWorkingWindowObjectKindsFollowTheDeclaredBases)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CCreatedWnd);
    EXPECT_STREQ("CCreatedWnd", pClass->m_lpszClassName);
    EXPECT_EQ((int)sizeof(CCreatedWnd), pClass->m_nObjectSize);
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(pClass, pObject->GetRuntimeClass());
    CCreatedWnd* pWnd = DYNAMIC_DOWNCAST(CCreatedWnd, pObject);
    ASSERT_EQ(pObject, pWnd);
    EXPECT_EQ(7, pWnd->m_value);
    ASSERT_TRUE(pWnd->Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 1));
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(pWnd->m_hWnd));
    delete pObject; // destroys the window with it

    CObject* pPlainWnd = RUNTIME_CLASS(CWnd)->CreateObject();
    ASSERT_NE(nullptr, pPlainWnd);
    EXPECT_EQ(RUNTIME_CLASS(CWnd), pPlainWnd->GetRuntimeClass());
    delete pPlainWnd;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CEdit)->CreateObject()) << "CEdit is dynamic, not creatable";

    CCreatedWnd created;
    CPlainEdit edit;
    CMenu menu;
    CBrush brush;
    CClientDC dc(&m_frame);
    CNotSupportedException exception;
    const struct
    {
        const CObject* pObject;
        CRuntimeClass* pClass;
        bool kind;
    } cases[] = {
        {&created, RUNTIME_CLASS(CCmdTarget), true},
        {&created, RUNTIME_CLASS(CObject), true},
        {&created, RUNTIME_CLASS(CEdit), false},
        {&edit, RUNTIME_CLASS(CEdit), true},
        {&edit, RUNTIME_CLASS(CCreatedWnd), false},
        {&menu, RUNTIME_CLASS(CWnd), false},
        {&brush, RUNTIME_CLASS(CGdiObject), true},
        {&brush, RUNTIME_CLASS(CPen), false},
        {&dc, RUNTIME_CLASS(CDC), true},
        {&exception, RUNTIME_CLASS(CException), true},
        {&exception, RUNTIME_CLASS(CUserException), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, c.pObject->IsKindOf(c.pClass) != FALSE)
            << c.pObject->GetRuntimeClass()->m_lpszClassName << " of kind " << c.pClass->m_lpszClassName;
    EXPECT_STREQ("CEdit", edit.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CButton, &edit));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CWnd, static_cast<CObject*>(nullptr)));
}

#ifdef _DEBUG
// Failed checks reach the hook with their place.
struct Failure
{
    std::string file;
    int line;
};
std::vector<Failure> s_failures;
void RecordFailure(LPCSTR lpszFileName, int nLine)
{
    const char* slash = std::strrchr(lpszFileName, '/');
    s_failures.push_back({slash ? slash + 1 : lpszFileName, nLine});
}

class DebugCheckTest : public RuntimeClassTest
{
protected:
    void SetUp() override
    {
        RuntimeClassTest::SetUp();
        s_failures.clear();
        m_pfnOldHook = AfxSetAssertHook(RecordFailure);
    }
    void TearDown() override
    {
        AfxSetAssertHook(m_pfnOldHook);
        RuntimeClassTest::TearDown();
    }
    AFX_ASSERT_HOOK m_pfnOldHook = nullptr;
};

TEST_F(DebugCheckTest, FailedChecksReachTheHookAndTheProgramGoesOn)
{
    int evaluated = 0;
    ASSERT(++evaluated == 1);
    const int passLine = __LINE__ - 1;
    VERIFY(++evaluated == 3);
    const int verifyLine = __LINE__ - 1;
    ASSERT_VALID(static_cast<CObject*>(nullptr));
    const int nullLine = __LINE__ - 1;
    ASSERT_VALID(&m_frame);
    EXPECT_EQ(2, evaluated);
    ASSERT_EQ(2u, s_failures.size()) << "passing line " << passLine;
    EXPECT_EQ("RuntimeClassTest.cpp", s_failures[0].file);
    EXPECT_EQ(std::make_tuple(verifyLine, nullLine), std::make_tuple(s_failures[0].line, s_failures[1].line));
}

TEST_F(DebugCheckTest, WindowObjectMustMatchItsWindowAndDumpNamesTheClassAndTheAddress)
{
    CWnd stale;
    ASSERT_TRUE(stale.Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 1));
    const HWND hWnd = stale.m_hWnd;
    ASSERT_VALID(&stale);
    EXPECT_TRUE(s_failures.empty());
    stale.Detach(); // the object claims a window that no longer knows it
    stale.m_hWnd = hWnd;
    stale.AssertValid();
    ASSERT_EQ(1u, s_failures.size()) << "the permanent map disowns it";
    EXPECT_EQ("MfcWnd.cpp", s_failures[0].file);
    stale.m_hWnd = nullptr;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1u, s_failures.size()) << "no window, nothing to check";

    CCreatedWnd wnd;
    CString text;
    CDumpContext dc(&text);
    wnd.Dump(dc);
    wchar_t expected[64];
    swprintf(expected, 64, L"a CCreatedWnd at $%p\n", static_cast<const void*>(&wnd));
    EXPECT_EQ(std::wstring(expected), std::wstring(text));
}

#endif

} // namespace
