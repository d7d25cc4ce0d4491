// The main window as a user meets it: start-up, the menu tree, the toolbars
// and their hints, the splitter bars, the model and projection buttons, the
// close, and errors of a handler. Messages, the document commands and the file
// association are scripted.
#include "app/frmF1.h"
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "dialogs/frmF8.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "platform/SplitterBar.h"
#include "platform/ToolStrip.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/ScriptedDocuments.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int H = 360; // toolbar height in twips

using MainWindowTest = MainWindowFixture;

// How many of the text box's lines, from the first, it shows whole.
int ShownLines(const QPlainTextEdit& box) {
    int shown = 0;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        const QRect r = box.cursorRect(QTextCursor(b));
        if (r.top() < 0 || r.bottom() > box.viewport()->height()) break;
        ++shown;
    }
    return shown;
}

TEST_F(MainWindowTest, StartsWithoutArgumentsAsAnEmptyPlaneDocument) {
    // Values the load step must set, whatever they were.
    FrameCount = 3;
    FramesPerSecond = 4;
    GraphIDCounter = 7;
    IsEditing = true;
    AxesChanged = true;
    RotationMode = 2;
    ViewMaxX = 9;
    Axes.BetterFonts = true;
    frmF1& w = Start();
    W().grab().save(RunFile("vexilon_mainwindow.png"));

    EXPECT_EQ(DocumentKind, 1);
    EXPECT_EQ(FrameCount, 10);
    EXPECT_EQ(FramesPerSecond, 10);
    EXPECT_EQ(CurrentFrame, 1);
    EXPECT_EQ(w.PlayMode, 1);
    EXPECT_EQ(w.Timer1->interval(), 100);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(GraphIDCounter, 0);
    EXPECT_FALSE(IsEditing);
    EXPECT_FALSE(AxesChanged);
    EXPECT_EQ(RotationMode, 0);
    EXPECT_EQ(ViewMaxX, 500);
    EXPECT_TRUE(Axes.Show);
    EXPECT_FALSE(Axes.BetterFonts);
    EXPECT_FALSE(w.TrackballActive);
    EXPECT_EQ(w.ViewQuat, (Vec4{0, 0, 0, 1}));
    EXPECT_EQ(association.writes, 1);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_TRUE(documents.opened.empty());
    EXPECT_EQ(w.List1->ListCount(), 0);
    EXPECT_EQ(w.List1->ListIndex(), -1);
    EXPECT_TRUE(w.Result->isReadOnly());
    EXPECT_EQ(Panel(), "");
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vexilon"));

    // The designed layout: two toolbars of 360 twips, the left column 5220
    // wide, the horizontal bar where the result pane below it shows eight
    // lines of its font.
    Result().SetText("");
    for (int k = 1; k <= 12; ++k) AppendResultLine("    根: x=" + std::to_string(k) + ",y=0");
    QCoreApplication::processEvents();
    EXPECT_GE(ShownLines(*w.Result), 8);
    EXPECT_LE(ShownLines(*w.Result), 9);
    Result().SetText("");
    EXPECT_EQ(w.SplitterLeft(), 5220);
    EXPECT_EQ(w.Toolbar1->geometry(), QRect(0, 0, w.centralWidget()->width(), 24));
    EXPECT_EQ(w.Toolbar2->y(), 24);
    EXPECT_EQ(w.List1->geometry().topLeft(), QPoint(0, 48));
    EXPECT_EQ(w.List1->width(), 348);
    EXPECT_EQ(w.picDraw()->x(), 352);
    EXPECT_EQ(w.Toolbar3->x() + w.Toolbar3->width(), w.centralWidget()->width());
    EXPECT_EQ(w.StatusBar1->y() + w.StatusBar1->height(), w.centralWidget()->height());
}

TEST_F(MainWindowTest, CommandLineDocumentOrPlaneDocument) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/vexilon doc XXXXXX.pgp"));
    ASSERT_TRUE(file.open());
    file.write("x");
    file.close();
    const std::string readable = ToStdString(file.fileName());

    struct Case {
        const char* what;
        std::string path;
        int openAnswer;            // -1: the seam is not asked
        std::string message;       // the window's own message, if any
        std::int32_t kind;
    };
    const Case cases[] = {
        {"missing file, blanks kept", "/no/such dir/a b.pgp", -1, "无法打开文件：/no/such dir/a b.pgp", 1},
        {"a folder", "/tmp", -1, "无法打开文件：/tmp", 1},
        {"refused by the reader", readable, 0, "", 1},
        {"opened", readable, 1, "", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        documents.opened.clear();
        DocumentKind = 0;
        if (c.openAnswer >= 0) documents.AnswerOpen(c.openAnswer == 1);
        // What the reader does with a space document.
        documents.onOpen = [](frmF1&) { DocumentKind = 3; };
        Start(ToQString(c.path));
        if (c.message.empty()) {
            EXPECT_EQ(box.Count(), 0u);
        } else {
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().text, c.message);
            EXPECT_EQ(box.Last().title, "出错");
            EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
        }
        if (c.openAnswer < 0) EXPECT_TRUE(documents.opened.empty());
        else EXPECT_EQ(documents.opened, std::vector<std::string>{c.path});
        EXPECT_EQ(DocumentKind, c.kind);
    }
}

