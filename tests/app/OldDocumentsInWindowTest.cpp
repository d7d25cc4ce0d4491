// Documents of generations 0, 1 and 2 opened through File > Open: a damaged
// one shows the format message and leaves the window's document as it was;
// a good one becomes the document with its kind, rows ticked, IDs, axes,
// animation values and the animation options' boxes, every animated graph
// sampled with the final frame count.
#include "app/DocumentCommands.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/frmF19.h"
#include "document/DocumentFile.h"
#include "platform/CheckListBox.h"
#include "scene/Cls3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/document/GraphFields.h"
#include "tests/document/OldDocuments.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What a user sees of the document in the window.
struct WindowState {
    std::int32_t kind = 0;
    float roll = 0, pitch = 0, yaw = 0;
    bool trackball = false;
    std::map<std::string, bool> commands; // menu items and toolbar buttons: enabled
    std::vector<std::string> rows;        // text and tick
    std::vector<const Cls9*> documentGraphs, visibleGraphs;
    std::int32_t idCounter = 0;
    std::int32_t frameCount = 0, framesPerSecond = 0, currentFrame = 0;
    std::string box1, box2; // frmF19's text1 and Text2
    bool operator==(const WindowState&) const = default;
};

class OldDocumentsInWindow : public MainWindowFixture {
protected:
    // The ".pgp" files, not the scripted commands of the fixture.
    OldDocumentsInWindow() { SetDocumentCommands(nullptr); }

    void Open(const OldDocumentFixture& c) {
        const QString path = dir_.filePath("old.pgp");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
        file.close();
        box.Clear();
        asked_ = VisibleScene.FunSurfs.Count() > 0;
        if (asked_) box.Answer(MsgAnswer::No); // the save question
        fileDialog.Choose(path.toStdString());
        W().MenuItem("mnuFileOpen")->trigger();
    }
    // The messages after the save question.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (std::size_t i = asked_ ? 1 : 0; i < box.Count(); ++i) texts.push_back(box.requests[i].text);
        return texts;
    }

    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int r = 0; r < W().RowCount(); ++r) rows.push_back(W().RowText(r) + (W().List1->Ticked(r) ? " [x]" : " [ ]"));
        return rows;
    }
    static std::vector<const Cls9*> Graphs(const Cls8& scene) {
        std::vector<const Cls9*> graphs;
        for (const auto& e : scene.FunSurfs) graphs.push_back(e.graph.get());
        return graphs;
    }
    WindowState State() {
        WindowState s;
        s.kind = DocumentKind;
        s.roll = VisibleScene.RotRoll;
        s.pitch = VisibleScene.RotPitch;
        s.yaw = VisibleScene.RotYaw;
        s.trackball = W().TrackballActive;
        for (QAction* a : W().findChildren<QAction*>())
            if (!a->objectName().isEmpty()) s.commands[a->objectName().toStdString()] = a->isEnabled();
        for (int t = 1; t <= 3; ++t)
            for (int i = 1; i <= Strip(t)->Count(); ++i)
                s.commands["Toolbar" + std::to_string(t) + "." + std::to_string(i)] = Strip(t)->IsButtonEnabled(i);
        s.rows = Rows();
        s.documentGraphs = Graphs(DocumentScene);
        s.visibleGraphs = Graphs(VisibleScene);
        s.idCounter = GraphIDCounter;
        s.frameCount = FrameCount;
        s.framesPerSecond = FramesPerSecond;
        s.currentFrame = CurrentFrame;
        s.box1 = frmF19::Get().text1->text().toStdString();
        s.box2 = frmF19::Get().Text2->text().toStdString();
        return s;
    }
    // The frames an animated graph of these fixtures was sampled with.
    static std::int64_t Frames(const Cls9& g) {
        if (g.GraphType == GraphType::PointAnimation) return g.Anim1D.Upper(0) + 1;
        if (g.GraphType == GraphType::Surface3DAnimation) return g.Anim3D.Upper(2) + 1;
        return g.Anim2D.Upper(1) + 1;
    }
    // The settings every file is opened over: options at 30 frames and 7 a
    // second, the fixtures' axes.
    void Settle() {
        Axes = OldFixtureAxes();
        FrameCount = 30;
        FramesPerSecond = 7;
        frmF19::ShowSettings(30, 7);
    }

    QTemporaryDir dir_;
    bool asked_ = false;
};

