#pragma once
// The 演示 menu as one table: every entry under mnuDemo in menu order, with
// its control name, caption and, for a command, the path of the sample
// document it opens relative to the program's folder, written as the program
// has always written it ("\samples\2D\point.pgp"). The table builds the menu
// and drives its commands (frmF1Demo.cpp).
#include "app/MenuTable.h"

#include <string>
#include <string_view>
#include <vector>

struct SampleMenuRow {
    int level;           // 1 the entries of 演示, 2 those of its submenus, 3 one level deeper
    MenuKind kind;       // Submenu, Item or Separator
    const char* name;    // control name (separators have theirs too)
    const char* caption; // nullptr for separators
    const char* path;    // the sample's path literal; nullptr but for commands
};

const std::vector<SampleMenuRow>& SampleMenuTable();

// The file a sample command opens: the program's folder followed by the path
// literal, its "\" turned into "/".
std::string SampleDocumentPath(std::string_view literal);
