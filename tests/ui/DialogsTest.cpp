#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include <cstring>
#include <functional>
#include <thread>

#include "app/MessageBox.h"
#include "app/MsgBox.h"
#include "app/SaveDataDlg.h"
#include "app/VersionDlg.h"
#include "app/WarnDlg.h"
#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "link/DisplayDlg.h"
#include "link/LinkState.h"
#include "link/LockDataDlg.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "tests/support/ModalAnswer.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/UiTestUtil.h"

namespace {
bool Shown(wxDialog& dlg, int nId)
{
    return dlg.FindWindow(WxId(nId))->IsShown();
}

class Dialogs : public testing::Test {
protected:
    void TearDown() override
    {
        g_bChinese = 0;
        PumpPendingEvents();
    }
};
}  // namespace

TEST_F(Dialogs, MessageBoxButtonsAndAnswersByType)
{
    struct Case {
        unsigned nType;
        Answer answer;
        int nResult;
        bool bOkShown, bCancelShown;
        const char* szOk;  // labels of the shown buttons, English then Chinese
        const char* szCancel;
        const char* szOkCn;
        const char* szCancelCn;
    };
    const Case cases[] = {
        {MB_OK, Answer::Button1, IDOK, true, false, "OK", "Cancel", "确定", "取消"},
        {MB_OK, Answer::Escape, IDOK, true, false, "OK", "Cancel", "确定", "取消"},
        {MB_OK, Answer::Enter, IDOK, true, false, "OK", "Cancel", "确定", "取消"},
        {MB_OKCANCEL, Answer::Button1, IDOK, true, true, "OK", "Cancel", "确定", "取消"},
        {MB_OKCANCEL, Answer::Button2, IDCANCEL, true, true, "OK", "Cancel", "确定", "取消"},
        {MB_OKCANCEL, Answer::CloseBox, IDCANCEL, true, true, "OK", "Cancel", "确定", "取消"},
        {MB_YESNO, Answer::Button1, IDYES, true, true, "YES", "NO", "是", "否"},
        {MB_YESNO, Answer::Enter, IDYES, true, true, "YES", "NO", "是", "否"},
        {MB_YESNO, Answer::Escape, IDNO, true, true, "YES", "NO", "是", "否"},
        {MB_YESNO, Answer::Button2, IDNO, true, true, "YES", "NO", "是", "否"},
        {MB_CANCELONLY, Answer::Button2, IDCANCEL, false, true, "OK", "Quit", "确定", "退出"},
        {MB_CANCELONLY, Answer::Enter, IDCANCEL, false, true, "OK", "Quit", "确定", "退出"},
        // An icon flag changes nothing: the buttons and answers of the type stand.
        {MB_OK | MB_ICONSTOP, Answer::Enter, IDOK, true, false, "OK", "Cancel", "确定", "取消"},
        {MB_YESNO | 0x20, Answer::Button1, IDYES, true, true, "YES", "NO", "是", "否"},
        // Types the program does not use keep the template's buttons: OK 1, Cancel 2.
        {3, Answer::Button1, IDOK, true, true, "OK", "Cancel", "OK", "Cancel"},
        {3, Answer::Escape, IDCANCEL, true, true, "OK", "Cancel", "OK", "Cancel"},
    };
    for (bool bChinese : {false, true}) {
        g_bChinese = bChinese;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "type " << c.nType << " answer " << int(c.answer) << " chinese " << bChinese);
            CMessageBox box("text", c.nType, "Tarvi", 0);
            const int nResult = RunModal<CMessageBox>(box, [&](CMessageBox& dlg) {
                EXPECT_EQ(Shown(dlg, 1), c.bOkShown);
                EXPECT_EQ(Shown(dlg, 2), c.bCancelShown);
                if (c.bOkShown) {
                    EXPECT_EQ(Label(dlg, 1), wxString::FromUTF8(bChinese ? c.szOkCn : c.szOk));
                }
                if (c.bCancelShown) {
                    EXPECT_EQ(Label(dlg, 2), wxString::FromUTF8(bChinese ? c.szCancelCn : c.szCancel));
                }
                Give(dlg, c.answer);
            });
            EXPECT_EQ(nResult, c.nResult);
        }
    }
}

