#include "dialogs/functions/TableDialogParts.h"

#include "core/ColorService.h"
#include "core/NumberText.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/TableGrid.h"
#include "graph/Cls9.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <vector>

namespace {

// Layout of the page "数据" (twips).
constexpr int GridTop = 1575;
constexpr int GridHeight = 2880;
constexpr int PageHeight = GridTop + GridHeight + 360;
constexpr int TabBarHeight = 420;

int PlaneOrSurfaceGridWidth(TableFormat format) { return format == TableFormat::D3 ? 5665 : 4165; }

// A count box's whole count for 重置, taken as 0..201 (beyond 32 bits by its sign).
std::int32_t ClampedCount(const QLineEdit* box) {
    const std::string text = TextOf(box);
    const std::optional<std::int32_t> whole = WholeCount(text);
    if (!whole) return NumericValue(text) < 0 ? 0 : TableGrid::MaxCount;
    return std::clamp(*whole, 0, TableGrid::MaxCount);
}

// A count box's whole count when it lies in 1..201.
std::optional<std::int32_t> CountInRange(const QLineEdit* box) {
    const std::optional<std::int32_t> whole = WholeCount(TextOf(box));
    if (!whole || *whole < 1 || *whole > TableGrid::MaxCount) return std::nullopt;
    return whole;
}

} // namespace

QWidget* TableDialogFrame::Page(int index) const { return SSTab1->widget(index); }

TableDialogFrame BuildTableDialogFrame(QWidget* form, const char* caption, std::initializer_list<const char*> pages,
                                       int gridWidth) {
    const int tabWidth = gridWidth + 600;
    const int tabHeight = PageHeight + TabBarHeight;
    const int buttonTop = 120 + tabHeight + 150;
    form->setWindowTitle(ToQString(caption));
    SizeTwips(form, tabWidth + 240, buttonTop + 375 + 150);

    TableDialogFrame frame;
    frame.SSTab1 = Placed(new QTabWidget(form), 120, 120, tabWidth, tabHeight);
    frame.SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (const char* page : pages) frame.SSTab1->addTab(new QWidget, ToQString(page));
    const int right = 120 + tabWidth;
    frame.Command3 = Placed(NewButton(form, "Command3", "确定"), right - 2 * 1215 - 150, buttonTop, 1215, 375);
    frame.Command4 = Placed(NewButton(form, "Command4", "取消"), right - 1215, buttonTop, 1215, 375);
    frame.Command3->setDefault(true);
    return frame;
}

// ---- the page "数据" ----

TableDataPage::TableDataPage(QWidget* page, TableFormat format) : format_(format) {
    const int gridWidth = PlaneOrSurfaceGridWidth(format);
    Label1 = Placed(NewLabel(page, "Label1", "名称"), 240, 300, 735, 255);
    Text1 = Placed(NewText(page, "Text1", "Untitled"), 1320, 240, gridWidth + 240 - 1320, 315);
    if (format == TableFormat::D3) {
        Label2 = Placed(NewLabel(page, "Label2", "行数"), 240, 720, 615, 255);
        Text2 = Placed(NewText(page, "Text2", "5"), 1320, 660, 900, 315);
        Label3 = Placed(NewLabel(page, "Label3", "列数"), 2460, 720, 615, 255);
        Text3 = Placed(NewText(page, "Text3", "5"), 3120, 660, 900, 315);
    } else {
        Label2 = Placed(NewLabel(page, "Label2", "数据点个数"), 240, 720, 1035, 255);
        Text2 = Placed(NewText(page, "Text2", "5"), 1320, 660, 900, 315);
    }
    Command5 = Placed(NewButton(page, "Command5", format == TableFormat::D3 ? "重  置" : "重置"), 240, 1110, 1215, 345);
    Command2 = Placed(NewButton(page, "Command2", "导出..."), 1575, 1110, 1215, 345);
    Command1 = Placed(NewButton(page, "Command1", "导入..."), 2910, 1110, 1215, 345);
    if (format == TableFormat::D3)
        fgdGrid = new TableGrid(page, {"X", "Y", "Z"}, gridWidth);
    else
        fgdGrid = new TableGrid(page, {"X", "Y"}, gridWidth);
    PlaceTwips(fgdGrid, 240, GridTop, gridWidth, GridHeight);

    QObject::connect(Command5, &QPushButton::clicked, page, Guarded([this] { Command5_Click(); }));
    QObject::connect(Command2, &QPushButton::clicked, page, Guarded([this] { Command2_Click(); }));
    QObject::connect(Command1, &QPushButton::clicked, page, Guarded([this] { Command1_Click(); }));
}

