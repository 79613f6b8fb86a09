#include "controls/NumEdit.h"

#include <wx/bitmap.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/BitmapSlider.h"
#include "controls/NumSpin.h"
#include "controls/SkinBackground.h"
#include "controls/TextLayout.h"
#include "controls/WinText.h"
#include "controls/WinKeys.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/SkinPaint.h"
#include "res/WinStyles.h"

namespace {
constexpr int kMargin = 2;  // pixels between the field's edges and its text
const wxColour kTextColour(255, 255, 255);
const wxColour kSwitchedOffColour(200, 200, 200);
const wxColour kHighlightTextColour(0, 0, 0);

// Characters before a byte offset of a UTF-8 text, and the byte offset of a character.
std::size_t CharsBefore(const std::string& text, std::size_t nOffset)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < nOffset && i < text.size(); ++i)
        n += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return n;
}

std::size_t OffsetOfChar(const std::string& text, std::size_t nChar)
{
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (n++ == nChar)
            return i;
    }
    return text.size();
}

// A dc that only measures text in a font.
class CMeasureDC : public wxMemoryDC {
public:
    explicit CMeasureDC(const wxFont& font) : m_bmp(1, 1)
    {
        SelectObject(m_bmp);
        SetFont(font);
    }

private:
    wxBitmap m_bmp;
};

// Pixels from the text's start to each character boundary (n + 1 entries for n characters).
std::vector<int> Boundaries(wxDC& dc, const wxString& strText)
{
    wxArrayInt widths;
    dc.GetPartialTextExtents(strText, widths);
    std::vector<int> x{0};
    for (const int w : widths)
        x.push_back(w);
    return x;
}
}  // namespace

CNumEdit::CNumEdit()
{
    Bind(wxEVT_SET_FOCUS, &CNumEdit::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CNumEdit::OnKillFocus, this);
    Bind(wxEVT_LEFT_DOWN, &CNumEdit::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CNumEdit::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CNumEdit::OnLeftDoubleClick, this);
    Bind(wxEVT_MOTION, &CNumEdit::OnMouseMove, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CNumEdit::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &CNumEdit::OnKeyDown, this);
    Bind(wxEVT_CHAR, &CNumEdit::OnChar, this);
}

CNumEdit::~CNumEdit()
{
    if (HasCapture())
        ReleaseMouse();
}

void CNumEdit::PreSubclassWindow()
{
    m_bReadOnly = (GetStyle() & ES_READONLY) != 0;
    SetCursor(wxCursor(wxCURSOR_IBEAM));
}

void CNumEdit::SetValue(int v)
{
    if (m_model.SetValue(v))
        ShowText();
}

void CNumEdit::SetType(int nType, const wxString& strUnit)
{
    m_model.SetType(nType, strUnit.utf8_string());
    ShowText();
}

void CNumEdit::SetTemperature(int nTemp)
{
    m_model.SetTemperature(nTemp);
    ShowText();
}

void CNumEdit::UpdateText()
{
    m_model.UpdateText();
    ShowText();
}

void CNumEdit::ShowText()
{
    m_editor.Reset();
    m_nScroll = 0;
    if (m_bSpinCreated) {
        m_spinOverlay.SetLabel(GetText());
        m_spinOverlay.Refresh();
    }
    InvalidateParentArea();
}

void CNumEdit::AddDelta(int d)
{
    m_model.AddDelta(d);
    ShowText();
    SendCommandToParent(this);
}

int CNumEdit::GetCommittedValue()
{
    bool bNotify = false;
    const int v = m_model.GetCommittedValue(bNotify);
    if (bNotify) {
        ShowText();
        SendCommandToParent(this);
    }
    return v;
}

void CNumEdit::RefreshLanguage()
{
    m_model.RefreshLanguage();
    ShowText();
}

void CNumEdit::SetHighlight(bool bHighlight)
{
    if (m_bHighlight == bHighlight)
        return;
    m_bHighlight = bHighlight;
    InvalidateParentArea();
}

void CNumEdit::SetBuddySlider(CBitmapSlider* pSlider)
{
    m_pBuddySlider = pSlider;
}

void CNumEdit::SetArrowKeySpin(CNumSpin* pSpin)
{
    m_pArrowKeySpin = pSpin;
}

void CNumEdit::CreateSpinOverlay(int nId)
{
    if (m_bSpinCreated)
        return;
    m_spinOverlay.Create(this, nId, wxRect(GetClientSize()));
    m_spinOverlay.Hide();
    m_spinOverlay.SetFont(GetFont());
    m_bSpinCreated = true;
}

void CNumEdit::SetOverlaySpin(int nSpinId, CNumSpin* pSpin)
{
    if (m_bSpinCreated)
        m_spinOverlay.SetSpin(nSpinId, pSpin);
}

void CNumEdit::SetReadOnly(bool bReadOnly)
{
    InvalidateParentArea();
    if (m_bSpinCreated)
        m_spinOverlay.Show(bReadOnly);
    m_bReadOnly = bReadOnly;
}

