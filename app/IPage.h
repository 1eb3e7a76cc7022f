#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ButtonType.h"
#include "i18n/LanguageManager.h"
#include "win/Controls.h"
#include "win/Dialog.h"
#include "win/Handle.h"

using ButtonCallback = std::function<void(ButtonType)>;
using ErrorCallback = std::function<void(const std::wstring& title, const std::wstring& text)>;

// Base of every wizard page: a child dialog on the host's page area with the
// accent-coloured band along its bottom, texts bound to locale keys, and two
// channels to the host, one for its buttons and one for failures.
class IPage : public win::Dialog, public TextRefresher {
public:
    IPage(std::shared_ptr<LanguageManager> languageManager, UINT templateId);
    ~IPage() override;

    // Called by the host each time the page becomes the current page.
    virtual void OnNavigateToPage() = 0;
    virtual void SetButtonCallback(ButtonCallback callback) { buttonCallback_ = std::move(callback); }
    virtual void SetErrorCallback(ErrorCallback callback) { errorCallback_ = std::move(callback); }
    // Sets every bound control's text from the current language; a key
    // without text leaves the control's text as it is.
    void UpdateTexts() override;
    // The name the host compares and writes to the debugger output.
    virtual std::string GetPageName() const = 0;

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    // Enter and Escape inside a page do nothing.
    void OnOK() override {}
    void OnCancel() override {}

    void BindText(int controlId, std::string key);
    // Report a button or a failure to the host, if it listens.
    void PressButton(ButtonType type) const;
    void ReportError(const std::wstring& title, const std::wstring& text) const;

    std::shared_ptr<LanguageManager> languageManager;

private:
    std::vector<std::pair<int, std::string>> textBindings_;
    win::UniqueBrush bandBrush_;
    win::Static bandStatic_;
    ButtonCallback buttonCallback_;
    ErrorCallback errorCallback_;
};
