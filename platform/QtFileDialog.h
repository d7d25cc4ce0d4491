#pragma once
// The file-dialog service shown as a real modal QFileDialog.
#include "core/FileDialogService.h"

#include <QStringList>

class QWidget;

class QtFileDialog : public FileDialogService {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    // A save dialog asks before replacing a file (Qt's question) and adds to a
    // name typed without an extension that of the chosen file type.
    std::optional<FileDialogChoice> ChooseFileAndType(const FileDialogRequest& request) override;

    // The filter text as Qt's name filters: "(*.pgp)|*.pgp" gives "(*.pgp)";
    // "AVI Files|*.avi" gives "AVI Files (*.avi)".
    static QStringList NameFilters(const std::string& filter);
    // The one extension a name filter names ("*.bmp (*.bmp)" gives "bmp"),
    // else the empty text.
    static QString FilterExtension(const QString& nameFilter);

private:
    QWidget* parent_;
};
