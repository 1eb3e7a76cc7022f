#pragma once

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "app/ButtonType.h"

// The flow rules an offer carries.
struct OfferRules {
    int maxOffersInFlow = INT_MAX;     // "mo": offers at this position or later are passed over
    bool stopAfterDecline = false;     // "saad": declining it passes over every later offer
    bool skipAfterAnyDecline = false;  // "sied": passed over when any earlier offer was declined
};

// Decides, after each answer on an offer page, which of the following offer
// pages are passed over. Once stopped (Skip All, a decline of an offer that
// asks for it, or an offer's limit) the flow stays stopped for the run.
class OfferFlow {
public:
    // Called for every passed-over offer below the run's offer limit, with
    // its position and the reason.
    using Report = std::function<void(int offerIndex, const std::string& reason)>;

    explicit OfferFlow(std::vector<OfferRules> offers) : offers_(std::move(offers)) {}

    // The answer given on the page of the current offer.
    void OnAnswer(ButtonType answer);

    // Walks the pages after currentPage while they are offer pages and
    // returns how many of them to pass over. offerDeclined is the run's
    // "some offer was declined"; each offer passed over for an earlier
    // decline gives back one of extraOfferSlots.
    int CountOffersToSkip(const std::function<bool(int page)>& isOfferPage, int currentPage,
                          bool offerDeclined, int maxOffers, int& extraOfferSlots,
                          const Report& report);

    bool IsOfferFlowStopped() const {
        return skipAllClicked_ || maxOffersReached_ || stoppedByDecline_;
    }
    int OfferIndex() const { return offerIndex_; }

private:
    bool ReachesAnEarlierLimit() const;
    std::string SkipReason(bool byDecline) const;

    std::vector<OfferRules> offers_;
    int offerIndex_ = 0;
    bool skipAllClicked_ = false;
    bool stoppedByDecline_ = false;
    bool maxOffersReached_ = false;
};
