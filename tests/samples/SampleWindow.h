#pragma once
// The sample documents in the main window: a fresh window for each test, its
// drawing area 640 x 480 device pixels, messages recorded; the samples opened
// through their 演示 commands from the copy the build puts beside the test
// program (applicationDirPath()/samples, as beside vexilon).
#include "app/SampleMenu.h"
#include "app/frmF1.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ViewCapture.h"
#include "dialogs/DialogForm.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "platform/PictureImage.h"
#include "platform/ToolStrip.h"
#include "scene/Cls8.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/RunFolder.h"
#include "tools/mksamples/SampleContent.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

// Samples below "animation/" are animations.
inline bool IsAnimated(const SampleFile& file) { return file.path.rfind("animation/", 0) == 0; }
// Vectors and vector operations are drawn from their fields, not from samples.
inline bool IsVector(const Cls9& g) {
    return g.GraphType == GraphType::Vector || g.GraphType == GraphType::VectorOperation;
}
// A parameterized test's name from its sample's path: ".pgp" dropped, every
// character other than a letter or digit made '_'.
inline std::string SampleTestName(const ::testing::TestParamInfo<SampleFile>& info) {
    std::string name;
    for (char c : info.param.path.substr(0, info.param.path.size() - 4))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// Where a render of a sample is kept to be looked at: "sample-renders" in
// the run's folder, named after the sample's path and `suffix`.
inline QString SampleRenderPath(const std::string& sample, const QString& suffix) {
    QString name = QString::fromStdString(sample);
    name.chop(4);
    name.replace('/', '_');
    const QString folder = RunFile(QStringLiteral("sample-renders"));
    QDir().mkpath(folder);
    return folder + "/" + name + suffix + ".png";
}

class SampleWindowTest : public ProgramStateTest {
protected:
    void SetUp() override {
        window_ = std::make_unique<frmF1>();
        window_->resize(1000, 700);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window_->picDraw()->HasContext(); }, 5000));
        ResizeArea(QSize(640, 480));
        ASSERT_EQ(AreaSize(), QSize(640, 480));
        SetDialogOwner(window_.get());
        ASSERT_EQ(box.Count(), 0u);
    }
    void TearDown() override {
        for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetDialogOwner(nullptr);
        window_.reset();
    }

    frmF1& W() { return *window_; }
    QSize AreaSize() const { return window_->picDraw()->size() * window_->picDraw()->devicePixelRatioF(); }
    // The drawing area at `size`: the window grows or shrinks by the difference.
    void ResizeArea(QSize size) {
        for (int attempt = 0; attempt < 5 && AreaSize() != size; ++attempt) {
            window_->resize(window_->size() + (size - AreaSize()));
            QTest::qWait(10);
        }
    }

    // Runs the menu command with this control name.
    void Run(const std::string& name) {
        QAction* a = W().MenuItem(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    static std::string SamplesFolder() { return (QCoreApplication::applicationDirPath() + "/samples").toStdString(); }
    // The first 演示 command that opens this sample (path below "samples/").
    static std::string CommandOf(const std::string& path) {
        for (const SampleMenuRow& row : SampleMenuTable())
            if (row.path && SampleDocumentPath(row.path) == SamplesFolder() + "/" + path) return row.name;
        return {};
    }
    // Opens a sample through its command.
    void OpenSample(const std::string& path) {
        const std::string command = CommandOf(path);
        ASSERT_FALSE(command.empty()) << path;
        Run(command);
    }
    // Opens a sample in place of what the window shows: the recorded messages
    // cleared, and the question whether to save the graphs shown answered No.
    void OpenAnotherSample(const std::string& path) {
        box.Clear();
        if (VisibleScene.FunSurfs.Count() > 0) box.Answer(MsgAnswer::No);
        OpenSample(path);
    }

    // The view as the capture service reads it, frame `frame` shown.
    QImage Render(std::int32_t frame) {
        W().Display(frame);
        const std::optional<PictureRows> picture = ViewCapture().CaptureView();
        return picture ? ImageFromPictureRows(*picture) : QImage();
    }
    // The same view with the graphs' own drawing left out (box, rotation and
    // axes as with them); the lists are built again with the graphs after.
    QImage RenderWithoutGraphs(std::int32_t frame) {
        W().SetGraphDrawingLeftOut(true);
        W().BuildDisplayLists();
        const QImage image = Render(frame);
        W().SetGraphDrawingLeftOut(false);
        W().BuildDisplayLists();
        return image;
    }

    // The graph list: each row's text, ticked or not.
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int r = 0; r < W().List1->ListCount(); ++r)
            rows.push_back(W().List1->ItemText(r) + (W().List1->Ticked(r) ? " [x]" : " [ ]"));
        return rows;
    }
    static std::string ReadFile(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray b = file.readAll();
        return std::string(b.constData(), std::size_t(b.size()));
    }
    // Whether the eleven playback items and Toolbar1's buttons 33 to 43 are on.
    bool PlaybackOn() {
        for (const char* item : {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst", "mnuAniPre",
                                 "mnuAniNext", "mnuAniLast", "mnuAniNormal", "mnuAniRev", "mnuAniRepeat",
                                 "mnuAniRevRepeat"})
            if (!W().MenuItem(item)->isEnabled()) return false;
        for (int i = 33; i <= 43; ++i)
            if (!W().Toolbar1->IsButtonEnabled(i)) return false;
        return true;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const MessageRequest& r : box.requests) texts.push_back(r.title + ": " + r.text);
        return texts;
    }

    RecordingMessageBox box;
    RecordingFileAssociation association;
    RecordingFileDialog fileDialog;

private:
    std::unique_ptr<frmF1> window_;
};
