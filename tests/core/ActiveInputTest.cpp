// The one routine of the active music input: what each way of choosing does to the globals and
// asks to be sent, the AUX modes, the mixer source checked against the new input, and bytes from
// the processor or a file that name no input, mode or source.
#include <gtest/gtest.h>

#include <string>

#include "model/ActiveInput.h"
#include "model/DataDefine.h"
#include "model/InputSourceTable.h"

namespace {

class ActiveInput : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        Set(0, 0);
    }
    void TearDown() override { InitDeviceData(); }

    // Active input nInput under AUX mode nMode, no-input flag clear, source off.
    static void Set(int nInput, int nMode)
    {
        g_nCurInput = nInput;
        g_inputSettings.SetField(&InputSettings::m_byInput, static_cast<BYTE>(nInput));
        g_nInputMode = nMode;
        g_inputSettings.SetField(&InputSettings::m_byInputMode, static_cast<BYTE>(nMode));
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, 0);
        g_inputSourceTable.m_nSource = SOURCE_OFF;
        g_inputSettings.SetField(&InputSettings::m_bySource, SOURCE_BYTE_OFF);
        g_inputSourceTable.SelectRow(nInput, nMode);
    }
    static void SetSource(int nSource)
    {
        g_inputSourceTable.m_nSource = nSource;
        g_inputSettings.SetField(&InputSettings::m_bySource,
                                 static_cast<BYTE>(nSource == SOURCE_OFF ? SOURCE_BYTE_OFF : nSource));
    }
    // The steps a choice asks for, in the order the view takes them.
    static std::string Steps(const InputChange& c)
    {
        std::string s;
        if (c.bNotify)
            s += "tell(" + std::to_string(c.bPrevNoInput) + "," + std::to_string(c.nPrevInput) + ") ";
        if (c.bSendMaster)
            s += "item5 ";
        if (c.bSendInput)
            s += "item2 ";
        if (c.bInputChanged)
            s += "input ";
        if (c.bModeChanged)
            s += "mode ";
        return s;
    }
};

}  // namespace

// Each way of choosing, for the input already active and for another one, with the no-input flag
// clear and set.
TEST_F(ActiveInput, EachWayOfChoosingAsksForItsSteps)
{
    using enum InputChangeBy;
    struct Case {
        const char* name;
        InputChangeBy by;
        int nInput;
        int bNoInput;
        const char* steps;
        int nActiveAfter;
    };
    const Case cases[] = {
        {"button, other input", InputButton, 4, 0, "tell(0,1) item2 input ", 4},
        {"button, same input", InputButton, 1, 0, "tell(0,1) ", 1},
        {"button, same input, no input", InputButton, 1, 1, "tell(1,1) item5 ", 1},
        {"button, other input, no input", InputButton, 5, 1, "tell(1,1) item5 item2 input ", 5},
        {"connector, same input", InputConnector, 1, 0, "tell(0,1) item2 ", 1},
        {"connector, other input", InputConnector, 0, 0, "tell(0,1) item2 input ", 0},
        {"level page, same input, no input", LevelPage, 1, 1, "tell(1,1) item5 ", 1},
        {"level page, other input", LevelPage, 2, 0, "tell(0,1) item2 input ", 2},
        {"quick button, same input, no input", QuickSelect, 1, 1, "", 1},
        {"quick button, other input, no input", QuickSelect, 3, 1, "tell(1,1) item5 item2 input ", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Set(1, 0);
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, static_cast<BYTE>(c.bNoInput));
        EXPECT_EQ(Steps(ChooseActiveInput(c.nInput, c.by)), c.steps);
        EXPECT_EQ(g_nCurInput, c.nActiveAfter);
        EXPECT_EQ(g_inputSettings.Get().m_byInput, c.nActiveAfter);
        // A quick button of the input already active leaves even the flag.
        EXPECT_EQ(g_masterSettings.Get().m_byNoInput, c.by == QuickSelect && c.nInput == 1 ? c.bNoInput : 0);
    }
}

TEST_F(ActiveInput, AChoiceOutsideTheInputsOrTheModeChangesNothing)
{
    for (const int nInput : {-1, 6, 255}) {
        Set(2, 0);
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
        EXPECT_EQ(Steps(ChooseActiveInput(nInput, InputChangeBy::InputButton)), "") << nInput;
        EXPECT_EQ(g_nCurInput, 2);
        EXPECT_EQ(g_masterSettings.Get().m_byNoInput, 1);
    }
    Set(3, 2);  // 6 CH has no AUX2 or AUX3 of their own
    EXPECT_EQ(Steps(ChooseActiveInput(5, InputChangeBy::LevelPage)), "");
    EXPECT_EQ(Steps(ChooseInputMode(3)), "");
    EXPECT_EQ(g_nInputMode, 2);
}