void CNumEdit::EnableWindow(bool bEnable)
{
    if (bEnable != m_bEnabled) {
        InvalidateParentArea();
        m_bEnabled = bEnable;
    }
    m_bReadOnly = !bEnable;
}

bool CNumEdit::ShowWindow(int nCmdShow)
{
    m_bVisibleChanged = false;
    const bool bWasShown = IsShown();
    if (nCmdShow == SW_HIDE && (m_bVisible || bWasShown)) {
        m_bVisible = false;
        m_bVisibleChanged = true;
        Show(false);
        return bWasShown;
    }
    if (nCmdShow == SW_SHOW && (!m_bVisible || !bWasShown)) {
        m_bVisible = true;
        m_bVisibleChanged = true;
        Show(true);
        return bWasShown;
    }
    return m_bVisible;
}

wxRect CNumEdit::TextRect() const
{
    return wxRect(GetClientSize()).Deflate(kMargin, 0);
}

wxPoint CNumEdit::TextOrigin(const wxSize& extent) const
{
    const wxRect rc = TextRect();
    int x = rc.x - m_nScroll;
    if (extent.x <= rc.width) {
        switch (GetStyle() & ES_ALIGNMASK) {
        case ES_CENTER: x = rc.x + (rc.width - extent.x) / 2; break;
        case ES_RIGHT: x = rc.GetRight() + 1 - extent.x; break;
        default: x = rc.x; break;
        }
    }
    return {x, (GetClientSize().y - extent.y) / 2};
}

std::size_t CNumEdit::OffsetAt(const wxPoint& pt)
{
    CMeasureDC dc(GetFont());
    const std::vector<int> x = Boundaries(dc, GetText());
    const int nAt = pt.x - TextOrigin(dc.GetTextExtent(GetText())).x;
    std::size_t nChar = 0;
    while (nChar + 1 < x.size() && nAt > (x[nChar] + x[nChar + 1]) / 2)
        ++nChar;
    return OffsetOfChar(m_model.GetText(), nChar);
}

void CNumEdit::KeepCaretVisible()
{
    CMeasureDC dc(GetFont());
    const wxString strText = GetText();
    const wxRect rc = TextRect();
    const std::vector<int> x = Boundaries(dc, strText);
    if (x.back() <= rc.width) {
        m_nScroll = 0;
        return;
    }
    const int nCaret = x[CharsBefore(m_model.GetText(), m_editor.Caret())];
    if (nCaret - m_nScroll > rc.width)
        m_nScroll = nCaret - rc.width;
    if (nCaret < m_nScroll)
        m_nScroll = nCaret;
}

void CNumEdit::Draw(wxDC& dc)
{
    const wxSize size = GetClientSize();
    if (m_bHighlight) {
        FillSolidRect(dc, wxRect(size), skin::kFocus);
    } else {
        PaintParentBackground(this, dc);
    }
    const wxColour& colour = m_bHighlight ? kHighlightTextColour : (m_bEnabled ? kTextColour : kSwitchedOffColour);
    const wxString strText = GetText();
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(colour);
    CTextLayout layout(dc, strText);
    const wxPoint origin = TextOrigin(layout.GetSize());
    wxDCClipper clip(dc, TextRect());
    layout.Draw(origin.x, origin.y);
    if (!m_bFocused || m_bReadOnly)
        return;
    const int nHeight = dc.GetCharHeight();
    const std::string& text = m_model.GetText();
    const std::vector<int> x = Boundaries(dc, strText);
    if (m_editor.HasSelection()) {
        const std::size_t nFirst = CharsBefore(text, m_editor.SelStart());
        const std::size_t nLast = CharsBefore(text, m_editor.SelEnd());
        FillSolidRect(dc, wxRect(origin.x + x[nFirst], origin.y, x[nLast] - x[nFirst], nHeight), skin::kTeal);
        dc.SetTextForeground(*wxWHITE);
        dc.DrawText(strText.Mid(nFirst, nLast - nFirst), origin.x + x[nFirst], origin.y);
    }
    const int nCaret = origin.x + x[CharsBefore(text, m_editor.Caret())];
    dc.SetPen(wxPen(colour));
    dc.DrawLine(nCaret, origin.y, nCaret, origin.y + nHeight);
}

void CNumEdit::OnSetFocus(wxFocusEvent& event)
{
    event.Skip();
    GainFocus();
}

void CNumEdit::GainFocus()
{
    if (std::exchange(m_bDropFocusLook, false))
        CallAfter([this] { LoseFocus(); });
    m_bFocused = true;
    m_bHighlight = true;
    InvalidateParentArea();
    if (m_pBuddySlider != nullptr)
        m_pBuddySlider->SetHighlight(true);
    if (!m_bReadOnly)
        m_editor.SelectAll(m_model.GetText());
    else if (m_bSpinCreated)
        m_spinOverlay.SetActive(true);
}

void CNumEdit::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    LoseFocus();
}

