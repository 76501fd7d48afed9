#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A write of exactly these bytes, whatever the file holds.
SettingsWriteResult Put(SettingsStore& store, const std::string& bytes)
{
    return store.Write([&](const std::optional<std::string>&) { return bytes; });
}

}  // namespace

// A program folder, and room for the user's configuration folder, in a fresh temporary folder.
class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { fs::create_directory(program); }
    ~SettingsStoreTest() override
    {
        fs::permissions(program, fs::perms::owner_all);
        fs::remove_all(root);
    }
    static fs::path MakeRoot()
    {
        std::string pattern = (fs::temp_directory_path() / "tolmora-store-XXXXXX").string();
        return mkdtemp(pattern.data());
    }
    static std::string Slurp(const fs::path& path)
    {
        std::ostringstream out;
        out << std::ifstream(path, std::ios::binary).rdbuf();
        return out.str();
    }
    size_t FilesInProgram() const
    {
        return size_t(std::distance(fs::directory_iterator(program), fs::directory_iterator()));
    }

    fs::path root = MakeRoot(), program = root / "program", xdg = root / "config";
};

// Start-up creates the missing file empty; a write replaces it whole and leaves no temporary file behind.
TEST_F(SettingsStoreTest, WritableProgramFolderHoldsTheFile)
{
    DiskSettingsStore store(program, xdg.c_str(), root.c_str());
    EXPECT_EQ(store.Read(), "");
    EXPECT_EQ(Slurp(program / "Settings.log"), "");
    ASSERT_TRUE(Put(store, "first\r\n").written && Put(store, "second\r\n").written);
    EXPECT_EQ(Slurp(program / "Settings.log"), "second\r\n");
    EXPECT_EQ(store.Read(), "second\r\n");
    EXPECT_EQ(FilesInProgram(), 1u);
    EXPECT_FALSE(fs::exists(xdg));
}

// A program folder that takes no files sends reading and writing to $XDG_CONFIG_HOME/Tolmora, else ~/.config/Tolmora.
TEST_F(SettingsStoreTest, ReadOnlyProgramFolderFallsBackToTheUsersFolder)
{
    std::ofstream(program / "Settings.log") << "shipped\r\n";
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
    // Permission bits do not stop root; /proc/self takes no new files from anyone.
    const fs::path readOnly = geteuid() == 0 ? fs::path("/proc/self") : program;
    DiskSettingsStore store(readOnly, xdg.c_str(), root.c_str());
    EXPECT_EQ(store.Read(), "");
    ASSERT_TRUE(Put(store, "mine\r\n").written);
    EXPECT_EQ(Slurp(xdg / "Tolmora" / "Settings.log"), "mine\r\n");
    EXPECT_EQ(DiskSettingsStore(readOnly, xdg.c_str(), root.c_str()).Read(), "mine\r\n");
    EXPECT_EQ(Slurp(program / "Settings.log"), "shipped\r\n");
    for (const char* relative : {(const char*)nullptr, "relative/conf"})
        EXPECT_EQ(DiskSettingsStore::ChooseFolder(root / "missing", relative, root.c_str()), root / ".config/Tolmora");
}