const OldDocumentFixture& Named(const std::vector<OldDocumentFixture>& all, const std::string& name) {
    for (const OldDocumentFixture& c : all)
        if (c.name == name) return c;
    throw std::out_of_range(name);
}

TEST_F(OldDocumentsInWindow, ADamagedFileLeavesTheDocumentAsItWas) {
    const auto all = OldDocumentFixtures();
    Start();
    // An animated document, its second row unticked, turned, the trackball on.
    Open(Named(all, "S11: animated, then a point"));
    ASSERT_EQ(W().RowCount(), 2);
    W().List1->SetTicked(1, false);
    Settle();
    VisibleScene.RotRoll = 10;
    VisibleScene.RotPitch = -20;
    VisibleScene.RotYaw = 30;
    W().TrackballActive = true;
    const WindowState before = State();
    ASSERT_TRUE(PlaybackOn());
    ASSERT_EQ(before.rows, (std::vector<std::string>{"二维曲线动画  x=u,y=v [x]", "点  x=u, y=v [ ]"}));
    ASSERT_EQ(before.box1, "30");
    ASSERT_EQ(before.box2, "7");

    int damaged = 0;
    for (const OldDocumentFixture& c : all) {
        if (!c.damaged) continue;
        ++damaged;
        SCOPED_TRACE(c.name);
        Open(c);
        ASSERT_TRUE(asked_);
        EXPECT_EQ(box.requests[0].text, "是否保存当前图形？");
        EXPECT_EQ(Messages(), (std::vector<std::string>{"文件格式不正确。"}));
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
        EXPECT_TRUE(State() == before);
        ExpectSameAxes(Axes, OldFixtureAxes());
        EXPECT_FALSE(frmF19::Get().isVisible());
    }
    EXPECT_EQ(damaged, 11);
}

TEST_F(OldDocumentsInWindow, AGoodFileBecomesTheDocument) {
    Start();
    for (const OldDocumentFixture& c : OldDocumentFixtures()) {
        if (c.damaged) continue;
        SCOPED_TRACE(c.name);
        Settle();
        W().TrackballActive = true;
        Open(c);
        for (const std::string& m : Messages())
            for (const std::string& t : {DocumentMalformedText, DocumentOpenFailedText})
                EXPECT_NE(m.rfind(t, 0), 0u) << m;

        EXPECT_EQ(DocumentKind, c.kind);
        EXPECT_EQ(VisibleScene.RotRoll, 0);
        EXPECT_EQ(VisibleScene.RotPitch, c.pitch);
        EXPECT_EQ(VisibleScene.RotYaw, c.yaw);
        EXPECT_FALSE(W().TrackballActive);
        std::vector<std::string> rows;
        for (const OldRecord& r : c.rows) rows.push_back(r.label + " [x]");
        EXPECT_EQ(Rows(), rows);
        // Row k-1, graph k of the document and graph k of the view: one graph.
        EXPECT_EQ(Graphs(VisibleScene), Graphs(DocumentScene));
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), static_cast<std::int64_t>(c.rows.size()));
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            ExpectSameRecordFields(*DocumentScene.FunSurfs.Item(static_cast<std::int64_t>(i) + 1), *c.rows[i].graph);
        EXPECT_EQ(GraphIDCounter, c.idCounter);
        ExpectSameAxes(Axes, c.axes);

        EXPECT_EQ(FrameCount, c.animation ? c.animation->FrameCount : 30);
        EXPECT_EQ(FramesPerSecond, c.animation ? c.animation->FramesPerSecond : 7);
        // Generation 0 leaves the options' boxes; the others show the values in force.
        EXPECT_EQ(frmF19::Get().text1->text().toStdString(), c.fillsBoxes ? LongText(FrameCount) : "30");
        EXPECT_EQ(frmF19::Get().Text2->text().toStdString(), c.fillsBoxes ? LongText(FramesPerSecond) : "7");
        EXPECT_FALSE(frmF19::Get().isVisible());
        bool animated = false;
        for (const auto& e : DocumentScene.FunSurfs) {
            if (!e.graph->Animation) continue;
            animated = true;
            EXPECT_EQ(Frames(*e.graph), FrameCount + 1) << "graph " << e.graph->ID;
        }
        EXPECT_EQ(PlaybackOn(), animated);
        if (animated) {
            EXPECT_EQ(CurrentFrame, 1);
        }
    }
}

} // namespace
