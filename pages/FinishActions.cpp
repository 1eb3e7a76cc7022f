#include "pages/FinishActions.h"

#include "settings/ConfigurationManager.h"

ShellLaunch InstalledProductLaunch(ConfigurationManager& settings) {
    return {settings.ExpandPathPlaceholders(settings.installedProductPath),
            settings.launchArguments};
}

ShellLaunch ShowInFolderLaunch(const std::string& file) {
    return {"explorer.exe", "/select,\"" + file + "\""};
}
