#include "settings/RegistryValues.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/fake/FakeRegistry.h"
#include "settings/RegistryError.h"
#include "settings/RegistryKeys.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

void ExpectRegistryError(const std::function<void()>& call, const char* message,
                         std::uint32_t code) {
    try {
        call();
        ADD_FAILURE() << "no RegistryError, expected " << message;
    } catch (const win32::RegistryError& error) {
        EXPECT_STREQ(error.what(), message);
        EXPECT_EQ(error.Code(), code) << message;
    }
}

// One vendor key with a value of every kind the checks meet.
class RegistryValues : public testing::Test {
protected:
    RegistryValues() {
        const auto set = [this](const char* name, RegistryValue value) {
            registry.SetValue(RegistryRoot::CurrentUser, "Software\\Vendor", name, value);
        };
        set("Name", {platform::kRegSz, "Pellar Classic", 0});
        set("", {platform::kRegSz, "Default", 0});
        set("Count", {platform::kRegDword, "", 42});
        set("AllBits", {platform::kRegDword, "", 0xFFFFFFFF});
        set("Big", {platform::kRegQword, "", (1ull << 40) + 5});
        set("Path", {platform::kRegExpandSz, "%ProgramFiles%\\Vendor", 0});
        set("Blob", {platform::kRegBinary, "", 0});
    }

    const platform::RegistryKey& Software() {
        return *(software = win32::OpenKey(registry.Root(RegistryRoot::CurrentUser), "Software",
                                           platform::kKeyRead));
    }
    const platform::RegistryKey& Vendor() {
        return *(vendor = win32::OpenKey(Software(), "Vendor", platform::kKeyRead));
    }

    fake::Registry registry{true};
    std::unique_ptr<platform::RegistryKey> software;
    std::unique_ptr<platform::RegistryKey> vendor;
};

TEST_F(RegistryValues, ExistenceAndTypeOfEveryKind) {
    const struct {
        const char* name;
        std::uint32_t type;  // 0: no such value
    } cases[] = {
        {"Name", platform::kRegSz},     {"name", platform::kRegSz},
        {"", platform::kRegSz},         {"Count", platform::kRegDword},
        {"Big", platform::kRegQword},   {"Path", platform::kRegExpandSz},
        {"Blob", platform::kRegBinary}, {"Missing", 0},
    };
    const auto& key = Vendor();
    for (const auto& c : cases) {
        EXPECT_EQ(win32::ValueExists(key, c.name), c.type != 0) << c.name;
        EXPECT_EQ(win32::GetValueType(key, c.name), c.type) << c.name;
    }
    // A query that fails for another reason answers "absent" too.
    registry.valueError = platform::kErrorAccessDenied;
    EXPECT_FALSE(win32::ValueExists(key, "Name"));
    EXPECT_EQ(win32::GetValueType(key, "Name"), 0u);
}

TEST_F(RegistryValues, TypedReads) {
    const auto& key = Vendor();
    EXPECT_EQ(win32::ReadString(key, "", "Name"), "Pellar Classic");
    EXPECT_EQ(win32::ReadString(key, "", ""), "Default");
    EXPECT_EQ(win32::ReadString(Software(), "Vendor", "Name"), "Pellar Classic");
    EXPECT_EQ(win32::ReadDword(key, "Count"), 42u);
    EXPECT_EQ(win32::ReadDword(key, "AllBits"), 0xFFFFFFFFu);
    EXPECT_EQ(win32::ReadQword(key, "Big"), (1ull << 40) + 5);
}

