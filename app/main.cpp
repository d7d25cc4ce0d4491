#include "app/RegionalFormat.h"
#include "app/frmF1.h"
#include "core/ClipboardService.h"
#include "core/ColorService.h"
#include "core/FileAssociation.h"
#include "core/FileDialogService.h"
#include "core/MessageService.h"
#include "core/PrinterService.h"
#include "core/ShellService.h"
#include "core/VideoService.h"
#include "dialogs/DialogForm.h"
#include "platform/AviWriter.h"
#include "platform/QtClipboard.h"
#include "platform/DesktopFileAssociation.h"
#include "platform/GlFormat.h"
#include "platform/QtFileDialog.h"
#include "platform/QtColorPicker.h"
#include "platform/QtMessageBox.h"
#include "platform/QtPictureReader.h"
#include "platform/QtPrinter.h"
#include "platform/QtShell.h"
#include "platform/QtTranslation.h"
#include "platform/QtVideoCompression.h"
#include "platform/TerminationHandler.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv) {
    InstallDrawingSurfaceFormat();
    QApplication app(argc, argv);
    InstallTerminationHandler();
    // Message boxes and Qt's dialogs speak the interface's language.
    const QtChineseTranslation qtTexts;

    DesktopFileAssociation association;
    SetFileAssociationService(&association);
    frmF1 window;
    QtMessageBox messages(&window);
    SetMessageService(&messages);
    QtColorPicker colours(&window);
    SetColorService(&colours);
    QtPictureReader pictures;
    SetPictureService(&pictures);
    QtFileDialog files(&window);
    SetFileDialogService(&files);
    QtShell shell;
    SetShellService(&shell);
    QtClipboard clipboard;
    SetClipboardService(&clipboard);
    QtPrinter printer;
    SetPrinterService(&printer);
    AviVideoService videos;
    SetVideoService(&videos);
    QtVideoCompression compressions(&window);
    SetVideoCompressionService(&compressions);
    SetDialogOwner(&window);
    // Space and strip tick labels follow the desktop's number format.
    TakeSystemNumberFormat();

    // The command line is one text: the arguments joined by blanks, so a
    // path with blanks arrives whole.
    QStringList args = QApplication::arguments();
    if (!args.isEmpty()) args.removeFirst();
    window.SetCommandLine(args.join(QLatin1Char(' ')));
    window.show();
    const int rc = QApplication::exec();
    SetClipboardService(nullptr);
    SetPrinterService(nullptr);
    SetShellService(nullptr);
    SetVideoCompressionService(nullptr);
    SetVideoService(nullptr);
    SetPictureService(nullptr);
    SetFileDialogService(nullptr);
    SetColorService(nullptr);
    SetMessageService(nullptr);
    SetFileAssociationService(nullptr);
    return rc;
}
