// Files written in place of others: the new file takes the name only when
// every step succeeded; a failure at any step, on a file-system double or on
// a disk that fills up, leaves the old file byte for byte and nothing else.
#include "core/ReplacementFile.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What the disk's sync saw: the calls, the file each synced (its path and
// bytes then) and what the watched target held at that moment; an error can
// be planted for the calls to come.
struct SyncWatch {
    std::string target;
    int error = 0;
    int calls = 0;
    std::string syncedPath, syncedBytes, targetBytes;
};
SyncWatch* syncWatch = nullptr;

std::string BytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
}

} // namespace

// The system's sync as the program calls it, seen by these tests: it syncs as
// the system does, unless a watch is set, which records the call and may
// answer with a planted device error instead.
extern "C" int fsync(int fd) {
    if (syncWatch == nullptr) return int(::syscall(SYS_fsync, fd));
    SyncWatch& w = *syncWatch;
    ++w.calls;
    std::error_code ec;
    w.syncedPath = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string();
    w.syncedBytes = BytesOf(w.syncedPath);
    w.targetBytes = BytesOf(w.target);
    if (w.error != 0) {
        errno = w.error;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

namespace {

class ReplacementFileTest : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return folder_.File(name); }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::string Bytes(const std::string& path) { return BytesOf(path); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder_.Path())) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder_{"vx_replace_"};
};

