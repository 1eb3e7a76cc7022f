#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "i18n/LanguageManager.h"
#include "platform/System.h"
#include "platform/win32/Win32Locales.h"
#include "platform/win32/Win32Resources.h"
#include "settings/ConfigurationManager.h"
#include "win/Handle.h"

namespace {

using Status = platform::Resource::Status;

// A file of the source tree, through Wine's drive for the Unix root.
std::string SourceFile(const std::string& relativePath) {
    std::ifstream file("Z:" QUILLET_SOURCE_DIR "/" + relativePath, std::ios::binary);
    EXPECT_TRUE(file) << relativePath;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The program's resources, loaded as data.
win::UniqueModule LoadProgram() {
    const std::wstring program = test_support::BesideTestProgram(L"quillet.exe");
    return win::UniqueModule(::LoadLibraryExW(
        program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

// Keeps messages instead of showing them, so nothing waits for a click.
class RecordedMessages : public platform::MessageBoxes {
public:
    std::vector<std::string> shown;
    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
};

TEST(Win32Resources, ReadsTheLocaleDocumentsTheProgramCarries) {
    const win::UniqueModule program = LoadProgram();
    ASSERT_TRUE(program);
    platform::win32::Resources resources(program.Get());
    const std::pair<int, const char*> documents[] = {{101, "isv-en.xml"},
                                                     {102, "isv-es.xml"},
                                                     {105, "dlm-en.xml"},
                                                     {106, "dlm-es.xml"},
                                                     {108, "norvik.xml"}};
    for (const auto& [id, file] : documents) {
        const platform::Resource resource = resources.Read("LOCALE", id);
        ASSERT_EQ(resource.status, Status::Found) << id;
        EXPECT_EQ(resource.bytes, SourceFile(std::string("res/locale/") + file)) << id;
    }
}

TEST(Win32Resources, MissingResourceIsNotFound) {
    const win::UniqueModule program = LoadProgram();
    ASSERT_TRUE(program);
    platform::win32::Resources resources(program.Get());
    EXPECT_EQ(resources.Read("LOCALE", 103).status, Status::NotFound);
    EXPECT_EQ(resources.Read("NO_SUCH_TYPE", 101).status, Status::NotFound);
    // Without a module it reads the running program: this test carries none.
    EXPECT_EQ(platform::win32::Resources().Read("LOCALE", 101).status, Status::NotFound);
}

TEST(Win32Locales, NamesLanguagesInTheirOwnLanguage) {
    platform::win32::Locales locales;
    const std::pair<const char*, std::string> cases[] = {
        {"en", "English"},
        {"en-US", "English"},
        {"es", "espa\u00F1ol"},
        {"es-MX", "espa\u00F1ol"},
    };
    for (const auto& [localeName, expected] : cases) {
        EXPECT_EQ(locales.NativeLanguageName(localeName).value_or("(none)"), expected)
            << localeName;
    }
    EXPECT_FALSE(locales.NativeLanguageName("no such locale").has_value());

    const auto user = locales.UserDefaultLocaleName();
    ASSERT_TRUE(user.has_value());
    EXPECT_TRUE(locales.NativeLanguageName(*user).has_value()) << *user;
}

TEST(Win32Localization, ProgramDocumentsLoadThroughTheLanguageManager) {
    const win::UniqueModule program = LoadProgram();
    ASSERT_TRUE(program);
    platform::win32::Resources resources(program.Get());
    platform::win32::Locales locales;
    RecordedMessages messages;
    platform::System& system = platform::CurrentSystem();
    ConfigurationManager settings("ISV", system);
    // Only the settings' texts matter here, not the run's work folder.
    EXPECT_TRUE(system.files.RemoveEmptyFolder(settings.workFolder));
    LanguageManager languages(settings, resources, locales, messages);

    const LanguageList list = languages.FillLanguageList();
    ASSERT_EQ(list.displayNames, (std::vector<std::string>{"English", "espa\u00F1ol"}));
    ASSERT_TRUE(languages.SetLanguage("espa\u00F1ol"));
    EXPECT_EQ(languages.Translate("SPLASH_TEXT"),
              "Para continuar, seleccione su idioma preferido y haga clic en \"SIGUIENTE\".");
    EXPECT_EQ(languages.Translate("LICENSE_EULA").rfind("PELLAR CLASSIC END USER LICENSE", 0), 0u);
    EXPECT_EQ(settings.localeName, "es");
    EXPECT_EQ(messages.shown, std::vector<std::string>{});
}

}  // namespace