// The menu tree as the menu bar and the two hidden popups show it: level,
// control name, caption and shortcut, separators as "-".
TEST_F(MainWindowTest, MenuTree) {
    const std::vector<std::string> expected{
        "0 File 文件",
        "1 mnuFileNew 新建",
        "2 mnuFileNew2D 二维图形",
        "2 mnuFileNew25D 二维半图形",
        "2 mnuFileNew3D 三维图形",
        "2 mnuFileSpe 特殊图形",
        "1 mnuFileOpen 打开... Ctrl+O",
        "1 mnuFileSave 保存 Ctrl+S",
        "1 mnuFileSaveAs 另存为...",
        "1 -",
        "1 mnuFileSaveAVI 保存动画为AVI文件",
        "1 -",
        "1 mnuFilePrint 打印... Ctrl+P",
        "1 -",
        "1 mnuFileExit 退出 Ctrl+X",
        "0 mnuEdit 编辑",
        "1 mnuEditCut 剪切",
        "1 mnuEditCopy 复制",
        "1 mnuEditCopyAs 按位图复制",
        "1 mnuEditPaste 粘贴",
        "1 -",
        "1 mnuEditDelete 删除",
        "1 mnuEditDelAll 全部删除",
        "0 mnuView 视图",
        "1 mnuViewMove 平移 F7",
        "1 mnuViewZoom 缩小或放大 F8",
        "1 mnuViewFit 缩放到合适大小",
        "1 mnuViewRotX 绕X轴旋转",
        "1 mnuViewRotY 绕Y轴旋转",
        "1 mnuViewRotZ 绕Z轴旋转",
        "1 mnuViewRotate 任意旋转",
        "1 -",
        "1 mnuViewFront 前视图",
        "1 mnuViewRight 右视图",
        "1 mnuViewTop 上视图",
        "1 mnuViewISO ISO视图",
        "1 -",
        "1 mnuViewSet 设置...",
        "0 mnuDraw 绘制",
        "1 mnuDrawPoint 点",
        "1 mnuDrawFun2D 二维函数图形",
        "2 mnuDraw2DCart 直角坐标",
        "2 mnuDraw2DPolar 极坐标",
        "1 mnuDraw25d 二维半函数图形",
        "2 mnuDraw25DCart 直角坐标",
        "2 mnuDraw25DPolar 极坐标",
        "1 mnuDrawFun3D 三维函数图形",
        "2 mnuDraw3DCart 直角坐标",
        "2 mnuDraw3DCyl 柱面坐标",
        "2 mnuDraw3DSph 球面坐标",
        "1 mnuDrawTab 表数据图形",
        "2 mnuDrawTab2D 二维",
        "2 mnuDrawTab25D 二维半",
        "2 mnuDrawTab3D 三维",
        "1 mnuDrawSpe 特殊图形",
        "2 mnuDrawStep 阶梯图",
        "2 mnuDrawHcg 火柴杆图",
        "1 mnuDrawAdv 高级图形",
        "2 mnuDrawColor 色谱图",
        "2 mnuDrawCon 等值线图",
        "2 mnuDrawVector 矢量图",
        "1 mnuDrawIP 相交",
        "1 mnuDrawRV 旋转曲面",
        "1 mnuDrawVec 矢量",
        "2 mnuDrawVecGraph 矢量及其属性",
        "2 mnuDrawVecOp 矢量运算",
        "1 mnuDrawLimit 极限",
        "1 mnuDrawSeries 级数",
        "1 mnuDrawODE 常微分方程",
        "1 -",
        "1 mnuDrawAxis 坐标系...",
        "1 mnuDrawLight 光照...",
        "0 mnuAni 动画",
        "1 mnuAniPoint 点动画",
        "1 mnuAni2DCur 二维动画",
        "2 mnuAniCur2DCart 直角坐标",
        "2 mnuAniCur2DPol 极坐标",
        "1 mnuAniCur25D 二维半动画",
        "2 mnuAni25DCurCart 直角坐标",
        "2 mnuAni25DCurPol 极坐标",
        "1 mnuAniSur 三维动画",
        "2 mnuAniSurCart 直角坐标",
        "2 mnuAniSurCyl 柱面坐标",
        "2 mnuAniSurSph 球面坐标",
        "1 -",
        "1 mnuAniStartb 开始",
        "1 mnuAniPause 暂停",
        "1 mnuAniStop 停止",
        "1 mnuAniFirst 第一帧",
        "1 mnuAniPre 前一帧",
        "1 mnuAniNext 后一帧",
        "1 mnuAniLast 最后一帧",
        "1 -",
        "1 mnuAniNormal 正常模式",
        "1 mnuAniRev 反向模式",
        "1 mnuAniRepeat 正向循环模式",
        "1 mnuAniRevRepeat 反向循环模式",
        "1 -",
        "1 mnuAniOpt 选项...",
        "0 mnuTool 工具",
        "1 mnuToolCal 表达式计算器",
        "0 mnuDemo 演示",
        "0 mnuHelp 帮助",
        "1 mnuHelpCon 内容...",
        "1 -",
        "1 mnuHelpHome 主页",
        "1 mnuHelpCus 支持",
        "1 -",
        "1 mnuHelpAbout 关于...",
        "0 FunEdit FunEdit",
        "1 mnuFunEdit 编辑...",
        "1 mnuFunCut 剪切",
        "1 mnuFunCopy 复制",
        "1 mnuFunDelete 删除",
        "0 GraphEdit GraphEdit",
        "1 mnuGraphPaste 粘贴",
        "1 mnuGraphCopyAs 按位图复制",
        "1 mnuGraphDelAll 全部删除",
        "1 -",
        "1 mnuGraphAxis 坐标系...",
        "1 mnuGraphLight 光照...",
    };
    frmF1& w = Start();
    std::vector<std::string> shown;
    std::function<void(QMenu*, int)> walk = [&](QMenu* m, int level) {
        for (QAction* a : m->actions()) {
            QString line = QString::number(level);
            if (a->isSeparator()) {
                shown.push_back(ToStdString(line + QStringLiteral(" -")));
                continue;
            }
            line += QLatin1Char(' ') + a->objectName() + QLatin1Char(' ') + a->text();
            if (!a->shortcut().isEmpty()) line += QLatin1Char(' ') + a->shortcut().toString(QKeySequence::PortableText);
            shown.push_back(ToStdString(line));
            if (a->menu()) walk(a->menu(), level + 1);
        }
    };
    for (QAction* top : w.menuBar()->actions()) {
        shown.push_back("0 " + ToStdString(top->objectName()) + " " + ToStdString(top->text()));
        // The entries of 演示 are checked by the sample documents' tests.
        if (top->objectName() != QStringLiteral("mnuDemo")) walk(top->menu(), 1);
    }
    for (QMenu* popup : {w.FunEdit, w.GraphEdit}) {
        ASSERT_NE(popup, nullptr);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_FALSE(w.menuBar()->actions().contains(popup->menuAction()));
        shown.push_back("0 " + ToStdString(popup->objectName()) + " " + ToStdString(popup->title()));
        walk(popup, 1);
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(MainWindowTest, CtrlXExitsAlsoFromTheResultPane) {
    frmF1& w = Start();
    w.activateWindow();
    w.Result->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Result->hasFocus(); }, 2000));
    QTest::keyClick(w.Result, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000));
    EXPECT_EQ(box.Count(), 0u);
}

