#include "grid/InPlaceEdit.h"

#include <wx/dcclient.h>

#include "controls/ControlIds.h"
#include "controls/WinKeys.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "grid/GridCtrl.h"
#include "grid/InPlaceEditRules.h"

namespace {
long AlignStyle(unsigned nStyle)
{
    return (nStyle & DT_RIGHT) ? wxTE_RIGHT : (nStyle & DT_CENTER) ? wxTE_CENTRE : wxTE_LEFT;
}
}  // namespace

void StartTyping(wxTextEntry& entry, int nChar, bool bList)
{
    switch (EditStartFor(nChar, bList)) {
    case EditStart::CaretAtEnd: entry.SetInsertionPointEnd(); break;
    case EditStart::DeleteLast:
        entry.SetInsertionPointEnd();
        if (!entry.IsEmpty())
            entry.Remove(entry.GetLastPosition() - 1, entry.GetLastPosition());
        break;
    case EditStart::SelectAll: entry.SelectAll(); break;
    case EditStart::ReplaceWithChar:
        entry.SetValue(EditStartChar(nChar));
        entry.SetInsertionPointEnd();
        break;
    }
}

void ReportEndEdit(CGridCtrl& grid, wxWindow& editor, int nRow, int nCol, const wxString& strText, int nLastKey)
{
    GridItemNotify notify;
    notify.hdr = {GetWndHandle(&editor), CtrlId(editor.GetId()), GRIDN_END_EDIT};
    notify.item.mask = ITEM_TEXT | ITEM_DATA;
    notify.item.row = nRow;
    notify.item.col = nCol;
    notify.item.strText = strText.utf8_string();
    notify.item.lParam = nLastKey;
    if (!grid.IsBeingDeleted())
        SendMessage(&grid, WM_NOTIFY, WPARAM(notify.hdr.idFrom), reinterpret_cast<LPARAM>(&notify));
    // The editor goes once the event in hand is over.
    editor.CallAfter([pEditor = &editor] { pEditor->Destroy(); });
}

wxString EditStartChar(int nChar)
{
    return wxString(wxUniChar(static_cast<unsigned>(nChar)));
}

CInPlaceEdit::CInPlaceEdit(CGridCtrl* pGrid, const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                           const std::string& strInitText, int nChar)
    : m_pGrid(pGrid), m_nRow(nRow), m_nCol(nCol), m_strInitText(wxString::FromUTF8(strInitText)),
      m_bExitOnArrows(nChar != VK_LBUTTON)
{
    if (!wxTextCtrl::Create(pGrid, WxId(nId), m_strInitText, wxPoint(rc.left, rc.top),
                            wxSize(rc.right - rc.left + 1, rc.bottom - rc.top + 1),
                            AlignStyle(nStyle) | wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB))
        return;
    SetFont(pGrid->GetFont());
    // The limit holds what is typed; a longer text the cell has stays whole (GTK would cut it).
    SetMaxLength(std::max<unsigned long>(kInPlaceEditLimit, m_strInitText.length()));
    Bind(wxEVT_CHAR_HOOK, &CInPlaceEdit::OnCharHook, this);
    Bind(wxEVT_TEXT, &CInPlaceEdit::OnText, this);
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        EndEdit();
    });
    // Alt combinations and the context menu stay out of the edit.
    Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    SetFocus();

    StartTyping(*this, nChar, false);
}

void CInPlaceEdit::OnCharHook(wxKeyEvent& event)
{
    if (event.AltDown())
        return;
    const int nKey = WinKeyCode(event);
    if (KeyDownEndsEdit(nKey, m_bExitOnArrows, event.ControlDown())) {
        EndWith(nKey);
        return;
    }
    switch (nKey) {
    case VK_ESCAPE:
        ChangeValue(m_strInitText);
        EndWith(VK_ESCAPE);
        return;
    case VK_TAB:
    case VK_RETURN: EndWith(nKey); return;
    default: event.Skip(); return;
    }
}

void CInPlaceEdit::OnText(wxCommandEvent& event)
{
    event.Skip();
    // The editor grows to show what is typed, up to the grid's right edge.
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int nTextWidth = dc.GetTextExtent(GetValue() + wxS("  ")).x;
    const wxRect rc = GetRect();
    const int nRight = GrownEditorRight(rc.x, rc.GetRight() + 1, nTextWidth, m_pGrid->GetClientSize().x);
    if (nRight != rc.GetRight() + 1)
        SetSize(rc.x, rc.y, nRight - rc.x, rc.height);
}

void CInPlaceEdit::EndWith(int nKey)
{
    m_nLastChar = nKey;
    m_pGrid->SetFocus();
    EndEdit();
}

void CInPlaceEdit::EndEdit()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    ReportEndEdit(*m_pGrid, *this, m_nRow, m_nCol, GetValue(), m_nLastChar);
}
