#include <tuple>
#include "GvApplication.h"
#include "GvVariables.h"
#include "GvTextureVariable.h"
#include "HostTestSupport.h"

namespace {

class ApplicationTest : public GvLeakCheckedTest
{};

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

TEST_F(ApplicationTest, RecordsNodeChangesEventsAndAcceptsTextureFiles)
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
}

TEST_F(ApplicationTest, KeepsModelessWindowsOnceAndIconsApart)
{
    GvApplication app;
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

} // namespace
