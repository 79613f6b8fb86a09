#pragma once
// The output page (page 1 of the main view): one output channel at a time, the current output
// g_nCurOutput, with its ten EQ band columns (frequency, bandwidth and gain fields, gain fader,
// bypass button; band 1 and band 10 may be shelves), the EQ graph, the crossover and the
// polarity; for the whole device the master volume and master-on switch; the car plan with the
// outputs' speaker positions and delays; and a strip per output (COutRoute_Dlg) along the
// bottom, of which the first six are shown.
//
// Every edit goes through the data model's setters (the bands' and the crossover's to the
// outputs linked with the shown one too, COutputEqEdit); whole-EQ commands go through the view
// (COutputEqCommand). Loading the model into the page marks nothing and opens no box: values
// beyond a field's range are shown at its bound and kept in the model.
#include <array>

#include "pages/DelayPlanControls.h"
#include "pages/OutputFieldOrder.h"
#include "pages/Page.h"

class CBitButton;
class CBitmapSlider;
class CBtnPng;
class CComBoxBtn;
class CEqCurveStatic;
class CFontStatic;
class CKTV_OutData;
class CNumEdit;
class CNumSpin;
class COutRoute_Dlg;
class CXPButton;
class wxEventFilter;

class COutputDlg : public CPage {
public:
    COutputDlg(IPageHost& host, CKTV_Data& data);
    ~COutputDlg() override;

    // Shows (nonzero) or hides the page; the view shows and hides it only through this.
    virtual void ShowWindow(int nCmdShow);
    // A preset load replaces the outputs the page shows, so the page follows it even while hidden.
    void OnDataLoaded() override { RefreshPage(); }
    void RefreshFromModel() override { RefreshPage(); }
    void SetLanguage() override;

    // The whole page: current channel, speaker positions, link and lock buttons, master volume.
    void RefreshPage();
    // Output g_nCurOutput: strips, bands, crossover, polarity, graph.
    void RefreshChannel();
    // Master volume, its fader and the master-on switch from the master settings.
    void ShowMasterVolume();
    // Unless an edit has the focus, focuses the page's first field: the first delay field on the
    // plan, else band 1's frequency (Tab and Enter on the page).
    void FocusFirstEdit();
    // The band columns and the whole-EQ buttons of the current output (after a band reset).
    void RefreshBands();
    // The active music input (g_nCurInput) on the page's input field; the main view calls it with
    // every change of the active input, so the field shows what the quick buttons show.
    void ShowCurrentInput();
    // Output nOutput becomes the current one and is shown (nothing when it already is).
    void OnSelectChannel(int nOutput);
    // Applies g_bOutMapLocked to the strips; with the flag clear every strip is enabled and the
    // outputs are unlinked (the view's UnlinkAllOutputs).
    void ApplyOutputMapLock();
    // After a preset or file load with the map locked: an output that has a role stays or
    // becomes the current one; with no role anywhere the map is unlocked.
    void CheckOutputMapLock();
    // The strips and markers of the outputs linked to nOutput show or lose their highlight.
    void SetLinkedHighlights(int nOutput);
    void ClearLinkedHighlights(int nOutput);
    // Every output was given a link group of its own: the link button and the graph follow.
    void ShowOutputsUnlinked();
    // The polarity button and picture show the current output's polarity (after its strip's
    // button changed it too).
    void ShowPolarity();
    // The strips of the outputs linked to nOutput show their level again (the model copied it).
    void RefreshLinkedLevels(int nOutput);

