#pragma once
// The grid window's drop target: hands a drag over the window to the grid's rules (CGridCore's
// OnDragEnter, OnDragOver, OnDragLeave, OnDrop) and turns their drop effects into wx's. It takes
// plain text; the grid decides where it may drop and what the drop changes.
#include <wx/dnd.h>

#include <optional>
#include <string>

class CGridCtrl;

class CGridDropTarget : public wxDropTarget {
public:
    CGridDropTarget();

    // Makes this the grid window's drop target, owned by the window from then on. False when it
    // is registered already or there is no grid window.
    bool Register(CGridCtrl* pGridCtrl);
    // Takes a registered target off its window, which deletes it: nothing of it may be used
    // afterwards. A target not registered stays as it is.
    void Revoke();

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
    void OnLeave() override;
    bool OnDrop(wxCoord x, wxCoord y) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;

protected:
    // Whether the drag in progress carries text, and the text it drops.
    virtual bool OffersText();
    virtual std::optional<std::string> DroppedText();

private:
    CGridCtrl* m_pGridCtrl = nullptr;
    bool m_bRegistered = false;
};
