#include "offers/OfferFlow.h"

void OfferFlow::OnAnswer(ButtonType answer) {
    if (answer == ButtonType::SkipAll) skipAllClicked_ = true;
    if (answer != ButtonType::Decline && answer != ButtonType::SkipAll) return;
    const auto index = static_cast<std::size_t>(offerIndex_);
    if (index < offers_.size() && offers_[index].stopAfterDecline) stoppedByDecline_ = true;
}

int OfferFlow::CountOffersToSkip(const std::function<bool(int page)>& isOfferPage, int currentPage,
                                 bool offerDeclined, int maxOffers, int& extraOfferSlots,
                                 const Report& report) {
    int count = 0;
    while (isOfferPage(currentPage + count + 1) &&
           static_cast<std::size_t>(offerIndex_ + 1) < offers_.size()) {
        ++offerIndex_;
        OfferRules& offer = offers_[static_cast<std::size_t>(offerIndex_)];
        bool byDecline = false;
        if (!IsOfferFlowStopped()) {
            if (offerDeclined && offer.skipAfterAnyDecline) {
                byDecline = true;
                // Passed over, it no longer limits the offers after it.
                offer.maxOffersInFlow = INT_MAX;
                --extraOfferSlots;
            }
            if (ReachesAnEarlierLimit()) maxOffersReached_ = true;
        }
        if (!IsOfferFlowStopped() && !byDecline) return count;
        if (offerIndex_ < maxOffers) report(offerIndex_, SkipReason(byDecline));
        ++count;
    }
    return count;
}

bool OfferFlow::ReachesAnEarlierLimit() const {
    for (int j = 0; j < offerIndex_; ++j) {
        if (offerIndex_ >= offers_[static_cast<std::size_t>(j)].maxOffersInFlow) return true;
    }
    return false;
}

std::string OfferFlow::SkipReason(bool byDecline) const {
    if (skipAllClicked_) return "SKIP ALL CLICKED";
    if (byDecline) return "SKIPPED BECAUSE OF EARLIER DECLINE";
    if (maxOffersReached_) return "EXCEEDED MAX NUMBER OF OFFERS IN FLOW";
    return "SKIP ALL AFTER DECLINE OFFER DECLINED";
}
