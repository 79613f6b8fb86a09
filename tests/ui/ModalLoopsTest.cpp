// The close of the program that waits for its modal loops: each open dialog (and a pop-up menu)
// ends as its own close would, innermost first, and the close runs once the caller of the
// outermost one has had its answer. A dialog opened after that closes as soon as it shows.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/MessageBox.h"
#include "app/ModalLoops.h"
#include "app/SaveDataDlg.h"
#include "controls/FileDialogST.h"
#include "platform/MessageBox.h"
#include "tests/ui/UiTestUtil.h"

namespace {
using Log = std::vector<std::string>;

// Its close box asks first, and only a YES ends it (as the firmware update dialog does while it
// writes). What comes after the question runs from the dialog's own loop.
class CAskingDialog : public CTemplateDialog {
public:
    CAskingDialog(Log& log, std::function<void()> fnAfter) : CTemplateDialog(116), m_log(log), m_fnAfter(std::move(fnAfter)) {}

protected:
    void OnClose() override
    {
        CMessageBox question("Quit?", MB_YESNO, "Tarvi", 0);
        const int nAnswer = question.DoModal(this);
        m_log.push_back("asked " + std::to_string(nAnswer));
        if (nAnswer == IDYES)
            EndDialog(2);
        CallAfter(m_fnAfter);
    }

private:
    Log& m_log;
    std::function<void()> m_fnAfter;
};

class ModalLoops : public testing::Test {
protected:
    void SetUp() override { m_loops.Register(); }
    // Steps still queued run while the hook lives.
    void TearDown() override { PumpPendingEvents(); }

    // A termination signal, as the program takes it: inside the innermost loop running when it
    // comes.
    void SignalLater()
    {
        wxTheApp->CallAfter([this] { m_loops.CloseAfterModals([this] { m_log.push_back("closed"); }); });
    }
    bool Closed()
    {
        return SettleUntil([this] { return !m_log.empty() && m_log.back() == "closed"; });
    }

    CModalLoops m_loops;
    Log m_log;
};
}  // namespace

TEST_F(ModalLoops, WithNoDialogOpenTheCloseRunsAtOnce)
{
    m_loops.CloseAfterModals([this] { m_log.push_back("closed"); });
    EXPECT_EQ(m_log, Log{"closed"});
}

TEST_F(ModalLoops, NestedDialogsEndAsTheirCloseWouldAndTheCloseWaitsForTheOutermostCaller)
{
    CSaveData_Dlg prompt(nullptr);
    wxTheApp->CallAfter([this] {
        CMessageBox box("Whether Restore All EQ?", MB_YESNO, "Tarvi", 0);
        SignalLater();
        m_log.push_back("box " + std::to_string(box.DoModal()));
    });
    m_log.push_back("prompt " + std::to_string(prompt.DoModal()));
    ASSERT_TRUE(Closed());
    EXPECT_EQ(m_log, (Log{"box 7", "prompt 2", "closed"}));
}

TEST_F(ModalLoops, ADialogOpenedAfterTheSignalClosesAsSoonAsItShows)
{
    CSaveData_Dlg prompt(nullptr);
    SignalLater();
    m_log.push_back("prompt " + std::to_string(prompt.DoModal()));
    CMessageBox box("Delete the preset?", MB_OKCANCEL, "Tarvi", 0);
    m_log.push_back("box " + std::to_string(box.DoModal()));
    ASSERT_TRUE(Closed());
    EXPECT_EQ(m_log, (Log{"prompt 2", "box 2", "closed"}));
}

TEST_F(ModalLoops, TheFileChooserEndsAsItsCancel)
{
    CFileDialogST::SetTestAnswer({});
    CFileDialogST chooser(true, "TarviC1", nullptr, OFN_FILEMUSTEXIST, nullptr, nullptr);
    SignalLater();
    m_log.push_back("chooser " + std::to_string(chooser.DoModal()));
    ASSERT_TRUE(Closed());
    EXPECT_EQ(m_log, (Log{"chooser 2", "closed"}));
}

TEST_F(ModalLoops, APopupMenuIsCancelled)
{
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "owner", wxPoint(0, 0), wxSize(300, 200));
    pFrame->Show();
    ASSERT_TRUE(SettleUntil([pFrame] { return pFrame->IsShownOnScreen(); }));
    wxMenu menu;
    menu.Append(wxID_HIGHEST + 1, "Load");
    SignalLater();
    pFrame->PopupMenu(&menu, wxPoint(10, 10));
    m_log.push_back("menu gone");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(m_log, (Log{"menu gone", "closed"}));
    pFrame->Destroy();
}

// Its question is closed unanswered and asked no second time; the dialog stays until answered.
TEST_F(ModalLoops, ADialogWhoseCloseAsksIsAskedOnceAndTheCloseWaitsForIt)
{
    CAskingDialog* pDialog = nullptr;
    CAskingDialog dlg(m_log, [&] {
        Settle(100);  // a second question must not come: nothing to wait for but time
        EXPECT_EQ(m_log, Log{"asked 7"});
        EXPECT_TRUE(pDialog->IsModal());
        pDialog->EndDialog(1);
    });
    pDialog = &dlg;
    SignalLater();
    m_log.push_back("dialog " + std::to_string(dlg.DoModal()));
    ASSERT_TRUE(Closed());
    EXPECT_EQ(m_log, (Log{"asked 7", "dialog 1", "closed"}));
}
