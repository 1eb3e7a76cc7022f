#include "settings/RegistryQuery.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/fake/FakeRegistry.h"
#include "settings/RegistryPath.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;

// A machine's registry with the layout below, and the cache of one run.
struct Machine {
    explicit Machine(bool windows64) : registry(windows64) {
        // As the 64-bit view shows them: 64-bit applications under Software,
        // 32-bit ones under Software\Wow6432Node.
        const auto keys = windows64
                              ? std::vector<const char*>{"Software\\Vendor64\\App",
                                                         "Software\\Wow6432Node\\Vendor32\\App",
                                                         "Software\\Both\\App",
                                                         "Software\\Wow6432Node\\Both\\App",
                                                         "System\\CurrentControlSet"}
                              : std::vector<const char*>{"Software\\Vendor32\\App"};
        for (const char* key : keys) registry.AddKey(kMachine, key);
        registry.AddKey(kUser, "Software\\UserVendor\\App");
        registry.AddKey(RegistryRoot::Users, "S-1-5-18\\Environment");
        registry.opens = 0;
    }

    bool Exists(const std::string& path) { return win32::RegistryKeyExists(cache, path); }

    fake::Registry registry;
    win32::RegistryCache cache{registry, registry.Windows64()};
};

TEST(RegistryKeyExists, ViewsOf64BitWindows) {
    Machine machine(true);
    const struct {
        const char* path;
        bool exists;
    } cases[] = {
        {"hkey_local_machine\\software\\vendor64\\app", true},
        {"hkey_local_machine\\software\\vendor64", true},
        {"hkey_local_machine\\software\\wow6432node\\vendor64\\app", false},
        {"hkey_local_machine\\software\\vendor32\\app", false},
        {"hkey_local_machine\\software\\wow6432node\\vendor32\\app", true},
        {"hkey_local_machine\\software\\both\\app", true},
        {"hkey_local_machine\\software\\wow6432node\\both\\app", true},
        {"hkey_local_machine\\software\\vendor64\\missing", false},
        {"hkey_local_machine\\software\\nobody\\app", false},
        // The user's software branch is shared by both views.
        {"hkey_current_user\\software\\uservendor\\app", true},
        {"hkey_current_user\\software\\wow6432node\\uservendor\\app", true},
        // Other paths are opened as they are, in the process's own view.
        {"hkey_users\\s-1-5-18\\environment", true},
        {"hkey_users\\s-1-5-18\\nothing", false},
        {"hkey_local_machine\\system\\currentcontrolset", true},
        {"hkey_local_machine\\SOFTWARE\\Vendor32\\App", true},
        {"hkey_local_machine\\SOFTWARE\\Vendor64\\App", false},
    };
    for (const auto& c : cases) EXPECT_EQ(machine.Exists(c.path), c.exists) << c.path;
}

TEST(RegistryKeyExists, ViewsOf32BitWindows) {
    Machine machine(false);
    EXPECT_TRUE(machine.Exists("hkey_local_machine\\software\\vendor32\\app"));
    EXPECT_TRUE(machine.Exists("hkey_current_user\\software\\uservendor\\app"));
    EXPECT_TRUE(machine.Exists("hkey_users\\s-1-5-18\\environment"));
    const int opens = machine.registry.opens;
    // There is no 32-bit view to look in, and no such vendor.
    EXPECT_FALSE(machine.Exists("hkey_local_machine\\software\\wow6432node\\vendor32\\app"));
    EXPECT_FALSE(machine.Exists("hkey_local_machine\\software\\vendor64\\app"));
    EXPECT_EQ(machine.registry.opens, opens);
}

