#pragma once
// The 16 x 16 pictures of the toolbar buttons, drawn by the program itself,
// one per button key.
#include <QPixmap>

#include <string>

// The picture of the button with this key (transparent when it has none).
QPixmap ToolPicture(const std::string& key);
bool HasToolPicture(const std::string& key);