struct ToolButton {
    int toolbar;
    int index;
    const char* key;
    const char* tooltip;
    const char* hint;
    const char* menuItem; // nullptr: the button acts by itself
};
const ToolButton Buttons[] = {
    {1, 2, "barNew2D", "创建新的二维图形", "创建新的二维图形", "mnuFileNew2D"},
    {1, 3, "barNew25D", "创建新的二维半图形", "创建新的二维半图形", "mnuFileNew25D"},
    {1, 4, "barNew3D", "创建新的三维图形", "创建新的三维图形", "mnuFileNew3D"},
    {1, 5, "barNewSpe", "创建新的特殊图形", "创建新的特殊图形", "mnuFileSpe"},
    {1, 7, "barOpen", "打开", "打开", "mnuFileOpen"},
    {1, 8, "barSave", "保存", "保存", "mnuFileSave"},
    {1, 9, "barSaveAs", "另存为", "另存为", "mnuFileSaveAs"},
    {1, 11, "barPrint", "打印", "打印", "mnuFilePrint"},
    {1, 13, "barCut", "剪切", "剪切", "mnuEditCut"},
    {1, 14, "barCopy", "复制", "复制", "mnuEditCopy"},
    {1, 15, "barCopyAs", "按位图复制", "按位图复制", "mnuEditCopyAs"},
    {1, 16, "barPaste", "粘贴", "粘贴", "mnuEditPaste"},
    {1, 17, "varDel", "删除", "删除", "mnuEditDelete"},
    {1, 19, "barHelp", "帮助", "帮助", "mnuHelpCon"},
    {1, 22, "barAnimPoints", "添加新的点动画", "添加点动画", "mnuAniPoint"},
    {1, 23, "barAnim2DCart", "添加新的二维直角坐标函数图形动画", "添加二维直角坐标函数图形动画", "mnuAniCur2DCart"},
    {1, 24, "barAnim2DPolar", "添加新的二维极坐标函数图形动画", "添加二维极坐标函数图形动画", "mnuAniCur2DPol"},
    {1, 26, "barAnim25DCart", "添加新的二维半直角坐标函数图形动画", "添加二维半直角坐标函数图形动画", "mnuAni25DCurCart"},
    {1, 27, "barAnim25DPolar", "添加新的二维半极坐标函数图形动画", "添加二维半极坐标函数图形动画", "mnuAni25DCurPol"},
    {1, 29, "barAnim3DCart", "添加新的三维直角坐标函数图形动画", "添加三维直角坐标函数图形动画", "mnuAniSurCart"},
    {1, 30, "barAnim3DCyl", "添加新的三维柱面坐标函数图形动画", "添加三维柱面坐标函数图形动画", "mnuAniSurCyl"},
    {1, 31, "barAnim3DSph", "添加新的三维球面坐标函数图形动画", "添加三维球面坐标函数图形动画", "mnuAniSurSph"},
    {1, 33, "barAnimStart", "开始", "开始", "mnuAniStartb"},
    {1, 34, "barAnimPause", "暂停", "暂停", "mnuAniPause"},
    {1, 35, "barAnimStop", "停止", "停止", "mnuAniStop"},
    {1, 36, "barAnimFirst", "第一帧", "第一帧", "mnuAniFirst"},
    {1, 37, "barAnimPre", "前一帧", "前一帧", "mnuAniPre"},
    {1, 38, "barAnimNext", "后一帧", "后一帧", "mnuAniNext"},
    {1, 39, "barAnimLast", "最后一帧", "最后一帧", "mnuAniLast"},
    {1, 40, "barAnimNormal", "正常模式", "正常模式", "mnuAniNormal"},
    {1, 41, "barAnimRev", "反向模式", "反向模式", "mnuAniRev"},
    {1, 42, "barAnimNormalRepeat", "正向循环模式", "正向循环模式", "mnuAniRepeat"},
    {1, 43, "barAnimRevRepeat", "反向循环模式", "反向循环模式", "mnuAniRevRepeat"},
    {2, 2, "barPoints", "添加点", "添加点", "mnuDrawPoint"},
    {2, 3, "barFun2DCart", "添加二维直角坐标函数图形", "添加二维直角坐标函数图形", "mnuDraw2DCart"},
    {2, 4, "barFun2DPolar", "添加二维极坐标函数图形", "添加二维极坐标函数图形", "mnuDraw2DPolar"},
    {2, 6, "barFun25DCart", "添加二维半直角坐标函数图形", "添加二维半直角坐标函数图形", "mnuDraw25DCart"},
    {2, 7, "barFun25DPolar", "添加二维半极坐标函数图形", "添加二维半极坐标函数图形", "mnuDraw25DPolar"},
    {2, 9, "barFun3DCart", "添加三维直角坐标函数图形", "添加三维直角坐标函数图形", "mnuDraw3DCart"},
    {2, 10, "barFun3DCyl", "添加三维柱面坐标函数图形", "添加三维柱面坐标函数图形", "mnuDraw3DCyl"},
    {2, 11, "barFun3DSph", "添加三维球面坐标函数图形", "添加三维球面坐标函数图形", "mnuDraw3DSph"},
    {2, 13, "barColormap", "添加色谱图", "添加色谱图", "mnuDrawColor"},
    {2, 14, "barContour", "添加等值线图", "添加等值线图", "mnuDrawCon"},
    {2, 15, "barVectorPlot", "添加矢量图", "添加矢量图", "mnuDrawVector"},
    {2, 17, "barTab2", "添加二维表数据图形", "添加二维表数据图形", "mnuDrawTab2D"},
    {2, 18, "barTab25", "添加二维半表数据图形", "添加二维半表数据图形", "mnuDrawTab25D"},
    {2, 19, "barTab3", "添加三维表数据图形", "添加三维表数据图形", "mnuDrawTab3D"},
    {2, 21, "barInter", "相交", "二维曲线相交", "mnuDrawIP"},
    {2, 22, "barLimit", "极限", "极限的图形", "mnuDrawLimit"},
    {2, 23, "barODE", "常微分方程", "常微分方程的图形", "mnuDrawODE"},
    {2, 24, "barSeries", "级数", "级数的图形", "mnuDrawSeries"},
    {2, 26, "barStep", "添加阶梯图", "添加阶梯图", "mnuDrawStep"},
    {2, 27, "barStem", "添加火柴杆图", "添加火柴杆图", "mnuDrawHcg"},
    {2, 29, "barSurByRot", "旋转曲面", "旋转曲面", "mnuDrawRV"},
    {2, 30, "barVect", "三维矢量", "三维矢量的图形表示", "mnuDrawVecGraph"},
    {2, 31, "barVectOp", "三维矢量运算", "三维矢量运算的图形表示", "mnuDrawVecOp"},
    {2, 33, "barCoord", "坐标系", "设置坐标系属性", "mnuDrawAxis"},
    {2, 34, "barLight", "光照", "设置光照属性", "mnuDrawLight"},
    {3, 1, "barViewFront", "前视图", "前视图", "mnuViewFront"},
    {3, 2, "barViewRight", "右视图", "右视图", "mnuViewRight"},
    {3, 3, "barViewTop", "上视图", "上视图", "mnuViewTop"},
    {3, 4, "barViewISO", "ISO视图", "ISO视图", "mnuViewISO"},
    {3, 6, "barViewOrtho", "正交投影", "正交投影", nullptr},
    {3, 7, "barViewPer", "透视投影", "透视投影", nullptr},
    {3, 9, "barMove", "平移", "平移", "mnuViewMove"},
    {3, 10, "barZoom", "缩小或放大", "缩小或放大", "mnuViewZoom"},
    {3, 11, "barZoomAll", "缩放到合适大小", "缩放到合适大小", "mnuViewFit"},
    {3, 12, "barRotX", "绕X轴旋转", "绕X轴旋转", "mnuViewRotX"},
    {3, 13, "barRotY", "绕Y轴旋转", "绕Y轴旋转", "mnuViewRotY"},
    {3, 14, "barRotZ", "绕Z轴旋转", "绕Z轴旋转", "mnuViewRotZ"},
    {3, 15, "barTrackBall", "任意旋转", "任意旋转", "mnuViewRotate"},
    {3, 17, "barModelPoint", "顶点模型", "顶点模型", nullptr},
    {3, 18, "barModelGrid", "线框模型", "线框模型", nullptr},
    {3, 19, "barModelSur", "曲面模型", "曲面模型", nullptr},
    {3, 21, "bar3DFlat", "刻面", "刻面", nullptr},
    {3, 22, "bar3DSmooth", "较平滑", "较平滑", nullptr},
    {3, 23, "bar3DSmoothest", "平滑", "平滑", nullptr},
};

