#pragma once
// The main window's menu tree as one table: the menu bar's menus, the two
// hidden popups, their items and submenus in order. Each item runs its
// handler on the main window; a toolbar button runs the handler of the menu
// item it names.
#include <vector>

class frmF1;

enum class MenuKind {
    Bar,       // a menu of the menu bar
    Popup,     // a hidden menu shown as a popup
    Submenu,   // a submenu header
    Item,      // a command
    Separator,
};

struct MenuRow {
    int level;               // 0 menus and popups, 1 their entries, 2 entries of a submenu
    MenuKind kind;
    const char* name;        // control name (nullptr for separators)
    const char* caption;
    const char* shortcut;    // key sequence text, or nullptr
    void (frmF1::*handler)();
};

const std::vector<MenuRow>& MenuTree();