TEST(RegistryKeyExists, ConfiguredPathFindsTheKeyInEitherView) {
    for (const bool windows64 : {true, false}) {
        Machine machine(windows64);
        const auto anyExists = [&](const char* configured) {
            for (const auto& candidate : win32::ExpandRegistryPath(configured, windows64)) {
                if (machine.Exists(candidate)) return true;
            }
            return false;
        };
        EXPECT_TRUE(anyExists("vendor32\\app")) << windows64;
        EXPECT_TRUE(anyExists("uservendor")) << windows64;
        EXPECT_TRUE(anyExists("hkcu\\software\\uservendor\\app")) << windows64;
        EXPECT_FALSE(anyExists("software\\vendor32")) << windows64;
        EXPECT_FALSE(anyExists("nobody")) << windows64;
        EXPECT_FALSE(anyExists("")) << windows64;
    }
}

TEST(RegistryKeyExists, BadPathsAreNotMistakenForAbsentKeys) {
    Machine machine(true);
    EXPECT_THROW(machine.Exists("hklm\\software\\x"), std::out_of_range);
    EXPECT_THROW(machine.Exists("hkey_local_machine\\software\\"), std::out_of_range);
}

TEST(RegistryKeyExists, BranchIsEnumeratedOncePerHiveAndViewAndUnlistedVendorsOpenNothing) {
    Machine machine(true);
    const auto& registry = machine.registry;

    EXPECT_FALSE(machine.Exists("hkey_local_machine\\software\\nobody\\app"));
    EXPECT_EQ(registry.infoQueries, 1);
    EXPECT_EQ(registry.opens, 1);  // the branch, to enumerate it
    for (int i = 0; i < 50; ++i) {
        EXPECT_FALSE(
            machine.Exists("hkey_local_machine\\software\\absent" + std::to_string(i) + "\\app"));
    }
    EXPECT_EQ(registry.infoQueries, 1);
    EXPECT_EQ(registry.opens, 1);

    // A listed vendor opens the branch and the key below it.
    EXPECT_TRUE(machine.Exists("hkey_local_machine\\software\\vendor64\\app"));
    EXPECT_FALSE(machine.Exists("hkey_local_machine\\software\\vendor64\\x"));
    EXPECT_EQ(registry.infoQueries, 1);
    EXPECT_EQ(registry.opens, 5);

    // The 32-bit view and the other hive have lists of their own.
    EXPECT_TRUE(machine.Exists("hkey_local_machine\\software\\wow6432node\\vendor32"));
    EXPECT_TRUE(machine.Exists("hkey_current_user\\software\\uservendor"));
    EXPECT_FALSE(machine.Exists("hkey_current_user\\software\\nobody"));
    EXPECT_FALSE(machine.Exists("hkey_local_machine\\software\\wow6432node\\nobody"));
    EXPECT_EQ(registry.infoQueries, 3);
}

TEST(RegistryKeyExists, FailedEnumerationAnswersAbsentAndIsTriedAgain) {
    Machine machine(true);
    machine.registry.queryInfoError = platform::kErrorAccessDenied;
    EXPECT_FALSE(machine.Exists("hkey_local_machine\\software\\vendor64\\app"));
    machine.registry.queryInfoError = platform::kErrorSuccess;
    EXPECT_TRUE(machine.Exists("hkey_local_machine\\software\\vendor64\\app"));
    EXPECT_EQ(machine.registry.infoQueries, 2);

    // A branch without subkeys is an answer too: it is not asked again.
    fake::Registry bare(false);
    win32::RegistryCache bareCache(bare, false);
    EXPECT_FALSE(win32::RegistryKeyExists(bareCache, "hkey_current_user\\software\\a"));
    EXPECT_FALSE(win32::RegistryKeyExists(bareCache, "hkey_current_user\\software\\b"));
    EXPECT_EQ(bare.infoQueries, 1);
}

class ReadValueAsText : public testing::Test {
protected:
    void Set(RegistryRoot root, const char* key, const char* name, RegistryValue value) {
        machine.registry.SetValue(root, key, name, value);
    }
    std::optional<std::string> Read(const char* hive, const char* subkey, const char* name) {
        return win32::ReadValueAsText(machine.cache, hive, subkey, name);
    }

