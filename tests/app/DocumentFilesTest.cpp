// Documents in the main window, driven through the File menu with the real
// reader and writer: Save and Open bring every graph back with its row, tick,
// IDs and axes; the hand-written document opens from the command line;
// files that are no document leave the current one untouched; Save, Save As
// and Print with their dialogs, pictures and printer.
#include "app/DocumentCommands.h"
#include "app/VideoFrames.h"
#include "app/frmF23.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/PrinterService.h"
#include "dialogs/frmF19.h"
#include "dialogs/functions/frmF16.h"
#include "dialogs/functions/frmF17.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/GraphLabels.h"
#include "document/TokenReader.h"
#include "platform/AviWriter.h"
#include "platform/CheckListBox.h"
#include "platform/PictureImage.h"
#include "platform/QtPrinter.h"
#include "scene/Cls3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/document/GraphFields.h"
#include "tests/document/LargeDocuments.h"
#include "tests/document/SampleDocuments.h"
#include "tests/support/ImageInk.h"
#include "tests/support/PdfReading.h"
#include "tests/support/RunFolder.h"
#include "tests/support/SmallDisk.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

class DocumentFilesTest : public MainWindowFixture {
protected:
    // The ".pgp" files, not the scripted commands of the fixture.
    DocumentFilesTest() { SetDocumentCommands(nullptr); }

    std::string Path(const QString& name) { return dir_.filePath(name).toStdString(); }
    void Run(const char* item) { W().MenuItem(item)->trigger(); }
    // Opens `path` through 打开 over a document of one other graph, declining
    // its save question; the file must not be refused.
    void OpenOverAnotherDocument(const std::string& path) {
        W().DeleteAllGraphs();
        Point(40, 1, 1);
        box.Clear();
        box.Answer(MsgAnswer::No);
        fileDialog.Choose(path);
        Run("mnuFileOpen");
        for (const MessageRequest& m : box.requests) EXPECT_NE(m.text, DocumentMalformedText);
    }

    static void WriteFile(const std::string& path, const std::string& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), qint64(bytes.size()));
    }
    static std::string ReadFile(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray b = file.readAll();
        return std::string(b.constData(), std::size_t(b.size()));
    }
    // The document text of a file (GBK is ASCII here), without its frame.
    static std::string DocumentText(const std::string& path) {
        const std::string bytes = ReadFile(path);
        return bytes.size() < 4 ? std::string() : bytes.substr(4);
    }

    // The graphs as a document of this kind in the window, each with its row, ticked.
    void Show(std::int32_t kind, const std::vector<std::shared_ptr<Cls9>>& graphs) {
        DocumentKind = kind;
        for (const auto& g : graphs) {
            Add(DocumentScene, g);
            W().AddTickedRow(DocumentRowLabel(kind, *g));
        }
    }

    std::vector<std::int32_t> IDs(const Cls8& scene) {
        std::vector<std::int32_t> ids;
        for (const auto& e : scene.FunSurfs) ids.push_back(e.graph->ID);
        return ids;
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int r = 0; r < W().RowCount(); ++r) rows.push_back(W().RowText(r) + (W().List1->Ticked(r) ? " [x]" : " [ ]"));
        return rows;
    }
    void ExpectMessage(const std::string& text) {
        ASSERT_GE(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, text);
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
    }

    QTemporaryDir dir_;
};

// What a free text reads back as: the "@" before a blank was written "＠".
std::string ReadBackText(std::string text) {
    for (std::size_t at = text.find("@ "); at != std::string::npos; at = text.find("@ ", at))
        text.replace(at, 1, "＠");
    return text;
}

TEST_F(DocumentFilesTest, SaveAndOpenBringBackEveryGraphRowTickAndAxes) {
    Start();
    for (const SampleDocument& sample : RoundTripDocuments()) {
        SCOPED_TRACE(sample.name);
        const std::string path = Path(QString::fromStdString(sample.name + ".pgp"));
        W().DeleteAllGraphs();
        Show(sample.documentKind, sample.graphs);
        Axes = SampleAxes();
        FrameCount = SampleFrameCount;
        FramesPerSecond = SampleFramesPerSecond;

        fileDialog.requests.clear();
        fileDialog.Choose(path);
        const int writes = association.writes;
        Run("mnuFileSave");
        EXPECT_TRUE(W().SaveSucceeded);
        EXPECT_EQ(association.writes, writes + 1);
        ASSERT_EQ(fileDialog.requests.size(), 1u);
        ExpectDialog(fileDialog.requests[0], FileDialogKind::Save, "保存", "(*.pgp)|*.pgp", 1);
        EXPECT_EQ(fileDialog.requests[0].defaultExt, "pgp");

        // Another document in between: other kind, axes, animation values.
        W().DeleteAllGraphs();
        Point(40, 1, 1);
        DocumentKind = 9;
        Axes = Cls3();
        FrameCount = FramesPerSecond = 3;
        W().TrackballActive = true;
        box.Clear();
        box.Answer(MsgAnswer::No); // the save question of Open
        fileDialog.requests.clear();
        fileDialog.Choose(path);
        Run("mnuFileOpen");
        ASSERT_EQ(fileDialog.requests.size(), 1u);
        ExpectDialog(fileDialog.requests[0], FileDialogKind::Open, "打开", "(*.pgp)|*.pgp", 1);

        const bool plane = sample.documentKind == 1;
        EXPECT_EQ(DocumentKind, sample.documentKind);
        EXPECT_EQ(VisibleScene.RotPitch, plane ? 0 : -15);
        EXPECT_EQ(VisibleScene.RotYaw, plane ? 0 : 45);
        EXPECT_FALSE(W().TrackballActive);
        std::vector<std::int32_t> ids;
        std::vector<std::string> rows;
        std::int32_t counter = 0;
        for (const auto& g : sample.graphs) {
            ids.push_back(g->ID);
            rows.push_back(DocumentRowLabel(sample.documentKind, *g) + " [x]");
            counter = std::max(counter, g->ID + 1);
        }
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(IDs(DocumentScene), ids);
        EXPECT_EQ(IDs(VisibleScene), ids);
        EXPECT_EQ(GraphIDCounter, counter);
        for (std::size_t i = 0; i < sample.graphs.size(); ++i) {
            Cls9& written = *sample.graphs[i];
            Cls9& read = *DocumentScene.FunSurfs.Item(std::int64_t(i) + 1);
            EXPECT_NE(&written, &read);
            written.NameS = ReadBackText(written.NameS);
            if (written.GraphType == GraphType::Table2D || written.GraphType == GraphType::Table3D)
                ExpectSameTableFields(written, read);
            else
                ExpectSameRecordFields(written, read);
        }
        Cls3 axes = SampleAxes();
        axes.TitleX = ReadBackText(axes.TitleX);
        EXPECT_EQ(Axes.Save(), axes.Save());
        EXPECT_EQ(Axes.TitleY, "@");
        // The plane document holds an animated graph: its values, frame 1, playback on.
        EXPECT_EQ(FrameCount, plane ? SampleFrameCount : 3);
        EXPECT_EQ(FramesPerSecond, plane ? SampleFramesPerSecond : 3);
        EXPECT_EQ(PlaybackOn(), plane);
        // The animation options' boxes show the values in force, the dialog hidden.
        ASSERT_TRUE(frmF19::Loaded());
        EXPECT_EQ(frmF19::Get().text1->text(), QString::fromStdString(LongText(FrameCount)));
        EXPECT_EQ(frmF19::Get().Text2->text(), QString::fromStdString(LongText(FramesPerSecond)));
        EXPECT_FALSE(frmF19::Get().isVisible());
        frmF19::Get().Unload();
        if (plane) {
            EXPECT_EQ(CurrentFrame, 1);
        }
        // (The junk expressions of the graphs have their own messages.)
        for (const MessageRequest& m : box.requests)
            for (const std::string& t : {DocumentMalformedText, DocumentOpenFailedText, DocumentWriteFailedText})
                EXPECT_NE(m.text.rfind(t, 0), 0u) << m.text;
    }
}

