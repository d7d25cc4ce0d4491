#pragma once
// Documents on disk: reading one into a LoadedDocument (with the messages a
// user sees when that fails) and writing the visible scene.
#include "document/LoadedDocument.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include <QtCore/QString>

#include <optional>
#include <string>

inline const std::string DocumentMalformedText = "文件格式不正确。";
inline const std::string DocumentOpenFailedText = "无法打开文件：";
inline const std::string DocumentWriteFailedText = "无法保存文件：";

// Reads the document at `path` over a copy of `currentAxes` and changes
// nothing. An empty path gives nothing, silently; a file that cannot be opened
// shows "无法打开文件：" + path, and a file that is no readable document
// "文件格式不正确。" (title "出错", error icon), and gives nothing.
std::optional<LoadedDocument> LoadDocument(const QString& path, const Cls3& currentAxes);

// The document text of a scene: the header for the document kind, the number
// of graphs, their records and the axes record.
std::string ComposeDocumentText(std::int32_t documentKind, const Cls8& scene, const Cls3& axes);

enum class SaveResult { Written, WriteFailed };

// Writes the text as a ".pgp" file in place of whatever `path` held. A file
// that cannot be written, wholly, flushed and given its name (a missing
// folder, a full disk), shows "无法保存文件：" + path (title "出错") and
// leaves the old file as it was.
SaveResult SaveDocumentFile(const QString& path, const std::string& text);
