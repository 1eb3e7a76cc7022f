#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class Package;

// Carries the offers from the loading page, which may finish on a worker
// thread, to the host window. The page holds the hand-over by shared
// ownership, so a delivery that comes after the host has closed finds it
// closed and is dropped instead of reaching a destroyed window.
class LoadHandOver {
public:
    using Offers = std::vector<std::shared_ptr<Package>>;

    // notify runs on the delivering thread after the offers are stored; it
    // only tells the host (posts it a message).
    explicit LoadHandOver(std::function<void()> notify) : notify_(std::move(notify)) {}

    // Stores offers (replacing any not yet taken) and notifies the host,
    // unless the host has closed.
    void Deliver(Offers offers);
    // The offers delivered, once; nullopt when none were delivered since the
    // last Take (a notification without a delivery is ignored).
    std::optional<Offers> Take();
    // After this, deliveries are dropped. Called by the host when it closes.
    void Close();

private:
    std::mutex mutex_;
    bool closed_ = false;
    std::optional<Offers> offers_;
    std::function<void()> notify_;
};
