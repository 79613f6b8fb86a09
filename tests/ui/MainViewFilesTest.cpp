// The main view's PC files: one preset, all presets and the output map saved and loaded through
// the file dialogs (answered by the test hook), the folders remembered for each kind, the
// extension and the overwrite question, and files that must change nothing.
#include <gtest/gtest.h>
#include <wx/stdpaths.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <vector>

#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "controls/ControlIds.h"
#include "controls/FileDialogST.h"
#include "controls/NumEdit.h"
#include "controls/WndMessages.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/InputSourceTable.h"
#include "model/StdAfx.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "platform/SettingsStore.h"
#include "tests/support/DeviceStateSnapshot.h"
#include "tests/support/DialogItem.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ThreadChecks.h"
#include "tests/support/TransferShown.h"
#include "tests/ui/RequestLabels.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr char kFileKey[] = "Software/Tarvi_1.exe/PC_File";
constexpr char kUsbPath[] = "/dev/hidraw-emulated";

CNetOptions NoNetwork()
{
    CNetOptions options;
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    return options;
}

std::string Documents()
{
    return wxStandardPaths::Get().GetDocumentsDir().utf8_string();
}

std::string ReadFile(const std::string& strPath)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(strPath, bytes, 1 << 20)) << strPath;
    return bytes;
}

std::optional<std::string> Remembered(const char* szValue)
{
    Settings().Reload();
    return Settings().ReadString(kFileKey, szValue);
}

class MainViewFiles : public testing::Test {
protected:
    void SetUp() override { Open(false); }

    // The main window; with the processor plugged in the view connects to it by itself.
    void Open(bool bPlugged)
    {
        ResetLinkGlobals();
        g_bChinese = 0;
        g_bOutMapLocked = 0;
        m_doc.OnNewDocument();
        if (bPlugged)
            m_hid.Plug(kUsbPath, m_emulator);
        m_pFrame = new CMainFrame;
        m_pView = m_pFrame->OpenDocument(m_doc, m_hid, NoNetwork(), FastLinkTimeouts());
        m_hid.SetNotifyWnd(GetWndHandle(m_pView));
        m_pFrame->Show();
        ASSERT_TRUE(SettleShown(*m_pFrame));
        m_strFolder = ConfigFolder() + "/files";
        std::filesystem::create_directories(m_strFolder);
    }

    void TearDown() override
    {
        CFileDialogST::SetTestAnswer({});
        m_hid.SetNotifyWnd(0);
        m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
        PumpPendingEvents();
        g_bChinese = 0;
        ResetLinkGlobals();
    }

    // The dialogs that open next answer with these paths in turn (nothing: Cancel), and record
    // the folder each one starts in.
    void Answer(std::vector<std::optional<std::string>> answers)
    {
        m_answers = std::move(answers);
        m_starts.clear();
        CFileDialogST::SetTestAnswer([this](const CFileDialogST& dlg) -> std::optional<std::string> {
            m_starts.push_back(dlg.GetFileDir());
            if (m_starts.size() > m_answers.size()) {
                ADD_FAILURE() << "an unexpected file dialog";
                return std::nullopt;
            }
            return m_answers[m_starts.size() - 1];
        });
    }

    void Command(int nCommand)
    {
        wxCommandEvent event(wxEVT_MENU, WxId(nCommand));
        event.SetEventObject(m_pView);
        m_pView->ProcessWindowEvent(event);
    }

    std::string Path(const std::string& strName) const { return m_strFolder + "/" + strName; }

    CKTV_Data& Data() { return m_doc.m_data; }
    std::string PresetNameShown() const { return m_pView->GetDlgItem(2770)->GetLabel().utf8_string(); }
    std::string LiveName() const { return std::string(g_liveImage.m_szName, strnlen(g_liveImage.m_szName, sizeof g_liveImage.m_szName)); }
    int QueueCount()
    {
        std::lock_guard lock(g_csLink);
        return m_pView->m_command.GetQueueCount();
    }

    // Every value a file may carry, away from its default.
    void MakeDistinctData()
    {
        for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
            Data().GetOutData(k)->SetLevel(static_cast<std::int16_t>(300 + 7 * k));
            Data().GetOutData(k)->SetDelay(static_cast<std::int16_t>(11 * k));
            Data().GetOutData(k)->SetLimLevel(static_cast<std::int16_t>(20 + k));
        }
        for (int m = 0; m < MUSIC_CHANNELS; ++m)
            Data().GetMusicData(m)->SetLevel(100 + m);
        SetDistinctDeviceState();
    }

    // The data back at its defaults, as after start-up.
    void ResetData()
    {
        InitDeviceData();
        Data().LoadFromDevice(g_liveImage, -1);
    }

    CHalvekDoc m_doc;
    CProcessorEmulator m_emulator;
    CEmulatedHidBackend m_hid;
    CMainFrame* m_pFrame = nullptr;
    CHalvekView* m_pView = nullptr;
    std::string m_strFolder;
    std::vector<std::optional<std::string>> m_answers;
    std::vector<std::string> m_starts;
};
// The processor is plugged in before start-up; the view connects to it and reads it back.
class MainViewFilesOnLink : public MainViewFiles {
protected:
    void SetUp() override
    {
        Open(true);
        ASSERT_TRUE(SettleUntil([this] { return m_pView->IsOnline() && g_bSynced && TransferShownOver(); }));
    }
    // Nothing queued, marked or in transfer, the view taking input: the link carries only meter polls.
    bool Quiet() { return QueueCount() == 0 && g_bSendName == 0 && TransferShownOver(); }
    // The requests of at least nCount frames once the link is quiet again, polls left out.
    std::vector<std::string> WaitReceived(std::size_t nCount)
    {
        EXPECT_TRUE(SettleUntil([&] { return RequestLabels(m_emulator.Log()).size() >= nCount && Quiet(); }));
        return RequestLabels(m_emulator.Log());
    }
};