// Every button: its index, key, tooltip and hint, and the menu item whose
// handler its click runs; separators fill the other indexes and do nothing.
TEST_F(MainWindowTest, Toolbars) {
    frmF1& w = Start();
    const int counts[3] = {43, 34, 23};
    const QList<QAction*> items = w.findChildren<QAction*>();
    int triggered = 0;
    for (QAction* a : items) QObject::connect(a, &QAction::triggered, [&] { ++triggered; });
    // A command that opens a dialog finds it closed as soon as it is shown.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        for (FormBase* f : FormBase::LoadedForms())
            if (f->isVisible()) f->Unload();
    });
    closer.start(0);

    for (int t = 1; t <= 3; ++t) {
        ASSERT_EQ(Strip(t)->Count(), counts[t - 1]);
        for (int i = 1; i <= counts[t - 1]; ++i) {
            SCOPED_TRACE("Toolbar" + std::to_string(t) + " button " + std::to_string(i));
            const ToolButton* b = nullptr;
            for (const ToolButton& row : Buttons)
                if (row.toolbar == t && row.index == i) b = &row;
            const QPoint centre = Strip(t)->ButtonRect(i).center();
            MoveOver(Strip(t), centre);
            triggered = 0;
            if (!b) {
                EXPECT_TRUE(Strip(t)->IsSeparator(i));
                EXPECT_EQ(Panel(), "就绪");
                Click(t, i);
                EXPECT_EQ(triggered, 0);
                continue;
            }
            EXPECT_FALSE(Strip(t)->IsSeparator(i));
            EXPECT_EQ(ToStdString(Strip(t)->Key(i)), b->key);
            EXPECT_EQ(ToStdString(Strip(t)->ToolTipText(i)), b->tooltip);
            EXPECT_EQ(Panel(), b->hint);
            if (!b->menuItem) continue;
            // The button runs the menu item's handler, enabled or not.
            Strip(t)->SetButtonEnabled(i, true);
            QSignalSpy spy(w.MenuItem(b->menuItem), &QAction::triggered);
            Click(t, i);
            EXPECT_EQ(spy.count(), 1);
            EXPECT_EQ(triggered, 1);
        }
    }
    // A disabled button reports no click.
    w.Toolbar1->SetButtonEnabled(2, false);
    triggered = 0;
    Click(1, 2);
    EXPECT_EQ(triggered, 0);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, StatusHints) {
    frmF1& w = Start();
    ToolStrip* t1 = w.Toolbar1;
    const QRect b5 = t1->ButtonRect(5);
    EXPECT_EQ(Panel(), "");

    MoveOver(t1, b5.center());
    EXPECT_EQ(Panel(), "创建新的特殊图形");
    // On the edge between two buttons: neither contains it.
    MoveOver(t1, QPoint(t1->ButtonRect(4).left(), b5.center().y()));
    EXPECT_EQ(Panel(), "就绪");
    MoveOver(t1, QPoint(t1->ButtonRect(4).left() + 1, b5.center().y()));
    EXPECT_EQ(Panel(), "创建新的三维图形");
    // A separator, and the free part beyond the last button.
    MoveOver(t1, t1->ButtonRect(6).center());
    EXPECT_EQ(Panel(), "就绪");
    MoveOver(t1, b5.center());
    MoveOver(t1, QPoint(t1->ButtonRect(43).right() + 20, b5.center().y()));
    EXPECT_EQ(Panel(), "就绪");
    // Outside the toolbar's thickness (the pointer held down and dragged off
    // it, or on its edge) nothing is written, whatever button lies at that x.
    MoveOver(t1, b5.center());
    Send(t1, QEvent::MouseButtonPress, b5.center(), Qt::LeftButton, Qt::LeftButton);
    MoveOver(t1, QPoint(t1->ButtonRect(2).center().x(), t1->height() + 30), Qt::LeftButton);
    EXPECT_EQ(Panel(), "创建新的特殊图形");
    MoveOver(t1, QPoint(t1->ButtonRect(2).center().x(), 0), Qt::LeftButton);
    EXPECT_EQ(Panel(), "创建新的特殊图形");
    Send(t1, QEvent::MouseButtonRelease, QPoint(0, t1->height() + 30), Qt::LeftButton, Qt::NoButton);
    // A disabled button shows its hint; tooltip and hint may differ.
    t1->SetButtonEnabled(22, false);
    MoveOver(t1, t1->ButtonRect(22).center());
    EXPECT_EQ(Panel(), "添加点动画");

    ToolStrip* t2 = w.Toolbar2;
    MoveOver(t2, t2->ButtonRect(21).center());
    EXPECT_EQ(Panel(), "二维曲线相交");
    MoveOver(t2, t2->ButtonRect(33).center());
    EXPECT_EQ(Panel(), "设置坐标系属性");
    MoveOver(t2, QPoint(t2->ButtonRect(21).center().x(), -1));
    EXPECT_EQ(Panel(), "设置坐标系属性");

    // The upright toolbar: along y, its thickness across x.
    ToolStrip* t3 = w.Toolbar3;
    MoveOver(t3, t3->ButtonRect(18).center());
    EXPECT_EQ(Panel(), "线框模型");
    MoveOver(t3, QPoint(t3->ButtonRect(18).center().x(), t3->ButtonRect(18).top()));
    EXPECT_EQ(Panel(), "就绪");
    MoveOver(t3, t3->ButtonRect(7).center());
    MoveOver(t3, QPoint(-4, t3->ButtonRect(1).center().y()));
    EXPECT_EQ(Panel(), "透视投影");
    MoveOver(t3, QPoint(t3->ButtonRect(1).center().x(), t3->ButtonRect(23).bottom() + 30));
    EXPECT_EQ(Panel(), "就绪");
}

