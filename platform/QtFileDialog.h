#pragma once
// The file-dialog service shown as a real modal QFileDialog (Qt's own, not
// the desktop's), and the user's special folders from QStandardPaths.
#include "core/FileDialogService.h"

#include <QStringList>

class QWidget;

class QtFileDialog : public FileDialogService {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    // A save dialog asks before replacing a file (Qt's question) and adds to a
    // name typed without an extension that of the chosen file type.
    //
    // The request's owner (a native window id) parents the dialog when it is
    // a window of this program. An open dialog shows the read-only box
    // "以只读方式打开" (objectName "readOnlyBox") unless HideReadOnly, and with
    // `preview` a picture preview (objectName "preview") of the file under
    // the cursor. The choice's flags are the request's, with ReadOnly as the
    // box was left and ExtensionDifferent when the chosen name's extension is
    // not the default extension; with several files chosen, the first.
    std::optional<FileDialogChoice> ChooseFileAndType(const FileDialogRequest& request) override;
    // 0 and 0x10 desktop, 5 documents, 0x0d music, 0x0e videos, 0x14 fonts,
    // 0x15 templates, 0x1a application data, 0x27 pictures, 0x28 home.
    std::string SpecialFolderPath(std::int32_t folder) override;

    // The filter text as Qt's name filters: "(*.pgp)|*.pgp" gives "(*.pgp)";
    // "AVI Files|*.avi" gives "AVI Files (*.avi)"; "Pictures|*.bmp;*.jpg"
    // gives "Pictures (*.bmp *.jpg)".
    static QStringList NameFilters(const std::string& filter);
    // The one extension a name filter names ("*.bmp (*.bmp)" gives "bmp"),
    // else the empty text.
    static QString FilterExtension(const QString& nameFilter);

private:
    QWidget* parent_;
};
