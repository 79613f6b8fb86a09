#pragma once
// A dialog made from a template of res/: its window and items are placed from dialog units in
// the template's font. A derived dialog makes the items that are its own classes in
// CreateControls (CreateItem<T>); every other item becomes a plain control (controls/
// TemplateItems.h). Then OnInitDialog runs. Button 1 ends it through OnOK, button 2 and Escape through OnCancel, the
// close box through OnClose; Enter presses the default button while it shows (else OnOK).
// A dialog whose ground is a skin per language names it before it is created; its controls then
// paint their slice of it (ISkinBackground).
#include <wx/dialog.h>

#include "controls/ControlIds.h"
#include "controls/SkinBackground.h"
#include "controls/TemplateItems.h"

class CTemplateDialog : public wxDialog, public ISkinBackground {
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

    // The ground: skin nEnglish, or nChinese while the language flag is set; call before Create.
    void SetBackgroundSkins(int nEnglish, int nChinese);
    // A null bitmap for a dialog without skins: it shows the dialog colour.
    const wxBitmap& GetSkinBackground() const override;

protected:
    virtual void CreateControls() {}
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(1); }
    virtual void OnCancel() { EndDialog(2); }
    virtual void OnClose() { OnCancel(); }
    // Sees every key before Enter and Escape are handled; true when it took the key.
    virtual bool PreTranslateKey(wxKeyEvent&) { return false; }

    template <class T>
    T* CreateItem(int nId)
    {
        return m_items.Create<T>(this, nId);
    }

private:
    void OnCharHook(wxKeyEvent& event);
    void OnPaint(wxPaintEvent& event);

    CTemplateItems m_items;
    int m_nBackEnglish = 0;
    int m_nBackChinese = 0;
};
