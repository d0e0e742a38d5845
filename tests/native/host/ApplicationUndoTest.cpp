#include <tuple>
#include "GvApplication.h"
#include "GvVariables.h"
#include "GvTextureVariable.h"
#include "HostTestSupport.h"
#include "GvUndo.h"

namespace {

using ApplicationTest = GvLeakCheckedTest;

const GvGuid kEditorId = {0xF35B195D, 0xB325, 0x4365, {0x9E, 0x21, 0x67, 0xC1, 0xD0, 0x8B, 0x04, 0x02}};
const GvGuid kViewerId = {0x047C91D6, 0x73F9, 0x4E64, {0xAE, 0x72, 0x20, 0x76, 0x07, 0xE5, 0x21, 0x23}};

// Opens texture variables only; counts what happens to it.
class TexturePlugIn : public IGvEditorPlugIn
{
public:
    TexturePlugIn(const GvGuid& id, int* log, bool accept = true) : m_id(id), m_log(log), m_accept(accept) {}
    ~TexturePlugIn() override { *m_log += 1000; }
    bool Initialize(IGvApplication* application) override
    {
        *m_log += 1;
        return m_accept && application;
    }
    void Shutdown() override { *m_log += 100; }
    GvPlugInInfo GetPlugInInfo() const override { return GvPlugInInfo{1, m_id, GvW(u"Texture editor")}; }
    bool CanOpenNode(GvNode* node) override { return dynamic_cast<GvTextureVariable*>(node) != nullptr; }
    bool OpenNode(GvNode* node) override
    {
        m_opened = node;
        return true;
    }
    bool EditNode(GvHWND parent, GvNode* node) override { return OpenNode(node); }

