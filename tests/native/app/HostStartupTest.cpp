#include "app/HostStartup.h"

#include <gtest/gtest.h>

#include "settings/WizardType.h"

TEST(HostStartup, CaptionByWizardType) {
    EXPECT_EQ(InitialCaption(WizardType::ISV, "Pellar Classic"), "Pellar Classic ");
    EXPECT_EQ(InitialCaption(WizardType::DLM, "Pellar Classic"), "Setup");
    EXPECT_EQ(InitialCaption(WizardType::DLM, ""), "Setup");
    EXPECT_EQ(InitialCaption(WizardType::Unknown, "Pellar Classic"), std::nullopt);
    EXPECT_EQ(InitialCaption(3, "Pellar Classic"), std::nullopt);
}

TEST(HostStartup, AboutBoxVersionLine) {
    EXPECT_EQ(AboutVersionText("3.1.0.11073"), "Quillet, Version 3.1.0.11073");
    EXPECT_EQ(AboutVersionText(""), "Quillet, Version ");
}