// Bytes nFrom to nTo (not included) of the image that starts at byte nAt of a file.
std::string FileBytes(const std::string& file, std::size_t nAt, std::size_t nFrom, std::size_t nTo)
{
    return file.substr(nAt + nFrom, nTo - nFrom);
}

// Bytes nFrom to nTo (not included) of one of the processor's images.
std::string ImageBytes(const EmuImage& image, std::size_t nFrom, std::size_t nTo)
{
    return std::string(image.begin() + std::ptrdiff_t(nFrom), image.begin() + std::ptrdiff_t(nTo));
}
}  // namespace

TEST_F(MainViewFiles, APresetFileSavedAndLoadedRestoresEveryValue)
{
    MakeDistinctData();
    Answer({Path("evening")});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    const std::string saved = ReadFile(Path("evening.TarviC1"));
    ASSERT_EQ(saved.size(), PRESET_FILE_SIZE);
    // The preset takes the file's name.
    EXPECT_EQ(PresetNameShown(), "evening");
    EXPECT_EQ(LiveName(), "evening");

    ResetData();
    g_bLiveEdited = 1;
    Answer({Path("evening.TarviC1")});
    ASSERT_EQ(m_pView->LoadPresetFile(), 1);
    EXPECT_EQ(g_bLiveEdited, 0);
    EXPECT_EQ(Data().GetOutData(5)->GetLevel(), 335);
    EXPECT_EQ(PresetNameShown(), "evening");
    // Without a link only the PC's data changes.
    EXPECT_EQ(QueueCount(), 0);
    // Saved again, the file differs only in the name, which the preset took from the file.
    Answer({Path("again")});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    const std::string again = ReadFile(Path("again.TarviC1"));
    constexpr std::size_t kName = 15;
    EXPECT_EQ(again.substr(kName, 8), std::string("evening\0", 8));
    EXPECT_TRUE(again.substr(kName + sizeof g_liveImage.m_szName) == saved.substr(kName + sizeof g_liveImage.m_szName));
    EXPECT_TRUE(LinkLockIsFree());
}

TEST_F(MainViewFiles, AnAllPresetsFileSavedAndLoadedRestoresEveryValue)
{
    MakeDistinctData();
    g_nCurInput = 4;
    Answer({Path("whole")});
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    EXPECT_EQ(g_strAllPresetFile, Path("whole.TarviAC1"));
    g_strPresetFileName = "named";
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);
    EXPECT_TRUE(g_strPresetFileName.empty());
    const std::string saved = ReadFile(Path("whole.TarviAC1"));
    ASSERT_EQ(saved.size(), ALL_PRESETS_FILE_SIZE);
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();

    ResetData();
    g_inputSettings.SetField(&InputSettings::m_byOptInputs, before.input.m_byOptInputs);
    Answer({Path("whole.TarviAC1")});
    ASSERT_EQ(m_pView->LoadAllPresetsFile(), 1);
    DeviceStateSnapshot loaded = DeviceStateSnapshot::Take();
    loaded.master.m_byNoiseEcho = before.master.m_byNoiseEcho;  // not in the file
    std::memcpy(loaded.xover, before.xover, sizeof loaded.xover);
    EXPECT_TRUE(loaded == before);
    EXPECT_EQ(QueueCount(), 0);
    // The music input the file makes active is shown and chosen.
    EXPECT_EQ(g_nCurInput, 1);
    EXPECT_EQ(g_nInputMode, 1);
    EXPECT_EQ(g_inputSourceTable.m_nSource, 4);
    Answer({Path("again")});
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);
    EXPECT_EQ(ReadFile(Path("again.TarviAC1")), saved);
    EXPECT_TRUE(LinkLockIsFree());
}

