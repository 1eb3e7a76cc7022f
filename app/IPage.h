#pragma once

#include <functional>
#include <initializer_list>
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
    virtual void SetButtonCallback(ButtonCallback callback) {
        buttonCallback_ = std::move(callback);
    }
    virtual void SetErrorCallback(ErrorCallback callback) { errorCallback_ = std::move(callback); }
    // Sets every bound control's text from the current language; a key
    // without text leaves the control's text as it is.
    void UpdateTexts() override;
    // The name the host compares and writes to the debugger output.
    virtual std::string GetPageName() const = 0;

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    // The shared button handlers: Next and Agree report Next, Back reports Back.
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // Enter and Escape inside a page do nothing.
    void OnOK() override {}
    void OnCancel() override {}

    void BindText(int controlId, std::string key);
    // Binds each (control, key) in order, then shows the current texts.
    void BindTexts(std::initializer_list<std::pair<int, const char*>> bindings);
    // Sets the check state of each box.
    void CheckBoxes(std::initializer_list<int> controlIds);
    bool IsChecked(int controlId) const;
    // Report a button or a failure to the host, if it listens.
    void PressButton(ButtonType type) const;
    void ReportError(const std::wstring& title, const std::wstring& text) const;
    // Shows control controlId in the page's title font: its own font, 12
    // units high and heavier than heavy. The page keeps the font for its life.
    void ApplyTitleFont(int controlId);
    // Makes control controlId (a link control) show on the page background
    // and open its clicked links in the default browser.
    void ShowLinksOf(int controlId);
    bool OnNotify(const NMHDR& header, LRESULT* result) override;

    std::shared_ptr<LanguageManager> languageManager;

private:
    std::vector<std::pair<int, std::string>> textBindings_;
    win::UniqueBrush bandBrush_;
    win::Static bandStatic_;
    win::UniqueFont titleFont_;
    int linkControlId_ = 0;
    win::UniqueBrush linkBrush_;
    ButtonCallback buttonCallback_;
    ErrorCallback errorCallback_;
};
