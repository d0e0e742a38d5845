#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "GvApplicationInterface.h"
#include "GvUndo.h"
#include "GvVariables.h"
#include "HostTestSupport.h"

namespace {

// The library calls the host through these virtual tables, so the place of
// each operation is fixed. Both sides are built by GCC, whose C++ ABI writes
// a pointer to a virtual member function as 1 + the byte offset of its slot
// and gives a virtual destructor two slots. The index counts the destructor
// as operation 0; -1 for a function that is not virtual.
template <typename Member>
int OperationIndex(Member member)
{
    struct
    {
        uintptr_t m_pointer;
        ptrdiff_t m_adjustment;
    } raw;
    static_assert(sizeof(raw) == sizeof(member), "a pointer and an adjustment");
    std::memcpy(&raw, &member, sizeof(raw));
    if ((raw.m_pointer & 1) == 0)
        return -1;
    return static_cast<int>((raw.m_pointer - 1) / sizeof(void*)) - 1;
}

TEST(InterfaceLayoutTest, VariablePlugInAndUndoOperationsSitInTheirSlots)
{
    EXPECT_EQ(1, OperationIndex(&GvVariable::NotifyChange)) << "right after the destructor";
    EXPECT_EQ(3, OperationIndex(&IGvPlugIn::GetPlugInInfo));
    EXPECT_EQ(4u, offsetof(GvPlugInInfo, m_id)) << "the identifier follows one 32-bit field";
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}),
              (std::vector<int>{OperationIndex(&GvUndoOp::ExecuteUndo), OperationIndex(&GvUndoOp::ExecuteRedo),
                                OperationIndex(&GvUndoOp::Undo), OperationIndex(&GvUndoOp::Redo)}));
}

TEST(InterfaceLayoutTest, ApplicationOperationsInTheirOrder)
{
    const int indices[] = {
        OperationIndex(&IGvApplication::SetStatusText),
        OperationIndex(&IGvApplication::GetMainWindow),
        OperationIndex(&IGvApplication::GetAppIcon),
        OperationIndex(&IGvApplication::RegisterModelessWindow),
        OperationIndex(&IGvApplication::UnregisterModelessWindow),
        OperationIndex(&IGvApplication::SendAppEvent),
        OperationIndex(&IGvApplication::NotifyNodeChanged),
        OperationIndex(&IGvApplication::OpenNodeInPlugIn),
        OperationIndex(&IGvApplication::GetPlugInsForNode),
        OperationIndex(&IGvApplication::FindPlugIn),
        OperationIndex(&IGvApplication::SetModified),
        OperationIndex(&IGvApplication::AcceptTextureFile),
        OperationIndex(&IGvApplication::AddUndoOp),
        OperationIndex(&IGvApplication::UpdateUndoState),
        OperationIndex(&IGvApplication::GetAcceleratorTable),
    };
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(i + 1, indices[i]) << "operation " << i;
}

} // namespace
