// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FileAccess.h"
#include "RecipeFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace kovaq;
namespace fs = std::filesystem;

namespace {

class FileAccessTest : public test::TempFolderTest {
  protected:
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path().toStdString()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

MixRecipe recipeWithNotes(int lines) {
    MixRecipe r = FreshMix();
    r.Name = "Mine";
    for (int i = 0; i < lines; ++i)
        r.Notes.push_back("Steep a week, shake daily, line " + std::to_string(i));
    return r;
}

// Saves in a child process whose files may not grow past `limit` bytes, as on a full
// disk: a write past it fails with EFBIG. Returns what the child saw.
enum class ChildSaw { Error, Success, Other };
ChildSaw saveWithFileSizeLimit(const std::string& file, const MixRecipe& r, rlim_t limit) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{limit, limit};
        setrlimit(RLIMIT_FSIZE, &lim);
        const WriteResult written = WriteRecipe(file, r);
        // A failure names the system's reason.
        _exit(written.ok() ? 1 : written.error == EFBIG ? 0 : 2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status))
        return ChildSaw::Other;
    switch (WEXITSTATUS(status)) {
    case 0:
        return ChildSaw::Error;
    case 1:
        return ChildSaw::Success;
    default:
        return ChildSaw::Other;
    }
}

} // namespace

TEST_F(FileAccessTest, ASaveThatRunsOutOfRoomFailsAndKeepsTheOldFile) {
    struct Case {
        const char* name;
        int notes;
        rlim_t limit;
    };
    // A small recipe fits in any write buffer, so only a checked write sees the failure.
    for (const Case& c : {Case{"small", 0, 512}, Case{"large", 5000, 64 * 1024}}) {
        const std::string file = path(std::string(c.name) + ".mix");
        const std::string original = "[Title]\r\nName=Precious\r\nMine=keep\r\n";
        put(file, original);
        EXPECT_EQ(saveWithFileSizeLimit(file, recipeWithNotes(c.notes), c.limit), ChildSaw::Error)
            << c.name;
        EXPECT_EQ(get(file), original) << c.name;
        // Without the limit the same save goes through.
        EXPECT_TRUE(WriteRecipe(file, recipeWithNotes(c.notes)));
        EXPECT_EQ(LoadRecipe(file).recipe.Notes.size(), static_cast<std::size_t>(c.notes));
    }
    EXPECT_EQ(entries(), (std::vector<std::string>{"large.mix", "small.mix"})); // no leftovers
}

TEST_F(FileAccessTest, AFailedWriteSaysTheSystemsReason) {
    put(path("plain"), "x");
    ::mkdir(path("folder").c_str(), 0755);
    ::mkfifo(path("fifo").c_str(), 0644);
    struct Case {
        std::string target;
        int error;
        const char* reason;
    };
    for (const Case& c : {Case{path("gone/new.csv"), ENOENT, "No such file or directory"},
                          Case{path("plain/new.csv"), ENOTDIR, "Not a directory"},
                          Case{path("folder"), EISDIR, "Is a directory"},
                          Case{path("fifo"), EINVAL, "Not a regular file"}}) {
        const WriteResult written = ReplaceFileContents(c.target, "data");
        EXPECT_FALSE(written) << c.target;
        EXPECT_EQ(written.error, c.error) << c.target;
        EXPECT_EQ(written.reason(), c.reason) << c.target;
    }
    const WriteResult fine = ReplaceFileContents(path("plain"), "y");
    EXPECT_TRUE(fine);
    EXPECT_EQ(fine.reason(), "");
}

