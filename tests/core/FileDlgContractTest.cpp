// The file dialog class cFileDlg through the recording file dialog: what each
// operation asks of the dialog (flags, filter, folder, owner), what a
// confirmed and a cancelled call leave in the object, and its two helpers.
#include "core/FileDialogService.h"
#include "core/Globals.h"
#include "core/cFileDlg.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace F = FileDialogFlag;

namespace {

using namespace std::string_literals;

class FileDlgContract : public ::testing::Test {
protected:
    RecordingFileDialog dialogs;

    void SetUp() override {
        dialogs.specialFolders = {{5, "/home/user/Documents"}, {0x27, "/home/user/Pictures"}};
    }
};

TEST_F(FileDlgContract, DefaultsOfANewObject) {
    cFileDlg dlg;
    EXPECT_EQ(dlg.OwnerHwnd, -1);
    EXPECT_TRUE(dlg.FileMustExist);
    EXPECT_FALSE(dlg.MultiSelect);
    EXPECT_FALSE(dlg.ReadOnly());
    EXPECT_TRUE(dlg.HideReadOnly);
    EXPECT_EQ(dlg.Filter, "");
    EXPECT_EQ(dlg.FilterIndex, 0);
    EXPECT_EQ(dlg.InitDirectory, "/home/user/Documents");
    EXPECT_EQ(dlg.DlgTitle, AppTitle);
    EXPECT_EQ(dlg.DefaultExt, "");
    EXPECT_EQ(dlg.Flags, 0);
    EXPECT_TRUE(dlg.OverwritePrompt);

    // Without a documents folder it starts empty; a special folder by number.
    dialogs.specialFolders.erase(5);
    cFileDlg other;
    EXPECT_EQ(other.InitDirectory, "");
    other.InitDirectorySpecial(0x27);
    EXPECT_EQ(other.InitDirectory, "/home/user/Pictures");
    other.InitDirectorySpecial(0x7777);
    EXPECT_EQ(other.InitDirectory, "");
}

// The flags each operation hands the dialog: its own options, and the
// caller's Flags without the hook and template bits.
TEST_F(FileDlgContract, FlagsReachingTheDialog) {
    enum Op { Open, Preview, Save };
    struct Case {
        const char* what;
        Op op;
        bool mustExist, multi, hideReadOnly, overwrite;
        std::int32_t flags;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"open, defaults", Open, true, false, true, true, 0, F::FileMustExist | F::HideReadOnly},
        {"open, other options", Open, false, true, false, true, 0, F::AllowMultiSelect},
        {"preview, defaults", Preview, true, false, true, true, 0, F::FileMustExist | F::HideReadOnly},
        {"save, defaults", Save, true, false, true, true, 0, F::OverwritePrompt | F::HideReadOnly},
        {"save hides the box whatever is set", Save, false, true, false, false, 0, F::HideReadOnly},
        {"hook and template bits dropped", Save, true, false, true, false, 0x7F | 0x80000,
         0x1F | 0x80000 | F::HideReadOnly},
        {"other bits pass", Open, false, false, false, true, 0x8 | 0x800, 0x8 | 0x800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cFileDlg dlg;
        dlg.FileMustExist = c.mustExist;
        dlg.MultiSelect = c.multi;
        dlg.HideReadOnly = c.hideReadOnly;
        dlg.OverwritePrompt = c.overwrite;
        dlg.Flags = c.flags;
        dlg.OwnerHwnd = 4242;
        dlg.DlgTitle = "标题";
        dlg.DefaultExt = "avi";
        dlg.FilterIndex = 2;
        std::string name = "untitled.avi";
        dialogs.requests.clear();
        const bool confirmed = c.op == Open      ? dlg.VBGetOpenFileName(name)
                               : c.op == Preview ? dlg.VBGetOpenFileNamePreview(name)
                                                 : dlg.VBGetSaveFileName(name);
        EXPECT_FALSE(confirmed);
        ASSERT_EQ(dialogs.requests.size(), 1u);
        const FileDialogRequest& r = dialogs.requests[0];
        EXPECT_EQ(r.kind, c.op == Save ? FileDialogKind::Save : FileDialogKind::Open);
        EXPECT_EQ(r.preview, c.op == Preview);
        EXPECT_EQ(r.flags, c.expected);
        EXPECT_EQ(r.owner, 4242);
        EXPECT_EQ(r.title, "标题");
        EXPECT_EQ(r.defaultExt, "avi");
        EXPECT_EQ(r.filterIndex, 2);
        EXPECT_EQ(r.fileName, "untitled.avi");
        EXPECT_EQ(r.directory, "/home/user/Documents");
    }
}

TEST_F(FileDlgContract, FilterTextsReachTheDialogAsOneForm) {
    struct Case {
        std::string filter, expected;
    };
    const Case cases[] = {
        {"AVI Files|*.avi", "AVI Files|*.avi"},
        {"AVI Files:*.avi", "AVI Files|*.avi"},
        {"AVI Files|*.avi|", "AVI Files|*.avi"},
        {"AVI Files\0*.avi"s, "AVI Files|*.avi"},
        {"Pictures|*.bmp;*.jpg:All|*.*", "Pictures|*.bmp;*.jpg|All|*.*"},
        {"", ""},
    };
    for (const Case& c : cases) {
        cFileDlg dlg;
        dlg.Filter = c.filter;
        std::string name;
        dlg.VBGetSaveFileName(name);
        ASSERT_FALSE(dialogs.requests.empty()) << c.filter;
        EXPECT_EQ(dialogs.requests.back().filter, c.expected) << c.filter;
    }
}

// A confirmed call leaves the chosen path, its name, the chosen filter, its
// index, the returned flags, and the path as the next call's folder.
TEST_F(FileDlgContract, ConfirmedCallsLeaveTheOutcome) {
    struct Case {
        const char* what;
        std::string filter;
        std::int32_t chosenType;
        std::string filterAfter;
    };
    const Case cases[] = {
        {"the one filter", "AVI Files|*.avi", 1, "AVI Files\0*.avi"s},
        {"the second of two", "AVI Files|*.avi|All:*.*", 2, "All\0*.*"s},
        {"a type beyond the filter", "AVI Files|*.avi", 3, ""},
        {"no filter", "", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cFileDlg dlg;
        dlg.Filter = c.filter;
        dialogs.Choose("/tmp/films/clip.avi", c.chosenType, F::OverwritePrompt | F::HideReadOnly | 0x400);
        std::string name = "untitled.avi";
        std::string title;
        ASSERT_TRUE(dlg.VBGetSaveFileName(name, title));
        EXPECT_EQ(name, "/tmp/films/clip.avi");
        EXPECT_EQ(title, "clip.avi");
        EXPECT_EQ(dlg.Filter, c.filterAfter);
        EXPECT_EQ(dlg.FilterIndex, c.chosenType);
        EXPECT_EQ(dlg.Flags, F::OverwritePrompt | F::HideReadOnly | 0x400);
        EXPECT_EQ(dlg.InitDirectory, "/tmp/films/clip.avi");
        EXPECT_FALSE(dlg.ReadOnly());
    }

    // A second call on the same object starts from the first's outcome.
    cFileDlg dlg;
    dlg.Filter = "AVI Files|*.avi";
    dialogs.Choose("/tmp/films/clip.avi", 1, F::OverwritePrompt | 0x80000);
    std::string name = "untitled.avi";
    ASSERT_TRUE(dlg.VBGetSaveFileName(name));
    dialogs.requests.clear();
    dlg.VBGetSaveFileName(name);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].filter, "AVI Files|*.avi");
    EXPECT_EQ(dialogs.requests[0].filterIndex, 1);
    EXPECT_EQ(dialogs.requests[0].directory, "/tmp/films/clip.avi");
    EXPECT_EQ(dialogs.requests[0].flags, F::OverwritePrompt | F::HideReadOnly | 0x80000);
}

