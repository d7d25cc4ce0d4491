#pragma once
// The window a service's dialog belongs to, from the native window id a
// request names (-1: none).
#include <QWidget>

#include <cstdint>

// The top-level window of this program's widget with that id; else
// `fallback` (the service's own window).
inline QWidget* OwnerWindow(std::int32_t owner, QWidget* fallback) {
    if (owner != -1)
        if (QWidget* w = QWidget::find(static_cast<WId>(static_cast<std::uint32_t>(owner)))) return w->window();
    return fallback;
}
