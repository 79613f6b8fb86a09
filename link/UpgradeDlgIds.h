#pragma once
// Ids of the firmware update dialog: its template and its controls, shared by the template's rows
// (res/DialogTemplates.cpp) and the dialog's code.
namespace UpgradeDlgIds {
enum Id : int {
    IDD_UPGRADE = 270,
    IDC_FILE_GROUP = 1889,
    IDC_PATH = 1882,
    IDC_BROWSE = 1883,
    IDC_TIP = 1886,
    IDC_PROGRESS = 1414,
    IDC_UPDATE = 1881,
    IDC_QUIT = 1891,
    // The serial choice, kept hidden: its group, labels, the three transports and the ports.
    IDC_COM_GROUP = 1890,
    IDC_COM_LABEL = 1887,
    IDC_HEX_LABEL = 1878,
    IDC_USB = 1798,
    IDC_WIFI = 1880,
    IDC_COM = 1888,
    IDC_PORTS = 1898,
};
}  // namespace UpgradeDlgIds
