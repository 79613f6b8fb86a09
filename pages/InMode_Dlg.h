#pragma once
// The input selector strip inside the music input page: a picture of the processor's input panel
// whose connectors are buttons. Which connectors show follows the AUX mode (three stereo pairs, a
// four-channel group and a pair, or one six-channel group) and the optional inputs the processor
// has; the connector of the active input is checked. A click checks the connector and posts
// WM_SELECT_INPUT (0, input) to the page, which does the rest.
//
// Its ground is the page's skin beneath it with the panel picture over it, composed once per
// language; the connectors paint their slice of that.
#include <array>

#include "controls/TemplateForm.h"
#include "pages/InputPageRules.h"

class CBtnPng;

class CInMode_Dlg : public CTemplateForm {
public:
    CInMode_Dlg();

    // Connectors of the AUX mode g_nInputMode and of the optional inputs nOptInputs (0-3) shown,
    // the others hidden.
    void ShowConnectors(int nOptInputs);
    // Exactly the connector of g_nCurInput checked.
    void CheckCurrent();
    void RedrawButtons();
    CBtnPng* Connector(InputConnector c) const { return m_btn[static_cast<int>(c)]; }

    const wxBitmap& GetSkinBackground() const override;

    // The window every click is told to: the page.
    wxWindow* m_pParent = nullptr;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    void SetButtonImages();
    void OnConnector(InputConnector c);
    void OnCharHook(wxKeyEvent& event);

    std::array<CBtnPng*, INPUT_CONNECTORS> m_btn{};
    mutable wxBitmap m_bmpBack;
    mutable int m_nBackLanguage = -1;
};
