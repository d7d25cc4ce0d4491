// The main window itself: its controls, the load step, the layout with its
// two splitter bars, and the close.
#include "app/DocumentCommands.h"
#include "app/ResultBox.h"
#include "app/frmF1.h"
#include "core/BusyWork.h"
#include "core/FileAssociation.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "core/ViewCapture.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "platform/GlViewCapture.h"
#include "platform/QtBusyCursor.h"
#include "platform/SplitterBar.h"
#include "platform/ToolStrip.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// Layout values in twips: the designed client area, the toolbars' height H,
// the status bar's height S, the bars' thickness and the vertical bar's
// designed place.
constexpr int DesignWidth = 12690;
constexpr int DesignHeight = 8505;
constexpr int H = 360;
constexpr int S = 315;
constexpr int SplitterWidth = 60;
constexpr int Splitter2Height = 40;
constexpr int SplitterDesignLeft = 5220;
// Lines of text the result pane shows when the window starts.
constexpr int ResultPaneLines = 8;

} // namespace

frmF1::frmF1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Vexilon"));
    setObjectName(QStringLiteral("frmF1"));
    CreateControls();
    CreateMenus();
    CreateToolbars();
    resultBox_ = std::make_unique<ResultBox>(Result);
    paneBefore_ = &::Result();
    SetResultPane(resultBox_.get());
    linkBefore_ = &MainWindow();
    SetMainWindowLink(this);
    capture_ = std::make_unique<GlViewCapture>(*picDraw_);
    captureBefore_ = &ViewCapture();
    SetViewCaptureService(capture_.get());
    busyCursor_ = std::make_unique<QtBusyCursor>();
    busyBefore_ = CurrentBusyIndicator();
    SetBusyIndicator(busyCursor_.get());

    splitterLeft_ = SplitterDesignLeft;
    splitter2Top_ = ResultPaneTop(DesignHeight);
    client_->resize(TwipsToPixels(DesignWidth), TwipsToPixels(DesignHeight));
    Form_Resize();
    resize(TwipsToPixels(DesignWidth), TwipsToPixels(DesignHeight) + menuBar()->sizeHint().height());
}

frmF1::~frmF1() {
    // The lists go with the context; the hooks must not outlive this window.
    if (picDraw_->HasContext()) {
        picDraw_->makeCurrent();
        ReleaseContext();
        picDraw_->doneCurrent();
    }
    picDraw_->onInitialize = nullptr;
    picDraw_->onResize = nullptr;
    picDraw_->onPaint = nullptr;
    picDraw_->onContextLost = nullptr;
    picDraw_->onMouseDown = nullptr;
    picDraw_->onMouseMove = nullptr;
    if (&MainWindow() == this) SetMainWindowLink(linkBefore_);
    if (&::Result() == resultBox_.get()) SetResultPane(paneBefore_);
    if (&ViewCapture() == capture_.get()) SetViewCaptureService(captureBefore_);
    if (CurrentBusyIndicator() == busyCursor_.get()) SetBusyIndicator(busyBefore_);
}