void TableDataPage::Command5_Click() {
    if (format_ == TableFormat::D3)
        fgdGrid->Renumber(ClampedCount(Text2), ClampedCount(Text3));
    else
        fgdGrid->Renumber(1, ClampedCount(Text2));
}

void TableDataPage::Command2_Click() {
    // The counts are checked as OK checks them, so a count that 重置 cannot
    // make fit gets the range message instead of the one asking for 重置.
    const std::optional<TableSize> size = CheckCounts();
    if (!size) return;
    const std::vector<std::int32_t> counts =
        format_ == TableFormat::D3 ? std::vector<std::int32_t>{size->rows, size->columns}
                                   : std::vector<std::int32_t>{size->columns};
    const std::int64_t points = size->Points();
    std::vector<std::vector<std::string>> rows;
    for (std::int32_t r = 1; r <= points; ++r) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (std::int32_t c = 1; c <= fgdGrid->DataColumns(); ++c) cells.push_back(fgdGrid->CellText(r, c));
    }
    ExportTableFile(format_, counts, rows, fileName_);
}

void TableDataPage::Command1_Click() {
    const std::optional<ImportedTable> table = ImportTableFile(format_, fileName_);
    if (!table) return;
    SetText(Text2, LongText(table->counts[0]));
    if (Text3 != nullptr) SetText(Text3, LongText(table->counts[1]));
    Command5_Click();
    for (std::int32_t r = 1; r <= fgdGrid->DataRows(); ++r)
        for (std::int32_t c = 1; c <= fgdGrid->DataColumns(); ++c) fgdGrid->SetCellText(r, c, table->Cell(format_, r, c));
}

std::optional<TableSize> TableDataPage::CheckCounts() {
    TableSize size;
    if (format_ == TableFormat::D3) {
        if (!EmptyStep({Text2, Text3}, "")) return std::nullopt;
        const std::optional<std::int32_t> rows = CountInRange(Text2);
        const std::optional<std::int32_t> columns = CountInRange(Text3);
        if (!rows || !columns) {
            RefuseOk(TableNetCountMessage, "");
            return std::nullopt;
        }
        size = {*rows, *columns};
    } else {
        if (!EmptyStep({Text2}, "")) return std::nullopt;
        const std::optional<std::int32_t> n = CountInRange(Text2);
        if (!n) {
            RefuseOk(TablePointCountMessage, "");
            return std::nullopt;
        }
        size = {1, *n};
    }
    if (size.Points() > fgdGrid->DataRows()) {
        RefuseOk(TableRowsMessage, "");
        return std::nullopt;
    }
    return size;
}

void TableDataPage::FillCounts(std::int64_t rows, std::int64_t columns) {
    if (format_ == TableFormat::D3) {
        SetText(Text2, LongText(rows));
        SetText(Text3, LongText(columns));
    } else {
        SetText(Text2, LongText(columns));
    }
    Command5_Click();
}

// ---- the pages "颜色", "材质", "外观" ----

TableAppearancePages::TableAppearancePages(QTabWidget* tabs, const char* materialCaption,
                                           const char* smoothnessCaption) {
    QWidget* colours = tabs->widget(1);
    QWidget* material = tabs->widget(2);
    QWidget* look = tabs->widget(3);

    Option1 = Placed(NewOption(colours, "Option1", FillOptionCaptions[0]), 240, 360, 1935, 300);
    Option2 = Placed(NewOption(colours, "Option2", FillOptionCaptions[2]), 240, 840, 1935, 300);
    Option3 = Placed(NewOption(colours, "Option3", FillOptionCaptions[1]), 240, 1320, 1935, 300);
    Option4 = Placed(NewOption(colours, "Option4", FillOptionCaptions[3]), 240, 1800, 1935, 300);
    Label4 = Placed(NewLabel(colours, "Label4", "颜色1"), 2280, 420, 615, 255);
    Picture2 = Placed(NewColorBox(colours, "Picture2", RGB(255, 0, 0)), 2940, 360, 975, 375);
    Label5 = Placed(NewLabel(colours, "Label5", "颜色2"), 2280, 900, 615, 255);
    Picture3 = Placed(NewColorBox(colours, "Picture3", RGB(0, 0, 255)), 2940, 840, 975, 375);
    Picture4 = Placed(NewColorBox(colours, "Picture4", RGB(255, 0, 0)), 2940, 1760, 975, 375);
    Option2->setChecked(true);

    Label6 = Placed(NewLabel(material, "Label6", materialCaption), 240, 300, 2400, 255);
    List1 = Placed(new QListWidget(material), 240, 660, 2400, 3000);
    List1->setObjectName(QStringLiteral("List1"));

    Frame1 = Placed(NewFrame(look, "Frame1", "模型"), 240, 300, 1935, 1500);
    Option5 = Placed(NewOption(Frame1, "Option5", ModelOptionCaptions[0]), 240, 360, 1455, 300);
    Option6 = Placed(NewOption(Frame1, "Option6", ModelOptionCaptions[1]), 240, 720, 1455, 300);
    Option7 = Placed(NewOption(Frame1, "Option7", ModelOptionCaptions[2]), 240, 1080, 1455, 300);
    Frame2 = Placed(NewFrame(look, "Frame2", smoothnessCaption), 2400, 300, 1935, 1500);
    Option8 = Placed(NewOption(Frame2, "Option8", SmoothnessOptionCaptions[0]), 240, 360, 1455, 300);
    Option9 = Placed(NewOption(Frame2, "Option9", SmoothnessOptionCaptions[1]), 240, 720, 1455, 300);
    Option10 = Placed(NewOption(Frame2, "Option10", SmoothnessOptionCaptions[2]), 240, 1080, 1455, 300);
    Option7->setChecked(true);
    Option10->setChecked(true);

    ConnectLookPages(colours);
}

