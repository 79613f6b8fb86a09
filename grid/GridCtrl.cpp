#include "grid/GridCtrl.h"

#include <wx/clipbrd.h>
#include <wx/control.h>
#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
#include <wx/dnd.h>
#include <wx/settings.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include <array>
#include <optional>

#include "controls/ControlIds.h"
#include "controls/GdiConvert.h"
#include "controls/TextLayout.h"
#include "controls/WinKeys.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "grid/GridDropTarget.h"
#include "grid/GridPaint.h"
#include "grid/InPlaceEdit.h"
#include "model/StdAfx.h"
#include "res/Fonts.h"

namespace {
wxColour ToColour(COLORREF cr)
{
    return {static_cast<unsigned char>(RedOf(cr)), static_cast<unsigned char>(GreenOf(cr)),
            static_cast<unsigned char>(BlueOf(cr))};
}

// An inclusive cell rectangle as the wx rectangle of the pixels it covers.
wxRect Covered(const Rect& rc)
{
    return {rc.left, rc.top, rc.right - rc.left + 1, rc.bottom - rc.top + 1};
}

wxSystemColour SystemColour(int nIndex)
{
    switch (nIndex) {
    case COLOR_WINDOW: return wxSYS_COLOUR_WINDOW;
    case COLOR_WINDOWTEXT: return wxSYS_COLOUR_WINDOWTEXT;
    case COLOR_HIGHLIGHT: return wxSYS_COLOUR_HIGHLIGHT;
    case COLOR_HIGHLIGHTTEXT: return wxSYS_COLOUR_HIGHLIGHTTEXT;
    case COLOR_3DFACE: return wxSYS_COLOUR_3DFACE;
    case COLOR_3DSHADOW: return wxSYS_COLOUR_3DSHADOW;
    case COLOR_3DHIGHLIGHT: return wxSYS_COLOUR_3DHIGHLIGHT;
    case COLOR_3DDKSHADOW: return wxSYS_COLOUR_3DDKSHADOW;
    default: return wxSYS_COLOUR_WINDOW;
    }
}

COLORREF SysColour(int nIndex)
{
    const wxColour c = wxSystemSettings::GetColour(SystemColour(nIndex));
    return ColorRef(c.Red(), c.Green(), c.Blue());
}

int ScrollCode(wxEventType type)
{
    if (type == wxEVT_SCROLLWIN_LINEUP)
        return SB_LINEUP;
    if (type == wxEVT_SCROLLWIN_LINEDOWN)
        return SB_LINEDOWN;
    if (type == wxEVT_SCROLLWIN_PAGEUP)
        return SB_PAGEUP;
    if (type == wxEVT_SCROLLWIN_PAGEDOWN)
        return SB_PAGEDOWN;
    if (type == wxEVT_SCROLLWIN_THUMBTRACK)
        return SB_THUMBTRACK;
    if (type == wxEVT_SCROLLWIN_THUMBRELEASE)
        return SB_THUMBPOSITION;
    if (type == wxEVT_SCROLLWIN_TOP)
        return SB_TOP;
    if (type == wxEVT_SCROLLWIN_BOTTOM)
        return SB_BOTTOM;
    return -1;
}

// Printing leaves out the marks of the focus, the selection and a drop, and the headings' ground.
bool IsPrinting(const wxDC& dc)
{
    return dc.IsKindOf(wxCLASSINFO(wxPrinterDC));
}

GridKeyState KeysOf(const wxKeyEvent& event)
{
    return {event.ShiftDown(), event.ControlDown()};
}
}  // namespace

// The grid's window as the rules see it.
class CGridCtrl::CWindowHost final : public IGridHost {
public:
    explicit CWindowHost(CGridCtrl& grid) : m_grid(grid) {}

