#include "document/DocumentFile.h"

#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "document/DocumentContainer.h"
#include "document/DocumentReader.h"
#include "document/RecordFormat.h"

#include <QtCore/QFile>
#include <QtCore/QSaveFile>

std::optional<LoadedDocument> LoadDocument(const QString& path, const Cls3& currentAxes) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(DocumentOpenFailedText + path.toStdString(), MsgIcon::Critical, ErrorTitle);
        return std::nullopt;
    }
    // The container never reaches past its 4 + 65,535 bytes.
    const QByteArray bytes = file.read(static_cast<qint64>(4 + MaxDocumentTextBytes));
    file.close();
    try {
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

bool DocumentFitsContainer(const std::string& text) {
    return Utf8ToGbkLenient(text).size() <= MaxDocumentTextBytes;
}

SaveResult SaveDocumentFile(const QString& path, const std::string& text) {
    const std::string gbk = Utf8ToGbkLenient(text);
    if (gbk.size() > MaxDocumentTextBytes) {
        MsgBox(DocumentTooLargeText, MsgIcon::Critical, ErrorTitle);
        return SaveResult::TooLarge;
    }
    const std::string bytes = FrameDocumentText(gbk);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        MsgBox(DocumentWriteFailedText + path.toStdString(), MsgIcon::Critical, ErrorTitle);
        return SaveResult::WriteFailed;
    }
    return SaveResult::Written;
}