// A point made with the point dialog in each document kind reads back from
// its document with the row it was given and the place it was drawn at:
// three coordinates in space documents, two in the others.
TEST_F(DocumentFilesTest, APointFromTheDialogOpensWithItsRowAndPlace) {
    struct Case {
        void (frmF1::*newDocument)();
        int coordinates; // entry of the coordinate list
        const char* row;
    };
    const Case cases[] = {
        {&frmF1::mnuFileNew2D_Click, 0, "点  x=1.5, y=2"},
        {&frmF1::mnuFileNew2D_Click, 1, "点  a=1.5, r=2"},
        {&frmF1::mnuFileNew25D_Click, 0, "点  x=1.5, y=2"},
        {&frmF1::mnuFileNew3D_Click, 2, "点  a=1.5, b=2, r=3"},
        {&frmF1::mnuFileSpe_Click, 0, "点  x=1.5, y=2"},
        {&frmF1::mnuFileSpe_Click, 1, "点  a=1.5, r=2"},
    };
    Start();
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        if (DocumentScene.FunSurfs.Count() > 0) box.Answer(MsgAnswer::No);
        (W().*c.newDocument)();
        const std::int32_t kind = DocumentKind;
        box.Clear();
        QTimer::singleShot(0, [&c] {
            frmF16& f = frmF16::Get();
            f.Combo1->setCurrentIndex(c.coordinates);
            QTest::keyClicks(f.Text2, QStringLiteral("1.5"));
            QTest::keyClicks(f.Text3, QStringLiteral("2"));
            if (f.Text4->isVisible()) QTest::keyClicks(f.Text4, QStringLiteral("3"));
            QTest::mouseClick(f.Command1, Qt::LeftButton);
        });
        Click(2, 2); // the toolbar's point button
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        ASSERT_EQ(Rows(), std::vector<std::string>{c.row + std::string(" [x]")});
        const std::shared_ptr<Cls9> made = DocumentScene.FunSurfs.Item(1);
        const SamplePoint place = made->Vert3D(0, 0);

        const std::string path = Path(QStringLiteral("point%1.pgp").arg(n++));
        fileDialog.Choose(path);
        Run("mnuFileSave");
        ASSERT_TRUE(W().SaveSucceeded);
        box.Answer(MsgAnswer::No);
        fileDialog.Choose(path);
        Run("mnuFileOpen");
        EXPECT_EQ(DocumentKind, kind);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        const std::shared_ptr<Cls9> read = DocumentScene.FunSurfs.Item(1);
        EXPECT_NE(read, made);
        EXPECT_EQ(Rows(), std::vector<std::string>{c.row + std::string(" [x]")});
        EXPECT_EQ(read->CoordType, made->CoordType);
        EXPECT_EQ(read->ExpressX, made->ExpressX);
        EXPECT_EQ(read->ExpressY, made->ExpressY);
        EXPECT_EQ(read->ExpressZ, made->ExpressZ);
        EXPECT_EQ(read->Vert3D(0, 0).x, place.x);
        EXPECT_EQ(read->Vert3D(0, 0).y, place.y);
        EXPECT_EQ(read->Vert3D(0, 0).z, place.z);
    }
}

// A special document whose frame a contour plot over -3..3 fixes, with the
// red points of its cases; where the point of a frame lies in it.
class SpecialPointsTest : public DocumentFilesTest {
protected:
    // A new special document holding the contour plot, axes drawn green.
    void NewFramedDocument() {
        if (DocumentScene.FunSurfs.Count() > 0) box.Answer(MsgAnswer::No);
        W().mnuFileSpe_Click();
        box.Clear();
        Axes.AxisColor = RGB(0, 160, 0);
        Axes.AxisWidth = 2;
        auto plot = Cls9::Init(1, "F", GraphType::Contour, CoordType::Cartesian, "u", "v", "u", 12, 12, -3, 3, -3,
                               3, FillStyle::OneColor, Blue, Blue, 0, 1, 0, Show::FilledSurface,
                               Smoothness::Smooth, false, false, false, 6);
        plot->FunForm = FunForm::Parametric;
        Show(7, {plot});
        GraphIDCounter = 1;
    }
    // Where the red point of animation frame `frame` (1 for a still scene)
    // is drawn, in the coordinates the frame's ticks give: the green frame
    // read back from the fitted picture, spanning the scene's box as shown.
    // (The test's points lie inside the plot's box.)
    std::pair<double, double> RedPointInFrame(std::int32_t frame, const std::string& picture) {
        W().mnuViewFit_Click();
        W().Display(frame);
        const QImage img = W().picDraw()->grabFramebuffer();
        img.save(RunFile(QString::fromStdString("vexilon_" + picture + ".png")));
        const QRect framed =
            PixelBounds(img, [](QRgb p) { return qGreen(p) > 100 && qRed(p) < 90 && qBlue(p) < 90; });
        double sumX = 0, sumY = 0;
        int reds = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (const QRgb p = img.pixel(x, y); qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80)
                    sumX += x, sumY += y, ++reds;
        EXPECT_GT(framed.width(), 100);
        EXPECT_GT(reds, 10);
        if (reds == 0 || framed.width() < 2 || framed.height() < 2) return {1e9, 1e9};
        // The box the frame is drawn on: an animated scene's spans every
        // frame and is widened by 0.1.
        Cls1 box = VisibleScene.GetBox(0);
        if (VisibleScene.Animation()) {
            for (std::int32_t f = 1; f <= FrameCount; ++f) box.Widen(VisibleScene.GetBox(f));
            box = {box.MinX - 0.1f, box.MaxX + 0.1f, box.MinY - 0.1f, box.MaxY + 0.1f, box.MinZ - 0.1f,
                   box.MaxZ + 0.1f};
        }
        const Cls1 shown = ShownBox(box);
        return {shown.MinX + (sumX / reds - framed.left()) / framed.width() * (shown.MaxX - shown.MinX),
                shown.MinY + (framed.bottom() - sumY / reds) / framed.height() * (shown.MaxY - shown.MinY)};
    }
    void ExpectAt(std::pair<double, double> place, double x, double y) {
        EXPECT_NEAR(place.first, x, 0.08);
        EXPECT_NEAR(place.second, y, 0.08);
    }
    // The document saved and opened again.
    void SaveAndOpen(const std::string& path) {
        fileDialog.Choose(path);
        Run("mnuFileSave");
        ASSERT_TRUE(W().SaveSucceeded);
        box.Answer(MsgAnswer::No);
        fileDialog.Choose(path);
        Run("mnuFileOpen");
        ASSERT_EQ(DocumentKind, 7);
    }
    static constexpr std::int32_t Blue = 16711680;
};