    bool HasWindow() const override { return m_grid.GetHandle() != nullptr; }
    GridSize GetClientSize() const override
    {
        const wxSize size = m_grid.wxWindow::GetClientSize();
        return {size.x, size.y};
    }
    std::intptr_t NotifyParent(int nRow, int nCol, int nCode) override
    {
        wxWindow* pOwner = m_grid.GetParent();
        if (!HasWindow() || pOwner == nullptr)
            return 0;
        GridNotify notify;
        notify.hdr = {GetWndHandle(&m_grid), m_grid.GetCtrlId(), nCode};
        notify.iRow = nRow;
        notify.iColumn = nCol;
        return SendMessage(pOwner, WM_NOTIFY, static_cast<WPARAM>(notify.hdr.idFrom),
                           reinterpret_cast<LPARAM>(&notify));
    }
    void Invalidate(const Rect* pRect) override
    {
        if (pRect == nullptr)
            m_grid.Refresh(false);
        else
            m_grid.RefreshRect(wxRect(pRect->left, pRect->top, pRect->Width(), pRect->Height()), false);
    }
    void ScrollArea(const Rect& rc, int dx, int dy) override
    {
        // GTK scrolls a whole window's pixels, headings included, so the area that moved is
        // painted anew: a paint costs only the cells shown.
        const Rect rcMoved{std::min(rc.left, rc.left + dx), std::min(rc.top, rc.top + dy),
                           std::max(rc.right, rc.right + dx), std::max(rc.bottom, rc.bottom + dy)};
        Invalidate(&rcMoved);
    }
    void ScrollBarsChanged() override
    {
        for (const int nBar : {SB_HORZ, SB_VERT}) {
            const CGridScrollBar& bar = m_grid.GetScrollBar(nBar);
            const int nOrient = nBar == SB_HORZ ? wxHORIZONTAL : wxVERTICAL;
            // A range of 0..0 leaves nothing to scroll: the bar goes.
            if (bar.GetMax() == 0)
                m_grid.SetScrollbar(nOrient, 0, 0, 0);
            else
                m_grid.SetScrollbar(nOrient, bar.GetPos(), bar.GetPage(), bar.GetMax() + 1);
        }
    }
    GridSize MeasureText(const std::string& strText, const GridFont& font) override
    {
        wxClientDC dc(&m_grid);
        dc.SetFont(m_grid.FontFor(font));
        const wxSize size = dc.GetMultiLineTextExtent(wxString::FromUTF8(strText));
        return {size.x, size.y};
    }
    GridFontMetrics GetFontMetrics(const GridFont& font) override
    {
        wxClientDC dc(&m_grid);
        dc.SetFont(m_grid.FontFor(font));
        const wxFontMetrics metrics = dc.GetFontMetrics();
        return {metrics.height, metrics.externalLeading, metrics.averageWidth};
    }
    // The system colours as last read: the toolkit looks each one up in its theme, too slowly
    // for every cell of a paint.
    COLORREF GetSysColour(int nIndex) const override
    {
        return nIndex >= 0 && nIndex < int(m_sysColours.size()) ? m_sysColours[nIndex] : 0;
    }
    void ReadSystemColours()
    {
        for (int i = 0; i < int(m_sysColours.size()); ++i)
            m_sysColours[i] = SysColour(i);
    }
    bool HasFocus() const override { return m_grid.HasFocus(); }
    void TakeFocus() override
    {
        // GTK cannot move the focus while it lays out a window being shown (a resize comes
        // then), so the focus moves once the event loop is back.
        // An in-place editor opened since the request keeps the focus (a double click asks for
        // the focus and then opens one); an editor open at the request loses it and ends.
        m_grid.CallAfter([pGrid = &m_grid, focusAtRequest = wxWeakRef<wxWindow>(wxWindow::FindFocus())] {
            wxWindow* pFocus = wxWindow::FindFocus();
            if (pFocus != nullptr && pFocus->GetParent() == pGrid && pFocus != focusAtRequest.get())
                return;
            if (pGrid->IsShownOnScreen() && !pGrid->HasFocus())
                pGrid->SetFocus();
        });
    }
    void SetWaitCursor(bool bWait) override
    {
        if (bWait)
            wxBeginBusyCursor();
        else
            wxEndBusyCursor();
    }
    void SetTimer(int, int nElapse) override { m_grid.m_autoScroll.Start(nElapse); }
    void KillTimer(int) override { m_grid.m_autoScroll.Stop(); }
    void CaptureMouse() override
    {
        if (!m_grid.HasCapture())
            m_grid.CaptureMouse();
    }
    void ReleaseMouse() override
    {
        if (m_grid.HasCapture())
            m_grid.ReleaseMouse();
    }
    void PostClickToOwner() override
    {
        wxWindow* pOwner = m_grid.GetParent();
        if (pOwner == nullptr)
            return;
        auto* pEvent = new wxCommandEvent(wxEVT_BUTTON, m_grid.GetId());
        pEvent->SetEventObject(&m_grid);
        pOwner->GetEventHandler()->QueueEvent(pEvent);
    }
    bool ClipboardHasText() override
    {
        if (!wxTheClipboard->Open())
            return false;
        const bool bText = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
        wxTheClipboard->Close();
        return bText;
    }
    bool SetClipboardText(const std::string& strText) override
    {
        const wxClipboardLocker lock;
        return !!lock && wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(strText)));
    }
    std::optional<std::string> GetClipboardText() override
    {
        const wxClipboardLocker lock;
        wxTextDataObject data;
        if (!lock || !wxTheClipboard->IsSupported(data.GetFormat()) || !wxTheClipboard->GetData(data))
            return std::nullopt;
        return data.GetText().utf8_string();
    }
    int DoDragDrop(const std::string& strText) override
    {
        wxTextDataObject data(wxString::FromUTF8(strText));
        wxDropSource source(data, &m_grid);
        switch (source.DoDragDrop(wxDrag_AllowMove)) {
        case wxDragCopy: return DROPEFFECT_COPY;
        case wxDragMove: return DROPEFFECT_MOVE;
        default: return DROPEFFECT_NONE;
        }
    }

