#include "settings/WizardType.h"

#include <gtest/gtest.h>

TEST(WizardType, TableKnowsExactlyTheTwoNames) {
    const struct {
        const char* name;
        int expected;
    } cases[] = {
        {"DLM", WizardType::DLM}, {"ISV", WizardType::ISV}, {"isv", WizardType::Unknown},
        {"", WizardType::Unknown}, {"ISV ", WizardType::Unknown}, {"XYZ", WizardType::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(LookUpWizardType(c.name), c.expected) << c.name;
}

TEST(WizardType, MutexNameIsMachineWideAndCarriesTheType) {
    EXPECT_EQ(SingleInstanceMutexName("ISV"), "Global\\QuilletISVSingleInstanceMutex");
    EXPECT_EQ(SingleInstanceMutexName("DLM"), "Global\\QuilletDLMSingleInstanceMutex");
}