// A point and a point animation made with their dialogs in a special
// document, in each coordinate entry the dialogs offer there, are drawn
// where their rows say (in the first and last frame of the animation), and
// sit there again after Save and Open.
TEST_F(SpecialPointsTest, DialogPointsAreDrawnWhereTheirRowsSayAlsoAfterOpening) {
    struct Case {
        bool animation;
        int coordinates; // entry of the coordinate list
        const char *first, *second, *lastT;
        const char* row;       // as the command gives it
        const char* openedRow; // as the document gives it
        double x, y;           // the place the row gives (frame 1)
        double lastX, lastY;   // and in the last frame
    };
    const double root3 = std::sqrt(3.0);
    const Case cases[] = {
        {false, 0, "1.5", "-2", "", "点  x=1.5, y=-2", "点  x=1.5, y=-2", 1.5, -2, 0, 0},
        {false, 1, "2*pi/3", "2.5", "", "点  a=2*pi/3, r=2.5", "点  a=2*pi/3, r=2.5", -1.25, 1.25 * root3, 0, 0},
        {true, 0, "1+t", "2-t", "1", "点动画   x=1+t, y=2-t", "点动画  x=1+t, y=2-t", 1, 2, 2, 1},
        {true, 1, "t", "2", "pi/2", "点动画   a=t, r=2", "点动画  a=t, r=2", 2, 0, 0, 2},
    };
    Start();
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        NewFramedDocument();
        frmF19::ShowSettings(4, 10);
        QTimer::singleShot(0, [&c] {
            QDialog& d = c.animation ? static_cast<QDialog&>(frmF17::Get()) : static_cast<QDialog&>(frmF16::Get());
            auto* list = d.findChild<QComboBox*>("Combo1");
            EXPECT_EQ(list->count(), 2);
            EXPECT_FALSE(d.findChild<QLineEdit*>("Text4")->isVisible());
            list->setCurrentIndex(c.coordinates);
            QTest::keyClicks(d.findChild<QLineEdit*>("Text2"), QString::fromUtf8(c.first));
            QTest::keyClicks(d.findChild<QLineEdit*>("Text3"), QString::fromUtf8(c.second));
            if (c.animation) {
                QTest::keyClicks(d.findChild<QLineEdit*>("Text5"), QStringLiteral("0"));
                QTest::keyClicks(d.findChild<QLineEdit*>("Text6"), QString::fromUtf8(c.lastT));
            }
            QTest::mouseClick(d.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        if (c.animation)
            Run("mnuAniPoint");
        else
            Click(2, 2); // the toolbar's point button
        EXPECT_EQ(box.Count(), 0u);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        ASSERT_EQ(Rows(), (std::vector<std::string>{"等值线图 Plot  x=u, y=v, z=u [x]", c.row + std::string(" [x]")}));
        const std::string name = "special_point" + std::to_string(n++);
        ExpectAt(RedPointInFrame(1, name), c.x, c.y);
        if (c.animation) ExpectAt(RedPointInFrame(5, name + "_last"), c.lastX, c.lastY);

        SaveAndOpen(Path(QString::fromStdString(name + ".pgp")));
        EXPECT_EQ(Rows(),
                  (std::vector<std::string>{"等值线图 Plot  x=u, y=v, z=u [x]", c.openedRow + std::string(" [x]")}));
        ExpectAt(RedPointInFrame(1, name + "_opened"), c.x, c.y);
        if (c.animation) ExpectAt(RedPointInFrame(5, name + "_opened_last"), c.lastX, c.lastY);
    }
}

// Points that special documents stored in a space coordinate system (as the
// dialogs once made them there) open with the rows they always had and are
// drawn at the x and y those rows show.
TEST_F(SpecialPointsTest, StoredSpacePointsOpenWhereTheirRowsSay) {
    struct Case {
        std::int32_t type;
        std::int32_t coordType;
        const char *x, *y, *z;
        const char* row;
        double atX, atY; // frame 1
    };
    const Case cases[] = {
        {GraphType::Point, CoordType::Cartesian, "0", "1", "2", "点  x=1, y=2", 1, 2},
        {GraphType::Point, CoordType::Cylindrical, "0", "1", "2", "点  x=1, y=2", 1, 2},
        {GraphType::Point, CoordType::Spherical, "0", "2", "-1", "点  x=2, y=-1", 2, -1},
        {GraphType::PointAnimation, CoordType::Cylindrical, "t", "1-t", "2", "点动画  x=1-t, y=2", 1, 2},
        {GraphType::PointAnimation, CoordType::Spherical, "t", "-1", "t-2", "点动画  x=-1, y=t-2", -1, -2},
    };
    Start();
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        NewFramedDocument();
        FrameCount = 4;
        auto point = Cls9::Init(2, "P", c.type, c.coordType, c.x, c.y, c.z, 1, 1, 0, 1, 0, 0, FillStyle::OneColor,
                                0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe, Smoothness::Smoother);
        point->FunForm = FunForm::Parametric;
        point->PointColor = RGB(255, 0, 0);
        point->PointSize = 2;
        if (c.type == GraphType::PointAnimation) {
            point->Animation = true;
            point->MinT = 0;
            point->MaxT = 1;
        }
        Show(7, {point});
        SaveAndOpen(Path(QStringLiteral("stored%1.pgp").arg(n++)));
        EXPECT_EQ(Rows(), (std::vector<std::string>{"等值线图 Plot  x=u, y=v, z=u [x]", c.row + std::string(" [x]")}));
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(2)->CoordType, c.coordType);
        ExpectAt(RedPointInFrame(1, "stored_point" + std::to_string(n)), c.atX, c.atY);
    }
}

// One window through a long mixed session: samples of every kind, animations
// of different frame counts played and stepped, video frames recorded and
// written, print, a bitmap of the view, Fit, new documents of every kind.
// After every step the special document of five points and a point
// animation, opened, draws each of them where its row says (points are
// spheres there, whose display lists live as long as the context).
class LongSessionTest : public SpecialPointsTest {
protected:
    struct Place {
        double x, y;
    };
    // The red points of the special document: five points, and the point
    // animation x = t, y = -2 (t from -1 to 1) in its frame 1.
    const std::vector<Place> places_{{-2, -2}, {2, -2}, {0, 0}, {-2, 2}, {2, 1.5}, {-1, -2}};

