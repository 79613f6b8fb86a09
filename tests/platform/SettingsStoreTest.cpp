#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

namespace {
enum class StoreKind { Memory, File };

class SettingsStoreTest : public testing::TestWithParam<StoreKind> {
protected:
    std::unique_ptr<ISettingsStore> MakeStore()
    {
        if (GetParam() == StoreKind::Memory)
            return std::make_unique<CMemorySettingsStore>();
        return std::make_unique<CFileSettingsStore>();
    }
};
}  // namespace

TEST_P(SettingsStoreTest, ValuesRoundTripIncludingNamesThatAreDevicePaths)
{
    auto store = MakeStore();
    EXPECT_FALSE(store->ReadString("Software/Tarvi_1.exe/PC_File", "File_Path"));
    EXPECT_TRUE(store->WriteString("Software/Tarvi_1.exe/PC_File", "File_Path", "/home/u/presets"));
    EXPECT_TRUE(store->WriteString("Software/Tarvi.exe/USB", "/dev/hidraw3", "0"));
    EXPECT_TRUE(store->WriteString("Software/Tarvi.exe/USB", "/dev/hidraw4", "0"));
    EXPECT_EQ(store->ReadString("Software/Tarvi_1.exe/PC_File", "File_Path"), "/home/u/presets");

    auto names = store->ValueNames("Software/Tarvi.exe/USB");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/hidraw3", "/dev/hidraw4"}));

    EXPECT_TRUE(store->DeleteValue("Software/Tarvi.exe/USB", "/dev/hidraw3"));
    EXPECT_FALSE(store->DeleteValue("Software/Tarvi.exe/USB", "/dev/hidraw3"));
    EXPECT_EQ(store->ValueNames("Software/Tarvi.exe/USB"), std::vector<std::string>{"/dev/hidraw4"});
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreTest, testing::Values(StoreKind::Memory, StoreKind::File),
                         [](const auto& info) { return info.param == StoreKind::Memory ? "Memory" : "File"; });

// Running copies share the file: what one writes and flushes, the other sees after Reload.
TEST(FileSettingsStore, ACopyReloadsWhatAnotherFlushed)
{
    CFileSettingsStore first, second;
    EXPECT_EQ(first.Path(), ConfigFolder() + "/tarvi/settings.ini");
    first.WriteString("Software/Tarvi.exe/USB", "/dev/hidraw0", "0");
    ASSERT_TRUE(first.Flush());
    EXPECT_FALSE(second.ReadString("Software/Tarvi.exe/USB", "/dev/hidraw0"));
    second.Reload();
    EXPECT_EQ(second.ReadString("Software/Tarvi.exe/USB", "/dev/hidraw0"), "0");
}
