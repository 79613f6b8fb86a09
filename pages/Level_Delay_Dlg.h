#pragma once
// The level and delay page (page 2 of the main view): the master volume and switch, the six music
// inputs' levels and the choice of the active input, each output's level, switch, polarity,
// speaker role and level meter, and the car plan with every output's delay in ms, cm or inch.
//
// Levels, switches, polarities and delays go to the data model's setters (the link worker sends
// the changed groups); the master and the input choice are device-state items the view sends.
// The page keeps no value of its own: each refresh shows the model and the device state as they
// are, so a change made on the output or music input page shows here when this page is shown,
// and the reverse. The rules beyond reading and writing a value are in DelayPlan.h and
// LevelRules.h.
#include <array>
#include <optional>

#include <wx/gdicmn.h>

#include "pages/DelayPlanControls.h"
#include "pages/Page.h"

class CBitButton;
class CBitmapSlider;
class CBtnPng;
class CNumEdit;
class CNumSpin;
class CPictureStatic;
class CSLamp;
class wxCommandEvent;
class wxKeyEvent;

class CLevel_Delay_Dlg : public CPage {
public:
    CLevel_Delay_Dlg(IPageHost& host, CKTV_Data& data);
    ~CLevel_Delay_Dlg() override;

    void RefreshFromModel() override { UpdateAllControls(); }
    void SetLanguage() override;
    // The meters go dark whenever a link ends.
    void OnLinkClosed() override { ClearOutputMeters(); }

    // Every control from the model and the device state.
    void UpdateAllControls();
    // The eight output meters from status elements 6 to 13: the low four bits light that many
    // bar lamps (10-15 leave the bar), bits 0x40, 0x20, 0x10 the three indicators. Only lamps
    // that change are drawn again. The view is told of the replies at most once a meter frame
    // (link/StatusNews.h), so replies about 96 a second cost the screen no more than 25 frames.
    void UpdateOutputMeters();
    // Every lamp off.
    void ClearOutputMeters();

    // Ready for a caller (nothing calls them yet):
    // The input columns in the places the optional inputs give them (LayoutInputColumns), the
    // input buttons' faces and the active input's button checked.
    void RefreshInputColumns();
    // With no numeric field focused, the master's field takes the focus and the marks go.
    void FocusMasterIfNoEdit();
    // Output n's on state goes to the other outputs of its link group and their switches; their
    // positions are marked unless bNoMark.
    void CopyOnToLinked(int n, bool bNoMark);

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    void InitLevelControls();
    void InitDelayControls();
    void BindEvents();

    void OnCommand(wxCommandEvent& event);
    void OnMasterOn();
    void OnOutputLevelChanged(int nOutput);
    // A level field or spin committed, changed or not: the marks follow the field.
    void OnLevelCommitted(int nCtrlId);
    void OnOutputOn(int nOutput);
    void OnOutputPolarity(int nOutput);
    void OnButtonHover(int nCtrlId);
    void OnSliderDone(int nCtrlId, bool bDone);
    void OnInputButton(int nInput);
    void OnDeviceInputChanged(int nInput);
    void OnInputSelected(int nNoInputBefore, int nInputBefore);
    void OnNumEditKey(int nCtrlId, int nKey);
    void OnCharHook(wxKeyEvent& event);
    void OnDelayEdit(int nField, bool bFromSpin);
    void OnPositionButton(int nPosition);
    void OnDelayUnit(int nUnit);
    void OnGroupLink(int nButton);

    // The input buttons' faces in the language, checked faces by the no-input flag.
    void ShowInputButtonFaces();
    // Exactly the button of the active input is checked.
    void ShowActiveInput();
    // Input columns: each one's fader, field and button shown or hidden; whether the AUX mode
    // shows input k's column (nothing for a mode beyond 0-2); every column moved into the place
    // the optional inputs give it, the absent inputs' columns hidden.
    void ShowInputColumn(int k, bool bShow);
    static std::optional<bool> AuxModeShows(int k);
    void LayoutInputColumns();
    void ShowOutput(int nOutput);
    // The delay fields, their spins' outputs and the position icons from the roles.
    void BindDelayControls();
    void RefreshLinkedLevels(int nOutput);
    void SelectOutputChannel(int nOutput);
    void SelectOutputIfChanged(int nOutput);
    void MarkOutputPosition(int nOutput, bool bMark);
    void FollowFocus(int nCtrlId);

    static constexpr int kInputs = 6;
    static constexpr int kOutputs = 8;

    CNumEdit* m_editMaster = nullptr;
    CNumSpin* m_spinMaster = nullptr;
    CBitmapSlider* m_sliderMaster = nullptr;
    CBitButton* m_btnMasterOn = nullptr;
    CPictureStatic* m_picLinkLR = nullptr;
    std::array<CNumEdit*, kInputs> m_editInput{};
    std::array<CNumSpin*, kInputs> m_spinInput{};
    std::array<CBitmapSlider*, kInputs> m_sliderInput{};
    std::array<CBitButton*, kInputs> m_btnInput{};
    std::array<CNumEdit*, kOutputs> m_editOut{};
    std::array<CNumSpin*, kOutputs> m_spinOut{};
    std::array<CBitmapSlider*, kOutputs> m_sliderOut{};
    std::array<CBitButton*, kOutputs> m_btnOn{};
    std::array<CBitButton*, kOutputs> m_btnPolarity{};
    std::array<CBitButton*, kOutputs> m_btnRole{};
    std::array<CBitButton*, kOutputs> m_btnNoRole{};
    std::array<CSLamp*, kOutputs> m_meter{};
    std::array<CBtnPng*, DELAY_POSITIONS> m_btnPosition{};

    // The places of the input columns from the left, as the template has them: fader, field and
    // button.
    struct InputColumnPlace {
        wxRect rcSlider;
        wxRect rcEdit;
        wxRect rcButton;
    };
    std::array<InputColumnPlace, kInputs> m_rcInputCol{};
    int m_nMasterBinding = -1;
    std::array<int, kOutputs> m_nOutBinding{};
    // The delay fields, spins, link and unit buttons, and which output each field and position
    // serves.
    CDelayPlanControls m_planControls;
    int m_nSelOutput = -1;  // the output whose position is marked, -1 none
};

// The level and delay page while it exists (UI thread); the view posts the input's changes to it.
extern CLevel_Delay_Dlg* g_pLevelPage;