    static std::shared_ptr<Cls9> RedPoint(std::int32_t id, std::int32_t type, const std::string& x,
                                          const std::string& y) {
        auto g = Cls9::Init(id, "P", type, CoordType::PlaneCartesian, "0", x, y, 1, 1, 0, 0, 0, 0,
                            FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        g->PointColor = RGB(255, 0, 0);
        g->PointSize = 2;
        if (type == GraphType::PointAnimation) {
            g->Animation = true;
            g->MinT = -1;
            g->MaxT = 1;
        }
        return g;
    }
    // The special document saved at special_.
    void SaveSpecialDocument() {
        NewFramedDocument();
        FrameCount = 6;
        std::vector<std::shared_ptr<Cls9>> points;
        std::int32_t id = 2;
        for (std::size_t i = 0; i + 1 < places_.size(); ++i)
            points.push_back(RedPoint(id++, GraphType::Point, Number(places_[i].x), Number(places_[i].y)));
        points.push_back(RedPoint(id, GraphType::PointAnimation, "t", "-2"));
        Show(7, points);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 7);
        fileDialog.Choose(special_);
        Run("mnuFileSave");
        ASSERT_TRUE(W().SaveSucceeded);
    }
    static std::string Number(double v) { return DoublePlainText(v); }

    // The save question before a new document or an opening says No.
    void NoToTheQuestion(const Cls8& scene) {
        box.Clear();
        asked_ = scene.FunSurfs.Count() > 0;
        if (asked_) box.Answer(MsgAnswer::No);
    }
    void RunAfterNo(const char* item, const Cls8& scene) {
        NoToTheQuestion(scene);
        Run(item);
    }
    // A normal play from frame 1 to its end, tick by tick.
    void Play() {
        Run("mnuAniNormal");
        Run("mnuAniStartb");
        for (int i = 0; i < FrameCount + 3 && W().Timer1->isActive(); ++i) W().Timer1_Timer();
        Run("mnuAniStop");
    }
    // A new document of this kind holding a red point moving over `frames`
    // frames, its lists compiled by the tick of its row.
    void OwnAnimation(const char* newItem, std::int32_t frames) {
        RunAfterNo(newItem, DocumentScene);
        FrameCount = frames;
        auto g = MovingPointGraph(1);
        Add(DocumentScene, g);
        W().AddTickedRow("点动画   x=t, y=1");
        ASSERT_TRUE(VisibleScene.Animation());
    }

    // The special document opened and shown fitted: every red pixel belongs
    // to the marker of a row, and every row's marker is there.
    void ExpectPointsWhereTheRowsSay(const std::string& step) {
        SCOPED_TRACE(step);
        NoToTheQuestion(VisibleScene);
        fileDialog.Choose(special_);
        Run("mnuFileOpen");
        EXPECT_EQ(box.Count(), asked_ ? 1u : 0u); // the question alone
        ASSERT_EQ(DocumentKind, 7);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 7);
        ASSERT_EQ(W().RowCount(), 7);
        ExpectRedMarkersAt(places_);
    }
    // The view fitted, frame 1: every red pixel belongs to a marker of size 2
    // at one of `places`, and most of each marker's disc is red.
    void ExpectRedMarkersAt(const std::vector<Place>& places) {
        W().mnuViewFit_Click();
        W().Display(1);
        const QImage img = W().picDraw()->grabFramebuffer();
        const QRect framed =
            PixelBounds(img, [](QRgb p) { return qGreen(p) > 100 && qRed(p) < 90 && qBlue(p) < 90; });
        ASSERT_GT(framed.width(), 100);
        // The box the frame is drawn on: an animated scene's spans every
        // frame and is widened by 0.1.
        Cls1 b = VisibleScene.GetBox(0);
        if (VisibleScene.Animation()) {
            for (std::int32_t f = 1; f <= FrameCount; ++f) b.Widen(VisibleScene.GetBox(f));
            b = {b.MinX - 0.1f, b.MaxX + 0.1f, b.MinY - 0.1f, b.MaxY + 0.1f, b.MinZ - 0.1f, b.MaxZ + 0.1f};
        }
        const Cls1 shown = ShownBox(b);
        const double perUnit = framed.width() / double(shown.MaxX - shown.MinX);
        const double radius = 0.15 * perUnit; // a marker of size 2
        std::vector<QPointF> centres;
        for (const Place& p : places)
            centres.emplace_back(framed.left() + (p.x - shown.MinX) * perUnit,
                                 framed.bottom() - (p.y - shown.MinY) * framed.height() / (shown.MaxY - shown.MinY));
        std::vector<int> reds(centres.size(), 0);
        int stray = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (!(qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80)) continue;
                bool near = false;
                for (std::size_t i = 0; i < centres.size(); ++i)
                    if (std::hypot(x - centres[i].x(), y - centres[i].y()) <= radius + 2) ++reds[i], near = true;
                stray += !near;
            }
        bool drawn = stray == 0;
        for (std::size_t i = 0; i < centres.size(); ++i) {
            // Most of the marker's disc is red.
            EXPECT_GT(reds[i], 0.6 * 3.14159 * radius * radius) << "row " << i + 2;
            drawn = drawn && reds[i] > 0.6 * 3.14159 * radius * radius;
        }
        EXPECT_EQ(stray, 0);
        // A picture that fails is kept in the run's folder to be looked at.
        if (!drawn) img.save(RunFile(QStringLiteral("long_session_%1.png").arg(++failed_)));
    }

    std::string special_ = Path(QStringLiteral("five points.pgp"));
    bool asked_ = false;
    int failed_ = 0;
};

