#include "app/MenuTable.h"

#include "app/frmF1.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <vector>

// The menu bar's menus in order, then the two hidden popups. The entries of
// mnuDemo come from the sample menu's table (app/SampleMenu.h).
const std::vector<MenuRow>& MenuTree() {
    static const std::vector<MenuRow> rows{
        {0, MenuKind::Bar, "File", "文件", nullptr, nullptr},
        {1, MenuKind::Submenu, "mnuFileNew", "新建", nullptr, nullptr},
        {2, MenuKind::Item, "mnuFileNew2D", "二维图形", nullptr, &frmF1::mnuFileNew2D_Click},
        {2, MenuKind::Item, "mnuFileNew25D", "二维半图形", nullptr, &frmF1::mnuFileNew25D_Click},
        {2, MenuKind::Item, "mnuFileNew3D", "三维图形", nullptr, &frmF1::mnuFileNew3D_Click},
        {2, MenuKind::Item, "mnuFileSpe", "特殊图形", nullptr, &frmF1::mnuFileSpe_Click},
        {1, MenuKind::Item, "mnuFileOpen", "打开...", "Ctrl+O", &frmF1::mnuFileOpen_Click},
        {1, MenuKind::Item, "mnuFileSave", "保存", "Ctrl+S", &frmF1::mnuFileSave_Click},
        {1, MenuKind::Item, "mnuFileSaveAs", "另存为...", nullptr, &frmF1::mnuFileSaveAs_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuFileSaveAVI", "保存动画为AVI文件", nullptr, &frmF1::mnuFileSaveAVI_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuFilePrint", "打印...", "Ctrl+P", &frmF1::mnuFilePrint_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuFileExit", "退出", "Ctrl+X", &frmF1::mnuFileExit_Click},
        {0, MenuKind::Bar, "mnuEdit", "编辑", nullptr, nullptr},
        {1, MenuKind::Item, "mnuEditCut", "剪切", nullptr, &frmF1::mnuEditCut_Click},
        {1, MenuKind::Item, "mnuEditCopy", "复制", nullptr, &frmF1::mnuEditCopy_Click},
        {1, MenuKind::Item, "mnuEditCopyAs", "按位图复制", nullptr, &frmF1::mnuEditCopyAs_Click},
        {1, MenuKind::Item, "mnuEditPaste", "粘贴", nullptr, &frmF1::mnuEditPaste_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuEditDelete", "删除", nullptr, &frmF1::mnuEditDelete_Click},
        {1, MenuKind::Item, "mnuEditDelAll", "全部删除", nullptr, &frmF1::mnuEditDelAll_Click},
        {0, MenuKind::Bar, "mnuView", "视图", nullptr, nullptr},
        {1, MenuKind::Item, "mnuViewMove", "平移", "F7", &frmF1::mnuViewMove_Click},
        {1, MenuKind::Item, "mnuViewZoom", "缩小或放大", "F8", &frmF1::mnuViewZoom_Click},
        {1, MenuKind::Item, "mnuViewFit", "缩放到合适大小", nullptr, &frmF1::mnuViewFit_Click},
        {1, MenuKind::Item, "mnuViewRotX", "绕X轴旋转", nullptr, &frmF1::mnuViewRotX_Click},
        {1, MenuKind::Item, "mnuViewRotY", "绕Y轴旋转", nullptr, &frmF1::mnuViewRotY_Click},
        {1, MenuKind::Item, "mnuViewRotZ", "绕Z轴旋转", nullptr, &frmF1::mnuViewRotZ_Click},
        {1, MenuKind::Item, "mnuViewRotate", "任意旋转", nullptr, &frmF1::mnuViewRotate_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuViewFront", "前视图", nullptr, &frmF1::mnuViewFront_Click},
        {1, MenuKind::Item, "mnuViewRight", "右视图", nullptr, &frmF1::mnuViewRight_Click},
        {1, MenuKind::Item, "mnuViewTop", "上视图", nullptr, &frmF1::mnuViewTop_Click},
        {1, MenuKind::Item, "mnuViewISO", "ISO视图", nullptr, &frmF1::mnuViewISO_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuViewSet", "设置...", nullptr, &frmF1::mnuViewSet_Click},
        {0, MenuKind::Bar, "mnuDraw", "绘制", nullptr, nullptr},
        {1, MenuKind::Item, "mnuDrawPoint", "点", nullptr, &frmF1::mnuDrawPoint_Click},
        {1, MenuKind::Submenu, "mnuDrawFun2D", "二维函数图形", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDraw2DCart", "直角坐标", nullptr, &frmF1::mnuDraw2DCart_Click},
        {2, MenuKind::Item, "mnuDraw2DPolar", "极坐标", nullptr, &frmF1::mnuDraw2DPolar_Click},
        {1, MenuKind::Submenu, "mnuDraw25d", "二维半函数图形", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDraw25DCart", "直角坐标", nullptr, &frmF1::mnuDraw25DCart_Click},
        {2, MenuKind::Item, "mnuDraw25DPolar", "极坐标", nullptr, &frmF1::mnuDraw25DPolar_Click},
        {1, MenuKind::Submenu, "mnuDrawFun3D", "三维函数图形", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDraw3DCart", "直角坐标", nullptr, &frmF1::mnuDraw3DCart_Click},
        {2, MenuKind::Item, "mnuDraw3DCyl", "柱面坐标", nullptr, &frmF1::mnuDraw3DCyl_Click},
        {2, MenuKind::Item, "mnuDraw3DSph", "球面坐标", nullptr, &frmF1::mnuDraw3DSph_Click},
        {1, MenuKind::Submenu, "mnuDrawTab", "表数据图形", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDrawTab2D", "二维", nullptr, &frmF1::mnuDrawTab2D_Click},
        {2, MenuKind::Item, "mnuDrawTab25D", "二维半", nullptr, &frmF1::mnuDrawTab25D_Click},
        {2, MenuKind::Item, "mnuDrawTab3D", "三维", nullptr, &frmF1::mnuDrawTab3D_Click},
        {1, MenuKind::Submenu, "mnuDrawSpe", "特殊图形", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDrawStep", "阶梯图", nullptr, &frmF1::mnuDrawStep_Click},
        {2, MenuKind::Item, "mnuDrawHcg", "火柴杆图", nullptr, &frmF1::mnuDrawHcg_Click},
        {1, MenuKind::Submenu, "mnuDrawAdv", "高级图形", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDrawColor", "色谱图", nullptr, &frmF1::mnuDrawColor_Click},
        {2, MenuKind::Item, "mnuDrawCon", "等值线图", nullptr, &frmF1::mnuDrawCon_Click},
        {2, MenuKind::Item, "mnuDrawVector", "矢量图", nullptr, &frmF1::mnuDrawVector_Click},
        {1, MenuKind::Item, "mnuDrawIP", "相交", nullptr, &frmF1::mnuDrawIP_Click},
        {1, MenuKind::Item, "mnuDrawRV", "旋转曲面", nullptr, &frmF1::mnuDrawRV_Click},
        {1, MenuKind::Submenu, "mnuDrawVec", "矢量", nullptr, nullptr},
        {2, MenuKind::Item, "mnuDrawVecGraph", "矢量及其属性", nullptr, &frmF1::mnuDrawVecGraph_Click},
        {2, MenuKind::Item, "mnuDrawVecOp", "矢量运算", nullptr, &frmF1::mnuDrawVecOp_Click},
        {1, MenuKind::Item, "mnuDrawLimit", "极限", nullptr, &frmF1::mnuDrawLimit_Click},
        {1, MenuKind::Item, "mnuDrawSeries", "级数", nullptr, &frmF1::mnuDrawSeries_Click},
        {1, MenuKind::Item, "mnuDrawODE", "常微分方程", nullptr, &frmF1::mnuDrawODE_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuDrawAxis", "坐标系...", nullptr, &frmF1::mnuDrawAxis_Click},
        {1, MenuKind::Item, "mnuDrawLight", "光照...", nullptr, &frmF1::mnuDrawLight_Click},
        {0, MenuKind::Bar, "mnuAni", "动画", nullptr, nullptr},
        {1, MenuKind::Item, "mnuAniPoint", "点动画", nullptr, &frmF1::mnuAniPoint_Click},
        {1, MenuKind::Submenu, "mnuAni2DCur", "二维动画", nullptr, nullptr},
        {2, MenuKind::Item, "mnuAniCur2DCart", "直角坐标", nullptr, &frmF1::mnuAniCur2DCart_Click},
        {2, MenuKind::Item, "mnuAniCur2DPol", "极坐标", nullptr, &frmF1::mnuAniCur2DPol_Click},
        {1, MenuKind::Submenu, "mnuAniCur25D", "二维半动画", nullptr, nullptr},
        {2, MenuKind::Item, "mnuAni25DCurCart", "直角坐标", nullptr, &frmF1::mnuAni25DCurCart_Click},
        {2, MenuKind::Item, "mnuAni25DCurPol", "极坐标", nullptr, &frmF1::mnuAni25DCurPol_Click},
        {1, MenuKind::Submenu, "mnuAniSur", "三维动画", nullptr, nullptr},
        {2, MenuKind::Item, "mnuAniSurCart", "直角坐标", nullptr, &frmF1::mnuAniSurCart_Click},
        {2, MenuKind::Item, "mnuAniSurCyl", "柱面坐标", nullptr, &frmF1::mnuAniSurCyl_Click},
        {2, MenuKind::Item, "mnuAniSurSph", "球面坐标", nullptr, &frmF1::mnuAniSurSph_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuAniStartb", "开始", nullptr, &frmF1::mnuAniStartb_Click},
        {1, MenuKind::Item, "mnuAniPause", "暂停", nullptr, &frmF1::mnuAniPause_Click},
        {1, MenuKind::Item, "mnuAniStop", "停止", nullptr, &frmF1::mnuAniStop_Click},
        {1, MenuKind::Item, "mnuAniFirst", "第一帧", nullptr, &frmF1::mnuAniFirst_Click},
        {1, MenuKind::Item, "mnuAniPre", "前一帧", nullptr, &frmF1::mnuAniPre_Click},
        {1, MenuKind::Item, "mnuAniNext", "后一帧", nullptr, &frmF1::mnuAniNext_Click},
        {1, MenuKind::Item, "mnuAniLast", "最后一帧", nullptr, &frmF1::mnuAniLast_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuAniNormal", "正常模式", nullptr, &frmF1::mnuAniNormal_Click},
        {1, MenuKind::Item, "mnuAniRev", "反向模式", nullptr, &frmF1::mnuAniRev_Click},
        {1, MenuKind::Item, "mnuAniRepeat", "正向循环模式", nullptr, &frmF1::mnuAniRepeat_Click},
        {1, MenuKind::Item, "mnuAniRevRepeat", "反向循环模式", nullptr, &frmF1::mnuAniRevRepeat_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuAniOpt", "选项...", nullptr, &frmF1::mnuAniOpt_Click},
        {0, MenuKind::Bar, "mnuTool", "工具", nullptr, nullptr},
        {1, MenuKind::Item, "mnuToolCal", "表达式计算器", nullptr, &frmF1::mnuToolCal_Click},
        {0, MenuKind::Bar, "mnuDemo", "演示", nullptr, nullptr},
        {0, MenuKind::Bar, "mnuHelp", "帮助", nullptr, nullptr},
        {1, MenuKind::Item, "mnuHelpCon", "内容...", nullptr, &frmF1::mnuHelpCon_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuHelpHome", "主页", nullptr, &frmF1::mnuHelpHome_Click},
        {1, MenuKind::Item, "mnuHelpCus", "支持", nullptr, &frmF1::mnuHelpCus_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuHelpAbout", "关于...", nullptr, &frmF1::mnuHelpAbout_Click},
        {0, MenuKind::Popup, "FunEdit", "FunEdit", nullptr, nullptr},
        {1, MenuKind::Item, "mnuFunEdit", "编辑...", nullptr, &frmF1::mnuFunEdit_Click},
        {1, MenuKind::Item, "mnuFunCut", "剪切", nullptr, &frmF1::mnuFunCut_Click},
        {1, MenuKind::Item, "mnuFunCopy", "复制", nullptr, &frmF1::mnuFunCopy_Click},
        {1, MenuKind::Item, "mnuFunDelete", "删除", nullptr, &frmF1::mnuFunDelete_Click},
        {0, MenuKind::Popup, "GraphEdit", "GraphEdit", nullptr, nullptr},
        {1, MenuKind::Item, "mnuGraphPaste", "粘贴", nullptr, &frmF1::mnuGraphPaste_Click},
        {1, MenuKind::Item, "mnuGraphCopyAs", "按位图复制", nullptr, &frmF1::mnuGraphCopyAs_Click},
        {1, MenuKind::Item, "mnuGraphDelAll", "全部删除", nullptr, &frmF1::mnuGraphDelAll_Click},
        {1, MenuKind::Separator, nullptr, nullptr, nullptr, nullptr},
        {1, MenuKind::Item, "mnuGraphAxis", "坐标系...", nullptr, &frmF1::mnuGraphAxis_Click},
        {1, MenuKind::Item, "mnuGraphLight", "光照...", nullptr, &frmF1::mnuGraphLight_Click},
    };
    return rows;
}

// Builds the menu bar and the popups from the table; every item's and
// submenu's action is named after its control.
void frmF1::CreateMenus() {
    std::vector<QMenu*> open; // the menu of each level being filled
    for (const MenuRow& row : MenuTree()) {
        open.resize(static_cast<std::size_t>(row.level));
        QMenu* parent = open.empty() ? nullptr : open.back();
        switch (row.kind) {
        case MenuKind::Bar:
        case MenuKind::Popup:
        case MenuKind::Submenu: {
            QMenu* m = row.kind == MenuKind::Bar       ? menuBar()->addMenu(ToQString(row.caption))
                       : row.kind == MenuKind::Popup ? new QMenu(ToQString(row.caption), this)
                                                     : parent->addMenu(ToQString(row.caption));
            m->setObjectName(QString::fromLatin1(row.name));
            m->menuAction()->setObjectName(QString::fromLatin1(row.name));
            menuItems_[row.name] = m->menuAction();
            open.push_back(m);
            if (row.kind == MenuKind::Popup) (std::string(row.name) == "FunEdit" ? FunEdit : GraphEdit) = m;
            break;
        }
        case MenuKind::Separator: parent->addSeparator(); break;
        case MenuKind::Item: {
            QAction* a = parent->addAction(ToQString(row.caption));
            a->setObjectName(QString::fromLatin1(row.name));
            if (row.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            const auto handler = row.handler;
            connect(a, &QAction::triggered, this, [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
            menuItems_[row.name] = a;
            break;
        }
        }
    }
    CreateSampleMenu(menuItems_["mnuDemo"]->menu());
}

QAction* frmF1::MenuItem(const std::string& name) const {
    const auto it = menuItems_.find(name);
    return it == menuItems_.end() ? nullptr : it->second;
}