TEST_F(MainViewFiles, AnOutputMapSavedAndLoadedRestoresRolesAndCrossovers)
{
    MakeDistinctData();
    // Each output with its role's crossover, as the program keeps them (a tweeter from 1 kHz).
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        Data().GetOutData(k)->SetRole(g_byDevRoles[k]);
    Answer({Path("map")});
    ASSERT_EQ(m_pView->SaveOutputMapFile(), 1);
    const std::string saved = ReadFile(Path("map.TarviMAP1"));
    ASSERT_EQ(saved.size(), OUT_MAP_FILE_SIZE);
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();

    std::memset(g_byDevRoles, 0, sizeof g_byDevRoles);
    std::memset(g_outXover, 0, sizeof g_outXover);
    Answer({Path("map.TarviMAP1")});
    ASSERT_EQ(m_pView->LoadOutputMapFile(), 1);
    EXPECT_EQ(std::memcmp(g_byDevRoles, before.roles, sizeof g_byDevRoles), 0);
    EXPECT_EQ(std::memcmp(g_outXover, before.xover, sizeof g_outXover), 0);
}

// Mended: a file that cannot be read, is cut short, too long or of another kind is refused
// whole, with its kind's message; nothing changes and the link lock is free.
TEST_F(MainViewFiles, ARefusedFileChangesNothingAndShowsItsMessage)
{
    Answer({Path("p"), Path("m")});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    ASSERT_EQ(m_pView->SaveOutputMapFile(), 1);
    Answer({Path("a")});
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);
    const std::string preset = ReadFile(Path("p.TarviC1"));
    const std::string all = ReadFile(Path("a.TarviAC1"));
    const std::string map = ReadFile(Path("m.TarviMAP1"));

    MakeDistinctData();
    g_bLiveEdited = 1;
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();
    CMessageBoxRecorder boxes;
    struct Kind {
        std::function<int()> load;
        const std::string& own;
        const std::string& foreign;
        const char* szEnglish;
        const char* szChinese;
    };
    const Kind kinds[] = {
        {[&] { return m_pView->LoadPresetFile(); }, preset, map, "Read presets file  error!", "读场景文件错误!"},
        {[&] { return m_pView->LoadAllPresetsFile(); }, all, preset, "Read all presets file error!", "读整机场景文件错误!"},
        {[&] { return m_pView->LoadOutputMapFile(); }, map, all, "Read output map error!", "读输出配置错误!"},
    };
    for (const Kind& kind : kinds) {
        const std::vector<std::pair<const char*, std::optional<std::string>>> files = {
            {"truncated", kind.own.substr(0, kind.own.size() - 1)},
            {"signature only", kind.own.substr(0, 5)},
            {"too long", kind.own + '\0'},
            {"another kind", kind.foreign},
            {"missing", std::nullopt},
        };
        for (const auto& [szCase, bytes] : files) {
            SCOPED_TRACE(std::string(kind.szEnglish) + " " + szCase);
            const std::string strPath = Path("refused.data");
            std::filesystem::remove(strPath);
            if (bytes) {
                ASSERT_TRUE(WriteFileReplacing(strPath, *bytes));
            }
            for (int bChinese : {0, 1}) {
                g_bChinese = bChinese;
                boxes.shown.clear();
                Answer({strPath});
                EXPECT_EQ(kind.load(), 0);
                ASSERT_EQ(boxes.shown.size(), 1u);
                EXPECT_EQ(boxes.shown[0].text, bChinese ? kind.szChinese : kind.szEnglish);
                EXPECT_EQ(boxes.shown[0].code, bChinese ? -2 : -3);
                EXPECT_TRUE(DeviceStateSnapshot::Take() == before);
                EXPECT_EQ(g_bLiveEdited, 1);
                EXPECT_TRUE(LinkLockIsFree());
            }
        }
    }
}

// Mended: a save that fails says so and returns 0; the old file stays as it was.
TEST_F(MainViewFiles, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    CMessageBoxRecorder boxes;
    Answer({Path("missing folder/p"), Path("missing folder/m")});
    EXPECT_EQ(m_pView->SavePresetFile(), 0);
    EXPECT_EQ(m_pView->SaveOutputMapFile(), 0);
    Answer({Path("missing folder/a")});
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    EXPECT_EQ(m_pView->SaveAllPresetsFile(), 0);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, "Save presets file error!");
    EXPECT_EQ(boxes.shown[1].text, "Save output map error!");
    EXPECT_EQ(boxes.shown[2].text, "Save all presets file error!");

    // A folder in the way of the file: it cannot be replaced and stays.
    std::filesystem::create_directories(Path("kept.TarviC1/inside"));
    boxes.answer = IDYES;
    g_bChinese = 1;
    Answer({Path("kept")});
    EXPECT_EQ(m_pView->SavePresetFile(), 0);
    EXPECT_EQ(boxes.shown.back().text, "保存场景文件错误!");
    EXPECT_TRUE(std::filesystem::is_directory(Path("kept.TarviC1/inside")));
}

