#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/NumEditTypes.h"
#include "model/DataDefine.h"
#include "model/InputSourceTable.h"
#include "model/ParamTable.h"
#include "model/StdAfx.h"
#include "pages/LevelRules.h"
#include "pages/Level_Delay_DlgIds.h"
#include "tests/support/FakePageHost.h"

using namespace Level_Delay_DlgIds;

namespace {

class LevelRules : public testing::Test {
protected:
    void SetUp() override { InitDeviceData(); }
    void TearDown() override
    {
        g_bChinese = 0;
        InitDeviceData();
    }
    CFakePageHost m_host;
};

std::string Shown(ParamId id, int v)
{
    return FormatNumEditValue(ParamFormat(ParamRowOf(id)), v).text.value_or("<none>");
}

std::optional<int> Typed(ParamId id, const char* szText)
{
    return CommitNumEditEntry(ParamFormat(ParamRowOf(id)), szText);
}

}  // namespace

// The master and the level fields as the page shows and reads them; a typed level is truncated
// to the 0.1 dB step, and what a field shows reads back to the code it shows.
TEST_F(LevelRules, LevelFieldsShowAndReadTheirCodes)
{
    const struct {
        ParamId id;
        int nCode;
        const char* szText;
    } kShown[] = {
        {ParamId::MasterVolume, 0, "OFF"},  {ParamId::MasterVolume, 60, "0dB"},  {ParamId::MasterVolume, 66, "6dB"},
        {ParamId::OutLevel, 0, "OFF"},      {ParamId::OutLevel, 600, "0.0dB"},   {ParamId::OutLevel, 599, "-0.1dB"},
        {ParamId::MusicLevel, 0, "OFF"},    {ParamId::MusicLevel, 198, "-40.2dB"},
    };
    for (const auto& c : kShown)
        EXPECT_EQ(Shown(c.id, c.nCode), c.szText) << c.nCode;

    const struct {
        ParamId id;
        const char* szText;
        int nCode;
    } kTyped[] = {
        {ParamId::OutLevel, "-3.45", 565}, {ParamId::MusicLevel, "-3.45", 565}, {ParamId::OutLevel, "-40.2", 198},
        {ParamId::OutLevel, "-40.2dB", 198}, {ParamId::OutLevel, "OFF", 0},   {ParamId::OutLevel, "12", 600},
        {ParamId::MasterVolume, "-60", 0},  {ParamId::MasterVolume, "3.9", 63}, {ParamId::MasterVolume, "OFF", 0},
    };
    for (const auto& c : kTyped)
        EXPECT_EQ(Typed(c.id, c.szText), c.nCode) << c.szText;

    g_bChinese = 1;
    EXPECT_EQ(Shown(ParamId::OutLevel, 0), "关闭");
    EXPECT_EQ(Shown(ParamId::MasterVolume, 0), "关闭");
    EXPECT_EQ(Typed(ParamId::OutLevel, "关闭"), 0);
}

// With the no-input flag set, choosing another input clears it and sends item 5, then makes the
// input active and sends item 2; the music page hears the state from before.
TEST_F(LevelRules, ChoosingAnotherInputSendsItemFiveThenTwo)
{
    g_nCurInput = 1;
    g_inputSettings.m_byInput = 1;
    g_masterSettings.m_byNoInput = 1;
    const ActiveInputChoice choice = ChooseActiveInput(3, m_host);
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendSystemItem(5, 0)", "SendSystemItem(2, 0)"}));
    EXPECT_EQ(choice.nNoInputBefore, 1);
    EXPECT_EQ(choice.nInputBefore, 1);
    EXPECT_TRUE(choice.bNoInputCleared);
    EXPECT_TRUE(choice.bInputChanged);
    EXPECT_EQ(g_masterSettings.m_byNoInput, 0);
    EXPECT_EQ(g_nCurInput, 3);
    EXPECT_EQ(g_inputSettings.m_byInput, 3);
}

