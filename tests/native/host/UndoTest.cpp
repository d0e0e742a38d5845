#include <tuple>
#include "GvApplication.h"
#include "GvUndo.h"
#include "GvVariables.h"
#include "HostTestSupport.h"

namespace {

class UndoTest : public GvLeakCheckedTest
{
protected:
    void TearDown() override
    {
        m_app.ClearUndo();
        m_app.ClearNodeChanges();
        GvLeakCheckedTest::TearDown();
    }

    const GvNodeChangeRecord& LastChange() const { return m_app.GetNodeChanges().GetTail()->m_value; }

    GvApplication m_app;
};

TEST_F(UndoTest, ValueChangeIsUndoneAndRedoneThroughTheApplication)
{
    GvVectorVariable vector(1, 2, 3, 4);
    // The order of an undoable edit: op first, then the change.
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&vector));
    m_app.UpdateUndoState();
    m_app.SetModified(true);
    vector.SetRange(0, 1);
    vector.SetClamped(true);
    vector.SetElement(0, 0.25f);
    EXPECT_TRUE(m_app.CanUndo() && !m_app.CanRedo());

    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(std::make_tuple(1.0f, 4.0f, false, -1.0f),
              std::make_tuple(vector.GetElement(0), vector.GetElement(3), vector.IsClamped(), vector.GetMin()));
    EXPECT_EQ(std::make_pair(6, static_cast<GvNode*>(&vector)),
              std::make_pair(LastChange().m_kind, LastChange().m_node));
    EXPECT_EQ(1u, vector.GetChangeCount());
    EXPECT_TRUE(m_app.CanRedo());

    ASSERT_TRUE(m_app.Redo());
    EXPECT_EQ(std::make_tuple(0.25f, 1.0f, true, 2u),
              std::make_tuple(vector.GetElement(0), vector.GetElement(3), vector.IsClamped(), vector.GetChangeCount()));
    EXPECT_EQ(2, m_app.GetNodeChanges().GetCount());

    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(1.0f, vector.GetElement(0)) << "undo again after redo";
}

TEST_F(UndoTest, UpdateNodeReadsTheOldTextureFileAgainAndOriginChangesSwap)
{
    GvTextureVariable texture;
    texture.SetFileName(Units(SamplePath("mips_bgra.dds")), true);
    m_app.AddUndoOp(new GvUpdateNodeUndoOp(&texture));
    texture.SetFileName(Units(SamplePath("volume_rgba.dds")), true);
    ASSERT_EQ(GV_TEXTURE_3D, texture.GetTexture()->GetTextureType());

    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(SamplePath("mips_bgra.dds"), Text(texture.GetFileName()));
    ASSERT_TRUE(texture.GetTexture());
    EXPECT_EQ(GV_TEXTURE_2D, texture.GetTexture()->GetTextureType());
    EXPECT_EQ(1, LastChange().m_kind);

    ASSERT_TRUE(m_app.Redo());
    EXPECT_EQ(GV_TEXTURE_3D, texture.GetTexture()->GetTextureType());

    // An origin change swaps between the old origin and the new.
    m_app.AddUndoOp(new GvTextureOriginChangeUndoOp(&texture, GV_ORIGIN_BOTTOM_LEFT));
    texture.SetOrigin(GV_ORIGIN_BOTTOM_LEFT);
    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(GV_ORIGIN_TOP_LEFT, texture.GetOrigin());
    EXPECT_EQ(10, LastChange().m_kind);
    ASSERT_TRUE(m_app.Redo());
    EXPECT_EQ(GV_ORIGIN_BOTTOM_LEFT, texture.GetOrigin());
    EXPECT_FALSE(m_app.Redo()) << "nothing left to redo";
}

TEST_F(UndoTest, StacksUndoNewestFirstAndANewOpEmptiesTheRedoStack)
{
    GvFloatVariable a(1.0f), b(2.0f);
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&a));
    a.SetValue(10.0f);
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&b));
    b.SetValue(20.0f);
    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(std::make_pair(10.0f, 2.0f), std::make_pair(a.GetValue(), b.GetValue()));
    EXPECT_EQ(1, m_app.GetRedoCount());
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&a));
    a.SetValue(30.0f);
    EXPECT_EQ(std::make_pair(2, 0), std::make_pair(m_app.GetUndoCount(), m_app.GetRedoCount()));
    ASSERT_TRUE(m_app.Undo() && m_app.Undo());
    EXPECT_EQ(1.0f, a.GetValue());
    EXPECT_FALSE(m_app.Undo());
    EXPECT_TRUE(m_app.IsModified());
    EXPECT_EQ(3, m_app.GetUndoStateUpdateCount());
}

TEST_F(UndoTest, DestroyingANodeDropsItsOps)
{
    GvFloatVariable kept(1.0f);
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&kept));
    {
        GvIntegerVariable gone(5);
        m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&gone));
        gone.SetValue(6);
        ASSERT_TRUE(m_app.Undo());
        m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&gone));
        EXPECT_EQ(2, m_app.GetUndoCount());
    }
    EXPECT_EQ(std::make_pair(1, 0), std::make_pair(m_app.GetUndoCount(), m_app.GetRedoCount()));
    EXPECT_TRUE(m_app.Undo());
}

TEST_F(UndoTest, OpsOnANodeWithoutValueFailAndAreDropped)
{
    GvNode node(GvW(u"group"));
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&node));
    m_app.AddUndoOp(nullptr);
    EXPECT_EQ(1, m_app.GetUndoCount());
    EXPECT_FALSE(m_app.Undo());
    EXPECT_EQ(std::make_tuple(0, 0, 0),
              std::make_tuple(m_app.GetUndoCount(), m_app.GetRedoCount(), m_app.GetNodeChanges().GetCount()));
}

TEST_F(UndoTest, OpsAlternateBetweenUndoAndRedo)
{
    GvBooleanVariable flag(false);
    GvNodeValueChangeUndoOp op(&flag);
    flag.SetValue(true);
    EXPECT_FALSE(op.Redo()) << "not undone yet";
    EXPECT_TRUE(op.Undo());
    EXPECT_FALSE(op.Undo() || flag.GetValue());
    EXPECT_TRUE(op.Redo() && flag.GetValue());
    EXPECT_EQ(&op, LastChange().m_sender);
}

} // namespace
