// The Help menu: Vexilon's own pages in "help" beside the executable, opened
// through the shell (whose answer is not examined), and the about box.
#include "app/frmF1.h"
#include "dialogs/HelpPages.h"
#include "dialogs/frmF2.h"

// The help contents (also Toolbar1's barHelp).
void frmF1::mnuHelpCon_Click() { OpenHelpPage("index.html"); }

// The home page.
void frmF1::mnuHelpHome_Click() { OpenHelpPage("home.html"); }

// The support page.
void frmF1::mnuHelpCus_Click() { OpenHelpPage("support.html"); }

// The about box, modal until it is closed.
void frmF1::mnuHelpAbout_Click() { frmF2::Get().ShowModal(); }
