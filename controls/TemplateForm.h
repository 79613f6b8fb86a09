#pragma once
// A form: a child window made from a template of res/ like a dialog, but without a caption or a
// modal loop of its own (the main view and the pages inside it). Its ground is a skin per
// language, which the controls on it paint their slice of (ISkinBackground). A derived form makes
// the items that are its own classes in CreateControls (CreateItem<T>); every other item becomes a
// plain control (controls/TemplateItems.h). Then OnInitDialog runs.
#include <wx/panel.h>

#include "controls/ControlIds.h"
#include "controls/SkinBackground.h"
#include "controls/TemplateItems.h"

class CTemplateForm : public wxPanel, public ISkinBackground {
public:
    explicit CTemplateForm(int nTemplateId);

    // Creates the window hidden, sized to the template, at the parent's client origin.
    bool Create(wxWindow* pParent);

    wxWindow* GetDlgItem(int nId) const;
    wxRect ItemRect(int nId) const { return m_items.ItemRect(nId); }
    const DlgTemplate& Template() const { return m_items.Template(); }
    const std::vector<int>& MissingItems() const { return m_items.MissingItems(); }

    // The ground: skin nEnglish, or nChinese while the language flag is set (0: none).
    void SetBackgroundSkins(int nEnglish, int nChinese);
    const wxBitmap& GetSkinBackground() const override;
    // The toolkit's default colours and font of a panel, asked of the theme once (as for the
    // drawn controls): every paint of the form's ground takes them.
    wxVisualAttributes GetDefaultAttributes() const override;

protected:
    virtual void CreateControls() {}
    virtual bool OnInitDialog() { return true; }

    template <class T>
    T* CreateItem(int nId)
    {
        return m_items.Create<T>(this, nId);
    }

private:
    void OnPaint(wxPaintEvent& event);

    CTemplateItems m_items;
    int m_nBackEnglish = 0;
    int m_nBackChinese = 0;
};
