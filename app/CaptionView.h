#pragma once
// The start view: a form on which the user would open the main view in one of its two view
// modes. Only the main frame's command 32774 shows it, and nothing issues that command. Its two
// skinned buttons get no skins, and its picture is never loaded, so it paints nothing of its own.
#include <wx/bitmap.h>

#include "controls/TemplateForm.h"

class CxSkinButton;

class CCaptionView : public CTemplateForm {
public:
    enum { IDD_CAPTION_VIEW = 227, IDC_VIEW_MODE2 = 1837, IDC_VIEW_MODE1 = 1781 };

    CCaptionView();

protected:
    void CreateControls() override;
    virtual void OnPaint(wxPaintEvent& event);

private:
    // Asks the main window for the main view in a view mode (commands 8000 and 8001).
    static void SendToMainWindow(int nCommand);

    CxSkinButton* m_btnLeft = nullptr;   // 1837, view mode 2
    CxSkinButton* m_btnRight = nullptr;  // 1781, view mode 1
    wxBitmap m_bitmap;
};
