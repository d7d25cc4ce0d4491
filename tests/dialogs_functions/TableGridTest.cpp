// The grid editor of the table dialogs, driven by keys delivered to whichever
// widget has the focus (the grid or the in-place editor txtRep), in the plane
// table dialog: typing over, Enter, TAB and Shift+TAB, arrows in the grid
// and in the editor, the numbering and 重置.
#include "dialogs/FormControls.h"
#include "dialogs/functions/TableGrid.h"
#include "dialogs/functions/frmF11.h"
#include "dialogs/functions/frmF12.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>

#include <string>
#include <vector>

namespace {

class TableGridTest : public GraphDialogTest {
protected:
    // The plane table dialog shown and active, the grid focused on `row`, `column`.
    frmF11& Open(int row = 1, int column = 1) {
        frmF11& f = frmF11::Get();
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        f.fgdGrid->SetCurrentCell(row, column);
        f.fgdGrid->setFocus();
        return f;
    }
    // A key as the user presses it: to the widget that has the focus. Names:
    // Enter, Tab, BackTab (Shift+TAB), Left, Right, Up, Down, Home, or one
    // character.
    static void Press(const std::string& key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << key;
        static const std::vector<std::pair<std::string, Qt::Key>> named = {
            {"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
            {"Up", Qt::Key_Up},        {"Down", Qt::Key_Down}, {"Home", Qt::Key_Home}};
        if (key == "BackTab") {
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
            return;
        }
        for (const auto& [name, code] : named)
            if (name == key) {
                QTest::keyClick(target, code);
                return;
            }
        QTest::keyClick(target, key[0]);
    }
    static std::string Focused() {
        QWidget* w = QApplication::focusWidget();
        return w != nullptr ? ToStdString(w->objectName()) : "";
    }
};

TEST_F(TableGridTest, KeySequences) {
    struct Case {
        const char* what;
        int row, column;                // the current cell at the start
        std::vector<std::string> keys;  // pressed in turn
        const char* cell11;             // cells (1,1), (1,2), (2,1), (2,2), (5,1) afterwards
        const char* cell12;
        const char* cell21;
        const char* cell22;
        const char* cell51;
        int endRow, endColumn;
        const char* focus;              // "fgdGrid" or "txtRep"
        const char* editor;             // the editor's text while open
        int caret;
    };
    // Every case starts with "12" in (1,1) and "x" in (2,2).
    const Case cases[] = {
        {"typing over a cell replaces its text", 1, 1, {"7"}, "7", "", "", "x", "", 1, 1, "txtRep", "7", 1},
        {"Enter opens the editor on the text, caret at its end", 1, 1, {"Enter"}, "12", "", "", "x", "", 1, 1,
         "txtRep", "12", 2},
        {"the cell follows the typing", 1, 1, {"Enter", "3", "4"}, "1234", "", "", "x", "", 1, 1, "txtRep", "1234",
         4},
        {"Enter in the editor commits and stays", 1, 1, {"Enter", "3", "Enter"}, "123", "", "", "x", "", 1, 1,
         "fgdGrid", "", 0},
        {"TAB in the editor commits and moves right", 1, 1, {"4", "Tab"}, "4", "", "", "x", "", 1, 2, "fgdGrid", "",
         0},
        {"Shift+TAB in the editor commits and moves left", 2, 2, {"5", "BackTab"}, "12", "", "", "5", "", 2, 1,
         "fgdGrid", "", 0},
        {"TAB in the grid moves right, no further than the last column", 1, 1, {"Tab", "Tab", "Tab"}, "12", "", "",
         "x", "", 1, 2, "fgdGrid", "", 0},
        {"Shift+TAB in the first column stays, never in the numbering", 2, 2, {"BackTab", "BackTab"}, "12", "", "",
         "x", "", 2, 1, "fgdGrid", "", 0},
        {"TAB never changes the row", 1, 2, {"Tab", "9"}, "12", "9", "", "x", "", 1, 2, "txtRep", "9", 1},
        {"Down in the editor commits and moves down", 1, 1, {"8", "Down"}, "8", "", "", "x", "", 2, 1, "fgdGrid",
         "", 0},
        {"Down on the last row commits and stays", 5, 1, {"9", "Down"}, "12", "", "", "x", "9", 5, 1, "fgdGrid", "",
         0},
        {"Right commits and moves, never moving the caret", 2, 1, {"5", "6", "Right"}, "12", "", "56", "x", "", 2, 2,
         "fgdGrid", "", 0},
        {"Left commits and moves", 2, 2, {"Enter", "y", "Left"}, "12", "", "", "xy", "", 2, 1, "fgdGrid", "", 0},
        {"Up commits and moves up", 2, 2, {"z", "Up"}, "12", "", "", "z", "", 1, 2, "fgdGrid", "", 0},
        {"Left in the first column stays in the data", 2, 1, {"Left", "Home"}, "12", "", "", "x", "", 2, 1,
         "fgdGrid", "", 0},
        {"arrows in the grid, then typing", 1, 1, {"Down", "Right", "q"}, "12", "", "", "q", "", 2, 2, "txtRep", "q",
         1},
        {"a key in the grid closes nothing typed", 1, 1, {"1", "Tab", "2", "Tab", "BackTab"}, "1", "2", "", "x", "",
         1, 1, "fgdGrid", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmF11& f = Open(c.row, c.column);
        f.fgdGrid->SetCellText(1, 1, "12");
        f.fgdGrid->SetCellText(2, 2, "x");
        for (const std::string& key : c.keys) Press(key);
        EXPECT_EQ(f.fgdGrid->CellText(1, 1), c.cell11);
        EXPECT_EQ(f.fgdGrid->CellText(1, 2), c.cell12);
        EXPECT_EQ(f.fgdGrid->CellText(2, 1), c.cell21);
        EXPECT_EQ(f.fgdGrid->CellText(2, 2), c.cell22);
        EXPECT_EQ(f.fgdGrid->CellText(5, 1), c.cell51);
        EXPECT_EQ(f.fgdGrid->Row(), c.endRow);
        EXPECT_EQ(f.fgdGrid->Col(), c.endColumn);
        EXPECT_EQ(Focused(), c.focus);
        EXPECT_EQ(f.txtRep->isVisible(), std::string(c.focus) == "txtRep");
        if (f.txtRep->isVisible()) {
            EXPECT_EQ(ToStdString(f.txtRep->text()), c.editor);
            EXPECT_EQ(f.txtRep->cursorPosition(), c.caret);
            // Laid over the current cell.
            const QRect cell = f.fgdGrid->visualRect(f.fgdGrid->currentIndex());
            EXPECT_EQ(f.txtRep->geometry(), cell);
        }
        // Nothing of this reached the dialog's buttons.
        EXPECT_TRUE(frmF11::Loaded());
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TableGridTest, ChordsWithCtrlAltOrMetaAreNotTypedOverACell) {
    // Shortcuts pressed on the grid (Alt+letter, Ctrl+C, ...) neither open the
    // editor nor replace the cell's text; Shift still types.
    const Qt::KeyboardModifiers chords[] = {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier,
                                            Qt::ControlModifier | Qt::ShiftModifier};
    for (const Qt::KeyboardModifiers held : chords) {
        SCOPED_TRACE(int(held));
        frmF11& f = Open(1, 1);
        f.fgdGrid->SetCellText(1, 1, "12");
        QTest::keyClick(f.fgdGrid, Qt::Key_C, held);
        QTest::keyClick(f.fgdGrid, 'v', held);
        EXPECT_EQ(f.fgdGrid->CellText(1, 1), "12");
        EXPECT_FALSE(f.txtRep->isVisible());
        EXPECT_TRUE(frmF11::Loaded());
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmF11& f = Open(1, 1);
    QTest::keyClick(f.fgdGrid, 'E', Qt::ShiftModifier);
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "E");
    EXPECT_TRUE(f.txtRep->isVisible());
}

// In the editor, keys with Shift or Ctrl (each modifier arrives as a key of
// its own first) go to the text: an upper-case letter is typed, Ctrl+V
// pastes, and the editor stays open over its cell.
TEST_F(TableGridTest, ShiftAndCtrlKeysInTheEditorEditTheCell) {
    frmF11& f = Open(1, 1);
    Press("1");
    ASSERT_TRUE(f.txtRep->isVisible());
    QTest::keyClick(f.txtRep, 'E', Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("+5"));
    QTest::keyClick(f.txtRep, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(f.txtRep->isVisible());
    EXPECT_EQ(Focused(), "txtRep");
    EXPECT_EQ(ToStdString(f.txtRep->text()), "1E+5");
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "1E+5");
    Press("Enter");
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "1E+5");
    EXPECT_EQ(Focused(), "fgdGrid");
}

// A key that types nothing by itself (a modifier, a lock key such as Caps
// Lock before an upper-case letter, the key of an accent) keeps the editor
// open over its cell: the letter that follows is added to the text, not
// typed over the cell.
TEST_F(TableGridTest, KeysThatTypeNothingKeepTheEditorOpen) {
    const struct {
        const char* what;
        Qt::Key key;
    } keys[] = {
        {"Shift", Qt::Key_Shift},       {"Ctrl", Qt::Key_Control},      {"Alt", Qt::Key_Alt},
        {"AltGr", Qt::Key_AltGr},       {"Meta", Qt::Key_Meta},         {"Super", Qt::Key_Super_L},
        {"Caps Lock", Qt::Key_CapsLock}, {"Num Lock", Qt::Key_NumLock}, {"Mode switch", Qt::Key_Mode_switch},
        {"an accent", Qt::Key_Dead_Acute},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.what);
        frmF11& f = Open(1, 1);
        Press("1");
        ASSERT_TRUE(f.txtRep->isVisible());
        QTest::sendKeyEvent(QTest::Click, f.txtRep, k.key, QString(), Qt::NoModifier);
        EXPECT_TRUE(f.txtRep->isVisible());
        EXPECT_EQ(Focused(), "txtRep");
        Press("E");
        EXPECT_EQ(ToStdString(f.txtRep->text()), "1E");
        EXPECT_EQ(f.fgdGrid->CellText(1, 1), "1E");
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TableGridTest, EscapeInACellLeavesTheCellAndKeepsTheDialog) {
    frmF11& f = Open(1, 1);
    Press("5");
    ASSERT_TRUE(f.txtRep->isVisible());
    QTest::keyClick(f.txtRep, Qt::Key_Escape);
    EXPECT_FALSE(f.txtRep->isVisible());
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "5");
    ASSERT_TRUE(frmF11::Loaded());
    // From the grid itself Escape cancels the dialog, as everywhere else.
    QTest::keyClick(f.fgdGrid, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frmF11::Loaded());
}

TEST_F(TableGridTest, AClickOnAnotherCellClosesTheEditorWithItsText) {
    frmF11& f = Open(1, 1);
    Press("5");
    ASSERT_TRUE(f.txtRep->isVisible());
    const QRect other = f.fgdGrid->visualRect(f.fgdGrid->model()->index(2, 2));
    QTest::mouseClick(f.fgdGrid->viewport(), Qt::LeftButton, Qt::NoModifier, other.center());
    EXPECT_FALSE(f.txtRep->isVisible());
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "5");
    EXPECT_EQ(f.fgdGrid->Row(), 3);
    EXPECT_EQ(f.fgdGrid->Col(), 2);
    // The numbering column is never current.
    const QRect numbering = f.fgdGrid->visualRect(f.fgdGrid->model()->index(1, 0));
    QTest::mouseClick(f.fgdGrid->viewport(), Qt::LeftButton, Qt::NoModifier, numbering.center());
    EXPECT_EQ(f.fgdGrid->Col(), 1);
}

TEST_F(TableGridTest, LayoutNumberingAndReset) {
    frmF11& f = Open();
    TableGrid& g = *f.fgdGrid;
    EXPECT_EQ(g.width(), TwipsToPixels(4165));
    EXPECT_EQ(g.columnCount(), 3);
    EXPECT_EQ(ToStdString(g.horizontalHeaderItem(0)->text()), "编号");
    EXPECT_EQ(ToStdString(g.horizontalHeaderItem(1)->text()), "X");
    EXPECT_EQ(ToStdString(g.horizontalHeaderItem(2)->text()), "Y");
    EXPECT_EQ(g.columnWidth(0), TwipsToPixels(800));
    EXPECT_EQ(g.columnWidth(1), TwipsToPixels(1500));
    EXPECT_EQ(g.horizontalHeader()->height(), TwipsToPixels(500));
    ASSERT_EQ(g.DataRows(), 5);
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(g.NumberingText(r), std::string("0,").append(std::to_string(r - 1)));
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);

