// The Tools menu.
#include "app/frmF1.h"
#include "dialogs/frmFunCal.h"

// The expression calculator, modal until it is closed.
void frmF1::mnuToolCal_Click() { frmFunCal::Get().ShowModal(); }