// ---- cells and points ----

bool StoreTablePoints(TableFormat format, TableGrid& grid, TableSize size, Cls9& graph) {
    const std::int32_t points = std::int32_t(size.Points());
    if (!grid.CheckCells(points)) return false;
    // Every value is read before the table changes.
    const bool plane = format != TableFormat::D3;
    std::vector<Cls2> values;
    for (std::int32_t r = 1; r <= points; ++r) {
        const float x = grid.CellValue(r, 1);
        const float y = grid.CellValue(r, 2);
        values.push_back(plane ? Cls2::Init(x, y, 0) : Cls2::Init(y, grid.CellValue(r, 3), x));
    }
    for (std::int32_t p = 0; p < points; ++p)
        graph.VertTab3D(p / size.columns, p % size.columns) = values[std::size_t(p)];
    return true;
}

void FillTableCells(TableFormat format, const Cls9& table, TableGrid& grid) {
    const bool plane = format != TableFormat::D3;
    // The columns the grid was numbered for.
    const std::int64_t columns = std::clamp<std::int64_t>(std::int64_t(table.StepV) + 1, 1, TableGrid::MaxCount);
    for (std::int32_t r = 1; r <= grid.DataRows(); ++r) {
        // An empty element of the table reads as a point at the origin.
        const Cls2* p = table.VertTab3D.Find((r - 1) / columns, (r - 1) % columns);
        const Cls2 point = p != nullptr ? *p : Cls2::Init(0, 0, 0);
        const float cells[] = {plane ? point.x : point.z, plane ? point.y : point.x, point.y};
        for (std::int32_t c = 1; c <= grid.DataColumns(); ++c)
            grid.SetCellText(r, c, ShortestSinglePlainText(cells[c - 1]));
    }
}

// ---- the strip and surface tables ----

bool CommitNetTable(TableFormat format, const std::shared_ptr<Cls9>& graph, TableDataPage& data,
                    TableAppearancePages& look) {
    const std::optional<TableSize> size = data.CheckCounts();
    if (!size) return false;
    const StripLookPages::Look chosen = look.ReadLook();
    const bool strip = format != TableFormat::D3;
    Cls9& g = *graph;
    g.StepV = size->columns - 1;
    g.StepU = strip ? 1 : size->rows - 1;
    if (!StoreTablePoints(format, *data.fgdGrid, *size, g)) return false;

    if (strip) g.CoordType = CoordType::PlaneCartesian;
    g.NameS = TextOf(data.Text1);
    g.GraphType = strip ? GraphType::Table25D : GraphType::Table3D;
    g.FillStyle = chosen.fill.FillStyle;
    g.FirstColor = chosen.fill.FirstColor;
    g.SecondColor = chosen.fill.SecondColor;
    g.Material = chosen.material;
    g.Show = chosen.show;
    g.Smoothness = chosen.smoothness;
    return CommitGraph(graph, strip ? LabelSource::frmF10 : LabelSource::frmF12, GraphSampling::Table);
}

void FillNetTable(TableFormat format, const Cls9& table, TableDataPage& data, TableAppearancePages& look) {
    const bool strip = format != TableFormat::D3;
    SetText(data.Text1, table.NameS);
    const std::int64_t rows = strip ? 1 : std::int64_t(table.StepU) + 1;
    const std::int64_t columns = std::int64_t(table.StepV) + 1;
    data.FillCounts(rows, columns);
    FillTableCells(format, table, *data.fgdGrid);
    look.FillLook(table);
}
