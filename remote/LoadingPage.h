#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/IPage.h"

class Package;

// The page on screen while the remote configuration loads: a moving
// progress bar and no buttons. It hands the offers to the host through
// LoadCompleteCallback, exactly once.
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

private:
    win::ProgressBar progress_;
};
