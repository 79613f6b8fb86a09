// The music input page's rules: its select buttons by the optional inputs and the AUX mode, the
// strip's connectors, and the keyboard ring of the band edits.
#include <gtest/gtest.h>

#include <string>

#include "pages/InPutDlgIds.h"
#include "pages/InputPageRules.h"

using namespace InPutDlgIds;

namespace {

// The slots of inputs 0-5 as text ("-" hidden), e.g. "-0-123".
std::string Slots(int nOptInputs)
{
    const auto slots = InputButtonSlots(nOptInputs);
    if (!slots)
        return "none";
    std::string s;
    for (const int n : *slots)
        s += n < 0 ? '-' : static_cast<char>('0' + n);
    return s;
}

// The select buttons shown under a byte and a mode, "012345" style.
std::string ShownButtons(int nOptInputs, int nMode)
{
    std::string s;
    for (int i = 0; i < MUSIC_CHANNELS; ++i)
        if (IsInputButtonShown(i, nOptInputs, nMode))
            s += static_cast<char>('0' + i);
    return s;
}

std::string ShownConnectors(int nMode, int nOptInputs)
{
    static const char* const kNames[INPUT_CONNECTORS] = {"HiLevel", "Spdif", "Phone", "Aux1", "Aux2", "Aux3",
                                                         "Aux4ch", "Aux2ch", "Aux6ch", "Aux4Alt", "Aux5Alt"};
    std::string s;
    for (int c = 0; c < INPUT_CONNECTORS; ++c)
        if (IsConnectorShown(static_cast<InputConnector>(c), nMode, nOptInputs))
            s += std::string(s.empty() ? "" : " ") + kNames[c];
    return s;
}

}  // namespace

// With neither optional input only Hi.Level and the three AUX buttons show, packed into the first
// four slots; with both every button is back in its own slot.
TEST(InputPageRules, SelectButtonsFillTheSlotsOfTheOptionalInputsThereAre)
{
    EXPECT_EQ(Slots(0), "-0-123");
    EXPECT_EQ(Slots(1), "-01234");
    EXPECT_EQ(Slots(2), "01-234");
    EXPECT_EQ(Slots(3), "012345");
    for (const int nByte : {4, 7, 255, -1})
        EXPECT_EQ(Slots(nByte), "none") << nByte;
}

