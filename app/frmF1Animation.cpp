// The Animation menu: the new animations, the player and its options, and its timer.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"

// A new point animation.
void frmF1::mnuAniPoint_Click() {}

// A new plane-function animation in Cartesian coordinates.
void frmF1::mnuAniCur2DCart_Click() {}

// A new plane-function animation in polar coordinates.
void frmF1::mnuAniCur2DPol_Click() {}

// A new strip animation in Cartesian coordinates.
void frmF1::mnuAni25DCurCart_Click() {}

// A new strip animation in polar coordinates.
void frmF1::mnuAni25DCurPol_Click() {}

// A new space animation in Cartesian coordinates.
void frmF1::mnuAniSurCart_Click() {}

// A new space animation in cylindrical coordinates.
void frmF1::mnuAniSurCyl_Click() {}

// A new space animation in spherical coordinates.
void frmF1::mnuAniSurSph_Click() {}

// Starts playing.
void frmF1::mnuAniStartb_Click() {}

// Pauses playing.
void frmF1::mnuAniPause_Click() {}

// Stops playing.
void frmF1::mnuAniStop_Click() {}

// Shows the first frame.
void frmF1::mnuAniFirst_Click() {}

// Shows the previous frame.
void frmF1::mnuAniPre_Click() {}

// Shows the next frame.
void frmF1::mnuAniNext_Click() {}

// Shows the last frame.
void frmF1::mnuAniLast_Click() {}

// Play mode: forwards once.
void frmF1::mnuAniNormal_Click() {}

// Play mode: backwards once.
void frmF1::mnuAniRev_Click() {}

// Play mode: forwards, repeated.
void frmF1::mnuAniRepeat_Click() {}

// Play mode: back and forth.
void frmF1::mnuAniRevRepeat_Click() {}

// The animation-options dialog.
void frmF1::mnuAniOpt_Click() {}

// Each tick of the animation timer (100 ms): the next frame of the play.
void frmF1::Timer1_Timer() {}
