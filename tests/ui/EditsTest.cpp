#include <gtest/gtest.h>
#include <wx/frame.h>

#include <initializer_list>

#include "controls/ChEnEdit.h"
#include "controls/PassWordEdit.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
void LoseFocus(wxWindow* pEdit)
{
    wxFocusEvent event(wxEVT_KILL_FOCUS, pEdit->GetId());
    event.SetEventObject(pEdit);
    pEdit->ProcessWindowEvent(event);
}

wxString U(const char* szUtf8)
{
    return wxString::FromUTF8(szUtf8);
}

class Edits : public testing::Test {
protected:
    void SetUp() override { m_pFrame = new wxFrame(nullptr, wxID_ANY, "edits"); }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
    }
    wxFrame* m_pFrame = nullptr;
};
}  // namespace

TEST_F(Edits, NameEditKeepsDoubleByteCharactersOnEvenBytes)
{
    auto* pEdit = new CChEnEdit;
    ASSERT_TRUE(pEdit->Create(m_pFrame, 1002, wxRect(0, 0, 160, 24)));
    Type(pEdit, U("ab中"));
    EXPECT_EQ(pEdit->GetValue(), U("ab中"));
    pEdit->ChangeValue("");
    Type(pEdit, U("abc中"));
    EXPECT_EQ(pEdit->GetValue(), U("abc 中"));

    pEdit->ChangeValue(U("a中"));  // as an input method or a paste leaves it
    LoseFocus(pEdit);
    EXPECT_EQ(pEdit->GetValue(), U("a 中"));
}

TEST_F(Edits, NameEditWithoutAlignmentTakesWholeCharactersWithinItsByteLimit)
{
    auto* pEdit = new CChEnEdit;
    ASSERT_TRUE(pEdit->Create(m_pFrame, 1002, wxRect(0, 0, 160, 24)));
    pEdit->EnableDbcsAlign(false);
    pEdit->SetLimitText(13);
    Type(pEdit, U("abc中"));
    EXPECT_EQ(pEdit->GetValue(), U("abc中"));  // whole, no space, no stray byte
    Type(pEdit, U("1234567中"));                // 12 bytes; the character would need 14
    EXPECT_EQ(pEdit->GetValue(), U("abc中1234567"));
    Type(pEdit, U("🎵x"));                      // no GBK code for the note; "x" fits
    EXPECT_EQ(pEdit->GetValue(), U("abc中1234567x"));
    LoseFocus(pEdit);
    EXPECT_EQ(pEdit->GetValue(), U("abc中1234567x"));
}

TEST_F(Edits, NameEditPaddingStaysWithinTheLimit)
{
    auto* pEdit = new CChEnEdit;
    ASSERT_TRUE(pEdit->Create(m_pFrame, 1002, wxRect(0, 0, 160, 24)));
    pEdit->SetLimitText(7);
    pEdit->ChangeValue(U("a中b中"));
    LoseFocus(pEdit);
    EXPECT_EQ(pEdit->GetValue(), U("a 中b"));
}

// A channel name takes 7 bytes: pasted or committed text beyond them is cut as it comes in.
TEST_F(Edits, NameEditCutsTextThatComesInOverItsByteLimitAtOnce)
{
    auto* pEdit = new CChEnEdit;
    ASSERT_TRUE(pEdit->Create(m_pFrame, 1002, wxRect(0, 0, 160, 24)));
    pEdit->EnableDbcsAlign(false);
    pEdit->SetLimitText(7);
    pEdit->SetValue(U("Subwoofer"));
    EXPECT_EQ(pEdit->GetValue(), U("Subwoof"));
    pEdit->SetValue(U("ab"));
    pEdit->SetInsertionPointEnd();
    pEdit->WriteText(U("中文字"));  // 6 bytes, 4 fit: two whole characters
    EXPECT_EQ(pEdit->GetValue(), U("ab中文"));
    pEdit->SetValue(U("前后左右"));
    EXPECT_EQ(pEdit->GetValue(), U("前后左"));
}

TEST_F(Edits, PasswordEditTakesLettersAndDigitsOnly)
{
    auto* pEdit = new CPassWordEdit;
    ASSERT_TRUE(pEdit->Create(m_pFrame, 1003, wxRect(0, 0, 160, 24)));
    Type(pEdit, U("a- Z\r5_中"));
    EXPECT_EQ(pEdit->GetValue(), "aZ5");
}

// Both edits with typed texts, the name in each language: each text drawn inside its edit in the
// edit's text colour, and the Chinese name drawn other than the English one.
TEST_F(Edits, Screenshots)
{
    auto* pName = new CChEnEdit;
    ASSERT_TRUE(pName->Create(m_pFrame, 1002, wxRect(10, 10, 200, 28)));
    auto* pPassword = new CPassWordEdit;
    ASSERT_TRUE(pPassword->Create(m_pFrame, 1003, wxRect(10, 50, 200, 28)));
    m_pFrame->SetClientSize(220, 90);
    m_pFrame->Show();
    wxImage shots[2];
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        pName->ChangeValue("");
        Type(pName, U(bChinese ? "a场景一" : "Preset 1"));
        pPassword->ChangeValue("");
        Type(pPassword, U("Tarvi 2024!"));
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*m_pFrame), bChinese ? "edits_cn" : "edits_en"));
        const wxImage& shot = shots[bChinese] = CaptureWindow(*m_pFrame);
        for (const wxTextCtrl* pEdit : std::initializer_list<const wxTextCtrl*>{pName, pPassword})
            EXPECT_TRUE(ShowsTextIn(shot, RectInCapture(*pEdit, *m_pFrame), pEdit->GetForegroundColour(), 64, 2))
                << pEdit->GetValue();
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], RectInCapture(*pName, *m_pFrame)));
}
