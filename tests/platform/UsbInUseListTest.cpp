// Two running copies of the program are two lists, each with its own store on one shared
// settings file and one shared lock folder; a crashed copy is a child process that is killed.
#include <gtest/gtest.h>

#include <signal.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/UsbInUseList.h"
#include "tests/support/TestEnvironment.h"

namespace {
const std::string DEVICE = "/dev/hidraw3";

struct CCopy {
    explicit CCopy(const std::string& folder)
        : store(folder + "/settings.ini"), list(store, folder + "/usb-locks")
    {
    }
    CFileSettingsStore store;
    CUsbInUseList list;
};

class UsbInUseList : public testing::Test {
protected:
    void SetUp() override
    {
        folder = ConfigFolder() + "/" + testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder);
    }
    // What a copy that starts now would read.
    std::optional<std::string> Listed(const std::string& path) const
    {
        CFileSettingsStore fresh(folder + "/settings.ini");
        return fresh.ReadString(USB_IN_USE_KEY, path);
    }
    std::string folder;
};
}  // namespace

TEST_F(UsbInUseList, TwoCopiesNeverHoldTheSameDevice)
{
    CCopy first(folder), second(folder);
    EXPECT_TRUE(first.list.IsFree(DEVICE));
    EXPECT_TRUE(second.list.IsFree(DEVICE));

    ASSERT_EQ(first.list.Claim(DEVICE), LinkError::None);
    EXPECT_EQ(Listed(DEVICE), "0");
    EXPECT_FALSE(first.list.IsFree(DEVICE));  // this copy has it
    EXPECT_FALSE(second.list.IsFree(DEVICE));
    EXPECT_EQ(second.list.Claim(DEVICE), LinkError::Busy);
    EXPECT_EQ(first.list.Claim(DEVICE), LinkError::None);  // claiming again changes nothing
    EXPECT_TRUE(second.list.IsFree("/dev/hidraw4"));

    second.list.Release(DEVICE);  // not the second copy's to give away
    EXPECT_EQ(Listed(DEVICE), "0");
    EXPECT_FALSE(second.list.IsFree(DEVICE));

    first.list.Release(DEVICE);
    EXPECT_EQ(Listed(DEVICE), std::nullopt);
    EXPECT_TRUE(second.list.IsFree(DEVICE));
    EXPECT_EQ(second.list.Claim(DEVICE), LinkError::None);
    EXPECT_EQ(first.list.Claim(DEVICE), LinkError::Busy);
}

TEST_F(UsbInUseList, AnEntryNobodyHoldsIsStaleAndCleared)
{
    {
        CFileSettingsStore other(folder + "/settings.ini");
        other.WriteString(USB_IN_USE_KEY, DEVICE, "0");
        other.Flush();
    }
    CCopy copy(folder);
    EXPECT_TRUE(copy.list.IsFree(DEVICE));
    EXPECT_EQ(Listed(DEVICE), std::nullopt);
}

TEST_F(UsbInUseList, ACopyThatCrashedLeavesNoDeviceBusy)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CCopy crashing(folder);
        const char claimed = crashing.list.Claim(DEVICE) == LinkError::None ? 'y' : 'n';
        [[maybe_unused]] const ssize_t written = write(ready[1], &claimed, 1);
        pause();  // killed here, never releasing
        _exit(0);
    }
    close(ready[1]);
    char claimed = 0;
    ASSERT_EQ(read(ready[0], &claimed, 1), 1);
    close(ready[0]);
    ASSERT_EQ(claimed, 'y');

    CCopy survivor(folder);
    EXPECT_FALSE(survivor.list.IsFree(DEVICE));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(Listed(DEVICE), "0");  // the crash left its entry
    EXPECT_TRUE(survivor.list.IsFree(DEVICE));
    EXPECT_EQ(Listed(DEVICE), std::nullopt);
    EXPECT_EQ(survivor.list.Claim(DEVICE), LinkError::None);
}

TEST_F(UsbInUseList, CreateKeyMakesAnEmptyListOnceAndKeepsEntries)
{
    CCopy first(folder), second(folder);
    first.list.CreateKey();
    CFileSettingsStore fresh(folder + "/settings.ini");
    EXPECT_TRUE(fresh.HasKey(USB_IN_USE_KEY));
    EXPECT_TRUE(fresh.ValueNames(USB_IN_USE_KEY).empty());
    // A second copy starting while the first has a device keeps its entry.
    ASSERT_EQ(first.list.Claim(DEVICE), LinkError::None);
    second.list.CreateKey();
    EXPECT_EQ(Listed(DEVICE), "0");
}

TEST_F(UsbInUseList, ResetEmptiesTheListButNotTheLocks)
{
    CCopy first(folder), second(folder);
    ASSERT_EQ(first.list.Claim(DEVICE), LinkError::None);
    ASSERT_EQ(first.list.Claim("/dev/hidraw4"), LinkError::None);
    second.list.Reset();
    CFileSettingsStore fresh(folder + "/settings.ini");
    EXPECT_TRUE(fresh.HasKey(USB_IN_USE_KEY));
    EXPECT_TRUE(fresh.ValueNames(USB_IN_USE_KEY).empty());
    // The list lost the entry, but the first copy still has the device.
    EXPECT_FALSE(second.list.IsFree(DEVICE));
    EXPECT_EQ(second.list.Claim(DEVICE), LinkError::Busy);
}

TEST_F(UsbInUseList, OtherSettingsOfTheCopySurviveTheRereads)
{
    CCopy copy(folder);
    copy.store.WriteString("Software/Tarvi_1.exe/PC_File", "File_Path", "/home/user/presets");
    ASSERT_EQ(copy.list.Claim(DEVICE), LinkError::None);
    EXPECT_EQ(copy.store.ReadString("Software/Tarvi_1.exe/PC_File", "File_Path"), "/home/user/presets");
}