TEST_F(LongSessionTest, SpecialDocumentPointsAreDrawnAfterEveryStep) {
    Start();
    W().Timer1->setInterval(3600 * 1000); // the test delivers the ticks
    RecordingPrinter printer;
    RecordingVideoCompression compression;
    // Our AVI writer while the test runs.
    struct Videos : AviVideoService {
        Videos() : previous(&::Videos()) { SetVideoService(this); }
        ~Videos() override { SetVideoService(previous); }
        VideoService* previous;
    } videos;
    struct Step {
        const char* name;
        std::function<void()> run;
    };
    // The session starts with an animation; then the special document is made.
    RunAfterNo("mnuDemo2DEA", VisibleScene);
    Play();
    SaveSpecialDocument();
    const std::vector<Step> steps{
        {"a plane animation of 40 frames stepped",
         [&] {
             OwnAnimation("mnuFileNew2D", 40);
             Run("mnuAniNext");
             Run("mnuAniNext");
             Run("mnuAniLast");
             Run("mnuAniPre");
             Run("mnuAniFirst");
         }},
        {"the video frames of a 12-frame animation recorded and written",
         [&] {
             OwnAnimation("mnuFileNew2D", 12);
             Run("mnuFileSaveAVI");
             ASSERT_TRUE(frmF23::Loaded());
             QTest::mouseClick(frmF23::Get().Command4, Qt::LeftButton);
             for (int i = 0; i < FrameCount + 3 && W().Timer1->isActive(); ++i) W().Timer1_Timer();
             EXPECT_EQ(RecordedFrameCount, 12);
             QTest::mouseClick(frmF23::Get().Command2, Qt::LeftButton);
             fileDialog.Choose(Path(QStringLiteral("moving.avi")));
             QTest::mouseClick(frmF23::Get().Command5, Qt::LeftButton);
             EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("moving.avi"))));
             frmF23::Get().Unload();
         }},
        {"a space sample fitted", [&] { RunAfterNo("mnuDemoSphere", VisibleScene); W().mnuViewFit_Click(); }},
        {"a strip sample fitted", [&] { RunAfterNo("mnuDemo25DCart", VisibleScene); W().mnuViewFit_Click(); }},
        {"the strip animation sample played", [&] { RunAfterNo("mnuDemo25DAnim", VisibleScene); Play(); }},
        {"a space animation of 1000 frames", [&] { OwnAnimation("mnuFileNew3D", 1000); }},
        {"a plane animation of 3 frames played", [&] { OwnAnimation("mnuFileNew2D", 3); Play(); }},
        {"a table sample printed",
         [&] {
             RunAfterNo("mnuDemoTabSur", VisibleScene);
             Run("mnuFilePrint");
             EXPECT_FALSE(printer.pages.empty());
         }},
        {"a special sample saved as a bitmap",
         [&] {
             RunAfterNo("mnuDemoAdvCV", VisibleScene);
             fileDialog.Choose(Path(QStringLiteral("view.bmp")), 2);
             Run("mnuFileSaveAs");
             EXPECT_FALSE(QImage(dir_.filePath(QStringLiteral("view.bmp"))).isNull());
         }},
        {"a space animation sample played", [&] { RunAfterNo("mnuDemo3DAnim1", VisibleScene); Play(); }},
        {"a strip animation of 25 frames fitted",
         [&] {
             OwnAnimation("mnuFileNew25D", 25);
             W().mnuViewFit_Click();
         }},
        {"new documents of every kind",
         [&] {
             for (const char* item : {"mnuFileNew2D", "mnuFileNew25D", "mnuFileNew3D", "mnuFileSpe"})
                 RunAfterNo(item, DocumentScene);
         }},
        {"a plane sample with points", [&] { RunAfterNo("mnuDemoPoint", VisibleScene); }},
    };
    ExpectPointsWhereTheRowsSay("made after an animation sample was played");
    for (const Step& s : steps) {
        s.run();
        ExpectPointsWhereTheRowsSay(s.name);
    }

    // A point typed into a fresh special document is drawn too.
    NewFramedDocument();
    Show(7, {RedPoint(2, GraphType::Point, "1", "-1.5")});
    ExpectRedMarkersAt({{1, -1.5}});
}

TEST_F(DocumentFilesTest, TheHandWrittenDocumentOpensFromTheCommandLine) {
    const std::string path = Path(QStringLiteral("抛物线.pgp"));
    WriteFile(path, HandWrittenDocument());
    RecordingResultPane pane;
    Start(QString::fromStdString(path));

    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(DocumentKind, 1);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"二维曲线  y=x^2 [x]", "二维表数据图形: data table [x]",
                                                "二维曲线动画  x=cos(u+t),y=sin(u) [x]"}));
    EXPECT_EQ(IDs(DocumentScene), (std::vector<std::int32_t>{3, 7, 5}));
    EXPECT_EQ(IDs(VisibleScene), (std::vector<std::int32_t>{3, 7, 5}));
    EXPECT_EQ(GraphIDCounter, 8);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->NameS, "抛物线");
    EXPECT_TRUE(Axes.Show);
    EXPECT_EQ(Axes.TitleX, "t (s)");
    EXPECT_EQ(Axes.LabelNumX, 5);
    EXPECT_EQ(Axes.AxisWidth, 2);
    EXPECT_TRUE(Axes.BetterFonts);
    EXPECT_EQ(FrameCount, 20);
    EXPECT_EQ(FramesPerSecond, 8);
    EXPECT_TRUE(PlaybackOn());
    EXPECT_EQ(CurrentFrame, 1);
    ASSERT_TRUE(frmF19::Loaded());
    EXPECT_EQ(frmF19::Get().text1->text(), QStringLiteral("20"));
    EXPECT_EQ(frmF19::Get().Text2->text(), QStringLiteral("8"));
    EXPECT_FALSE(frmF19::Get().isVisible());
    EXPECT_TRUE(DocumentScene.FunSurfs.Item(1)->Vert3D.Exists());
}

// A document holding an expression of 1 MB opens from the command line: the
// window shows, the graph is listed and drawn, and the result pane holds its
// line.
TEST_F(DocumentFilesTest, ADocumentWithAnExpressionOfAMegabyteOpens) {
    std::string expression = "x";
    while (expression.size() < 1000000) expression += "+x";
    auto g = Cls9::Init(1, "long", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x", expression, 20, 1,
                        -1, 1, 0, 0, FillStyle::OneColor, 0, 0, RGB(255, 0, 0), 1, 0, Show::FilledSurface,
                        Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = true;
    Cls8 scene;
    scene.FunSurfs.Add(g, "1");
    const std::string path = Path(QStringLiteral("long.pgp"));
    ASSERT_EQ(SaveDocumentFile(QString::fromStdString(path), ComposeDocumentText(1, scene, Cls3{})),
              SaveResult::Written);

    const auto start = std::chrono::steady_clock::now();
    Start(QString::fromStdString(path));
    QTest::qWait(10);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    RecordProperty("seconds_to_show", std::to_string(took.count()));
    std::cout << "a document with a 1 MB expression shown in " << took.count() << " s\n";

    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->ExpressZ, expression);
    EXPECT_EQ(Rows(), (std::vector<std::string>{DocumentRowLabel(1, *g) + " [x]"}));
    EXPECT_EQ(Result().Text(), "函数 y=" + expression + "\r\n");
    EXPECT_TRUE(W().isVisible());
}

TEST_F(DocumentFilesTest, TicksAreDrawnOnceAfterTheLastRow) {
    // Every drawing of two curves crossing more than 50 times shows its
    // message once the lists are built: one build, one message, whatever the
    // number of rows after it.
    Cls8 scene;
    for (std::int32_t id = 1; id <= 4; ++id) {
        auto g = Cls9::Init(id, "f", id == 1 ? GraphType::Intersection : GraphType::Function2D,
                            CoordType::PlaneCartesian, "0", "x", "sin(20*x)", 1, 2000, 0, 0, -10, 10,
                            FillStyle::OneColor, 0, 0, RGB(0, 0, 255), 1, 1, Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->Show2DCurve = true;
        g->Exp2 = "0";
        g->ShowInter = id == 1;
        Add(scene, g);
    }
    const std::string path = Path(QStringLiteral("crossings.pgp"));
    ASSERT_EQ(SaveDocumentFile(QString::fromStdString(path), ComposeDocumentText(1, scene, Cls3{})),
              SaveResult::Written);
    Start(QString::fromStdString(path));
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 4);
    std::size_t crossings = 0;
    for (const MessageRequest& m : box.requests) crossings += m.text == "交点个数大于50。";
    EXPECT_EQ(crossings, 1u);
}

