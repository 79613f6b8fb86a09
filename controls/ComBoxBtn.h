#pragma once
// A skinned push button that works as a drop-down list: its face is a skin with the selected
// item's text on it; a click opens the drop list under it (CDropListWnd), a choice there or a
// wheel notch over the button selects an item, and the button posts WM_DROPLIST_SELECT (list id,
// index) to the parent given to CreateDropList. The output page builds its crossover type and
// slope selectors from these.
#include <wx/font.h>

#include <optional>

#include "controls/DrawnControl.h"
#include "controls/DropListModel.h"

class CDropListWnd;

struct ComboTextLayout {
    int nLeftMargin;
    int nRightMargin;
    unsigned nFormat;  // DT_* flags
};

class CComBoxBtn : public CDrawnControl {
public:
    static constexpr int LIST_HEIGHT_LIMIT = 130;

    CComBoxBtn();

    // Stores both faces and takes the normal face's size.
    void SetBitmaps(int nNormalId, int nHoverId);
    void SetDisabledBitmap(int nId) { m_nDisabledId = nId; }
    void SetTextLayout(const ComboTextLayout* pLayout);
    void SetNullWhenDisabled(bool bOn) { m_bNullWhenDisabled = bOn; }
    void SetHoverNotify(bool bOn) { m_bHoverNotify = bOn; }
    void SetTextColours(const wxColour& normal, const wxColour& hover);
    // The first value is kept for nobody.
    void SetSelectedTextColour(int nUnused, const wxColour& colour);
    void SetSelectedLook(bool bOn);
    // Uses the given fonts from now on (not owned).
    void SetFonts(const wxFont& normal, const wxFont& hover);

    // Creates the drop list, as wide as the button is now; false when it cannot be made.
    bool CreateDropList(wxWindow* pParent, int nListId);
    int AddString(const wxString& strText);
    int InsertString(int nIndex, const wxString& strText);
    void ResetContent();
    // Selects the item; the face shows its text while enabled, "NULL" while disabled.
    void SetCurSel(int nIndex);
    int GetCurSel() const;
    virtual void EnableWindow(bool bEnable);

    CDropListWnd* GetDropList() const { return m_pDropList; }
    bool IsHover() const { return m_bHover; }
    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    enum { kPush, kCheck, kRadio };

    void ShowDropList();
    void FitToBitmap(int nId);
    int OnDropListSelect(int nIndex);
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnKillFocus(wxFocusEvent& event);

    int m_nKind = kPush;
    int m_nNormalId = 0;
    int m_nHoverId = 0;
    int m_nDisabledId = 0;
    wxColour m_clrNormal{255, 255, 255};
    wxColour m_clrHover{255, 255, 255};
    wxColour m_clrSelected{255, 0, 0};
    wxColour m_clrDisabled{204, 204, 204};
    int m_nSelectedValue = 0;
    wxFont m_fontNormal;
    wxFont m_fontHover;
    bool m_bSelectedLook = false;
    bool m_bHover = false;
    bool m_bHandCursor = true;
    CDropListWnd* m_pDropList = nullptr;
    int m_nPopupWidth = 0;
    wxWindow* m_pParent = nullptr;
    int m_nListId = 0;
    wxRect m_rcPopup;
    CComboWheel m_wheel;
    bool m_bHoverNotify = false;
    std::optional<wxPoint> m_lastNotified;
    ComboTextLayout m_layout;
    bool m_bNullWhenDisabled = false;
};
