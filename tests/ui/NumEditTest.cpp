#include <gtest/gtest.h>

#include <wx/font.h>

#include <algorithm>
#include <utility>

#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/StdAfx.h"
#include "res/WinStyles.h"
#include "tests/ui/ControlHost.h"

namespace {
constexpr int kEditId = 3501;
const Note kCommand{WM_COMMAND, kEditId, 0};

Note KeyNote(int nVirtualKey)
{
    return {WM_NUMEDIT_KEY, kEditId, nVirtualKey};
}

// A band gain field: -12.0 to 12.0 dB in 0.1 dB steps, showing 0.0.
class NumEdit : public testing::Test {
protected:
    void SetUp() override
    {
        m_pEdit = new CNumEdit;
        ASSERT_TRUE(m_pEdit->Create(m_host.Panel(), kEditId, wxRect(10, 10, 90, 22), ES_CENTER));
        m_pEdit->SetFont(wxFont(wxFontInfo(wxSize(0, 16)).FaceName("Liberation Sans")));
        m_pEdit->SetRange(80, 320);
        m_pEdit->SetScale(0.1);
        m_pEdit->SetOffset(20);
        m_pEdit->SetType(10);
        m_pEdit->SetValue(200);
        m_host.Take();
    }

    // The field gets the focus as after a click or Tab.
    void Focus() { SendFocus(m_pEdit, true); }
    void Leave() { SendFocus(m_pEdit, false); }

    CControlHost m_host;
    CNumEdit* m_pEdit = nullptr;
};

// The brightest and the darkest grey level of the image (the smallest channel of a pixel).
std::pair<int, int> GreyRange(const wxImage& image)
{
    int nMax = 0;
    int nMin = 255;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const int v = std::min({image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)});
            nMax = std::max(nMax, v);
            nMin = std::min(nMin, v);
        }
    return {nMin, nMax};
}

// Pixels of the image close to a colour.
int CountNear(const wxImage& image, const wxColour& colour, int nTolerance)
{
    int n = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            n += std::abs(image.GetRed(x, y) - colour.Red()) + std::abs(image.GetGreen(x, y) - colour.Green()) +
                     std::abs(image.GetBlue(x, y) - colour.Blue()) <=
                 nTolerance;
    return n;
}
}  // namespace

TEST_F(NumEdit, FirstClickSelectsTheFieldSecondPlacesTheCaret)
{
    SendMouse(m_pEdit, wxEVT_LEFT_DOWN, wxPoint(45, 10));
    Focus();  // the focus the click asked for
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kCommand});
    EXPECT_TRUE(m_pEdit->GetHighlight());
    EXPECT_EQ(m_pEdit->Editor().SelStart(), 0u);
    EXPECT_EQ(m_pEdit->Editor().SelEnd(), 3u) << "the whole text \"0.0\"";

    SendMouse(m_pEdit, wxEVT_LEFT_DOWN, wxPoint(2, 10));
    SendMouse(m_pEdit, wxEVT_LEFT_UP, wxPoint(2, 10));
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kCommand});
    EXPECT_FALSE(m_pEdit->Editor().HasSelection());
    EXPECT_EQ(m_pEdit->Editor().Caret(), 0u);
}

TEST_F(NumEdit, DraggingSelectsAndDoubleClickSelectsAll)
{
    Focus();
    SendMouse(m_pEdit, wxEVT_LEFT_DOWN, wxPoint(0, 10));
    SendMouse(m_pEdit, wxEVT_MOTION, wxPoint(89, 10), true);
    SendMouse(m_pEdit, wxEVT_LEFT_UP, wxPoint(89, 10));
    EXPECT_EQ(m_pEdit->Editor().SelStart(), 0u);
    EXPECT_EQ(m_pEdit->Editor().SelEnd(), 3u);
    SendMouse(m_pEdit, wxEVT_LEFT_DOWN, wxPoint(45, 10));
    SendMouse(m_pEdit, wxEVT_LEFT_DCLICK, wxPoint(45, 10));
    SendMouse(m_pEdit, wxEVT_LEFT_UP, wxPoint(45, 10));
    m_host.Take();
    EXPECT_EQ(m_pEdit->Editor().SelEnd() - m_pEdit->Editor().SelStart(), 3u);
}