    Machine machine{true};
};

TEST_F(ReadValueAsText, TextsAndNumbersFromThe64BitViewFirst) {
    Set(kMachine, "Software\\Both\\App", "Version", {platform::kRegSz, "64-bit", 0});
    Set(kMachine, "Software\\Wow6432Node\\Both\\App", "Version", {platform::kRegSz, "32-bit", 0});
    Set(kMachine, "Software\\Wow6432Node\\Vendor32\\App", "Version", {platform::kRegSz, "3.2", 0});
    Set(kMachine, "Software\\Vendor64\\App", "Installed", {platform::kRegDword, "", 20991231});
    Set(kMachine, "Software\\Vendor64\\App", "Stamp",
        {platform::kRegQword, "", 18446744073709551615ull});
    Set(kUser, "Software\\UserVendor\\App", "", {platform::kRegSz, "C:\\App", 0});

    EXPECT_EQ(Read("hkey_local_machine", "software\\both\\app", "version"), "64-bit");
    EXPECT_EQ(Read("hkey_local_machine", "software\\vendor32\\app", "version"), "3.2");
    EXPECT_EQ(Read("hkey_local_machine", "software\\vendor64\\app", "installed"), "20991231");
    EXPECT_EQ(Read("hkey_local_machine", "software\\vendor64\\app", "stamp"),
              "18446744073709551615");
    EXPECT_EQ(Read("hkey_current_user", "software\\uservendor\\app", ""), "C:\\App");
    // An upper-case SOFTWARE is one candidate, in the process's own 32-bit view.
    EXPECT_EQ(Read("hkey_local_machine", "SOFTWARE\\Both\\App", "Version"), "32-bit");
}

TEST_F(ReadValueAsText, OtherTypesAreNeverText) {
    Set(kMachine, "Software\\Both\\App", "Path", {platform::kRegExpandSz, "%windir%", 0});
    Set(kMachine, "Software\\Both\\App", "Data", {platform::kRegBinary, "", 0});
    Set(kMachine, "Software\\Vendor64\\App", "Path", {platform::kRegExpandSz, "%windir%", 0});
    // The search goes on to the 32-bit view's text of the same name.
    Set(kMachine, "Software\\Wow6432Node\\Both\\App", "Data", {platform::kRegSz, "in 32", 0});

    EXPECT_EQ(Read("hkey_local_machine", "software\\vendor64\\app", "path"), std::nullopt);
    EXPECT_EQ(Read("hkey_local_machine", "software\\both\\app", "path"), std::nullopt);
    EXPECT_EQ(Read("hkey_local_machine", "software\\both\\app", "data"), "in 32");
}

TEST_F(ReadValueAsText, MissingKeysAndValuesAreNotFound) {
    EXPECT_EQ(Read("hkey_local_machine", "software\\vendor64\\app", "missing"), std::nullopt);
    EXPECT_EQ(Read("hkey_local_machine", "software\\nobody\\app", "version"), std::nullopt);
    EXPECT_EQ(Read("hkey_users", "s-1-5-18\\nothing", "x"), std::nullopt);
    EXPECT_THROW(Read("hklm", "software\\vendor64\\app", "x"), std::out_of_range);
}

TEST(ReadValueAsTextOn32BitWindows, ReadsTheOnlyView) {
    Machine machine(false);
    machine.registry.SetValue(kMachine, "Software\\Vendor32\\App", "Version",
                              {platform::kRegSz, "3.2", 0});
    const auto read = [&](const char* subkey) {
        return win32::ReadValueAsText(machine.cache, "hkey_local_machine", subkey, "version");
    };
    EXPECT_EQ(read("software\\vendor32\\app"), "3.2");
    EXPECT_EQ(read("software\\wow6432node\\vendor32\\app"), std::nullopt);
}

}  // namespace