private:
    CGridCtrl& m_grid;
    std::array<COLORREF, COLOR_3DDKSHADOW + 1> m_sysColours{};
};

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_pHost(std::make_unique<CWindowHost>(*this)), m_autoScroll(this)
{
    m_pHost->ReadSystemColours();
    InitGrid(*m_pHost, nRows, nCols, nFixedRows, nFixedCols);
    const bool bChinese = g_bChinese != 0;
    m_menuPreset.Append(WxId(714), wxString::FromUTF8(bChinese ? "加载 机器预置场景(&E)" : "Load Machine Preset(&E)"));
    m_menuPreset.Append(WxId(713), wxString::FromUTF8(bChinese ? "另存为 机器预置场景(&I)" : "Save As Machine Preset(&I)"));
    m_menuPreset.Append(WxId(715), wxString::FromUTF8(bChinese ? "删除 机器预置场景(&D)" : "Delete Machine Preset(&D)"));
}

CGridCtrl::~CGridCtrl()
{
    // Events that reach the window while wx takes it down find the grid without a window.
    DetachHost();
}

bool CGridCtrl::Create(const wxRect& rc, wxWindow* pParent, int nCtrlId, long nStyle)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (pParent == nullptr ||
        !wxWindow::Create(pParent, WxId(nCtrlId), rc.GetPosition(), rc.GetSize(),
                          nStyle | wxWANTS_CHARS | wxVSCROLL | wxHSCROLL | wxFULL_REPAINT_ON_RESIZE, wxS("GridCtrl")))
        return false;
    Bind(wxEVT_PAINT, &CGridCtrl::OnPaint, this);
    Bind(wxEVT_SIZE, &CGridCtrl::OnSizeEvent, this);
    for (const wxEventTypeTag<wxScrollWinEvent>& type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                                   wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                                   wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &CGridCtrl::OnScrollEvent, this);
    Bind(wxEVT_KEY_DOWN, &CGridCtrl::OnKeyDownEvent, this);
    Bind(wxEVT_CHAR, &CGridCtrl::OnCharEvent, this);
    Bind(wxEVT_MOUSEWHEEL, &CGridCtrl::OnWheelEvent, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        m_pHost->ReadSystemColours();
        OnSysColorChange();
        Refresh(false);
        event.Skip();
    });
    Bind(wxEVT_MOUSE_CAPTURE_CHANGED,
         [this](wxMouseCaptureChangedEvent& event) { OnCaptureChanged(event.GetCapturedWindow() == this); });
    Bind(wxEVT_SET_CURSOR, [this](wxSetCursorEvent& event) {
        switch (GetMouseMode()) {
        case MOUSE_OVER_COLUMN_DIVIDER: event.SetCursor(wxCursor(wxCURSOR_SIZEWE)); break;
        case MOUSE_OVER_ROW_DIVIDER: event.SetCursor(wxCursor(wxCURSOR_SIZENS)); break;
        case MOUSE_DRAGGING: event.Skip(); break;
        default: event.SetCursor(*wxSTANDARD_CURSOR); break;
        }
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { OnCaptureChanged(false); });
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        // A tick scrolls on, then selects as a move to where the pointer is.
        const wxPoint pt = ScreenToClient(wxGetMousePosition());
        OnTimer(GRID_AUTOSCROLL_TIMER, {pt.x, pt.y});
        OnMouseMove({pt.x, pt.y}, true);
    });
    BindMessage(this, WM_NOTIFY, [this](WPARAM wParam, LPARAM lParam) {
        const auto* pNotify = reinterpret_cast<const GridItemNotify*>(lParam);
        if (int(wParam) == IDC_INPLACE_EDIT && pNotify->hdr.code == GRIDN_END_EDIT)
            OnInPlaceEditEnd(pNotify->item, {wxGetKeyState(WXK_SHIFT), wxGetKeyState(WXK_CONTROL)});
        return LRESULT(0);
    });
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DOWN, wxEVT_MOTION,
                             wxEVT_LEAVE_WINDOW})
        Bind(type, &CGridCtrl::OnMouseEvent, this);
    if (GetTitleTips()) {
        m_pTitleTip = new CTitleTip;
        if (!m_pTitleTip->Create(this)) {
            delete m_pTitleTip;
            m_pTitleTip = nullptr;
        }
    }

    for (const auto& [nId, command] : {std::pair{ID_EDIT_COPY, &CGridCore::OnEditCopy}, {ID_EDIT_CUT, &CGridCore::OnEditCut},
                                       {ID_EDIT_PASTE, &CGridCore::OnEditPaste},
                                       {ID_EDIT_SELECT_ALL, &CGridCore::OnEditSelectAll}})
        Bind(wxEVT_MENU, [this, command](wxCommandEvent&) { (this->*command)(); }, WxId(nId));
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(OnUpdateEditCopy()); }, WxId(ID_EDIT_COPY));
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(OnUpdateEditCut()); }, WxId(ID_EDIT_CUT));
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(OnUpdateEditPaste()); }, WxId(ID_EDIT_PASTE));
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(OnUpdateEditSelectAll()); },
         WxId(ID_EDIT_SELECT_ALL));
    if (auto pTarget = std::make_unique<CGridDropTarget>(); pTarget->Register(this))
        pTarget.release();  // the window owns its drop target

    SetGridFont(GetFontDescription(), false);
    for (int r = 0; r < GetRowCount(); ++r)
        SetRowHeight(r, GetDefaultRowHeight());
    for (int c = 0; c < GetColumnCount(); ++c)
        SetColumnWidth(c, GetDefaultColumnWidth());
    UpdateScrollBars();
    return true;
}

