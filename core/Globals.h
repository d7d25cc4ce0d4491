#pragma once
// Program-wide values shared between the subsystems, with their starting values.
#include <cstdint>
#include <string>

// Marks a value that cannot be computed or a sample outside its clipping range.
inline constexpr float UndefinedValue = 0.12345f;

inline const std::string ErrorTitle = "出错";
inline const std::string NoticeTitle = "注意";
// The title of system failures (pixel format, fonts, bitmaps, video writing).
inline const std::string AppTitle = "Vexilon";
inline const std::string CrLf = "\r\n";
inline const std::string TabChar = "\t";

// Whether the evaluator reports a mathematical failure in a message box (only
// while the calculator evaluates) or returns UndefinedValue (all plotting).
extern bool ShowMathErrors;
// 0 until the first new or opened document, then 1 plane, 2 strip, 3 space,
// 7 special graphs.
extern std::int32_t DocumentKind;
// N: animated graphs are sampled at frames 0..N.
extern std::int32_t FrameCount;
// The most steps the animation options accept: each is a full sampling of
// every animated graph and a display list.
inline constexpr std::int32_t MaxFrameCount = 1000;
extern std::int32_t FramesPerSecond;

// The range of drawn coordinates (drawing axes: x, y up, z) that plane samples,
// space curves and animation frames are clipped against.
extern float ViewMinX, ViewMaxX, ViewMinY, ViewMaxY, ViewMinZ, ViewMaxZ;

// The ID of the graph made last: a new graph gets GraphIDCounter + 1. Starts
// at 0 and goes back to 0 when every graph is deleted.
extern std::int32_t GraphIDCounter;
// A graph dialog's OK replaces the graph of the list's current row instead of
// adding a new one.
extern bool IsEditing;
// The last axes dialog was confirmed with OK.
extern bool AxesChanged;

// Puts every program-wide value back to its starting value: those above, and
// those of the other layers (the scene's light, camera and axes, the shared
// boxes, the font bases, the shown frame ...), which each register their own
// reset next to the values it resets. Tests run it between cases.
void ResetProgramState();
// Registers a reset that ResetProgramState runs after the core's. Returns
// true, so that a layer registers from the initializer of a namespace-scope
// constant defined beside its values: linked in whenever they are.
bool AddProgramStateReset(void (*reset)());
