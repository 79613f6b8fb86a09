#pragma once
// The machine's serial ports, from /sys/class/tty: every tty that stands on a device (virtual
// consoles and pseudo-terminals do not), except serial-core ports that report no UART behind them.
#include <string>
#include <vector>

struct ComPortInfo {
    std::string strDevicePath;   // what opens it: /dev/ttyUSB0
    std::string strPortName;     // ttyUSB0
    std::string strDisplayName;  // description and port name: "CP2102 USB to UART (ttyUSB0)"
    bool bUsb = false;           // attached through USB
    std::string strDescription;  // the USB product text, else the driver's name, else the port name
};

// Fills the list, in port-name order (ttyS2 before ttyS10). With bDropBusy every port is opened
// exclusively once and left out when that fails. Returns "" or the text of what failed; the list
// then stays empty. The roots are parameters so that tests can lay out a machine of their own.
std::string ListComPorts(std::vector<ComPortInfo>& list, bool bDropBusy,
                         const std::string& strSysRoot = "/sys/class/tty", const std::string& strDevRoot = "/dev");
