#pragma once
// A dialog made from a template of res/: its window and items are placed from dialog units in
// the template's font. A derived dialog makes the items that are its own classes in
// CreateControls (CreateItem<T>); every other item becomes a plain control (controls/
// TemplateItems.h). Then OnInitDialog runs. Button 1 ends it through OnOK, button 2 and Escape through OnCancel, the
// close box through OnClose; Enter presses the default button while it shows (else OnOK).
#include <wx/dialog.h>

#include "controls/ControlIds.h"
#include "controls/TemplateItems.h"

class CTemplateDialog : public wxDialog {
public:
    explicit CTemplateDialog(int nTemplateId);

    // Creates the window hidden (modeless use); DoModal does it when needed.
    bool Create(wxWindow* pParent);
    int DoModal(wxWindow* pParent = nullptr);
    void EndDialog(int nResult);

    wxWindow* GetDlgItem(int nId) const;
    // An item's rectangle in pixels (an empty rectangle for an id the template lacks).
    wxRect ItemRect(int nId) const { return m_items.ItemRect(nId); }
    const DlgTemplate& Template() const { return m_items.Template(); }
    const std::vector<int>& MissingItems() const { return m_items.MissingItems(); }

protected:
    virtual void CreateControls() {}
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(1); }
    virtual void OnCancel() { EndDialog(2); }
    virtual void OnClose() { OnCancel(); }

    template <class T>
    T* CreateItem(int nId)
    {
        return m_items.Create<T>(this, nId);
    }

private:
    void OnCharHook(wxKeyEvent& event);

    CTemplateItems m_items;
};