TEST_F(MainWindowTest, SplittersClampAndResizingKeepsThem) {
    frmF1& w = Start();
    const int width = w.centralWidget()->width() * TwipsPerPixel;
    const int height = w.centralWidget()->height() * TwipsPerPixel;

    // While dragged, only the bar moves.
    Send(w.Splitter, QEvent::MouseButtonPress, QPoint(1, 50), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(w.SplitterDrag);
    EXPECT_TRUE(w.Splitter->IsShadowed());
    MoveOver(w.Splitter, QPoint(-1000, 50), Qt::LeftButton);
    EXPECT_LT(w.Splitter->x(), 0);
    EXPECT_EQ(w.List1->width(), 348);
    Send(w.Splitter, QEvent::MouseButtonRelease, QPoint(0, 50), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(w.SplitterDrag);
    EXPECT_FALSE(w.Splitter->IsShadowed());
    EXPECT_EQ(w.SplitterLeft(), 1000);
    EXPECT_EQ(w.Splitter->x(), TwipsToPixels(1000));
    EXPECT_EQ(w.List1->width(), TwipsToPixels(1000));
    EXPECT_EQ(w.Result->width(), TwipsToPixels(1000));
    EXPECT_EQ(w.picDraw()->x(), TwipsToPixels(1060));

    Drag(w.Splitter, QPoint(1, 50), QPoint(2000, 50));
    EXPECT_EQ(w.SplitterLeft(), width - 1000);

    Drag(w.Splitter2, QPoint(50, 1), QPoint(50, -1000));
    EXPECT_EQ(w.Splitter2Top(), 2000);
    EXPECT_EQ(w.Result->y(), TwipsToPixels(2040));
    Drag(w.Splitter2, QPoint(50, 1), QPoint(50, 2000));
    EXPECT_EQ(w.Splitter2Top(), height - 3 * H);

    // Somewhere in between, then the window shrinks and grows: the bars stay,
    // the drawing area and the result pane take up the change.
    Drag(w.Splitter, QPoint(1, 50), QPoint(-500, 50));
    const int left = w.SplitterLeft();
    ASSERT_EQ(left, width - 1000 - 500 * TwipsPerPixel);
    Drag(w.Splitter2, QPoint(50, 1), QPoint(50, -150));
    const int top = w.Splitter2Top();
    const QRect area = w.picDraw()->geometry();
    for (QSize size : {QSize(900, 600), QSize(1100, 750)}) {
        w.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.SplitterLeft(), left);
        EXPECT_EQ(w.Splitter2Top(), top);
        EXPECT_EQ(w.List1->width(), TwipsToPixels(left));
        EXPECT_EQ(w.Splitter2->y(), TwipsToPixels(top));
        EXPECT_EQ(w.picDraw()->x(), area.x());
        EXPECT_EQ(w.picDraw()->width() - area.width(), w.centralWidget()->width() - width / TwipsPerPixel);
    }

    // A window too narrow for both limits: the upper one wins.
    w.resize(120, 700);
    QCoreApplication::processEvents();
    const int narrow = w.centralWidget()->width() * TwipsPerPixel;
    ASSERT_LT(narrow - 1000, 1000);
    Drag(w.Splitter, QPoint(1, 50), QPoint(-500, 50));
    EXPECT_EQ(w.SplitterLeft(), narrow - 1000);
    EXPECT_GE(w.picDraw()->width(), 0);
    w.resize(1000, 200);
    QCoreApplication::processEvents();
    const int low = w.centralWidget()->height() * TwipsPerPixel;
    ASSERT_LT(low - 3 * H, 2000);
    Drag(w.Splitter2, QPoint(50, 1), QPoint(50, -500));
    EXPECT_EQ(w.Splitter2Top(), low - 3 * H);
    EXPECT_EQ(w.Result->height(), TwipsToPixels(3 * H - 60 - 315));
}

TEST_F(MainWindowTest, ModelButtonsActOnTheTickedCurrentRow) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    // An unticked row with nothing in view: no message, nothing changes.
    auto lone = Point(1, 0, 0);
    w.List1->SetTicked(0, false);
    ASSERT_EQ(VisibleScene.FunSurfs.Count(), 0);
    w.List1->SetListIndex(0);
    Click(3, 18);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(lone->Show, 3);

    // Two graphs in view, the current row on the second: only it changes.
    w.DeleteAllGraphs();
    auto first = Point(1, -1, 0);
    auto second = Point(2, 1, 0);
    w.List1->SetListIndex(1);
    Click(3, 18);
    EXPECT_EQ(second->Show, 2);
    EXPECT_EQ(first->Show, 3);
    Click(3, 21);
    EXPECT_EQ(second->Smoothness, 1);
    EXPECT_EQ(first->Smoothness, 3);
    EXPECT_EQ(box.Count(), 0u);

    // The current row unticked while another graph is in view, or no
    // current row: the message, and nothing changes.
    w.List1->SetTicked(1, false);
    for (int row : {1, -1}) {
        w.List1->SetListIndex(row);
        box.Clear();
        Click(3, 17);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "请首先选定一个函数项。");
        EXPECT_EQ(box.Last().title, "注意");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.Last().buttons, MsgButtons::OK);
        EXPECT_EQ(first->Show, 3);
        EXPECT_EQ(second->Show, 2);
    }
}

