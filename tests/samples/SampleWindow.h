#pragma once
// The main window the sample tests open documents in: one window for the
// whole program, its drawing area 640 x 480 pixels, brought back to the state
// of a freshly started window before each test (every graph deleted, the
// loaded dialogs unloaded, the axes, light and program-wide values of a new
// start, the load step run again). Starting a window per sample would test
// the same and cost a GL context each time.
#include "app/SampleMenu.h"
#include "app/frmF1.h"
#include "core/ViewCapture.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "platform/PictureImage.h"
#include "platform/ToolStrip.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"
#include "tests/support/RecordingServices.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class SampleWindowTest : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        RecordingMessageBox startMessages;
        RecordingFileAssociation association;
        window_ = new frmF1();
        window_->resize(1000, 700);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
        ASSERT_TRUE(QTest::qWaitFor([] { return window_->picDraw()->HasContext(); }, 5000));
        // The drawing area at 640 x 480: the window grows by what it lacks.
        for (int attempt = 0; attempt < 5 && AreaSize() != QSize(640, 480); ++attempt) {
            window_->resize(window_->size() + (QSize(640, 480) - AreaSize()));
            QTest::qWait(20);
        }
        SetDialogOwner(window_);
        ASSERT_EQ(startMessages.Count(), 0u);
    }
    static void TearDownTestSuite() {
        for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        SetDialogOwner(nullptr);
        delete window_;
        window_ = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ResetProgramState();
    }

protected:
    void SetUp() override {
        ASSERT_NE(window_, nullptr);
        ASSERT_EQ(AreaSize(), QSize(640, 480));
        Freshen();
    }

    static frmF1& W() { return *window_; }
    static QSize AreaSize() { return window_->picDraw()->size() * window_->picDraw()->devicePixelRatioF(); }

    // The window as a new start leaves it: no graphs, no dialogs, the
    // program-wide values and the load step of a start.
    void Freshen() {
        W().SetGraphDrawingLeftOut(false);
        W().DeleteAllGraphs();
        for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        Axes = Cls3();
        Light = Cls10();
        DocumentKind = 0;
        W().Result->clear();
        W().Form_Load();
        QCoreApplication::processEvents();
        box.Clear();
    }

    // Runs the menu command with this control name.
    static void Run(const char* name) {
        QAction* a = W().MenuItem(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    // The command of the 演示 menu that opens this sample (path below
    // "samples/"), or nullptr.
    static const char* CommandOf(const std::string& path) {
        for (const SampleMenuRow& row : SampleMenuTable())
            if (row.path && SampleDocumentPath(row.path) == SamplesFolder() + "/" + path) return row.name;
        return nullptr;
    }
    static std::string SamplesFolder() { return (QCoreApplication::applicationDirPath() + "/samples").toStdString(); }

    // The view as the capture service reads it, frame `frame` shown.
    static QImage Render(std::int32_t frame) {
        W().Display(frame);
        const std::optional<PictureRows> picture = ViewCapture().CaptureView();
        return picture ? ImageFromPictureRows(*picture) : QImage();
    }

    // The graph list: each row's text, ticked or not.
    static std::vector<std::string> Rows() {
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
    static bool PlaybackOn() {
        for (const char* item : {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst", "mnuAniPre",
                                 "mnuAniNext", "mnuAniLast", "mnuAniNormal", "mnuAniRev", "mnuAniRepeat",
                                 "mnuAniRevRepeat"})
            if (!W().MenuItem(item)->isEnabled()) return false;
        for (int i = 33; i <= 43; ++i)
            if (!W().Toolbar1->IsButtonEnabled(i)) return false;
        return true;
    }

    RecordingMessageBox box;
    RecordingFileAssociation association;
    RecordingFileDialog fileDialog;

private:
    static inline frmF1* window_ = nullptr;
};
