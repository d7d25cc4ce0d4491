#include "document/DocumentFile.h"

#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/ReplacementFile.h"
#include "document/DocumentContainer.h"
#include "document/DocumentReader.h"
#include "document/RecordFormat.h"

#include <QtCore/QFile>

std::optional<LoadedDocument> LoadDocument(const QString& path, const Cls3& currentAxes) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(DocumentOpenFailedText + path.toStdString(), MsgIcon::Critical, ErrorTitle);
        return std::nullopt;
    }
    try {
        // Only the framed text is read: its head says how long it is, and a
        // file too short for it is refused before anything is allocated.
        QByteArray bytes = file.read(static_cast<qint64>(LongFrameHeadBytes));
        const std::size_t framed = FramedTextBytes(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (static_cast<std::uint64_t>(file.size()) < framed) throw DocumentFormatError("the text is cut short");
        if (std::size_t(bytes.size()) < framed) bytes += file.read(static_cast<qint64>(framed - std::size_t(bytes.size())));
        file.close();
        return ReadDocumentBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                 currentAxes);
    } catch (const DocumentFormatError&) {
        MsgBox(DocumentMalformedText, MsgIcon::Critical, ErrorTitle);
        return std::nullopt;
    }
}

std::string ComposeDocumentText(std::int32_t documentKind, const Cls8& scene, const Cls3& axes) {
    std::string text(DocumentHeaderFor(documentKind));
    text += ' ';
    text += LongText(scene.FunSurfs.Count());
    text += ' ';
    text += scene.Save();
    text += axes.Save();
    return text;
}

SaveResult SaveDocumentFile(const QString& path, const std::string& text) {
    if (!ReplaceFileContents(path.toStdString(), FrameDocumentText(Utf8ToGbkLenient(text)))) {
        MsgBox(DocumentWriteFailedText + path.toStdString(), MsgIcon::Critical, ErrorTitle);
        return SaveResult::WriteFailed;
    }
    return SaveResult::Written;
}
