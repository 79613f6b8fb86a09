#include "controls/EqCurveStatic.h"

#include <algorithm>
#include <cmath>

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/utils.h>

#include "controls/CurveContext.h"
#include "controls/GdiConvert.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"
#include "res/Fonts.h"
#include "res/Skins.h"

namespace {

const wxColour BLACK{0, 0, 0};
const wxColour GRID_GREY{100, 100, 100};
const wxColour FREQ_TEXT{224, 224, 224};
const wxColour HIGHLIGHT_FILL{68, 86, 98};
const wxColour NUMBER_WHITE{255, 255, 255};
const wxColour NUMBER_RED{255, 0, 0};
const wxColour BYPASS_FILL{155, 155, 155};
const wxColour BYPASS_HALO{94, 104, 116};
constexpr int BYPASS_HALO_ALPHA = 32;
constexpr int BYPASS_OUTLINES = 7;  // outlines of widths 1 to 7 px
constexpr int BYPASS_EM_PIXELS = 48;
constexpr int TEXT_PIXELS = 12;
const wxPoint LINK_ICON_AT{50, 15};

// The channel's 241 points as straight segments, or (every third point on the curve, the two
// between as control points) as a chain of cubic Bezier segments.
wxGraphicsPath CurvePath(wxGraphicsContext& gc, const PointF* pts, bool bBezier)
{
    wxGraphicsPath path = gc.CreatePath();
    path.MoveToPoint(pts[0].x, pts[0].y);
    if (bBezier) {
        for (int i = 1; i + 2 < FREQ_POINTS; i += 3)
            path.AddCurveToPoint(pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, pts[i + 2].x, pts[i + 2].y);
    } else {
        for (int i = 1; i < FREQ_POINTS; ++i)
            path.AddLineToPoint(pts[i].x, pts[i].y);
    }
    return path;
}

// "All Bypass" with its soft halo, made once per language: seven outlines of widths 1 to 7 px in a
// faint blue grey add up to a halo that fades outwards, and the grey fill goes over them. The
// outlines are computed from the distance of each pixel to the drawn glyphs, as the toolkit
// turns no text into a path.
struct BypassImage {
    wxBitmap bmp;
    int nPad = 0;
    wxSize textSize;
};

BypassImage MakeBypassImage(bool bChinese)
{
    const wxString text = wxString::FromUTF8(bChinese ? "直通" : "All Bypass");
    const wxFont font = MakeFont("Arial", -BYPASS_EM_PIXELS, 400);
    BypassImage out;
    out.nPad = (BYPASS_OUTLINES + 1) / 2 + 1;
    {
        wxBitmap probe(1, 1);
        wxMemoryDC dc(probe);
        dc.SetFont(font);
        out.textSize = dc.GetTextExtent(text);
    }
    const int w = out.textSize.x + 2 * out.nPad;
    const int h = out.textSize.y + 2 * out.nPad;
    wxBitmap glyphs(w, h, 24);
    {
        wxMemoryDC dc(glyphs);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetFont(font);
        dc.SetTextForeground(*wxWHITE);
        dc.DrawText(text, out.nPad, out.nPad);
    }
    const wxImage mask = glyphs.ConvertToImage();
    wxImage image(w, h);
    image.InitAlpha();
    const int reach = out.nPad;
    const double haloKeep = 1.0 - BYPASS_HALO_ALPHA / 255.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double cover = mask.GetRed(x, y) / 255.0;
            double nearest = reach + 1.0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int sx = x + dx;
                    const int sy = y + dy;
                    if (sx >= 0 && sy >= 0 && sx < w && sy < h && mask.GetRed(sx, sy) >= 128)
                        nearest = std::min(nearest, std::hypot(dx, dy));
                }
            // An outline of width n reaches n / 2 px beyond the glyph edge.
            const double edge = std::max(0.0, nearest - 0.5);
            int outlines = 0;
            for (int n = 1; n <= BYPASS_OUTLINES; ++n)
                outlines += n / 2.0 >= edge;
            const double halo = 1.0 - std::pow(haloKeep, outlines);
            const double alpha = cover + (1 - cover) * halo;
            const auto mix = [&](unsigned char fill, unsigned char glow) {
                return static_cast<unsigned char>(
                    alpha > 0 ? std::lround((cover * fill + (1 - cover) * halo * glow) / alpha) : 0);
            };
            image.SetRGB(x, y, mix(BYPASS_FILL.Red(), BYPASS_HALO.Red()), mix(BYPASS_FILL.Green(), BYPASS_HALO.Green()),
                         mix(BYPASS_FILL.Blue(), BYPASS_HALO.Blue()));
            image.SetAlpha(x, y, static_cast<unsigned char>(std::lround(alpha * 255)));
        }
    }
    out.bmp = wxBitmap(image);
    return out;
}