// Mended: a name typed without the extension gets it before the overwrite question, so the
// existing file of that name is never replaced without asking. An extension in other letters is
// not the kind's: the kind's is added and that file is asked about too.
TEST_F(MainViewFiles, TheOverwriteQuestionIsAskedAboutTheFileWritten)
{
    ASSERT_TRUE(WriteFileReplacing(Path("old.TarviC1"), "old"));
    ASSERT_TRUE(WriteFileReplacing(Path("odd.tarvic1.TarviC1"), "odd"));
    CMessageBoxRecorder boxes;
    struct Case {
        const char* szTyped;
        int nAnswer;
        const char* szWritten;  // nothing: the old file stays
        const char* szAsked;
    };
    const Case cases[] = {
        {"old", IDNO, nullptr, "old.TarviC1 already exists.\nDo you want to replace it?"},
        {"old", IDYES, "old.TarviC1", "old.TarviC1 already exists.\nDo you want to replace it?"},
        {"odd.tarvic1", IDNO, nullptr, "odd.tarvic1.TarviC1 already exists.\nDo you want to replace it?"},
        {"odd.tarvic1", IDYES, "odd.tarvic1.TarviC1", "odd.tarvic1.TarviC1 already exists.\nDo you want to replace it?"},
        {"new", IDNO, "new.TarviC1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szTyped) + (c.nAnswer == IDYES ? " yes" : " no"));
        boxes.shown.clear();
        boxes.answer = c.nAnswer;
        // After No the dialog opens again with that file; Cancel there.
        if (c.nAnswer == IDNO && c.szAsked != nullptr)
            Answer({Path(c.szTyped), std::nullopt});
        else
            Answer({Path(c.szTyped)});
        EXPECT_EQ(m_pView->SavePresetFile(), c.szWritten != nullptr ? 1 : 0);
        if (c.szAsked == nullptr) {
            EXPECT_TRUE(boxes.shown.empty());
        } else {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, c.szAsked);
            EXPECT_EQ(boxes.shown[0].type, MB_YESNO);
        }
        if (c.szWritten != nullptr) {
            EXPECT_EQ(ReadFile(Path(c.szWritten)).size(), PRESET_FILE_SIZE);
        }
        if (c.nAnswer == IDNO && c.szAsked != nullptr) {
            ASSERT_EQ(m_starts.size(), 2u);
            EXPECT_EQ(m_starts[1], m_strFolder + "/");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Path("old")));
    EXPECT_FALSE(std::filesystem::exists(Path("odd.tarvic1")));
}

// Mended: the folder remembered is the folder of the file chosen (GTK does not change the
// working directory); each kind has its own, kept in the settings store.
TEST_F(MainViewFiles, EachKindRemembersTheFolderOfItsLastFile)
{
    // Start-up made the settings with the documents folder for every kind.
    for (const char* szValue : {"File_Path", "AllFile_Path", "Map_Path", "Hex"})
        EXPECT_EQ(Remembered(szValue), Documents()) << szValue;

    const std::string strPresets = Path("presets");
    const std::string strMaps = Path("maps");
    std::filesystem::create_directories(strPresets);
    std::filesystem::create_directories(strMaps);
    Answer({strPresets + "/a", strMaps + "/m"});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    ASSERT_EQ(m_pView->SaveOutputMapFile(), 1);
    EXPECT_EQ(m_starts, (std::vector<std::string>{Documents() + "/", Documents() + "/"}));
    EXPECT_EQ(Remembered("File_Path"), strPresets);
    EXPECT_EQ(Remembered("Map_Path"), strMaps);
    EXPECT_EQ(Remembered("AllFile_Path"), Documents());

    // A load remembers its folder too, even when the file is refused.
    CMessageBoxRecorder boxes;
    Answer({std::nullopt, strMaps + "/none.TarviAC1", strPresets + "/a.TarviC1", strMaps + "/m.TarviMAP1"});
    EXPECT_EQ(m_pView->LoadAllPresetsFile(), 0);
    EXPECT_EQ(m_pView->LoadAllPresetsFile(), 0);
    EXPECT_EQ(m_pView->LoadPresetFile(), 1);
    EXPECT_EQ(m_pView->LoadOutputMapFile(), 1);
    EXPECT_EQ(m_starts, (std::vector<std::string>{Documents() + "/", Documents() + "/", strPresets + "/", strMaps + "/"}));
    EXPECT_EQ(Remembered("AllFile_Path"), strMaps);

    // Another folder written by a running copy is read before the dialog opens; a folder that is
    // gone falls back to the documents folder and is written back.
    Settings().WriteString(kFileKey, "File_Path", strMaps);
    std::filesystem::remove_all(strPresets);
    Settings().Flush();
    Answer({std::nullopt, std::nullopt});
    m_pView->SavePresetFile();
    m_pView->LoadPresetFile();
    EXPECT_EQ(m_starts[0], strMaps + "/");
    Settings().WriteString(kFileKey, "File_Path", strPresets);
    Settings().Flush();
    Answer({std::nullopt});
    m_pView->LoadPresetFile();
    EXPECT_EQ(m_starts[0], Documents() + "/");
    EXPECT_EQ(Remembered("File_Path"), Documents());
}

