// The point dialog frmF16 as the point command and the edit command open it:
// typed boxes to messages or points, the prepared and filled variants, the
// colour box, and the common road of the point command.
#include "core/ColorParts.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/frmF16.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <string>
#include <vector>

namespace {

class PointDialog : public GraphDialogTest {
protected:
    // The dialog as the point command prepares it, shown without blocking.
    frmF16& OpenNew(std::int32_t documentKind) {
        DocumentKind = documentKind;
        IsEditing = false;
        frmF16& f = frmF16::Get();
        f.PrepareNewPoint();
        f.show();
        return f;
    }
    // The dialog filled for editing row `row`, shown without blocking.
    frmF16& OpenEdit(std::int32_t row) { return OpenForEdit<frmF16>(row); }
    static std::vector<std::string> Items(const QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) items.push_back(ToStdString(list->itemText(i)));
        return items;
    }
    static std::string Labels(const frmF16& f) {
        return ToStdString(f.Label3->text() + "," + f.Label4->text() + "," + f.Label5->text());
    }
};

TEST_F(PointDialog, BoxSnapshotsGiveTheMessageOrThePoint) {
    struct Case {
        std::int32_t kind;
        const char* text2;
        const char* text3;
        const char* text4;
        // The message (title, text, icon), or "" for an accepted point.
        const char* title;
        const char* message;
        MsgIcon icon;
        // Accepted: the expressions; refused: the boxes afterwards.
        const char* after2;
        const char* after3;
        const char* after4;
        float x, y, z; // the accepted point's drawing coordinates
    };
    const MsgIcon none = MsgIcon::None;
    const MsgIcon warn = MsgIcon::Exclamation;
    const Case cases[] = {
        // Plane document: empty boxes read "0"; the third box is hidden and never read.
        {1, "", "", "#", "", "", none, "0", "0", "", 0, 0, 0},
        {1, " ", "2", "", "", "", none, "0", "2", "", 0, 2, 0},
        {1, "1,5", " 2 * 3 ", "", "", "", none, "1.5", "2*3", "", 1.5f, 6, 0},
        {1, "  ", "  ", "", "注意", "请输入所有参数。", warn, "", "", "", 0, 0, 0},
        {1, "#", "1", "", "出错", "存在非法数据。", warn, "#", "1", "", 0, 0, 0},
        // Text3 is filtered first: it is cleaned before Text2 is refused ...
        {1, "$", " 7 ", "", "出错", "存在非法数据。", warn, "$", "7", "", 0, 0, 0},
        // ... and refused before Text2 is read; filtering comes before the empty test.
        {1, " 7 ", "#", "", "出错", "存在非法数据。", warn, " 7 ", "#", "", 0, 0, 0},
        {1, "  ", "#", "", "出错", "存在非法数据。", warn, "  ", "#", "", 0, 0, 0},
        // A coordinate that does not compile: the compiler's message at sampling.
        {1, "1", "2+", "", "语法错误", "", MsgIcon::Critical, "1", "2+", "", 0, 0, 0},
        // Strip and special documents: a point has two coordinates; the
        // third box is hidden, so whatever it holds is neither filtered nor
        // required.
        {2, "1", "2", "9", "", "", none, "1", "2", "", 1, 2, 0},
        {2, "1", "2", "#", "", "", none, "1", "2", "", 1, 2, 0},
        {2, "1", "2", "  ", "", "", none, "1", "2", "", 1, 2, 0},
        {2, "  ", "2", "", "注意", "请输入所有参数。", warn, "", "2", "", 0, 0, 0},
        {7, "1", "2", "  ", "", "", none, "1", "2", "", 1, 2, 0},
        {7, "1", "2", "#", "", "", none, "1", "2", "", 1, 2, 0},
        {7, "1", "  ", "", "注意", "请输入所有参数。", warn, "1", "", "", 0, 0, 0},
        {7, "$", "2", "", "出错", "存在非法数据。", warn, "$", "2", "", 0, 0, 0},
        // Space document: x, y, z into ExpressX, ExpressY, ExpressZ.
        {3, "1", "2", "", "", "", none, "1", "2", "0", 2, 0, 1},
        {3, "1", "2", "  ", "注意", "请输入所有参数。", warn, "1", "2", "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("kind ") + std::to_string(c.kind) + " [" + c.text2 + "][" + c.text3 + "][" +
                     c.text4 + "]");
        ProgramStateGuard fresh;
        box.Clear();
        frmF16& f = OpenNew(c.kind);
        SetText(f.Text2, c.text2);
        SetText(f.Text3, c.text3);
        SetText(f.Text4, c.text4);
        Click(&f, "Command1");
        if (std::string(c.title).empty()) {
            EXPECT_EQ(box.Count(), 0u);
            ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
            const Cls9& p = *DocumentScene.FunSurfs.Item(1);
            EXPECT_EQ(VisibleScene.FunSurfs.Item(1).get(), &p);
            EXPECT_EQ(p.ID, 1);
            EXPECT_EQ(p.GraphType, GraphType::Point);
            EXPECT_EQ(p.ExpressX, c.kind == 3 ? c.after2 : "0");
            EXPECT_EQ(p.ExpressY, c.kind == 3 ? c.after3 : c.after2);
            EXPECT_EQ(p.ExpressZ, c.kind == 3 ? c.after4 : c.after3);
            EXPECT_EQ(p.Vert3D(0, 0).x, c.x);
            EXPECT_EQ(p.Vert3D(0, 0).y, c.y);
            EXPECT_EQ(p.Vert3D(0, 0).z, c.z);
            EXPECT_FALSE(frmF16::Loaded());
        } else {
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().title, c.title);
            if (std::string(c.message).size() > 0) {
                EXPECT_EQ(box.Last().text, c.message);
            }
            EXPECT_EQ(box.Last().icon, c.icon);
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF16::Loaded());
            EXPECT_EQ(TextOf(f.Text2), c.after2);
            EXPECT_EQ(TextOf(f.Text3), c.after3);
            EXPECT_EQ(TextOf(f.Text4), c.after4);
            f.Unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(PointDialog, NewPointSettings) {
    frmF16& f = OpenNew(1);
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("点属性"));
    EXPECT_EQ(f.SSTab1->tabText(0), QString::fromUtf8("点"));
    EXPECT_EQ(f.SSTab1->tabText(1), QString::fromUtf8("属性"));
    EXPECT_EQ(f.Picture1->Color(), WindowFrameColor);
    EXPECT_EQ(Items(f.Combo2), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(f.Combo2->currentText(), "2");
    SetText(f.Text1, " name ");
    SetText(f.Text2, "3");
    SetText(f.Text3, "4");
    f.Option2->setChecked(true);
    f.Combo2->setCurrentIndex(8);
    Click(&f, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& p = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(p.NameS, " name ");
    EXPECT_EQ(p.CoordType, CoordType::PlaneCartesian);
    EXPECT_EQ(p.FunForm, FunForm::Parametric);
    EXPECT_EQ(p.PointColor, static_cast<std::int32_t>(0x80000006));
    EXPECT_EQ(p.PointSize, 9);
    EXPECT_TRUE(p.PointHollow);
    EXPECT_EQ(p.StepU, 1);
    EXPECT_EQ(p.MaxU, 1);
    EXPECT_EQ(p.FillStyle, FillStyle::OneColor);
    EXPECT_EQ(p.FirstColor, 0xFF0000);
    EXPECT_EQ(p.SecondColor, 0xFF0000);
    EXPECT_EQ(p.LineWidth, 1);
    EXPECT_EQ(p.Material, Material::Metal);
    EXPECT_EQ(p.Show, Show::Wireframe);
    EXPECT_EQ(p.Smoothness, Smoothness::Smoother);
    EXPECT_FALSE(IsEditing);
    // The OK never adds the row: the point command does.
    EXPECT_TRUE(window.rows.empty());

    // A typed size is read by its numeric value; polar coordinates put the
    // angle in ExpressY.
    frmF16& g = OpenNew(1);
    SelectListIndex(g.Combo1, 1);
    g.Combo2->setEditText(" 3.5x");
    Click(&g, "Command1");
    const Cls9& q = *DocumentScene.FunSurfs.Item(2);
    EXPECT_EQ(q.CoordType, CoordType::Polar);
    EXPECT_EQ(q.PointSize, 3.5f);
    EXPECT_FALSE(q.PointHollow);
    // A size beyond the Single range refuses the OK.
    frmF16& h = OpenNew(1);
    h.Combo2->setEditText("1E40");
    Click(&h, "Command1");
    EXPECT_EQ(box.Last().text, "溢出");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_EQ(GraphIDCounter, 2);
}

TEST_F(PointDialog, PreparedVariantsAndRelabelling) {
    frmF16& plane = OpenNew(1);
    EXPECT_FALSE(plane.Label5->isVisible());
    EXPECT_FALSE(plane.Text4->isVisibleTo(plane.Frame1));
    EXPECT_TRUE(plane.Frame2->isVisibleTo(plane.Frame2->parentWidget()));
    EXPECT_EQ(Items(plane.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    EXPECT_EQ(plane.Combo1->currentIndex(), 0);
    EXPECT_EQ(Labels(plane), "x,y,Z");
    SelectListIndex(plane.Combo1, 1);
    EXPECT_EQ(Labels(plane), "a,r,Z");
    plane.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmF16& strip = OpenNew(2);
    EXPECT_FALSE(strip.Label5->isVisible());
    EXPECT_FALSE(strip.Text4->isVisible());
    EXPECT_FALSE(strip.Frame2->isVisibleTo(strip.Frame2->parentWidget()));
    EXPECT_EQ(strip.Picture1->Color(), 255);
    EXPECT_EQ(Items(strip.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    strip.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmF16& special = OpenNew(7);
    EXPECT_FALSE(special.Label5->isVisible());
    EXPECT_FALSE(special.Text4->isVisible());
    EXPECT_FALSE(special.Frame2->isVisibleTo(special.Frame2->parentWidget()));
    EXPECT_EQ(special.Picture1->Color(), 255);
    // A point of a special document lies in the plane of its frame: the
    // plane coordinate systems, and a polar one stored as such.
    EXPECT_EQ(Items(special.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    EXPECT_EQ(Labels(special), "x,y,Z");
    SelectListIndex(special.Combo1, 1);
    EXPECT_EQ(Labels(special), "a,r,Z");
    SetText(special.Text2, "pi/2");
    SetText(special.Text3, "3");
    Click(&special, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const std::shared_ptr<Cls9> polar = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(polar->CoordType, CoordType::Polar);
    EXPECT_NEAR(polar->Vert3D(0, 0).x, 0, 1e-6);
    EXPECT_EQ(polar->Vert3D(0, 0).y, 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmF16& space = OpenNew(3);
    EXPECT_TRUE(space.Label5->isVisible());
    EXPECT_EQ(space.Picture1->Color(), 255);
    EXPECT_EQ(Items(space.Combo1), (std::vector<std::string>{"直角坐标", "柱面坐标", "球面坐标"}));
    const char* expected[] = {"x,y,z", "a,r,z", "a,b,r"};
    for (int i = 2; i >= 0; --i) {
        SelectListIndex(space.Combo1, i);
        EXPECT_EQ(Labels(space), expected[i]) << i;
    }
    SelectListIndex(space.Combo1, 2);
    Click(&space, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(2)->CoordType, CoordType::Spherical);
}

TEST_F(PointDialog, ColourBoxTakesAChosenColourAndKeepsItsOwnOnCancel) {
    frmF16& f = OpenNew(1);
    f.SSTab1->setCurrentIndex(1);
    colors.Cancel();
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    EXPECT_EQ(colors.requests, 1);
    EXPECT_EQ(f.Picture1->Color(), WindowFrameColor);
    // Shown as its system colour: black.
    EXPECT_EQ(f.Picture1->palette().color(QPalette::Window), QColor(0, 0, 0));
    colors.Choose(RGB(0, 128, 255));
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    EXPECT_EQ(f.Picture1->Color(), RGB(0, 128, 255));
    EXPECT_EQ(f.Picture1->palette().color(QPalette::Window), QColor(0, 128, 255));
    colors.Cancel();
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    EXPECT_EQ(f.Picture1->Color(), RGB(0, 128, 255));
    // The boxes of the other tab are read all the same.
    SetText(f.Text2, "#");
    Click(&f, "Command1");
    EXPECT_EQ(box.Last().text, "存在非法数据。");
    SetText(f.Text2, "1");
    Click(&f, "Command1");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->PointColor, RGB(0, 128, 255));
}

TEST_F(PointDialog, FillThenOkUnchangedGivesAnEqualPointInEachVariant) {
    struct Case {
        std::int32_t kind;
        std::int32_t coordType;
        const char *x, *y, *z;
        bool hollow;
        const char* label;
    };
    const Case cases[] = {
        {1, CoordType::Polar, "0", "pi/4", "2", true, "点  a=pi/4, r=2"},
        {1, CoordType::PlaneCartesian, "0", "-1", "sqr(2)", false, "点  x=-1, y=sqr(2)"},
        {2, CoordType::PlaneCartesian, "0", "3", "4", false, "点  x=3, y=4"},
        {3, CoordType::Spherical, "1", "2", "3", false, "点  a=1, b=2, r=3"},
        {3, CoordType::Cylindrical, "1", "2", "3", false, "点  a=1, r=2, z=3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ProgramStateGuard fresh;
        window.rows.clear();
        window.rebuilds = 0;
        DocumentKind = c.kind;
        AddPoint("0", "0", "0", CoordType::PlaneCartesian, "other");
        const auto p = AddPoint(c.x, c.y, c.z, c.coordType, "old");
        p->NameS = "A";
        p->PointColor = c.kind == 1 ? WindowFrameColor : RGB(1, 2, 3);
        p->PointSize = 5;
        p->PointHollow = c.hollow;
        const SamplePoint sample = p->Vert3D(0, 0);

        frmF16& f = OpenEdit(1);
        EXPECT_EQ(f.Combo1->count(), c.kind == 3 ? 3 : 2);
        EXPECT_EQ(f.Combo1->currentIndex(), c.coordType - (c.kind == 3 ? 3 : 1));
        EXPECT_EQ(TextOf(f.Text1), "A");
        EXPECT_EQ(f.Combo2->currentText(), "5");
        EXPECT_EQ(f.Text4->isVisibleTo(&f), c.kind == 3);
        EXPECT_EQ(f.Label5->isVisibleTo(&f), c.kind == 3);
        EXPECT_EQ(f.Frame2->isVisibleTo(f.Frame2->parentWidget()), c.kind == 1);
        if (c.kind == 1) {
            EXPECT_EQ(f.Option2->isChecked(), c.hollow);
        }
        Click(&f, "Command1");

        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF16::Loaded());
        EXPECT_FALSE(IsEditing);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(2), p);
        EXPECT_EQ(p->ID, 2);
        EXPECT_EQ(p->NameS, "A");
        EXPECT_EQ(p->CoordType, c.coordType);
        EXPECT_EQ(p->ExpressX, c.x);
        EXPECT_EQ(p->ExpressY, c.y);
        EXPECT_EQ(p->ExpressZ, c.z);
        EXPECT_EQ(p->PointColor, c.kind == 1 ? WindowFrameColor : RGB(1, 2, 3));
        EXPECT_EQ(p->PointSize, 5);
        EXPECT_EQ(p->PointHollow, c.hollow);
        EXPECT_EQ(p->Vert3D(0, 0).x, sample.x);
        EXPECT_EQ(p->Vert3D(0, 0).y, sample.y);
        EXPECT_EQ(p->Vert3D(0, 0).z, sample.z);
        EXPECT_EQ(window.rows, (std::vector<std::string>{"other", c.label}));
        EXPECT_EQ(window.rebuilds, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(PointDialog, FillingASizeOutsideTheListLeavesTwo) {
    DocumentKind = 1;
    for (float size : {2.5f, 0.0f, 12.0f, 1.0f, 9.0f}) {
        ProgramStateGuard fresh;
        DocumentKind = 1;
        window.rows.clear();
        const auto p = AddPoint("0", "1", "1", CoordType::PlaneCartesian, "r");
        p->PointSize = size;
        frmF16& f = OpenEdit(0);
        const std::string expected = size == 1 ? "1" : size == 9 ? "9" : "2";
        EXPECT_EQ(ToStdString(f.Combo2->currentText()), expected) << size;
        EXPECT_EQ(f.Combo2->currentIndex(), std::stoi(expected) - 1) << size;
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(PointDialog, RefusedEditLeavesThePointAndCancelKeepsIt) {
    DocumentKind = 1;
    const auto p = AddPoint("0", "1", "2", CoordType::PlaneCartesian, "点  x=1, y=2");
    frmF16& f = OpenEdit(0);
    SetText(f.Text2, "5");
    SetText(f.Text3, "sin(");
    Click(&f, "Command1");
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_TRUE(frmF16::Loaded());
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(p->ExpressY, "1");
    EXPECT_EQ(p->ExpressZ, "2");
    EXPECT_EQ(p->Vert3D(0, 0).x, 1);
    EXPECT_EQ(window.rows[0], "点  x=1, y=2");
    EXPECT_EQ(window.rebuilds, 0);
    Click(&f, "Command2");
    EXPECT_FALSE(frmF16::Loaded());
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(p->ExpressY, "1");
    EXPECT_EQ(window.rows[0], "点  x=1, y=2");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
}

// The point command's road, the dialog shown modally and driven from inside.
class PointCommand : public PointDialog {
protected:
    // Runs the command; `act` runs once the dialog is shown.
    void Run(std::int32_t documentKind, const std::function<void(frmF16&)>& act) {
        DocumentKind = documentKind;
        QTimer::singleShot(0, [act] { act(frmF16::Get()); });
        RunCreationCommand<frmF16>(LabelSource::mnuDrawPoint, PointViewRotation(DocumentKind),
                                   [](frmF16& f) { f.PrepareNewPoint(); });
    }
    static void Type(frmF16& f, const char* a, const char* b, const char* c = "") {
        SetText(f.Text2, a);
        SetText(f.Text3, b);
        SetText(f.Text4, c);
    }
};

TEST_F(PointCommand, AddsTheRowAndTheRotationOnlyWhenAPointWasAdded) {
    VisibleScene.RotPitch = 30;
    IsEditing = true;
    Run(1, [](frmF16& f) {
        Type(f, "3", "4");
        Click(&f, "Command2");
    });
    EXPECT_FALSE(IsEditing);
    EXPECT_TRUE(window.rows.empty());
    EXPECT_EQ(VisibleScene.RotPitch, 30);

    // Refused, then a failed sampling, then Cancel: no row, the ID used up.
    Run(1, [this](frmF16& f) {
        Type(f, "  ", "4");
        Click(&f, "Command1");
        Type(f, "1+", "4");
        Click(&f, "Command1");
        EXPECT_EQ(box.Count(), 2u);
        Click(&f, "Command2");
    });
    EXPECT_TRUE(window.rows.empty());
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(GraphIDCounter, 1);

    Run(1, [](frmF16& f) {
        Type(f, "3", "4");
        Click(&f, "Command1");
    });
    ASSERT_EQ(window.rows, (std::vector<std::string>{"点  x=3, y=4"}));
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->ID, 2);
    EXPECT_EQ(VisibleScene.RotPitch, 0);

    // A strip document: two coordinates in the label, and the view is flat.
    VisibleScene.RotYaw = 45;
    Run(2, [](frmF16& f) {
        Type(f, "5", "6", "7");
        Click(&f, "Command1");
    });
    EXPECT_EQ(window.rows.back(), "点  x=5, y=6");
    EXPECT_EQ(VisibleScene.RotYaw, 0);

    Run(3, [](frmF16& f) {
        SelectListIndex(f.Combo1, 1);
        Type(f, "1", "2", "3");
        Click(&f, "Command1");
    });
    EXPECT_EQ(window.rows.back(), "点  a=1, r=2, z=3");
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, -15);
    EXPECT_EQ(VisibleScene.RotYaw, 45);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 3);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(3)->PointColor, 255);
}

} // namespace
