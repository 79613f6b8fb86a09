#pragma once
// A tab control that can take over its painting: it erases the area around the tab row in a
// background colour of its own, shows the hand cursor over tabs that can be selected and, in
// draw mode 2, paints everything through five overridable operations. Clicking a tab selects it
// and tells the parent with wxEVT_NOTEBOOK_PAGE_CHANGED.
#include <wx/colour.h>
#include <wx/font.h>

#include <vector>

#include "controls/DrawnControl.h"

// One item (or, for the main border, the whole frame) to draw.
struct TabDrawItem {
    int nItem = -1;
    bool bSelected = false;
    wxRect rc;
    wxDC* pDC = nullptr;
};

class CBaseTabCtrl : public CDrawnControl {
public:
    enum DrawMode { kSystem = 0, kOwnerDrawItems = 1, kFull = 2 };

    explicit CBaseTabCtrl(int nMode = kSystem);

    void SetBkColor(const wxColour& colour);  // wxNullColour: the system's button face
    bool SetDrawMode(int nMode);
    int GetDrawMode() const { return m_nDrawMode; }

    int InsertItem(int nIndex, const wxString& strText);
    int GetItemCount() const { return int(m_items.size()); }
    wxString GetItemText(int nIndex) const;
    int GetCurSel() const { return m_nCurSel; }
    int SetCurSel(int nIndex);
    wxRect GetItemRect(int nIndex) const;
    // The display area under the tab row, in client coordinates.
    wxRect GetDisplayRect() const;
    // The item under a client point, or -1.
    int HitTest(const wxPoint& pt) const;

    void Draw(wxDC& dc) override;

protected:
    virtual void DrawItem(const TabDrawItem& item) = 0;
    virtual void DrawMainBorder(const TabDrawItem& item) = 0;
    virtual void DrawItemBorder(const TabDrawItem& item) = 0;
    virtual wxColour GetTabColor(bool bSelected);
    virtual wxColour GetTabTextColor(bool bSelected);

    wxColour BackColour() const;

private:
    int TabHeight() const;
    void EraseBackground(wxDC& dc);
    void PaintItems(wxDC& dc);
    void PaintPlain(wxDC& dc);
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);

    wxColour m_clrBack;
    int m_nDrawMode = kSystem;
    bool m_bHover = false;
    std::vector<wxString> m_items;
    int m_nCurSel = -1;
    mutable wxFont m_fontMeasured;  // the font TabHeight measured last
    mutable int m_nCharHeight = 0;
};
