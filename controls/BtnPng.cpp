#include "controls/BtnPng.h"

#include <wx/dcmemory.h>

#include <cstring>

#include "controls/BitButton.h"
#include "controls/SkinBackground.h"
#include "controls/WndMessages.h"
#include "model/StdAfx.h"
#include "res/PngImages.h"
#include "res/WinStyles.h"

namespace {
constexpr int kHoverTimeMs = 1;  // the mouse rests this long before the hover look shows

wxImage RotateFlip(const wxImage& image, RotateFlipType type)
{
    wxImage result = image;
    for (int i = 0; i < type % 4; ++i)
        result = result.Rotate90(true);
    return type >= RotateNoneFlipX ? result.Mirror(true) : result;
}
}  // namespace

bool CPngResourceImage::LoadFromResource(int nId, const char* szType)
{
    m_image = wxImage();
    if (szType == nullptr || std::strcmp(szType, "PNG") != 0)
        return false;
    m_image = LoadPngImage(nId);
    return m_image.IsOk();
}

CBtnPng::CBtnPng() : m_hoverTimer([this] { OnHoverTimer(); })
{
    Bind(wxEVT_MOTION, &CBtnPng::OnMouseMove, this);
    Bind(wxEVT_LEAVE_WINDOW, &CBtnPng::OnMouseLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CBtnPng::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CBtnPng::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CBtnPng::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CBtnPng::OnCaptureLost, this);
}

void CBtnPng::PreSubclassWindow()
{
    const ButtonDraw draw = ButtonDrawOf(GetStyle());
    m_nKind = draw == ButtonDraw::System ? kSystem : draw == ButtonDraw::None ? kNone : kCustom;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);  // in every case
    if (m_bHandCursor)
        SetCursor(HandCursor());
}

void CBtnPng::Load(State state, int nId)
{
    auto pImage = std::make_unique<CPngResourceImage>();
    pImage->LoadFromResource(nId);
    m_images[state] = std::move(pImage);
}

// The button takes the size of the state's image; an image that is missing leaves the size as
// it was.
void CBtnPng::TakeSize(State state)
{
    const wxImage& image = m_images[state]->GetImage();
    if (!image.IsOk())
        return;
    m_nWidth = image.GetWidth();
    m_nHeight = image.GetHeight();
    SetSize(m_nWidth, m_nHeight);
}

void CBtnPng::SetImages(int nNormal, int nHover, int nPressed)
{
    Load(Normal, nNormal);
    Load(Hover, nHover);
    Load(Pressed, nPressed);
    TakeSize(Normal);
}

void CBtnPng::SetCheckedImages(int nNormal, int nHover, int nPressed)
{
    Load(CheckedNormal, nNormal);
    Load(CheckedHover, nHover);
    Load(CheckedPressed, nPressed);
}

void CBtnPng::SetImagesWithChinese(int nNormal, int nHover, int nPressed, int nCheckedNormal, int nCheckedHover,
                                   int nCheckedPressed)
{
    Load(CnNormal, nNormal);
    Load(CnHover, nHover);
    Load(CnPressed, nPressed);
    Load(CnCheckedNormal, nCheckedNormal);
    Load(CnCheckedHover, nCheckedHover);
    Load(CnCheckedPressed, nCheckedPressed);
    m_bChineseSet = true;
}

void CBtnPng::SetDisabledImages(int nDisabled, int nDisabledChecked)
{
    Load(Disabled, nDisabled);
    Load(DisabledChecked, nDisabledChecked);
    TakeSize(Disabled);
}

void CBtnPng::SetCheck(bool bChecked)
{
    if (bChecked == m_bChecked)
        return;
    m_bChecked = bChecked;
    if (!bChecked)
        for (CBtnPng* pPartner : {m_pPartner1, m_pPartner2})
            if (pPartner != nullptr)
                pPartner->SetHover(false);
    Refresh(false);
}

void CBtnPng::SetHover(bool bHover)
{
    m_bHover = bHover;
    Refresh(false);
}

