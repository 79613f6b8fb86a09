#pragma once
// Dialog templates: each dialog's size, caption, font and items, in dialog units, as tables.
// A dialog unit is a quarter of the template font's average character width horizontally and an
// eighth of its height vertically (DialogUnits converts, once the font is known).
#include <span>

#include <wx/gdicmn.h>

class wxFont;

enum class DlgClass { Button, Static, Edit, Progress };

struct DlgItem {
    int nId;
    DlgClass cls;
    int x, y, cx, cy;
    const char* szText = "";
    unsigned nStyle = 0;
    unsigned nExStyle = 0;
    int nImageId = 0;  // a picture static's bitmap
};

struct DlgTemplate {
    int nId;
    int cx, cy;
    const char* szCaption;
    const char* szFace;
    int nPointSize;
    std::span<const DlgItem> items;
};

// The template of a dialog resource id; nullptr for an unknown id (DialogTemplates.cpp holds the
// table of every template).
const DlgTemplate* FindDialogTemplate(int nId);

// The template font at 96 dpi.
wxFont TemplateFont(const DlgTemplate& tpl);

// Converts dialog units to pixels for one template font.
class DialogUnits {
public:
    explicit DialogUnits(const wxFont& font);
    DialogUnits(int nCharWidth, int nCharHeight) : m_cx(nCharWidth), m_cy(nCharHeight) {}
    wxRect ToPixels(int x, int y, int cx, int cy) const;
    wxSize ToPixels(int cx, int cy) const;
    int CharWidth() const { return m_cx; }
    int CharHeight() const { return m_cy; }

private:
    int m_cx;
    int m_cy;
};