TEST_F(ReplacementFileTest, ReplacesTheWholeFileAndKeepsItsPermissions) {
    const std::string path = File("doc.pgp");
    Put(path, std::string(5000, 'o'));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(ReplaceFileContents(path, "new"));
    EXPECT_EQ(Bytes(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(), std::vector<std::string>{"doc.pgp"});

    // A new file, and a symbolic link: the file it names is replaced, the link stays.
    ASSERT_TRUE(ReplaceFileContents(File("fresh.txt"), ""));
    EXPECT_EQ(Bytes(File("fresh.txt")), "");
    fs::create_symlink("doc.pgp", File("link.pgp"));
    ASSERT_TRUE(ReplaceFileContents(File("link.pgp"), "through the link"));
    EXPECT_TRUE(fs::is_symlink(File("link.pgp")));
    EXPECT_EQ(Bytes(path), "through the link");
    EXPECT_EQ(Names(), (std::vector<std::string>{"doc.pgp", "fresh.txt", "link.pgp"}));

    // A link whose file does not exist yet, from another folder: the file is
    // made where the link points, and the link stays.
    fs::create_directory(File("sub"));
    fs::create_symlink("../made.pgp", File("sub/dangling.pgp"));
    ASSERT_TRUE(ReplaceFileContents(File("sub/dangling.pgp"), "made through the link"));
    EXPECT_TRUE(fs::is_symlink(File("sub/dangling.pgp")));
    EXPECT_EQ(Bytes(File("made.pgp")), "made through the link");
    EXPECT_EQ(Names(), (std::vector<std::string>{"doc.pgp", "fresh.txt", "link.pgp", "made.pgp", "sub"}));
}

// A save through symbolic links that name each other (or a link naming
// itself) ends: the chain names no file, so the path itself is replaced by
// the new file and the other link stays. The save runs in a child process
// so that one that never ends fails the test instead of freezing it.
TEST_F(ReplacementFileTest, ASaveThroughALoopOfLinksEnds) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> links; // name, what it names
        const char* saved;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"two links naming each other", {{"a.pgp", "b.pgp"}, {"b.pgp", "a.pgp"}}, "a.pgp", {"a.pgp", "b.pgp"}},
        {"a link naming itself", {{"self.pgp", "self.pgp"}}, "self.pgp", {"self.pgp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& e : fs::directory_iterator(folder_.Path())) fs::remove(e.path());
        for (const auto& [name, to] : c.links) fs::create_symlink(to, File(name));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) ::_exit(ReplaceFileContents(File(c.saved), "saved through the loop") ? 0 : 1);
        int status = 0;
        pid_t done = 0;
        for (int waited = 0; waited < 1000 && done == 0; ++waited) {
            done = ::waitpid(child, &status, WNOHANG);
            if (done == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (done == 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << "the save did not end within 10 seconds";
            continue;
        }
        ASSERT_EQ(done, child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the save failed";
        EXPECT_FALSE(fs::is_symlink(File(c.saved)));
        EXPECT_EQ(Bytes(File(c.saved)), "saved through the loop");
        for (const auto& [name, to] : c.links) {
            if (std::string(name) != c.saved) {
                EXPECT_TRUE(fs::is_symlink(File(name))) << name;
            }
        }
        EXPECT_EQ(Names(), c.names);
    }
}

// The disk's own flush syncs: a descriptor the system cannot sync (a pipe)
// fails; a real save syncs the new file under its temporary name, while the
// target still holds the old bytes, and a device error the sync reports
// fails the save and keeps the old file.
TEST_F(ReplacementFileTest, TheDiskSyncsTheNewFileBeforeItTakesTheName) {
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    DiskFileSystem disk;
    EXPECT_FALSE(disk.Flush(ends[1]));
    ::close(ends[0]);
    ::close(ends[1]);

    const struct {
        const char* what;
        int error;
        bool saved;
    } cases[] = {{"the sync succeeds", 0, true}, {"the device reports an error", EIO, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = File("doc.pgp");
        Put(path, "old");
        SyncWatch watch;
        watch.target = path;
        watch.error = c.error;
        syncWatch = &watch;
        const bool saved = ReplaceFileContents(path, "new");
        syncWatch = nullptr;
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(watch.calls, 1);
        // The system names the synced file by its real path: the folder's
        // own, also when the temporary folder is reached through a link.
        std::error_code ec;
        const fs::path folder = fs::canonical(folder_.Path(), ec);
        EXPECT_EQ(fs::path(watch.syncedPath).parent_path(), folder);
        EXPECT_NE(fs::path(watch.syncedPath), folder / "doc.pgp");
        EXPECT_EQ(watch.syncedBytes, "new");
        EXPECT_EQ(watch.targetBytes, "old");
        EXPECT_EQ(Bytes(path), c.saved ? "new" : "old");
        EXPECT_EQ(Names(), std::vector<std::string>{"doc.pgp"});
    }
}

// A file the user may not write (read-only) is kept as it is, as the user
// asked; a file of the same user that may be written is replaced. Root may
// write any file, so as root the check runs in a child process as "nobody".
TEST_F(ReplacementFileTest, AFileTheUserMayNotWriteIsKept) {
    const std::string locked = File("locked.pgp");
    const std::string open = File("open.pgp");
    Put(locked, "read only");
    Put(open, "writable");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const bool asRoot = ::geteuid() == 0;
    constexpr uid_t nobody = 65534;
    if (asRoot) {
        for (const std::string& path : {folder_.Path(), locked, open}) ASSERT_EQ(::chown(path.c_str(), nobody, nobody), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (asRoot && (::setgid(nobody) != 0 || ::setuid(nobody) != 0)) ::_exit(10);
        const bool lockedReplaced = ReplaceFileContents(locked, "new");
        const bool openReplaced = ReplaceFileContents(open, "new");
        ::_exit((lockedReplaced ? 1 : 0) + (openReplaced ? 0 : 2));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the read-only file was replaced, 2: the writable one was not";
    EXPECT_EQ(Bytes(locked), "read only");
    EXPECT_EQ(Bytes(open), "new");
    EXPECT_EQ(Names(), (std::vector<std::string>{"locked.pgp", "open.pgp"}));
}

// The new file takes the old one's owner and group: root gives both; another
// user keeps the group when it belongs to it and otherwise saves all the same.
// The set-user and set-group bits, cleared by a change of owner, are put back
// as root; a user's save never hands them to that user (the system clears
// them when a user writes the file).
// A symbolic link is saved through: the owner is that of the file it names.
// Other users are played by "nobody" in a child process, so the test runs as
// root.
TEST_F(ReplacementFileTest, KeepsTheOwnerAndGroupOfTheOldFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of other owners and groups can only be made as root; the tests do not run as root";
    using Step = FailingFileSystem::Step;
    constexpr uid_t root = 0, nobody = 65534;
    constexpr gid_t users = 100, nogroup = 65534, other = 4321;
    struct Case {
        const char* what;
        bool byNobody; // saved by nobody (in nogroup and users), else by root
        bool throughLink; // saved through a link of root's own
        uid_t owner;
        gid_t group;
        mode_t mode;
        Step failing;
        uid_t keptOwner;
        gid_t keptGroup;
        mode_t keptMode;
    };
    const Case cases[] = {
        {"root saves a file of nobody:users", false, false, nobody, users, 0640, Step::Nothing, nobody, users, 0640},
        {"root saves a file of nobody:nogroup", false, false, nobody, nogroup, 0640, Step::Nothing, nobody, nogroup,
         0640},
        {"root saves a set-group file", false, false, nobody, users, 02660, Step::Nothing, nobody, users, 02660},
        {"root saves a set-user, set-group file", false, false, nobody, users, 06755, Step::Nothing, nobody, users,
         06755},
        {"root saves through a link", false, true, nobody, users, 0640, Step::Nothing, nobody, users, 0640},
        {"nobody saves its file of group users", true, false, nobody, users, 0640, Step::Nothing, nobody, users, 0640},
        {"nobody saves root's file of group users", true, false, root, users, 0666, Step::Nothing, nobody, users,
         0666},
        {"nobody saves root's set-user file", true, false, root, users, 04770, Step::Nothing, nobody, users, 0770},
        {"nobody saves its file of a group it is not in", true, false, nobody, other, 0660, Step::Nothing, nobody,
         nogroup, 0660},
        {"the owner cannot be given", false, false, nobody, users, 0640, Step::Owner, root, root, 0640},
    };
    ASSERT_EQ(::chown(folder_.Path().c_str(), nobody, nogroup), 0);
    const std::string path = File("doc.pgp");
    const std::string link = File("link.pgp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(link);
        if (c.throughLink) {
            fs::create_symlink("doc.pgp", link);
            ASSERT_EQ(::lchown(link.c_str(), root, root), 0);
        }
        const std::string saved = c.throughLink ? link : path;
        Put(path, "old");
        ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        FailingFileSystem files(c.failing);
        bool done = false;
        if (c.byNobody) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                const gid_t groups[] = {nogroup, users};
                if (::setgroups(2, groups) != 0 || ::setgid(nogroup) != 0 || ::setuid(nobody) != 0) ::_exit(10);
                ::_exit(ReplaceFileContents(saved, "new") ? 0 : 1);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            ASSERT_NE(WEXITSTATUS(status), 10) << "could not become nobody";
            done = WEXITSTATUS(status) == 0;
        } else {
            done = ReplaceFileContents(saved, "new");
        }
        EXPECT_TRUE(done);
        EXPECT_EQ(files.failures, c.failing == Step::Owner ? 1 : 0);
        EXPECT_EQ(Bytes(path), "new");
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, c.keptOwner);
        EXPECT_EQ(st.st_gid, c.keptGroup);
        EXPECT_EQ(st.st_mode & 07777, c.keptMode);
        if (c.throughLink) {
            EXPECT_TRUE(fs::is_symlink(link));
            EXPECT_EQ(Names(), (std::vector<std::string>{"doc.pgp", "link.pgp"}));
        } else {
            EXPECT_EQ(Names(), std::vector<std::string>{"doc.pgp"});
        }
    }
}

// A name as long as a name may be (255 bytes: 85 Chinese characters) is
// saved: the temporary file beside it has a short name of its own.
TEST_F(ReplacementFileTest, SavesANameOfTheLongestLength) {
    std::string name;
    for (int i = 0; i < 85; ++i) name += "文";
    ASSERT_EQ(name.size(), 255u);
    const std::string path = File(name);
    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing ? "over a file" : "no file yet");
        if (existing) Put(path, "old");
        {
            ReplacementFile file(path);
            ASSERT_TRUE(file.Good());
            ASSERT_TRUE(file.Write(existing ? "replaced" : "made"));
            // The temporary file is in the same folder, under a short name.
            std::vector<std::string> names = Names();
            std::erase(names, name);
            ASSERT_EQ(names.size(), 1u);
            EXPECT_LE(names[0].size(), 16u) << names[0];
            ASSERT_TRUE(file.Commit());
        }
        EXPECT_EQ(Bytes(path), existing ? "replaced" : "made");
        EXPECT_EQ(Names(), std::vector<std::string>{name});
    }

    // A name without a folder: the temporary file is made in the current one.
    const fs::path was = fs::current_path();
    fs::current_path(folder_.Path());
    const bool saved = ReplaceFileContents("here.pgp", "here");
    fs::current_path(was);
    EXPECT_TRUE(saved);
    EXPECT_EQ(Bytes(File("here.pgp")), "here");
    EXPECT_EQ(Names(), (std::vector<std::string>{"here.pgp", name}));
}

TEST_F(ReplacementFileTest, AFailedStepKeepsTheOldFileByteForByte) {
    using Step = FailingFileSystem::Step;
    const std::string old = std::string("the old document\r\n\x08\x00", 20);
    const std::string fresh(20000, 'n');
    struct Case {
        const char* what;
        Step step;
        std::uint64_t writeLimit;
    };
    const Case cases[] = {
        {"the new file cannot be made", Step::Create, 0},
        {"the first write fails", Step::Write, 0},
        {"a write fails after 4096 bytes", Step::Write, 4096},
        {"the last byte does not fit", Step::Write, 19999},
        {"the flush fails", Step::Flush, 0},
        {"the close fails", Step::Close, 0},
        {"the rename fails", Step::Rename, 0},
    };
    for (const bool existing : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << (existing ? ", over a file" : ", no file yet"));
            const std::string path = File("doc.pgp");
            if (existing)
                Put(path, old);
            else
                fs::remove(path);
            {
                FailingFileSystem files(c.step, c.writeLimit);
                EXPECT_FALSE(ReplaceFileContents(path, fresh));
                EXPECT_EQ(files.failures, 1);
            }
            EXPECT_EQ(Bytes(path), existing ? old : "<none>");
            EXPECT_EQ(Names(), existing ? std::vector<std::string>{"doc.pgp"} : std::vector<std::string>{});
        }
    }
}

