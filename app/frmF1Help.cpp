// The Help menu.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"

// The help file.
void frmF1::mnuHelpCon_Click() {}

// The maker's home page.
void frmF1::mnuHelpHome_Click() {}

// The maker's support page.
void frmF1::mnuHelpCus_Click() {}

// The about box.
void frmF1::mnuHelpAbout_Click() {}
