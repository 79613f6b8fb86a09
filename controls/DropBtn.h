#pragma once
// The drop list of the combo button: a borderless popup (CDropListWnd) that hosts an
// owner-drawn list (CDropListBox) on the navy ground of the pages, with teal for the item under
// the mouse. Group headers are drawn bold with a rule and cannot be chosen. A choice reaches the
// owner button as WM_DROPLIST_SELECT (index, 0), sent. CDropBtn is a plain drop button on the
// same popup.
#include <wx/font.h>
#include <wx/popupwin.h>
#include <wx/vlbox.h>

#include <memory>

#include "controls/DrawnControl.h"
#include "controls/DropListModel.h"

class CDropListWnd;

class CDropListBox : public wxVListBox {
public:
    static constexpr int ID = 1825;

    CDropListBox(CDropListWnd* pPopup, wxWindow* pParent);

    int AddString(const wxString& strText);
    int InsertString(int nIndex, const wxString& strText);
    int AddGroupString(int nGroup, const wxString& strText, const wxColour& clrText, const wxColour& clrHighlight);
    int DeleteString(int nIndex);
    void ResetContent();
    wxString GetText(int nIndex) const;

    // Only the first call has an effect: the font of the items, a bold copy for the headers, and
    // the item height of the font.
    void SetListFont(const wxFont& font);
    void SetPrevSel(int nIndex) { m_items.SetPrevSel(nIndex); }
    int GetPrevSel() const { return m_items.GetPrevSel(); }
    // The record of the item drawn or added last.
    const DropListItem* GetCurItem() const { return m_pCurItem; }
    const CDropListItems& Items() const { return m_items; }
    int GetItemHeight() const { return m_nItemHeight; }

    void SetBackColour(const wxColour& colour);
    void SetHighlightColour(const wxColour& colour);

    // Paints every item in view, for tests.
    void Draw(wxDC& dc);

protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
    void OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const override;
    wxCoord OnMeasureItem(size_t n) const override;

private:
    void DrawEntry(wxDC& dc, const wxRect& rect, int nIndex) const;
    void SyncCount();
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKeySelect(wxCommandEvent& event);
    void OnKillFocus(wxFocusEvent& event);

    CDropListWnd* m_pPopup;
    CDropListItems m_items;
    mutable const DropListItem* m_pCurItem = nullptr;
    wxFont m_fontItem;
    wxFont m_fontHeader;
    bool m_bFontSet = false;
    int m_nItemHeight = 16;
    wxColour m_clrBack{27, 34, 50};
    wxColour m_clrHighlight{13, 133, 138};
};

class CDropListWnd : public wxPopupWindow {
public:
    // A hidden popup owned by pOwner (the button it drops from) with its list.
    explicit CDropListWnd(wxWindow* pOwner);

    CDropListBox* GetListBox() const { return m_pList; }
    bool IsDropped() const { return m_bShown; }
    bool Show(bool bShow = true) override;
    // Opens under the button (above it near the bottom of the work area), nWidth wide and as
    // high as the items up to nHeightLimit; returns the popup's screen rectangle.
    wxRect ShowUnder(wxWindow* pButton, int nWidth, int nHeightLimit);

    // The list's selection changed, by a click at ptScreen or by a key: a header changes nothing;
    // otherwise the popup closes, and a click inside it chooses the item while anything else
    // restores the remembered selection.
    void OnSelChange(const wxPoint& ptScreen);

private:
    void OnSize(wxSizeEvent& event);

    wxWindow* m_pOwner;
    CDropListBox* m_pList;
    bool m_bShown = false;
};

// A plain drop button: a framed face (lighter while the mouse is over it), its text from the
// left with an ellipsis and a small down arrow at the right; a click opens or closes its drop
// list, and a choice there posts WM_DROPLIST_SELECT (id, index) to the parent.
class CDropBtn : public CDrawnControl {
public:
    static constexpr int LIST_HEIGHT_LIMIT = 100;

    CDropBtn();
    // Null colours and font take the defaults: a salmon face with a lavender hover face, green
    // text and arrow, Arial 15. clrUnused is kept for nobody.
    bool Create(wxWindow* pParent, const wxRect& rc, const wxColour& clrFace, const wxColour& clrHover,
                const wxColour& clrText, const wxColour& clrUnused, const wxFont* pFont, int nId);

    CDropListWnd* GetDropList() const { return m_pDropList; }
    bool IsHover() const { return m_bHover; }
    void Draw(wxDC& dc) override;

private:
    void DrawArrow(wxDC& dc, const wxRect& rc);
    void ShowDropList();
    int OnDropListSelect(int nIndex);
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    wxColour m_clrFace;
    wxColour m_clrHover;
    wxColour m_clrText;
    wxColour m_clrUnused;
    wxFont m_font;
    int m_nId = 0;
    bool m_bHover = false;
    CDropListWnd* m_pDropList = nullptr;
};
