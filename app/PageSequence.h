#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/ButtonType.h"

// The pages a wizard can show.
enum class PageKind {
    Language,
    LanguageNorvik,
    Loading,
    WarningNorvikClassic,
    LicenseIsv,
    WelcomeIsv,
    Product,
    OptionsNorvikClassic,
    ConfigurationsNorvikClassic,
    DownloadDlm,
    FinishDlm,
    DownloadIsv,
    FinishIsv,
};

// The two pages that exist before the configuration has loaded.
std::vector<PageKind> InitialPages(bool publisherVariant);

// The pages appended once the configuration has loaded, in display order,
// with one Product page per offer.
std::vector<PageKind> PagesAfterLoading(int wizardType, bool publisherVariant, bool classicExtras,
                                        std::size_t offerCount);

// What the host does when a page reports a button.
struct ButtonDecision {
    enum class Action {
        None,
        Navigate,   // show page `target`
        StartRun,   // create the main package, report the start, then show page `target`
        EndWizard,  // remove the work folder, then end the dialog with result 1
    };
    Action action = Action::None;
    int target = 0;
    bool returnedToFirstPage = false;  // the flag's new value
};

// Decides the host's answer to a button from its navigation state.
// offersToSkip is the number of offer pages the offer rules pass over after
// an answer on an offer page.
ButtonDecision DecideButton(int buttonType, int currentPage, bool returnedToFirstPage,
                            int offersToSkip = 0);

// Whether index names a page of a list of pageCount pages.
bool IsPageIndex(int index, std::size_t pageCount);

// The locale key of the question asked before the wizard closes, or nullopt
// when it closes without asking (on the last page and after an error).
std::optional<std::string> CloseQuestionKey(bool errorShown, int currentPage, std::size_t pageCount,
                                            bool installerRunning);

// How the frame's close command changes when a page becomes current: a
// download page takes it away, a finish page gives it back.
enum class CloseCommandChange { None, Remove, Restore };
CloseCommandChange CloseCommandChangeFor(const std::string& pageName);