// Whatever an earlier mode hid comes back with the mode: each mode is a table of its own.
TEST(InputPageRules, TheAuxModeHidesTheInputsItJoins)
{
    struct Case {
        int nOptInputs, nMode;
        const char* shown;
    };
    const Case cases[] = {
        {3, 0, "012345"}, {3, 1, "01234"}, {3, 2, "0123"},
        {0, 0, "1345"},   {0, 1, "134"},   {0, 2, "13"},
        {1, 2, "123"},    {2, 1, "0134"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownButtons(c.nOptInputs, c.nMode), c.shown) << c.nOptInputs << " mode " << c.nMode;
}

// Mode 2 shows S/PDIF, Hi.Level, Phone and the six-jack group alone; without the Phone input its
// connector is hidden in every mode; the two spare pairs never show.
TEST(InputPageRules, TheStripShowsTheConnectorsOfTheModeAndTheOptionalInputs)
{
    EXPECT_EQ(ShownConnectors(0, 3), "HiLevel Spdif Phone Aux1 Aux2 Aux3");
    EXPECT_EQ(ShownConnectors(1, 3), "HiLevel Spdif Phone Aux4ch Aux2ch");
    EXPECT_EQ(ShownConnectors(2, 3), "HiLevel Spdif Phone Aux6ch");
    for (int nMode = 0; nMode < 3; ++nMode) {
        EXPECT_EQ(ShownConnectors(nMode, 2).find("Phone"), std::string::npos);
        EXPECT_EQ(ShownConnectors(nMode, 0).find("Spdif"), std::string::npos);
    }
}

TEST(InputPageRules, EachInputHasItsConnectorUnderEachMode)
{
    using enum InputConnector;
    const InputConnector expected[7][3] = {
        {Spdif, Spdif, Spdif},          {HiLevel, HiLevel, HiLevel}, {Phone, Phone, Phone},
        {AuxPair1, Aux4ch, Aux6ch},     {AuxPair2, Aux2ch, Aux6ch},  {AuxPair3, Aux4ch, None},
        {None, None, None},
    };
    for (int nInput = 0; nInput < 7; ++nInput)
        for (int nMode = 0; nMode < 3; ++nMode)
            EXPECT_EQ(CheckedConnector(nInput, nMode), expected[nInput][nMode]) << nInput << " mode " << nMode;
    // A click chooses the connector's input: the four-jack group input 3, the mode-1 pair input 4.
    EXPECT_EQ(ConnectorInput(Aux4ch), 3);
    EXPECT_EQ(ConnectorInput(Aux2ch), 4);
    EXPECT_EQ(ConnectorInput(Aux6ch), 3);
    EXPECT_EQ(ConnectorInput(AuxPair3), 5);
}

// Parametric: Tab in band 15's gain goes to band 1's frequency; Left in band 1's frequency to band
// 15's gain. Graphic: the gain edits alone, wrapping at both ends. Enter walks down the column.
TEST(InputPageRules, TheKeyboardWalksTheBandEditsOfColumnsOneToFifteen)
{
    struct Case {
        const char* name;
        int (*pfn)(int, bool);
        int nFrom;
        bool bGraphic;
        int nTo;
    };
    const Case cases[] = {
        {"next in a row", NextBandEdit, IDC_FREQ_EDIT + 3, false, IDC_FREQ_EDIT + 4},
        {"frequency row wraps to Q", NextBandEdit, IDC_FREQ_EDIT + 14, false, IDC_Q_EDIT},
        {"Q row wraps to gain", NextBandEdit, IDC_Q_EDIT + 14, false, IDC_GAIN_EDIT},
        {"gain row wraps to frequency", NextBandEdit, IDC_GAIN_EDIT + 14, false, IDC_FREQ_EDIT},
        {"graphic wraps in the gain row", NextBandEdit, IDC_GAIN_EDIT + 14, true, IDC_GAIN_EDIT},
        {"back from the first frequency", PrevBandEdit, IDC_FREQ_EDIT, false, IDC_GAIN_EDIT + 14},
        {"back from the first Q", PrevBandEdit, IDC_Q_EDIT, false, IDC_FREQ_EDIT + 14},
        {"back from the first gain", PrevBandEdit, IDC_GAIN_EDIT, false, IDC_Q_EDIT + 14},
        {"graphic back from band 1", PrevBandEdit, IDC_GAIN_EDIT, true, IDC_GAIN_EDIT + 14},
        {"band 16 is outside", NextBandEdit, IDC_FREQ_EDIT + 15, false, 0},
        {"a frequency edit in the graphic layout", NextBandEdit, IDC_FREQ_EDIT + 2, true, 0},
        {"a spin", NextBandEdit, IDC_GAIN_SPIN, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pfn(c.nFrom, c.bGraphic), c.nTo) << c.name;

    EXPECT_EQ(NextRowBandEdit(IDC_FREQ_EDIT + 6), IDC_Q_EDIT + 6);
    EXPECT_EQ(NextRowBandEdit(IDC_Q_EDIT + 6), IDC_GAIN_EDIT + 6);
    EXPECT_EQ(NextRowBandEdit(IDC_GAIN_EDIT + 6), IDC_FREQ_EDIT + 7);
    EXPECT_EQ(NextRowBandEdit(IDC_GAIN_EDIT + 14), IDC_FREQ_EDIT);
    EXPECT_EQ(NextRowBandEdit(IDC_GAIN_EDIT + 15), 0);
    EXPECT_EQ(BandOfEdit(IDC_Q_EDIT + 9), 9);
    EXPECT_EQ(RowOfEdit(IDC_Q_EDIT + 9), 1);
    EXPECT_EQ(BandOfEdit(IDC_FADER), -1);
}
