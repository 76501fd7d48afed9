#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

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

// A writable program folder holds the file; a write replaces it whole and leaves no temporary file behind.
TEST_F(SettingsStoreTest, WritableProgramFolderHoldsTheFile)
{
    DiskSettingsStore store(program, xdg.c_str(), root.c_str());
    EXPECT_EQ(store.Read(), std::nullopt);
    ASSERT_TRUE(store.Write("first\r\n") && store.Write("second\r\n"));
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
    EXPECT_EQ(DiskSettingsStore(readOnly, xdg.c_str(), root.c_str()).Read(), std::nullopt);
    ASSERT_TRUE(DiskSettingsStore(readOnly, xdg.c_str(), root.c_str()).Write("mine\r\n"));
    EXPECT_EQ(Slurp(xdg / "Tolmora" / "Settings.log"), "mine\r\n");
    EXPECT_EQ(DiskSettingsStore(readOnly, xdg.c_str(), root.c_str()).Read(), "mine\r\n");
    EXPECT_EQ(Slurp(program / "Settings.log"), "shipped\r\n");
    for (const char* relative : {(const char*)nullptr, "relative/conf"})
        EXPECT_EQ(DiskSettingsStore::ChooseFolder(root / "missing", relative, root.c_str()), root / ".config/Tolmora");
}

// Only a regular file is read; a write that cannot replace the file reports failure and leaves nothing behind.
TEST_F(SettingsStoreTest, FolderInPlaceOfTheFile)
{
    fs::create_directory(program / "Settings.log");
    DiskSettingsStore store(program, nullptr, root.c_str());
    EXPECT_EQ(store.Read(), std::nullopt);
    EXPECT_FALSE(store.Write("text"));
    EXPECT_EQ(FilesInProgram(), 1u);
}

// A file past the read limit gives exactly its first bytes up to the limit; one just under it is read whole.
TEST_F(SettingsStoreTest, ReadStopsAtTheLimit)
{
    DiskSettingsStore store(program, xdg.c_str(), root.c_str());
    const size_t limit = DiskSettingsStore::kMaxReadBytes;
    std::string big(limit + 5000, 'a');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('a' + i % 23);
    ASSERT_TRUE(store.Write(big));
    EXPECT_EQ(store.Read(), big.substr(0, limit));
    ASSERT_TRUE(store.Write(big.substr(0, limit - 1)));
    EXPECT_EQ(store.Read(), big.substr(0, limit - 1));
}
