#include "app/DocumentCommands.h"

#include "core/Globals.h"
#include "core/MessageService.h"

namespace {

// Until documents can be read and written: opening says it cannot, saving
// reports that nothing was written.
class NoDocuments : public DocumentCommands {
public:
    bool OpenDocument(frmF1&, const std::string& path) override {
        MsgBox("无法打开文件：" + path, MsgIcon::Critical, ErrorTitle);
        return false;
    }
    bool SaveDocument(frmF1&) override { return false; }
};

NoDocuments none;
DocumentCommands* current = &none;

} // namespace

DocumentCommands& Documents() { return *current; }
void SetDocumentCommands(DocumentCommands* commands) { current = commands ? commands : &none; }
