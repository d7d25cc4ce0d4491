#include "app/ToolbarTable.h"

#include "app/ToolIcons.h"
#include "app/frmF1.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/ToolStrip.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <QAction>
#include <QLabel>

const std::vector<ToolRow>& ToolbarTable(int toolbar) {
    // Toolbar1: new documents, open and save, print, clipboard and delete,
    // help, new animations, playback.
    static const std::vector<ToolRow> toolbar1{
        {1, "barSep0", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {2, "barNew2D", "创建新的二维图形", "创建新的二维图形", ToolAction::Menu, "mnuFileNew2D", 0},
        {3, "barNew25D", "创建新的二维半图形", "创建新的二维半图形", ToolAction::Menu, "mnuFileNew25D", 0},
        {4, "barNew3D", "创建新的三维图形", "创建新的三维图形", ToolAction::Menu, "mnuFileNew3D", 0},
        {5, "barNewSpe", "创建新的特殊图形", "创建新的特殊图形", ToolAction::Menu, "mnuFileSpe", 0},
        {6, "barSep1", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {7, "barOpen", "打开", "打开", ToolAction::Menu, "mnuFileOpen", 0},
        {8, "barSave", "保存", "保存", ToolAction::Menu, "mnuFileSave", 0},
        {9, "barSaveAs", "另存为", "另存为", ToolAction::Menu, "mnuFileSaveAs", 0},
        {10, "barSep2", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {11, "barPrint", "打印", "打印", ToolAction::Menu, "mnuFilePrint", 0},
        {12, "barSep3", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {13, "barCut", "剪切", "剪切", ToolAction::Menu, "mnuEditCut", 0},
        {14, "barCopy", "复制", "复制", ToolAction::Menu, "mnuEditCopy", 0},
        {15, "barCopyAs", "按位图复制", "按位图复制", ToolAction::Menu, "mnuEditCopyAs", 0},
        {16, "barPaste", "粘贴", "粘贴", ToolAction::Menu, "mnuEditPaste", 0},
        {17, "varDel", "删除", "删除", ToolAction::Menu, "mnuEditDelete", 0},
        {18, "barSep4", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {19, "barHelp", "帮助", "帮助", ToolAction::Menu, "mnuHelpCon", 0},
        {20, "barSep6", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {21, "barSep7", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {22, "barAnimPoints", "添加新的点动画", "添加点动画", ToolAction::Menu, "mnuAniPoint", 0},
        {23, "barAnim2DCart", "添加新的二维直角坐标函数图形动画", "添加二维直角坐标函数图形动画", ToolAction::Menu, "mnuAniCur2DCart", 0},
        {24, "barAnim2DPolar", "添加新的二维极坐标函数图形动画", "添加二维极坐标函数图形动画", ToolAction::Menu, "mnuAniCur2DPol", 0},
        {25, "barSep8", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {26, "barAnim25DCart", "添加新的二维半直角坐标函数图形动画", "添加二维半直角坐标函数图形动画", ToolAction::Menu, "mnuAni25DCurCart", 0},
        {27, "barAnim25DPolar", "添加新的二维半极坐标函数图形动画", "添加二维半极坐标函数图形动画", ToolAction::Menu, "mnuAni25DCurPol", 0},
        {28, "barSep9", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {29, "barAnim3DCart", "添加新的三维直角坐标函数图形动画", "添加三维直角坐标函数图形动画", ToolAction::Menu, "mnuAniSurCart", 0},
        {30, "barAnim3DCyl", "添加新的三维柱面坐标函数图形动画", "添加三维柱面坐标函数图形动画", ToolAction::Menu, "mnuAniSurCyl", 0},
        {31, "barAnim3DSph", "添加新的三维球面坐标函数图形动画", "添加三维球面坐标函数图形动画", ToolAction::Menu, "mnuAniSurSph", 0},
        {32, "barSep10", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {33, "barAnimStart", "开始", "开始", ToolAction::Menu, "mnuAniStartb", 0},
        {34, "barAnimPause", "暂停", "暂停", ToolAction::Menu, "mnuAniPause", 0},
        {35, "barAnimStop", "停止", "停止", ToolAction::Menu, "mnuAniStop", 0},
        {36, "barAnimFirst", "第一帧", "第一帧", ToolAction::Menu, "mnuAniFirst", 0},
        {37, "barAnimPre", "前一帧", "前一帧", ToolAction::Menu, "mnuAniPre", 0},
        {38, "barAnimNext", "后一帧", "后一帧", ToolAction::Menu, "mnuAniNext", 0},
        {39, "barAnimLast", "最后一帧", "最后一帧", ToolAction::Menu, "mnuAniLast", 0},
        {40, "barAnimNormal", "正常模式", "正常模式", ToolAction::Menu, "mnuAniNormal", 0},
        {41, "barAnimRev", "反向模式", "反向模式", ToolAction::Menu, "mnuAniRev", 0},
        {42, "barAnimNormalRepeat", "正向循环模式", "正向循环模式", ToolAction::Menu, "mnuAniRepeat", 0},
        {43, "barAnimRevRepeat", "反向循环模式", "反向循环模式", ToolAction::Menu, "mnuAniRevRepeat", 0},
    };
    // Toolbar2: the graph creation commands, the axes and the light.
    static const std::vector<ToolRow> toolbar2{
        {1, nullptr, nullptr, nullptr, ToolAction::None, nullptr, 0},
        {2, "barPoints", "添加点", "添加点", ToolAction::Menu, "mnuDrawPoint", 0},
        {3, "barFun2DCart", "添加二维直角坐标函数图形", "添加二维直角坐标函数图形", ToolAction::Menu, "mnuDraw2DCart", 0},
        {4, "barFun2DPolar", "添加二维极坐标函数图形", "添加二维极坐标函数图形", ToolAction::Menu, "mnuDraw2DPolar", 0},
        {5, "barSep5", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {6, "barFun25DCart", "添加二维半直角坐标函数图形", "添加二维半直角坐标函数图形", ToolAction::Menu, "mnuDraw25DCart", 0},
        {7, "barFun25DPolar", "添加二维半极坐标函数图形", "添加二维半极坐标函数图形", ToolAction::Menu, "mnuDraw25DPolar", 0},
        {8, "barSep6", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {9, "barFun3DCart", "添加三维直角坐标函数图形", "添加三维直角坐标函数图形", ToolAction::Menu, "mnuDraw3DCart", 0},
        {10, "barFun3DCyl", "添加三维柱面坐标函数图形", "添加三维柱面坐标函数图形", ToolAction::Menu, "mnuDraw3DCyl", 0},
        {11, "barFun3DSph", "添加三维球面坐标函数图形", "添加三维球面坐标函数图形", ToolAction::Menu, "mnuDraw3DSph", 0},
        {12, "barSep7", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {13, "barColormap", "添加色谱图", "添加色谱图", ToolAction::Menu, "mnuDrawColor", 0},
        {14, "barContour", "添加等值线图", "添加等值线图", ToolAction::Menu, "mnuDrawCon", 0},
        {15, "barVectorPlot", "添加矢量图", "添加矢量图", ToolAction::Menu, "mnuDrawVector", 0},
        {16, "barSep8", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {17, "barTab2", "添加二维表数据图形", "添加二维表数据图形", ToolAction::Menu, "mnuDrawTab2D", 0},
        {18, "barTab25", "添加二维半表数据图形", "添加二维半表数据图形", ToolAction::Menu, "mnuDrawTab25D", 0},
        {19, "barTab3", "添加三维表数据图形", "添加三维表数据图形", ToolAction::Menu, "mnuDrawTab3D", 0},
        {20, "barSep9", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {21, "barInter", "相交", "二维曲线相交", ToolAction::Menu, "mnuDrawIP", 0},
        {22, "barLimit", "极限", "极限的图形", ToolAction::Menu, "mnuDrawLimit", 0},
        {23, "barODE", "常微分方程", "常微分方程的图形", ToolAction::Menu, "mnuDrawODE", 0},
        {24, "barSeries", "级数", "级数的图形", ToolAction::Menu, "mnuDrawSeries", 0},
        {25, "barSep10", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {26, "barStep", "添加阶梯图", "添加阶梯图", ToolAction::Menu, "mnuDrawStep", 0},
        {27, "barStem", "添加火柴杆图", "添加火柴杆图", ToolAction::Menu, "mnuDrawHcg", 0},
        {28, "barSep11", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {29, "barSurByRot", "旋转曲面", "旋转曲面", ToolAction::Menu, "mnuDrawRV", 0},
        {30, "barVect", "三维矢量", "三维矢量的图形表示", ToolAction::Menu, "mnuDrawVecGraph", 0},
        {31, "barVectOp", "三维矢量运算", "三维矢量运算的图形表示", ToolAction::Menu, "mnuDrawVecOp", 0},
        {32, "barSep12", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {33, "barCoord", "坐标系", "设置坐标系属性", ToolAction::Menu, "mnuDrawAxis", 0},
        {34, "barLight", "光照", "设置光照属性", ToolAction::Menu, "mnuDrawLight", 0},
    };
    // Toolbar3 (upright): preset views, projection, pan and zoom, rotation,
    // the model and the smoothness of the current row's graph.
    static const std::vector<ToolRow> toolbar3{
        {1, "barViewFront", "前视图", "前视图", ToolAction::Menu, "mnuViewFront", 0},
        {2, "barViewRight", "右视图", "右视图", ToolAction::Menu, "mnuViewRight", 0},
        {3, "barViewTop", "上视图", "上视图", ToolAction::Menu, "mnuViewTop", 0},
        {4, "barViewISO", "ISO视图", "ISO视图", ToolAction::Menu, "mnuViewISO", 0},
        {5, "barSep1", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {6, "barViewOrtho", "正交投影", "正交投影", ToolAction::Projection, nullptr, 1},
        {7, "barViewPer", "透视投影", "透视投影", ToolAction::Projection, nullptr, 2},
        {8, "barSep2", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {9, "barMove", "平移", "平移", ToolAction::Menu, "mnuViewMove", 0},
        {10, "barZoom", "缩小或放大", "缩小或放大", ToolAction::Menu, "mnuViewZoom", 0},
        {11, "barZoomAll", "缩放到合适大小", "缩放到合适大小", ToolAction::Menu, "mnuViewFit", 0},
        {12, "barRotX", "绕X轴旋转", "绕X轴旋转", ToolAction::Menu, "mnuViewRotX", 0},
        {13, "barRotY", "绕Y轴旋转", "绕Y轴旋转", ToolAction::Menu, "mnuViewRotY", 0},
        {14, "barRotZ", "绕Z轴旋转", "绕Z轴旋转", ToolAction::Menu, "mnuViewRotZ", 0},
        {15, "barTrackBall", "任意旋转", "任意旋转", ToolAction::Menu, "mnuViewRotate", 0},
        {16, "barSep3", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {17, "barModelPoint", "顶点模型", "顶点模型", ToolAction::Model, nullptr, 1},
        {18, "barModelGrid", "线框模型", "线框模型", ToolAction::Model, nullptr, 2},
        {19, "barModelSur", "曲面模型", "曲面模型", ToolAction::Model, nullptr, 3},
        {20, "barSep4", nullptr, nullptr, ToolAction::None, nullptr, 0},
        {21, "bar3DFlat", "刻面", "刻面", ToolAction::Smoothness, nullptr, 1},
        {22, "bar3DSmooth", "较平滑", "较平滑", ToolAction::Smoothness, nullptr, 2},
        {23, "bar3DSmoothest", "平滑", "平滑", ToolAction::Smoothness, nullptr, 3},
    };
    return toolbar == 1 ? toolbar1 : toolbar == 2 ? toolbar2 : toolbar3;
}

namespace {
// Pointer positions and button places compare in twips.
double Twips(double pixels) { return pixels * TwipsPerPixel; }
} // namespace

void frmF1::CreateToolbars() {
    ToolStrip* strips[3] = {Toolbar1, Toolbar2, Toolbar3};
    for (int t = 1; t <= 3; ++t) {
        ToolStrip* strip = strips[t - 1];
        for (const ToolRow& row : ToolbarTable(t)) {
            const QString key = row.key ? QString::fromLatin1(row.key) : QString();
            if (row.action == ToolAction::None) strip->AddSeparator(key);
            else strip->AddButton(key, ToolPicture(row.key), ToQString(row.tooltip));
        }
        strip->onButtonClick = [this, t](int index) {
            RunGuarded([&] {
                if (t == 1) Toolbar1_ButtonClick(index);
                else if (t == 2) Toolbar2_ButtonClick(index);
                else Toolbar3_ButtonClick(index);
            });
        };
        strip->onMouseMove = [this, t](int buttons, int x, int y) {
            RunGuarded([&] {
                const float tx = float(Twips(x)), ty = float(Twips(y));
                if (t == 1) Toolbar1_MouseMove(buttons, tx, ty);
                else if (t == 2) Toolbar2_MouseMove(buttons, tx, ty);
                else Toolbar3_MouseMove(buttons, tx, ty);
            });
        };
    }
}

void frmF1::Toolbar1_ButtonClick(int Index) { RunToolButton(1, Index); }
void frmF1::Toolbar2_ButtonClick(int Index) { RunToolButton(2, Index); }
void frmF1::Toolbar3_ButtonClick(int Index) { RunToolButton(3, Index); }

void frmF1::Toolbar1_MouseMove(int, float x, float y) { ShowToolHint(1, x, y); }
void frmF1::Toolbar2_MouseMove(int, float x, float y) { ShowToolHint(2, x, y); }
void frmF1::Toolbar3_MouseMove(int, float x, float y) { ShowToolHint(3, x, y); }

// A button runs its menu item's handler exactly as the menu does (also when
// the menu item itself is disabled), or acts by itself; a separator or an
// index without a row does nothing.
void frmF1::RunToolButton(int toolbar, int Index) {
    for (const ToolRow& row : ToolbarTable(toolbar)) {
        if (row.index != Index) continue;
        switch (row.action) {
        case ToolAction::None: return;
        case ToolAction::Menu:
            if (QAction* item = MenuItem(row.menuItem)) emit item->triggered(false);
            return;
        case ToolAction::Projection: SetProjection(row.value); return;
        case ToolAction::Model: SetGraphModel(false, row.value); return;
        case ToolAction::Smoothness: SetGraphModel(true, row.value); return;
        }
    }
}

// The status hint: a position within the toolbar's thickness (strictly)
// names the push button strictly containing it along the toolbar, or
// "就绪"; a position outside the thickness writes nothing. Enabled or not.
void frmF1::ShowToolHint(int toolbar, float x, float y) {
    ToolStrip* strip = toolbar == 1 ? Toolbar1 : toolbar == 2 ? Toolbar2 : Toolbar3;
    const double top = Twips(strip->y()), left = Twips(strip->x());
    const double height = Twips(strip->height()), width = Twips(strip->width());
    if (toolbar == 1 && !(top < y && y < top + height)) return;
    if (toolbar == 2 && !(top < y + Twips(Toolbar1->height()) && y + Twips(Toolbar1->height()) < top + height)) return;
    if (toolbar == 3 && !(left < x + left && x + left < left + width)) return;
    std::string text = "就绪";
    for (const ToolRow& row : ToolbarTable(toolbar)) {
        if (row.action == ToolAction::None) continue;
        const QRect r = strip->ButtonRect(row.index);
        const bool inside = toolbar == 3 ? Twips(r.top()) < y && y < Twips(r.top() + r.height())
                                         : Twips(r.left()) < x && x < Twips(r.left() + r.width());
        if (inside) {
            text = row.hint;
            break;
        }
    }
    StatusBar1->setText(ToQString(text));
}

// The projection buttons: the camera applies the type at every redraw, so
// the lists stay as they are.
void frmF1::SetProjection(std::int32_t type) {
    Camera.ProjectType = type;
    Display(CurrentFrame);
}

// The model and smoothness buttons act on the graph of the list's current
// row, which must be ticked; with nothing in view they do nothing at all.
void frmF1::SetGraphModel(bool smoothness, std::int32_t value) {
    if (VisibleScene.FunSurfs.Count() < 1) return;
    const int row = List1->ListIndex();
    if (row < 0 || !List1->Ticked(row)) {
        MsgBox("请首先选定一个函数项。", MsgIcon::Exclamation, NoticeTitle);
        return;
    }
    const std::int32_t id = DocumentScene.FunSurfs.Item(row + 1)->ID;
    for (const auto& e : VisibleScene.FunSurfs) {
        if (e.graph->ID != id) continue;
        (smoothness ? e.graph->Smoothness : e.graph->Show) = value;
        break;
    }
    BuildDisplayLists();
    Display(CurrentFrame);
}