void frmF1::CreateControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    Toolbar1 = new ToolStrip(Qt::Horizontal, client_);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar2 = new ToolStrip(Qt::Horizontal, client_);
    Toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    Toolbar3 = new ToolStrip(Qt::Vertical, client_);
    Toolbar3->setObjectName(QStringLiteral("Toolbar3"));

    StatusBar1 = new QLabel(client_);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->setIndent(4);

    List1 = new CheckListBox(client_);
    List1->setObjectName(QStringLiteral("List1"));
    List1->onItemCheck = [this](int row) { RunGuarded([&] { List1_ItemCheck(row); }); };
    List1->onMouseDown = [this](int button, int x, int y) {
        RunGuarded([&] { List1_MouseDown(button, float(x * TwipsPerPixel), float(y * TwipsPerPixel)); });
    };

    Result = new ResultEdit(client_);
    Result->setObjectName(QStringLiteral("Result"));
    Result->setReadOnly(true);

    Splitter = new SplitterBar(Qt::Vertical, client_);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter2 = new SplitterBar(Qt::Horizontal, client_);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    const auto twips = [](int pixels) { return float(pixels * TwipsPerPixel); };
    Splitter->onMouseDown = [=, this](int b, int x, int y) { RunGuarded([&] { Splitter_MouseDown(b, twips(x), twips(y)); }); };
    Splitter->onMouseMove = [=, this](int b, int x, int y) { RunGuarded([&] { Splitter_MouseMove(b, twips(x), twips(y)); }); };
    Splitter->onMouseUp = [=, this](int b, int x, int y) { RunGuarded([&] { Splitter_MouseUp(b, twips(x), twips(y)); }); };
    Splitter2->onMouseDown = [=, this](int b, int x, int y) { RunGuarded([&] { Splitter2_MouseDown(b, twips(x), twips(y)); }); };
    Splitter2->onMouseMove = [=, this](int b, int x, int y) { RunGuarded([&] { Splitter2_MouseMove(b, twips(x), twips(y)); }); };
    Splitter2->onMouseUp = [=, this](int b, int x, int y) { RunGuarded([&] { Splitter2_MouseUp(b, twips(x), twips(y)); }); };

    picDraw_ = new GlDrawingArea(client_);
    picDraw_->setObjectName(QStringLiteral("picDraw"));
    picDraw_->onInitialize = [this] { RunGuarded([this] { SetUpContext(); }); };
    // The viewport takes device pixels.
    picDraw_->onResize = [this](int w, int h) {
        const double ratio = picDraw_->devicePixelRatioF();
        Camera.SetScreen(std::int32_t(std::lround(w * ratio)), std::int32_t(std::lround(h * ratio)));
    };
    picDraw_->onPaint = [this] { RunGuarded([this] { PaintFrame(); }); };
    picDraw_->onContextLost = [this] { RunGuarded([this] { ReleaseContext(); }); };
    HookDrawingAreaMouse();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1_Timer(); }));
}

void frmF1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        RunGuarded([this] { Form_Load(); });
        RunGuarded([this] { Form_Resize(); });
    }
}

// The load step, once before the window is first shown. The drawing area's
// context exists by now (Qt makes it when the area is first shown).
void frmF1::Form_Load() {
    Timer1->setInterval(100);
    Timer1->stop();
    Initialize();
    CurrentFrame = 1;
    FrameCount = 10;
    FramesPerSecond = 10;
    Axes.Show = true;
    PlayMode = ::PlayMode::Normal;
    AxesChanged = false;
    GraphIDCounter = 0;
    RotationMode = 0;
    ViewMinX = ViewMinY = ViewMinZ = -500;
    ViewMaxX = ViewMaxY = ViewMaxZ = 500;
    splitter2Top_ = ResultPaneTop(ScaleHeight());
    IsEditing = false;
    ClipboardGraphCount = 0;
    Splitter->raise();
    Splitter2->raise();
    RotateDrag = false;
    TrackballActive = false;
    ZoomDrag = false;
    PanDrag = false;
    ZoomFactor = 1;
    DragToQuat(ViewQuat, 0, 0, 0, 0);
    // Start-up goes on whatever the association write does.
    try {
        FileAssociation().WriteFileAssociation();
    } catch (...) {
    }

    // The whole command-line text is the document's path.
    if (commandLine_.isEmpty()) {
        mnuFileNew2D_Click();
        return;
    }
    const std::string path = ToStdString(commandLine_);
    const QFileInfo file(commandLine_);
    if (!file.isFile() || !file.isReadable()) {
        MsgBox("无法打开文件：" + path, MsgIcon::Critical, ErrorTitle);
        mnuFileNew2D_Click();
        return;
    }
    if (!OpenDocument(path)) mnuFileNew2D_Click();
}

// Reading, sampling and drawing a document under the wait cursor (its
// messages pause it).
bool frmF1::OpenDocument(const std::string& path) {
    BusyWork busy(BusyWorkKind::Opening);
    return Documents().OpenDocument(*this, path);
}

int frmF1::ScaleWidth() const { return client_->width() * TwipsPerPixel; }
int frmF1::ScaleHeight() const { return client_->height() * TwipsPerPixel; }

// Where the horizontal bar starts in a client area Hc twips high: the result
// pane below it shows ResultPaneLines lines of its font (the analyses write a
// line for each root, extremum or area), within the bounds a drag keeps the
// bar in.
int frmF1::ResultPaneTop(int Hc) const {
    // A line as the pane sets it: its font and the fonts standing in for the
    // Chinese characters, which may be taller.
    QTextLayout layout(QStringLiteral("函数 根: x=0,y=0"), Result->document()->defaultFont());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int lines = int(std::ceil(line.height() * ResultPaneLines));
    const int margins = 2 * Result->frameWidth() + 2 * int(std::ceil(Result->document()->documentMargin()));
    int top = Hc - 60 - S - (lines + margins) * TwipsPerPixel;
    if (top < 2000) top = 2000;
    if (top > Hc - 3 * H) top = Hc - 3 * H;
    return top;
}