TEST_F(MainViewFiles, SettingsRemovedWhileRunningAreMadeAnew)
{
    const std::string strMaps = Path("maps");
    std::filesystem::create_directories(strMaps);
    for (const char* szValue : {"File_Path", "AllFile_Path", "Map_Path", "Hex"})
        Settings().DeleteValue(kFileKey, szValue);
    Settings().Flush();
    Answer({strMaps + "/m"});
    ASSERT_EQ(m_pView->SaveOutputMapFile(), 1);
    EXPECT_EQ(m_starts[0], Documents() + "/");
    // The output map's folder is written with the firmware folder beside it.
    EXPECT_EQ(Remembered("Map_Path"), strMaps);
    EXPECT_EQ(Remembered("Hex"), Documents());
    EXPECT_EQ(Remembered("File_Path"), Documents());
    EXPECT_EQ(Remembered("AllFile_Path"), Documents());
}

TEST_F(MainViewFiles, ThePresetCommandsRunTheFileOperations)
{
    MakeDistinctData();
    Answer({Path("by menu")});
    Command(725);
    const std::string saved = ReadFile(Path("by menu.TarviC1"));
    EXPECT_EQ(saved.size(), PRESET_FILE_SIZE);
    ResetData();
    Answer({Path("by menu.TarviC1")});
    Command(723);
    EXPECT_EQ(Data().GetOutData(0)->GetLevel(), 300);

    Answer({Path("all")});
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);
    ResetData();
    Answer({Path("all.TarviAC1")});
    Command(724);
    EXPECT_EQ(std::memcmp(&g_devImages[5], ReadFile(Path("all.TarviAC1")).data() + 18 + 5 * sizeof(PresetImage),
                          sizeof(PresetImage)),
              0);
}

TEST_F(MainViewFiles, TheFileDialogsAreTitledInTheCurrentLanguage)
{
    std::vector<std::string> titles;
    CFileDialogST::SetTestAnswer([&](const CFileDialogST& dlg) -> std::optional<std::string> {
        titles.push_back(dlg.GetTitle());
        return std::nullopt;
    });
    for (const int bChinese : {0, 1}) {
        g_bChinese = bChinese;
        m_pView->SavePresetFile();
        m_pView->LoadPresetFile();
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Save As", "Open", "另存为", "打开"}));
}

// Saving all presets first reads the six stored presets from the processor (84 blocks), then
// writes them to the file chosen.
TEST_F(MainViewFilesOnLink, SavingAllPresetsReadsThemFromTheProcessorIntoTheFile)
{
    m_emulator.Edit([](EmuState& state) {
        for (int p = 1; p <= emu::STORED_PRESETS; ++p)
            for (std::size_t i = emu::MUSIC_OFFSET; i < emu::IMAGE_SIZE; ++i)
                state.images[std::size_t(p)][i] = static_cast<std::uint8_t>(i * 7 + std::size_t(p) * 31);
    });
    m_emulator.ClearLog();
    Answer({Path("device")});
    Command(726);
    ASSERT_TRUE(SettleUntil([this] { return std::filesystem::exists(Path("device.TarviAC1")) && TransferShownOver(); }));

    int nBlocks = 0;
    for (const EmuRequest& r : m_emulator.Log())
        nBlocks += r.byClass == emu::READ && r.byBlock != emu::BLOCK_SYSTEM;
    EXPECT_EQ(nBlocks, 84);
    const std::string file = ReadFile(Path("device.TarviAC1"));
    ASSERT_EQ(file.size(), ALL_PRESETS_FILE_SIZE);
    const EmuState state = m_emulator.State();
    constexpr std::size_t kSignature = 18;
    for (int p = 1; p <= emu::STORED_PRESETS; ++p) {
        const std::size_t nImage = kSignature + std::size_t(p - 1) * emu::IMAGE_SIZE;
        EXPECT_EQ(std::memcmp(file.data() + nImage + emu::MUSIC_OFFSET, state.images[std::size_t(p)].data() + emu::MUSIC_OFFSET,
                              emu::IMAGE_SIZE - emu::MUSIC_OFFSET),
                  0)
            << p;
    }
    EXPECT_EQ(Remembered("AllFile_Path"), m_strFolder);
}

TEST_F(MainViewFilesOnLink, SavingAllPresetsWithTheDialogCancelledReadsNothing)
{
    m_emulator.ClearLog();
    Answer({std::nullopt});
    Command(726);
    Settle(100);  // a read that must not come leaves nothing to wait for: give it the time
    for (const EmuRequest& r : m_emulator.Log())
        EXPECT_FALSE(r.byClass == emu::READ && r.byBlock != emu::BLOCK_SYSTEM);
    EXPECT_EQ(g_bTransferring, 0);
}

// While a link is open a loaded preset becomes the processor's current preset, and loaded
// presets all go to the processor.
TEST_F(MainViewFilesOnLink, LoadedFilesGoToTheConnectedProcessor)
{
    Answer({Path("current"), Path("all")});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);

    // A preset file whose third output has another level.
    std::string preset = ReadFile(Path("current.TarviC1"));
    constexpr std::size_t kPresetSignature = 15;
    constexpr std::size_t kLevel = emu::OUTPUT_OFFSET + 2 * emu::OUTPUT_SIZE + OUT_GROUP_BASE * emu::GROUP_SIZE + 2;
    const std::size_t nLevel = kPresetSignature + kLevel;
    preset[nLevel] = '\x2C';
    preset[nLevel + 1] = '\x01';
    ASSERT_TRUE(WriteFileReplacing(Path("current.TarviC1"), preset));
    m_emulator.ClearLog();
    Answer({Path("current.TarviC1")});
    ASSERT_EQ(m_pView->LoadPresetFile(), 1);
    EXPECT_EQ(Data().GetOutData(2)->GetLevel(), 300);
    ASSERT_TRUE(SettleUntil([this] {
        const EmuState state = m_emulator.State();
        return TransferShownOver() && state.images[0][kLevel] == 0x2C && state.images[0][kLevel + 1] == 0x01;
    }));
    EXPECT_EQ(std::memcmp(m_emulator.State().images[0].data(), "current", 8), 0);

    // An all-presets file with other stored presets.
    std::string all = ReadFile(Path("all.TarviAC1"));
    constexpr std::size_t kAllSignature = 18;
    for (int p = 0; p < STORED_PRESETS; ++p)
        all[kAllSignature + std::size_t(p) * emu::IMAGE_SIZE + emu::OUTPUT_OFFSET] = static_cast<char>(0x50 + p);
    ASSERT_TRUE(WriteFileReplacing(Path("all.TarviAC1"), all));
    Answer({Path("all.TarviAC1")});
    ASSERT_EQ(m_pView->LoadAllPresetsFile(), 1);
    EXPECT_EQ(g_bTransferring, 1);
    ASSERT_TRUE(SettleUntil([this] { return TransferShownOver() && QueueCount() == 0; }));
    const EmuState state = m_emulator.State();
    for (int p = 1; p <= STORED_PRESETS; ++p)
        EXPECT_EQ(state.images[std::size_t(p)][emu::OUTPUT_OFFSET], 0x50 + p - 1) << p;
    // The worker still runs and takes the lock for its transactions; the view must not keep it.
    EXPECT_FALSE(g_csLink.HeldByThisThread());
}