void CBtnPng::SetPartners(CBtnPng* pFirst, CBtnPng* pSecond)
{
    m_pPartner1 = pFirst;
    m_pPartner2 = pSecond;
}

void CBtnPng::ShowWindow(int nCmdShow)
{
    if (nCmdShow == 0) {
        m_pPartner1 = nullptr;
        m_pPartner2 = nullptr;
    }
    Refresh(false);
    Show(nCmdShow != 0);
}

// Each state's picture is its image over the captured background; a state without an image
// takes the picture composed before it.
void CBtnPng::PreparePictures()
{
    const wxSize size = GetClientSize();
    if (!m_background) {
        wxBitmap background(size, 24);
        {
            wxMemoryDC dc(background);
            PaintParentBackground(this, dc);
        }
        m_background = background;
    }
    wxBitmap last = *m_background;
    for (int i = 0; i < StateCount; ++i) {
        if (i >= CnNormal && !m_bChineseSet)
            break;
        if (m_pictures[i]) {
            last = *m_pictures[i];
            continue;
        }
        const CPngImage* pImage = m_images[i].get();
        if (pImage != nullptr && !pImage->IsEmpty()) {
            last = m_background->GetSubBitmap(wxRect(m_background->GetSize()));
            wxImage image = RotateFlip(pImage->GetImage(), m_rotateFlip);
            if (m_nWidth > 0 && m_nHeight > 0 && image.GetSize() != wxSize(m_nWidth, m_nHeight))
                image.Rescale(m_nWidth, m_nHeight, wxIMAGE_QUALITY_HIGH);
            wxMemoryDC dc(last);
            dc.DrawBitmap(wxBitmap(image), 0, 0, true);
        }
        m_pictures[i] = last;
    }
}

CBtnPng::State CBtnPng::CurrentState() const
{
    if (!IsThisEnabled())
        return m_bChecked ? DisabledChecked : Disabled;
    State state = Normal;
    if (m_bHover)
        state = m_bPressed ? Pressed : Hover;
    if (m_bChecked)
        state = static_cast<State>(state + CheckedNormal);
    if (m_bChineseSet && g_bChinese != 0)
        state = static_cast<State>(state + CnNormal);
    return state;
}

void CBtnPng::Draw(wxDC& dc)
{
    if (m_nKind == kNone) {
        PaintParentBackground(this, dc);
        return;
    }
    if (m_nKind == kSystem) {
        DrawSystemButton(dc, *this, DT_CENTER);
        return;
    }
    if (GetClientSize().x <= 0 || GetClientSize().y <= 0)
        return;
    PreparePictures();
    dc.DrawBitmap(*m_pictures[CurrentState()], 0, 0);
}

void CBtnPng::UpdatePartnersHover(bool bHover)
{
    if (m_bChecked)
        return;
    for (CBtnPng* pPartner : {m_pPartner1, m_pPartner2})
        if (pPartner != nullptr)
            pPartner->SetHover(bHover);
}

void CBtnPng::OnMouseMove(wxMouseEvent& event)
{
    m_hoverTimer.Start(kHoverTimeMs);
    if (m_bHoverNotify)
        NotifyHover(*this, event, m_lastNotified);
    event.Skip();
}

void CBtnPng::OnHoverTimer()
{
    m_hoverTimer.Stop();  // fires once per rest
    if (!m_bHover) {
        Refresh();
        UpdatePartnersHover(true);
    }
    m_bHover = true;
}

void CBtnPng::OnMouseLeave(wxMouseEvent& event)
{
    m_hoverTimer.Stop();
    m_bHover = false;
    Refresh();
    UpdatePartnersHover(false);
    event.Skip();
}

void CBtnPng::OnLeftDown(wxMouseEvent&)
{
    m_bPressed = true;
    TakeMouse();
    Refresh();
}

void CBtnPng::OnLeftUp(wxMouseEvent& event)
{
    const bool bClick = EndPress(m_bPressed, event.GetPosition());
    Refresh();
    if (bClick)
        SendCommandToParent(this);
}

void CBtnPng::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bPressed = false;
    Refresh();
}
