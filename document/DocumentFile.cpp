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
        // Only the framed text is read, and only as far as the reading goes:
        // its head says how long it is, a file too short for that is refused
        // at once, and a text that fails early is never read to its end.
        const QByteArray head = file.read(static_cast<qint64>(LongFrameHeadBytes));
        const FrameHead frame = ReadFrameHead(std::string_view(head.constData(), std::size_t(head.size())));
        const auto fileBytes = static_cast<std::uint64_t>(file.size());
        if (fileBytes < frame.HeadBytes || fileBytes - frame.HeadBytes < frame.TextBytes)
            throw DocumentFormatError("the text is cut short");
        if (!file.seek(static_cast<qint64>(frame.HeadBytes))) throw DocumentFormatError("the text is cut short");
        return ReadDocumentFrom(
            frame.TextBytes,
            [&file](char* into, std::size_t most) {
                const qint64 got = file.read(into, static_cast<qint64>(most));
                return got > 0 ? static_cast<std::size_t>(got) : std::size_t{0};
            },
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
