#pragma once
// The main window: the drawing area and, around it, the program's commands.
#include "graph/Cls1.h"
#include "scene/Trackball.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>

class GlDrawingArea;
class QShowEvent;

// The display lists of the compiled scene: the static scene, and animation
// step f at FirstFrameList + f.
inline constexpr std::uint32_t SceneList = 900;
inline constexpr std::uint32_t FirstFrameList = 1001;

// The frame the view shows: frame f (1..FrameCount + 1) is animation step
// f - 1; 0 means no frame has been shown yet (step 0 is shown for it).
extern std::int32_t CurrentFrame;

// The box of the static scene list, handed to the background, grid and axes.
extern Cls1 SceneBox;

class frmF1 : public QMainWindow {
    Q_OBJECT
public:
    explicit frmF1(QWidget* parent = nullptr);
    ~frmF1() override;

    GlDrawingArea* picDraw() const { return picDraw_; }
    // The document named on the command line (opened once documents exist).
    void SetCommandLineDocument(const QString& path) { commandLineDocument_ = path; }
    const QString& CommandLineDocument() const { return commandLineDocument_; }

    // Whether the drawing area has a usable GL context (double-buffered RGBA
    // with 8 bits per colour and at least 16 depth bits). When it has none,
    // shows "ChoosePixelFormat failed" and returns false: the program goes on
    // without drawing. The context's set-up itself (GL state, the two fonts,
    // the scene lists) runs whenever Qt creates the context.
    bool Initialize();

    // Shows frame lngAnimStep: stores it and asks for a repaint. The repaint
    // applies the light and the camera, clears and calls the frame's list.
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

    // The model rotation comes from ViewQuat instead of the scene's angles.
    bool TrackballActive = false;
    // The accumulated trackball rotation; every build from the scene's angles
    // writes their rotation here, so a drag continues from the view shown.
    Vec4 ViewQuat{0, 0, 0, 1};

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    // The drawing area's hooks (context current).
    void SetUpContext();
    void PaintFrame();
    void ReleaseContext();

    void CompileLists();
    void CompileFrameLists();
    void CompileSceneList();
    void TakeModelRotation();
    void DrawPointGraphsAgain();

    GlDrawingArea* picDraw_;
    QString commandLineDocument_;
    bool loaded_ = false;
    bool contextUsable_ = false;
    std::int32_t shownFrame_ = 1;
    // Frame lists FirstFrameList .. FirstFrameList + frameListCount_ - 1 exist.
    std::int64_t frameListCount_ = 0;
    // The model rotation of the frames; whether the lists hold the scene as
    // it was last compiled (animated or not, with its frame count).
    Mat16 modelRotation_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    bool listsCompiled_ = false;
    bool listsAnimated_ = false;
    std::int32_t listsFrames_ = 0;
};
