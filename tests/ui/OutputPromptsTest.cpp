// The two questions of the output page's map commands: the output map reset prompt and the
// left/right link dialog, their answers by button, Enter, Escape and the close box, and their
// texts in both languages.
#include <gtest/gtest.h>
#include <wx/radiobut.h>

#include <functional>
#include <string>

#include "controls/FontStatic.h"
#include "model/StdAfx.h"
#include "pages/All_Link_Dlg.h"
#include "pages/All_Link_DlgIds.h"
#include "pages/ReMap_Dlg.h"
#include "pages/ReMap_DlgIds.h"
#include "platform/MessageBox.h"
#include "tests/support/ModalAnswer.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {

class OutputPrompts : public testing::Test {
protected:
    void TearDown() override
    {
        g_bChinese = 0;
        PumpPendingEvents();
    }
};
}  // namespace

TEST_F(OutputPrompts, ResetPromptAnswersByButtonKeyAndCloseBox)
{
    struct Case {
        Answer answer;
        int nChoice;
    };
    for (const Case c : {Case{Answer::Button1, 1}, {Answer::Button2, 0}, {Answer::Enter, 1}, {Answer::Escape, 0},
                         {Answer::CloseBox, 0}}) {
        SCOPED_TRACE(int(c.answer));
        CReMap_Dlg dlg;
        RunModal<CReMap_Dlg>(dlg, [&](CReMap_Dlg& d) { Give(d, c.answer); });
        EXPECT_EQ(dlg.m_nChoice, c.nChoice);
    }
    CReMap_Dlg dlg;
    RunModal<CReMap_Dlg>(dlg, [](CReMap_Dlg& d) { Press(d, ReMap_DlgIds::IDC_DEFAULT); });
    EXPECT_EQ(dlg.m_nChoice, 2);
}

// Each picture shows the question drawn inside its box, the Chinese one other than the English.
TEST_F(OutputPrompts, ResetPromptSpeaksTheLanguageInForceWhenItOpens)
{
    wxImage shots[2];
    wxRect rcQuestion;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese ? 1 : 0;
        CReMap_Dlg dlg;
        RunModal<CReMap_Dlg>(dlg, [&](CReMap_Dlg& d) {
            EXPECT_EQ(d.GetTitle(), wxString::FromUTF8(bChinese ? "提示" : "Prompting"));
            EXPECT_EQ(Label(d, ReMap_DlgIds::IDC_QUESTION),
                      wxString::FromUTF8(bChinese ? "输出配置清空或恢复默认" : "The output map emptied or restore default"));
            EXPECT_EQ(Label(d, 1), wxString::FromUTF8(bChinese ? "清空" : "Emptied"));
            EXPECT_EQ(Label(d, ReMap_DlgIds::IDC_DEFAULT), wxString::FromUTF8(bChinese ? "默认" : "Default"));
            EXPECT_EQ(Label(d, 2), wxString::FromUTF8(bChinese ? "取消" : "Cancel"));
            const wxImage& shot = shots[bChinese] = CaptureWindow(d);
            EXPECT_TRUE(SaveScreenshot(shot, std::string("output_map_reset_") + (bChinese ? "cn" : "en")));
            rcQuestion = RectInCapture(*d.FindWindow(WxId(ReMap_DlgIds::IDC_QUESTION)), d);
            EXPECT_TRUE(ShowsTextIn(shot, rcQuestion, *wxBLACK, 64, 1));
            Give(d, Answer::Escape);
        });
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcQuestion));
}

// OK at once copies left into right (0); the other radio button, then OK, right into left (1).
TEST_F(OutputPrompts, LinkDialogReturnsTheChosenDirection)
{
    CAll_Link_Dlg first;
    EXPECT_EQ(RunModal<CAll_Link_Dlg>(first, [](CAll_Link_Dlg& d) { Give(d, Answer::Button1); }), IDOK);
    EXPECT_EQ(first.m_nDirection, 0);

    CAll_Link_Dlg second;
    const int nResult = RunModal<CAll_Link_Dlg>(second, [](CAll_Link_Dlg& d) {
        auto* pRadio = dynamic_cast<wxRadioButton*>(d.FindWindow(WxId(All_Link_DlgIds::IDC_RIGHT_TO_LEFT)));
        ASSERT_NE(pRadio, nullptr);
        pRadio->SetValue(true);
        wxCommandEvent click(wxEVT_RADIOBUTTON, pRadio->GetId());
        click.SetEventObject(pRadio);
        click.SetInt(1);
        pRadio->ProcessWindowEvent(click);
        Give(d, Answer::Enter);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(second.m_nDirection, 1);

    for (const Answer answer : {Answer::Button2, Answer::Escape, Answer::CloseBox}) {
        CAll_Link_Dlg dlg;
        EXPECT_EQ(RunModal<CAll_Link_Dlg>(dlg, [&](CAll_Link_Dlg& d) { Give(d, answer); }), IDCANCEL)
            << int(answer);
    }
}

// Each picture shows the note drawn inside its box; the note and the first choice differ between
// the languages.
TEST_F(OutputPrompts, LinkDialogSpeaksTheLanguageInForceWhenItOpens)
{
    wxImage shots[2];
    wxRect rcNote;
    wxRect rcChoice;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese ? 1 : 0;
        CAll_Link_Dlg dlg;
        RunModal<CAll_Link_Dlg>(dlg, [&](CAll_Link_Dlg& d) {
            using namespace All_Link_DlgIds;
            EXPECT_EQ(d.GetTitle(), wxString::FromUTF8(bChinese ? "提示" : "Prompting"));
            EXPECT_EQ(Label(d, IDC_NOTE), wxString::FromUTF8(bChinese ? "联调前需要同步左右通道的数据,\n请选择同步方式"
                                                                       : "Need to synchronize the data transfer, \nplease select sync mode"));
            EXPECT_EQ(Label(d, IDC_LEFT_TO_RIGHT), wxString::FromUTF8(bChinese ? "从左复制到右" : "Copy from left to right"));
            EXPECT_EQ(Label(d, IDC_RIGHT_TO_LEFT), wxString::FromUTF8(bChinese ? "从右复制到左" : "Copy from right to left "));
            EXPECT_EQ(Label(d, 1), wxString::FromUTF8(bChinese ? "确定" : "OK"));
            EXPECT_EQ(Label(d, 2), wxString::FromUTF8(bChinese ? "取消" : "Cancel"));
            const wxImage& shot = shots[bChinese] = CaptureWindow(d);
            EXPECT_TRUE(SaveScreenshot(shot, std::string("output_link_lr_") + (bChinese ? "cn" : "en")));
            rcNote = RectInCapture(*d.FindWindow(WxId(IDC_NOTE)), d);
            rcChoice = RectInCapture(*d.FindWindow(WxId(IDC_LEFT_TO_RIGHT)), d);
            EXPECT_TRUE(ShowsTextIn(shot, rcNote, *wxBLACK, 64, 1));
            Give(d, Answer::Button2);
        });
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcNote));
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcChoice));
}