TEST_F(Dialogs, MessageBoxOneButtonIsCentred)
{
    for (unsigned nType : {MB_OK, MB_CANCELONLY}) {
        CMessageBox box("text", nType, "Tarvi", 0);
        RunModal<CMessageBox>(box, [&](CMessageBox& dlg) {
            wxWindow* pButton = dlg.FindWindow(nType == MB_OK ? wxID_OK : wxID_CANCEL);
            const int nLeft = pButton->GetPosition().x;
            const int nRight = dlg.GetClientSize().x - pButton->GetRect().GetRight() - 1;
            EXPECT_NEAR(nLeft, nRight, 1);
            Give(dlg, Answer::Escape);
        });
    }
}

TEST_F(Dialogs, MessageBoxCaptionsByCode)
{
    struct Case {
        int nCode;
        const char* szEnglish;
        const char* szChinese;
        bool bCloses;
    };
    const Case cases[] = {
        {0, "Tarvi", "Tarvi", false},
        {-2, "提示", "提示", false},
        {-3, "Prompting", "Prompting", false},
        {-4, "警告", "警告", false},
        {-5, "Warning", "Warning", false},
        {2000, "Prompting", "提示", true},
        {2001, "Warning", "警告", true},
        {5000, "Tarvi", "Tarvi", true},
        {-7, "Tarvi", "Tarvi", false},  // a negative code never closes the box
    };
    for (bool bChinese : {false, true}) {
        g_bChinese = bChinese;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "code " << c.nCode << " chinese " << bChinese);
            CMessageBox box("text", MB_OK, "Tarvi", c.nCode);
            RunModal<CMessageBox>(box, [&](CMessageBox& dlg) {
                EXPECT_EQ(dlg.GetTitle(), wxString::FromUTF8(bChinese ? c.szChinese : c.szEnglish));
                EXPECT_EQ(dlg.IsClosingByItself(), c.bCloses);
                Give(dlg, Answer::Escape);
            });
        }
    }
}

TEST_F(Dialogs, MessageBoxWithCode2001ClosesItselfAfterTwoSecondsAsItsCancelAnswer)
{
    for (unsigned nType : {MB_OK, MB_YESNO}) {
        CManualTimerClock clock;
        CMessageBox box("Connection failure!", nType, "Tarvi", 2001);
        wxTheApp->CallAfter([&] {
            clock.Advance(2000);
            EXPECT_TRUE(box.IsModal());
            clock.Advance(1);
            EXPECT_FALSE(box.IsModal());
        });
        EXPECT_EQ(box.DoModal(), nType == MB_OK ? IDOK : IDNO);
    }
}

TEST_F(Dialogs, SetMessageUsesTheProgramsTitle)
{
    CMessageBox box;
    box.SetMessage("text", MB_OK, 0, 0);
    RunModal<CMessageBox>(box, [](CMessageBox& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "Tarvi");
        Give(dlg, Answer::Button1);
    });
}

TEST_F(Dialogs, MessagesOfTheLinkCodeReachTheMessageBox)
{
    InstallMessageBox();
    wxTheApp->CallAfter([] {
        CMessageBox* pBox = CMessageBox::GetActive();
        ASSERT_NE(pBox, nullptr);
        EXPECT_EQ(pBox->GetTitle(), "Prompting");
        Give(*pBox, Answer::Button1);
    });
    EXPECT_EQ(ShowMessage(nullptr, "Whether Restore All EQ?", "ignored", MB_YESNO, 0, -3), IDYES);
    SetMessageBoxHandler(nullptr);
}

