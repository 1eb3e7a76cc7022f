#include "offers/OfferFlow.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFirstOfferPage = 4;  // language, loading, warning, licence come first

// Runs the host's part: shows the first offer, answers each shown offer
// with the next answer, and records what was shown and reported.
struct FlowRun {
    std::vector<int> shown;
    std::vector<std::pair<int, std::string>> reports;
    int extraOfferSlots = 0;
    int pageAfterOffers = 0;
};

FlowRun Play(std::vector<OfferRules> offers, std::vector<ButtonType> answers, int maxOffers = 100) {
    const int offerCount = static_cast<int>(offers.size());
    const auto isOfferPage = [&](int page) {
        return page >= kFirstOfferPage && page < kFirstOfferPage + offerCount;
    };
    OfferFlow flow(std::move(offers));
    FlowRun run;
    bool offerDeclined = false;
    int page = kFirstOfferPage;
    for (const ButtonType answer : answers) {
        if (!isOfferPage(page)) break;
        run.shown.push_back(flow.OfferIndex());
        if (answer != ButtonType::Accept) offerDeclined = true;
        flow.OnAnswer(answer);
        page += 1 + flow.CountOffersToSkip(isOfferPage, page, offerDeclined, maxOffers,
                                           run.extraOfferSlots,
                                           [&](int index, const std::string& reason) {
                                               run.reports.emplace_back(index, reason);
                                           });
    }
    run.pageAfterOffers = page - kFirstOfferPage - offerCount;
    return run;
}

using Reports = std::vector<std::pair<int, std::string>>;
constexpr auto A = ButtonType::Accept;
constexpr auto D = ButtonType::Decline;
constexpr auto S = ButtonType::SkipAll;

TEST(OfferFlow, OneOfferIsShownAndNothingReported) {
    for (const ButtonType answer : {A, D, S}) {
        const FlowRun run = Play({{}}, {answer});
        EXPECT_EQ(run.shown, std::vector<int>{0});
        EXPECT_TRUE(run.reports.empty());
        EXPECT_EQ(run.pageAfterOffers, 0);
    }
}

TEST(OfferFlow, SkipAllPassesOverTheRestWithinTheRunLimit) {
    FlowRun run = Play({{}, {}, {}, {}}, {S});
    EXPECT_EQ(run.shown, std::vector<int>{0});
    EXPECT_EQ(run.reports,
              (Reports{{1, "SKIP ALL CLICKED"}, {2, "SKIP ALL CLICKED"}, {3, "SKIP ALL CLICKED"}}));
    EXPECT_EQ(run.pageAfterOffers, 0);

    run = Play({{}, {}, {}, {}}, {S}, /*maxOffers=*/2);
    EXPECT_EQ(run.reports, (Reports{{1, "SKIP ALL CLICKED"}}));
    EXPECT_EQ(run.pageAfterOffers, 0);
}

TEST(OfferFlow, DeclineOfAStoppingOfferPassesOverTheRest) {
    OfferRules stopping;
    stopping.stopAfterDecline = true;
    FlowRun run = Play({stopping, {}, {}}, {D});
    EXPECT_EQ(run.reports, (Reports{{1, "SKIP ALL AFTER DECLINE OFFER DECLINED"},
                                    {2, "SKIP ALL AFTER DECLINE OFFER DECLINED"}}));
    // Accepting it stops nothing.
    run = Play({stopping, {}, {}}, {A, A, A});
    EXPECT_EQ(run.shown, (std::vector<int>{0, 1, 2}));
    // Skip All on it sets both flags; Skip All names the reason.
    run = Play({stopping, {}}, {S});
    EXPECT_EQ(run.reports, (Reports{{1, "SKIP ALL CLICKED"}}));
}

TEST(OfferFlow, AnEarlierDeclineHidesOffersThatAskForIt) {
    OfferRules hideAfterDecline;
    hideAfterDecline.skipAfterAnyDecline = true;
    const FlowRun run = Play({{}, hideAfterDecline, {}}, {D, A});
    EXPECT_EQ(run.shown, (std::vector<int>{0, 2}));
    EXPECT_EQ(run.reports, (Reports{{1, "SKIPPED BECAUSE OF EARLIER DECLINE"}}));
    EXPECT_EQ(run.extraOfferSlots, -1);
    EXPECT_EQ(run.pageAfterOffers, 0);
}

TEST(OfferFlow, AnOffersLimitCountsPositionsShownOrNot) {
    OfferRules limitTwo;
    limitTwo.maxOffersInFlow = 2;
    FlowRun run = Play({limitTwo, {}, {}}, {A, A, A});
    EXPECT_EQ(run.shown, (std::vector<int>{0, 1}));
    EXPECT_EQ(run.reports, (Reports{{2, "EXCEEDED MAX NUMBER OF OFFERS IN FLOW"}}));

    OfferRules limitOne;
    limitOne.maxOffersInFlow = 1;
    run = Play({limitOne, {}, {}}, {A});
    EXPECT_EQ(run.reports, (Reports{{1, "EXCEEDED MAX NUMBER OF OFFERS IN FLOW"},
                                    {2, "EXCEEDED MAX NUMBER OF OFFERS IN FLOW"}}));
    // An offer's own limit never hides the offer itself.
    run = Play({{}, limitOne, {}}, {A, A});
    EXPECT_EQ(run.shown, (std::vector<int>{0, 1}));
    EXPECT_EQ(run.reports, (Reports{{2, "EXCEEDED MAX NUMBER OF OFFERS IN FLOW"}}));
}

TEST(OfferFlow, AnOfferPassedOverForADeclineNoLongerLimits) {
    OfferRules hiddenWithLimit;
    hiddenWithLimit.skipAfterAnyDecline = true;
    hiddenWithLimit.maxOffersInFlow = 2;
    const FlowRun run = Play({{}, hiddenWithLimit, {}, {}}, {D, A, A});
    EXPECT_EQ(run.shown, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(run.reports, (Reports{{1, "SKIPPED BECAUSE OF EARLIER DECLINE"}}));
}

}  // namespace
