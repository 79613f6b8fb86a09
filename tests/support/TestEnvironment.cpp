#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {
std::string g_folder;

void RemoveFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
}
}  // namespace

void UseFreshConfigFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvi-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary settings folder");
    g_folder = pattern;
    setenv("XDG_CONFIG_HOME", g_folder.c_str(), 1);
    std::atexit(RemoveFolder);
}

const std::string& ConfigFolder()
{
    return g_folder;
}