// Choosing the folder writes nothing there; root keeps out of a folder whose mode forbids writing and out of the
// system's tree, where an installed copy lies.
TEST_F(SettingsStoreTest, ProgramFolderIsChosenWithoutWritingInIt)
{
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(program, old);
    EXPECT_EQ(DiskSettingsStore(program, xdg.c_str(), root.c_str()).filePath(), program / "Settings.log");
    EXPECT_EQ(fs::last_write_time(program), old);
    EXPECT_EQ(FilesInProgram(), 0u);

    fs::create_directory(root / "locked");
    fs::permissions(root / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    std::ofstream(root / "plain") << "not a folder";
    fs::create_directory_symlink("/usr/lib", root / "installed");
    const struct {
        fs::path folder;
        bool asRoot, takesFiles;
    } cases[] = {
        {program, false, true},      {program, true, true},        {root / "locked", true, false},
        {root / "missing", false, false}, {root / "plain", false, false}, {"/usr/lib", true, false},
        {root / "installed", true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DiskSettingsStore::ProgramFolderTakesFiles(c.folder, c.asRoot), c.takesFiles)
            << c.folder << (c.asRoot ? " as root" : "");
    // Whoever runs it, the game keeps out of the locked folder: as root by its mode, as anyone else by the system.
    EXPECT_EQ(DiskSettingsStore::ChooseFolder(root / "locked", xdg.c_str(), root.c_str()), xdg / "Tolmora");
    fs::permissions(root / "locked", fs::perms::owner_all);
}

// Only a regular file is read, never waited on; a write that cannot replace the file says why and leaves nothing behind.
TEST_F(SettingsStoreTest, FolderInPlaceOfTheFile)
{
    fs::create_directory(program / "Settings.log");
    DiskSettingsStore store(program, nullptr, root.c_str());
    EXPECT_EQ(store.Read(), std::nullopt);
    const SettingsWriteResult result = Put(store, "text");
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.path, program / "Settings.log");
    EXPECT_EQ(result.reason, "Is a directory");
    EXPECT_EQ(FilesInProgram(), 1u);

    // A FIFO would block a plain open until a writer comes. It, or a link to one (or to /dev/null), was put there
    // on purpose: it is left as it is, as root too, where a rename would replace even a device.
    const auto leftAlone = [&](const char* what) {
        EXPECT_EQ(store.Read(), std::nullopt) << what;
        const SettingsWriteResult refused = Put(store, "text");
        EXPECT_FALSE(refused.written) << what;
        EXPECT_EQ(refused.reason, "Not a regular file") << what;
        EXPECT_EQ(FilesInProgram(), 1u) << what;
    };
    fs::remove(program / "Settings.log");
    ASSERT_EQ(mkfifo((program / "Settings.log").c_str(), 0600), 0);
    leftAlone("a FIFO");
    EXPECT_TRUE(fs::is_fifo(program / "Settings.log"));
    fs::remove(program / "Settings.log");
    ASSERT_EQ(mkfifo((root / "fifo").c_str(), 0600), 0);
    fs::create_symlink(root / "fifo", program / "Settings.log");
    leftAlone("a link to a FIFO");
    EXPECT_TRUE(fs::is_fifo(root / "fifo"));
}

// Start-up removes the new files of writers killed before their rename, and only theirs.
TEST_F(SettingsStoreTest, StartUpRemovesFilesOfKilledWriters)
{
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) _exit(0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string killed = ".Settings.log.new." + std::to_string(gone) + ".3";
    const std::string writing = ".Settings.log.new." + std::to_string(getpid()) + ".0";
    for (const std::string& name : {killed, writing, std::string(".Settings.log.other")})
        std::ofstream(program / name) << "half";
    DiskSettingsStore(program, nullptr, root.c_str()).Read();
    EXPECT_FALSE(fs::exists(program / killed));
    EXPECT_TRUE(fs::exists(program / writing) && fs::exists(program / ".Settings.log.other"));
}

// A file past the read limit gives exactly its first bytes up to the limit; one just under it is read whole.
TEST_F(SettingsStoreTest, ReadStopsAtTheLimit)
{
    DiskSettingsStore store(program, xdg.c_str(), root.c_str());
    const size_t limit = DiskSettingsStore::kMaxReadBytes;
    std::string big(limit + 5000, 'a');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('a' + i % 23);
    ASSERT_TRUE(Put(store, big).written);
    EXPECT_EQ(store.Read(), big.substr(0, limit));
    ASSERT_TRUE(Put(store, big.substr(0, limit - 1)).written);
    EXPECT_EQ(store.Read(), big.substr(0, limit - 1));
}

// Replacing the file keeps its mode, and a symbolic link stays a link whose target gets the new text.
TEST_F(SettingsStoreTest, ReplacementKeepsModeAndLinks)
{
    fs::create_directory(root / "real");
    std::ofstream(root / "real" / "mine.log") << "old\r\n";
    fs::permissions(root / "real" / "mine.log", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("../real/mine.log", program / "Settings.log");
    DiskSettingsStore store(program, nullptr, root.c_str());
    ASSERT_TRUE(Put(store, "new\r\n").written);
    EXPECT_TRUE(fs::is_symlink(program / "Settings.log"));
    EXPECT_EQ(Slurp(root / "real" / "mine.log"), "new\r\n");
    EXPECT_EQ(fs::status(root / "real" / "mine.log").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(size_t(std::distance(fs::directory_iterator(root / "real"), fs::directory_iterator())), 1u);

    // A dangling link names the file to create.
    fs::remove(root / "real" / "mine.log");
    EXPECT_EQ(store.Read(), "");
    EXPECT_TRUE(fs::is_regular_file(root / "real" / "mine.log"));
}

// A second writer waits for the first one's lock and composes from the file the first one wrote.
TEST_F(SettingsStoreTest, WritersTakeTurnsAndSeeEachOthersFile)
{
    DiskSettingsStore first(program, nullptr, root.c_str()), second(program, nullptr, root.c_str());
    ASSERT_TRUE(Put(first, "0").written);
    std::thread other;
    std::optional<std::string> secondSaw;
    ASSERT_TRUE(first
                    .Write([&](const std::optional<std::string>& onDisk) {
                        other = std::thread([&] {
                            second.Write([&](const std::optional<std::string>& seen) {
                                secondSaw = seen;
                                return seen.value_or("") + "2";
                            });
                        });
                        // Time for the second writer to reach the lock while we hold it.
                        std::this_thread::sleep_for(std::chrono::milliseconds(200));
                        return onDisk.value_or("") + "1";
                    })
                    .written);
    other.join();
    EXPECT_EQ(secondSaw, "01");
    EXPECT_EQ(first.Read(), "012");
}

// A write that runs out of room (a file size limit standing in for a full disk) leaves the previous file whole.
TEST_F(SettingsStoreTest, FullDiskKeepsThePreviousFile)
{
    DiskSettingsStore store(program, nullptr, root.c_str());
    ASSERT_TRUE(Put(store, "previous\r\n").written);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const SettingsWriteResult result = Put(store, std::string(64 * 1024, 'x'));
        _exit(!result.written && result.reason == "File too large" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Slurp(program / "Settings.log"), "previous\r\n");
    EXPECT_EQ(FilesInProgram(), 1u);
}

// Started with standard input closed, the game gets descriptor 0 for the settings file: it still reads and writes
// the file, and leaves no descriptor open.
TEST_F(SettingsStoreTest, StandardInputClosed)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(0);
        DiskSettingsStore store(program, nullptr, root.c_str());
        const bool written = Put(store, "kept\r\n").written;
        const bool read = store.Read() == "kept\r\n";
        _exit(written && read && ::fcntl(0, F_GETFD) == -1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Slurp(program / "Settings.log"), "kept\r\n");
}
