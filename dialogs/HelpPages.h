#pragma once
// Vexilon's own help: static pages in the folder "help" beside the executable,
// opened through the shell service.
#include <string>

// The absolute path of page `sPage` ("index.html", ...) in the executable's
// "help" folder, whatever the current folder is.
std::string HelpPagePath(const std::string& sPage);
// Asks the shell to open that page; its answer is not examined (a missing page
// or viewer shows nothing, as the help commands always did).
void OpenHelpPage(const std::string& sPage);
