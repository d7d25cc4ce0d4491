// Table text files: the texts the three formats write, the tokens a file
// reads as, and 导出... / 导入... in the three table dialogs with the file
// dialog scripted and real files on disk (GBK).
#include "core/GbkCodec.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/TableDialogParts.h"
#include "dialogs/functions/TableFiles.h"
#include "dialogs/functions/TableGrid.h"
#include "dialogs/functions/frmF10.h"
#include "dialogs/functions/frmF11.h"
#include "dialogs/functions/frmF12.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"
#include "tests/support/SmallDisk.h"

#include <QDir>

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

using Tokens = std::vector<std::string>;

TEST(TableFileText, EachFormatFramesItsRows) {
    EXPECT_EQ(TableFileText(TableFormat::D2, {5}, {{"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}}),
              "D2 5\r\n \r\n \r\n \r\n \r\n \r\n\r\n");
    EXPECT_EQ(TableFileText(TableFormat::D2, {2}, {{"1", "2"}, {"3", "4"}}), "D2 2\r\n1 2\r\n3 4\r\n\r\n");
    EXPECT_EQ(TableFileText(TableFormat::D25, {2}, {{"1", "2"}, {"3", "4"}}), "\"D25 2\r\n1 2\r\n3 4\r\n\"\r\n");
    EXPECT_EQ(TableFileText(TableFormat::D3, {1, 2}, {{"1", "2", "3"}, {"a\"b", "1 5", "6"}}),
              "\"D3\t1\t2\r\n1\t2\t3\r\na\"b\t1 5\t6\r\n\"\r\n");
}

TEST(TableFileTokens, LinesJoinedAndSplitAtBlanksAndTabs) {
    struct Case {
        const char* what;
        std::string text;
        Tokens tokens;
    };
    const Case cases[] = {
        {"CR LF", "D2 2\r\n1 2\r\n", {"D2", "2", "1", "2", ""}},
        {"lone LF", "D2 2\n1 2\n", {"D2", "2", "1", "2", ""}},
        {"lone CR", "D2 2\r1 2\r", {"D2", "2", "1", "2", ""}},
        {"no last line end", "D2 2\r\n1 2", {"D2", "2", "1", "2", ""}},
        {"two blanks store an empty token", "D2  5\r\n", {"D2", "", "5", ""}},
        {"an empty line is one empty token", "D2 2\r\n1 2\r\n\r\n3 4\r\n", {"D2", "2", "1", "2", "", "3", "4", ""}},
        {"TABs and the closing quote", "\"D3\t1\t1\r\n1\t2\t3\r\n\"\r\n", {"\"D3", "1", "1", "1", "2", "3", "\"", ""}},
        {"CR CR LF is an empty line", "a\r\r\nb", {"a", "", "b", ""}},
        {"empty", "", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(TableFileTokens(c.text), c.tokens) << c.what;
}

TEST(TableFileHeader, OnlyTheEndOfTheFirstTokenCounts) {
    struct Case {
        const char* token;
        bool d2, d25, d3;
    };
    const Case cases[] = {
        {"D2", true, false, false},   {"\"D25", false, true, false}, {"\"D3", false, false, true},
        {"xxD2", true, false, false}, {"D25", false, true, false},   {"d2", false, false, false},
        {"2", false, false, false},   {"", false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TableFileHeaderMatches(TableFormat::D2, c.token), c.d2) << c.token;
        EXPECT_EQ(TableFileHeaderMatches(TableFormat::D25, c.token), c.d25) << c.token;
        EXPECT_EQ(TableFileHeaderMatches(TableFormat::D3, c.token), c.d3) << c.token;
    }
}

class TableFileDialogs : public GraphDialogTest {
protected:
    std::string Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    void Write(const char* name, const std::string& utf8) const {
        QFile f(QString::fromStdString(Path(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = Utf8ToGbkLenient(utf8);
        f.write(bytes.data(), qint64(bytes.size()));
    }
    std::string Read(const char* name) const {
        QFile f(QString::fromStdString(Path(name)));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll().toStdString();
    }
    // The data rows' cells of a grid, row by row.
    static std::vector<Tokens> Cells(const TableGrid& g) {
        std::vector<Tokens> rows;
        for (int r = 1; r <= g.DataRows(); ++r) {
            Tokens& row = rows.emplace_back();
            for (int c = 1; c <= g.DataColumns(); ++c) row.push_back(g.CellText(r, c));
        }
        return rows;
    }
    template <class Form>
    Form& Open() {
        Form& f = Form::Get();
        f.show();
        return f;
    }
    void Import(QWidget* form, const char* name) {
        files.Choose(Path(name));
        Click(form, "Command1");
    }
    // An import's message: none for "", else the refusal (title "出错", exclamation icon).
    void ExpectImportMessage(const char* message) const {
        if (*message == '\0') {
            EXPECT_EQ(box.Count(), 0u);
            return;
        }
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, message);
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    }
    void Export(QWidget* form, const char* name) {
        files.Choose(Path(name));
        Click(form, "Command2");
    }

    QTemporaryDir dir;
    RecordingFileDialog files;
};

TEST_F(TableFileDialogs, UntouchedPlaneExportIsByteExactAndImportsBack) {
    frmF11& f = Open<frmF11>();
    Export(&f, "plane.txt");
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].kind, FileDialogKind::Save);
    EXPECT_EQ(files.requests[0].title, "导出");
    EXPECT_EQ(files.requests[0].filter, "(*.txt)|*.txt");
    EXPECT_EQ(files.requests[0].fileName, "");
    EXPECT_EQ(Read("plane.txt"), "D2 5\r\n \r\n \r\n \r\n \r\n \r\n\r\n");

    SetText(f.Text2, "2");
    Click(&f, "Command5");
    f.fgdGrid->SetCellText(1, 1, "x");
    Import(&f, "plane.txt");
    // The open dialog offers the name the dialog last held.
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[1].kind, FileDialogKind::Open);
    EXPECT_EQ(files.requests[1].title, "打开");
    EXPECT_EQ(files.requests[1].filter, "(*.txt)|*.txt");
    EXPECT_EQ(files.requests[1].fileName, Path("plane.txt"));
    EXPECT_EQ(TextOf(f.Text2), "5");
    EXPECT_EQ(Cells(*f.fgdGrid), std::vector<Tokens>(5, Tokens{"", ""}));
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(TableFileDialogs, HandWrittenFilesImportIntoTheRightCells) {
    struct Case {
        const char* what;
        std::string text;
        const char* count;
        std::vector<Tokens> cells;
    };
    const Case cases[] = {
        {"CR LF", "D2 3\r\n1 2\r\n3,5 -4\r\n1e3 x\r\n\r\n", "3", {{"1", "2"}, {"3,5", "-4"}, {"1e3", "x"}}},
        {"LF, written on Linux", "D2 2\n10 20\n30 40\n", "2", {{"10", "20"}, {"30", "40"}}},
        {"lone CR, no last line end", "D2 2\r5 6\r7 8", "2", {{"5", "6"}, {"7", "8"}}},
        {"a count of 2.5 reads 2", "D2 2.5\r\n1 2\r\n3 4\r\n", "2", {{"1", "2"}, {"3", "4"}}},
        {"an empty line shifts the later values", "D2 2\r\n1 2\r\n\r\n3 4\r\n", "2", {{"1", "2"}, {"", "3"}}},
        {"a cell of 1, a blank and 5 comes back as two tokens", "D2 2\r\n1 5 2\r\n", "2", {{"1", "5"}, {"2", ""}}},
        {"two blanks: the count reads 0", "D2  5\r\n1 2\r\n", "0", {}},
        {"missing cells are empty", "D2 3\r\n1", "3", {{"1", ""}, {"", ""}, {"", ""}}},
        {"GBK text", "D2 1\r\n数 据\r\n", "1", {{"数", "据"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmF11& f = Open<frmF11>();
        Write("in.txt", c.text);
        Import(&f, "in.txt");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_EQ(TextOf(f.Text2), c.count);
        EXPECT_EQ(Cells(*f.fgdGrid), c.cells);
        for (int r = 1; r <= f.fgdGrid->DataRows(); ++r)
            EXPECT_EQ(f.fgdGrid->NumberingText(r), std::string("0,").append(std::to_string(r - 1)));
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TableFileDialogs, RefusedAndForeignFilesLeaveTheDialogUnchanged) {
    struct Case {
        const char* what;
        std::string text;
        const char* message; // "" ignored silently
    };
    const Case cases[] = {
        {"count 300", "D2 300\r\n1 2\r\n", "导入的数据个数不能超过201。"},
        {"count beyond 32 bits", "D2 1e20\r\n", "导入的数据个数不能超过201。"},
        {"count -2", "D2 -2\r\n1 2\r\n", "导入文件中的数据个数不正确。"},
        {"a strip file", "\"D25 2\r\n1 2\r\n3 4\r\n\"\r\n", ""},
        {"a surface file", "\"D3\t1\t1\r\n1\t2\t3\r\n\"\r\n", ""},
        {"no header", "1 2\r\n", ""},
        {"an empty file", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        frmF11& f = Open<frmF11>();
        SetText(f.Text2, "2");
        Click(&f, "Command5");
        f.fgdGrid->SetCellText(1, 1, "a");
        f.fgdGrid->SetCellText(2, 2, "b");
        Write("in.txt", c.text);
        Import(&f, "in.txt");
        ExpectImportMessage(c.message);
        EXPECT_EQ(TextOf(f.Text2), "2");
        EXPECT_EQ(Cells(*f.fgdGrid), (std::vector<Tokens>{{"a", ""}, {"", "b"}}));
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A cancelled open dialog reads nothing.
    frmF11& f = Open<frmF11>();
    files.Cancel();
    Click(&f, "Command1");
    EXPECT_EQ(TextOf(f.Text2), "5");
}

TEST_F(TableFileDialogs, ExportRefusesMoreRowsThanTheGridHas) {
    frmF11& f = Open<frmF11>();
    // A count 重置 can make fit asks for it; one it cannot gets the range
    // message, as at OK.
    const struct {
        const char* count;
        const char* message;
    } cases[] = {{"8", "数据个数与表格行数不一致，请先按“重置”。"},
                 {"1E20", "数据个数必须在1到201之间。"},
                 {"-2", "数据个数必须在1到201之间。"},
                 {"0", "数据个数必须在1到201之间。"}};
    for (const auto& [count, message] : cases) {
        box.Clear();
        SetText(f.Text2, count);
        Click(&f, "Command2");
        ASSERT_EQ(box.Count(), 1u) << count;
        EXPECT_EQ(box.Last().text, message);
        EXPECT_EQ(box.Last().title, "Vexilon");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(files.requests.empty());
    }
    // Fewer rows than the grid has: the first ones.
    SetText(f.Text2, "2");
    f.fgdGrid->SetCellText(1, 1, "1");
    f.fgdGrid->SetCellText(2, 2, "4");
    f.fgdGrid->SetCellText(3, 1, "9");
    Export(&f, "two.txt");
    EXPECT_EQ(Read("two.txt"), "D2 2\r\n1 \r\n 4\r\n\r\n");
    // A file that cannot be written says so.
    box.Clear();
    files.Choose(dir.filePath(QStringLiteral("no/such/folder/x.txt")).toStdString());
    Click(&f, "Command2");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text.rfind("无法保存文件：", 0), 0u);
}

// An export that fails at any step of writing (a full disk) says so and
// leaves the old file of that name as it was.
TEST_F(TableFileDialogs, AFailedExportSaysSoAndKeepsTheOldFile) {
    using Step = FailingFileSystem::Step;
    frmF11& f = Open<frmF11>();
    for (const Step step : {Step::Create, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        Write("old.txt", "D2 1\r\n7 8\r\n\r\n");
        FailingFileSystem disk(step, 3);
        box.Clear();
        Export(&f, "old.txt");
        EXPECT_EQ(disk.failures, 1);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "无法保存文件：" + Path("old.txt"));
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(Read("old.txt"), "D2 1\r\n7 8\r\n\r\n");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // On a disk that fills up: 8 KB of tmpfs holding the old file, and 201
    // rows of some 30 bytes exported over it.
    SmallDisk small;
    if (!small.Mounted()) GTEST_SKIP() << small.Why();
    const std::string path = small.File("old.txt");
    {
        QFile old(QString::fromStdString(path));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("D2 1\r\n7 8\r\n\r\n");
    }
    SetText(f.Text2, "201");
    Click(&f, "Command5");
    for (int r = 1; r <= 201; ++r) {
        f.fgdGrid->SetCellText(r, 1, "1234567890.1234" + std::to_string(r));
        f.fgdGrid->SetCellText(r, 2, "-987654321.5678" + std::to_string(r));
    }
    box.Clear();
    files.Choose(path);
    Click(&f, "Command2");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "无法保存文件：" + path);
    QFile old(QString::fromStdString(path));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll().toStdString(), "D2 1\r\n7 8\r\n\r\n");
}

// A file that starts with a UTF-8 byte-order mark, as some editors write
// them, reads as if it had none, in each of the three dialogs.
TEST_F(TableFileDialogs, AByteOrderMarkIsReadAsIfItWereNotThere) {
    const auto writeRaw = [&](const char* name, const std::string& bytes) {
        QFile file(QString::fromStdString(Path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    };
    const std::string bom = "\xEF\xBB\xBF";
    writeRaw("plane.txt", bom + "D2 2\r\n1 2\r\n3 4\r\n\r\n");
    writeRaw("strip.txt", bom + "\"D25 2\r\n1 2\r\n3 4\r\n\"\r\n");
    writeRaw("net.txt", bom + "\"D3\t1\t2\r\n1\t2\t3\r\n4\t5\t6\r\n\"\r\n");

    frmF11& plane = Open<frmF11>();
    Import(&plane, "plane.txt");
    EXPECT_EQ(TextOf(plane.Text2), "2");
    EXPECT_EQ(Cells(*plane.fgdGrid), (std::vector<Tokens>{{"1", "2"}, {"3", "4"}}));
    frmF10& strip = Open<frmF10>();
    Import(&strip, "strip.txt");
    EXPECT_EQ(TextOf(strip.Text2), "2");
    EXPECT_EQ(Cells(*strip.fgdGrid), (std::vector<Tokens>{{"1", "2"}, {"3", "4"}}));
    frmF12& net = Open<frmF12>();
    Import(&net, "net.txt");
    EXPECT_EQ(TextOf(net.Text2), "1");
    EXPECT_EQ(TextOf(net.Text3), "2");
    EXPECT_EQ(Cells(*net.fgdGrid), (std::vector<Tokens>{{"1", "2", "3"}, {"4", "5", "6"}}));
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(TableFileDialogs, StripFileOfThePartAndForeignFiles) {
    frmF10& f = Open<frmF10>();
    SetText(f.Text2, "2");
    Click(&f, "Command5");
    f.fgdGrid->SetCellText(1, 1, "1");
    f.fgdGrid->SetCellText(1, 2, "2");
    f.fgdGrid->SetCellText(2, 1, "3");
    f.fgdGrid->SetCellText(2, 2, "4");
    Export(&f, "strip.txt");
    EXPECT_EQ(Read("strip.txt"), "\"D25 2\r\n1 2\r\n3 4\r\n\"\r\n");

    // A plane table ignores it ...
    frmF11& plane = Open<frmF11>();
    Import(&plane, "strip.txt");
    EXPECT_EQ(TextOf(plane.Text2), "5");
    EXPECT_EQ(box.Count(), 0u);
    // ... and the strip table ignores a "D2" file, but reads its own back.
    Write("plane.txt", "D2 2\r\n7 8\r\n9 9\r\n\r\n");
    SetText(f.Text2, "3");
    Click(&f, "Command5");
    f.fgdGrid->SetCellText(3, 1, "z");
    Import(&f, "plane.txt");
    EXPECT_EQ(TextOf(f.Text2), "3");
    EXPECT_EQ(f.fgdGrid->CellText(3, 1), "z");
    Import(&f, "strip.txt");
    EXPECT_EQ(TextOf(f.Text2), "2");
    EXPECT_EQ(Cells(*f.fgdGrid), (std::vector<Tokens>{{"1", "2"}, {"3", "4"}}));
}

TEST_F(TableFileDialogs, SurfaceFilesRoundTripAndRefuseEachCount) {
    frmF12& f = Open<frmF12>();
    SetText(f.Text2, "2");
    SetText(f.Text3, "3");
    Click(&f, "Command5");
    std::vector<Tokens> cells;
    for (int r = 1; r <= 6; ++r) {
        Tokens& row = cells.emplace_back();
        for (int c = 1; c <= 3; ++c) {
            row.push_back(std::to_string(r * 10 + c));
            f.fgdGrid->SetCellText(r, c, row.back());
        }
    }
    Export(&f, "net.txt");
    const std::string text = Read("net.txt");
    EXPECT_EQ(text.substr(0, 9), "\"D3\t2\t3\r\n");
    // The line of table row 1, column 1 is line 1 × 3 + 1 + 2 = 6.
    EXPECT_EQ(TableFileTokens(text)[3 * 4 + 3], "51");
    EXPECT_EQ(text.substr(text.size() - 3), "\"\r\n");

    frmF12& g = f;
    SetText(g.Text2, "1");
    SetText(g.Text3, "1");
    Click(&g, "Command5");
    Import(&g, "net.txt");
    EXPECT_EQ(TextOf(g.Text2), "2");
    EXPECT_EQ(TextOf(g.Text3), "3");
    EXPECT_EQ(Cells(*g.fgdGrid), cells);
    EXPECT_EQ(g.fgdGrid->NumberingText(5), "1,1");

    // A plane file is ignored; a refused count in rows or in columns changes nothing.
    Write("plane.txt", "D2 1\r\n1 2\r\n\r\n");
    Write("rows.txt", "\"D3\t202\t1\r\n\"\r\n");
    Write("columns.txt", "\"D3\t1\t-1\r\n\"\r\n");
    Import(&g, "plane.txt");
    EXPECT_EQ(box.Count(), 0u);
    Import(&g, "rows.txt");
    EXPECT_EQ(box.Last().text, "导入的数据个数不能超过201。");
    Import(&g, "columns.txt");
    EXPECT_EQ(box.Last().text, "导入文件中的数据个数不正确。");
    EXPECT_EQ(box.Count(), 2u);
    EXPECT_EQ(TextOf(g.Text2), "2");
    EXPECT_EQ(TextOf(g.Text3), "3");
    EXPECT_EQ(Cells(*g.fgdGrid), cells);
}

// A file of exactly the most points a table takes, 201, is read whole: an
// export of 201 points imports back into every cell, in each of the three
// dialogs (a surface of 201 rows and of 201 columns).
TEST_F(TableFileDialogs, AnExportOfTheMostPointsReadsBackWhole) {
    enum class Table { Plane, Strip, Surface };
    const struct {
        const char* what;
        Table table;
        const char* rows;
        const char* columns; // surfaces only
    } cases[] = {
        {"plane", Table::Plane, "201", ""},
        {"strip", Table::Strip, "201", ""},
        {"surface, 201 rows", Table::Surface, "201", "1"},
        {"surface, 201 columns", Table::Surface, "1", "201"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        QWidget* form = nullptr;
        QLineEdit *rows = nullptr, *columns = nullptr;
        TableGrid* grid = nullptr;
        switch (c.table) {
        case Table::Plane: {
            frmF11& f = Open<frmF11>();
            form = &f, rows = f.Text2, grid = f.fgdGrid;
            break;
        }
        case Table::Strip: {
            frmF10& f = Open<frmF10>();
            form = &f, rows = f.Text2, grid = f.fgdGrid;
            break;
        }
        case Table::Surface: {
            frmF12& f = Open<frmF12>();
            form = &f, rows = f.Text2, columns = f.Text3, grid = f.fgdGrid;
            break;
        }
        }
        const auto setCounts = [&](const char* r, const char* k) {
            SetText(rows, r);
            if (columns) SetText(columns, k);
            Click(form, "Command5");
        };
        setCounts(c.rows, c.columns);
        ASSERT_EQ(grid->DataRows(), 201);
        for (int r = 1; r <= grid->DataRows(); ++r)
            for (int k = 1; k <= grid->DataColumns(); ++k) grid->SetCellText(r, k, std::to_string(r * 10 + k));
        const std::vector<Tokens> cells = Cells(*grid);
        Export(form, "most.txt");

        setCounts("1", "1");
        Import(form, "most.txt");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_EQ(TextOf(rows), c.rows);
        if (columns) {
            EXPECT_EQ(TextOf(columns), c.columns);
        }
        EXPECT_EQ(Cells(*grid), cells);
        static_cast<FormBase*>(form)->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TableFileDialogs, StripAndSurfaceRefusalsLeaveTheDialogUnchanged) {
    struct Case {
        const char* what;
        bool surface;
        std::string text;
        const char* message; // "" ignored silently
    };
    const Case cases[] = {
        {"strip count 300", false, "\"D25 300\r\n1 2\r\n\"\r\n", "导入的数据个数不能超过201。"},
        {"strip count -2", false, "\"D25 -2\r\n1 2\r\n\"\r\n", "导入文件中的数据个数不正确。"},
        {"strip, a plane file", false, "D2 1\r\n1 2\r\n\r\n", ""},
        {"strip, a surface file", false, "\"D3\t1\t1\r\n1\t2\t3\r\n\"\r\n", ""},
        {"surface rows 300", true, "\"D3\t300\t1\r\n\"\r\n", "导入的数据个数不能超过201。"},
        {"surface columns 202", true, "\"D3\t1\t202\r\n\"\r\n", "导入的数据个数不能超过201。"},
        {"surface rows -2", true, "\"D3\t-2\t1\r\n\"\r\n", "导入文件中的数据个数不正确。"},
        {"surface, a strip file", true, "\"D25 1\r\n1 2\r\n\"\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        Write("in.txt", c.text);
        QWidget* form = nullptr;
        QLineEdit* count = nullptr;
        TableGrid* grid = nullptr;
        if (c.surface) {
            frmF12& f = Open<frmF12>();
            SetText(f.Text2, "1");
            SetText(f.Text3, "2");
            Click(&f, "Command5");
            form = &f;
            count = f.Text2;
            grid = f.fgdGrid;
        } else {
            frmF10& f = Open<frmF10>();
            SetText(f.Text2, "2");
            Click(&f, "Command5");
            form = &f;
            count = f.Text2;
            grid = f.fgdGrid;
        }
        grid->SetCellText(1, 1, "a");
        grid->SetCellText(2, 2, "b");
        const std::vector<Tokens> before = Cells(*grid);
        Import(form, "in.txt");
        ExpectImportMessage(c.message);
        EXPECT_EQ(TextOf(count), c.surface ? "1" : "2");
        EXPECT_EQ(Cells(*grid), before);
        static_cast<FormBase*>(form)->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TableFileDialogs, StripAndSurfaceExportsRefuseMoreRowsThanTheGridHas) {
    frmF10& s = Open<frmF10>();
    SetText(s.Text2, "6");
    Click(&s, "Command2");
    frmF12& t = Open<frmF12>();
    SetText(t.Text2, "2");
    SetText(t.Text3, "2");
    Click(&t, "Command5");
    SetText(t.Text2, "3");
    SetText(t.Text3, "3");
    Click(&t, "Command2");
    ASSERT_EQ(box.Count(), 2u);
    for (const auto& m : box.requests) {
        EXPECT_EQ(m.text, "数据个数与表格行数不一致，请先按“重置”。");
        EXPECT_EQ(m.title, "Vexilon");
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    }
    EXPECT_TRUE(files.requests.empty());
    // Fewer points than the grid holds: the first rows.
    SetText(t.Text2, "1");
    SetText(t.Text3, "2");
    t.fgdGrid->SetCellText(2, 3, "z");
    t.fgdGrid->SetCellText(3, 1, "not written");
    Export(&t, "net.txt");
    EXPECT_EQ(Read("net.txt"), "\"D3\t1\t2\r\n\t\t\r\n\t\tz\r\n\"\r\n");
}

} // namespace
