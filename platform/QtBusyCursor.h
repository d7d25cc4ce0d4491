#pragma once
// The busy indicator as the wait cursor over every window of the program
// (Qt's override cursor, which Qt hands to the window system at once, so it
// shows while the work keeps the event loop waiting).
#include "core/BusyWork.h"

class QtBusyCursor : public BusyIndicator {
public:
    void Show() override;
    void Hide() override;
};