TEST_F(MainWindowTest, ProjectionButtonsRedrawTheCurrentFrame) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    int paints = 0;
    const std::function<void()> paint = w.picDraw()->onPaint;
    w.picDraw()->onPaint = [&] {
        paint();
        ++paints;
    };
    CurrentFrame = 4;
    for (auto [button, type] : {std::pair{7, 2}, std::pair{6, 1}, std::pair{6, 1}}) {
        paints = 0;
        Click(3, button);
        EXPECT_EQ(Camera.ProjectType, type);
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 2000));
        EXPECT_EQ(CurrentFrame, 4);
    }
    w.picDraw()->onPaint = paint;
}

TEST_F(MainWindowTest, CloseAsksOnlyWithGraphsAndStaysOpenWhenTheSaveDidNotHappen) {
    // An empty document closes without a question.
    frmF1& empty = Start();
    EXPECT_TRUE(empty.close());
    EXPECT_FALSE(empty.isVisible());
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(documents.saves, 0);

    // With graphs: Yes and a save that did not happen keep the window, its
    // dialogs and a drawing that still draws.
    frmF1& w = Start();
    Point(1, 0, 0);
    w.Rebuild();
    frmF8& light = frmF8::Get();
    light.show();
    box.Answer(MsgAnswer::Yes);
    documents.AnswerSave(false);
    EXPECT_FALSE(w.close());
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "是否保存当前图形？");
    EXPECT_EQ(box.Last().title, "注意");
    EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.Last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(documents.saves, 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(frmF8::Loaded());
    w.Redraw();
    EXPECT_GT(RedPixels(), 20);

    // No closes, unloading the open dialog first.
    box.Answer(MsgAnswer::No);
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(frmF8::Loaded());
    EXPECT_TRUE(FormBase::LoadedForms().empty());
    EXPECT_TRUE(w.UnloadRequested);
    EXPECT_EQ(documents.saves, 1);

    // Yes and a save that wrote the document closes.
    DocumentScene = Cls8();
    VisibleScene = Cls8();
    frmF1& saved = Start();
    Point(1, 0, 0);
    box.Answer(MsgAnswer::Yes);
    documents.AnswerSave(true);
    EXPECT_TRUE(saved.close());
    EXPECT_EQ(documents.saves, 2);
}

