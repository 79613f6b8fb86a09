// The stored-preset manager's operations without windows: which row names a preset, the checks of
// a new name, and what load, save as and delete change and ask of the view.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "grid/ProgramDlgLogic.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/PresetDataFixture.h"
#include "tests/support/ScopedFlag.h"

namespace {
// The view's side, recorded as text in order ("WritePreset(3, 1)").
class CRecordingPresetHost : public IPresetManagerHost {
public:
    void ReadPreset(int nPreset) override { Note("ReadPreset(" + std::to_string(nPreset) + ")"); }
    void WritePreset(int nPreset, int bPackLive) override
    {
        Note("WritePreset(" + std::to_string(nPreset) + ", " + std::to_string(bPackLive) + ")");
    }
    void UpdatePresetName(int bSend) override { Note("UpdatePresetName(" + std::to_string(bSend) + ")"); }
    void SendPresetNameAndClearCurrent(int nPreset) override
    {
        Note("SendPresetNameAndClearCurrent(" + std::to_string(nPreset) + ")");
    }
    void SendSystemItem(int nItem, int nPreset) override
    {
        Note("SendSystemItem(" + std::to_string(nItem) + ", " + std::to_string(nPreset) + ")");
    }
    int IsOnline() const override { return bOnline; }

    void Note(const std::string& strCall) { calls.push_back(strCall); }
    std::vector<std::string> calls;
    int bOnline = 1;
};

class ProgramDlgLogic : public PresetDataTest {
protected:
    void SetUp() override
    {
        PresetDataTest::SetUp();
        const char* names[STORED_PRESETS] = {"Preset 1", "Hall", "Stage", "", "Party", "Club"};
        for (int p = 0; p < STORED_PRESETS; ++p)
            SetStoredName(p + 1, names[p]);
        std::memcpy(g_liveImage.m_szName, "Live\0\0\0\0\0\0\0\0\0\0\0\0", 16);
        g_bSynced = 1;
        g_byCurPreset = 1;
    }

    static void SetStoredName(int nPreset, const std::string& strName)
    {
        std::memset(g_devImages[nPreset - 1].m_szName, 0, 16);
        std::memcpy(g_devImages[nPreset - 1].m_szName, strName.data(), strName.size());
    }
    static std::string Field(const char* pName) { return std::string(pName, 16); }
    static std::string Padded(const std::string& strName) { return strName + std::string(16 - strName.size(), '\0'); }

    // Every stored name and the live name, to show that nothing changed.
    static std::vector<std::string> Names()
    {
        std::vector<std::string> names{Field(g_liveImage.m_szName)};
        for (const PresetImage& image : g_devImages)
            names.push_back(Field(image.m_szName));
        return names;
    }

    CRecordingPresetHost m_host;
    CProgramDlgLogic m_logic{m_host};
    CMessageBoxRecorder m_boxes;
};
}  // namespace

