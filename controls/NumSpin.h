#pragma once
// The up-down arrows beside a numeric field (its buddy CNumEdit, whose value is the spin's
// value). The spin keeps the range, steps the field by its own rules (plain steps, the frequency
// grid, ratio steps, delay steps that change a shown distance) and tells the parent page with a
// command event (the program's WM_COMMAND); a delay spin also posts WM_NUMSPIN_DELTA (spin id,
// step) so that the page can step the linked delays. While an arrow is held the field follows
// every step, but the parent is told at most every 400 ms and once more at the release.
#include <wx/window.h>
#include <wx/weakref.h>

#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"

class CNumEdit;

class CNumSpin : public CDrawnControl {
public:
    CNumSpin();
    ~CNumSpin() override;

    // The buddy field; with arrow-key handling its Up and Down keys step this spin.
    virtual void SetBuddy(CNumEdit* pBuddy);
    virtual CNumEdit* GetBuddy() const;
    virtual void GetRange32(int& nMin, int& nMax) const;
    // Stores the range, gives it to the field (whose value becomes min) and takes the field's
    // display type as the stepping type.
    virtual void SetRange(int nMin, int nMax);
    // The field's value (a typed text is read first), kept as the position.
    virtual int GetPos();
    // A value outside the range is reported with a message box and limited.
    virtual void SetPos(int v);
    virtual bool IsBuddyEdited() const;
    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    int GetBuddyType() const;
    void SetItemData(int n) { m_nItemData = n; }
    int GetItemData() const { return m_nItemData; }
    // One plain step from outside (the knob overlay's arrows).
    void Step(int delta);
    // Commits a typed delay in the field and keeps its value as the position.
    int GetCommittedPos();
    // Up (+1) or Down (-1) pressed in the buddy field.
    void ArrowKey(int delta) { OnDeltaPos(delta); }

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    // One step of the arrows (the up-down control's delta).
    void OnDeltaPos(int delta);
    void StepFrequency();
    // The position moves to b; a change is pending for the parent.
    void MoveTo(int b);
    // The field gets the position (a delay by its display type, from a) and the parent is told.
    void FinishStep(int a, int delta);
    void TellParent();
    // +1 for the up (or right) arrow under a point, -1 for the other one.
    int ArrowAt(const wxPoint& pt) const;
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnNotifyTimer();
    void OnRepeatTimer();
    void EndHold();
    void Release();

    wxWeakRef<CNumEdit> m_pBuddy;
    int m_nPos = 0;
    int m_nMin = 0;
    int m_nMax = 0;
    int m_nRepeatMs = 400;
    bool m_bPressed = false;
    bool m_bPending = false;
    int m_nType = 0;
    int m_nItemData = -1;
    int m_nHeldArrow = 0;     // the arrow held with the mouse (+1, -1), 0 for none
    bool m_bOverHeld = false;  // the pointer is over the held arrow
    bool m_bRepeating = false;
    CControlTimer m_notifyTimer;
    CControlTimer m_repeatTimer;
};