// Mended: the processor holds values no page shows (its own data does, in every block), and the
// files the program saved from it were refused when they were loaded ("Read presets file  error!"
// and "Read all presets file error!"). Both files, saved from the processor's own data, load
// without a question and go back to it as they stand: the frames carry the files' bytes.
TEST_F(MainViewFilesOnLink, FilesSavedFromTheProcessorLoadAgainAndGoToItAsTheyStand)
{
    Answer({Path("own")});
    Command(725);
    Answer({Path("own all")});
    Command(726);
    ASSERT_TRUE(SettleUntil([this] { return std::filesystem::exists(Path("own all.TarviAC1")) && Quiet(); }));
    const std::string preset = ReadFile(Path("own.TarviC1"));
    const std::string all = ReadFile(Path("own all.TarviAC1"));
    ASSERT_EQ(preset.size(), PRESET_FILE_SIZE);
    ASSERT_EQ(all.size(), ALL_PRESETS_FILE_SIZE);
    // The processor holds other blocks and roles now: only the loads can bring the files' back.
    m_emulator.Edit([](EmuState& state) {
        for (EmuImage& image : state.images)
            std::fill(image.begin() + std::ptrdiff_t(emu::MUSIC_OFFSET), image.end(), std::uint8_t{0x5A});
        state.roles.fill(0);
    });
    CMessageBoxRecorder boxes;

    // One preset: the current preset takes its music and output blocks.
    constexpr std::size_t kPresetImage = 15;
    Answer({Path("own.TarviC1")});
    Command(723);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(SettleUntil([&] {
        return Quiet() && ImageBytes(m_emulator.State().images[0], emu::MUSIC_OFFSET, emu::IMAGE_SIZE) ==
            FileBytes(preset, kPresetImage, emu::MUSIC_OFFSET, emu::IMAGE_SIZE);
    }));

    // All presets: the six stored presets, the current one and the roles.
    m_emulator.Edit([](EmuState& state) {
        std::fill(state.images[0].begin() + std::ptrdiff_t(emu::MUSIC_OFFSET), state.images[0].end(), std::uint8_t{0x5A});
    });
    constexpr std::size_t kStored = 18;
    constexpr std::size_t kLive = kStored + STORED_PRESETS * emu::IMAGE_SIZE;
    constexpr std::size_t kRoles = kLive + emu::IMAGE_SIZE + 15;
    Answer({Path("own all.TarviAC1")});
    Command(724);
    EXPECT_TRUE(boxes.shown.empty());
    const auto carried = [&] {
        const EmuState state = m_emulator.State();
        bool bSame = ImageBytes(state.images[0], emu::MUSIC_OFFSET, emu::IMAGE_SIZE) ==
            FileBytes(all, kLive, emu::MUSIC_OFFSET, emu::IMAGE_SIZE);
        for (int p = 1; p <= STORED_PRESETS; ++p)
            bSame = bSame && ImageBytes(state.images[std::size_t(p)], emu::MUSIC_OFFSET, emu::IMAGE_SIZE) ==
                FileBytes(all, kStored + std::size_t(p - 1) * emu::IMAGE_SIZE, emu::MUSIC_OFFSET, emu::IMAGE_SIZE);
        return bSame && std::string(state.roles.begin(), state.roles.end()) == all.substr(kRoles, OUTPUT_CHANNELS);
    };
    EXPECT_TRUE(SettleUntil([&] { return Quiet() && carried(); }));
    EXPECT_FALSE(g_csLink.HeldByThisThread());
}

