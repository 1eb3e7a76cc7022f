#include "app/LoadHandOver.h"

#include <utility>

void LoadHandOver::Deliver(Offers offers) {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    offers_ = std::move(offers);
    notify_();
}

std::optional<LoadHandOver::Offers> LoadHandOver::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(offers_, std::nullopt);
}

void LoadHandOver::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    offers_.reset();
}