int CGridCtrl::GetCtrlId() const
{
    return CtrlId(GetId());
}

bool CGridCtrl::SetFont(const wxFont& font)
{
    wxWindow::SetFont(font);
    if (!font.IsOk())
        return false;
    GridFont desc;
    desc.nHeight = font.GetPixelSize().GetHeight();
    desc.nWeight = font.GetNumericWeight();
    desc.bItalic = font.GetStyle() == wxFONTSTYLE_ITALIC;
    desc.strFace = font.GetFaceName().utf8_string();
    // Cells with this description draw in this very font.
    m_givenDesc = desc;
    m_givenFont = font;
    SetGridFont(desc, true);
    return true;
}

const wxFont& CGridCtrl::FontFor(const GridFont& font)
{
    if (m_givenFont.IsOk() && font == m_givenDesc)
        return m_givenFont;
    if (!m_font.IsOk() || !(font == m_lastFont)) {
        m_font = MakeFont(font.strFace.c_str(), font.nHeight, font.nWeight, font.bItalic);
        m_lastFont = font;
    }
    return m_font;
}

void CGridCtrl::OnPaint(wxPaintEvent&)
{
    const wxRect box = GetUpdateRegion().GetBox();
    if (GetDoubleBuffering()) {
        wxBufferedPaintDC dc(this);
        dc.SetClippingRegion(box);
        OnDraw(dc);
    } else {
        wxPaintDC dc(this);
        dc.SetClippingRegion(box);
        OnDraw(dc);
    }
}