    GvNode* m_opened = nullptr;

private:
    GvGuid m_id;
    int* m_log;
    bool m_accept;
};

TEST_F(ApplicationTest, TheFirstApplicationInstallsItselfAndAHostCanReplaceIt)
{
    ASSERT_EQ(nullptr, getGvApp());
    {
        GvApplication first;
        EXPECT_EQ(&first, getGvApp());
        {
            GvApplication second;
            EXPECT_EQ(&first, getGvApp()) << "a second one does not take over";
            EXPECT_EQ(&first, GvSetApp(&second));
            EXPECT_EQ(&second, getGvApp());
        }
        EXPECT_EQ(nullptr, getGvApp()) << "destroying the installed one leaves none";
        GvSetApp(&first);
    }
    EXPECT_EQ(nullptr, getGvApp());
}

TEST_F(ApplicationTest, RecordsNodeChangesEventsTextureFilesModelessWindowsAndIcons)
{
    GvApplication app;
    GvFloatVariable variable;
    const GvGuid source = kViewerId;
    IGvApplication* host = getGvApp();
    host->NotifyNodeChanged(6, &variable, nullptr, &source);
    host->NotifyNodeChanged(1, &variable, nullptr, nullptr);
    host->SendAppEvent(5, 56, 0, 0, 0);
    ASSERT_EQ(2, app.GetNodeChanges().GetCount());
    const GvNodeChangeRecord& first = app.GetNodeChanges().GetHead()->m_value;
    EXPECT_EQ(std::make_tuple(6, static_cast<GvNode*>(&variable), static_cast<const void*>(&source)),
              std::make_tuple(first.m_kind, first.m_node, first.m_sourceId));
    EXPECT_EQ(1, app.GetNodeChanges().GetTail()->m_value.m_kind);
    ASSERT_EQ(1, app.GetAppEvents().GetCount());
    EXPECT_EQ(56, app.GetAppEvents().GetHead()->m_value.m_eventId);
    host->SetStatusText(GvW(u"Ready"));
    EXPECT_EQ(u"Ready", Text(app.GetStatusText()));
    host->SetStatusText(nullptr);
    EXPECT_EQ(u"", Text(app.GetStatusText()));
    EXPECT_FALSE(app.IsModified());
    host->SetModified(true);
    EXPECT_TRUE(app.IsModified());
    EXPECT_TRUE(app.AcceptTextureFile(GV_TEXTURE_2D, Units(SamplePath("alpha.png")))
                && app.AcceptTextureFile(GV_TEXTURE_CUBE, Units(SamplePath("cube_bgrx.dds"))));
    EXPECT_FALSE(app.AcceptTextureFile(GV_TEXTURE_2D, Units(SamplePath("cube_bgrx.dds")))
                 || app.AcceptTextureFile(GV_TEXTURE_2D, Units(SamplePath("missing.png"))));
    GvHWND window = reinterpret_cast<GvHWND>(0x1234);
    for (GvHWND registered : {window, window, static_cast<GvHWND>(nullptr)})
        app.RegisterModelessWindow(registered, 1, 0, 0, 0, 0);
    EXPECT_EQ(1, app.GetModelessWindows().GetCount());
    EXPECT_TRUE(app.IsModelessWindowRegistered(window));
    EXPECT_EQ(1, app.GetModelessWindows().GetHead()->m_value.m_dialogKeys);
    app.UnregisterModelessWindow(window);
    app.UnregisterModelessWindow(window);
    EXPECT_FALSE(app.IsModelessWindowRegistered(window));

    // Icons are kept apart by id and size; accelerator tables are the host's own.
    GvHICON icon = reinterpret_cast<GvHICON>(0x42);
    app.SetAppIcon(11, 0, icon);
    EXPECT_EQ(icon, app.GetAppIcon(11, 0));
    EXPECT_TRUE(app.GetAppIcon(11, 1) != icon && app.GetAppIcon(12, 0) != icon) << "the small icon is another one";
    app.SetAppIcon(11, 0, nullptr);
    app.SetAppIcon(11, 0, icon);
    EXPECT_EQ(icon, app.GetAppIcon(11, 0));
    EXPECT_EQ(nullptr, app.GetAcceleratorTable(nullptr));
}

TEST_F(ApplicationTest, PlugInsAreFoundByIdAndByNodeAndEndWithTheApplication)
{
    int editorLog = 0, viewerLog = 0, refusedLog = 0, twinLog = 0;
    TexturePlugIn* editor = new TexturePlugIn(kEditorId, &editorLog);
    {
        GvApplication app;
        EXPECT_TRUE(app.RegisterPlugIn(editor));
        EXPECT_TRUE(app.RegisterPlugIn(new TexturePlugIn(kViewerId, &viewerLog)));
        EXPECT_FALSE(app.RegisterPlugIn(new TexturePlugIn(kEditorId, &twinLog))) << "the id is taken";
        EXPECT_FALSE(app.RegisterPlugIn(new TexturePlugIn(GvGuid{1, 2, 3, {}}, &refusedLog, false)));
        EXPECT_EQ(std::make_tuple(1000, 1001, 2), std::make_tuple(twinLog, refusedLog, app.GetPlugInCount()))
            << "the twin deleted without Initialize";

        EXPECT_EQ(editor, app.FindPlugIn(kEditorId));
        EXPECT_EQ(nullptr, app.FindPlugIn(GvGuid{}));

        GvTextureVariable texture;
        GvFloatVariable number;
        GvLinkedList<IGvPlugIn*> found = app.GetPlugInsForNode(&texture);
        ASSERT_EQ(2, found.GetCount());
        EXPECT_EQ(editor, found.GetHead()->m_value);
        EXPECT_EQ(kViewerId, found.GetTail()->m_value->GetPlugInInfo().m_id);
        EXPECT_EQ(0, app.GetPlugInsForNode(&number).GetCount());
        EXPECT_TRUE(app.OpenNodeInPlugIn(&texture, editor));
        EXPECT_EQ(&texture, editor->m_opened);
        TexturePlugIn stranger(kEditorId, &twinLog);
        EXPECT_FALSE(app.OpenNodeInPlugIn(&texture, &stranger)) << "only its own plug-ins";
    }
    EXPECT_EQ(std::make_pair(1101, 1101), std::make_pair(editorLog, viewerLog)) << "initialised, shut down, deleted";
}

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

TEST_F(UndoTest, StacksUndoNewestFirstANewOpEmptiesTheRedoStackADestroyedNodeDropsItsOps)
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

TEST_F(UndoTest, OpsAlternateBetweenUndoAndRedoAndFailWithoutAValue)
{
    GvNode node(GvW(u"group"));
    m_app.AddUndoOp(new GvNodeValueChangeUndoOp(&node));
    m_app.AddUndoOp(nullptr);
    EXPECT_EQ(1, m_app.GetUndoCount());
    EXPECT_FALSE(m_app.Undo());
    EXPECT_EQ(std::make_tuple(0, 0, 0),
              std::make_tuple(m_app.GetUndoCount(), m_app.GetRedoCount(), m_app.GetNodeChanges().GetCount()));
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