// 2 CH with AUX3 active, then 4CH 2CH: input 3 is active and item 2 carries it with mode 1; back
// from 6 CH to 2 CH the input stays 3.
TEST_F(ActiveInput, AModeBringsTheActiveInputIntoItsRange)
{
    struct Case {
        int nInput, nFromMode, nToMode;
        const char* steps;
        int nActiveAfter;
    };
    const Case cases[] = {
        {5, 0, 1, "tell(0,5) item2 input mode ", 3}, {4, 0, 2, "tell(0,4) item2 input mode ", 3},
        {4, 0, 1, "tell(0,4) item2 mode ", 4},       {3, 2, 0, "tell(0,3) item2 mode ", 3},
        {1, 1, 1, "tell(0,1) ", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nInput << ": " << c.nFromMode << " -> " << c.nToMode);
        Set(c.nInput, c.nFromMode);
        EXPECT_EQ(Steps(ChooseInputMode(c.nToMode)), c.steps);
        EXPECT_EQ(g_nCurInput, c.nActiveAfter);
        EXPECT_EQ(g_inputSettings.Get().m_byInput, c.nActiveAfter);
        EXPECT_EQ(g_nInputMode, c.nToMode);
        EXPECT_EQ(g_inputSettings.Get().m_byInputMode, c.nToMode);
    }
    Set(0, 0);
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    EXPECT_EQ(Steps(ChooseInputMode(0)), "tell(1,0) item5 ");
}

// 2 CH, Phone active, source AUX2: AUX3 keeps the source, Hi.Level turns it off before item 2.
TEST_F(ActiveInput, ASourceTheNewInputDoesNotOfferIsTurnedOff)
{
    Set(2, 0);
    SetSource(4);
    ChooseActiveInput(5, InputChangeBy::InputButton);
    EXPECT_EQ(g_inputSourceTable.m_nSource, 4);
    EXPECT_EQ(g_inputSettings.Get().m_bySource, 4);
    ChooseActiveInput(1, InputChangeBy::InputButton);
    EXPECT_EQ(g_inputSourceTable.m_nSource, SOURCE_OFF);
    EXPECT_EQ(g_inputSettings.Get().m_bySource, SOURCE_BYTE_OFF);
    EXPECT_EQ(g_inputSourceTable.m_bAvail[4], 0);
    EXPECT_EQ(g_inputSourceTable.m_bAvail[5], 0);
    EXPECT_NE(g_inputSourceTable.m_bAvail[SOURCE_OFF], 0);

    Set(0, 0);
    SetSource(5);
    ChooseInputMode(1);  // S/PDIF under 4CH 2CH offers no AUX3
    EXPECT_EQ(g_inputSettings.Get().m_bySource, SOURCE_BYTE_OFF);
}

TEST_F(ActiveInput, AReportOfAnotherInputIsTakenWithItsSourceAndNothingIsToBeSent)
{
    Set(0, 0);
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    EXPECT_TRUE(FollowReportedInput(3, 1));
    EXPECT_EQ(g_nCurInput, 3);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 3);
    EXPECT_EQ(g_masterSettings.Get().m_byNoInput, 0);
    EXPECT_EQ(g_inputSettings.Get().m_bySource, 1);
    EXPECT_EQ(g_inputSourceTable.m_nSource, 1);
    EXPECT_FALSE(FollowReportedInput(3, 4));  // the same input again: nothing
    EXPECT_EQ(g_inputSettings.Get().m_bySource, 1);
}

// An input byte outside 0-5 is never stored or used; a source byte that names no source is off in
// the table while the byte received is kept.
TEST_F(ActiveInput, BytesThatNameNoInputModeOrSourceAreNotTaken)
{
    for (const int nInput : {6, 7, 255, -1}) {
        Set(2, 0);
        EXPECT_FALSE(FollowReportedInput(nInput, 0)) << nInput;
        EXPECT_EQ(g_nCurInput, 2);
        EXPECT_EQ(g_inputSettings.Get().m_byInput, 2);
    }
    Set(2, 0);
    EXPECT_TRUE(FollowReportedInput(4, 200));
    EXPECT_EQ(g_inputSettings.Get().m_bySource, 200);
    EXPECT_EQ(g_inputSourceTable.m_nSource, SOURCE_OFF);

    Set(2, 1);
    g_inputSettings = {9, 7, 3, 0, 77, 0, 0, 2};
    EXPECT_FALSE(AdoptLoadedInput());
    EXPECT_EQ(g_nCurInput, 2);
    EXPECT_EQ(g_nInputMode, 1);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 9);
    EXPECT_EQ(g_inputSettings.Get().m_bySource, 77);
    EXPECT_EQ(g_inputSourceTable.m_nSource, SOURCE_OFF);

    g_inputSettings = {4, 0, 3, 0, 3, 0, 0, 2};
    EXPECT_TRUE(AdoptLoadedInput());
    EXPECT_EQ(g_nCurInput, 4);
    EXPECT_EQ(g_nInputMode, 0);
    EXPECT_EQ(g_inputSourceTable.m_nSource, 3);
}

TEST(InputSourceBytes, EveryByteGivesASourceOfTheTable)
{
    for (int by = 0; by < 256; ++by) {
        const int nSource = SourceFromByte(by);
        EXPECT_EQ(nSource, by < SOURCE_OFF ? by : SOURCE_OFF) << by;
    }
}
