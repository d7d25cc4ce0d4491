#pragma once
// Which commands each kind of document offers, as one table with a column
// per kind: the Draw, Animation and View items and the toolbar buttons that
// the four command sets switch. Items outside the table keep their state.
#include <vector>

// The columns: New 2D, 2.5D, 3D and special documents.
enum CommandSet { Set2D = 0, Set25D = 1, Set3D = 2, SetSpecial = 3 };

struct MenuAvailability {
    const char* menuItem;
    bool on[4];
};

// Toolbar `toolbar`, buttons first..last (no separator among them).
struct ButtonAvailability {
    int toolbar;
    int first;
    int last;
    bool on[4];
};

// Written in this order: the buttons (Toolbar1, 2, 3, ascending), then the
// menu items.
const std::vector<ButtonAvailability>& ToolbarAvailability();
const std::vector<MenuAvailability>& MenuItemAvailability();

// The playback commands: off in every set, on once an animated graph exists.
const std::vector<const char*>& PlaybackMenuItems();
inline constexpr int FirstPlaybackButton = 33; // Toolbar1
inline constexpr int LastPlaybackButton = 43;
