#include "pages/FinishActions.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"
#include "settings/ConfigurationManager.h"

TEST(FinishActions, InstalledProductStartsFromTheExpandedFolder) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    settings.launchArguments = "--first-run";
    const ShellLaunch launch = InstalledProductLaunch(settings);
    EXPECT_EQ(launch.file,
              settings.ExpandPathPlaceholders("{commonappdata}") + "\\Pellar\\Pellar.exe");
    EXPECT_EQ(launch.file.find('{'), std::string::npos) << launch.file;
    EXPECT_EQ(launch.parameters, "--first-run");
}

TEST(FinishActions, UnknownPlaceholderIsPassedOnAsItIs) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    settings.installedProductPath = "{nosuchfolder}\\Pellar.exe";
    EXPECT_EQ(InstalledProductLaunch(settings).file, "{nosuchfolder}\\Pellar.exe");
}

TEST(FinishActions, ShowInFolderQuotesThePath) {
    const ShellLaunch launch = ShowInFolderLaunch("C:\\Users\\user\\Downloads\\Pellar Setup.exe");
    EXPECT_EQ(launch.file, "explorer.exe");
    EXPECT_EQ(launch.parameters, "/select,\"C:\\Users\\user\\Downloads\\Pellar Setup.exe\"");
}