TEST_F(ReplacementFileTest, WritesAtPositionsAndNothingAfterAFailure) {
    const std::string path = File("movie.avi");
    Put(path, "old");
    {
        ReplacementFile file(path);
        ASSERT_TRUE(file.Good());
        ASSERT_TRUE(file.Write("RIFF....tail"));
        file.Seek(4);
        ASSERT_TRUE(file.Write("size"));
        EXPECT_EQ(file.Position(), 8u);
        EXPECT_EQ(Bytes(path), "old"); // until the commit
        ASSERT_TRUE(file.Commit());
        EXPECT_FALSE(file.Commit());
    }
    EXPECT_EQ(Bytes(path), "RIFFsizetail");

    // Once a write failed, later writes and the commit fail too.
    {
        FailingFileSystem files(FailingFileSystem::Step::Write, 2);
        ReplacementFile file(path);
        EXPECT_FALSE(file.Write("abc"));
        files.failing = FailingFileSystem::Step::Nothing;
        EXPECT_FALSE(file.Write("d"));
        EXPECT_FALSE(file.Commit());
    }
    // Given up, or destroyed uncommitted: the old file stays.
    {
        ReplacementFile file(path);
        ASSERT_TRUE(file.Write("x"));
        file.Discard();
        EXPECT_FALSE(file.Commit());
    }
    {
        ReplacementFile file(path);
        ASSERT_TRUE(file.Write("y"));
    }
    EXPECT_EQ(Bytes(path), "RIFFsizetail");
    EXPECT_EQ(Names(), std::vector<std::string>{"movie.avi"});
    EXPECT_FALSE(ReplacementFile(File("no such folder/a.bmp")).Good());
}

// A real disk that fills up: 8 KB of tmpfs holding a 3 KB file, replaced by
// 20 KB.
TEST(ReplacementFileOnAFullDisk, KeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    const std::string path = disk.File("old.pgp");
    const std::string old(3000, 'o');
    std::ofstream(path, std::ios::binary) << old;
    EXPECT_FALSE(ReplaceFileContents(path, std::string(20000, 'n')));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.Folder()), fs::directory_iterator()), 1);
}

} // namespace