const BypassImage& GetBypassImage(bool bChinese)
{
    static const BypassImage english = MakeBypassImage(false);
    static const BypassImage chinese = MakeBypassImage(true);
    return bChinese ? chinese : english;
}

}  // namespace

CEqCurveStatic::CEqCurveStatic() : m_timer([this] { OnTimer(EQ_NOTIFY_TIMER); })
{
    Trace("loading from IDC_HAND\n");
    m_hCursorMove = wxCursor(wxCURSOR_SIZING);
    m_hCursorSizeWE = wxCursor(wxCURSOR_SIZEWE);
    m_hCursorSizeNS = wxCursor(wxCURSOR_SIZENS);
}

CEqCurveStatic::~CEqCurveStatic()
{
    m_pNotifyWnd = nullptr;
    m_timer.Stop();
}

void CEqCurveStatic::PreSubclassWindow()
{
    CEqCurveModel::LayoutGrid(GetClientSize().x, GetClientSize().y);
    Bind(wxEVT_PAINT, &CEqCurveStatic::OnPaint, this);
    Bind(wxEVT_MOTION, &CEqCurveStatic::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CEqCurveStatic::OnLButtonDown, this);
    Bind(wxEVT_LEFT_UP, &CEqCurveStatic::OnLButtonUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CEqCurveStatic::OnCaptureLost, this);
    Bind(wxEVT_KILL_FOCUS, &CEqCurveStatic::OnKillFocus, this);
}

bool CEqCurveStatic::SetLinkBitmap(int nId, int)
{
    m_bmpLink = LoadSkin(nId);
    return true;
}

void CEqCurveStatic::AttachData(CKTV_Data* pData, int nType)
{
    m_pData = pData;
    m_pEffect = pData->GetEffectData();
    LayoutGrid();
    if (nType == EQ_MODE_MUSIC)
        pData->SetMusicGraphRect(GetPlotRect());
    else if (nType == EQ_MODE_OUTPUT)
        pData->SetOutGraphRect(GetPlotRect());
}

void CEqCurveStatic::LayoutGrid()
{
    const wxSize size = GetClientSize();
    CEqCurveModel::LayoutGrid(size.x, size.y);
    if (IsShownOnScreen())  // screen coordinates exist only then
        m_rcWindow = FromWx(GetScreenRect());
    m_bNotifyArmed = true;
    m_timer.Stop();
    TickWhileNotifyPending();
}

void CEqCurveStatic::StopNotifyTimer()
{
    m_bNotifyArmed = false;
    m_timer.Stop();
}

void CEqCurveStatic::TickWhileNotifyPending()
{
    if (m_bNotifyArmed && NotifyPending() && !m_timer.IsRunning())
        m_timer.Start(EQ_NOTIFY_PERIOD_MS);
}

void CEqCurveStatic::ShowEffectCurve()
{
    ShowBands(m_pEffect->GetEQ(), EQ_MODE_EFFECT, 0);
    Redraw(-1);
}

void CEqCurveStatic::ShowMicCurve(int i)
{
    m_pCurMic = m_pData->GetMicData(i);
    ShowBands(m_pCurMic->GetEQ(), EQ_MODE_MIC, EQ_SOURCE_MIC + i);
    Redraw(-1);
}