TEST_F(DocumentFilesTest, FilesThatAreNoDocumentChangeNothing) {
    Cls9 plain;
    plain.ID = 1;
    plain.NameS = "a";
    const std::string record = plain.Save();
    Cls9 table;
    table.GraphType = GraphType::Table2D;
    table.ID = 2;
    table.NameS = "t";
    const std::string tableRecord = table.SaveTable();
    // A record with token `at` replaced.
    const auto with = [](const std::string& rec, std::size_t at, const std::string& value) {
        std::vector<std::string> t = SplitTokens(rec);
        if (at >= t.size()) {
            ADD_FAILURE() << "a record of " << t.size() << " tokens has no token " << at;
            return rec;
        }
        t[at] = value;
        std::string r;
        for (const std::string& token : t) r += token + " ";
        return r;
    };
    const std::string good = "S71 1 " + record + " 0";
    Cls8 largeScene;
    largeScene.FunSurfs.Add(LargestDistinctTable(3, 60, 60), "3");
    const std::string large = FrameDocumentText(ComposeDocumentText(3, largeScene, Cls3{}));
    ASSERT_GT(large.size(), 65536u);
    std::string pastEnd = large;
    pastEnd[4] = static_cast<char>(pastEnd[4] + 1); // 65,536 bytes more than there are
    struct Case {
        std::string name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"empty file", ""},
        {"cut short", FramedFile(good).substr(0, 40)},
        {"not a framed text", std::string("\x09\x00\x05\x00S71 0 0", 11)},
        {"unknown header", FramedFile("S17 0 0")},
        {"type naming no graph", FramedFile("S71 1 16" + record.substr(1) + " 0")},
        {"list count 51", FramedFile("S71 1 " + with(record, 59, "51") + "0")},
        {"grid side 201", FramedFile("S71 1 " + with(tableRecord, 12, "201") + "0")},
        {"number beyond 32 bits", FramedFile("S71 1 " + with(record, 1, "99999999999") + "0")},
        {"real number beyond single", FramedFile("S71 1 " + with(record, 9, "1E39") + "0")},
        {"strict field not a number", FramedFile("S71 1 " + with(tableRecord, 3, "12a") + "0")},
        {"repeated ID", FramedFile("S71 2 " + record + " " + record + " 0")},
        {"unterminated name", FramedFile("S71 1 0 1 @a b c d e f g")},
        {"large document cut short", large.substr(0, large.size() - 1)},
        {"large document with a length past its end", pastEnd},
    };
    for (HostileDocument& large : LargeHostileDocuments()) cases.push_back({large.name, std::move(large.bytes)});
    Start();
    // The current document: two points, a space document with its axes.
    Point(1, 0, 0);
    Point(2, 1, 1);
    W().List1->SetTicked(1, false);
    DocumentKind = 3;
    Axes = SampleAxes();
    FrameCount = 30;
    GraphIDCounter = 2;
    const std::string axes = Axes.Save();
    const std::vector<std::string> rows = Rows();
    ASSERT_TRUE(SaveDocumentFile(QString::fromStdString(Path("good.pgp")), good) == SaveResult::Written);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path(QStringLiteral("hostile.pgp"));
        WriteFile(path, c.bytes);
        box.Clear();
        box.Answer(MsgAnswer::No);
        fileDialog.Choose(path);
        Run("mnuFileOpen");
        ASSERT_EQ(box.Count(), 2u);
        EXPECT_EQ(box.requests[0].text, "是否保存当前图形？");
        ExpectMessage("文件格式不正确。");
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(IDs(DocumentScene), (std::vector<std::int32_t>{1, 2}));
        EXPECT_EQ(IDs(VisibleScene), (std::vector<std::int32_t>{1}));
        EXPECT_EQ(DocumentKind, 3);
        EXPECT_EQ(Axes.Save(), axes);
        EXPECT_EQ(FrameCount, 30);
        EXPECT_EQ(GraphIDCounter, 2);
    }
    // A folder is no file: its own message; the good file beside them opens.
    box.Clear();
    box.Answer(MsgAnswer::No);
    fileDialog.Choose(dir_.path().toStdString());
    Run("mnuFileOpen");
    ExpectMessage("无法打开文件：" + dir_.path().toStdString());
    EXPECT_EQ(Rows(), rows);
    box.Answer(MsgAnswer::No);
    fileDialog.Choose(Path("good.pgp"));
    Run("mnuFileOpen");
    EXPECT_EQ(Rows(), (std::vector<std::string>{DocumentRowLabel(1, plain) + " [x]"}));
    // A generation-1 file is a document too: no graphs, axes hidden.
    WriteFile(Path("old.pgp"), FramedFile("S11 0 0"));
    box.Clear();
    box.Answer(MsgAnswer::No);
    fileDialog.Choose(Path("old.pgp"));
    Run("mnuFileOpen");
    EXPECT_EQ(box.Count(), 1u); // the save question alone
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(DocumentKind, 1);
    EXPECT_FALSE(Axes.Show);
}

TEST_F(DocumentFilesTest, SaveWritesTheVisibleSceneAndReportsWhatHappened) {
    Start();
    // An empty document: no dialog, counts as saved.
    Run("mnuFileSave");
    EXPECT_TRUE(W().SaveSucceeded);
    EXPECT_TRUE(fileDialog.requests.empty());
    EXPECT_EQ(association.writes, 1); // the start-up's

    // Graphs, none ticked: the header, the count 0 and the axes record.
    Point(1, 0, 0);
    W().List1->SetTicked(0, false);
    Axes = Cls3();
    const std::string path = Path(QStringLiteral("none.pgp"));
    fileDialog.Choose(path);
    Run("mnuFileSave");
    EXPECT_TRUE(W().SaveSucceeded);
    EXPECT_EQ(DocumentText(path), "S71 0 0");
    EXPECT_EQ(association.writes, 2);

    // Cancelled: not saved, nothing written; the association is refreshed.
    fileDialog.Cancel();
    Run("mnuFileSave");
    EXPECT_FALSE(W().SaveSucceeded);
    EXPECT_EQ(association.writes, 3);

    // A file that cannot be written: the message, not saved.
    const std::string nowhere = Path(QStringLiteral("no/such/folder/a.pgp"));
    fileDialog.Choose(nowhere);
    box.Clear();
    Run("mnuFileSave");
    EXPECT_FALSE(W().SaveSucceeded);
    ExpectMessage("无法保存文件：" + nowhere);
    EXPECT_EQ(association.writes, 3);

    // Beyond 65,535 bytes: saved like any other, in the long frame.
    auto big = std::make_shared<Cls9>();
    big->GraphType = GraphType::Table3D;
    big->ID = 5;
    big->StepU = big->StepV = 120;
    Add(DocumentScene, big);
    Add(VisibleScene, big);
    W().List1->AddItem("t");
    const std::string bigPath = Path(QStringLiteral("big.pgp"));
    fileDialog.Choose(bigPath);
    box.Clear();
    Run("mnuFileSave");
    EXPECT_TRUE(W().SaveSucceeded);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(ReadFile(bigPath).substr(0, 2), "\x08\x80");
    EXPECT_GT(ReadFile(bigPath).size(), 65535u);

    // New after a cancelled save keeps the document.
    W().DeleteGraph(2);
    box.Clear();
    box.Answer(MsgAnswer::Yes);
    fileDialog.Cancel();
    Run("mnuFileNew3D");
    EXPECT_EQ(W().RowCount(), 1);
    EXPECT_EQ(DocumentKind, 1);
}

