#pragma once

#include <functional>
#include <future>
#include <memory>
#include <vector>

#include "app/IPage.h"
#include "remote/OfferLoader.h"

class Package;

// The page on screen while the remote configuration loads: a moving
// progress bar and no buttons. A background task fetches and screens the
// offers; the page then fetches their images and hands the offers to the
// host through LoadCompleteCallback, exactly once.
class LoadingPage : public IPage {
public:
    using Offers = std::vector<std::shared_ptr<Package>>;

    explicit LoadingPage(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override;
    std::string GetPageName() const override { return "LoadingPage"; }

    // Set by the host; may be called from a worker thread.
    std::function<void(Offers)> LoadCompleteCallback;

protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct ImageCountDown;

    void OnRequestComplete();
    void ShowConfigurationError();
    void FetchImages(Offers offers);

    win::ProgressBar progress_;
    std::future<LoadedOffers> loadResult_;
};
