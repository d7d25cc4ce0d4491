#pragma once
// Tests of the main window as a user drives it: a window started with a
// command line, scripted messages, document commands, file association and
// file dialogs, and helpers that deliver mouse events, click toolbar buttons
// and add point graphs with their list rows.
#include "app/frmF1.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "platform/ToolStrip.h"
#include "scene/Cls8.h"
#include "tests/app/ScriptedDocuments.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/RecordingServices.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class MainWindowFixture : public SceneFixture {
protected:
    void TearDown() override {
        for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetDialogOwner(nullptr);
        window_.reset();
    }

    // A new main window with this command line, shown.
    frmF1& Start(const QString& commandLine = QString(), QSize size = QSize(1000, 700)) {
        window_.reset();
        window_ = std::make_unique<frmF1>();
        window_->SetCommandLine(commandLine);
        window_->resize(size);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window_->picDraw()->HasContext(); }, 5000));
        SetDialogOwner(window_.get());
        return *window_;
    }
    frmF1& W() { return *window_; }

    ToolStrip* Strip(int toolbar) {
        return toolbar == 1 ? W().Toolbar1 : toolbar == 2 ? W().Toolbar2 : W().Toolbar3;
    }
    std::string Panel() { return ToStdString(W().StatusBar1->text()); }

    // Mouse events as the window system delivers them to a widget.
    static void Send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void MoveOver(QWidget* w, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        Send(w, QEvent::MouseMove, p, Qt::NoButton, held);
    }
    static void Drag(QWidget* w, QPoint from, QPoint to) {
        Send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        MoveOver(w, to, Qt::LeftButton);
        Send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    void Click(int toolbar, int index) {
        const QPoint c = Strip(toolbar)->ButtonRect(index).center();
        Send(Strip(toolbar), QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
        Send(Strip(toolbar), QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
    }

    // A point graph in both scenes with its list row, ticked.
    std::shared_ptr<Cls9> Point(std::int32_t id, float x, float y, std::int32_t colour = RGB(255, 0, 0)) {
        auto g = Cls9::Init(id, "P", GraphType::Point, CoordType::Cartesian, "x", "y", "z", 1, 1, 0, 0, 0, 0,
                            FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        g->PointColor = colour;
        g->PointSize = 12;
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(x, y, 0);
        Add(DocumentScene, g);
        Add(VisibleScene, g);
        W().AddTickedRow("点 " + std::to_string(id));
        return g;
    }
    // A file-dialog request: its kind, title, filter and first file type, no file name.
    static void ExpectDialog(const FileDialogRequest& r, FileDialogKind kind, const std::string& title,
                             const std::string& filter, std::int32_t filterIndex) {
        EXPECT_EQ(r.kind, kind);
        EXPECT_EQ(r.title, title);
        EXPECT_EQ(r.filter, filter);
        EXPECT_EQ(r.filterIndex, filterIndex);
        EXPECT_EQ(r.fileName, "");
    }
    // Whether the eleven playback items and Toolbar1's buttons 33 to 43 are all on.
    bool PlaybackOn() {
        bool on = true;
        for (const char* item : {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst", "mnuAniPre",
                                 "mnuAniNext", "mnuAniLast", "mnuAniNormal", "mnuAniRev", "mnuAniRepeat",
                                 "mnuAniRevRepeat"})
            on = on && W().MenuItem(item)->isEnabled();
        for (int i = 33; i <= 43; ++i) on = on && W().Toolbar1->IsButtonEnabled(i);
        return on;
    }
    // Pixels of the drawing area whose colour passes `test`.
    template <class Test>
    int PixelsWhere(Test test) {
        const QImage img = W().picDraw()->grabFramebuffer();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (test(img.pixel(x, y))) ++n;
        return n;
    }
    // Pixels of the drawing area that are mostly red.
    int RedPixels() {
        return PixelsWhere([](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; });
    }

    RecordingMessageBox box;
    RecordingFileAssociation association;
    RecordingFileDialog fileDialog;
    ScriptedDocuments documents;
    std::unique_ptr<frmF1> window_;
};
