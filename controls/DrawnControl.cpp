#include "controls/DrawnControl.h"

#include <wx/dcbuffer.h>

#include <utility>

#include "controls/ControlIds.h"
#include "res/WinStyles.h"

const wxCursor& HandCursor()
{
    static const wxCursor hand(wxCURSOR_HAND);
    return hand;
}

bool CDrawnControl::Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned nStyle,
                           const wxString& strText, unsigned nExStyle)
{
    m_nStyle = nStyle;
    m_nExStyle = nExStyle;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(pParent, WxId(nCtrlId), rc.GetPosition(), rc.GetSize(), wxBORDER_NONE))
        return false;
    SetLabel(strText);
    Bind(wxEVT_PAINT, &CDrawnControl::OnPaint, this);
    if (nStyle & WS_DISABLED)
        Disable();
    PreSubclassWindow();
    return true;
}

int CDrawnControl::GetCtrlId() const
{
    return CtrlId(GetId());
}

void CDrawnControl::InvalidateParentArea()
{
    if (GetParent() != nullptr)
        GetParent()->RefreshRect(GetRect());
    Refresh();
}

wxVisualAttributes CDrawnControl::GetDefaultAttributes() const
{
    static const wxVisualAttributes attributes = wxControl::GetClassDefaultAttributes();
    return attributes;
}

bool CDrawnControl::Enable(bool bEnable)
{
    const bool bChanged = wxControl::Enable(bEnable);
    Refresh();
    return bChanged;
}

void CDrawnControl::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    Draw(dc);
}

void CDrawnControl::TakeMouse()
{
    if (!HasCapture() && IsShownOnScreen())
        CaptureMouse();
}

void CDrawnControl::FreeMouse()
{
    if (HasCapture())
        ReleaseMouse();
}

bool CDrawnControl::EndPress(bool& bPressed, const wxPoint& pt)
{
    const bool bClick = std::exchange(bPressed, false) && wxRect(GetClientSize()).Contains(pt);
    FreeMouse();
    return bClick;
}
