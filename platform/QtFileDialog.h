#pragma once
// The file-dialog service shown as a real modal QFileDialog.
#include "core/FileDialogService.h"

#include <QStringList>

class QWidget;

class QtFileDialog : public FileDialogService {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;

    // The filter text as Qt's name filters: "(*.pgp)|*.pgp" gives "(*.pgp)";
    // "AVI Files|*.avi" gives "AVI Files (*.avi)".
    static QStringList NameFilters(const std::string& filter);

private:
    QWidget* parent_;
};