// A save under the question of 新建, 打开 or 退出 that fails (its flush, as
// on a full disk) says so, keeps the old file and counts as not saved: the
// command goes no further and the document stays.
TEST_F(DocumentFilesTest, AFailedSaveUnderTheQuestionKeepsTheDocument) {
    Start();
    Point(1, 0, 0);
    Point(2, 1, 1);
    const std::vector<std::string> rows = Rows();
    const std::string path = Path(QStringLiteral("old.pgp"));
    const std::string old = FramedFile("S71 0 0") + "old tail";
    for (const char* item : {"mnuFileNew2D", "mnuFileNew25D", "mnuFileNew3D", "mnuFileSpe", "mnuFileOpen",
                             "mnuFileExit"}) {
        SCOPED_TRACE(item);
        WriteFile(path, old);
        FailingFileSystem files(FailingFileSystem::Step::Flush);
        box.Clear();
        box.Answer(MsgAnswer::Yes);
        fileDialog.requests.clear();
        fileDialog.Choose(path);
        W().SaveSucceeded = true;
        Run(item);
        EXPECT_FALSE(W().SaveSucceeded);
        ASSERT_EQ(box.Count(), 2u);
        EXPECT_EQ(box.requests[0].text, "是否保存当前图形？");
        ExpectMessage("无法保存文件：" + path);
        EXPECT_EQ(fileDialog.requests.size(), 1u); // the save dialog, no open dialog after it
        EXPECT_EQ(ReadFile(path), old);
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(DocumentKind, 1);
        EXPECT_TRUE(W().isVisible());
    }

    // On a disk that fills up: 8 KB of tmpfs holding the old document, and a
    // document of some 13 KB saved over it under 新建's question.
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    auto table = LargestDistinctTable(3, 20, 20);
    Add(DocumentScene, table);
    Add(VisibleScene, table);
    W().AddTickedRow("t");
    const std::string full = disk.File("old.pgp");
    WriteFile(full, old);
    box.Clear();
    box.Answer(MsgAnswer::Yes);
    fileDialog.Choose(full);
    Run("mnuFileNew3D");
    EXPECT_FALSE(W().SaveSucceeded);
    ExpectMessage("无法保存文件：" + full);
    EXPECT_EQ(ReadFile(full), old);
    EXPECT_EQ(W().RowCount(), 3);
    EXPECT_EQ(DocumentKind, 1);
}

// The largest table the dialogs take and a document of 60 graphs, saved
// through 保存 and opened through 打开, come back with every value.
TEST_F(DocumentFilesTest, LargeDocumentsSaveAndReopenWithEveryValue) {
    Start();
    for (const LargeDocument& c : LargeDocuments()) {
        SCOPED_TRACE(c.name);
        W().DeleteAllGraphs();
        Show(c.kind, c.graphs);
        const std::string path = Path(QStringLiteral("large.pgp"));
        fileDialog.Choose(path);
        box.Clear();
        Run("mnuFileSave");
        EXPECT_TRUE(W().SaveSucceeded);
        EXPECT_EQ(box.Count(), 0u);

        OpenOverAnotherDocument(path);
        EXPECT_EQ(DocumentKind, c.kind);
        ASSERT_EQ(W().RowCount(), static_cast<int>(c.graphs.size()));
        for (std::size_t i = 0; i < c.graphs.size(); ++i) {
            Cls9& written = *c.graphs[i];
            Cls9& read = *DocumentScene.FunSurfs.Item(std::int64_t(i) + 1);
            EXPECT_TRUE(W().List1->Ticked(static_cast<int>(i)));
            ExpectSameGraphFields(written, read);
        }
    }
}

// More graphs than readers before took (10,001): a document written by the
// writer opens through 打开 with every graph, 保存 writes it again and that
// file opens too.
TEST_F(DocumentFilesTest, ADocumentOfMoreThanTenThousandGraphsSavesAndOpens) {
    Start();
    const LargeDocument many = ManyGraphsDocument();
    const std::string written = Path(QStringLiteral("many.pgp"));
    ASSERT_EQ(SaveDocumentFile(QString::fromStdString(written),
                               ComposeDocumentText(many.kind, SceneOf(many.graphs), Cls3{})),
              SaveResult::Written);
    const std::string saved = Path(QStringLiteral("saved again.pgp"));
    for (const std::string& path : {written, saved}) {
        SCOPED_TRACE(path);
        OpenOverAnotherDocument(path);
        EXPECT_EQ(DocumentKind, many.kind);
        ASSERT_EQ(W().RowCount(), static_cast<int>(many.graphs.size()));
        for (std::size_t i = 0; i < many.graphs.size(); ++i) {
            ASSERT_TRUE(W().List1->Ticked(static_cast<int>(i))) << i;
            ExpectSameGraphFields(*many.graphs[i], *DocumentScene.FunSurfs.Item(std::int64_t(i) + 1));
        }
        if (path == written) {
            box.Clear();
            fileDialog.Choose(saved);
            Run("mnuFileSave");
            EXPECT_TRUE(W().SaveSucceeded);
            EXPECT_EQ(box.Count(), 0u);
        }
    }
}

