#pragma once
// The typed numeric field of every page: it holds one parameter of the processor as an integer
// in the processor's own steps, shows it by a display type (controls/NumEditModel.h), and draws
// itself over the page's skin: white text on the picture, grey while switched off, black on the
// highlight colour while focused. It edits its text with a one-line editor of its own.
//
// It tells its parent with a command event (the program's WM_COMMAND) when a typed text is
// committed at the focus loss and when it is clicked, and posts WM_NUMEDIT_KEY (control id,
// Windows key code) for every key pressed in it without Ctrl or Shift. A read-only field can
// carry the knob overlay (CSpinBtn); a fader (CBitmapSlider) can share its focus look.
#include <wx/string.h>
#include <wx/window.h>
#include <wx/weakref.h>

#include "controls/DrawnControl.h"
#include "controls/LineEditor.h"
#include "controls/NumEditModel.h"
#include "controls/SpinBtn.h"

class CBitmapSlider;
class CNumSpin;

class CNumEdit : public CDrawnControl {
public:
    CNumEdit();
    ~CNumEdit() override;

    // Value, range and display type.
    void SetRange(int nMin, int nMax) { m_model.SetRange(nMin, nMax); }
    void SetValue(int v);
    void SetType(int nType, const wxString& strUnit = {});
    int GetType() const { return m_model.GetType(); }
    void SetScale(double dScale) { m_model.SetScale(dScale); }
    void SetOffset(double dOffset) { m_model.SetOffset(dOffset); }
    void SetTemperature(int nTemp);
    // The value; a typed text still pending is read first, silently.
    int GetValue() { return m_model.GetValue(); }
    bool IsEdited() const { return m_model.IsEdited(); }
    void SetEdited(bool bEdited) { m_model.SetEdited(bEdited); }
    // Rebuilds the text of the value and shows it (on the overlay too).
    virtual void UpdateText();
    // value + d within the range, then the parent is told.
    void AddDelta(int d);
    // Commits a typed delay (display types 0, 19, 1, 2) and returns the value.
    int GetCommittedValue();
    // After a language switch: unit words and the off text in the language of the moment.
    void RefreshLanguage();
    wxString GetText() const { return wxString::FromUTF8(m_model.GetText()); }

    // Focus look, overlay, enabled and visible state.
    void SetHighlight(bool bHighlight);
    bool GetHighlight() const { return m_bHighlight; }
    void SetBuddySlider(CBitmapSlider* pSlider);
    void CreateSpinOverlay(int nId);
    void SetOverlaySpin(int nSpinId, CNumSpin* pSpin);
    CSpinBtn& GetSpinOverlay() { return m_spinOverlay; }
    virtual void SetReadOnly(bool bReadOnly);
    bool IsReadOnly() const { return m_bReadOnly; }
    // Switched off: read-only with grey text; the window stays enabled and takes the focus.
    virtual void EnableWindow(bool bEnable);
    bool IsEnabledFlag() const { return m_bEnabled; }
    // SW_HIDE (0) and SW_SHOW (5) act only when the visibility really changes.
    virtual bool ShowWindow(int nCmdShow);
    bool IsVisibleFlag() const { return m_bVisible; }
    bool IsVisibilityChanged() const { return m_bVisibleChanged; }

    // The spin whose arrow keys act in this field (a spin with arrow-key handling sets itself).
    void SetArrowKeySpin(CNumSpin* pSpin);
    // A press on the overlay reaches the field as a click at its corner.
    void OnOverlayPress();

    // Caret and selection of the field's editor (byte offsets in the UTF-8 text).
    const CLineEditor& Editor() const { return m_editor; }

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);

    // The steps of focus gain and loss, also run from their posted forms.
    void GainFocus();
    void LoseFocus();
    // A press at pt; bPlaceCaret: the editor's own click handling (caret, selection by dragging).
    void Press(const wxPoint& pt, bool bPlaceCaret);
    // The text of the value was rebuilt: caret to the start, shown on the overlay too.
    void ShowText();
    // The user moved the caret or changed the text.
    void TextShown();
    void Clipboard(int nKey);
    // Text area, text origin and the caret's byte offset under a point.
    wxRect TextRect() const;
    // Where text of this extent starts: aligned in the field, or scrolled when wider.
    wxPoint TextOrigin(const wxSize& extent) const;
    std::size_t OffsetAt(const wxPoint& pt);
    void KeepCaretVisible();

    wxWeakRef<CBitmapSlider> m_pBuddySlider;
    CSpinBtn m_spinOverlay;
    bool m_bSpinCreated = false;
    CNumEditModel m_model;
    CLineEditor m_editor;
    bool m_bHighlight = false;
    bool m_bVisible = true;
    bool m_bEnabled = true;
    bool m_bVisibleChanged = false;
    bool m_bReadOnly = false;
    bool m_bFocused = false;
    bool m_bSelecting = false;
    bool m_bDropFocusLook = false;  // a switched-off field was clicked: its focus gain ends at once
    int m_nScroll = 0;  // pixels of a long text scrolled out on the left
    wxWeakRef<CNumSpin> m_pArrowKeySpin;
};