// A box asked for on another thread returns at once, unanswered, and shows on the UI thread.
TEST_F(Dialogs, AMessageFromAnotherThreadShowsLaterOnTheUiThread)
{
    InstallMessageBox();
    int nAnswer = 0;
    std::thread([&] { nAnswer = AfxMessageBox("Connection failure!", MB_YESNO, CAPTION_PROMPT_EN); }).join();
    EXPECT_EQ(nAnswer, IDNO);
    EXPECT_EQ(CMessageBox::GetActive(), nullptr);
    wxString strShown;
    wxTheApp->CallAfter([&strShown] {
        CMessageBox* pBox = CMessageBox::GetActive();
        ASSERT_NE(pBox, nullptr);
        strShown = pBox->GetDlgItem(1001)->GetLabel();
        Give(*pBox, Answer::Button1);
    });
    EXPECT_TRUE(SettleUntil([&] { return !strShown.empty(); }));
    EXPECT_EQ(strShown, "Connection failure!");
    SetMessageBoxHandler(nullptr);
}

TEST_F(Dialogs, TimedMessageIsAnsweredAfterASecond)
{
    InstallMessageBox();
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "owner");
    auto* pTimed = new CMsgBox;
    pTimed->CreateHidden(pFrame);
    pTimed->CreateHidden(pFrame);
    EXPECT_EQ(pTimed->GetName(), "{62BAB41D-B6BB-402C-89EF-5B86830DF68C}");
    EXPECT_FALSE(pTimed->IsShown());
    CManualTimerClock clock;
    wxTheApp->CallAfter([&clock] {
        clock.Advance(999);
        EXPECT_NE(CMessageBox::GetActive(), nullptr);
        clock.Advance(1);
    });
    pTimed->ShowTimedMessage("Load WIFI factory default success");
    EXPECT_EQ(CMessageBox::GetActive(), nullptr);
    SetMessageBoxHandler(nullptr);
    delete pFrame;
}

TEST_F(Dialogs, ExitPromptAnswersSaveLeaveOrStay)
{
    struct Case {
        int nButton;  // 0: Escape
        int nResult;
    };
    for (const Case& c : {Case{1, IDYES}, Case{2790, IDNO}, Case{2, IDCANCEL}, Case{0, IDCANCEL}}) {
        SCOPED_TRACE(c.nButton);
        CSaveData_Dlg dlg;
        const int nResult = RunModal<CSaveData_Dlg>(dlg, [&](CSaveData_Dlg& d) {
            if (c.nButton == 0)
                SendKey(d, WXK_ESCAPE);
            else
                Press(d, c.nButton);
        });
        EXPECT_EQ(nResult, c.nResult);
    }
    g_bChinese = 1;
    CSaveData_Dlg dlg;
    RunModal<CSaveData_Dlg>(dlg, [](CSaveData_Dlg& d) {
        EXPECT_EQ(d.GetTitle(), wxString::FromUTF8("提示"));
        EXPECT_EQ(Label(d, 1), wxString::FromUTF8("是"));
        EXPECT_EQ(Label(d, 2790), wxString::FromUTF8("否"));
        EXPECT_EQ(Label(d, 2), wxString::FromUTF8("取消"));
        EXPECT_EQ(Label(d, 2774), wxString::FromUTF8("是否保存当前场景文件?"));
        Press(d, 1);
    });
}

