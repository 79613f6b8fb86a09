#pragma once
// The advanced settings dialog (tools command 728): the ducking mixer (its source goes to the
// processor at once, threshold, attenuation and release leave system item 2 pending), the input
// options (music group delay and noise threshold leave item 5 pending), the limiter of one output
// at a time chosen in the list of the eight outputs, with its transfer curve whose knee can be
// dragged, the network endpoint (taken only when it is a dotted address and a port in range),
// the EQ display option and Load Default (the processor's factory reset, at once).
//
// While it is open the main view and the link reach it through g_pAdvDlg (IAdvSettings), on the
// UI thread; ReloadFromDevice runs with the link lock held, so it only loads controls.
#include <functional>
#include <memory>
#include <string>

#include "controls/TemplateDialog.h"
#include "link/AdvSettings.h"
#include "pages/AdvSetingLogic.h"
#include "pages/ParamBinder.h"

class CAdv_ComBox;
class CBitButton;
class CCOM_EXT_LIMStatic;
class CFontStatic;
class CKTV_Data;
class CListCtrlCl;
class CNumEdit;
class CNumSpin;
class IPageHost;
class wxMenu;
class wxTextCtrl;

class CAdv_Seting : public CTemplateDialog, public IAdvSettings {
public:
    CAdv_Seting(IPageHost& host, CKTV_Data& data);
    ~CAdv_Seting() override;

    void ReloadFromDevice() override;
    void UpdateSourceButton() override;
    void EnableLoadDefault(int bEnable) override;
    void ReloadNetwork() override;

    // The source menu opens under the source button; a test may answer it instead.
    using PopupHandler = std::function<void(wxMenu& menu, const wxPoint& pt)>;
    void SetPopupHandler(PopupHandler handler) { m_fnPopup = std::move(handler); }

    // The output whose limiter the fields show: -1 (at the start and after a reload) the first.
    void SelectLimitChannel(int nRow);
    int GetSelectedRow() const { return m_nSelRow; }
    // The port Apply took last.
    int GetPort() const { return m_nPort; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    bool PreTranslateKey(wxKeyEvent& event) override;

private:
    void InitFields();
    void InitOutputList();
    void InitLimiter();
    void ApplyLanguage();
    void LoadControls();
    void LoadLimitChannel();
    // Columns 2 and 3: "Edit" on the selected row and, while left and right are linked, "Edit"
    // and "Link" on a red ground on the rows linked to it.
    void ShowListMarks();
    void FillRoles();
    void RemoveLevelHighlights();

    void OnSourceButton();
    void OnSourceMenu(int nCommand);
    void OnListItem(int nItem);
    void OnAddressChanged();
    void OnPortKey();
    void OnApply();
    void OnLoadDefault();
    void OnLineSet();
    void OnFieldKey(int nCtrlId, int nKey);
    void FocusField(int nCtrlId);

    IPageHost* const m_pView;
    CKTV_Data* const m_pData;
    CParamBinder m_binder;
    CAdvSetingLogic m_logic;
    PopupHandler m_fnPopup;
    std::unique_ptr<wxMenu> m_menuSource;

    CFontStatic* m_stcDescription = nullptr;
    CBitButton* m_btnLineSet = nullptr;
    CAdv_ComBox* m_comboOffscreen = nullptr;
    CBitButton* m_btnLoadDefault = nullptr;
    CBitButton* m_btnApply = nullptr;
    CBitButton* m_btnQuit = nullptr;
    CBitButton* m_btnSource = nullptr;
    CListCtrlCl* m_listOutputs = nullptr;
    CCOM_EXT_LIMStatic* m_graph = nullptr;
    wxTextCtrl* m_editAddress = nullptr;
    CNumEdit* m_editPort = nullptr;
    CNumEdit* m_editDbu = nullptr;
    CNumSpin* m_spinDbu = nullptr;
    CNumEdit* m_editVolt = nullptr;
    CNumSpin* m_spinVolt = nullptr;

    int m_nPort = 0;
    int m_nSelRow = 0;
    int m_nBindDbu = -1;
    int m_nBindVolt = -1;
    int m_nBindAttack = -1;
    int m_nBindRelease = -1;
    // The fields of the device-state items (mixer and input options).
    int m_nBindFirstDevice = -1;
    int m_nBindLastDevice = -1;
    std::string m_strLink;
    std::string m_strEdit;
};