void CGridCtrl::OnDraw(wxDC& dc)
{
    wxRect clip;
    dc.GetClippingBox(clip);
    if (clip.IsEmpty())
        clip = wxRect(dc.GetSize());
    const GridPaintPlan plan = PlanGridPaint(*this, FromWx(clip));
    m_pTextDc = &dc;
    m_bTextFontSet = false;
    m_textColour = wxNullColour;
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const GridPaintFill& fill : plan.fills) {
        dc.SetBrush(wxBrush(ToColour(fill.cr)));
        dc.DrawRectangle(ToWx(fill.rc));
    }
    for (const GridPaintCell& cell : plan.cells) {
        if (cell.bFixed)
            DrawFixedCell(dc, cell.nRow, cell.nCol, cell.rc);
        else
            DrawCell(dc, cell.nRow, cell.nCol, cell.rc);
    }
    dc.SetPen(wxPen(ToColour(GetGridLineColour())));
    for (const GridPaintLine& line : plan.lines)
        dc.DrawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    dc.SetPen(wxNullPen);
    m_pTextDc = nullptr;
}

void CGridCtrl::DrawText(wxDC& dc, const GridCellLook& look, wxRect rc)
{
    const int nMargin = GetMargin();
    rc.x += nMargin;
    rc.width -= 2 * nMargin;
    if (rc.width <= 0 || rc.height <= 0 || look.strText.empty())
        return;
    // Setting a font or a text colour makes the toolkit build its font anew: during a paint,
    // only on a change.
    const wxFont& font = FontFor(look.font);
    const wxColour colour = ToColour(look.crText);
    const bool bInPaint = &dc == m_pTextDc;
    if (!bInPaint || !m_bTextFontSet || !(m_textFont == look.font)) {
        dc.SetFont(font);
        m_textFont = look.font;
        m_bTextFontSet = bInPaint;
        m_textColour = wxNullColour;
    }
    if (!bInPaint || colour != m_textColour) {
        dc.SetTextForeground(colour);
        m_textColour = colour;
    }

    wxString strText = wxString::FromUTF8(look.strText);
    const bool bSingleLine = (look.nFormat & DT_SINGLELINE) != 0;
    if (!bSingleLine && strText.find('\n') != wxString::npos) {
        const int nAlign = (look.nFormat & DT_RIGHT)    ? wxALIGN_RIGHT
                           : (look.nFormat & DT_CENTER) ? wxALIGN_CENTER_HORIZONTAL
                                                        : wxALIGN_LEFT;
        wxDCClipper clipper(dc, rc);
        dc.DrawLabel(strText, rc, nAlign);
        return;
    }
    if (bSingleLine)
        strText.Replace(wxS("\n"), wxS(" "));
    const bool bLeftTop = (look.nFormat & (DT_RIGHT | DT_CENTER)) == 0 &&
                          (!bSingleLine || (look.nFormat & (DT_VCENTER | DT_BOTTOM)) == 0);
    // The text is laid out once: measured only where its place needs its size, and drawn.
    std::optional<CTextLayout> text(std::in_place, dc, strText);
    if (bLeftTop && !(bSingleLine && (look.nFormat & DT_END_ELLIPSIS))) {
        text->Draw(rc, rc.x, rc.y);
        return;
    }
    wxSize size = text->GetSize();
    if (bSingleLine && (look.nFormat & DT_END_ELLIPSIS) && size.x > rc.width) {
        text.emplace(dc, wxControl::Ellipsize(strText, dc, wxELLIPSIZE_END, rc.width));
        size = text->GetSize();
    }
    const int w = size.x;
    const int h = size.y;
    int x = rc.x;
    if (look.nFormat & DT_RIGHT)
        x = rc.GetRight() + 1 - w;
    else if (look.nFormat & DT_CENTER)
        x = rc.x + (rc.width - w) / 2;
    int y = rc.y;
    if (bSingleLine && (look.nFormat & DT_VCENTER))
        y = rc.y + (rc.height - h) / 2;
    else if (bSingleLine && (look.nFormat & DT_BOTTOM))
        y = rc.GetBottom() + 1 - h;
    text->Draw(rc, x, y);
}