// Fault mended: the row rule let row 7, one past the last stored preset, through as preset 7.
TEST(ProgramDlgRows, OnlyRowsOneToSixNameAStoredPreset)
{
    const int rows[][2] = {{-1, 0}, {0, 0}, {1, 1}, {3, 3}, {6, 6}, {7, 0}, {100, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(CProgramDlgLogic::PresetOfRow(row[0]), row[1]) << row[0];
}

// The checks run in order and stop at the first failure; a name is compared with the five other
// stored names, never with its own slot's. Fault mended: a name the processor cannot keep (more
// than 13 characters, or anything but printable ASCII) is refused instead of being cut or stored
// as bytes the processor drops.
TEST_F(ProgramDlgLogic, ANameIsCheckedInOrder)
{
    struct Case {
        std::string name;
        PresetNameCheck check;
    };
    const Case cases[] = {
        {"", PresetNameCheck::Empty},
        {"   ", PresetNameCheck::Blank},
        {" \t ", PresetNameCheck::Blank},
        {"ABCDEFGHIJKLMN", PresetNameCheck::NotStorable},  // 14 characters
        {"Rock\xE4\xB8\xAD", PresetNameCheck::NotStorable},  // "Rock中"
        {"Caf\xC3\xA9", PresetNameCheck::NotStorable},       // "Café"
        {"Tab\there", PresetNameCheck::NotStorable},
        {"Hall", PresetNameCheck::Used},   // preset 2's
        {"Club", PresetNameCheck::Used},   // preset 6's
        {"Stage", PresetNameCheck::Ok},    // its own slot's
        {"hall", PresetNameCheck::Ok},     // bytes compared: another case is another name
        {" Hall ", PresetNameCheck::Ok},   // kept with its spaces, so not Hall's
        {"ABCDEFGHIJKLM", PresetNameCheck::Ok},
        {"~!@#$%^&*()_+", PresetNameCheck::Ok},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CProgramDlgLogic::CheckName(3, c.name), c.check) << c.name;
}

// A refused name or a lost link leaves every name as it was and sends nothing; the refusal is
// told in the language of the moment, the lost link as the connection failure of the link the
// manager was opened on (fault mended: the names on the PC used to change before the write found
// no link, and the failure went untold once the lost link had taken its type with it).
TEST_F(ProgramDlgLogic, ARefusedOrUnsentSaveChangesNothing)
{
    struct Case {
        std::string name;
        bool bChinese;
        std::string text;
        int nCaption;
    };
    const Case cases[] = {
        {"", false, "The machine preset name can not be empty!", -3},
        {"", true, "机器预置场景名不能为空!", -2},
        {"  ", false, "The machine preset name can not be all spaces!", -3},
        {"  ", true, "机器预置场景名不能全为空格!", -2},
        {"Hall", false, "Have been the same machine preset name!", -3},
        {"Hall", true, "已有相同的机器预置场景名!", -2},
        {"ABCDEFGHIJKLMN", false, "The machine preset name can hold at most 13 English letters, digits, spaces and signs!", -3},
        {"ABCDEFGHIJKLMN", true, "机器预置场景名最多13个字符，只能用英文字母、数字、空格和符号!", -2},
    };
    const std::vector<std::string> before = Names();
    for (const Case& c : cases) {
        ScopedFlag chinese(g_bChinese, c.bChinese);
        m_boxes.shown.clear();
        EXPECT_FALSE(m_logic.SaveAs(3, c.name));
        ASSERT_EQ(m_boxes.shown.size(), 1u) << c.name;
        EXPECT_EQ(m_boxes.shown[0].text, c.text);
        EXPECT_EQ(m_boxes.shown[0].type, MB_OK);
        EXPECT_EQ(m_boxes.shown[0].code, c.nCaption);
    }
    EXPECT_TRUE(m_host.calls.empty());

    m_host.bOnline = 0;
    for (const int nLinkType : {LINK_USB, LINK_NET}) {
        ScopedFlag linkType(g_nLinkType, nLinkType);
        CProgramDlgLogic logic(m_host);
        g_nLinkType = LINK_NONE;  // the link is lost
        for (const bool bChinese : {false, true}) {
            ScopedFlag chinese(g_bChinese, bChinese);
            m_boxes.shown.clear();
            EXPECT_FALSE(logic.SaveAs(3, "Rock"));
            ASSERT_EQ(m_boxes.shown.size(), 1u);
            EXPECT_EQ(m_boxes.shown[0].text, bChinese ? (nLinkType == LINK_USB ? g_strUsbFailCn : g_strWifiFailCn)
                                                      : "Connection failure!");
            EXPECT_EQ(m_boxes.shown[0].code, CAPTION_PROMPT_AUTOCLOSE);
        }
    }
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(Names(), before);
    m_boxes.shown.clear();
    EXPECT_FALSE(m_logic.SaveAs(7, "Rock"));  // no slot: nothing at all
    EXPECT_TRUE(m_boxes.shown.empty());
}

// A name is stored as typed, zero-padded, in the slot and as the live name; the view shows it and
// writes the live preset into the slot.
TEST_F(ProgramDlgLogic, SaveAsStoresTheNameAndHasTheViewWriteThePreset)
{
    EXPECT_TRUE(m_logic.SaveAs(3, " Rock "));
    EXPECT_EQ(Field(g_devImages[2].m_szName), Padded(" Rock "));
    EXPECT_EQ(Field(g_liveImage.m_szName), Padded(" Rock "));
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"UpdatePresetName(1)", "WritePreset(3, 1)"}));
    EXPECT_EQ(CProgramDlgLogic::StoredName(3), "Rock");  // shown trimmed
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Delete asks first; only Yes while synchronised empties the name and sends it, with "no current
// preset" when the slot was the current one.
TEST_F(ProgramDlgLogic, DeleteAsksThenSendsTheEmptyName)
{
    const std::vector<std::string> before = Names();
    m_boxes.answer = IDNO;
    EXPECT_FALSE(m_logic.Delete(3));
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Are you delete No.3 preset?");
    EXPECT_EQ(m_boxes.shown[0].type, MB_YESNO);
    EXPECT_EQ(m_boxes.shown[0].code, -3);
    {
        ScopedFlag chinese(g_bChinese, 1);
        EXPECT_FALSE(m_logic.Delete(3));
        EXPECT_EQ(m_boxes.shown[1].text, "是否删除第3组场景?");
        EXPECT_EQ(m_boxes.shown[1].code, -2);
    }
    m_boxes.answer = IDYES;
    g_bSynced = 0;
    EXPECT_FALSE(m_logic.Delete(3));
    EXPECT_EQ(Names(), before);
    EXPECT_TRUE(m_host.calls.empty());

    g_bSynced = 1;
    EXPECT_TRUE(m_logic.Delete(3));
    EXPECT_EQ(Field(g_devImages[2].m_szName), std::string(16, '\0'));
    EXPECT_TRUE(m_logic.Delete(1));  // the current preset
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendSystemItem(0, 3)", "SendPresetNameAndClearCurrent(1)"}));
    EXPECT_EQ(Field(g_liveImage.m_szName), Padded("Live"));
}

// Load takes the stored name as the live name before the view reads the preset; while the PC is
// not synchronised it does nothing.
TEST_F(ProgramDlgLogic, LoadTakesTheStoredNameThenReadsThePreset)
{
    g_bSynced = 0;
    EXPECT_FALSE(m_logic.Load(5));
    EXPECT_EQ(Field(g_liveImage.m_szName), Padded("Live"));
    EXPECT_TRUE(m_host.calls.empty());
    g_bSynced = 1;
    EXPECT_TRUE(m_logic.Load(5));
    EXPECT_EQ(Field(g_liveImage.m_szName), Padded("Party"));
    EXPECT_EQ(m_host.calls, std::vector<std::string>{"ReadPreset(5)"});
    EXPECT_TRUE(m_boxes.shown.empty());
}
