#pragma once
// The main window: menus, three toolbars, the status bar, the graph list, the
// result pane and the drawing area, and every command of the program.
//
// Where things are: the window itself (construction, load, layout, splitters,
// unload) in frmF1Window.cpp; the menu tree in frmF1Menus.cpp and the toolbars
// in frmF1Toolbars.cpp, both as tables; the drawing (context, display lists,
// redraw) here in frmF1.cpp; the menu handlers by menu in frmF1File.cpp,
// frmF1Edit.cpp, frmF1View.cpp, frmF1Draw.cpp, frmF1Animation.cpp,
// frmF1Tools.cpp, frmF1Help.cpp and frmF1Demo.cpp; the graph list in
// frmF1List.cpp; the command sets of the document kinds in
// frmF1Availability.cpp; a read document made the current one in
// frmF1Document.cpp. Every handler Qt calls runs through the handler guard of
// dialogs/DialogForm.h.
#include "core/Globals.h"
#include "core/PictureService.h"
#include "dialogs/MainWindowLink.h"
#include "graph/Cls1.h"
#include "render/CurveView.h"
#include "scene/Trackball.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CheckListBox;
class GlDrawingArea;
class GlViewCapture;
struct LoadedDocument;
class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QShowEvent;
class QTimer;
class ResultPane;
class ResultBox;
struct NewDocumentSettings;
class SplitterBar;
class ToolStrip;
class ViewCaptureService;
class BusyIndicator;
class QtBusyCursor;

// The display lists of the compiled scene: the static scene, and animation
// step f at FirstFrameList + f (f at most MaxFrameCount). These fixed names
// are held for the whole life of the context, as empty lists until compiled
// and emptied rather than deleted when fewer steps are needed, so that
// glGenLists, from which the fonts and the points' spheres take their names,
// never hands one of them out (a list under such a name would be overwritten
// by a later compile or deleted by a trim).
inline constexpr std::uint32_t SceneList = 900;
inline constexpr std::uint32_t FirstFrameList = 1001;
inline constexpr std::uint32_t LastFrameList = FirstFrameList + MaxFrameCount;

// The frame the view shows: frame f (1..FrameCount + 1) is animation step
// f - 1; 0 means no frame has been shown yet (step 0 is shown for it).
extern std::int32_t CurrentFrame;

// The box of the static scene list, handed to the background, grid and axes.
extern Cls1 SceneBox;

// The animation player's modes.
namespace PlayMode {
inline constexpr std::int32_t Manual = 0;
inline constexpr std::int32_t Normal = 1;
inline constexpr std::int32_t Rev = 2;
inline constexpr std::int32_t Repeat = 3;
inline constexpr std::int32_t RevRepeat = 4;
} // namespace PlayMode

