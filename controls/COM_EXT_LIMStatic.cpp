#include "controls/COM_EXT_LIMStatic.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>

#include "controls/CurveContext.h"
#include "controls/GdiConvert.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/KTV_Data.h"
#include "platform/Trace.h"
#include "res/Fonts.h"

namespace {

const wxColour BLACK{0, 0, 0};
const wxColour LABEL_TEXT{200, 200, 200};
const wxColour FRAME_GREEN{0, 180, 0};
const wxColour GRID_GREEN{21, 100, 21};
const wxColour DASH_GREY{195, 195, 195};
const wxColour HANDLE_YELLOW{255, 255, 0};
constexpr double CURVE_WIDTH = 2.0;

}  // namespace

CCOM_EXT_LIMStatic::CCOM_EXT_LIMStatic()
{
    m_font = MakeFont("Arial", 14, 400);
    Trace("loading from IDC_HAND\n");
    m_hCursor = wxCursor(wxCURSOR_SIZENESW);
}

void CCOM_EXT_LIMStatic::PreSubclassWindow()
{
    Bind(wxEVT_MOTION, &CCOM_EXT_LIMStatic::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CCOM_EXT_LIMStatic::OnLButtonDown, this);
    Bind(wxEVT_LEFT_UP, &CCOM_EXT_LIMStatic::OnLButtonUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CCOM_EXT_LIMStatic::OnCaptureLost, this);
}

void CCOM_EXT_LIMStatic::LayoutPlot()
{
    const wxSize size = GetClientSize();
    CLimCurveModel::LayoutPlot(size.x, size.y);
}

void CCOM_EXT_LIMStatic::LoadChannel(int i)
{
    m_pOut = m_pData->GetOutData(i);
    m_pOut->GetCurveColor(m_clrCurve);
    UpdateEditable();
    Redraw();
}

void CCOM_EXT_LIMStatic::Redraw()
{
    if (m_pOut != nullptr)
        SetLevel(m_pOut->GetLimLevel());
    Refresh(false);
}

void CCOM_EXT_LIMStatic::SetDbuControls(CNumSpin* pSpin, CNumEdit* pEdit)
{
    m_pDbuSpin = pSpin;
    m_pDbuEdit = pEdit;
    UpdateEditable();
}

// Only a shown output with its dBu fields attached can be edited; anything else would change
// nothing but the graph's own copy.
void CCOM_EXT_LIMStatic::UpdateEditable()
{
    SetEditable(m_pDbuSpin != nullptr && m_pDbuEdit != nullptr && m_pOut != nullptr);
}

void CCOM_EXT_LIMStatic::SetLevelControls(CNumSpin* pSpin, CNumEdit* pEdit)
{
    m_pLevelSpin = pSpin;
    m_pLevelEdit = pEdit;
}

void CCOM_EXT_LIMStatic::Draw(wxDC& dc)
{
    if (GetGraphMode() != LIM_GRAPH_MODE)
        return;
    const Rect& rc = GetGraphRect();
    const Rect& plot = GetPlotRect();
    dc.SetPen(wxPen(BLACK, 1));
    dc.SetBrush(wxBrush(BLACK));
    dc.DrawRectangle(rc.left, rc.top, rc.Width(), rc.Height());
    dc.SetFont(m_font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(LABEL_TEXT);
    for (const GraphLabel& label : GetAxisLabels())
        dc.DrawText(wxString::FromUTF8(label.strText), label.pt.x, label.pt.y);

    dc.SetPen(wxPen(FRAME_GREEN, 1));
    dc.DrawRectangle(plot.left, plot.top, plot.Width(), plot.Height());
    dc.SetPen(wxPen(GRID_GREEN, 1));
    for (int y : GetGridY())
        dc.DrawLine(plot.left, y, plot.right - 1, y);
    for (int x : GetGridX())
        dc.DrawLine(x, plot.bottom - 1, x, plot.top);

    if (m_pOut == nullptr)
        return;
    const auto gc = CurveContext(dc, rc);
    if (!gc)
        return;
    const PointF s = GetStart();
    const PointF k = GetKnee();
    const PointF e = GetEnd();
    gc->SetPen(gc->CreatePen(wxGraphicsPenInfo(DASH_GREY, CURVE_WIDTH, wxPENSTYLE_SHORT_DASH)));
    gc->StrokeLine(s.x, s.y, k.x, k.y);
    gc->SetPen(gc->CreatePen(wxGraphicsPenInfo(ToWx(m_clrCurve), CURVE_WIDTH)));
    gc->StrokeLine(s.x, s.y, k.x, k.y);
    gc->StrokeLine(k.x, k.y, e.x, e.y);
    const Rect h = GetHandleRect();
    gc->SetPen(gc->CreatePen(wxGraphicsPenInfo(HANDLE_YELLOW, CURVE_WIDTH)));
    gc->SetBrush(wxBrush(HANDLE_YELLOW));
    gc->DrawEllipse(h.left, h.top, h.Width(), h.Height());
}

void CCOM_EXT_LIMStatic::OnMouseMove(wxMouseEvent& event)
{
    const int nLevel = MouseMoved({event.GetX(), event.GetY()});
    if (nLevel >= 0) {
        for (CNumSpin* pSpin : {m_pDbuSpin, m_pLevelSpin})
            if (pSpin != nullptr)
                pSpin->SetPos(nLevel);
        for (CNumEdit* pEdit : {m_pDbuEdit, m_pLevelEdit})
            if (pEdit != nullptr)
                pEdit->SetHighlight(true);
        m_pOut->SetLimLevel(static_cast<std::int16_t>(nLevel));
        Refresh(false);
    }
    SetCursor(IsHover() ? m_hCursor : wxNullCursor);
    event.Skip();
}

void CCOM_EXT_LIMStatic::OnLButtonDown(wxMouseEvent& event)
{
    SetFocus();
    TakeMouse();
    ButtonPressed();
    event.Skip();
}

void CCOM_EXT_LIMStatic::OnLButtonUp(wxMouseEvent& event)
{
    FreeMouse();
    ButtonReleased();
    event.Skip();
}

void CCOM_EXT_LIMStatic::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    ButtonReleased();
}
