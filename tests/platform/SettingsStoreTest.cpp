#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

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
        // A file of its own, so the test holds when the whole binary runs in one process.
        return std::make_unique<CFileSettingsStore>(ConfigFolder() + "/round-trip/settings.ini");
    }
};
}  // namespace

TEST(SettingsNumber, ANumberIsBroughtIntoItsRangeAndATextThatIsNoNumberGivesNothing)
{
    struct Case {
        const char* szText;
        std::optional<int> expected;
    };
    // In the range -1 to 100.
    const Case cases[] = {
        {"3", 3},
        {"-1", -1},
        {"100", 100},
        {"101", 100},
        {"-2", -1},
        {"2147483647", 100},
        {"-2147483648", -1},
        {"99999999999999999999999", 100},
        {"-99999999999999999999999", -1},
        {"0", 0},
        {"007", 7},
        {"", std::nullopt},
        {"lots", std::nullopt},
        {"5x", std::nullopt},
        {" 5", std::nullopt},
        {"-", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsNumber(c.szText, -1, 100), c.expected) << "\"" << c.szText << "\"";
}

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

TEST_P(SettingsStoreTest, AKeyExistsOnceCreatedOrWrittenAndOutlivesItsValues)
{
    const char kUsb[] = "Software/Tarvi.exe/USB";
    auto store = MakeStore();
    EXPECT_FALSE(store->HasKey(kUsb));
    EXPECT_TRUE(store->CreateKey(kUsb));
    EXPECT_TRUE(store->HasKey(kUsb));
    EXPECT_TRUE(store->ValueNames(kUsb).empty());
    EXPECT_TRUE(store->CreateKey(kUsb));  // a second time changes nothing
    EXPECT_TRUE(store->ValueNames(kUsb).empty());

    EXPECT_TRUE(store->WriteString("Software/Tarvi_1.exe/PC_File", "File_Path", "/tmp"));
    EXPECT_TRUE(store->HasKey("Software/Tarvi_1.exe/PC_File"));
    EXPECT_TRUE(store->DeleteValue("Software/Tarvi_1.exe/PC_File", "File_Path"));
    EXPECT_TRUE(store->HasKey("Software/Tarvi_1.exe/PC_File"));
    EXPECT_FALSE(store->HasKey("Software/Tarvi_1.exe/Line_Set"));
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreTest, testing::Values(StoreKind::Memory, StoreKind::File),
                         [](const auto& info) { return info.param == StoreKind::Memory ? "Memory" : "File"; });

// Running copies share the file: what one writes and flushes, the other sees after Reload.
TEST(FileSettingsStore, ACopyReloadsWhatAnotherFlushed)
{
    EXPECT_EQ(CFileSettingsStore::DefaultPath(), ConfigFolder() + "/tarvi/settings.ini");
    const std::string path = ConfigFolder() + "/shared/settings.ini";
    CFileSettingsStore first(path), second(path);
    first.WriteString("Software/Tarvi.exe/USB", "/dev/hidraw0", "0");
    ASSERT_TRUE(first.Flush());
    EXPECT_FALSE(second.ReadString("Software/Tarvi.exe/USB", "/dev/hidraw0"));
    second.Reload();
    EXPECT_EQ(second.ReadString("Software/Tarvi.exe/USB", "/dev/hidraw0"), "0");
}

// An empty key is written to the file: a copy started later finds it.
TEST(FileSettingsStore, AnEmptyKeyIsStored)
{
    const std::string path = ConfigFolder() + "/empty-key/settings.ini";
    {
        CFileSettingsStore store(path);
        ASSERT_TRUE(store.CreateKey("Software/Tarvi.exe/USB"));
        ASSERT_TRUE(store.Flush());
    }
    CFileSettingsStore later(path);
    EXPECT_TRUE(later.HasKey("Software/Tarvi.exe/USB"));
    EXPECT_TRUE(later.ValueNames("Software/Tarvi.exe/USB").empty());
}
