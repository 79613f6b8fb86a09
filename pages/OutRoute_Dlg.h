#pragma once
// One output's strip along the bottom of the output page: its select button (the page's current
// output), speaker role with the role menu, on/off, polarity and level with its fader, and a
// copy and paste of the whole channel into another output (right button, Ctrl+C, Ctrl+V).
//
// The strip edits its output's on state, polarity and level through the data model's setters;
// a new role, a paste and the choice of the current output go to the page as messages
// (WM_SET_SPEAKER_ROLE, WM_COPY_CHANNEL, WM_SELECT_OUTPUT), which applies them. Every command
// of its own controls ends here, so none reaches the page (whose polarity button has the same
// id as the strip's).
#include <functional>

#include "controls/TemplateForm.h"
#include "pages/ParamBinder.h"

class CBitButton;
class CBitmapSlider;
class CKTV_Data;
class CKTV_OutData;
class CNumEdit;
class CNumSpin;
class COutputDlg;
class IPageHost;
class wxMenu;

class COutRoute_Dlg : public CTemplateForm {
public:
    // Shows a pop-up menu at a point of the strip; tests replace it to look at the menu.
    using PopupHandler = std::function<void(wxMenu& menu, const wxPoint& pt)>;

    COutRoute_Dlg(COutputDlg& page, IPageHost& host, CKTV_Data& data);

    void SetOutput(int nOutput) { m_nOutput = nOutput; }
    int GetOutput() const { return m_nOutput; }
    // The strip's ground: normal and hover (the third is not used), pressed for the current
    // output's strip; the strip takes the pressed face's size.
    void SetBitmaps(int nNormal, int nHover, int nUnused, int nPressed);
    void SetDisabledBitmap(int nId) { m_nDisabledFace = nId; }
    // The select button's faces: normal, hover and pressed, checked, disabled.
    void SetNumberBitmaps(int nNormal, int nHover, int nChecked, int nDisabled);
    int GetBitmapWidth() const { return m_size.x; }
    int GetBitmapHeight() const { return m_size.y; }

    // The current output's strip: its select button checked, its pressed ground.
    void SetCurrent(bool bCurrent);
    bool IsCurrent() const { return m_bCurrent; }
    // On/off, polarity and level from the data model, marking nothing.
    void LoadChannel();
    void LoadPolarity();
    void LoadLevel();
    // The output's role name on the role button (a role byte beyond the known roles: none).
    void ShowSpeakerRole();
    void SetLanguage();
    // An output without a role: the whole strip follows bEnable. With a role, only the role
    // button is disabled (the output map is locked); enabling enables everything.
    virtual void EnableStrip(bool bEnable);

    void SetPopupHandler(PopupHandler handler) { m_fnPopup = std::move(handler); }
    const wxBitmap& GetSkinBackground() const override;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    CKTV_OutData& Out() const;
    void OnSelect();
    void OnOnOff();
    void OnPolarity();
    void OnLevelChanged();
    void OnRoleMenu();
    void OnRoleItem(int nRole);
    void OnRightDown(wxMouseEvent& event);
    void Copy();
    // bFromMenu: the menu's paste also makes this output the current one.
    void Paste(bool bFromMenu);
    void OnCharHook(wxKeyEvent& event);
    void Popup(wxMenu& menu, const wxPoint& pt);

    COutputDlg& m_page;
    IPageHost& m_host;
    CKTV_Data& m_data;
    CParamBinder m_binder;
    int m_nOutput = 0;
    bool m_bCurrent = false;
    int m_nNormalFace = 0;
    int m_nPressedFace = 0;
    int m_nDisabledFace = 0;
    wxSize m_size;
    int m_nLevelBinding = -1;
    PopupHandler m_fnPopup;

    CBitButton* m_btnOnOff = nullptr;
    CBitButton* m_btnPolarity = nullptr;
    CBitButton* m_btnRole = nullptr;
    CBitButton* m_btnSelect = nullptr;
    CNumEdit* m_editLevel = nullptr;
    CNumSpin* m_spinLevel = nullptr;
    CBitmapSlider* m_sliderLevel = nullptr;
};
