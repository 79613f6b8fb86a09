#pragma once
// The tab control of the main view: tabs filled flat or with a vertical gradient, 3-D borders
// made by lightening and darkening the tab colour, colours chosen by look flags shared by every
// instance.
#include <wx/font.h>

#include "controls/BaseTabCtrl.h"

class CEnTabCtrl : public CBaseTabCtrl {
public:
    enum LookFlag {
        kBackUnselected = 0x1,  // unselected tabs in the background colour
        kAltColours = 0x2,      // light blue unselected tabs, black selected tab
        kLightSelected = 0x4,   // the selected tab lighter than the button face
        kGradient = 0x8,        // tabs filled with a vertical gradient
        kFullBorders = 0x10,    // unselected tabs get full borders
    };

    CEnTabCtrl();

    static void EnableCustomLook(bool bEnable, unsigned nFlags);
    static unsigned GetLookFlags();

    // Colour arithmetic of the borders, per channel, truncated.
    static wxColour Darker(const wxColour& c, double f);
    static wxColour Lighter(const wxColour& c, double f);

protected:
    void PreSubclassWindow() override;
    void DrawItem(const TabDrawItem& item) override;
    void DrawMainBorder(const TabDrawItem& item) override;
    void DrawItemBorder(const TabDrawItem& item) override;
    wxColour GetTabColor(bool bSelected) override;
    wxColour GetTabTextColor(bool bSelected) override;

private:
    int m_nItemDrawn = 3;
    wxFont m_font;
};
