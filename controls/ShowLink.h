#pragma once
// The link-status field of the main view: a flat rectangle with centred text whose colour can
// blink between the off-phase colour and red once a second.
#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"

class CShow_Link : public CDrawnControl {
public:
    CShow_Link();

    void SetText(const wxString& strText);
    void SetTextFont(const wxFont* pFont);
    void StartBlink();
    void StopBlink();
    bool IsBlinking() const { return m_bBlink; }

    void Draw(wxDC& dc) override;

private:
    void OnTimer();

    wxColour m_clrText{250, 250, 250};
    wxColour m_clrBlinkOff{250, 250, 250};
    wxColour m_clrBlinkOn{255, 0, 0};
    wxColour m_clrFill{73, 72, 72};
    const wxFont* m_pFont = nullptr;
    bool m_bBlink = false;
    int m_nPhase = 0;
    CControlTimer m_timer;
};