bool CGridCtrl::DrawFixedCell(wxDC& dc, int nRow, int nCol, const Rect& rcCell, bool)
{
    GridCellLook look;
    const bool bPrinting = IsPrinting(dc);
    if (!GetCellLook(nRow, nCol, bPrinting, look))
        return false;
    wxRect rc = Covered(rcCell);
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (!bPrinting) {
        dc.SetBrush(wxBrush(ToColour(look.crBack)));
        dc.DrawRectangle(rc);
    }
    const Rect& r = rcCell;
    if (look.bSunken) {
        // A sunken edge round the cell and the grid line after it.
        dc.SetPen(wxPen(ToColour(m_pHost->GetSysColour(COLOR_3DDKSHADOW))));
        dc.DrawLine(r.right, r.top, r.left, r.top);
        dc.DrawLine(r.left, r.top, r.left, r.bottom + 1);
        dc.SetPen(wxPen(ToColour(m_pHost->GetSysColour(COLOR_3DHIGHLIGHT))));
        dc.DrawLine(r.left, r.bottom, r.right + 1, r.bottom);
        dc.DrawLine(r.right, r.top, r.right, r.bottom);
    } else {
        dc.SetPen(wxPen(ToColour(m_pHost->GetSysColour(COLOR_3DHIGHLIGHT))));
        dc.DrawLine(r.right, r.top, r.left, r.top);
        dc.DrawLine(r.left, r.top, r.left, r.bottom);
        dc.SetPen(wxPen(ToColour(m_pHost->GetSysColour(COLOR_3DDKSHADOW))));
        dc.DrawLine(r.right, r.top, r.right, r.bottom);
        dc.DrawLine(r.right, r.bottom, r.left, r.bottom);
    }
    rc.Deflate(1);
    DrawText(dc, look, rc);
    return true;
}

bool CGridCtrl::DrawCell(wxDC& dc, int nRow, int nCol, const Rect& rcCell, bool)
{
    GridCellLook look;
    if (!GetCellLook(nRow, nCol, IsPrinting(dc), look))
        return false;
    wxRect rc = Covered(rcCell);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ToColour(look.crBack)));
    dc.DrawRectangle(rc);
    if (look.bFrame) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(rc.x, rc.y, rc.width - 1, rc.height - 1);
        rc.Deflate(1);
    }
    DrawText(dc, look, rc);
    return true;
}

wxBitmap CGridCtrl::CreateDragImage(wxPoint* pHotSpot)
{
    const CGridCellPos focus = GetFocusCell();
    Rect rc;
    if (GetHandle() == nullptr || !GetCellRect(focus.row, focus.col, rc))
        return wxNullBitmap;
    const Rect rcAtOrigin{0, 0, rc.Width(), rc.Height()};
    wxBitmap bmp(rc.Width() + 1, rc.Height() + 1, 24);
    {
        wxMemoryDC dc(bmp);
        DrawCell(dc, focus.row, focus.col, rcAtOrigin, true);
    }
    if (pHotSpot != nullptr)
        *pHotSpot = {rc.Width(), rc.Height()};
    return bmp;
}

void CGridCtrl::OnSizeEvent(wxSizeEvent& event)
{
    OnSize();
    event.Skip();
}

void CGridCtrl::OnScrollEvent(wxScrollWinEvent& event)
{
    if (m_pTitleTip != nullptr)
        m_pTitleTip->Hide();
    const int nCode = ScrollCode(event.GetEventType());
    if (nCode < 0)
        return;
    if (event.GetOrientation() == wxVERTICAL)
        OnVScroll(nCode, event.GetPosition());
    else
        OnHScroll(nCode, event.GetPosition());
}