TEST_F(NumEdit, ClickOnASwitchedOffFieldSendsNothingAndLeavesNoHighlight)
{
    m_pEdit->EnableWindow(false);
    SendMouse(m_pEdit, wxEVT_LEFT_DOWN, wxPoint(45, 10));
    Focus();
    EXPECT_TRUE(m_host.Take().empty());
    EXPECT_FALSE(m_pEdit->GetHighlight());
    Leave();
    Focus();  // by the keyboard
    m_host.Take();
    EXPECT_TRUE(m_pEdit->GetHighlight());
}

TEST_F(NumEdit, KeysArePostedWithTheirWindowsCodes)
{
    Focus();
    SendKey(m_pEdit, WXK_LEFT);
    SendKey(m_pEdit, WXK_LEFT, true);
    SendKey(m_pEdit, WXK_LEFT, false, true);
    SendKey(m_pEdit, WXK_RIGHT);
    SendKey(m_pEdit, 'A', false, false, 'a');
    SendKey(m_pEdit, WXK_DELETE);
    SendKey(m_pEdit, WXK_TAB);
    SendKey(m_pEdit, WXK_RETURN);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{KeyNote(37), KeyNote(39), KeyNote(65), KeyNote(46)}))
        << "Shift and Ctrl keys are not posted; Tab and Enter are the dialog's";
}

TEST_F(NumEdit, ReadOnlyFieldIgnoresShiftedKeysAndTyping)
{
    m_pEdit->SetReadOnly(true);
    Focus();
    SendKey(m_pEdit, WXK_LEFT, true);
    SendKey(m_pEdit, '5', false, false, '5');
    EXPECT_EQ(m_host.Take(), std::vector<Note>{KeyNote('5')});
    EXPECT_EQ(m_pEdit->GetText(), "0.0");
    EXPECT_FALSE(m_pEdit->IsEdited());
}

TEST_F(NumEdit, LeavingAfterTypingCommitsAndTellsTheParentBeforeTheHighlightGoes)
{
    bool bHighlightAtCommand = false;
    m_host.Panel()->Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) {
        bHighlightAtCommand = m_pEdit->GetHighlight();
        event.Skip();
    });
    Focus();
    TypeText(m_pEdit, "3.46");
    EXPECT_TRUE(m_pEdit->IsEdited());
    EXPECT_EQ(m_pEdit->GetText(), "3.46") << "typing replaced the selected text";
    Leave();
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kCommand});
    EXPECT_TRUE(bHighlightAtCommand);
    EXPECT_FALSE(m_pEdit->GetHighlight());
    EXPECT_EQ(m_pEdit->GetText(), "3.4");

    Focus();
    Leave();
    EXPECT_EQ(m_host.Take(), std::vector<Note>{kCommand}) << "the edited flag survives until the value is read";
    EXPECT_EQ(m_pEdit->GetValue(), 234);
    Focus();
    Leave();
    EXPECT_TRUE(m_host.Take().empty());
}

TEST_F(NumEdit, TypedCharactersBeyondAsciiEnterNothing)
{
    Focus();
    TypeText(m_pEdit, wxString::FromUTF8("中"));
    EXPECT_EQ(m_pEdit->GetText(), "0.0");
    EXPECT_FALSE(m_pEdit->IsEdited());
    SendKey(m_pEdit, WXK_END);
    SendKey(m_pEdit, WXK_BACK, false, false, WXK_BACK);
    EXPECT_EQ(m_pEdit->GetText(), "0.");
    EXPECT_TRUE(m_pEdit->IsEdited());
}

TEST_F(NumEdit, AnEntryWithoutANumberShowsTheValueAgain)
{
    m_pEdit->SetValue(300);
    Focus();
    TypeText(m_pEdit, "off");
    Leave();
    EXPECT_EQ(m_pEdit->GetText(), "10.0");
    EXPECT_EQ(m_pEdit->GetValue(), 300);
}

TEST_F(NumEdit, ShowWindowActsOnlyOnAChange)
{
    EXPECT_TRUE(m_pEdit->ShowWindow(SW_SHOW));
    EXPECT_FALSE(m_pEdit->IsVisibilityChanged());
    m_pEdit->ShowWindow(SW_SHOWNA);
    EXPECT_FALSE(m_pEdit->IsVisibilityChanged());
    m_pEdit->ShowWindow(SW_HIDE);
    EXPECT_TRUE(m_pEdit->IsVisibilityChanged());
    EXPECT_FALSE(m_pEdit->IsShown());
    EXPECT_FALSE(m_pEdit->IsVisibleFlag());
    m_pEdit->ShowWindow(SW_HIDE);
    EXPECT_FALSE(m_pEdit->IsVisibilityChanged());
    m_pEdit->ShowWindow(SW_SHOW);
    EXPECT_TRUE(m_pEdit->IsShown());
    EXPECT_TRUE(m_pEdit->IsVisibilityChanged());
}

