#pragma once
// The items of a dialog template made into windows of one parent (a dialog, the main view or a
// page), each placed from dialog units in the template's font. The owner makes the items that are
// its own classes first (Create<T>); CreateRemaining then makes every other item a plain control:
// wxButton, a CTransparentStatic for text, a CPictureStatic for a picture, wxTextCtrl, wxGauge.
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <vector>

#include "res/DialogTemplate.h"

class wxWindow;

class CTemplateItems {
public:
    // Throws std::logic_error for a template id the program does not have.
    explicit CTemplateItems(int nTemplateId);

    const DlgTemplate& Template() const { return *m_pTemplate; }
    // Measures the template font; the rectangles below are in its dialog units from then on.
    wxFont UseTemplateFont();
    wxSize ClientSize() const { return m_units.ToPixels(m_pTemplate->cx, m_pTemplate->cy); }
    const DlgItem* Find(int nId) const;
    // An item's rectangle in pixels (an empty rectangle for an id the template lacks).
    wxRect ItemRect(int nId) const;

    template <class T>
    T* Create(wxWindow* pParent, int nId)
    {
        const DlgItem* pItem = Find(nId);
        if (pItem == nullptr)
            m_missing.push_back(nId);
        auto* pCtrl = new T;
        pCtrl->Create(pParent, nId, ItemRect(nId), pItem ? pItem->nStyle : 0,
                      wxString::FromUTF8(pItem ? pItem->szText : ""), pItem ? pItem->nExStyle : 0);
        m_created.push_back(nId);
        return pCtrl;
    }
    void CreateRemaining(wxWindow* pParent);
    // The ids the owner made that its template lacks (each got an empty rectangle): a fault of
    // the template, which the tests look for.
    const std::vector<int>& MissingItems() const { return m_missing; }

private:
    void CreatePlain(wxWindow* pParent, const DlgItem& item);

    const DlgTemplate* m_pTemplate;
    DialogUnits m_units{1, 1};
    std::vector<int> m_created;
    std::vector<int> m_missing;
};
