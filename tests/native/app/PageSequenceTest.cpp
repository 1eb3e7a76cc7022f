#include "app/PageSequence.h"

#include <gtest/gtest.h>

#include "settings/WizardType.h"

namespace {

using Action = ButtonDecision::Action;
using P = PageKind;

TEST(PageSequence, FirstPagesFollowThePublisherVariant) {
    EXPECT_EQ(InitialPages(true), (std::vector{P::LanguageNorvik, P::Loading}));
    EXPECT_EQ(InitialPages(false), (std::vector{P::Language, P::Loading}));
}

TEST(PageSequence, PagesAfterLoadingByTypeAndFlags) {
    const struct {
        int type;
        bool publisher, extras;
        std::size_t offers;
        std::vector<PageKind> expected;
    } cases[] = {
        {WizardType::ISV,
         true,
         true,
         2,
         {P::WarningNorvikClassic, P::LicenseIsv, P::Product, P::Product, P::OptionsNorvikClassic,
          P::ConfigurationsNorvikClassic, P::DownloadIsv, P::FinishIsv}},
        {WizardType::ISV,
         true,
         false,
         1,
         {P::LicenseIsv, P::Product, P::DownloadIsv, P::FinishIsv}},
        {WizardType::ISV,
         false,
         true,
         0,
         {P::WelcomeIsv, P::OptionsNorvikClassic, P::ConfigurationsNorvikClassic, P::DownloadIsv,
          P::FinishIsv}},
        {WizardType::DLM,
         false,
         false,
         1,
         {P::WelcomeIsv, P::Product, P::DownloadDlm, P::FinishDlm}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PagesAfterLoading(c.type, c.publisher, c.extras, c.offers), c.expected)
            << c.type << c.publisher << c.extras << c.offers;
    }
}

TEST(PageSequence, ButtonDecisions) {
    const struct {
        ButtonType button;
        int current;
        bool returned;
        int skip;
        ButtonDecision expected;
    } cases[] = {
        // The first Next of the run starts it and shows the loading page.
        {ButtonType::Next, 0, false, 0, {Action::StartRun, 1, false}},
        // After Back, the first page skips the loading page and starts nothing.
        {ButtonType::Next, 0, true, 0, {Action::Navigate, 2, true}},
        {ButtonType::Next, 4, false, 0, {Action::Navigate, 5, false}},
        {ButtonType::Next, 4, true, 0, {Action::Navigate, 5, true}},
        {ButtonType::Back, 2, false, 0, {Action::Navigate, 0, true}},
        {ButtonType::Back, 3, false, 0, {Action::Navigate, 2, true}},
        {ButtonType::Accept, 3, false, 2, {Action::Navigate, 6, false}},
        {ButtonType::Decline, 3, true, 0, {Action::Navigate, 4, true}},
        {ButtonType::SkipAll, 3, false, 1, {Action::Navigate, 5, false}},
        {ButtonType::Close, 5, false, 0, {Action::EndWizard, 0, false}},
        {ButtonType::Finish, 9, true, 0, {Action::EndWizard, 0, true}},
    };
    for (const auto& c : cases) {
        const auto decision =
            DecideButton(static_cast<int>(c.button), c.current, c.returned, c.skip);
        EXPECT_EQ(decision.action, c.expected.action) << static_cast<int>(c.button) << c.current;
        EXPECT_EQ(decision.target, c.expected.target) << static_cast<int>(c.button) << c.current;
        EXPECT_EQ(decision.returnedToFirstPage, c.expected.returnedToFirstPage)
            << static_cast<int>(c.button) << c.current;
    }
    for (int unknown : {-1, 7, 100}) {
        EXPECT_EQ(DecideButton(unknown, 3, true).action, Action::None) << unknown;
    }
}

TEST(PageSequence, PageIndexIsCheckedAsUnsigned) {
    EXPECT_TRUE(IsPageIndex(0, 2));
    EXPECT_TRUE(IsPageIndex(1, 2));
    EXPECT_FALSE(IsPageIndex(2, 2));
    EXPECT_FALSE(IsPageIndex(-1, 2));
    EXPECT_FALSE(IsPageIndex(0, 0));
}

TEST(PageSequence, CloseQuestion) {
    const struct {
        bool error;
        int current;
        std::size_t pages;
        bool installing;
        std::optional<std::string> expected;
    } cases[] = {
        {false, 0, 2, false, "MSG_EXIT"},  // language page, before loading
        {false, 1, 2, false, "MSG_EXIT"},  // loading page: still two pages
        {false, 4, 10, false, "MSG_EXIT"},
        {false, 8, 10, true, "PROGRESS_QUIT"},  // installers running
        {false, 9, 10, false, std::nullopt},    // finish page
        {false, 9, 10, true, std::nullopt},
        {true, 0, 2, false, std::nullopt},  // error page shown
        {true, 4, 10, true, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CloseQuestionKey(c.error, c.current, c.pages, c.installing), c.expected)
            << c.error << ' ' << c.current << ' ' << c.pages << ' ' << c.installing;
    }
}

TEST(PageSequence, CloseCommandFollowsDownloadAndFinishPages) {
    EXPECT_EQ(CloseCommandChangeFor("DownloadPageISV"), CloseCommandChange::Remove);
    EXPECT_EQ(CloseCommandChangeFor("DownloadPageDLM"), CloseCommandChange::Remove);
    EXPECT_EQ(CloseCommandChangeFor("FinishPageISV"), CloseCommandChange::Restore);
    EXPECT_EQ(CloseCommandChangeFor("FinishPageDLM"), CloseCommandChange::Restore);
    EXPECT_EQ(CloseCommandChangeFor("ProductPage"), CloseCommandChange::None);
    EXPECT_EQ(CloseCommandChangeFor("downloadpageisv"), CloseCommandChange::None);
}

}  // namespace
