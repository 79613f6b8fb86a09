#pragma once
// A stand-in for the system's ping in the tests' own settings folder.
#include <string>

// A script that prints `output` after `sleep` seconds and leaves a mark "<path>.ran" that it ran
// and a line of its arguments in "<path>.args" for every run; returns its path.
std::string FakePing(const std::string& name, const std::string& output, int sleep = 0);