void CEqCurveStatic::ShowMusicCurve(int i)
{
    m_pCurMusic = m_pData->GetMusicData(i);
    ShowBands(m_pCurMusic->GetEQ(), EQ_MODE_MUSIC, i);
    Redraw(-1);
}

void CEqCurveStatic::ShowOutputCurve(int i)
{
    m_pCurOut = m_pData->GetOutData(i);
    ShowBands(m_pCurOut->GetEQ(), EQ_MODE_OUTPUT, EQ_SOURCE_OUTPUT + i);
    m_nOutIndex = i;
    Redraw(-1);
}

void CEqCurveStatic::SetCurveMode(int nMode)
{
    CEqCurveModel::SetCurveMode(nMode);
    Redraw(-1);
}

void CEqCurveStatic::Redraw(int nSelected)
{
    SetSelected(nSelected);
    RefreshRect(ToWx(GetPlotRect()), false);
}

bool CEqCurveStatic::Enable(bool bEnable)
{
    m_pActive = nullptr;
    const bool bChanged = CDrawnControl::Enable(bEnable);
    Refresh(false);
    return bChanged;
}

bool CEqCurveStatic::IsShownOutputLinked() const
{
    return g_bLinkLR && IsChannelLinked(m_nOutIndex);
}

void CEqCurveStatic::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    // A repaint asked for by Redraw covers only the plot, and so does the drawing.
    const wxRect rcUpdate = GetUpdateRegion().GetBox();
    if (ToWx(GetPlotRect()).Contains(rcUpdate))
        DrawPlot(dc);
    else
        Draw(dc);
}

void CEqCurveStatic::Draw(wxDC& dc)
{
    DrawAxes(dc);
    DrawPlot(dc);
}

void CEqCurveStatic::DrawAxes(wxDC& dc)
{
    dc.SetPen(wxPen(GRID_GREY, 1));
    dc.SetBrush(wxBrush(BLACK));
    dc.DrawRectangle(ToWx(m_rcClient));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(LabelFont(TEXT_PIXELS));
    for (const GraphLabel& label : GetAxisLabels()) {
        dc.SetTextForeground(label.bDim ? GRID_GREY : FREQ_TEXT);
        dc.DrawText(wxString::FromUTF8(label.strText), label.pt.x, label.pt.y);
    }
}

void CEqCurveStatic::DrawPlot(wxDC& dc)
{
    const int nMode = GetCurveMode();
    if (nMode < EQ_MODE_GRID || nMode > EQ_MODE_OUTPUT || (nMode == EQ_MODE_OUTPUT && g_nViewMode != 1 && g_nViewMode != 2))
        return;
    const Rect& rcPlot = GetPlotRect();
    const EqPlotStyle& style = GetPlotStyle(nMode);
    wxDCClipper clip(dc, ToWx(rcPlot));
    dc.SetPen(wxPen(ToWx(style.clrBorder), 1));
    dc.SetBrush(wxBrush(BLACK));
    dc.DrawRectangle(ToWx(rcPlot));

    CFilter* pHighlight = nMode == EQ_MODE_GRID ? nullptr : GetHighlightBand();
    if (pHighlight != nullptr) {
        if (auto gc = CurveContext(dc, rcPlot)) {
            wxGraphicsPath path = gc->CreatePath();
            const Point* pts = pHighlight->GetPolygon();
            path.MoveToPoint(pts[0].x, pts[0].y);
            for (int i = 1; i < POLYGON_POINTS; ++i)
                path.AddLineToPoint(pts[i].x, pts[i].y);
            path.CloseSubpath();
            gc->SetBrush(wxBrush(HIGHLIGHT_FILL));
            gc->FillPath(path);
        }
    }

    dc.SetPen(wxPen(GRID_GREY, 1));
    for (int i = 1; i < EQ_GRID_LINES; ++i)
        dc.DrawLine(GetGridX(i), rcPlot.top, GetGridX(i), rcPlot.bottom);
    for (int k = 1; k <= 8; ++k)
        dc.DrawLine(rcPlot.left, GetGridY(k), rcPlot.right, GetGridY(k));

    if (nMode != EQ_MODE_GRID && GetBands() != nullptr) {
        DrawChannelCurve(dc);
        DrawBandNumbers(dc);
        DrawHandles(dc);
        DrawLabel(dc);
    }
    if (nMode == EQ_MODE_OUTPUT && IsShownOutputLinked())
        DrawLinkIcon(dc);
}

