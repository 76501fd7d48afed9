#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

size_t EntriesIn(const fs::path& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest()
    {
        std::string pattern = (fs::temp_directory_path() / "tolmora-store-XXXXXX").string();
        root = mkdtemp(pattern.data());
        program = root / "program";
        fs::create_directory(program);
    }
    ~SettingsStoreTest() override
    {
        fs::permissions(program, fs::perms::owner_all);
        fs::remove_all(root);
    }
    fs::path root;
    fs::path program;
};

}  // namespace

// A writable program folder holds the file; a write replaces it whole and leaves no temporary file.
TEST_F(SettingsStoreTest, WritableProgramFolderHoldsTheFile)
{
    DiskSettingsStore store(program, (root / "config").c_str(), root.c_str());
    EXPECT_EQ(store.folder(), program);
    EXPECT_EQ(store.Read(), std::nullopt);
    ASSERT_TRUE(store.Write("first\r\n"));
    ASSERT_TRUE(store.Write("second\r\n"));
    EXPECT_EQ(Slurp(program / "Settings.log"), "second\r\n");
    EXPECT_EQ(store.Read(), "second\r\n");
    EXPECT_EQ(EntriesIn(program), 1u);
    EXPECT_FALSE(fs::exists(root / "config"));
}

// A program folder that takes no files sends reading and writing to $XDG_CONFIG_HOME/Tolmora.
TEST_F(SettingsStoreTest, ReadOnlyProgramFolderFallsBackToXdg)
{
    std::ofstream(program / "Settings.log") << "shipped\r\n";
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
    // Permission bits do not stop root; /proc/self takes no new files from anyone.
    const fs::path readOnly = geteuid() == 0 ? fs::path("/proc/self") : program;
    const fs::path xdg = root / "config";

    DiskSettingsStore store(readOnly, xdg.c_str(), root.c_str());
    EXPECT_EQ(store.folder(), xdg / "Tolmora");
    EXPECT_EQ(store.Read(), std::nullopt);  // the same place for reading as for writing
    ASSERT_TRUE(store.Write("mine\r\n"));
    EXPECT_EQ(Slurp(xdg / "Tolmora" / "Settings.log"), "mine\r\n");
    EXPECT_EQ(DiskSettingsStore(readOnly, xdg.c_str(), root.c_str()).Read(), "mine\r\n");
    EXPECT_EQ(Slurp(program / "Settings.log"), "shipped\r\n");
}

// Without XDG_CONFIG_HOME (or with a relative one) the fallback is ~/.config/Tolmora.
TEST_F(SettingsStoreTest, FallbackWithoutXdgIsHomeConfig)
{
    const fs::path nowhere = root / "missing";
    EXPECT_EQ(DiskSettingsStore::ChooseFolder(nowhere, nullptr, root.c_str()), root / ".config" / "Tolmora");
    EXPECT_EQ(DiskSettingsStore::ChooseFolder(nowhere, "relative/conf", root.c_str()), root / ".config" / "Tolmora");
}

// Only a regular file is read; a write that cannot replace the file reports failure and leaves nothing behind.
TEST_F(SettingsStoreTest, FolderInPlaceOfTheFile)
{
    fs::create_directory(program / "Settings.log");
    DiskSettingsStore store(program, nullptr, root.c_str());
    EXPECT_EQ(store.Read(), std::nullopt);
    EXPECT_FALSE(store.Write("text"));
    EXPECT_EQ(EntriesIn(program), 1u);
}
