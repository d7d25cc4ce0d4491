#include "core/cFileDlg.h"

#include "core/FileDialogService.h"
#include "core/Globals.h"

cFileDlg::cFileDlg() : DlgTitle(AppTitle) {}

bool cFileDlg::VBGetSaveFileName(std::string& FileName, std::string& FileTitle) {
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = DlgTitle;
    request.filter = Filter;
    request.filterIndex = 1;
    request.fileName = FileName;
    request.defaultExt = DefaultExt;
    const std::optional<std::string> chosen = FileDialogs().ChooseFile(request);
    if (!chosen) {
        FileName.clear();
        FileTitle.clear();
        return false;
    }
    FileName = *chosen;
    const std::size_t slash = FileName.find_last_of('/');
    FileTitle = slash == std::string::npos ? FileName : FileName.substr(slash + 1);
    return true;
}

bool cFileDlg::VBGetSaveFileName(std::string& FileName) {
    std::string title;
    return VBGetSaveFileName(FileName, title);
}
