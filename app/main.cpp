#include "app/frmF1.h"
#include "core/ColorService.h"
#include "core/MessageService.h"
#include "core/ShellService.h"
#include "core/VideoService.h"
#include "dialogs/DialogForm.h"
#include "platform/AviWriter.h"
#include "platform/GlFormat.h"
#include "platform/QtColorPicker.h"
#include "platform/QtMessageBox.h"
#include "platform/QtPictureReader.h"
#include "platform/QtShell.h"
#include "platform/TerminationHandler.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv) {
    InstallDrawingSurfaceFormat();
    QApplication app(argc, argv);
    InstallTerminationHandler();

    frmF1 window;
    QtMessageBox messages(&window);
    SetMessageService(&messages);
    QtColorPicker colours(&window);
    SetColorService(&colours);
    QtPictureReader pictures;
    SetPictureService(&pictures);
    QtShell shell;
    SetShellService(&shell);
    AviVideoService videos;
    SetVideoService(&videos);
    SetDialogOwner(&window);

    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.SetCommandLineDocument(args.at(1));
    window.show();
    const int rc = QApplication::exec();
    SetShellService(nullptr);
    SetVideoService(nullptr);
    SetPictureService(nullptr);
    SetColorService(nullptr);
    SetMessageService(nullptr);
    return rc;
}
