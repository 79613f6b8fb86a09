#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/NumEditTypes.h"
#include "model/DataDefine.h"
#include "model/ParamTable.h"
#include "model/StdAfx.h"
#include "pages/LevelRules.h"
#include "pages/Level_Delay_DlgIds.h"

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

// The optional inputs present decide which input columns show and in which places: an absent
// input's column goes and the rest close up; an unknown value leaves the columns alone.
TEST_F(LevelRules, InputColumnsCloseUpOverAbsentOptionalInputs)
{
    struct Case {
        int nOptInputs;
        std::optional<std::vector<int>> order;  // S/PDIF 0, Hi.Level 1, Phone 2, AUX1-3 3-5
    };
    const Case cases[] = {
        {0, std::vector<int>{1, 3, 4, 5}},
        {1, std::vector<int>{1, 2, 3, 4, 5}},
        {2, std::vector<int>{0, 1, 3, 4, 5}},
        {3, std::vector<int>{0, 1, 2, 3, 4, 5}},
        {4, std::nullopt},
        {-1, std::nullopt},
        {255, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nOptInputs);
        EXPECT_EQ(InputColumnOrder(c.nOptInputs), c.order);
    }
}
