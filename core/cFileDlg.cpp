#include "core/cFileDlg.h"

#include "core/FileDialogService.h"
#include "core/Globals.h"

#include <sys/stat.h>

#include <vector>

namespace {

constexpr std::int32_t DocumentsFolder = 5;
// The longest file name part the title buffer holds (with its NUL).
constexpr std::size_t TitleBufferSize = 1024;

// The filter's items (descriptions and patterns alternating), split at "|",
// ":" and NUL, as the dialog takes them.
std::vector<std::string> FilterItems(const std::string& filter) {
    std::vector<std::string> items(1);
    for (char c : filter) {
        if (c == '|' || c == ':' || c == '\0')
            items.emplace_back();
        else
            items.back() += c;
    }
    // A final separator may be left out, or written.
    if (items.back().empty()) items.pop_back();
    return items;
}

// The filter as the service takes it: the items joined by "|".
std::string ServiceFilter(const std::string& filter) {
    std::string out;
    for (const std::string& item : FilterItems(filter)) {
        out += item;
        out += '|';
    }
    if (!out.empty()) out.pop_back();
    return out;
}

// The n-th filter (1 = the first): its description, a NUL and its pattern;
// empty when there is no such filter.
std::string FilterItem(const std::string& filter, std::int32_t n) {
    const std::vector<std::string> items = FilterItems(filter);
    if (n < 1) return {};
    const std::size_t at = 2 * static_cast<std::size_t>(n - 1);
    if (at >= items.size()) return {};
    const std::string pattern = at + 1 < items.size() ? items[at + 1] : std::string();
    if (items[at].empty() && pattern.empty()) return {};
    return items[at] + '\0' + pattern;
}

} // namespace

cFileDlg::cFileDlg() : InitDirectory(FileDialogs().SpecialFolderPath(DocumentsFolder)), DlgTitle(AppTitle) {}

void cFileDlg::InitDirectorySpecial(std::int32_t SpecialDirectory) {
    InitDirectory = FileDialogs().SpecialFolderPath(SpecialDirectory);
}

bool cFileDlg::Show(Dialog dialog, std::string& FileName, std::string& FileTitle) {
    namespace F = FileDialogFlag;
    const bool open = dialog != Dialog::Save;
    FileDialogRequest request;
    request.kind = open ? FileDialogKind::Open : FileDialogKind::Save;
    request.preview = dialog == Dialog::OpenPreview;
    request.owner = OwnerHwnd;
    request.title = DlgTitle;
    request.filter = ServiceFilter(Filter);
    request.filterIndex = FilterIndex;
    request.fileName = FileName;
    request.defaultExt = DefaultExt;
    request.directory = InitDirectory;
    std::int32_t flags = Flags & ~(EnableHook | EnableTemplate);
    if (open) {
        if (FileMustExist) flags |= F::FileMustExist;
        if (MultiSelect) flags |= F::AllowMultiSelect;
        if (HideReadOnly) flags |= F::HideReadOnly;
        if (readOnly_) flags |= F::ReadOnly;
    } else {
        if (OverwritePrompt) flags |= F::OverwritePrompt;
        flags |= F::HideReadOnly;
    }
    request.flags = flags;

    const std::optional<FileDialogChoice> choice = FileDialogs().ChooseFileAndType(request);
    if (!choice) {
        FileName.clear();
        FileTitle.clear();
        Filter.clear();
        Flags = 0;
        FilterIndex = open ? -1 : 0;
        return false;
    }
    FileName = choice->path;
    FileTitle = VBGetFileTitle(FileName);
    Flags = choice->flags;
    FilterIndex = choice->filterIndex;
    Filter = FilterItem(Filter, choice->filterIndex);
    InitDirectory = choice->path;
    if (open && (choice->flags & F::ReadOnly) != 0) readOnly_ = true;
    return true;
}

bool cFileDlg::VBGetOpenFileName(std::string& FileName, std::string& FileTitle) {
    return Show(Dialog::Open, FileName, FileTitle);
}

bool cFileDlg::VBGetOpenFileName(std::string& FileName) {
    std::string title;
    return VBGetOpenFileName(FileName, title);
}

bool cFileDlg::VBGetOpenFileNamePreview(std::string& FileName, std::string& FileTitle) {
    return Show(Dialog::OpenPreview, FileName, FileTitle);
}

bool cFileDlg::VBGetOpenFileNamePreview(std::string& FileName) {
    std::string title;
    return VBGetOpenFileNamePreview(FileName, title);
}

bool cFileDlg::VBGetSaveFileName(std::string& FileName, std::string& FileTitle) {
    return Show(Dialog::Save, FileName, FileTitle);
}

bool cFileDlg::VBGetSaveFileName(std::string& FileName) {
    std::string title;
    return VBGetSaveFileName(FileName, title);
}

bool cFileDlg::ExistFile(const std::string& sSpec) {
    struct stat st {};
    return !sSpec.empty() && sSpec.find('\0') == std::string::npos && ::stat(sSpec.c_str(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

std::string cFileDlg::VBGetFileTitle(const std::string& sFile) {
    if (sFile.empty() || sFile.back() == '/' || sFile.find('\0') != std::string::npos) return {};
    const std::size_t slash = sFile.find_last_of('/');
    std::string title = slash == std::string::npos ? sFile : sFile.substr(slash + 1);
    if (title.size() >= TitleBufferSize) return {};
    return title;
}
