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

QString QtFileDialog::FilterExtension(const QString& nameFilter) {
    static const QRegularExpression single(QStringLiteral("\\(\\*\\.([^*?.;\\s()]+)\\)$"));
    const QRegularExpressionMatch m = single.match(nameFilter);
    return m.hasMatch() ? m.captured(1) : QString();
}

std::optional<FileDialogChoice> QtFileDialog::ChooseFileAndType(const FileDialogRequest& r) {
    QFileDialog dialog(parent_, QString::fromStdString(r.title));
    const QStringList filters = NameFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    if (r.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension gets the chosen type's (before the
        // dialog asks about replacing a file of that name).
        const QString fallback = QString::fromStdString(r.defaultExt);
        const auto suffixFor = [fallback](const QString& nameFilter) {
            const QString ext = FilterExtension(nameFilter);
            return ext.isEmpty() ? fallback : ext;
        };
        dialog.setDefaultSuffix(suffixFor(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, suffixFor](const QString& f) { dialog.setDefaultSuffix(suffixFor(f)); });
    }
    if (!r.fileName.empty()) dialog.selectFile(QString::fromStdString(r.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileDialogChoice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    const qsizetype type = filters.indexOf(dialog.selectedNameFilter());
    choice.filterIndex = type >= 0 ? std::int32_t(type + 1) : 1;
    return choice;
}
