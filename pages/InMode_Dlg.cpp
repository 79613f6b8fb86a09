#include "pages/InMode_Dlg.h"

#include <wx/dcmemory.h>

#include "controls/BtnPng.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "pages/InMode_DlgIds.h"
#include "platform/MessageIds.h"
#include "res/PngImages.h"
#include "res/WinStyles.h"

using namespace InMode_DlgIds;

namespace {
struct ConnectorFaces {
    int nId;
    int nImages;         // normal, hover, pressed
    int nChineseImages;  // 0: no Chinese set
};

// In the order of InputConnector.
constexpr ConnectorFaces kFaces[INPUT_CONNECTORS] = {
    {IDC_HILEVEL, IDP_HILEVEL, IDP_HILEVEL_CN},
    {IDC_SPDIF, IDP_SPDIF, IDP_SPDIF_CN},
    {IDC_PHONE, IDP_PHONE, IDP_PHONE_CN},
    {IDC_AUX_PAIR, IDP_AUX_PAIR, IDP_AUX_PAIR_CN},
    {IDC_AUX_PAIR + 1, IDP_AUX_PAIR + 3, IDP_AUX_PAIR_CN + 3},
    {IDC_AUX_PAIR + 2, IDP_AUX_PAIR + 6, IDP_AUX_PAIR_CN + 6},
    {IDC_AUX_4CH, IDP_AUX_4CH, IDP_AUX_4CH_CN},
    {IDC_AUX_2CH, IDP_AUX_2CH, IDP_AUX_2CH_CN},
    {IDC_AUX_6CH, IDP_AUX_6CH, IDP_AUX_6CH_CN},
    {IDC_AUX_4ALT, IDP_AUX_4ALT, 0},
    {IDC_AUX_5ALT, IDP_AUX_5ALT, 0},
};
}  // namespace

CInMode_Dlg::CInMode_Dlg() : CTemplateForm(IDD_INMODE)
{
}

void CInMode_Dlg::CreateControls()
{
    for (int c = 0; c < INPUT_CONNECTORS; ++c)
        m_btn[c] = CreateItem<CBtnPng>(kFaces[c].nId);
}

bool CInMode_Dlg::OnInitDialog()
{
    if (const wxImage& panel = LoadPngImage(IDP_PANEL); panel.IsOk())
        SetSize(panel.GetSize());
    m_pParent = nullptr;
    SetButtonImages();
    for (int c = 0; c < INPUT_CONNECTORS; ++c) {
        const auto connector = static_cast<InputConnector>(c);
        Bind(wxEVT_BUTTON, [this, connector](wxCommandEvent&) { OnConnector(connector); }, WxId(kFaces[c].nId));
    }
    Bind(wxEVT_CHAR_HOOK, &CInMode_Dlg::OnCharHook, this);
    return true;
}

void CInMode_Dlg::SetButtonImages()
{
    for (int c = 0; c < INPUT_CONNECTORS; ++c) {
        const ConnectorFaces& f = kFaces[c];
        CBtnPng& btn = *m_btn[c];
        btn.SetImages(f.nImages, f.nImages + 1, f.nImages + 2);
        btn.SetCheckedImages(f.nImages + 2, f.nImages + 2, f.nImages + 2);
        if (f.nChineseImages != 0) {
            const int n = f.nChineseImages;
            btn.SetImagesWithChinese(n, n + 1, n + 2, n + 2, n + 2, n + 2);
        }
    }
    for (const InputConnector spare : {InputConnector::Aux4Alt, InputConnector::Aux5Alt})
        Connector(spare)->ShowWindow(SW_HIDE);
}

void CInMode_Dlg::ShowConnectors(int nOptInputs)
{
    for (int c = 0; c < INPUT_CONNECTORS; ++c) {
        const auto connector = static_cast<InputConnector>(c);
        const bool bShown = IsConnectorShown(connector, g_nInputMode, nOptInputs);
        if (m_btn[c]->IsShown() != bShown)
            m_btn[c]->ShowWindow(bShown ? SW_SHOW : SW_HIDE);
    }
}

void CInMode_Dlg::CheckCurrent()
{
    const InputConnector current = CheckedConnector(g_nCurInput, g_nInputMode);
    for (int c = 0; c < INPUT_CONNECTORS; ++c)
        m_btn[c]->SetCheck(static_cast<InputConnector>(c) == current);
}

void CInMode_Dlg::RedrawButtons()
{
    for (CBtnPng* pBtn : m_btn)
        pBtn->Redraw();
}

// A click checks its connector at once; the page's refresh gives the final check state.
void CInMode_Dlg::OnConnector(InputConnector c)
{
    const int nInput = ConnectorInput(c);
    if (nInput != g_nCurInput) {
        if (const InputConnector current = CheckedConnector(g_nCurInput, g_nInputMode); current != InputConnector::None)
            Connector(current)->SetCheck(false);
        Connector(c)->SetCheck(true);
    }
    if (m_pParent != nullptr)
        PostMessage(m_pParent, WM_SELECT_INPUT, 0, nInput);
}

// Enter, Escape and Tab neither close nor walk the strip: the strip takes the focus.
void CInMode_Dlg::OnCharHook(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if (nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER || nKey == WXK_ESCAPE || nKey == WXK_TAB)
        SetFocus();
    event.Skip();
}

// The page's skin beneath the strip with the panel picture over it, made again only when the
// language changes.
const wxBitmap& CInMode_Dlg::GetSkinBackground() const
{
    const int nLanguage = g_bChinese ? 1 : 0;
    if (m_bmpBack.IsOk() && m_nBackLanguage == nLanguage && m_bmpBack.GetSize() == GetClientSize())
        return m_bmpBack;
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return wxNullBitmap;
    wxBitmap bmp(size, 24);
    {
        wxMemoryDC dc(bmp);
        PaintParentBackground(const_cast<CInMode_Dlg*>(this), dc);
        if (const wxImage& panel = LoadPngImage(IDP_PANEL); panel.IsOk())
            dc.DrawBitmap(wxBitmap(panel), 0, 0, true);
    }
    m_bmpBack = bmp;
    m_nBackLanguage = nLanguage;
    return m_bmpBack;
}