TEST_F(Dialogs, AboutBoxShowsTheVersionsAndEndsTheUpdateFlag)
{
    std::memset(g_szDeviceVersion, 0, sizeof g_szDeviceVersion);
    g_bUpdating = 1;
    CVersionDlg dlg;
    const int nResult = RunModal<CVersionDlg>(dlg, [](CVersionDlg& d) {
        EXPECT_EQ(Label(d, 1877), "Device version ");
        EXPECT_EQ(Label(d, 1875), "Software version VOVA-CV1.01(F)");
        EXPECT_EQ(d.GetTitle(), "About");
        Press(d, 8802);  // Help does nothing
        EXPECT_TRUE(d.IsModal());
        Press(d, 1874);
    });
    EXPECT_EQ(nResult, 1874);
    EXPECT_EQ(g_bUpdating, 0);

    g_bChinese = 1;
    std::memcpy(g_szDeviceVersion, " ZIRE-RI1.00X", 12);
    CVersionDlg chinese;
    RunModal<CVersionDlg>(chinese, [](CVersionDlg& d) {
        EXPECT_EQ(Label(d, 1877), wxString::FromUTF8("设备版本 ZIRE-RI1.0"));
        EXPECT_EQ(Label(d, 1875), wxString::FromUTF8("软件版本 VOVA-CV1.01"));
        EXPECT_EQ(Label(d, 1874), wxString::FromUTF8("退出"));
        Press(d, 1874);
    });
    std::memset(g_szDeviceVersion, 0, sizeof g_szDeviceVersion);
}

TEST_F(Dialogs, WarningShowsItsTextAndAQuitButton)
{
    CWarnDlg dlg("Not connected devices");
    const int nResult = RunModal<CWarnDlg>(dlg, [](CWarnDlg& d) {
        EXPECT_EQ(Label(d, 2753), "Not connected devices");
        EXPECT_EQ(Label(d, 1), "Quit");
        Press(d, 1);
    });
    EXPECT_EQ(nResult, 1);
}

namespace {
class DisplayDlg : public Dialogs {
protected:
    void SetUp() override
    {
        m_pOwner = new wxFrame(nullptr, wxID_ANY, "view");
        m_pDisplay = new CDisplayDlg(m_pOwner);
        m_pDisplay->Create(m_pOwner);
    }
    void TearDown() override
    {
        g_bTransferring = 0;
        delete m_pOwner;
        Dialogs::TearDown();
    }
    void Tick() { m_clock.Advance(200); }  // the dialog ticks every 200 ms

    CManualTimerClock m_clock;
    wxFrame* m_pOwner = nullptr;
    CDisplayDlg* m_pDisplay = nullptr;
};
}  // namespace

TEST_F(DisplayDlg, ShowsWhileATransferRunsAndEndsWithTheEndText)
{
    g_bTransferring = 1;
    m_pDisplay->ShowTransfer(false);
    EXPECT_TRUE(m_pDisplay->IsShown());
    EXPECT_FALSE(m_pOwner->IsEnabled());
    EXPECT_EQ(m_pDisplay->Label()->GetLabel(), "Data transmission");
    Tick();
    const wxColour first = m_pDisplay->Label()->GetTextColor();
    Tick();
    EXPECT_NE(m_pDisplay->Label()->GetTextColor(), first);  // the label blinks blue and red
    g_bTransferring = 0;
    Tick();
    EXPECT_FALSE(m_pDisplay->IsShown());
    EXPECT_TRUE(m_pOwner->IsEnabled());
    EXPECT_EQ(m_pDisplay->Label()->GetLabel(), "End of data transmission");
}

TEST_F(DisplayDlg, ADisconnectHidesAtOnceWithoutTheEndText)
{
    g_bTransferring = 1;
    m_pDisplay->ShowTransfer(false);
    m_pDisplay->HideTransfer();
    EXPECT_FALSE(m_pDisplay->IsShown());
    EXPECT_TRUE(m_pOwner->IsEnabled());
    EXPECT_EQ(m_pDisplay->Label()->GetLabel(), "Data transmission");
}

TEST_F(DisplayDlg, TheUserCannotCloseIt)
{
    g_bTransferring = 1;
    m_pDisplay->ShowTransfer(false);
    m_pDisplay->Close();
    SendKey(*m_pDisplay, WXK_RETURN);
    SendKey(*m_pDisplay, WXK_ESCAPE);
    EXPECT_TRUE(m_pDisplay->IsShown());
}