TEST_F(MainWindowTest, AHandlerErrorIsShownAndTheWindowGoesOn) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    // A ticked current row whose graph is missing from the document: the
    // model button's lookup raises the subscript error.
    auto g = Point(1, 0, 0);
    DocumentScene.FunSurfs.Clear();
    w.List1->SetListIndex(0);
    Click(3, 19);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "下标越界");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
    // The window goes on.
    Click(3, 7);
    EXPECT_EQ(Camera.ProjectType, 2);
    EXPECT_TRUE(w.isVisible());
}

// At the window's designed size the result pane shows a drawing's first
// eight lines, and shows them as text, not selected.
TEST_F(MainWindowTest, TheResultPaneShowsEightLinesAtTheDesignedSizeNoneSelected) {
    const QSize designed = frmF1().size();
    frmF1& w = Start(QString(), designed);
    ASSERT_EQ(w.size(), designed);
    // sin(x) on [-10, 10]: the function's line and its seven roots.
    auto g = Cls9::Init(1, "y=sin(x)", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x", "sin(x)", 1, 101,
                        0, 0, -10, 10, FillStyle::OneColor, 0, 0, RGB(0, 0, 255), 1, 1, Show::FilledSurface,
                        Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = true;
    g->ShowRoot = true;
    g->RootColor = RGB(255, 0, 0);
    g->RootSize = 3;
    ASSERT_TRUE(g->GetPoints());
    Add(DocumentScene, g);
    Add(VisibleScene, g);
    w.AddTickedRow("y=sin(x)");
    w.Rebuild();
    QCoreApplication::processEvents();
    ASSERT_GE(w.Result->document()->blockCount(), 9) << ToStdString(w.Result->toPlainText());

    EXPECT_GE(ShownLines(*w.Result), 8);
    EXPECT_FALSE(w.Result->textCursor().hasSelection());
    EXPECT_EQ(w.Result->textCursor().position(), 0);
    const QImage pane = w.Result->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb highlight = w.Result->palette().color(QPalette::Highlight).rgb();
    int highlighted = 0;
    for (int y = 0; y < pane.height(); ++y)
        for (int x = 0; x < pane.width(); ++x) highlighted += pane.pixel(x, y) == highlight;
    EXPECT_EQ(highlighted, 0);
}

TEST_F(MainWindowTest, ADrawnGraphsLinesShowInTheResultPane) {
    frmF1& w = Start();
    auto g = Cls9::Init(1, "y=sin(x)", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x", "sin(x)", 1, 100,
                        0, 0, -3, 3, FillStyle::OneColor, 0, 0, RGB(0, 0, 255), 1, 1, Show::FilledSurface,
                        Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = true;
    ASSERT_TRUE(g->GetPoints());
    Add(DocumentScene, g);
    Add(VisibleScene, g);
    w.AddTickedRow("y=sin(x)");
    w.Rebuild();
    EXPECT_EQ(ToStdString(w.Result->toPlainText()), "函数 y=sin(x)\n");
    EXPECT_EQ(Result().Text(), "函数 y=sin(x)\r\n");
}

} // namespace
