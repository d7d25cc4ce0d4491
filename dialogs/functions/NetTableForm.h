#pragma once
// The window both the strip table dialog frmF10 and the surface table dialog
// frmF12 are: the page "数据" (name, counts, 重置, 导出..., 导入..., grid) and
// the pages "颜色", "材质", "外观", the OK that fills a table graph from them
// and the edit filling. A dialog is `class frmFn : public NetTableForm<frmFn>`
// with its own format and captions.
#include "dialogs/DialogForm.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/TableDialogParts.h"
#include "dialogs/functions/TableGrid.h"
#include "graph/Cls9.h"

#include <QPushButton>
#include <QTabWidget>

#include <memory>

class QListWidget;
class QRadioButton;

// What tells the two dialogs apart.
struct NetTableDesign {
    TableFormat format;        // D25 strip table, D3 surface table
    const char* caption;
    int gridWidth;             // twips
    const char* materialCaption;
    const char* smoothnessCaption;
};

template <class Form>
class NetTableForm : public DialogForm<Form> {
public:
    QTabWidget* SSTab1; // "数据", "颜色", "材质", "外观"
    // "数据"
    QLineEdit* Text1;   // "名称"
    QLineEdit* Text2;   // "数据点个数" (strip) or "行数" (surface)
    QLineEdit* Text3;   // "列数" (surface; nullptr in the strip table)
    TableGrid* fgdGrid;
    QLineEdit* txtRep;
    QPushButton* Command5; // "重置"
    QPushButton* Command2; // "导出..."
    QPushButton* Command1; // "导入..."
    // "颜色": fill options (Option2 "从上到下渐变" is FillStyle 3, Option3 2)
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4; // "单色"
    ColorBox* Picture2;    // "颜色1"
    ColorBox* Picture3;    // "颜色2"
    ColorBox* Picture4;    // the single colour
    // "材质"
    QListWidget* List1;
    // "外观"
    QRadioButton* Option5; // "顶点模型"
    QRadioButton* Option6; // "线框模型"
    QRadioButton* Option7; // "曲面模型"
    QRadioButton* Option8; // "刻面"
    QRadioButton* Option9; // "较平滑"
    QRadioButton* Option10; // "平滑"
    QPushButton* Command3; // "确定"
    QPushButton* Command4; // "取消"

    void Form_Load() {
        graph_ = std::make_shared<Cls9>();
        data_->Command5_Click();
    }
    void Command3_Click() {
        if (CommitNetTable(design_.format, graph_, *data_, *look_)) CloseGraphDialog(*this);
    }
    void Command4_Click() { CancelGraphDialog(*this); }
    // The edit command's filling from the selected table, the held colours included.
    void FillForEdit(const Cls9& table) { FillNetTable(design_.format, table, *data_, *look_); }

protected:
    explicit NetTableForm(const NetTableDesign& design) : design_(design) {
        const TableDialogFrame frame =
            BuildTableDialogFrame(this, design.caption, {"数据", "颜色", "材质", "外观"}, design.gridWidth);
        SSTab1 = frame.SSTab1;
        Command3 = frame.Command3;
        Command4 = frame.Command4;
        data_ = std::make_unique<TableDataPage>(frame.Page(0), design.format);
        Text1 = data_->Text1;
        Text2 = data_->Text2;
        Text3 = data_->Text3;
        fgdGrid = data_->fgdGrid;
        txtRep = fgdGrid->txtRep;
        Command5 = data_->Command5;
        Command2 = data_->Command2;
        Command1 = data_->Command1;
        look_ = std::make_unique<TableAppearancePages>(SSTab1, design.materialCaption, design.smoothnessCaption);
        Option1 = look_->Option1;
        Option2 = look_->Option2;
        Option3 = look_->Option3;
        Option4 = look_->Option4;
        Picture2 = look_->Picture2;
        Picture3 = look_->Picture3;
        Picture4 = look_->Picture4;
        List1 = look_->List1;
        Option5 = look_->Option5;
        Option6 = look_->Option6;
        Option7 = look_->Option7;
        Option8 = look_->Option8;
        Option9 = look_->Option9;
        Option10 = look_->Option10;
        QObject::connect(Command3, &QPushButton::clicked, this, Guarded([this] { Command3_Click(); }));
        QObject::connect(Command4, &QPushButton::clicked, this, Guarded([this] { Command4_Click(); }));
        Form_Load();
    }

private:
    NetTableDesign design_;
    std::unique_ptr<TableDataPage> data_;
    std::unique_ptr<TableAppearancePages> look_;
    // The graph the OK fills, made at load.
    std::shared_ptr<Cls9> graph_;
};
