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

namespace {

// A save dialog whose default extension is that of the file type chosen when
// the user accepts (before Qt adds it and asks about replacing a file).
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& title, const QString& fallback)
        : QFileDialog(parent, title), fallback_(fallback) {}
    void accept() override {
        if (acceptMode() == AcceptSave) {
            const QString ext = QtFileDialog::FilterExtension(selectedNameFilter());
            setDefaultSuffix(ext.isEmpty() ? fallback_ : ext);
        }
        QFileDialog::accept();
    }

private:
    QString fallback_;
};

} // namespace

std::optional<FileDialogChoice> QtFileDialog::ChooseFileAndType(const FileDialogRequest& r) {
    SaveDialog dialog(parent_, QString::fromStdString(r.title), QString::fromStdString(r.defaultExt));
    // Qt's own dialog (set before anything else): its accept adds the default
    // extension before it asks about replacing a file, so the question names
    // the file that would be written.
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
    }
    if (!r.fileName.empty()) dialog.selectFile(QString::fromStdString(r.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileDialogChoice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    const qsizetype type = filters.indexOf(dialog.selectedNameFilter());
    choice.filterIndex = type >= 0 ? std::int32_t(type + 1) : 1;
    return choice;
}
