#include "platform/QtFileDialog.h"

#include "platform/OwnerWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QStandardPaths>

QStringList QtFileDialog::NameFilters(const std::string& filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QRegularExpression(QStringLiteral("[|:]")));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // Qt reads the patterns from the last parentheses of each entry,
        // separated by blanks ("*.bmp;*.jpg" names two).
        const QString patterns = QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString inParentheses = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (description.endsWith(inParentheses))
            filters << description.chopped(inParentheses.size()) + QLatin1Char('(') + patterns + QLatin1Char(')');
        else
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString QtFileDialog::FilterExtension(const QString& nameFilter) {
    static const QRegularExpression single(QStringLiteral("\\(\\*\\.([^*?.;\\s()]+)\\)$"));
    const QRegularExpressionMatch m = single.match(nameFilter);
    return m.hasMatch() ? m.captured(1) : QString();
}

namespace {

// A dialog whose default extension, when saving, is that of the file type
// chosen when the user accepts (before Qt adds it and asks about replacing a
// file); when opening, the request's.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const QString& title, const QString& fallback)
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

constexpr int PreviewSize = 200;

// The picture file at `path` scaled into the preview, or nothing.
QPixmap PreviewOf(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    const QImage fitted = image.width() > PreviewSize || image.height() > PreviewSize
                              ? image.scaled(PreviewSize, PreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : image;
    return QPixmap::fromImage(fitted);
}

// The folder for the dialog to open in: the folder itself, a file's folder,
// or for a path that is gone the folder it was in.
QString OpeningFolder(const std::string& directory) {
    if (directory.empty()) return {};
    const QFileInfo info(QString::fromStdString(directory));
    if (info.isDir()) return info.absoluteFilePath();
    if (QFileInfo(info.absolutePath()).isDir()) return info.absolutePath();
    return {};
}

} // namespace

std::optional<FileDialogChoice> QtFileDialog::ChooseFileAndType(const FileDialogRequest& r) {
    namespace F = FileDialogFlag;
    QWidget* parent = OwnerWindow(r.owner, parent_);
    FileDialog dialog(parent, QString::fromStdString(r.title), QString::fromStdString(r.defaultExt));
    // Qt's own dialog (set before anything else): its accept adds the default
    // extension before it asks about replacing a file, so the question names
    // the file that would be written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = NameFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    QCheckBox* readOnly = nullptr;
    if (r.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if ((r.flags & F::AllowMultiSelect) != 0)
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else
            dialog.setFileMode((r.flags & F::FileMustExist) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromStdString(r.defaultExt));
        auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
        if (grid && (r.flags & F::HideReadOnly) == 0) {
            readOnly = new QCheckBox(QString::fromUtf8("以只读方式打开"), &dialog);
            readOnly->setObjectName(QStringLiteral("readOnlyBox"));
            readOnly->setChecked((r.flags & F::ReadOnly) != 0);
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
        }
        if (grid && r.preview) {
            auto* preview = new QLabel(&dialog);
            preview->setObjectName(QStringLiteral("preview"));
            preview->setFixedSize(PreviewSize + 4, PreviewSize + 4);
            preview->setAlignment(Qt::AlignCenter);
            preview->setFrameShape(QFrame::StyledPanel);
            grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
            QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
                const QPixmap picture = PreviewOf(path);
                if (picture.isNull())
                    preview->clear();
                else
                    preview->setPixmap(picture);
            });
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, (r.flags & F::OverwritePrompt) == 0);
    }
    const QString folder = OpeningFolder(r.directory);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (!r.fileName.empty()) dialog.selectFile(QString::fromStdString(r.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileDialogChoice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    const qsizetype type = filters.indexOf(dialog.selectedNameFilter());
    choice.filterIndex = type >= 0 ? std::int32_t(type + 1) : 1;
    choice.flags = r.flags & ~F::ExtensionDifferent;
    if (readOnly) choice.flags = readOnly->isChecked() ? (choice.flags | F::ReadOnly) : (choice.flags & ~F::ReadOnly);
    const QString suffix = QFileInfo(dialog.selectedFiles().first()).suffix();
    if (!r.defaultExt.empty() && suffix.compare(QString::fromStdString(r.defaultExt), Qt::CaseInsensitive) != 0)
        choice.flags |= F::ExtensionDifferent;
    return choice;
}

std::string QtFileDialog::SpecialFolderPath(std::int32_t folder) {
    struct Folder {
        std::int32_t number;
        QStandardPaths::StandardLocation location;
    };
    static const Folder folders[] = {
        {0x00, QStandardPaths::DesktopLocation},   {0x05, QStandardPaths::DocumentsLocation},
        {0x0d, QStandardPaths::MusicLocation},     {0x0e, QStandardPaths::MoviesLocation},
        {0x10, QStandardPaths::DesktopLocation},   {0x14, QStandardPaths::FontsLocation},
        {0x15, QStandardPaths::TemplatesLocation}, {0x1a, QStandardPaths::GenericDataLocation},
        {0x27, QStandardPaths::PicturesLocation},  {0x28, QStandardPaths::HomeLocation},
    };
    for (const Folder& f : folders)
        if (f.number == folder) return QStandardPaths::writableLocation(f.location).toStdString();
    return {};
}
