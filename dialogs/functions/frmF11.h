#pragma once
// The plane table dialog "二维表数据图形属性": a table of 1..201 points (x, y)
// typed into the grid or imported from a "D2" file (GraphType 4), drawn as a
// polyline, markers and a fitted curve, each switched on by itself. The
// table is not sampled. Opened by Draw > 表数据图形 > 二维 (new) and by the
// edit command (filled from the selected table).
#include "dialogs/DialogForm.h"
#include "dialogs/functions/TableDialogParts.h"

#include <memory>

class Cls9;
class ColorBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TableGrid;

class frmF11 : public DialogForm<frmF11> {
    Q_OBJECT
public:
    frmF11();

    QTabWidget* SSTab1; // "数据", "线形图", "散点图", "曲线拟合"
    // "数据"
    QLineEdit* Text1;   // "名称"
    QLineEdit* Text2;   // "数据点个数"
    TableGrid* fgdGrid;
    QLineEdit* txtRep;
    QPushButton* Command5; // "重置"
    QPushButton* Command2; // "导出..."
    QPushButton* Command1; // "导入..."
    // "线形图"
    QCheckBox* Check1;  // "显示线形图"
    QLabel* Label7;     // "颜色"
    ColorBox* Picture1; // LineColor
    QLabel* Label8;     // "宽度"
    QComboBox* Combo1;  // LineWidth, read by its text
    // "散点图"
    QCheckBox* Check2;  // "显示散点图"
    QLabel* Label9;     // "大小"
    QComboBox* Combo2;  // ScatterSize, read by its text
    QLabel* Label10;    // "颜色"
    ColorBox* Picture2; // ScatterColor
    QLabel* Label11;    // "标记"
    QComboBox* Combo4;  // Symbol
    // "曲线拟合"
    QCheckBox* Check3;  // "显示拟合曲线"
    QLabel* Label12;    // "颜色"
    ColorBox* Picture4; // SmoothCurveColor
    QLabel* Label13;    // "宽度"
    QComboBox* Combo3;  // SmoothCurveWidth
    QPushButton* Command3; // "确定"
    QPushButton* Command4; // "取消"

    void Form_Load();
    void Command3_Click();
    void Command4_Click();
    void Picture1_Click();
    void Picture2_Click();
    void Picture4_Click();

    // The edit command's filling from the selected plane table.
    void FillForEdit(const Cls9& table);

private:
    std::unique_ptr<TableDataPage> data_;
    // The graph the OK fills, made at load.
    std::shared_ptr<Cls9> graph_;
};