void CNumEdit::LoseFocus()
{
    m_bFocused = false;
    if (m_bSelecting && HasCapture())
        ReleaseMouse();
    m_bSelecting = false;
    if (m_model.Commit()) {
        ShowText();
        SendCommandToParent(this);
    }
    if (m_bSpinCreated)
        m_spinOverlay.SetActive(false);
    m_bHighlight = false;
    InvalidateParentArea();
    if (m_pBuddySlider != nullptr)
        m_pBuddySlider->SetHighlight(false);
}

void CNumEdit::Press(const wxPoint& pt, bool bPlaceCaret)
{
    if (!m_bEnabled) {
        // A switched-off field takes the focus like any other, then drops its focus look at once:
        // right after the focus gain, which GTK delivers when it comes.
        if (m_bFocused) {
            CallAfter([this] { LoseFocus(); });
        } else {
            m_bDropFocusLook = true;
            SetFocus();
        }
        return;
    }
    if (GetParent() != nullptr)
        SendCommandToParent(this);
    if (!m_bFocused) {
        SetFocus();  // the focus gain selects the whole text
        return;
    }
    if (bPlaceCaret && !m_bReadOnly) {
        m_editor.MoveTo(m_model.GetText(), OffsetAt(pt), false);
        m_bSelecting = true;
        if (!HasCapture())
            CaptureMouse();
        Refresh();
    }
}

void CNumEdit::OnLeftDown(wxMouseEvent& event)
{
    Press(event.GetPosition(), true);
}

void CNumEdit::OnOverlayPress()
{
    Press(wxPoint(0, 0), false);
}

void CNumEdit::OnLeftUp(wxMouseEvent&)
{
    m_bDropFocusLook = false;
    if (m_bSelecting && HasCapture())
        ReleaseMouse();
    m_bSelecting = false;
}

void CNumEdit::OnLeftDoubleClick(wxMouseEvent&)
{
    // As a focus gain: the whole text selected (the caret hidden in a read-only field).
    CallAfter([this] { GainFocus(); });
}

void CNumEdit::OnMouseMove(wxMouseEvent& event)
{
    if (m_bReadOnly)
        return;
    if (m_bSelecting && event.LeftIsDown()) {
        m_editor.MoveTo(m_model.GetText(), OffsetAt(event.GetPosition()), true);
        KeepCaretVisible();
        Refresh();
    }
    event.Skip();
}

void CNumEdit::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bSelecting = false;
}

void CNumEdit::OnKeyDown(wxKeyEvent& event)
{
    const int nKey = WinKeyCode(event);
    const bool bShift = event.ShiftDown();
    const bool bCtrl = event.ControlDown();
    // Up and Down belong to a spin with arrow-key handling: they step it, the field never sees them.
    if (m_pArrowKeySpin != nullptr && (nKey == VK_UP || nKey == VK_DOWN)) {
        m_pArrowKeySpin->ArrowKey(nKey == VK_UP ? 1 : -1);
        return;
    }
    if (m_bReadOnly && bShift)
        return;
    // Tab, Enter and Escape are the dialog's keys, as in any field of a dialog.
    if (nKey == VK_TAB || nKey == VK_RETURN || nKey == VK_ESCAPE) {
        event.Skip();
        return;
    }
    if (bCtrl && (nKey == 'C' || nKey == 'X' || nKey == 'V')) {
        Clipboard(nKey);
    } else if (!m_bReadOnly) {
        std::string text = m_model.GetText();
        const bool bChanged = m_editor.Key(text, nKey, bShift);
        if (bChanged)
            m_model.SetTypedText(std::move(text));
        TextShown();
    }
    event.Skip();  // the character, if any, comes as a char event
    if (!bCtrl && !bShift && GetParent() != nullptr)
        PostMessage(GetParent(), WM_NUMEDIT_KEY, static_cast<WPARAM>(GetCtrlId()), nKey);
}

void CNumEdit::OnChar(wxKeyEvent& event)
{
    const wxChar c = event.GetUnicodeKey();
    if (m_bReadOnly || c == WXK_NONE || event.ControlDown())
        return;
    std::string text = m_model.GetText();
    if (m_editor.Char(text, static_cast<char32_t>(c)))
        m_model.SetTypedText(std::move(text));
    TextShown();
}

void CNumEdit::TextShown()
{
    KeepCaretVisible();
    InvalidateParentArea();
}

void CNumEdit::Clipboard(int nKey)
{
    const std::string& text = m_model.GetText();
    if (nKey != 'V' && m_editor.HasSelection() && wxTheClipboard->Open()) {
        const std::string selected = text.substr(m_editor.SelStart(), m_editor.SelEnd() - m_editor.SelStart());
        wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(selected)));
        wxTheClipboard->Close();
    }
    if (m_bReadOnly || nKey == 'C')
        return;
    std::string edited = text;
    bool bChanged = false;
    if (nKey == 'X') {
        bChanged = m_editor.DeleteSelection(edited);
    } else if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data))
            bChanged = m_editor.Insert(edited, data.GetText().utf8_string());
        wxTheClipboard->Close();
    }
    if (bChanged)
        m_model.SetTypedText(std::move(edited));
    TextShown();
}
