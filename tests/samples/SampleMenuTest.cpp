// The 演示 menu: its 114 entries in order with their names and captions, no
// shortcut keys; each command opens its sample below the program's folder,
// every file there after the build. Then what a sample command does around
// the document: the save question with graphs on screen (Cancel, No, Yes with
// the save written, cancelled or failing) and a missing or damaged sample.
#include "app/DocumentCommands.h"
#include "core/MessageService.h"
#include "document/DocumentFile.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ScriptedDocuments.h"
#include "tests/samples/SampleWindow.h"
#include "tests/support/CameraState.h"
#include "tests/support/ImageInk.h"
#include "tests/support/RunFolder.h"

#include <QMenu>
#include <QMenuBar>
#include <QRect>
#include <QTemporaryDir>

#include <set>
#include <string>
#include <vector>

namespace {

using SampleMenu = SampleWindowTest;

struct Entry {
    int level;
    std::string kind, name, caption;
    bool operator==(const Entry&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Entry& e) {
    return os << e.level << ' ' << e.kind << ' ' << e.name << ' ' << e.caption;
}

void Walk(QMenu* menu, int level, std::vector<Entry>& out) {
    for (QAction* a : menu->actions()) {
        const std::string name = a->objectName().toStdString();
        if (a->isSeparator()) out.push_back({level, "-", name, ""});
        else if (a->menu()) {
            out.push_back({level, "menu", name, a->text().toStdString()});
            Walk(a->menu(), level + 1, out);
        } else {
            out.push_back({level, "item", name, a->text().toStdString()});
        }
        EXPECT_TRUE(a->shortcut().isEmpty()) << name;
    }
}

TEST_F(SampleMenu, EntriesInOrderWithTheirNamesAndCaptions) {
    // 演示 between 工具 and 帮助.
    std::vector<std::string> bar;
    for (QAction* top : W().menuBar()->actions()) bar.push_back(top->text().toStdString());
    const auto at = std::find(bar.begin(), bar.end(), "演示");
    ASSERT_NE(at, bar.end());
    ASSERT_TRUE(at != bar.begin() && at + 1 != bar.end());
    EXPECT_EQ(*(at - 1), "工具");
    EXPECT_EQ(*(at + 1), "帮助");

    std::vector<Entry> shown;
    Walk(W().MenuItem("mnuDemo")->menu(), 1, shown);
    std::vector<Entry> table;
    for (const SampleMenuRow& r : SampleMenuTable())
        table.push_back({r.level, r.kind == MenuKind::Separator ? "-" : r.kind == MenuKind::Submenu ? "menu" : "item",
                         r.name, r.caption ? r.caption : ""});
    EXPECT_EQ(shown, table);
    // 114 entries with the menu itself: 93 commands, 11 submenus, 9 separators.
    int items = 0, menus = 0, separators = 0;
    for (const Entry& e : shown) (e.kind == "item" ? items : e.kind == "menu" ? menus : separators)++;
    EXPECT_EQ(items, 93);
    EXPECT_EQ(menus + 1, 12);
    EXPECT_EQ(separators, 9);
    // A few rows as the program has always had them.
    const auto has = [&](const Entry& e) { return std::find(shown.begin(), shown.end(), e) != shown.end(); };
    EXPECT_TRUE(has({1, "item", "mnuDemoPoint", "点"}));
    EXPECT_TRUE(has({3, "item", "mnudemoarcsin", "反正弦、反余弦曲线"}));
    EXPECT_TRUE(has({2, "item", "mnuDemo2DODEInit", "常微分方程，给定初值"}));
    EXPECT_TRUE(has({3, "item", "mnuDemo3DVOVP", "矢量乘"}));
    EXPECT_TRUE(has({2, "item", "mnuDemoAdvCV", "等值线 + 矢量图"}));
    EXPECT_EQ(shown.front(), (Entry{1, "item", "mnuDemoPoint", "点"}));
    EXPECT_EQ(shown.back(), (Entry{2, "item", "mnuDemoAdvCV", "等值线 + 矢量图"}));
}

TEST_F(SampleMenu, EachCommandOpensItsSampleBelowTheProgramsFolder) {
    ScriptedDocuments documents; // answers "not opened"
    std::vector<std::string> expected;
    std::set<std::string> distinct;
    for (const SampleMenuRow& r : SampleMenuTable()) {
        if (!r.path) continue;
        std::string path = r.path;
        std::replace(path.begin(), path.end(), '\\', '/');
        expected.push_back(QCoreApplication::applicationDirPath().toStdString() + path);
        distinct.insert(expected.back());
        Run(r.name);
    }
    EXPECT_EQ(documents.opened, expected);
    EXPECT_EQ(expected.size(), 93u);
    EXPECT_EQ(distinct.size(), 92u);
    EXPECT_EQ(SampleDocumentPath(R"(\samples\2D\cycloid.pgp)"),
              QCoreApplication::applicationDirPath().toStdString() + "/samples/2D/cycloid.pgp");
    // Every one of them was made by the build, from a row of the table.
    std::set<std::string> generated;
    for (const SampleFile& f : SampleFiles()) generated.insert(SamplesFolder() + "/" + f.path);
    EXPECT_EQ(distinct, generated);
    for (const std::string& path : distinct) EXPECT_TRUE(QFile::exists(QString::fromStdString(path))) << path;
    EXPECT_EQ(box.Count(), 0u);
}

// ---- The document around a sample command ----

class SampleCommand : public SampleWindowTest {
protected:
    // The point sample on screen: the document the question is about.
    void SetUp() override {
        SampleWindowTest::SetUp();
        OpenSample("2D/point.pgp");
        ASSERT_EQ(box.Count(), 0u);
        ASSERT_EQ(VisibleScene.FunSurfs.Count(), 4);
        before_ = Rows();
    }
    void ExpectQuestion(std::size_t at = 0) {
        ASSERT_GT(box.Count(), at);
        const MessageRequest& q = box.requests[at];
        EXPECT_EQ(q.text, "是否保存当前图形？");
        EXPECT_EQ(q.title, "注意");
        EXPECT_EQ(q.buttons, MsgButtons::YesNoCancel);
    }
    void ExpectUnchanged() {
        EXPECT_EQ(DocumentKind, 1);
        EXPECT_EQ(Rows(), before_);
        EXPECT_EQ(VisibleScene.FunSurfs.Count(), 4);
    }
    void ExpectSphere() {
        EXPECT_EQ(DocumentKind, 3);
        ASSERT_EQ(VisibleScene.FunSurfs.Count(), 1);
        EXPECT_EQ(VisibleScene.FunSurfs.begin()->graph->GraphType, GraphType::Surface3D);
    }
    std::vector<std::string> before_;
};

TEST_F(SampleCommand, CancelKeepsEverything) {
    box.Answer(MsgAnswer::Cancel);
    Run("mnuDemoSphere");
    ExpectQuestion();
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(fileDialog.requests.size(), 0u);
    ExpectUnchanged();
}

TEST_F(SampleCommand, NoDiscardsAndOpens) {
    box.Answer(MsgAnswer::No);
    Run("mnuDemoSphere");
    ExpectQuestion();
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(fileDialog.requests.size(), 0u);
    ExpectSphere();
}

// File > Open reads a sample file as any document, leaving the view as it
// was; the sample's command fits the view to it.
TEST_F(SampleCommand, FileOpenLeavesTheViewTheSampleCommandFitsIt) {
    const CameraState pointView = CameraState::Now();
    box.Answer(MsgAnswer::No);
    fileDialog.Choose(SamplesFolder() + "/3D/sphere.pgp");
    Run("mnuFileOpen");
    ExpectSphere();
    EXPECT_EQ(CameraState::Now(), pointView);

    box.Answer(MsgAnswer::No);
    Run("mnuDemoSphere");
    ExpectSphere();
    EXPECT_NE(CameraState::Now(), pointView);
    EXPECT_EQ(box.Count(), 2u);
}

TEST_F(SampleCommand, YesSavesThenOpens) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("mine.pgp").toStdString();
    box.Answer(MsgAnswer::Yes);
    fileDialog.Choose(path);
    Run("mnuDemoSphere");
    ExpectQuestion();
    EXPECT_EQ(box.Count(), 1u);
    ASSERT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_EQ(fileDialog.requests[0].title, "保存");
    // What was on screen went to the file, then the sample opened.
    EXPECT_EQ(ReadFile(path), ReadFile(SamplesFolder() + "/2D/point.pgp"));
    ExpectSphere();
}

TEST_F(SampleCommand, YesWithTheSaveCancelledOpensNothing) {
    box.Answer(MsgAnswer::Yes);
    fileDialog.Cancel();
    Run("mnuDemoSphere");
    ExpectQuestion();
    EXPECT_EQ(box.Count(), 1u);
    ExpectUnchanged();
}

TEST_F(SampleCommand, YesWithTheSaveFailingOpensNothing) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("missing folder/mine.pgp").toStdString();
    box.Answer(MsgAnswer::Yes);
    fileDialog.Choose(path);
    Run("mnuDemoSphere");
    ExpectQuestion();
    ASSERT_EQ(box.Count(), 2u); // the question, then the writer's message
    EXPECT_EQ(box.requests[1].title, "出错");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    ExpectUnchanged();
}

