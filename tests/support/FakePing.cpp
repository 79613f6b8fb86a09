#include "tests/support/FakePing.h"

#include <sys/stat.h>

#include <fstream>

#include "tests/support/TestEnvironment.h"

std::string FakePing(const std::string& name, const std::string& output, int sleep)
{
    const std::string path = ConfigFolder() + "/" + name;
    std::ofstream(path) << "#!/bin/sh\ntouch \"$0.ran\"\nprintf '%s\\n' \"$*\" >> \"$0.args\"\nsleep " << sleep << "\nprintf '%s\\n' '" << output << "'\n";
    chmod(path.c_str(), 0755);
    return path;
}