CChannelData* CEqCurveStatic::ShownChannel() const
{
    switch (GetCurveMode()) {
    case EQ_MODE_EFFECT:
        return m_pEffect;
    case EQ_MODE_MIC:
        return m_pCurMic;
    case EQ_MODE_MUSIC:
        return m_pCurMusic;
    case EQ_MODE_OUTPUT:
        return m_pCurOut;
    default:
        return nullptr;
    }
}

int CEqCurveStatic::UpdateShownCurve()
{
    switch (GetCurveMode()) {
    case EQ_MODE_EFFECT:
        m_pEffect->UpdateCurve();
        return 0;
    case EQ_MODE_MIC:
        m_pCurMic->UpdateCurve();
        return 0;
    case EQ_MODE_MUSIC:
        m_pCurMusic->UpdateCurve();
        return m_pCurMusic->UpdateEQBypass();
    case EQ_MODE_OUTPUT:
        m_pCurOut->UpdateCurve();
        return m_pCurOut->UpdateEQBypass();
    default:
        return 0;
    }
}

void CEqCurveStatic::DrawChannelCurve(wxDC& dc)
{
    CChannelData* pChannel = ShownChannel();
    if (pChannel == nullptr)
        return;
    const int bBypass = UpdateShownCurve();
    const int nMode = GetCurveMode();
    const EqPlotStyle& style = GetPlotStyle(nMode);
    auto gc = CurveContext(dc, GetPlotRect());
    if (!gc)
        return;
    if (nMode == EQ_MODE_OUTPUT && g_nLineSet) {
        gc->SetPen(gc->CreatePen(wxGraphicsPenInfo(ToWx(g_clrCurveGrid), 3.0)));
        for (int j = 0; j < OUTPUT_CHANNELS; ++j) {
            if (j == m_nOutIndex || !IsCrossoverBand(m_nOutIndex, j))
                continue;
            CKTV_OutData* pOther = m_pData->GetOutData(j);
            pOther->UpdateCurve();
            gc->StrokePath(CurvePath(*gc, pOther->GetCurveF(), false));
        }
    }
    Color clrCurve = g_clrCurveLine;
    if (nMode == EQ_MODE_EFFECT || nMode == EQ_MODE_MIC)
        pChannel->GetCurveColor(clrCurve);
    gc->SetPen(gc->CreatePen(wxGraphicsPenInfo(ToWx(clrCurve), 2.0)));
    gc->StrokePath(CurvePath(*gc, pChannel->GetCurveF(), style.bBezier));
    gc.reset();
    if (style.bBypassText && bBypass)
        DrawBypassText(dc);
}

void CEqCurveStatic::DrawBypassText(wxDC& dc)
{
    const BypassImage& image = GetBypassImage(g_bChinese != 0);
    const Rect& rcPlot = GetPlotRect();
    const int x = rcPlot.Width() / 2 - image.textSize.x / 2 - image.nPad;
    const int y = rcPlot.Height() / 3 - image.nPad;
    dc.DrawBitmap(image.bmp, x, y, true);
}