TEST_F(LevelRules, ChoosingTheActiveInputOnlyClearsTheNoInputFlag)
{
    g_nCurInput = 2;
    g_masterSettings.m_byNoInput = 1;
    EXPECT_FALSE(ChooseActiveInput(2, m_host).bInputChanged);
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendSystemItem(5, 0)"}));
    m_host.calls.clear();
    const ActiveInputChoice choice = ChooseActiveInput(2, m_host);
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_FALSE(choice.bNoInputCleared);
    // An input the page has no button for changes nothing.
    for (const int nInput : {-1, 6, 255}) {
        EXPECT_FALSE(ChooseActiveInput(nInput, m_host).bInputChanged);
        EXPECT_EQ(g_nCurInput, 2);
    }
    EXPECT_TRUE(m_host.calls.empty());
}

// Mode 2 CH, mixer source AUX2: choosing Hi.Level turns the source off before item 2 goes out.
TEST_F(LevelRules, ANewInputKeepsOnlyASourceItOffers)
{
    g_nCurInput = 2;
    g_inputSourceTable.SelectRow(2, 0);
    g_inputSourceTable.m_nSource = 4;
    g_inputSettings.m_bySource = 4;
    ChooseActiveInput(5, m_host);
    EXPECT_EQ(g_inputSettings.m_bySource, 4);
    ChooseActiveInput(1, m_host);
    EXPECT_EQ(g_inputSettings.m_bySource, SOURCE_BYTE_OFF);
    EXPECT_EQ(g_inputSourceTable.m_nSource, SOURCE_OFF);
}

TEST_F(LevelRules, OnlyAnInputOfThePageHasItsButtonChecked)
{
    for (const auto& [nCurrent, nButton] : {std::pair{0, 0}, {5, 5}, {6, -1}, {-1, -1}, {200, -1}}) {
        g_nCurInput = nCurrent;
        EXPECT_EQ(ActiveInputButton(), nButton) << nCurrent;
    }
}

// Left and Right in a field move through the shown fields in the page's order and wrap at the
// master field.
TEST_F(LevelRules, KeyRingMovesThroughTheShownFields)
{
    const auto& ids = LevelTabIds();
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), std::size_t(LEVEL_TAB_COUNT));
    EXPECT_EQ(ids.front(), IDC_MASTER_EDIT);
    EXPECT_EQ(ids[7], IDC_DELAY_EDIT);
    EXPECT_EQ(ids.back(), IDC_OUT_EDIT + 7);

    std::set<int> hidden;
    auto isShown = [&](int nId) { return !hidden.contains(nId); };
    EXPECT_EQ(NextLevelField(IDC_OUT_EDIT + 7, true, isShown), IDC_MASTER_EDIT);
    EXPECT_EQ(NextLevelField(IDC_MASTER_EDIT, false, isShown), IDC_OUT_EDIT + 7);
    EXPECT_EQ(NextLevelField(IDC_MASTER_EDIT, true, isShown), IDC_INPUT_EDIT);
    EXPECT_EQ(NextLevelField(IDC_INPUT_EDIT, false, isShown), IDC_MASTER_EDIT);
    EXPECT_EQ(NextLevelField(12345, true, isShown), IDC_INPUT_EDIT);  // not in the ring: the first

    // Fields of outputs without a role, hidden delay fields and hidden AUX columns are passed.
    for (int f = 0; f < 15; ++f)
        hidden.insert(IDC_DELAY_EDIT + f);
    hidden.insert(IDC_OUT_EDIT + 7);
    hidden.insert(IDC_OUT_EDIT + 6);
    hidden.insert(IDC_INPUT_EDIT + 5);
    EXPECT_EQ(NextLevelField(IDC_MASTER_EDIT, false, isShown), IDC_OUT_EDIT + 5);
    EXPECT_EQ(NextLevelField(IDC_INPUT_EDIT + 4, true, isShown), IDC_OUT_EDIT);
    EXPECT_EQ(NextLevelField(IDC_OUT_EDIT, false, isShown), IDC_INPUT_EDIT + 4);
    EXPECT_EQ(NextLevelField(IDC_OUT_EDIT + 5, true, isShown), IDC_MASTER_EDIT);
}
