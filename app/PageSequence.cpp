#include "app/PageSequence.h"

#include "settings/WizardType.h"

std::vector<PageKind> InitialPages(bool publisherVariant) {
    return {publisherVariant ? PageKind::LanguageNorvik : PageKind::Language, PageKind::Loading};
}

std::vector<PageKind> PagesAfterLoading(int wizardType, bool publisherVariant, bool classicExtras,
                                        std::size_t offerCount) {
    std::vector<PageKind> pages;
    if (publisherVariant) {
        if (classicExtras) pages.push_back(PageKind::WarningNorvikClassic);
        pages.push_back(PageKind::LicenseIsv);
    } else {
        pages.push_back(PageKind::WelcomeIsv);
    }
    pages.insert(pages.end(), offerCount, PageKind::Product);
    if (classicExtras) {
        pages.push_back(PageKind::OptionsNorvikClassic);
        pages.push_back(PageKind::ConfigurationsNorvikClassic);
    }
    if (wizardType == WizardType::DLM) {
        pages.push_back(PageKind::DownloadDlm);
        pages.push_back(PageKind::FinishDlm);
    }
    if (wizardType == WizardType::ISV) {
        pages.push_back(PageKind::DownloadIsv);
        pages.push_back(PageKind::FinishIsv);
    }
    return pages;
}

ButtonDecision DecideButton(int buttonType, int currentPage, bool returnedToFirstPage,
                            int offersToSkip) {
    using Action = ButtonDecision::Action;
    switch (static_cast<ButtonType>(buttonType)) {
        case ButtonType::Next:
            if (currentPage != 0) return {Action::Navigate, currentPage + 1, returnedToFirstPage};
            // Back to the first page and on again: the configuration is
            // already loaded, so the loading page is passed over.
            if (returnedToFirstPage) return {Action::Navigate, 2, true};
            return {Action::StartRun, 1, false};
        case ButtonType::Accept:
        case ButtonType::Decline:
        case ButtonType::SkipAll:
            return {Action::Navigate, currentPage + 1 + offersToSkip, returnedToFirstPage};
        // Closing the error page leaves nothing behind either: the work
        // folder holds only downloads no one will run any more.
        case ButtonType::Close:
        case ButtonType::Finish:
            return {Action::EndWizard, 0, returnedToFirstPage};
        case ButtonType::Back:
            // The page after the loading page goes straight back to the first.
            return {Action::Navigate, currentPage == 2 ? 0 : currentPage - 1, true};
    }
    return {Action::None, 0, returnedToFirstPage};
}

bool IsPageIndex(int index, std::size_t pageCount) {
    return static_cast<std::size_t>(static_cast<unsigned>(index)) < pageCount;
}

std::optional<std::string> CloseQuestionKey(bool errorShown, int currentPage, std::size_t pageCount,
                                            bool installerRunning) {
    if (errorShown) return std::nullopt;
    // Two pages: the configuration has not loaded yet, so nothing is final.
    const bool beforeLastPage = static_cast<unsigned>(currentPage) < pageCount - 1;
    if (!beforeLastPage && pageCount != 2) return std::nullopt;
    return installerRunning ? "PROGRESS_QUIT" : "MSG_EXIT";
}

CloseCommandChange CloseCommandChangeFor(const std::string& pageName) {
    if (pageName == "DownloadPageDLM" || pageName == "DownloadPageISV") {
        return CloseCommandChange::Remove;
    }
    if (pageName == "FinishPageDLM" || pageName == "FinishPageISV") {
        return CloseCommandChange::Restore;
    }
    return CloseCommandChange::None;
}
