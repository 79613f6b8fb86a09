#pragma once
// The small window that shows the whole text of a cell too narrow for it, laid over the cell in
// the tooltip colours. It never takes the focus; the pointer leaving the hover rectangle or a
// button pressed on it hides it, and a press is handed on to the window beneath (the grid).
#include <wx/popupwin.h>

class CTitleTip : public wxPopupWindow {
public:
    CTitleTip() = default;
    bool Create(wxWindow* pParent);

    // Shows the text over rcTitle (the parent's client coordinates), indented by nXOffset, in the
    // font given (the parent's without one). It stays while the pointer is inside rcHover (the
    // title rectangle without one). An empty title rectangle shows nothing.
    void Show(const wxRect& rcTitle, const wxString& strText, int nXOffset, const wxRect* pHover = nullptr,
              const wxFont* pFont = nullptr);
    void Hide();
    const wxString& GetText() const { return m_strText; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnButton(wxMouseEvent& event);
    // Hands a mouse event to the parent in its client coordinates.
    void PassToParent(wxMouseEvent& event);

    wxWindow* m_pParent = nullptr;
    wxRect m_rectHover;  // in the tip's client coordinates
    wxString m_strText;
};
