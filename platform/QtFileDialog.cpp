#include "platform/QtFileDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

QStringList QtFileDialog::NameFilters(const std::string& filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QRegularExpression(QStringLiteral("[|:]")));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // Qt reads the patterns from the last parentheses of each entry.
        if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters;
}

std::optional<std::string> QtFileDialog::ChooseFile(const FileDialogRequest& r) {
    QFileDialog dialog(parent_, QString::fromStdString(r.title));
    // Qt's own dialog (set before anything else): it adds the default suffix
    // before it asks about replacing a file, so the question names the file
    // that would be written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = NameFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    if (r.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!r.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(r.defaultExt));
    }
    if (!r.fileName.empty()) dialog.selectFile(QString::fromStdString(r.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}