TEST_F(SampleCommand, EverySwitchBetweenSamplesAsks) {
    box.Answer(MsgAnswer::No);
    Run("mnuDemoSphere");
    box.Answer(MsgAnswer::No);
    Run("mnuDemoPoint");
    EXPECT_EQ(box.Count(), 2u);
    ExpectQuestion(0);
    ExpectQuestion(1);
    ExpectUnchanged();
}

TEST_F(SampleCommand, ANewDocumentAfterASampleStartsFromAFreshView) {
    // The sphere, fitted into view (zoomed and moved to its centre), then a
    // new plane document: the camera as a fresh program has it.
    box.Answer(MsgAnswer::No);
    Run("mnuDemoSphere");
    ExpectSphere();
    Run("mnuViewFit");
    const Cls4 fresh;
    ASSERT_NE(Camera.VolHeight, fresh.VolHeight);
    box.Answer(MsgAnswer::No);
    Run("mnuFileNew2D");
    EXPECT_EQ(DocumentKind, 1);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_EQ(CameraState::Now(), CameraState::Of(fresh));
    EXPECT_FALSE(W().TrackballActive);
    EXPECT_EQ(VisibleScene.RotPitch, 0);
    EXPECT_EQ(VisibleScene.RotYaw, 0);
}

// A sample file of the program's folder set aside (or replaced) while it lives.
class SetAside {
public:
    explicit SetAside(QString path) : path_(std::move(path)) { EXPECT_TRUE(QFile::rename(path_, path_ + ".aside")); }
    ~SetAside() {
        QFile::remove(path_);
        EXPECT_TRUE(QFile::rename(path_ + ".aside", path_));
    }
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

private:
    QString path_;
};

