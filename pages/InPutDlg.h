#pragma once
// The music input page (page 0 of the main view): the active music input (g_nCurInput) with
// bands 1-15 of its EQ in the parametric or the graphic layout and its EQ graph, the input select
// buttons and the connector strip, the AUX mode, the Hi.Level mode and the mixer source, and the
// commands on the whole EQ.
//
// Band edits go through the parameter table's rows (the link worker sends the bands later);
// choices of input and mode through the view's one routine (model/ActiveInput.h), which sends
// system items 5 and 2 at once and tells the level page; the whole-EQ commands through
// CInputEqCommands. Every refresh derives what the page shows from the globals, so nothing an
// earlier input or mode left behind survives it. Loading marks nothing and opens no box.
#include <array>
#include <functional>

#include "model/ActiveInput.h"
#include "pages/InputEqCommands.h"
#include "pages/InputPageLayout.h"
#include "pages/Page.h"

class CBitButton;
class CBitmapSlider;
class CEqCurveStatic;
class CFontStatic;
class CInMode_Dlg;
class CMusic_InData;
class CNumEdit;
class CNumSpin;
class CXPButton;
class wxMenu;

class CInPutDlg : public CPage {
public:
    CInPutDlg(IPageHost& host, CKTV_Data& data);
    ~CInPutDlg() override;

    void RefreshFromModel() override { RefreshChannelButtons(); }
    void SetLanguage() override;

    // Loads the active input into the band controls, the EQ buttons and the graph.
    void ShowChannel();
    // Selected-input picture, mode buttons, select buttons and strip as the globals say, the EQ
    // controls enabled unless the processor reports no input, then ShowChannel.
    void RefreshChannelButtons();
    // The mixer button's face for the mixer source, and the Hi.Level mode buttons.
    void UpdateSourceButtons();
    // After an all-presets file was read: source faces and the select buttons' layout for the
    // file's optional inputs (the page is refreshed for the file's input and mode when shown).
    void RefreshInputControls();
    // Unless a numeric field has the focus, the first band field of the layout's order (the
    // first frequency, or the first gain in the graphic layout) takes it and band 1 is selected.
    // Ready for a caller (nothing calls it yet).
    void FocusFirstEdit();

    // Opens the mixer source pop-up at a point of the page; tests replace it to look at the menu.
    using PopupHandler = std::function<void(wxMenu& menu, const wxPoint& pt)>;
    void SetPopupHandler(PopupHandler handler) { m_fnPopup = std::move(handler); }
    CInMode_Dlg* Strip() const { return m_dlgInMode; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    static constexpr int kBands = InputPageLayout::kBands;

    // Set-up (InPutDlg.cpp).
    void InitBandControls();
    void BindHandlers();
    void SetEqLayout(bool bGraphic);
    void LayoutInputButtons();
    void ShowSelectedInput();
    void SetInputButtonFaces();
    void ApplyNoInputState();
    void OnCharHook(wxKeyEvent& event);
    void OnNumEditKey(int nId, int nKey);
    void OnEditNextRow(int nId);
    void FocusEdit(int nId);

    // Bands (InPutDlgBands.cpp).
    void OnBandCommand(int nCtrlId);
    void OnFaderMoved(int nCtrlId, bool bDone);
    void OnBandWork(int k);
    void OnEqCurveChanged(int nBand, int nChannel);
    void OnFocusBandEdit(int nBand, int nChannel);
    void RefreshBand(int k);
    // Lamp, gain field and fader of band k as the band is (a band that is off shows 0.0 dB).
    void ShowBandBypass(int k);
    void RefreshBypassAllButton();
    void HighlightBandLabel(int k, bool bOn);
    void HighlightEdit(int k, int nRow, bool bOn);
    void SelectBand(int k, int nRow);
    void OnBypassAll();
    void OnResetEq();
    void OnEqMode();

    // Inputs, modes, mixer (InPutDlgInput.cpp).
    void OnInputButton(int k);
    void OnSelectInput(int nInput);
    void OnAuxMode(int nMode);
    void AfterInputChoice(const InputChange& change, bool bAlwaysRefresh);
    void OnHiLevelMode(int bTwoWay);
    void OnMixerButton();
    void SetMixerSource(int nSource);
    void OnDeviceInputChanged(int nInput);
    void OnInputSelected(int bPrevNoInput, int nPrevInput);

    CBitButton* m_btnOneWay = nullptr;
    CBitButton* m_btnTwoWay = nullptr;
    CBitButton* m_btnGainRow = nullptr;
    std::array<CBitButton*, 3> m_btnAuxMode{};
    CBitButton* m_btnEqMode = nullptr;
    CBitButton* m_btnResetEq = nullptr;
    CBitButton* m_btnBypassAll = nullptr;
    std::array<CBitButton*, InputPageLayout::MUSIC_INPUTS> m_btnInput{};
    CBitButton* m_btnMixer = nullptr;
    CBitButton* m_btnSelInput = nullptr;
    CEqCurveStatic* m_wndCurve = nullptr;
    std::array<CFontStatic*, kBands> m_lblBand{};
    std::array<CXPButton*, kBands> m_btnBandWork{};
    std::array<CBitmapSlider*, kBands> m_sldGain{};
    std::array<CNumEdit*, kBands> m_editGain{}, m_editQ{}, m_editFreq{};
    std::array<CNumSpin*, kBands> m_spinGain{}, m_spinQ{}, m_spinFreq{};
    std::array<int, kBands> m_nFreqBinding{}, m_nQBinding{}, m_nGainBinding{};

    CMusic_InData* m_pMusic = nullptr;
    int m_bBypassAll = 0;
    int m_bGraphicEQ = 0;
    CFontStatic* m_pHotLabel = nullptr;
    CNumEdit* m_pHotEdit = nullptr;
    CInMode_Dlg* m_dlgInMode = nullptr;
    std::array<wxRect, InputPageLayout::MUSIC_INPUTS> m_rcInputBtn;
    std::array<wxRect, kBands> m_rcFaderGeq, m_rcFaderPeq, m_rcGainPeq, m_rcFreqEdit;
    // The optional-inputs byte the select buttons were last laid out for (a byte naming no
    // layout keeps it).
    int m_nLaidOutOpt = 3;
    CInputEqCommands m_eqCommands;
    PopupHandler m_fnPopup;
};

// The music input page while it exists (UI thread); the view posts the input's changes to it.
extern CInPutDlg* g_pInputPage;