TEST_F(FileDlgContract, CancelledCallsResetTheOutcome) {
    for (const bool open : {true, false}) {
        SCOPED_TRACE(open ? "open" : "save");
        cFileDlg dlg;
        dlg.Filter = "AVI Files|*.avi";
        dlg.FilterIndex = 1;
        dlg.Flags = 0x800;
        dlg.InitDirectory = "/tmp";
        std::string name = "untitled.avi";
        std::string title = "untitled.avi";
        dialogs.Cancel();
        EXPECT_FALSE(open ? dlg.VBGetOpenFileName(name, title) : dlg.VBGetSaveFileName(name, title));
        EXPECT_EQ(name, "");
        EXPECT_EQ(title, "");
        EXPECT_EQ(dlg.Filter, "");
        EXPECT_EQ(dlg.Flags, 0);
        EXPECT_EQ(dlg.FilterIndex, open ? -1 : 0);
        EXPECT_EQ(dlg.InitDirectory, "/tmp");
    }
}

// The read-only box: ticked when an open dialog was confirmed with it ticked,
// then offered ticked, and never cleared again.
TEST_F(FileDlgContract, ReadOnlyFollowsTheOpenDialogsReturnedFlags) {
    cFileDlg dlg;
    dlg.HideReadOnly = false;
    std::string name;
    dialogs.Choose("/tmp/a.pgp", 1, F::FileMustExist);
    ASSERT_TRUE(dlg.VBGetSaveFileName(name));
    EXPECT_FALSE(dlg.ReadOnly());
    dialogs.Choose("/tmp/a.pgp", 1, F::ReadOnly);
    ASSERT_TRUE(dlg.VBGetSaveFileName(name));
    EXPECT_FALSE(dlg.ReadOnly()); // the save dialog has no box
    dialogs.Choose("/tmp/a.pgp", 1, F::FileMustExist | F::ReadOnly);
    ASSERT_TRUE(dlg.VBGetOpenFileName(name));
    EXPECT_TRUE(dlg.ReadOnly());
    dialogs.Choose("/tmp/a.pgp", 1, F::FileMustExist);
    ASSERT_TRUE(dlg.VBGetOpenFileNamePreview(name));
    EXPECT_EQ(dialogs.requests.back().flags & F::ReadOnly, F::ReadOnly);
    EXPECT_TRUE(dlg.ReadOnly());
    dialogs.Cancel();
    EXPECT_FALSE(dlg.VBGetOpenFileName(name));
    EXPECT_TRUE(dlg.ReadOnly());
}

TEST(FileDlgHelpers, ExistFileAndFileTitle) {
    {
        const TempFolder dir("vx_filedlg_");
        const std::string file = dir.File("clip.avi");
        std::ofstream(file) << "RIFF";
        EXPECT_TRUE(cFileDlg::ExistFile(file));
        EXPECT_FALSE(cFileDlg::ExistFile(dir.Path()));
        EXPECT_FALSE(cFileDlg::ExistFile(dir.File("none.avi")));
        EXPECT_FALSE(cFileDlg::ExistFile(""));
    }

    struct Case {
        std::string path, title;
    };
    const Case cases[] = {
        {"/home/user/clip.avi", "clip.avi"},
        {"clip.avi", "clip.avi"},
        {"/home/user/影片 1.avi", "影片 1.avi"},
        {"/home/user/", ""},
        {"", ""},
        {"/tmp/a\0b"s, ""},
        {"/tmp/" + std::string(1024, 'n'), ""},
        {"/tmp/" + std::string(1023, 'n'), std::string(1023, 'n')},
    };
    for (const Case& c : cases) EXPECT_EQ(cFileDlg::VBGetFileTitle(c.path), c.title) << c.path.substr(0, 40);
}

} // namespace