TEST_F(FileAccessTest, OnlyRegularFilesAreRead) {
    const std::string fifo = path("fifo.mix");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = path("socket.mix");
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    fs::create_symlink(path("loop2.mix"), path("loop1.mix"));
    fs::create_symlink(path("loop1.mix"), path("loop2.mix"));
    fs::create_symlink(fifo, path("to-fifo.mix"));
    put(path("plain.mix"), "[Title]\nName=Plain\n");
    fs::create_symlink(path("plain.mix"), path("to-plain.mix"));

    struct Case {
        std::string file;
        ReadStatus status;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {fifo, ReadStatus::NotRegular, "Not a regular file"},
        {path("to-fifo.mix"), ReadStatus::NotRegular, "Not a regular file"},
        {socketPath, ReadStatus::NotRegular, "Not a regular file"},
        {"/dev/null", ReadStatus::NotRegular, "Not a regular file"},
        {dir.path().toStdString(), ReadStatus::IsFolder, "Is a folder"},
        {path("missing.mix"), ReadStatus::Missing, "No such file"},
        {path("loop1.mix"), ReadStatus::Failed, "Too many levels of symbolic links"},
        {path("to-plain.mix"), ReadStatus::Ok, ""},
    };
    for (const Case& c : cases) {
        // A FIFO without a writer would block a plain open for ever.
        const LoadedRecipe loaded = LoadRecipe(c.file);
        EXPECT_EQ(loaded.status, c.status) << c.file;
        EXPECT_EQ(loaded.reason, c.reason) << c.file;
        EXPECT_EQ(loaded.readable, c.status == ReadStatus::Ok) << c.file;
        EXPECT_EQ(loaded.recipe.Name, c.status == ReadStatus::Ok ? "Plain" : "Untitled");
    }
    close(sock);

    // Saving over what is not a plain file fails without touching it, and never blocks.
    for (const std::string& target : {fifo, std::string("/dev/null")})
        EXPECT_FALSE(WriteRecipe(target, FreshMix()).ok()) << target;
    struct stat st {};
    ASSERT_EQ(stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(FileAccessTest, AFileCutAtTheBoundSaysSo) {
    const std::string big = path("big.mix");
    std::string bytes = "[Title]\r\nName=Big\r\n";
    bytes.resize(static_cast<std::size_t>(MaxRecipeFileBytes), ';');
    put(big, bytes);
    EXPECT_FALSE(LoadRecipe(big).truncated);
    put(big, bytes + "x");
    const LoadedRecipe loaded = LoadRecipe(big);
    EXPECT_TRUE(loaded.readable);
    EXPECT_TRUE(loaded.truncated);
    EXPECT_EQ(loaded.recipe.Name, "Big");
}

TEST_F(FileAccessTest, SavingKeepsLinksAndPermissions) {
    const std::string real = path("real.mix");
    put(real, "[Title]\r\nName=Old\r\n");
    chmod(real.c_str(), 0640);
    fs::create_symlink(real, path("link.mix"));
    MixRecipe r = FreshMix();
    r.Name = "New";
    EXPECT_TRUE(WriteRecipe(path("link.mix"), r));
    EXPECT_TRUE(fs::is_symlink(path("link.mix")));
    EXPECT_EQ(LoadRecipe(real).recipe.Name, "New");
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A new file gets what the user's umask allows.
    const mode_t old = umask(027);
    EXPECT_TRUE(WriteRecipe(path("fresh.mix"), r));
    umask(old);
    ASSERT_EQ(stat(path("fresh.mix").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// The umask as the system reports it, without setting it.
static mode_t umaskNow() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 0777;
}

// A save on one thread (the recipe index's) never changes the umask that the rest of the
// program sees, nor leaves it changed when two threads save at once.
TEST_F(FileAccessTest, SavingNewFilesLeavesTheUmaskAlone) {
    QTemporaryDir fast(QStringLiteral("/dev/shm/kovaq-umask-XXXXXX")); // cheap to flush
    const std::string where = fast.isValid() ? fast.path().toStdString() : dir.path().toStdString();
    const mode_t old = umask(077);
    std::atomic<bool> stop{false};
    std::atomic<int> wrongModes{0};
    const auto saver = [&](int who) {
        for (int i = 0; !stop; ++i) {
            const std::string file = where + "/t" + std::to_string(who) + "-" + std::to_string(i);
            ReplaceFileContents(file, "x");
            struct stat st {};
            if (stat(file.c_str(), &st) == 0 && (st.st_mode & 0777) != 0600)
                ++wrongModes;
            unlink(file.c_str());
        }
    };
    std::thread first(saver, 1), second(saver, 2);
    int seenOther = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    while (std::chrono::steady_clock::now() < until)
        seenOther += umaskNow() != 077;
    stop = true;
    first.join();
    second.join();
    const mode_t after = umaskNow();
    umask(old);
    EXPECT_EQ(seenOther, 0);
    EXPECT_EQ(after, 077u);
    EXPECT_EQ(wrongModes, 0);
}

TEST_F(FileAccessTest, NamesThatAreNotUtf8AreOpenedAndSavedByTheirBytes) {
    const std::string odd = dir.path().toStdString() + "/a\xFF"
                                                       "b.mix";
    MixRecipe r = FreshMix();
    r.Name = "Odd";
    EXPECT_TRUE(WriteRecipe(odd, r));
    EXPECT_EQ(entries(), (std::vector<std::string>{"a\xFF"
                                                   "b.mix"}));
    EXPECT_EQ(LoadRecipe(odd).recipe.Name, "Odd");
    ::unlink(odd.c_str()); // Qt could not remove it with the folder
    // Shown as text and back, the name is the same bytes.
    EXPECT_EQ(NativeFromPath(PathFromNative(odd)), odd);

    // Any bytes at all survive the trip through text, and UTF-8 names read as Qt does.
    std::mt19937 rng(99);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(rng() % 12, '\0');
        for (char& b : bytes)
            b = static_cast<char>(rng() % 3 == 0 ? 0x80 + rng() % 128 : 1 + rng() % 255);
        ASSERT_EQ(NativeFromPath(PathFromNative(bytes)), bytes) << round;
    }
    const QString cafe = QStringLiteral("/tmp/caf\u00e9 \U0001F600.mix");
    EXPECT_EQ(NativeFromPath(cafe), QFile::encodeName(cafe).toStdString());
    EXPECT_EQ(PathFromNative(QFile::encodeName(cafe).toStdString()), cafe);
}

TEST(QuotedName, ShowsControlCharactersAndStrayBytes) {
    EXPECT_EQ(QuotedName("plain.mix"), "'plain.mix'");
    EXPECT_EQ(QuotedName("new\nline.mix"), "'new\\nline.mix'");
    EXPECT_EQ(QuotedName("a\xFF.mix"), "'a\\xFF.mix'");
    EXPECT_EQ(QuotedName("caf\xC3\xA9\x1B[2J"), "'caf\xC3\xA9\\x1B[2J'");
    EXPECT_EQ(QuotedName("it's"), "'it\\'s'");
}
