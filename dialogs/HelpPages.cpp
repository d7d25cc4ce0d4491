#include "dialogs/HelpPages.h"

#include "core/ShellService.h"
#include "dialogs/FormControls.h"

#include <QCoreApplication>

std::string HelpPagePath(const std::string& sPage) {
    return ToStdString(QCoreApplication::applicationDirPath()) + "/help/" + sPage;
}

void OpenHelpPage(const std::string& sPage) { (void)Shell().Open(HelpPagePath(sPage)); }