    // 重置 5 -> 3 -> 5: rows 4 and 5 come back empty, rows 1..3 keep their texts.
    for (int r = 1; r <= 5; ++r) g.SetCellText(r, 2, std::string("y").append(std::to_string(r)));
    g.SetCurrentCell(5, 2);
    SetText(f.Text2, "3");
    Click(&f, "Command5");
    EXPECT_EQ(g.DataRows(), 3);
    EXPECT_EQ(g.Row(), 3);
    SetText(f.Text2, "5");
    Click(&f, "Command5");
    ASSERT_EQ(g.DataRows(), 5);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(g.CellText(r, 2), std::string("y").append(std::to_string(r)));
    EXPECT_EQ(g.CellText(4, 2), "");
    EXPECT_EQ(g.CellText(5, 2), "");
    EXPECT_EQ(g.NumberingText(5), "0,4");
    // Counts whole (half to even), taken as 0..201.
    const std::pair<const char*, int> counts[] = {{"5.5", 6}, {"4.5", 4}, {"0", 0}, {"-3", 0},
                                                  {"1000", 201}, {"1E20", 201}, {"abc", 0}, {"2", 2}};
    for (const auto& [text, rows] : counts) {
        SetText(f.Text2, text);
        Click(&f, "Command5");
        EXPECT_EQ(g.DataRows(), rows) << text;
    }
    // Keys on an empty grid do nothing.
    SetText(f.Text2, "0");
    Click(&f, "Command5");
    g.setFocus();
    Press("Enter");
    Press("7");
    Press("Tab");
    EXPECT_FALSE(f.txtRep->isVisible());
}

TEST_F(TableGridTest, SurfaceNumberingRunsOverTableRowsAndColumns) {
    frmF12& f = frmF12::Get();
    f.show();
    TableGrid& g = *f.fgdGrid;
    EXPECT_EQ(g.width(), TwipsToPixels(5665));
    EXPECT_EQ(g.columnCount(), 4);
    EXPECT_EQ(ToStdString(g.horizontalHeaderItem(3)->text()), "Z");
    EXPECT_EQ(g.DataRows(), 25);
    EXPECT_EQ(ToStdString(f.Command5->text()), "重  置");
    SetText(f.Text2, "2");
    SetText(f.Text3, "3");
    Click(&f, "Command5");
    std::vector<std::string> numbering;
    for (int r = 1; r <= g.DataRows(); ++r) numbering.push_back(g.NumberingText(r));
    EXPECT_EQ(numbering, (std::vector<std::string>{"0,0", "0,1", "0,2", "1,0", "1,1", "1,2"}));
}

} // namespace