class frmF1 : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    explicit frmF1(QWidget* parent = nullptr);
    ~frmF1() override;

    GlDrawingArea* picDraw() const { return picDraw_; }
    // The command-line text: the path of the document the load step opens
    // (empty: a new plane document).
    void SetCommandLine(const QString& text) { commandLine_ = text; }
    const QString& CommandLine() const { return commandLine_; }

    // Whether the drawing area has a usable GL context (double-buffered RGBA
    // with 8 bits per colour and at least 16 depth bits). When it has none,
    // shows "ChoosePixelFormat failed" and returns false: the program goes on
    // without drawing. The context's set-up itself (GL state, the two fonts,
    // the scene lists) runs whenever Qt creates the context.
    bool Initialize();

    // Shows frame lngAnimStep: stores it and asks for a repaint. The repaint
    // applies the camera, the light in its view, clears and calls the frame's list.
    void Display(std::int32_t lngAnimStep);

    // Compiles the visible scene into the display lists: SceneList for a
    // static scene, one list per animation step for an animated one, and
    // takes the model rotation that the frame display applies before calling
    // a list. Messages raised while compiling are shown once the lists are
    // finished. bolOnlyTurning says only the model rotation changed (the
    // trackball, the view presets): over lists that exist for the scene it
    // compiles nothing and only takes the new rotation; a message shown
    // before is not shown again. An error raised by a graph's drawing ends
    // the list being compiled and goes on to the caller.
    void BuildDisplayLists(bool bolOnlyTurning = false);
    // Multiplies the current matrix by the model rotation the frames show.
    void ApplyModelRotation() const;
    // Lists built while set leave the graphs' own drawing out and keep
    // everything else (box, axes, background, rotation): the view without
    // its graphs, to compare a picture with.
    void SetGraphDrawingLeftOut(bool leftOut) { graphsLeftOut_ = leftOut; }

    // The model rotation comes from ViewQuat instead of the scene's angles.
    bool TrackballActive = false;
    // The accumulated trackball rotation; every build from the scene's angles
    // writes their rotation here, so a drag continues from the view shown.
    Vec4 ViewQuat{0, 0, 0, 1};
    // The rotation of the last trackball drag step.
    Vec4 DragQuat{0, 0, 0, 1};
    // The factor of the last zoom drag step.
    float ZoomFactor = 1;
    // A paint expected to take this long or longer shows the wait cursor:
    // one after a paint of the same lists that took as long, or after a
    // compilation that did.
    double LongPaintSeconds = 0.25;

    // ---- Controls (object names as here) ----
    ToolStrip* Toolbar1;     // file, edit, help and animation commands
    ToolStrip* Toolbar2;     // graph creation, axes and light
    ToolStrip* Toolbar3;     // view commands, projection, model of one graph
    QLabel* StatusBar1;      // its one panel: the toolbar hints
    CheckListBox* List1;     // the graph list
    SplitterBar* Splitter;   // between the left column and the drawing area
    SplitterBar* Splitter2;  // between List1 and Result
    QPlainTextEdit* Result;  // the result pane (read-only)
    QTimer* Timer1;          // the animation timer
    QMenu* FunEdit;          // popup over the graph list
    QMenu* GraphEdit;        // popup over the drawing area
    // The menu item or submenu with this control name (nullptr when none).
    QAction* MenuItem(const std::string& name) const;

    // ---- Window state ----
    bool SplitterDrag = false;
    std::int32_t PlayMode = ::PlayMode::Normal;
    // The direction of the back-and-forth mode: true while stepping down.
    bool PlayBackwards = false;
    std::int32_t ClipboardGraphCount = 0;
    // What a left-button drag in the drawing area does.
    bool RotateDrag = false;
    bool ZoomDrag = false;
    bool PanDrag = false;
    // The drawing area's loop after a drag runs while SpinActive and ends
    // once UnloadRequested.
    bool SpinActive = false;
    bool UnloadRequested = false;
    // Whether the last save wrote the document.
    bool SaveSucceeded = false;
    // The file type last chosen in the shared file dialog (1 = the first):
    // Save As offers it first; Open sets 1.
    std::int32_t dlgSaveFilterIndex = 1;

    // ---- Load, layout, unload (twips: 15 to the pixel) ----
    void Form_Load();
    // Places the toolbars, the status bar, the splitters, List1, Result and
    // picDraw for the client area's size; the splitters stay where they are.
    void Form_Resize();
    // The close: the save question first; Cancel is set when a wanted save
    // did not happen, and the window then stays as it was.
    void Form_Unload(bool& Cancel);
    // Splitter.Left and Splitter2.Top.
    int SplitterLeft() const { return splitterLeft_; }
    int Splitter2Top() const { return splitter2Top_; }
    // X and Y: the pointer inside the bar.
    void Splitter_MouseDown(int Button, float X, float Y);
    void Splitter_MouseMove(int Button, float X, float Y);
    void Splitter_MouseUp(int Button, float X, float Y);
    void Splitter2_MouseDown(int Button, float X, float Y);
    void Splitter2_MouseMove(int Button, float X, float Y);
    void Splitter2_MouseUp(int Button, float X, float Y);

    // ---- The drawing area's mouse (frmF1View.cpp) ----
    // Button: the button pressed (MouseDown) or held (MouseMove), 1 left,
    // 2 right, 4 middle, 8 another; X and Y in device pixels. A left press
    // starts a drag, a right press opens GraphEdit; a move with the left
    // button alone zooms, turns or pans as the chosen mode says. A release
    // does nothing.
    void picDraw_MouseDown(int Button, int Shift, float X, float Y);
    void picDraw_MouseMove(int Button, int Shift, float X, float Y);
    // DragQuat followed by ViewQuat becomes ViewQuat; the lists take the new
    // rotation and the frame is shown.
    void ApplyTrackball();

    // ---- Toolbars (frmF1Toolbars.cpp) ----
    void Toolbar1_ButtonClick(int Index);
    void Toolbar2_ButtonClick(int Index);
    void Toolbar3_ButtonClick(int Index);
    // x and y: the pointer relative to the toolbar, possibly outside it.
    void Toolbar1_MouseMove(int Button, float x, float y);
    void Toolbar2_MouseMove(int Button, float x, float y);
    void Toolbar3_MouseMove(int Button, float x, float y);

    // ---- Graph list (frmF1List.cpp) ----
    // A row's tick changed: the visible scene follows the ticks (a ticked
    // graph is added at the end and sampled again, but for tables and
    // vectors), then the lists are rebuilt and the frame redrawn.
    void List1_ItemCheck(int Item);
    // A right press opens the popup FunEdit; the list has already made the
    // row under it current (unticked as it was), so that the popup's commands
    // act on that row; below the rows the current row stays.
    void List1_MouseDown(int Button, float X, float Y);
    // Whether a graph of VisibleScene has this ID.
    bool IsGraphShown(std::int32_t ID) const;
    // Removes the graph at list position 1..count from both scenes and the
    // list, rebuilds and redraws; any other position does nothing.
    void DeleteGraph(std::int64_t Position);
    // Empties both scenes and the list, resets GraphIDCounter, rebuilds and
    // redraws; the result pane keeps its text.
    void DeleteAllGraphs();

    // ---- Command availability (frmF1Availability.cpp) ----
    // The command set of each document kind; each writes its column of the
    // availability table, playback off.
    void EnableCommands2D();
    void EnableCommands25D();
    void EnableCommands3D();
    void EnableCommandsSpecial();

    // ---- Documents ----
    // Opens the document at `path` through the document commands; whether it
    // was opened.
    bool OpenDocument(const std::string& path);
    // Makes a document read and checked the current one (frmF1Document.cpp):
    // the graphs deleted, the kind, rotation, command set, animation values,
    // ID counter, rows and axes taken from it, every row ticked with one
    // rebuild after the last, and frame 1 of an animated scene shown.
    void ApplyDocument(LoadedDocument document);

    // ---- Menu handlers (one file per menu) ----
    void mnuFileNew2D_Click();
    void mnuFileNew25D_Click();
    void mnuFileNew3D_Click();
    void mnuFileSpe_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileSaveAVI_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();

    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditCopyAs_Click();
    void mnuEditPaste_Click();
    void mnuEditDelete_Click();
    void mnuEditDelAll_Click();
    void mnuFunEdit_Click();
    void mnuFunCut_Click();
    void mnuFunCopy_Click();
    void mnuFunDelete_Click();
    void mnuGraphPaste_Click();
    void mnuGraphCopyAs_Click();
    void mnuGraphDelAll_Click();
    void mnuGraphAxis_Click();
    void mnuGraphLight_Click();

    void mnuViewMove_Click();
    void mnuViewZoom_Click();
    void mnuViewFit_Click();
    void mnuViewRotX_Click();
    void mnuViewRotY_Click();
    void mnuViewRotZ_Click();
    void mnuViewRotate_Click();
    void mnuViewFront_Click();
    void mnuViewRight_Click();
    void mnuViewTop_Click();
    void mnuViewISO_Click();
    void mnuViewSet_Click();

    void mnuDrawPoint_Click();
    void mnuDraw2DCart_Click();
    void mnuDraw2DPolar_Click();
    void mnuDraw25DCart_Click();
    void mnuDraw25DPolar_Click();
    void mnuDraw3DCart_Click();
    void mnuDraw3DCyl_Click();
    void mnuDraw3DSph_Click();
    void mnuDrawTab2D_Click();
    void mnuDrawTab25D_Click();
    void mnuDrawTab3D_Click();
    void mnuDrawStep_Click();
    void mnuDrawHcg_Click();
    void mnuDrawColor_Click();
    void mnuDrawCon_Click();
    void mnuDrawVector_Click();
    void mnuDrawIP_Click();
    void mnuDrawRV_Click();
    void mnuDrawVecGraph_Click();
    void mnuDrawVecOp_Click();
    void mnuDrawLimit_Click();
    void mnuDrawSeries_Click();
    void mnuDrawODE_Click();
    void mnuDrawAxis_Click();
    void mnuDrawLight_Click();

    void mnuAniPoint_Click();
    void mnuAniCur2DCart_Click();
    void mnuAniCur2DPol_Click();
    void mnuAni25DCurCart_Click();
    void mnuAni25DCurPol_Click();
    void mnuAniSurCart_Click();
    void mnuAniSurCyl_Click();
    void mnuAniSurSph_Click();
    void mnuAniStartb_Click();
    void mnuAniPause_Click();
    void mnuAniStop_Click();
    void mnuAniFirst_Click();
    void mnuAniPre_Click();
    void mnuAniNext_Click();
    void mnuAniLast_Click();
    void mnuAniNormal_Click();
    void mnuAniRev_Click();
    void mnuAniRepeat_Click();
    void mnuAniRevRepeat_Click();
    void mnuAniOpt_Click();
    void Timer1_Timer();

    void mnuToolCal_Click();

    // The 演示 menu's commands (frmF1Demo.cpp): the sample document at the
    // program's folder + `pathLiteral` (its "\" turned into "/").
    void OpenSample(std::string_view pathLiteral);

    void mnuHelpCon_Click();
    void mnuHelpHome_Click();
    void mnuHelpCus_Click();
    void mnuHelpAbout_Click();

    // ---- What the dialogs use (MainWindowLink) ----
    std::int32_t CurrentRow() const override;
    std::int32_t RowCount() const override;
    std::string RowText(std::int32_t row) const override;
    void SetRowText(std::int32_t row, const std::string& text) override;
    void AddTickedRow(const std::string& text) override;
    void Rebuild() override;
    void Redraw() override;
    void EnablePlayback() override;
    void SetPlayInterval(std::int32_t milliseconds) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmF1Window.cpp
    void CreateControls();
    void LayOut(QWidget* control, int left, int top, int width, int height);
    int ScaleWidth() const;
    int ScaleHeight() const;
    int ResultPaneTop(int Hc) const;
    // frmF1Menus.cpp, frmF1Demo.cpp
    void CreateMenus();
    void CreateSampleMenu(QMenu* demo);
    // frmF1View.cpp
    // How a fit sizes the view: the volume twice the picture box's largest
    // extent (View > Fit), or the turned picture filling most of the area (an
    // opened sample).
    enum class FitSize { TwiceLargestExtent, FillArea };
    Cls1 PictureBox() const;
    void FitView(FitSize size);
    void FitAxisTexts(const Cls1& box);
    void HookDrawingAreaMouse();
    void SetPresetView(float roll, float pitch, float yaw);
    // frmF1File.cpp
    enum class ClearAt { Never, Before, AfterRotation, AfterKind };
    void NewDocument(const NewDocumentSettings& settings);
    void StartNewDocument(const NewDocumentSettings& settings, ClearAt clear);
    void ClearDocument();
    // File > Open's save question, asked when graphs are in view: whether to
    // go on (No, or Yes with the document saved).
    bool SaveQuestionBeforeOpening();
    std::optional<PictureRows> CaptureDrawnView();
    // frmF1Availability.cpp
    void ApplyCommandSet(int set);
    // frmF1Toolbars.cpp
    void CreateToolbars();
    void RunToolButton(int toolbar, int Index);
    void ShowToolHint(int toolbar, float x, float y);
    void SetProjection(std::int32_t type);
    void SetGraphModel(bool smoothness, std::int32_t value);
    // frmF1Animation.cpp: the video export's step after a tick of a normal
    // play has shown its frame.
    void RecordShownFrame();

    // The drawing area's hooks (context current).
    void SetUpContext();
    void PaintFrame();
    void ReleaseContext();

    // The list the next frame shows: the scene's, or the shown frame's.
    std::uint32_t ShownList() const;
    void CompileLists();
    void CompileForView();
    // Whether the camera's view has left the magnifications the lists'
    // curves were drawn for (they are then compiled again).
    bool ListsLeftByView() const;
    void CompileListsForNewView();
    void CompileFrameLists();
    void CompileSceneList();
    void TakeModelRotation();
    void DrawPointGraphsAgain();

    GlDrawingArea* picDraw_;
    QWidget* client_;
    std::unique_ptr<ResultBox> resultBox_;
    // The capture of picDraw, installed as the view-capture service.
    std::unique_ptr<GlViewCapture> capture_;
    ViewCaptureService* captureBefore_ = nullptr;
    // The wait cursor, installed as the busy indicator while this window lives.
    std::unique_ptr<QtBusyCursor> busyCursor_;
    BusyIndicator* busyBefore_ = nullptr;
    // While a document's rows are ticked, the tick handling leaves the
    // rebuild to the reader.
    bool ticksHeld_ = false;
    // The result pane and main window installed before this window, put back
    // when it goes.
    ResultPane* paneBefore_ = nullptr;
    MainWindowLink* linkBefore_ = nullptr;
    std::map<std::string, QAction*> menuItems_;
    QString commandLine_;
    // Splitter.Left and Splitter2.Top in twips.
    int splitterLeft_ = 5220;
    int splitter2Top_ = 0;
    bool loaded_ = false;
    // Where the left button went down or the last drag step ended (device pixels).
    float lastX_ = 0;
    float lastY_ = 0;
    bool contextUsable_ = false;
    std::int32_t shownFrame_ = 1;
    // Frame lists FirstFrameList .. FirstFrameList + frameListCount_ - 1 hold
    // steps; the rest of the fixed names hold empty lists.
    std::int64_t frameListCount_ = 0;
    // The model rotation of the frames; whether the lists hold the scene as
    // it was last compiled (animated or not, with its frame count).
    Mat16 modelRotation_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    bool listsCompiled_ = false;
    bool graphsLeftOut_ = false;
    bool listsAnimated_ = false;
    std::int32_t listsFrames_ = 0;
    // The views at which the lists' curves look as drawn (render/CurveView.h).
    MagnificationRange listsView_;
    // How long the next paint is expected to take: the last paint's time,
    // or the compilation's before the lists' first paint.
    double paintSeconds_ = 0;
};
