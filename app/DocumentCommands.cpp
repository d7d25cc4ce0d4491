#include "app/DocumentCommands.h"

#include "app/frmF1.h"
#include "core/FileAssociation.h"
#include "core/FileDialogService.h"
#include "core/Globals.h"
#include "document/DocumentFile.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include <QString>

#include <utility>

namespace {

bool WriteDocumentText(const std::string& path, const std::string& text) {
    if (SaveDocumentFile(QString::fromStdString(path), text) != SaveResult::Written) return false;
    RefreshFileAssociation();
    return true;
}

// The ".pgp" files: the document library reads and checks a document
// completely before the window applies it, and writes the visible scene.
class FileDocuments : public DocumentCommands {
public:
    bool OpenDocument(frmF1& window, const std::string& path) override {
        std::optional<LoadedDocument> document = LoadDocument(QString::fromStdString(path), Axes);
        if (!document) return false;
        window.ApplyDocument(std::move(*document));
        return true;
    }

    // An empty document is not saved and counts as saved; a cancelled dialog
    // or a failed write counts as not saved.
    bool SaveDocument(frmF1&) override {
        if (DocumentScene.FunSurfs.Count() == 0) return true;
        const std::string text = ComposeDocumentText(DocumentKind, VisibleScene, Axes);
        FileDialogRequest request;
        request.kind = FileDialogKind::Save;
        request.title = "保存";
        request.filter = "(*.pgp)|*.pgp";
        request.defaultExt = "pgp";
        const std::optional<std::string> path = FileDialogs().ChooseFile(request);
        if (!path) {
            RefreshFileAssociation();
            return false;
        }
        return WriteDocumentText(*path, text);
    }
};

FileDocuments files;
DocumentCommands* current = &files;

} // namespace

DocumentCommands& Documents() { return *current; }
void SetDocumentCommands(DocumentCommands* commands) { current = commands ? commands : &files; }

bool WriteDocument(const std::string& path) {
    return WriteDocumentText(path, ComposeDocumentText(DocumentKind, VisibleScene, Axes));
}

void RefreshFileAssociation() {
    // Never reported: a refresh that fails changes nothing else.
    try {
        FileAssociation().WriteFileAssociation();
    } catch (...) {
    }
}