void CGridCtrl::OnKeyDownEvent(wxKeyEvent& event)
{
    if (m_pTitleTip != nullptr)
        m_pTitleTip->Hide();
    const int nKey = WinKeyCode(event);
    const GridKeyState keys = KeysOf(event);
    if (!WantsKey(nKey, keys) || !OnKeyDown(nKey, keys))
        event.Skip();
}

void CGridCtrl::OnCharEvent(wxKeyEvent& event)
{
    // Only characters start an edit: a function key has no character to put in the cell.
    if (event.GetUnicodeKey() != WXK_NONE)
        OnChar(int(event.GetUnicodeKey()), KeysOf(event));
    event.Skip();
}

void CGridCtrl::CreateInPlaceEditControl(const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                                         const std::string& strText, int nChar)
{
    // The window owns the editor, which goes when the edit ends.
    new CInPlaceEdit(this, rc, nStyle, nId, nRow, nCol, strText, nChar);
}

void CGridCtrl::OnWheelEvent(wxMouseEvent& event)
{
    if (m_pTitleTip != nullptr)
        m_pTitleTip->Hide();
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL)
        OnMouseWheel(event.GetWheelRotation() * 120 / std::max(1, event.GetWheelDelta()));
    event.Skip();
}

void CGridCtrl::OnMouseEvent(wxMouseEvent& event)
{
    const Point pt{event.GetX(), event.GetY()};
    const wxEventType type = event.GetEventType();
    // The pointer leaves the grid for the tip laid over the cell: the tip stays.
    if (m_pTitleTip != nullptr && type != wxEVT_MOTION &&
        !(type == wxEVT_LEAVE_WINDOW && m_pTitleTip->IsShown() &&
          m_pTitleTip->GetScreenRect().Contains(wxGetMousePosition())))
        m_pTitleTip->Hide();
    if (type == wxEVT_LEFT_DOWN)
        OnLButtonDown(pt, {event.ShiftDown(), event.ControlDown()});
    else if (type == wxEVT_LEFT_UP)
        OnLButtonUp(pt);
    else if (type == wxEVT_LEFT_DCLICK)
        OnLButtonDblClk(pt);
    else if (type == wxEVT_RIGHT_DOWN)
        ShowPresetMenu(event.GetPosition(), {event.ShiftDown(), event.ControlDown()});
    else if (type == wxEVT_MOTION) {
        OnMouseMove(pt, event.LeftIsDown());
        ShowTitleTip(pt);
    } else if (type == wxEVT_LEAVE_WINDOW && !event.LeftIsDown())
        OnMouseMove({-1, -1}, false);
}

void CGridCtrl::ShowTitleTip(Point pt)
{
    if (m_pTitleTip == nullptr)
        return;
    CGridCellPos cell;
    Rect rc;
    if (!GetTitleTipCell(pt, cell, rc)) {
        m_pTitleTip->Hide();
        return;
    }
    if (m_pTitleTip->IsShown() && cell == m_cellTitleTip)
        return;
    m_cellTitleTip = cell;
    const wxRect rcCell = Covered(rc);
    m_pTitleTip->Show(rcCell, wxString::FromUTF8(GetItemText(cell.row, cell.col)), GetMargin(), &rcCell,
                      &FontFor(*GetItemFont(cell.row, cell.col)));
}

void CGridCtrl::ShowPresetMenu(const wxPoint& pt, GridKeyState keys)
{
    if (!OnRButtonDown({pt.x, pt.y}, keys))
        return;
    m_menuPreset.SetLabel(WxId(715), wxString::FromUTF8(g_bChinese ? "删除 机器预置场景(&D)" : "Delete Machine Preset(&D)"));
    wxWindow* pOwner = GetParent();
    if (pOwner != nullptr) {
        const wxPoint ptOwner = pOwner->ScreenToClient(wxGetMousePosition());
        if (m_fnPopup)
            m_fnPopup(m_menuPreset, *pOwner, ptOwner);
        else
            pOwner->PopupMenu(&m_menuPreset, ptOwner);
    }
    OnPresetMenuClosed();
}