TEST_F(NumEdit, ReadOnlyShowsTheOverlayOnlyWhenItWasCreated)
{
    m_pEdit->SetReadOnly(true);
    EXPECT_TRUE(m_pEdit->IsReadOnly());
    m_pEdit->SetReadOnly(false);
    m_pEdit->CreateSpinOverlay(3502);
    EXPECT_FALSE(m_pEdit->GetSpinOverlay().IsShown());
    m_pEdit->SetReadOnly(true);
    EXPECT_TRUE(m_pEdit->GetSpinOverlay().IsShown());
    m_pEdit->SetValue(234);
    EXPECT_EQ(m_pEdit->GetSpinOverlay().GetLabel(), "3.4") << "the overlay shows the field's text";
    Focus();
    EXPECT_TRUE(m_pEdit->GetSpinOverlay().IsActive());
    Leave();
    EXPECT_FALSE(m_pEdit->GetSpinOverlay().IsActive());
    m_pEdit->EnableWindow(true);
    EXPECT_FALSE(m_pEdit->IsReadOnly()) << "switching on makes the field editable";
    EXPECT_TRUE(m_pEdit->GetSpinOverlay().IsShown()) << "and leaves the overlay";
}

TEST_F(NumEdit, LanguageSwitchSwapsTheOffText)
{
    m_pEdit->SetRange(0, 600);
    m_pEdit->SetScale(0.1);
    m_pEdit->SetOffset(60);
    m_pEdit->SetType(23);
    m_pEdit->SetValue(0);
    ASSERT_EQ(m_pEdit->GetText(), "OFF");
    g_bChinese = 1;
    m_pEdit->RefreshLanguage();
    EXPECT_EQ(m_pEdit->GetText(), wxString::FromUTF8("关闭"));
    g_bChinese = 0;
}

TEST_F(NumEdit, DrawsWhiteTextOnThePageGreyWhenOffBlackOnTheHighlight)
{
    m_host.Panel()->SetBackgroundColour(wxColour(27, 34, 50));
    wxImage image = DrawToImage(*m_pEdit);
    EXPECT_EQ(PixelAt(image, 1, 1), wxColour(27, 34, 50)) << "the page shows through";
    EXPECT_GT(GreyRange(image).second, 215) << "white text";

    m_pEdit->EnableWindow(false);
    image = DrawToImage(*m_pEdit);
    EXPECT_LE(GreyRange(image).second, 200) << "grey text";
    EXPECT_GT(GreyRange(image).second, 150);

    m_pEdit->EnableWindow(true);
    m_pEdit->SetHighlight(true);
    image = DrawToImage(*m_pEdit);
    EXPECT_EQ(PixelAt(image, 1, 1), wxColour(137, 172, 209));
    EXPECT_LT(GreyRange(image).first, 40) << "black text";
}

TEST_F(NumEdit, FocusedFieldDrawsItsSelection)
{
    Focus();
    const wxImage image = DrawToImage(*m_pEdit);
    EXPECT_GT(CountNear(image, wxColour(13, 133, 138), 10), 20) << "the selected text on teal";
}

TEST_F(NumEdit, UpAndDownStepTheSpinThatHandlesArrowKeys)
{
    auto* pSpin = new CNumSpin;
    ASSERT_TRUE(pSpin->Create(m_host.Panel(), 3511, wxRect(100, 10, 16, 22), UDS_ARROWKEYS));
    pSpin->SetBuddy(m_pEdit);
    pSpin->SetRange(80, 320);
    pSpin->SetPos(200);
    Focus();
    SendKey(m_pEdit, WXK_UP);
    SendKey(m_pEdit, WXK_UP);
    SendKey(m_pEdit, WXK_DOWN);
    EXPECT_EQ(m_host.Take(), (std::vector<Note>{{WM_COMMAND, 3511, 0}, {WM_COMMAND, 3511, 0}, {WM_COMMAND, 3511, 0}}))
        << "each step tells the page; the field posts no key";
    EXPECT_EQ(m_pEdit->GetValue(), 201);
    EXPECT_EQ(m_pEdit->GetText(), "0.1");
}