TEST_F(SampleCommand, AMissingSampleLeavesTheDocument) {
    const std::string path = SamplesFolder() + "/3D/sphere.pgp";
    SetAside aside(QString::fromStdString(path));
    box.Answer(MsgAnswer::No);
    Run("mnuDemoSphere");
    ExpectQuestion();
    ASSERT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.requests[1].text, DocumentOpenFailedText + path);
    EXPECT_EQ(box.requests[1].title, "出错");
    EXPECT_EQ(box.requests[1].icon, MsgIcon::Critical);
    ExpectUnchanged();
}

TEST_F(SampleCommand, ADamagedOrEmptySampleLeavesTheDocument) {
    const QString path = QString::fromStdString(SamplesFolder() + "/3D/sphere.pgp");
    for (const QByteArray& bytes : {QByteArray(), QByteArray("not a document")}) {
        box.Clear();
        SetAside aside(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        box.Answer(MsgAnswer::No);
        Run("mnuDemoSphere");
        ExpectQuestion();
        ASSERT_EQ(box.Count(), 2u);
        EXPECT_EQ(box.requests[1].text, DocumentMalformedText);
        EXPECT_EQ(box.requests[1].title, "出错");
        ExpectUnchanged();
    }
}

// The rows (or, across, the columns) of the drawing that hold ink, in runs
// of touching ones: ink[i] is whether line i has any.
int InkRuns(const std::vector<bool>& ink) {
    int runs = 0;
    for (std::size_t i = 0; i < ink.size(); ++i)
        if (ink[i] && (i == 0 || !ink[i - 1])) ++runs;
    return runs;
}

TEST_F(SampleMenu, ASpecialSampleOpensCentredAlongItsOwnAxesWithItsTexts) {
    // A contour plot in place of a special sample: its frame opens in the
    // middle of the area along X across and Y up, with its ticks (0.3 long,
    // below and left of it) as wide or as high as the area's share allows,
    // and below it the ticks, their labels and the title X, left of it the
    // ticks, their labels and the title Y, all inside the area.
    struct Case {
        float minX, maxX, minY, maxY;
    };
    const Case cases[] = {
        {0, 6, -2, 2},  // oblong: as wide as the share of the width
        {-2, 2, -2, 2}, // square: as high as the share of the height
    };
    const QString path = QString::fromStdString(SamplesFolder() + "/Adv/samp7.pgp");
    SetAside aside(path);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxX - c.minX);
        box.Clear();
        if (VisibleScene.FunSurfs.Count() > 0) box.Answer(MsgAnswer::No);
        DocumentKind = 7;
        Axes.AxisColor = RGB(0, 160, 0);
        Axes.AxisWidth = 2;
        Cls8 scene;
        std::shared_ptr<Cls9> plot =
            Cls9::Init(1, "F", GraphType::Contour, CoordType::Cartesian, "u", "v", "u", 12, 8, c.minX, c.maxX,
                       c.minY, c.maxY, FillStyle::OneColor, RGB(0, 0, 255), RGB(0, 0, 255), 0, 1, 0,
                       Show::FilledSurface, Smoothness::Smooth, false, false, false, 6);
        plot->FunForm = FunForm::Parametric;
        ASSERT_TRUE(plot->GetPoints());
        scene.FunSurfs.Add(plot, GraphKey(plot->ID));
        ASSERT_EQ(SaveDocumentFile(path, ComposeDocumentText(7, scene, Axes)), SaveResult::Written);
        DocumentKind = 1;

        Run("mnuDemoAdvCV");
        ASSERT_EQ(DocumentKind, 7);
        ASSERT_EQ(VisibleScene.FunSurfs.Count(), 1);
        const QImage image = Render(0);
        image.save(RunFile(QStringLiteral("vexilon_special_sample_%1.png").arg(int(c.maxX - c.minX))));
        const QRect drawn =
            PixelBounds(image, [](QRgb p) { return qRed(p) < 230 || qGreen(p) < 230 || qBlue(p) < 230; });
        const QRect frame = PixelBounds(image, [](QRgb p) { return qGreen(p) > 100 && qRed(p) < 90 && qBlue(p) < 90; });
        ASSERT_FALSE(frame.isEmpty());
        const double width = c.maxX - c.minX, height = c.maxY - c.minY;
        EXPECT_NEAR(double(frame.width()) / frame.height(), width / height, 0.05);
        // The frame with its ticks fills its share and sits in the middle.
        const double perUnit = frame.width() / width;
        const double withTicksW = (width + 0.3) * perUnit, withTicksH = (height + 0.3) * perUnit;
        EXPECT_NEAR(std::max(withTicksW / (0.8 * image.width()), withTicksH / (0.8 * image.height())), 1, 0.02);
        EXPECT_NEAR(frame.center().x() - 0.15 * perUnit, image.width() / 2.0, 3);
        EXPECT_NEAR(frame.center().y() + 0.15 * perUnit, image.height() / 2.0, 3);
        EXPECT_TRUE(QRect(1, 1, image.width() - 2, image.height() - 2).contains(drawn))
            << drawn.left() << ", " << drawn.top() << " to " << drawn.right() << ", " << drawn.bottom();
        // Ticks, labels and a title, below the frame and left of it.
        std::vector<bool> below(std::size_t(image.height()), false), left(std::size_t(image.width()), false);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) > 128 || qGreen(p) > 128 || qBlue(p) > 128) continue;
                if (y > frame.bottom() + 1 && x >= frame.left() && x <= frame.right()) below[std::size_t(y)] = true;
                if (x < frame.left() - 1 && y >= frame.top() && y <= frame.bottom()) left[std::size_t(x)] = true;
            }
        EXPECT_EQ(InkRuns(below), 3);
        EXPECT_GE(InkRuns(left), 3); // a label's minus sign can stand apart
    }
}

} // namespace