// A preset file cut short, on a link, is refused with the message of a file that cannot be read:
// nothing is queued or sent, the processor, the PC's copy and the data stay as they were.
TEST_F(MainViewFilesOnLink, ADamagedPresetFileSendsNothing)
{
    struct Kind {
        std::function<int()> load;
        std::string file;
        const char* szEnglish;
    };
    // The signature as the archive writes it, then 0xFF to a byte short of the kind's size.
    const auto damaged = [](const char* szSignature, std::size_t nSize) {
        const std::string strSignature = char(std::strlen(szSignature)) + std::string(szSignature);
        return strSignature + std::string(nSize - 1 - strSignature.size(), '\xFF');
    };
    const Kind kinds[] = {
        {[&] { return m_pView->LoadPresetFile(); }, damaged(g_strPresetSig, PRESET_FILE_SIZE), "Read presets file  error!"},
        {[&] { return m_pView->LoadAllPresetsFile(); }, damaged(g_strAllPresetSig, ALL_PRESETS_FILE_SIZE),
         "Read all presets file error!"},
    };
    CMessageBoxRecorder boxes;
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.szEnglish);
        ASSERT_TRUE(WriteFileReplacing(Path("damaged.data"), kind.file));
        const EmuState processor = m_emulator.State();
        const DeviceStateSnapshot before = DeviceStateSnapshot::Take();
        const std::string fields = PackedData(Data());
        boxes.shown.clear();
        m_emulator.ClearLog();
        Answer({Path("damaged.data")});
        EXPECT_EQ(kind.load(), 0);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, kind.szEnglish);
        EXPECT_EQ(QueueCount(), 0);
        EXPECT_EQ(g_bTransferring, 0);
        // The link goes on polling the meters; by then anything queued would have gone first.
        ASSERT_TRUE(SettleUntil([this] { return m_emulator.Log().size() >= 5; }));
        for (const EmuRequest& r : m_emulator.Log())
            EXPECT_NE(r.byClass, emu::WRITE);
        const EmuState after = m_emulator.State();
        EXPECT_TRUE(after.images == processor.images);
        EXPECT_TRUE(after.input == processor.input);
        EXPECT_TRUE(after.master == processor.master);
        EXPECT_TRUE(after.roles == processor.roles);
        EXPECT_TRUE(DeviceStateSnapshot::Take() == before);
        EXPECT_TRUE(PackedData(Data()) == fields);
        EXPECT_FALSE(g_csLink.HeldByThisThread());
    }
}

// A file of the right signature and length loads whatever values it holds: with every byte after
// the signature 0xFF, both kinds load without a question, the processor takes the bytes as the
// PC holds them, and the pages show the values at their bounds.
TEST_F(MainViewFilesOnLink, AFileOfNothingButFFLoadsAndThePagesShowItsValuesAtTheirBounds)
{
    // The signature as the archive writes it, then 0xFF to the kind's size.
    const auto filled = [](const char* szSignature, std::size_t nSize) {
        const std::string strSignature = char(std::strlen(szSignature)) + std::string(szSignature);
        return strSignature + std::string(nSize - strSignature.size(), '\xFF');
    };
    const std::string ff(emu::IMAGE_SIZE, '\xFF');
    const auto shownAtTheBounds = [this] {
        COutputDlg& page = *m_pView->m_pageOutput;
        EXPECT_EQ(Item<CNumEdit>(*page.GetStrip(0), OutRoute_DlgIds::IDC_LEVEL_EDIT)->GetText(), "OFF");
        EXPECT_EQ(Item<CNumEdit>(page, OutputDlgIds::IDC_HPF_FREQ)->GetText(), "20000Hz");
        EXPECT_EQ(Item<CNumEdit>(page, OutputDlgIds::IDC_FREQ_EDIT)->GetText(), "20");
        EXPECT_EQ(Item<CNumEdit>(page, OutputDlgIds::IDC_GAIN_EDIT)->GetText(), "-12.0");
    };
    CMessageBoxRecorder boxes;

    ASSERT_TRUE(WriteFileReplacing(Path("ff.TarviC1"), filled(g_strPresetSig, PRESET_FILE_SIZE)));
    Answer({Path("ff.TarviC1")});
    ASSERT_EQ(m_pView->LoadPresetFile(), 1);
    EXPECT_TRUE(boxes.shown.empty());
    shownAtTheBounds();
    // The music blocks go as they stand; the outputs' crossover slopes come down to the two the
    // outputs have.
    EXPECT_TRUE(SettleUntil([&] {
        return Quiet() && ImageBytes(m_emulator.State().images[0], emu::MUSIC_OFFSET, emu::OUTPUT_OFFSET) ==
            ff.substr(emu::MUSIC_OFFSET, emu::OUTPUT_OFFSET - emu::MUSIC_OFFSET);
    }));

    ASSERT_TRUE(WriteFileReplacing(Path("ff.TarviAC1"), filled(g_strAllPresetSig, ALL_PRESETS_FILE_SIZE)));
    Answer({Path("ff.TarviAC1")});
    ASSERT_EQ(m_pView->LoadAllPresetsFile(), 1);
    EXPECT_TRUE(boxes.shown.empty());
    // Each page in turn shows the values; the volume, read as the signed -1, at the bottom.
    for (const int nPage : {0, 2, 1}) {
        m_pView->ShowPage(nPage, 1);
        PumpPendingEvents();
    }
    shownAtTheBounds();
    EXPECT_EQ(Item<CNumEdit>(*m_pView->m_pageOutput, OutputDlgIds::IDC_MASTER_EDIT)->GetText(), "OFF");
    EXPECT_TRUE(SettleUntil([&] {
        const EmuState state = m_emulator.State();
        bool bStored = true;
        for (int p = 1; p <= STORED_PRESETS; ++p)
            bStored = bStored && ImageBytes(state.images[std::size_t(p)], emu::MUSIC_OFFSET, emu::IMAGE_SIZE) ==
                ff.substr(emu::MUSIC_OFFSET);
        return Quiet() && bStored;
    }));
    EXPECT_FALSE(g_csLink.HeldByThisThread());
}