void CEqCurveStatic::DrawBandNumbers(wxDC& dc)
{
    const CKTVEQ* pEQ = GetBands();
    const CFilter* pHighlight = GetHighlightBand();
    const bool bRedHighlight = GetPlotStyle(GetCurveMode()).bRedHighlight;
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(LabelFont(TEXT_PIXELS));
    for (int i = pEQ->GetSize() - 1; i >= 0; --i) {
        if (!IsNumberShown(i))
            continue;
        const CFilter* pBand = pEQ->GetAt(i);
        dc.SetTextForeground(bRedHighlight && pBand == pHighlight ? NUMBER_RED : NUMBER_WHITE);
        int nAlign = wxALIGN_CENTER_VERTICAL;
        switch (GetNumberAlign(*pBand)) {
        case EqTextAlign::Left:
            nAlign |= wxALIGN_LEFT;
            break;
        case EqTextAlign::Right:
            nAlign |= wxALIGN_RIGHT;
            break;
        case EqTextAlign::Centre:
            nAlign |= wxALIGN_CENTER_HORIZONTAL;
            break;
        }
        dc.DrawLabel(wxString::FromUTF8(GetNumberText(*pBand, i)), ToWx(pBand->GetNodeRect()), nAlign);
    }
}

void CEqCurveStatic::DrawHandles(wxDC& dc)
{
    if (!ShowsHandles())
        return;
    wxColour pen = NUMBER_RED;
    if (GetPlotStyle(GetCurveMode()).bChannelHandles)
        pen = ToWx(ShownChannel()->GetChannelColor());
    dc.SetPen(wxPen(pen, 1));
    dc.SetBrush(wxBrush(HIGHLIGHT_FILL));
    dc.DrawRectangle(ToWx(m_pActive->GetLeftRect()));
    dc.DrawRectangle(ToWx(m_pActive->GetRightRect()));
}

void CEqCurveStatic::DrawLabel(wxDC& dc)
{
    CFilter* pBand = GetHighlightBand();
    if (pBand == nullptr)
        return;
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(LabelFont(TEXT_PIXELS));
    dc.SetTextForeground(ToWx(GetPlotStyle(GetCurveMode()).clrLabel));
    dc.DrawLabel(wxString::FromUTF8(pBand->BuildLabel()), ToWx(pBand->GetLabelRect()), wxALIGN_CENTER);
}

void CEqCurveStatic::DrawLinkIcon(wxDC& dc)
{
    if (m_bmpLink.IsOk())
        dc.DrawBitmap(m_bmpLink, LINK_ICON_AT, true);
}

void CEqCurveStatic::OnMouseMove(wxMouseEvent& event)
{
    if (MouseMoved({event.GetX(), event.GetY()}))
        Redraw(-1);
    UpdateCursor();
    TickWhileNotifyPending();
    event.Skip();
}

void CEqCurveStatic::ParkPointerBelow()
{
    if (GetScreenRect().Contains(wxGetMousePosition()))
        WarpPointer(0, GetClientSize().y);
}

void CEqCurveStatic::UpdateCursor()
{
    switch (GetCursorKind()) {
    case EqCursor::Move:
        SetCursor(m_hCursorMove);
        break;
    case EqCursor::SizeWE:
        SetCursor(m_hCursorSizeWE);
        break;
    case EqCursor::SizeNS:
        SetCursor(m_hCursorSizeNS);
        break;
    case EqCursor::Arrow:
        SetCursor(wxNullCursor);
        break;
    }
}

void CEqCurveStatic::OnLButtonDown(wxMouseEvent& event)
{
    SetFocus();
    TakeMouse();
    ButtonPressed({event.GetX(), event.GetY()});
    event.Skip();
}

void CEqCurveStatic::OnLButtonUp(wxMouseEvent& event)
{
    FreeMouse();
    ButtonReleased();
    TickWhileNotifyPending();
    event.Skip();
}

// The toolkit took the mouse away (another window grabbed it): the drag ends as at a release.
void CEqCurveStatic::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    ButtonReleased();
    TickWhileNotifyPending();
}

void CEqCurveStatic::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    if (m_pNotifyWnd != nullptr)
        PostMessage(m_pNotifyWnd, WM_EQCURVE_KILLFOCUS, 0, 0);
}

void CEqCurveStatic::OnTimer(int nId)
{
    if (nId != EQ_NOTIFY_TIMER || m_pNotifyWnd == nullptr)
        return;
    if (!NotifyDue()) {
        m_timer.Stop();
        return;
    }
    PostMessage(m_pNotifyWnd, WM_EQCURVE_CHANGED, static_cast<WPARAM>(GetBand()), GetSourceCode());
}