    COutRoute_Dlg* GetStrip(int nOutput) const;
    CEqCurveStatic* GetGraph() const { return m_graph; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    // What a band column field edits: 0 frequency, 1 bandwidth, 2 gain.
    enum FieldKind { kFreq = 0, kWidth = 1, kGain = 2 };

    // Set-up (OutputDlg.cpp).
    void InitMasterControls();
    void InitCrossoverControls();
    void InitBandControls();
    void InitCommandButtons();
    void InitPlanControls();
    void InitStrips();
    void BindHandlers();
    void OnMasterOn();
    void OnPolarity();
    CKTV_OutData& Out() const;

    // Bands, crossover and graph (OutputDlgBands.cpp).
    void ShowBands();
    void ShowBandType(int nBand);
    void ShowCrossover();
    void ShowBandBypass(bool bBypassed, int nBand);
    void OnBandFieldCommitted(int nCtrlId);
    void OnBandFader(int nBand, bool bDone);
    void OnBandBypass(int nBand);
    void SetShelfType(int nBand, int nType);
    void OnShelfSlope(int nBand);
    void OnXoverFreq(bool bLpf);
    void OnXoverAlign(bool bLpf);
    void OnXoverSlope(bool bLpf);
    void OnDropListSelect(int nListId);
    void LoadBandFromCurve(int nBand);
    void OnFocusBandEdit(int nBand);
    void HighlightBandLabel(int nBand, bool bOn);
    void HighlightEdit(int nBand, int nKind, bool bOn);
    void HighlightXoverEdit(bool bLpf);
    void UpdateAllBypassButton();
    void UpdateFaderThumbs();
    void SwitchEqLayout(bool bGraphic);
    void FillSlopeList(CComBoxBtn& list);
    void FillAlignList(CComBoxBtn& list);

    // Whole-EQ commands (OutputDlgCommands.cpp).
    void OnAllBypass();
    void OnEqModeConvert();
    void OnResetAllEq();
    void ClearBandSelection();
    void ShowAfterEqCommand(int nOutput);

    // The car plan (OutputDlgPlan.cpp): outputs 0-5 at the positions of their roles, with their
    // delays in the unit of both pages and the links of the speaker groups.
    void BindPlanHandlers();
    void RefreshDiagram();
    void ShowPosition(int nOutput);
    void SetPositionCheck(int nOutput, bool bChecked);
    void OnPositionButton(int nButton);

    // The output map and link commands (OutputDlgMap.cpp).
    void BindMapHandlers();
    void OnSetSpeakerRole(int nOutput, int nRole);
    void OnLockOutputMap();
    void OnLinkLR();
    void OnResetOutputMap();
    void OnLoadOutputMap();
    void OnSaveOutputMap();
    void OnCopyChannel(int nSource, int nTarget);
    // After the roles changed: strips, crossover of the current output, plan and graph.
    void ShowRoleMap();
    // After the lock flag changed: its button and the strips follow.
    void ShowOutputMapLock();
    void RefreshCrossoverControls();

    // Keyboard moves between the fields (OutputDlgKeys.cpp).
    void OnNumEditKey(int nCtrlId, int nKey);
    void OnEditNextRow(int nCtrlId);
    // The field in the order of OutputFieldOrder that a control id of a page or strip field names.
    int FieldOfControl(int nCtrlId) const;
    bool CanFocusField(int nField) const;
    void ApplyFieldMove(const OutputFieldOrder::Move& move);

    void LoadStrips();

    // Keys and clicks anywhere on the page (a pending field is committed first).
    void OnCharHook(wxKeyEvent& event);

    bool m_bReady = false;  // set up and given its data: refreshes may run
    bool m_bGraphicLayout = false;
    int m_nHotLabel = -1;
    CNumEdit* m_pHotEdit = nullptr;
    int m_nHpfFreq = 0;  // the crossover frequencies as shown
    int m_nLpfFreq = 0;

    // Master block.
    CBitmapSlider* m_sliderMaster = nullptr;
    CNumEdit* m_editMaster = nullptr;
    CNumSpin* m_spinMaster = nullptr;
    CBitButton* m_btnMasterOn = nullptr;
    int m_nMasterBinding = -1;

    // Band columns.
    std::array<CNumEdit*, 10> m_editFreq{};
    std::array<CNumSpin*, 10> m_spinFreq{};
    std::array<CNumEdit*, 10> m_editWidth{};
    std::array<CNumSpin*, 10> m_spinWidth{};
    std::array<CNumEdit*, 10> m_editGain{};
    std::array<CNumSpin*, 10> m_spinGain{};
    std::array<CBitmapSlider*, 10> m_sliderGain{};
    std::array<CXPButton*, 10> m_btnBypass{};
    std::array<CFontStatic*, 10> m_stBandNo{};
    std::array<int, 10> m_nFreqBinding{};
    std::array<int, 10> m_nWidthBinding{};
    std::array<int, 10> m_nGainBinding{};
    CBitButton* m_btnBand1Peq = nullptr;
    CBitButton* m_btnLowShelf = nullptr;
    CBitButton* m_btnBand10Peq = nullptr;
    CBitButton* m_btnHighShelf = nullptr;
    CComBoxBtn* m_cbLowShelfSlope = nullptr;
    CComBoxBtn* m_cbHighShelfSlope = nullptr;

    // Crossover.
    CNumEdit* m_editHpfFreq = nullptr;
    CNumSpin* m_spinHpfFreq = nullptr;
    CNumEdit* m_editLpfFreq = nullptr;
    CNumSpin* m_spinLpfFreq = nullptr;
    CComBoxBtn* m_cbHpfAlign = nullptr;
    CComBoxBtn* m_cbHpfSlope = nullptr;
    CComBoxBtn* m_cbLpfAlign = nullptr;
    CComBoxBtn* m_cbLpfSlope = nullptr;

    // Graph, whole-EQ commands, polarity, input indicator, level page, output map.
    CEqCurveStatic* m_graph = nullptr;
    CXPButton* m_btnAllBypass = nullptr;
    CXPButton* m_btnEqMode = nullptr;
    CXPButton* m_btnResetEq = nullptr;
    CBitButton* m_btnGeqLabel = nullptr;
    CBitButton* m_btnPolarity = nullptr;
    CBitButton* m_btnInputShow = nullptr;
    CBitButton* m_btnLevelPage = nullptr;
    CBitButton* m_btnLockMap = nullptr;
    CBitButton* m_btnLinkLR = nullptr;
    CBitButton* m_btnResetMap = nullptr;
    CBitButton* m_btnLoadMap = nullptr;
    CBitButton* m_btnSaveMap = nullptr;

    // Car plan.
    std::array<CBtnPng*, 24> m_btnPosition{};
    // The delay fields, spins, link and unit buttons, and which output each field and position
    // serves (outputs 0-5).
    CDelayPlanControls m_planControls;

    std::array<COutRoute_Dlg*, 8> m_strip{};
    wxEventFilter* m_pClickFilter = nullptr;
};