// A loaded preset goes to the processor muted: master off, the live name, its fourteen blocks,
// master back on; the live name the load marked follows the batch. An all-presets file: master
// off, the roles, the live blocks, each stored preset's name and blocks, the input, master on,
// then the marked live name. Each load runs a few times, so the batch meets the link at several
// points of its passes.
TEST_F(MainViewFilesOnLink, LoadedFilesSendTheirBatchThenTheMarkedName)
{
    Answer({Path("current"), Path("all")});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);
    const std::string strMasterBack = g_masterSettings.Get().m_byMasterOn ? "master on" : "master off";
    for (int nRun = 0; nRun < 4; ++nRun) {
        SCOPED_TRACE(nRun);
        ASSERT_TRUE(SettleUntil([this] { return Quiet(); }));
        m_emulator.ClearLog();
        Answer({Path("current.TarviC1")});
        ASSERT_EQ(m_pView->LoadPresetFile(), 1);
        std::vector<std::string> expected{"master off", "name 0 current"};
        AppendBlockWrites(expected, 0);
        expected.insert(expected.end(), {strMasterBack, "name 0 current"});
        EXPECT_EQ(WaitReceived(expected.size()), expected);

        m_emulator.ClearLog();
        Answer({Path("all.TarviAC1")});
        ASSERT_EQ(m_pView->LoadAllPresetsFile(), 1);
        expected = {"master off", "roles"};
        AppendBlockWrites(expected, 0);
        {
            std::lock_guard lock(g_csLink);
            for (int p = 1; p <= STORED_PRESETS; ++p) {
                expected.push_back(NameLabel(p, g_devImages[p - 1].m_szName));
                AppendBlockWrites(expected, p);
            }
            expected.insert(expected.end(), {"input", strMasterBack, NameLabel(0, g_liveImage.m_szName)});
        }
        EXPECT_EQ(WaitReceived(expected.size()), expected);
    }
}

// A preset loaded while the output map is locked: an output with a role becomes the current one;
// with no role anywhere the map is unlocked. An all-presets file brings its own roles and unlocks.
TEST_F(MainViewFiles, ALoadWithTheOutputMapLockedKeepsAnOutputWithARole)
{
    Answer({Path("p"), Path("a")});
    ASSERT_EQ(m_pView->SavePresetFile(), 1);
    ASSERT_EQ(m_pView->ChooseAllPresetsFile(), 1);
    ASSERT_EQ(m_pView->SaveAllPresetsFile(), 1);
    struct Case {
        const char* name;
        BYTE byRoleOf2;
        int nCurrentAfter;
        int bLockedAfter;
    };
    for (const Case& c : {Case{"output 3 has a role", 3, 2, 1}, Case{"no role anywhere", 0, 0, 0}}) {
        SCOPED_TRACE(c.name);
        std::memset(g_roleStates.m_byOutRole, 0, sizeof g_roleStates.m_byOutRole);
        g_roleStates.m_byOutRole[2] = c.byRoleOf2;
        g_nCurOutput = 0;
        g_bOutMapLocked = 1;
        Answer({Path("p.TarviC1")});
        ASSERT_EQ(m_pView->LoadPresetFile(), 1);
        EXPECT_EQ(g_nCurOutput, c.nCurrentAfter);
        EXPECT_EQ(g_bOutMapLocked, c.bLockedAfter);
    }
    g_bOutMapLocked = 1;
    Answer({Path("a.TarviAC1")});
    ASSERT_EQ(m_pView->LoadAllPresetsFile(), 1);
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_EQ(std::memcmp(g_roleStates.m_byOutRole, g_byDevRoles, sizeof g_byDevRoles), 0);
}
