#pragma once
// The connection dialog: USB, WIFI or a serial port (with the port to use). On OK it makes the
// chosen transport the link type and records whether that changed. Nothing in the program opens
// it; it is the one place that would choose the serial transport.
#include <vector>

#include "controls/TemplateDialog.h"
#include "platform/ComPorts.h"

class wxChoice;
class wxRadioButton;

class CConnectDlg : public CTemplateDialog {
public:
    static constexpr int IDD = 144;
    static constexpr int IDC_USB = 1798;
    static constexpr int IDC_WIFI = 1799;
    static constexpr int IDC_COM = 1888;
    static constexpr int IDC_PORTS = 1896;

    CConnectDlg();

    // The ports were listed from here (tests lay out a machine of their own).
    void SetPortRoots(const std::string& strSysRoot, const std::string& strDevRoot);
    // After OK: the choice was the link type already.
    bool IsSameLink() const { return m_bSameLink; }
    int GetChoice() const { return m_nChoice; }
    wxChoice* GetPortList() const { return m_pPorts; }
    void Choose(int nLinkType);
    void PickPort(int nIndex);

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void EnablePortList();

    wxRadioButton* m_pRadios[3] = {};
    wxChoice* m_pPorts = nullptr;
    std::vector<ComPortInfo> m_ports;
    std::string m_strSysRoot = "/sys/class/tty";
    std::string m_strDevRoot = "/dev";
    int m_nChoice = 0;
    bool m_bSameLink = false;
};
