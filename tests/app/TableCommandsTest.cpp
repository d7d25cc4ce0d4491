// Draw > 表数据图形 in the shown main window: the three table commands from
// the menu and from Toolbar2 with OK and Cancel (rotation, row, tick,
// IsEditing), their tables edited through the graph list's "编辑...", and a
// 20-point plane table typed into its dialog and drawn (screenshots saved in
// the run's folder: the dialog before its OK as plane_table_form.png, the
// drawing as plane_table_dialog.png).
#include "dialogs/functions/TableGrid.h"
#include "dialogs/functions/frmF10.h"
#include "dialogs/functions/frmF11.h"
#include "dialogs/functions/frmF12.h"
#include "platform/CheckListBox.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <functional>
#include <string>

namespace {

struct TableCommand {
    const char* item;
    int button; // of Toolbar2
    void (frmF1::*newDocument)();
    std::int32_t documentKind;
    const char* created; // the row of an untouched OK
    const char* edited;  // the row after an edit renaming it "t"
    float pitch, yaw;
};
const TableCommand Commands[] = {
    {"mnuDrawTab2D", 17, &frmF1::mnuFileNew2D_Click, 1, "二维表数据图形: Untitled", "二维表数据图形  t", 0, 0},
    {"mnuDrawTab25D", 18, &frmF1::mnuFileNew25D_Click, 2, "二维半表数据图形: Untitled", "二维半表数据图形  t", -15,
     45},
    {"mnuDrawTab3D", 19, &frmF1::mnuFileNew3D_Click, 3, "三维表数据图形: Untitled", "三维表数据图形  t", -15, 45},
};

class TableCommands : public MainWindowFixture {
protected:
    // `act` runs on the dialog that `open` shows; a dialog it leaves open (a
    // step failed) is closed, so `open` returns.
    static void WithDialog(const std::function<void()>& open, const std::function<void(FormBase&)>& act) {
        QTimer::singleShot(0, [act] {
            const auto loaded = FormBase::LoadedForms();
            ASSERT_FALSE(loaded.empty());
            act(*loaded.back());
            if (!loaded.back()->IsUnloaded()) loaded.back()->Unload();
        });
        open();
    }
    // `act` runs on the dialog the command opens.
    void Run(const TableCommand& c, bool toolbar, const std::function<void(FormBase&)>& act) {
        WithDialog(
            [&] {
                if (toolbar)
                    Click(2, c.button);
                else
                    W().MenuItem(c.item)->trigger();
            },
            act);
    }
    // Where a key for the grid goes: its editor while that is open, else the
    // grid itself (not the focus widget, which a window manager may move).
    static QWidget* KeyTarget(TableGrid& grid) {
        return grid.txtRep->isHidden() ? static_cast<QWidget*>(&grid) : grid.txtRep;
    }
    // Characters typed one by one into the grid.
    static void Type(TableGrid& grid, const std::string& text) {
        for (char c : text) QTest::keyClick(KeyTarget(grid), c);
    }
    static void Press(FormBase& f, const char* button) {
        auto* b = f.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

TEST_F(TableCommands, MenuAndToolbarWithOkAndCancel) {
    Start();
    for (const TableCommand& c : Commands) {
        for (bool toolbar : {false, true}) {
            SCOPED_TRACE(std::string(c.item) + (toolbar ? " toolbar" : " menu"));
            W().DeleteAllGraphs();
            (W().*c.newDocument)();
            ASSERT_EQ(DocumentKind, c.documentKind);
            VisibleScene.RotRoll = 5;
            VisibleScene.RotPitch = 6;
            VisibleScene.RotYaw = 7;
            IsEditing = true;
            Run(c, toolbar, [](FormBase& f) { Press(f, "Command4"); });
            EXPECT_FALSE(IsEditing);
            EXPECT_EQ(W().List1->ListCount(), 0);
            EXPECT_EQ(VisibleScene.RotPitch, 6);

            IsEditing = true;
            Run(c, toolbar, [](FormBase& f) { Press(f, "Command3"); });
            EXPECT_FALSE(IsEditing);
            EXPECT_EQ(box.Count(), 0u);
            ASSERT_EQ(W().List1->ListCount(), 1);
            EXPECT_EQ(W().List1->ItemText(0), c.created);
            EXPECT_TRUE(W().List1->Ticked(0));
            EXPECT_EQ(VisibleScene.FunSurfs.Count(), 1);
            EXPECT_EQ(VisibleScene.RotRoll, 0);
            EXPECT_EQ(VisibleScene.RotPitch, c.pitch);
            EXPECT_EQ(VisibleScene.RotYaw, c.yaw);
            EXPECT_EQ(FormBase::LoadedForms().size(), 0u);
        }
    }
}

TEST_F(TableCommands, EditedThroughTheGraphList) {
    Start();
    for (const TableCommand& c : Commands) {
        SCOPED_TRACE(c.item);
        W().DeleteAllGraphs();
        (W().*c.newDocument)();
        Run(c, false, [](FormBase& f) { Press(f, "Command3"); });
        ASSERT_EQ(W().List1->ListCount(), 1);
        const std::shared_ptr<Cls9> table = DocumentScene.FunSurfs.Item(1);
        W().List1->SetListIndex(0);
        WithDialog([&] { W().MenuItem("mnuFunEdit")->trigger(); },
                   [](FormBase& f) {
                       auto* name = f.findChild<QLineEdit*>(QStringLiteral("Text1"));
                       auto* grid = f.findChild<TableGrid*>();
                       ASSERT_NE(name, nullptr);
                       ASSERT_NE(grid, nullptr);
                       EXPECT_EQ(name->text(), QStringLiteral("Untitled"));
                       name->setText(QStringLiteral("t"));
                       grid->SetCellText(1, 1, "2");
                       Press(f, "Command3");
                   });
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(1), table);
        EXPECT_EQ(table->NameS, "t");
        EXPECT_EQ(W().List1->ItemText(0), c.edited);
        // The X cell: x of plane and strip tables, z of surface tables.
        const Cls2& p = table->VertTab3D(0, 0);
        EXPECT_EQ(c.documentKind == 3 ? p.z : p.x, 2);
    }
}

TEST_F(TableCommands, TwentyPointsTypedIntoThePlaneTableAreDrawn) {
    Start();
    // y = 3 sin(x / 2) + x / 3 at x = -9.5 .. 9.5, typed cell by cell.
    std::vector<std::pair<std::string, std::string>> points;
    for (int j = 0; j < 20; ++j) {
        const double x = -9.5 + j;
        const double y = std::round((3 * std::sin(x / 2) + x / 3) * 100) / 100;
        points.emplace_back(std::to_string(x).substr(0, std::to_string(x).find('.') + 2),
                            std::to_string(y).substr(0, std::to_string(y).find('.') + 3));
    }
    WithDialog([&] { W().MenuItem("mnuDrawTab2D")->trigger(); }, [&](FormBase& form) {
        auto* dialog = dynamic_cast<frmF11*>(&form);
        ASSERT_NE(dialog, nullptr);
        frmF11& f = *dialog;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        f.Text1->setText(QStringLiteral("sin"));
        f.Text2->setText(QStringLiteral("20"));
        QTest::mouseClick(f.Command5, Qt::LeftButton);
        f.fgdGrid->SetCurrentCell(1, 1);
        f.fgdGrid->setFocus();
        // X, TAB, Y, Down, Shift+TAB: the next row's X.
        TableGrid& grid = *f.fgdGrid;
        for (const auto& [x, y] : points) {
            Type(grid, x);
            QTest::keyClick(KeyTarget(grid), Qt::Key_Tab);
            Type(grid, y);
            QTest::keyClick(KeyTarget(grid), Qt::Key_Down);
            QTest::keyClick(KeyTarget(grid), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        f.Check2->setChecked(true);
        f.Check3->setChecked(true);
        f.Combo1->setEditText(QStringLiteral("2"));
        f.Combo2->setEditText(QStringLiteral("4"));
        f.Combo3->setCurrentIndex(1);
        f.grab().save(RunFile(QStringLiteral("plane_table_form.png")));
        QTest::mouseClick(f.Command3, Qt::LeftButton);
    });
    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    Cls9& g = *DocumentScene.FunSurfs.Item(1);
    ASSERT_EQ(g.StepV, 19);
    for (int j = 0; j < 20; ++j) {
        EXPECT_FLOAT_EQ(g.VertTab3D(0, j).x, std::stof(points[std::size_t(j)].first)) << j;
        EXPECT_FLOAT_EQ(g.VertTab3D(0, j).y, std::stof(points[std::size_t(j)].second)) << j;
    }
    EXPECT_EQ(W().List1->ItemText(0), "二维表数据图形: sin");

    const QImage img = W().picDraw()->grabFramebuffer();
    img.save(RunFile("plane_table_dialog.png"));
    // The polyline (dark green), the fitted curve (red) and the markers (navy).
    int line = 0, curve = 0, markers = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qGreen(p) > 90 && qRed(p) < 60 && qBlue(p) < 60) ++line;
            if (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90) ++curve;
            if (qBlue(p) > 40 && qBlue(p) < 110 && qRed(p) < 30 && qGreen(p) < 30) ++markers;
        }
    EXPECT_GT(line, 30);
    EXPECT_GT(curve, 100);
    EXPECT_GT(markers, 20 * 8);
}

} // namespace
