#pragma once
// Gives the test process its own settings folder: XDG_CONFIG_HOME points at a fresh temporary
// folder that is removed when the process ends.
#include <string>

void UseFreshConfigFolder();
const std::string& ConfigFolder();