// Places a control in twips; a negative size becomes 0.
void frmF1::LayOut(QWidget* control, int left, int top, int width, int height) {
    PlaceTwips(control, left, top, std::max(width, 0), std::max(height, 0));
}

void frmF1::Form_Resize() {
    const int W = ScaleWidth(), Hc = ScaleHeight();
    const int L = splitterLeft_, T = splitter2Top_;
    // The docked bars: two toolbars at the top, one upright at the right
    // edge, the status bar at the bottom.
    LayOut(Toolbar1, 0, 0, W, H);
    LayOut(Toolbar2, 0, H, W, H);
    LayOut(Toolbar3, W - H, 2 * H, H, Hc - 2 * H - S);
    LayOut(StatusBar1, 0, Hc - S, W, S);
    // The splitters stay; the drawing area and the result pane take up the change.
    LayOut(Splitter, L, 2 * H, SplitterWidth, Hc - 2 * H - S);
    LayOut(Splitter2, 0, T, L, Splitter2Height);
    LayOut(picDraw_, L + SplitterWidth, 2 * H, W - L - SplitterWidth - H, Hc - 2 * H - S);
    const int resultHeight = std::max(Hc - 60 - S - T, 0);
    LayOut(Result, 0, T + Splitter2Height, L, resultHeight);
    LayOut(List1, 0, 2 * H, L, Hc - 2 * H - S - Splitter2Height - resultHeight);
    // The drawing area's resize hook has given the camera its new size.
    Display(CurrentFrame);
}

bool frmF1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) RunGuarded([this] { Form_Resize(); });
    return QMainWindow::eventFilter(watched, event);
}

// ---- Splitter bars: the bar follows the pointer; the release clamps it and
// lays out the window again. ----

void frmF1::Splitter_MouseDown(int, float, float) {
    SplitterDrag = true;
    Splitter->SetShadowed(true);
}

void frmF1::Splitter_MouseMove(int, float X, float) {
    if (!SplitterDrag) return;
    splitterLeft_ += int(std::lround(X));
    Splitter->move(TwipsToPixels(splitterLeft_), Splitter->y());
}

void frmF1::Splitter_MouseUp(int, float, float) {
    const int limit = ScaleWidth() - 1000;
    SplitterDrag = false;
    Splitter->SetShadowed(false);
    // The lower bound first: in a very narrow window the upper one wins.
    if (splitterLeft_ < 1000) splitterLeft_ = 1000;
    if (splitterLeft_ > limit) splitterLeft_ = limit;
    Form_Resize();
}

void frmF1::Splitter2_MouseDown(int, float, float) {
    SplitterDrag = true;
    Splitter2->SetShadowed(true);
}

void frmF1::Splitter2_MouseMove(int, float, float Y) {
    if (!SplitterDrag) return;
    splitter2Top_ += int(std::lround(Y));
    Splitter2->move(Splitter2->x(), TwipsToPixels(splitter2Top_));
}

void frmF1::Splitter2_MouseUp(int, float, float) {
    const int limit = ScaleHeight() - 3 * H;
    SplitterDrag = false;
    Splitter2->SetShadowed(false);
    if (splitter2Top_ < 2000) splitter2Top_ = 2000;
    if (splitter2Top_ > limit) splitter2Top_ = limit;
    Form_Resize();
}

// ---- Close ----

void frmF1::closeEvent(QCloseEvent* event) {
    bool cancel = true;
    RunGuarded([&] { Form_Unload(cancel); });
    if (cancel) event->ignore();
    else event->accept();
}

// The save question comes first: a save that did not happen keeps the window
// open with its context, lists and dialogs. Only a real close unloads the
// other windows (the last loaded first), ends the drawing loop and releases
// the context with its lists and fonts.
void frmF1::Form_Unload(bool& Cancel) {
    Cancel = true;
    if (DocumentScene.FunSurfs.Count() > 0 &&
        MsgBox("是否保存当前图形？", MsgIcon::Exclamation, NoticeTitle, MsgButtons::YesNo) == MsgAnswer::Yes) {
        mnuFileSave_Click();
        if (!SaveSucceeded) return;
    }
    Cancel = false;
    FormBase::UnloadAll();
    SpinActive = false;
    UnloadRequested = true;
    Timer1->stop();
    if (picDraw_->HasContext()) {
        picDraw_->makeCurrent();
        ReleaseContext();
        picDraw_->doneCurrent();
    }
}
