#include "settings/ConfigurationManager.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

#include "platform/fake/FakeSystem.h"
#include "settings/BuildConfig.h"

namespace {

const std::string kTemp = "C:\\Users\\user\\AppData\\Local\\Temp\\";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(ConfigurationManager, InstallerGetsCompiledProductAndOneFreshWorkFolder) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);

    EXPECT_EQ(settings.wizardType, WizardType::ISV);
    EXPECT_TRUE(system.messageBoxes.shown.empty());
    EXPECT_EQ(settings.productTitle, "Pellar Classic");
    EXPECT_EQ(settings.installerArguments, "/S");
    EXPECT_EQ(settings.installedProductPath, "{commonappdata}\\Pellar\\Pellar.exe");
    EXPECT_EQ(settings.productDownloadUrl, "https://" + std::string(build::kDownloadHost) +
                                               "/endpoint/pellar/os/riserollout/track/stable");
    EXPECT_EQ(settings.privacyPolicyUrl,
              "https://" + std::string(build::kWebHost) + "/legal/privacy-policy/");
    EXPECT_EQ(settings.termsOfUseUrl,
              "https://" + std::string(build::kWebHost) + "/legal/terms-of-use/");

    // Target and work folder are the same new, empty folder named like a
    // temporary file; the file that reserved the name is gone.
    EXPECT_TRUE(StartsWith(settings.workFolder, kTemp + "ISV")) << settings.workFolder;
    EXPECT_EQ(settings.targetFolder, settings.workFolder);
    EXPECT_TRUE(system.files.IsFolder(settings.workFolder));
    EXPECT_TRUE(system.files.files.empty());
}

TEST(ConfigurationManager, DownloadManagerTargetsDownloadsAndLeavesProductToTheService) {
    fake::System system;
    ConfigurationManager settings("DLM", system.services);

    EXPECT_EQ(settings.wizardType, WizardType::DLM);
    EXPECT_EQ(settings.targetFolder, "C:\\Users\\user\\Downloads");
    EXPECT_TRUE(StartsWith(settings.workFolder, kTemp + "ISV")) << settings.workFolder;
    EXPECT_TRUE(system.files.IsFolder(settings.workFolder));
    for (const std::string* text : {&settings.productTitle, &settings.productDownloadUrl,
                                    &settings.privacyPolicyUrl, &settings.termsOfUseUrl,
                                    &settings.installerArguments, &settings.installedProductPath}) {
        EXPECT_EQ(*text, "");
    }
}

TEST(ConfigurationManager, DownloadManagerTargetFallsBackInOrder) {
    struct Case {
        bool downloads, documents, temp;
        std::string expected;
    };
    const Case cases[] = {
        {false, true, true, "C:\\Users\\user\\Documents"},
        {false, false, true, kTemp},
        {false, false, false, "C:\\"},
    };
    for (const auto& c : cases) {
        fake::System system;
        if (!c.downloads) system.knownFolders.downloads.reset();
        if (!c.documents) system.knownFolders.documents.reset();
        if (!c.temp) system.files.tempFolder.reset();
        ConfigurationManager settings("DLM", system.services);
        EXPECT_EQ(settings.targetFolder, c.expected);
    }
}

TEST(ConfigurationManager, UnknownTypeIsReportedAndSkipsEveryPerTypeStep) {
    fake::System system;
    ConfigurationManager settings("XYZ", system.services);

    EXPECT_EQ(settings.wizardType, WizardType::Unknown);
    EXPECT_EQ(system.messageBoxes.shown, std::vector<std::string>{"Unknown wizard type"});
    EXPECT_EQ(settings.productTitle, "");
    EXPECT_EQ(settings.targetFolder, "");
    EXPECT_EQ(settings.workFolder, "");
    EXPECT_TRUE(system.files.folders.empty());
    // The common values are set whatever the type.
    EXPECT_EQ(settings.productId, "PellarClassic");
    EXPECT_EQ(settings.installerVersion, "3.1.0.11073");
}

TEST(ConfigurationManager, WorkFolderThatCannotBeMadeStaysEmpty) {
    for (const char* type : {"ISV", "DLM"}) {
        fake::System system;
        system.files.failFolderCreation = true;
        ConfigurationManager settings(type, system.services);
        EXPECT_EQ(settings.workFolder, "") << type;
        EXPECT_TRUE(system.files.files.empty()) << "the reserving file is left behind";
    }
    fake::System noTemp;
    noTemp.files.tempFolder.reset();
    ConfigurationManager settings("ISV", noTemp.services);
    EXPECT_EQ(settings.workFolder, "");
    EXPECT_EQ(settings.targetFolder, "");
}

TEST(ConfigurationManager, CommonValuesAndEndpoints) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    const std::string service = "https://" + std::string(build::kServiceHost);

    EXPECT_EQ(settings.configurationUrl, service + "/o");
    EXPECT_EQ(settings.reportingUrl, service + "/zbd");
    EXPECT_EQ(settings.fileEndpointUrl, service + "/f/");
    EXPECT_EQ(settings.publisher, "Norvik");
    EXPECT_EQ(settings.campaignId, "PellarClassic_Quillet");
    EXPECT_TRUE(settings.publisherVariant);
    EXPECT_TRUE(settings.classicExtras);
    EXPECT_TRUE(settings.reportMainProductOutcome);
    EXPECT_EQ(settings.backgroundColor, 0xFFFFFFu);
    // COLORREF layout: red in the low byte.
    EXPECT_EQ(settings.accentColor, 0x42BC7Fu);
    EXPECT_EQ(settings.accentColor & 0xFF, 0x7Fu);
    EXPECT_EQ(settings.accentColor >> 16, 0x42u);
}

TEST(ConfigurationManager, PlainPageSetClearsBothPublisherSwitches) {
    fake::System system;
    for (const char* type : {"ISV", "DLM"}) {
        ConfigurationManager settings(type, system.services, /*publisherPages=*/false);
        EXPECT_FALSE(settings.publisherVariant) << type;
        EXPECT_FALSE(settings.classicExtras) << type;
        EXPECT_TRUE(settings.reportMainProductOutcome) << type;
    }
}

TEST(ConfigurationManager, VersionTextComesFromTheVersionResource) {
    fake::System system;
    system.module.version = platform::FileVersion{65535, 0, 7, 12};
    EXPECT_EQ(ConfigurationManager("ISV", system.services).installerVersion, "65535.0.7.12");
    system.module.version.reset();
    EXPECT_EQ(ConfigurationManager("ISV", system.services).installerVersion, "");
}

TEST(ConfigurationManager, InstanceIsBuiltOnceEvenWhenFirstAskedFromManyThreads) {
    std::vector<std::future<std::shared_ptr<ConfigurationManager>>> askers;
    for (int i = 0; i < 8; ++i) {
        askers.push_back(std::async(std::launch::async, [] { return ConfigurationManager::Instance(); }));
    }
    const auto first = askers.front().get();
    ASSERT_NE(first, nullptr);
    for (auto it = askers.begin() + 1; it != askers.end(); ++it) EXPECT_EQ(it->get(), first);
    EXPECT_EQ(ConfigurationManager::Instance(), first);
    EXPECT_EQ(first->wizardType, LookUpWizardType(build::kWizardTypeName));
}

}  // namespace
