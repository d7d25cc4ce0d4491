// The graph list: ticking, the popup, and what the dialogs use of the list.
#include "app/frmF1.h"
#include "platform/CheckListBox.h"

// A row's tick changed.
void frmF1::List1_ItemCheck(int) {}

// A mouse button went down on the list.
void frmF1::List1_MouseDown(int, float, float) {}

std::int32_t frmF1::CurrentRow() const { return List1->ListIndex(); }
std::int32_t frmF1::RowCount() const { return List1->ListCount(); }
std::string frmF1::RowText(std::int32_t row) const { return List1->ItemText(row); }
void frmF1::SetRowText(std::int32_t row, const std::string& text) { List1->SetItemText(row, text); }

void frmF1::AddTickedRow(const std::string& text) {
    List1->AddItem(text);
    List1->SetTicked(List1->ListCount() - 1, true);
}

void frmF1::Rebuild() {
    BuildDisplayLists();
    Display(CurrentFrame);
}

void frmF1::Redraw() { Display(CurrentFrame); }

void frmF1::EnablePlayback() {}
