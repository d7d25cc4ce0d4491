// The Tools menu.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"

// The expression calculator.
void frmF1::mnuToolCal_Click() {}
