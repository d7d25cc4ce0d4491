// The four command sets and the playback commands.
#include "app/CommandAvailability.h"

#include "app/frmF1.h"
#include "platform/ToolStrip.h"

#include <QAction>

namespace {
constexpr bool X = true;  // on
constexpr bool o = false; // off
} // namespace

const std::vector<ButtonAvailability>& ToolbarAvailability() {
    static const std::vector<ButtonAvailability> rows{
        //  toolbar, buttons   2D 2.5D 3D special
        {1, 22, 22, {X, X, X, o}}, // point animation
        {1, 23, 24, {X, o, o, o}}, // 2D animations
        {1, 26, 27, {o, X, o, o}}, // 2.5D animations
        {1, 29, 31, {o, o, X, o}}, // 3D animations
        {1, 33, 43, {o, o, o, o}}, // playback
        {2, 2, 2, {X, X, X, X}},   // point
        {2, 3, 4, {X, o, o, o}},   // 2D functions
        {2, 6, 7, {o, X, o, o}},   // 2.5D functions
        {2, 9, 11, {o, o, X, o}},  // 3D functions
        {2, 13, 15, {o, o, o, X}}, // colour map, contour, vector field
        {2, 17, 17, {X, o, o, o}}, // tables
        {2, 18, 18, {o, X, o, o}},
        {2, 19, 19, {o, o, X, o}},
        {2, 21, 24, {X, o, o, o}}, // intersection, limit, ODE, series
        {2, 26, 27, {X, o, o, o}}, // step, stem
        {2, 29, 31, {o, o, X, o}}, // revolution, vector, vector operation
        {2, 33, 33, {X, X, X, X}}, // axes
        {2, 34, 34, {o, X, X, o}}, // light
        {3, 1, 3, {o, o, X, o}},   // front, right, top views
        {3, 4, 4, {o, X, X, o}},   // ISO view
        {3, 6, 7, {o, o, X, o}},   // projection
        {3, 9, 11, {X, X, X, X}},  // pan, zoom, fit
        {3, 12, 15, {o, X, X, o}}, // rotations
        {3, 17, 19, {o, X, X, o}}, // model
        {3, 21, 23, {o, X, X, o}}, // smoothness
    };
    return rows;
}

const std::vector<MenuAvailability>& MenuItemAvailability() {
    static const std::vector<MenuAvailability> rows{
        //                   2D 2.5D 3D special
        {"mnuDrawPoint", {X, X, X, o}},
        {"mnuDrawFun2D", {X, o, o, o}},
        {"mnuDraw25d", {o, X, o, o}},
        {"mnuDrawFun3D", {o, o, X, o}},
        {"mnuDrawTab2D", {X, o, o, o}},
        {"mnuDrawTab25D", {o, X, o, o}},
        {"mnuDrawTab3D", {o, o, X, o}},
        {"mnuDrawSpe", {X, o, o, o}},
        {"mnuDrawAdv", {o, o, o, X}},
        {"mnuDrawIP", {X, o, o, o}},
        {"mnuDrawRV", {o, o, X, o}},
        {"mnuDrawVec", {o, o, X, o}},
        {"mnuDrawLimit", {X, o, o, o}},
        {"mnuDrawSeries", {X, o, o, o}},
        {"mnuDrawODE", {X, o, o, o}},
        {"mnuDrawAxis", {X, X, X, X}},
        {"mnuDrawLight", {o, X, X, o}},
        {"mnuAniPoint", {X, X, X, X}},
        // Off in special documents: its OK would make a plane document of
        // one that holds special graphs, which the plane does not draw.
        {"mnuAni2DCur", {X, o, o, o}},
        {"mnuAniCur25D", {o, X, o, o}},
        {"mnuAniSur", {o, o, X, o}},
        {"mnuAniStartb", {o, o, o, o}},
        {"mnuAniPause", {o, o, o, o}},
        {"mnuAniStop", {o, o, o, o}},
        {"mnuAniFirst", {o, o, o, o}},
        {"mnuAniPre", {o, o, o, o}},
        {"mnuAniNext", {o, o, o, o}},
        {"mnuAniLast", {o, o, o, o}},
        {"mnuAniNormal", {o, o, o, o}},
        {"mnuAniRev", {o, o, o, o}},
        {"mnuAniRepeat", {o, o, o, o}},
        {"mnuAniRevRepeat", {o, o, o, o}},
        {"mnuViewRotX", {o, X, X, o}},
        {"mnuViewRotY", {o, X, X, o}},
        {"mnuViewRotZ", {o, X, X, o}},
        {"mnuViewRotate", {o, X, X, o}},
        {"mnuViewFront", {o, o, X, o}},
        {"mnuViewRight", {o, o, X, o}},
        {"mnuViewTop", {o, o, X, o}},
        {"mnuViewISO", {o, X, X, o}},
        {"mnuViewSet", {X, X, X, X}},
        {"mnuGraphAxis", {o, X, X, o}},
        {"mnuGraphLight", {o, X, X, o}},
    };
    return rows;
}

const std::vector<const char*>& PlaybackMenuItems() {
    static const std::vector<const char*> items{"mnuAniStartb", "mnuAniPause", "mnuAniStop",   "mnuAniFirst",
                                                "mnuAniPre",    "mnuAniNext",  "mnuAniLast",   "mnuAniNormal",
                                                "mnuAniRev",    "mnuAniRepeat", "mnuAniRevRepeat"};
    return items;
}

void frmF1::ApplyCommandSet(int set) {
    ToolStrip* strips[3] = {Toolbar1, Toolbar2, Toolbar3};
    for (const ButtonAvailability& row : ToolbarAvailability())
        for (int i = row.first; i <= row.last; ++i) strips[row.toolbar - 1]->SetButtonEnabled(i, row.on[set]);
    for (const MenuAvailability& row : MenuItemAvailability()) MenuItem(row.menuItem)->setEnabled(row.on[set]);
}

void frmF1::EnableCommands2D() { ApplyCommandSet(Set2D); }
void frmF1::EnableCommands25D() { ApplyCommandSet(Set25D); }
void frmF1::EnableCommands3D() { ApplyCommandSet(Set3D); }
void frmF1::EnableCommandsSpecial() { ApplyCommandSet(SetSpecial); }

void frmF1::EnablePlayback() {
    for (int i = FirstPlaybackButton; i <= LastPlaybackButton; ++i) Toolbar1->SetButtonEnabled(i, true);
    for (const char* item : PlaybackMenuItems()) MenuItem(item)->setEnabled(true);
}
