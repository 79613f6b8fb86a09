#include "controls/ChEnEdit.h"

#include <algorithm>

#include "controls/ControlIds.h"
#include "controls/DbcsAlign.h"
#include "platform/Gbk.h"

namespace {
bool IsPrintableAscii(wxUniChar c)
{
    return c >= ' ' && c <= '~';
}

std::string GbkOf(const wxString& text)
{
    std::string strGbk;
    return Utf8ToGbk(text.utf8_string(), strGbk) ? strGbk : std::string();
}
}  // namespace

CChEnEdit::CChEnEdit()
{
    Bind(wxEVT_CHAR, &CChEnEdit::OnChar, this);
    Bind(wxEVT_KILL_FOCUS, &CChEnEdit::OnKillFocus, this);
    Bind(wxEVT_TEXT, &CChEnEdit::OnText, this);
}

bool CChEnEdit::Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle)
{
    return wxTextCtrl::Create(pParent, WxId(nCtrlId), wxString(), rc.GetPosition(), rc.GetSize(), nStyle);
}

void CChEnEdit::OnChar(wxKeyEvent& event)
{
    const wxChar c = event.GetUnicodeKey();
    if (c == WXK_NONE || c < ' ' || c == WXK_DELETE) {
        event.Skip();  // editing keys
        return;
    }
    std::string strChar;
    if ((m_bAsciiOnly && !IsPrintableAscii(c)) || !Utf8ToGbk(wxString(c).utf8_string(), strChar))
        return;  // the field cannot store it
    long nFrom = 0, nTo = 0;
    GetSelection(&nFrom, &nTo);
    const std::size_t nReplaced = GbkOf(GetRange(nFrom, nTo)).size();
    const DbcsTyping typing = TypeDbcsCharacter(GbkOf(GetValue()).size(), nReplaced, strChar.size(), m_bAlign,
                                                m_nLimitBytes);
    if (!typing.bAccept)
        return;
    WriteText(typing.bSpaceFirst ? wxString(wxS(" ")) + c : wxString(c));
}

void CChEnEdit::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    if (!m_bAlign)
        return;
    std::string strGbk;
    if (!Utf8ToGbk(GetValue().utf8_string(), strGbk))
        return;
    std::string strUtf8;
    if (GbkToUtf8(PadDbcsRuns(strGbk, m_nLimitBytes), strUtf8) && wxString::FromUTF8(strUtf8) != GetValue())
        ChangeValue(wxString::FromUTF8(strUtf8));
}

void CChEnEdit::OnText(wxCommandEvent& event)
{
    event.Skip();
    if (m_bAsciiOnly) {
        wxString strKept;
        for (const wxUniChar c : GetValue())
            if (IsPrintableAscii(c))
                strKept += c;
        if (strKept != GetValue()) {
            const long nInsertion = GetInsertionPoint();
            ChangeValue(strKept);
            SetInsertionPoint(std::min(nInsertion, GetLastPosition()));
        }
    }
    if (m_nLimitBytes == 0)
        return;
    std::string strGbk;
    if (!Utf8ToGbk(GetValue().utf8_string(), strGbk) || strGbk.size() <= m_nLimitBytes)
        return;
    std::string strUtf8;
    if (!GbkToUtf8(CutDbcsText(strGbk, m_nLimitBytes), strUtf8))
        return;
    const long nInsertion = GetInsertionPoint();
    ChangeValue(wxString::FromUTF8(strUtf8));
    SetInsertionPoint(std::min(nInsertion, GetLastPosition()));
}
