#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/IPage.h"

// The first page: the languages of the wizard in a drop-down list. The
// selected language applies at once to every page; Next moves on.
class LanguagePage : public IPage {
public:
    explicit LanguagePage(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    std::string GetPageName() const override { return "LanguagePage"; }

protected:
    using Bindings = std::vector<std::pair<int, std::string>>;
    LanguagePage(std::shared_ptr<LanguageManager> manager, UINT templateId,
                 Bindings bindings);

    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    void FillLanguageList();
    void OnSelectionChanged();

    Bindings bindings_;
    win::ComboBox languageList_;
};

// The publisher's variant: a welcome title and product description; the
// language follows the user's locale, so the list stays hidden.
class LanguagePageNorvik : public LanguagePage {
public:
    explicit LanguagePageNorvik(std::shared_ptr<LanguageManager> manager);

    std::string GetPageName() const override { return "LanguagePageNorvik"; }
};
