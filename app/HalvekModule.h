#pragma once
// The program's server switches. "-RegServer", "/RegServer", "-UnregServer" and "/UnregServer"
// (any letter case) register or unregister the program as a local server and end it; there is
// nothing to register here, so both just end the program without a window. The whole rest of the
// command line after the "-" or "/" must be the switch.
#include <string>

class CHalvekModule {
public:
    enum class Switch { None, RegServer, UnregServer };

    // The position just after the first character of szText that is one of szChars, or nullptr.
    static const char* FindOneOf(const char* szText, const char* szChars);
    // The registration switch the command line (the arguments joined by blanks) asks for.
    static Switch ScanCommandLine(const std::string& strCmdLine);
};