TEST_F(RegistryValues, FailedReadsCarryTheirMessageAndTheWindowsCode) {
    const auto& key = Vendor();
    const struct {
        std::function<void()> read;
        const char* message;
        std::uint32_t code;
    } cases[] = {
        {[&] { win32::ReadString(key, "", "Missing"); }, win32::kCannotReadString,
         platform::kErrorFileNotFound},
        {[&] { win32::ReadString(key, "", "Count"); }, win32::kCannotReadString,
         platform::kErrorUnsupportedType},
        {[&] { win32::ReadString(Software(), "NoVendor", "Name"); }, win32::kCannotReadString,
         platform::kErrorFileNotFound},
        {[&] { win32::ReadDword(key, "Big"); }, win32::kCannotReadDword,
         platform::kErrorUnsupportedType},
        {[&] { win32::ReadDword(key, "Missing"); }, win32::kCannotReadDword,
         platform::kErrorFileNotFound},
        {[&] { win32::ReadQword(key, "Count"); }, win32::kCannotReadQword,
         platform::kErrorUnsupportedType},
        {[&] { win32::OpenKey(Software(), "NoVendor", platform::kKeyRead); }, win32::kCannotOpenKey,
         platform::kErrorFileNotFound},
    };
    for (const auto& c : cases) ExpectRegistryError(c.read, c.message, c.code);

    registry.FailOpening(RegistryRoot::CurrentUser, "Software\\Locked",
                         platform::kErrorAccessDenied);
    ExpectRegistryError([&] { win32::OpenKey(Software(), "Locked", platform::kKeyRead); },
                        win32::kCannotOpenKey, platform::kErrorAccessDenied);
}

TEST_F(RegistryValues, DataMatchesByTheValuesType) {
    const struct {
        const char* name;
        const char* expected;
        bool matches;
    } cases[] = {
        {"Name", "pellar classic", true},
        {"Name", "Pellar Classic", false},  // expected texts come lower-cased
        {"Name", "pellar", false},
        {"Count", "42", true},
        {"Count", "43", false},
        {"Count", " +42", true},
        {"Count", "42abc", true},  // the conversion stops at the first non-digit
        {"AllBits", "4294967295", true},
        {"AllBits", "-1", true},  // as std::stoul with 32 bits
        {"Big", "1099511627781", true},
        {"Big", "1099511627780", false},
        {"Path", "%programfiles%\\vendor", false},  // never text
        {"Blob", "", false},
        {"Missing", "anything", false},
    };
    const auto& key = Vendor();
    for (const auto& c : cases) {
        EXPECT_EQ(win32::ValueDataMatches(key, c.name, c.expected), c.matches)
            << c.name << " " << c.expected;
    }
}

TEST_F(RegistryValues, NumberConversionErrorsPropagate) {
    const auto& key = Vendor();
    EXPECT_THROW(win32::ValueDataMatches(key, "Count", "abc"), std::invalid_argument);
    EXPECT_THROW(win32::ValueDataMatches(key, "Count", ""), std::invalid_argument);
    EXPECT_THROW(win32::ValueDataMatches(key, "Count", "4294967296"), std::out_of_range);
    EXPECT_THROW(win32::ValueDataMatches(key, "Count", "-4294967296"), std::out_of_range);
    EXPECT_THROW(win32::ValueDataMatches(key, "Big", "x"), std::invalid_argument);
    EXPECT_THROW(win32::ValueDataMatches(key, "Big", "18446744073709551616"), std::out_of_range);
    // A text value is never converted.
    EXPECT_FALSE(win32::ValueDataMatches(key, "Name", "abc"));
}

TEST_F(RegistryValues, SubkeysAreListedLowerCased) {
    for (const char* name : {"Mozilla", "BETA", "gamma", "Zeta Corp"}) {
        registry.AddKey(RegistryRoot::CurrentUser, std::string("Software\\Vendor\\") + name);
    }
    EXPECT_EQ(win32::EnumerateSubkeys(Vendor()),
              (std::vector<std::string>{"beta", "gamma", "mozilla", "zeta corp"}));
    registry.AddKey(RegistryRoot::CurrentUser, "Software\\Empty");
    EXPECT_TRUE(
        win32::EnumerateSubkeys(*win32::OpenKey(Software(), "Empty", platform::kKeyRead)).empty());
}

TEST_F(RegistryValues, EnumerationFailuresCarryTheirMessageAndCode) {
    registry.queryInfoError = platform::kErrorAccessDenied;
    ExpectRegistryError([&] { win32::EnumerateSubkeys(Software()); }, win32::kCannotQueryKeyInfo,
                        platform::kErrorAccessDenied);
    registry.queryInfoError = platform::kErrorSuccess;
    registry.enumerateError = platform::kErrorMoreData;
    ExpectRegistryError([&] { win32::EnumerateSubkeys(Software()); },
                        win32::kCannotEnumerateSubkeys, platform::kErrorMoreData);
}

}  // namespace