TEST_F(DisplayDlg, FactoryResetCreepsUpThenStaysFullBeforeHiding)
{
    m_pDisplay->SetFactoryResetMode();
    g_bTransferring = 1;
    m_pDisplay->ShowTransfer(true);  // the Advanced dialog is not open: the owner is disabled
    EXPECT_FALSE(m_pOwner->IsEnabled());
    EXPECT_EQ(m_pDisplay->Label()->GetLabel(), "Load factory defaults");
    EXPECT_EQ(m_pDisplay->GetTitle(), "Advanced");
    for (int i = 0; i < 200; ++i)
        Tick();
    EXPECT_EQ(m_pDisplay->Bar()->GetPos(), 108);

    g_bTransferring = 0;
    int nTicks = 0;
    while (m_pDisplay->IsShown() && nTicks < 50) {
        Tick();
        ++nTicks;
        EXPECT_EQ(m_pDisplay->Bar()->GetPos(), 110);
    }
    EXPECT_EQ(nTicks, 13);  // to the full bar, 11 more ticks, then the end: about 2.6 s
    EXPECT_EQ(m_pDisplay->Label()->GetLabel(), "Load factory default success");
    EXPECT_FALSE(m_pDisplay->IsFactoryReset());
    EXPECT_TRUE(m_pOwner->IsEnabled());
}

// The window a transfer disabled is the one enabled again, whatever opened or closed meanwhile.
TEST_F(DisplayDlg, HideEnablesTheWindowShowDisabled)
{
    g_bTransferring = 1;
    m_pDisplay->ShowTransfer(true);  // no preset manager: the owner stands in
    EXPECT_FALSE(m_pOwner->IsEnabled());
    auto* pManager = new wxFrame(nullptr, wxID_ANY, "presets");
    pManager->Disable();  // disabled by something else: not the transfer's to enable
    g_pProgramDlg = pManager;
    m_pDisplay->HideTransfer();
    EXPECT_TRUE(m_pOwner->IsEnabled());
    EXPECT_FALSE(pManager->IsEnabled());
    g_pProgramDlg = nullptr;
    delete pManager;
}

TEST_F(DisplayDlg, ModalLikeTransfersDisableThePresetManagerWhileItExists)
{
    auto* pManager = new wxFrame(nullptr, wxID_ANY, "presets");
    g_pProgramDlg = pManager;
    g_bTransferring = 1;
    m_pDisplay->ShowTransfer(true);
    EXPECT_FALSE(pManager->IsEnabled());
    EXPECT_TRUE(m_pOwner->IsEnabled());
    g_pProgramDlg = nullptr;  // the manager closed meanwhile
    delete pManager;
    m_pDisplay->HideTransfer();
    EXPECT_FALSE(m_pDisplay->IsShown());
}

TEST_F(Dialogs, MonitorLogsAppendAndClear)
{
    auto* pMonitor = new CLockDataDlg;
    pMonitor->Create(nullptr);
    EXPECT_FALSE(pMonitor->IsShown());
    pMonitor->AppendWriteLog("6B 6B", false, true);
    EXPECT_EQ(pMonitor->WriteLog()->GetValue(), "6B 6B\r\n");
    pMonitor->AppendReadLog("51", true, false);
    EXPECT_TRUE(pMonitor->ReadLog()->GetValue().StartsWith(wxString::FromUTF8("51 (延时(秒)=")));
    EXPECT_TRUE(pMonitor->ReadLog()->GetValue().EndsWith(" )"));
    wxCommandEvent clear(wxEVT_BUTTON, WxId(1222));
    pMonitor->ProcessWindowEvent(clear);
    EXPECT_TRUE(pMonitor->WriteLog()->GetValue().empty());
    EXPECT_TRUE(pMonitor->ReadLog()->GetValue().empty());
    pMonitor->Destroy();
}
