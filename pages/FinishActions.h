#pragma once

#include <string>

class ConfigurationManager;

// What a finish page starts through the shell when the wizard ends.
struct ShellLaunch {
    std::string file;
    std::string parameters;
};

// The installed product, its path's placeholders expanded.
ShellLaunch InstalledProductLaunch(ConfigurationManager& settings);

// Explorer showing file's folder with file selected.
ShellLaunch ShowInFolderLaunch(const std::string& file);