// Texts beyond Qt's default box length (32,767 characters) in a document:
// opened, edited with 确定 unchanged and saved, they come back whole.
TEST_F(DocumentFilesTest, LongTextsSurviveAnEditUnchanged) {
    std::string name;
    for (int k = 0; k < 40001; ++k) name += "名";
    std::string sum = "x";
    while (sum.size() < 40001) sum += "+x";
    struct Case {
        const char* what;
        std::int32_t kind;
        std::int32_t type;
        std::int32_t coord;
        std::string expression;
    };
    const Case cases[] = {
        {"plane function", 1, GraphType::Function2D, CoordType::PlaneCartesian, sum},
        {"space surface", 3, GraphType::Surface3D, CoordType::Cartesian, "y" + sum.substr(1)},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.expression.size(), 40001u);
        auto g = Cls9::Init(1, name, c.type, c.coord, "x", c.kind == 1 ? "x" : "y", c.expression, 8, 8, -1, 1, -1,
                            1, FillStyle::OneColor, RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 255), 1, 1,
                            Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->Show2DCurve = true;
        Cls8 scene;
        Add(scene, g);
        const std::string path = Path(QStringLiteral("long.pgp"));
        ASSERT_EQ(SaveDocumentFile(QString::fromStdString(path), ComposeDocumentText(c.kind, scene, Cls3{})),
                  SaveResult::Written);

        const auto open = [&] {
            W().DeleteAllGraphs();
            box.Clear();
            box.Answer(MsgAnswer::No);
            fileDialog.Choose(path);
            Run("mnuFileOpen");
            for (const MessageRequest& m : box.requests) EXPECT_NE(m.text, DocumentMalformedText);
        };
        open();
        ASSERT_EQ(W().RowCount(), 1);
        ASSERT_EQ(DocumentScene.FunSurfs.Item(1)->ExpressZ.size(), 40001u);
        W().List1->SetListIndex(0);
        bool confirmed = false;
        QTimer::singleShot(0, [&] {
            const auto loaded = FormBase::LoadedForms();
            ASSERT_FALSE(loaded.empty());
            auto* ok = loaded.back()->findChild<QPushButton*>(QStringLiteral("Command1"));
            ASSERT_NE(ok, nullptr);
            QTest::mouseClick(ok, Qt::LeftButton);
            confirmed = loaded.back()->IsUnloaded();
        });
        box.Clear();
        Run("mnuFunEdit");
        EXPECT_TRUE(confirmed);
        EXPECT_EQ(box.Count(), 0u);
        fileDialog.Choose(path);
        Run("mnuFileSave");
        EXPECT_TRUE(W().SaveSucceeded);

        open();
        ASSERT_EQ(W().RowCount(), 1);
        const Cls9& read = *DocumentScene.FunSurfs.Item(1);
        EXPECT_EQ(read.GraphType, c.type);
        EXPECT_EQ(read.NameS.size(), name.size());
        EXPECT_TRUE(read.NameS == name);
        EXPECT_EQ(read.ExpressZ.size(), 40001u);
        EXPECT_TRUE(read.ExpressZ == c.expression);
    }
}

TEST_F(DocumentFilesTest, SaveAsWritesTheViewAsABitmapOrTheDocument) {
    Start();
    Point(1, 0, 0);
    QCoreApplication::processEvents();
    const QImage view = W().picDraw()->grabFramebuffer().convertToFormat(QImage::Format_RGB888);
    ASSERT_GT(RedPixels(), 20);

    // The picture type: the BMP of the view, as QImage reads it.
    const std::string bmp = Path(QStringLiteral("view.bmp"));
    fileDialog.Choose(bmp, 2);
    const int writes = association.writes;
    Run("mnuFileSaveAs");
    ASSERT_EQ(fileDialog.requests.size(), 1u);
    ExpectDialog(fileDialog.requests[0], FileDialogKind::Save, "Save As", "*.pgp|*.pgp|*.bmp|*.bmp", 1);
    const QImage read(QString::fromStdString(bmp));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), view.size());
    EXPECT_TRUE(read.convertToFormat(QImage::Format_RGB888) == view);
    EXPECT_EQ(association.writes, writes);

    // The type chosen last is offered first; the document type writes the
    // document (also an empty one) and refreshes the association.
    W().DeleteAllGraphs();
    Axes = Cls3();
    const std::string doc = Path(QStringLiteral("empty.pgp"));
    fileDialog.Choose(doc, 1);
    Run("mnuFileSaveAs");
    EXPECT_EQ(fileDialog.requests.back().filterIndex, 2);
    EXPECT_EQ(DocumentText(doc), "S71 0 0");
    EXPECT_EQ(association.writes, writes + 1);

    // File > Open in between: the first type again; a cancel writes nothing
    // and leaves SaveSucceeded.
    fileDialog.Choose(Path(QStringLiteral("again.bmp")), 2);
    Run("mnuFileSaveAs");
    EXPECT_EQ(fileDialog.requests.back().filterIndex, 1);
    fileDialog.Cancel();
    Run("mnuFileOpen");
    fileDialog.Cancel();
    W().SaveSucceeded = true;
    Run("mnuFileSaveAs");
    EXPECT_EQ(fileDialog.requests.back().filterIndex, 1);
    EXPECT_TRUE(W().SaveSucceeded);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 3);

    // A picture that cannot be written: the message.
    const std::string nowhere = Path(QStringLiteral("no/such/folder/v.bmp"));
    fileDialog.Choose(nowhere, 2);
    box.Clear();
    Run("mnuFileSaveAs");
    ExpectMessage("无法保存文件：" + nowhere);

    // A picture or a document whose flush fails, as on a full disk: the
    // message, and the old file of that name as it was.
    for (const std::int32_t type : {2, 1}) {
        const std::string old = Path(QStringLiteral("old.file"));
        WriteFile(old, "the old file");
        FailingFileSystem files(FailingFileSystem::Step::Flush);
        fileDialog.Choose(old, type);
        box.Clear();
        Run("mnuFileSaveAs");
        EXPECT_EQ(files.failures, 1);
        ExpectMessage("无法保存文件：" + old);
        EXPECT_EQ(ReadFile(old), "the old file");
    }
}

TEST_F(DocumentFilesTest, PrintPutsTheViewOnOnePageAtScreenSize) {
    Start();
    Point(1, 0, 0);
    QCoreApplication::processEvents();
    const QImage view = W().picDraw()->grabFramebuffer().convertToFormat(QImage::Format_RGB888);

    {
        RecordingPrinter printer;
        Run("mnuFilePrint");
        ASSERT_EQ(printer.pages.size(), 1u);
        EXPECT_EQ(printer.pages[0].widthTwips, W().picDraw()->width() * 15);
        EXPECT_EQ(printer.pages[0].heightTwips, W().picDraw()->height() * 15);
        EXPECT_TRUE(ImageFromPictureRows(printer.pages[0].picture) == view);
    }

    QtPrinter pdf;
    const QString file = dir_.filePath(QStringLiteral("view.pdf"));
    pdf.SetOutputFile(file);
    SetPrinterService(&pdf);
    Run("mnuFilePrint");
    SetPrinterService(nullptr);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const PdfPrintout out = ReadPdfPrintout(f.readAll());
    EXPECT_EQ(out.pages, 1);
    ASSERT_EQ(out.images.size(), 1u);
    // 15 twips a pixel: 0.75 points.
    EXPECT_NEAR(out.images[0].rect.width(), view.width() * 0.75, 0.01);
    EXPECT_NEAR(out.images[0].rect.height(), view.height() * 0.75, 0.01);
    const QImage printed = out.images[0].image;
    ASSERT_EQ(printed.size(), view.size());
    // The red point shows where it is on the screen.
    int red = 0, misplaced = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x) {
            const QRgb p = printed.pixel(x, y);
            const bool isRed = qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
            const QRgb v = view.pixel(x, y);
            const bool wasRed = qRed(v) > 200 && qGreen(v) < 80 && qBlue(v) < 80;
            red += isRed;
            misplaced += isRed != wasRed;
        }
    EXPECT_GT(red, 20);
    EXPECT_LT(misplaced, red / 4);
}

} // namespace
