#include "app/QuilletDlg.h"

#include "app/AboutDlg.h"
#include "app/DeleteFolderTree.h"
#include "app/HostStartup.h"
#include "app/WindowMessages.h"
#include "download/DownloadManager.h"
#include "download/DownloadPageDlm.h"
#include "download/DownloadPageIsv.h"
#include "offers/OfferFlow.h"
#include "offers/Package.h"
#include "offers/ProductPage.h"
#include "remote/ApiManager.h"
#include "remote/EventCodes.h"
#include "i18n/LanguageManager.h"
#include "i18n/LanguagePage.h"
#include "pages/ConfigurationsPageNorvikClassic.h"
#include "pages/ErrorPage.h"
#include "pages/FinishPage.h"
#include "pages/LicensePageIsv.h"
#include "pages/OptionsPageNorvikClassic.h"
#include "pages/WarningPageNorvikClassic.h"
#include "pages/WelcomePageIsv.h"
#include "remote/LoadingPage.h"
#include "res/resource.h"
#include "settings/BuildConfig.h"
#include "settings/ConfigurationManager.h"
#include "win/Module.h"
#include "win/Text.h"

namespace {

constexpr UINT kFatalMessageStyle = MB_ICONERROR | MB_SYSTEMMODAL;

HICON LoadProgramIcon(int sizeMetric) {
    const int size = ::GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(::LoadImageW(win::ModuleInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                           IMAGE_ICON, size, size, 0));
}

std::shared_ptr<LanguageManager> MakeLanguageManager() {
    auto& system = platform::CurrentSystem();
    return std::make_shared<LanguageManager>(*ConfigurationManager::Instance(), system.resources,
                                             system.locales, system.messageBoxes);
}

}  // namespace

CQuilletDlg::CQuilletDlg()
    : Dialog(IDD_QUILLET_DIALOG),
      bigIcon_(LoadProgramIcon(SM_CXICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON)),
      languageManager_(MakeLanguageManager()) {}

CQuilletDlg::~CQuilletDlg() {
    if (handOver_) handOver_->Close();
    // Decoded images must be gone before GDI+ shuts down.
    const auto settings = ConfigurationManager::Instance();
    settings->headerImage.reset();
    for (const auto* list : {&offers_, &settings->acceptedOffers, &settings->shownOffers}) {
        for (const auto& offer : *list) offer->image.reset();
    }
}

BOOL CQuilletDlg::OnInitDialog() {
    titleStatic_.Attach(Hwnd(), IDC_HEADER_TITLE);
    headerIcon_.Attach(Hwnd(), IDC_HEADER_ICON);
    headerLine_.Attach(Hwnd(), IDC_HEADER_LINE);
    bottomBand_.Attach(Hwnd(), IDC_BOTTOM_BAND);

    AddAboutItemToSystemMenu();
    SetIcons();
    if (!AcquireSingleInstance()) {
        RefuseToStart(L"Another setup is already running, please close it and try again", L"Error");
        return FALSE;
    }

    const auto settings = ConfigurationManager::Instance();
    const auto caption = InitialCaption(settings->wizardType, settings->productTitle);
    if (!caption) {
        // The mutex stays held until the process ends.
        RefuseToStart(L"Invalid wizard type", L"Quillet");
        return FALSE;
    }
    SetText(Utf8ToWide(*caption));

    bandBrush_.Reset(::CreateSolidBrush(settings->accentColor));
    titleStatic_.SetText(Utf8ToWide(settings->productTitle));
    CreateInitialPages();
    if (settings->wizardType == WizardType::ISV) {
        headerIcon_.Show(false);
        headerLine_.Show(false);
    }
    // The download manager shows its title once the configuration has named
    // the product.
    titleStatic_.Show(false);
    return TRUE;
}

bool CQuilletDlg::CreateInitialPages() {
    const RECT area = PageArea();
    errorPage_ = std::make_unique<ErrorPage>(languageManager_);
    CreatePage(*errorPage_, area);

    const auto settings = ConfigurationManager::Instance();
    for (const PageKind kind : InitialPages(settings->publisherVariant)) {
        CreateAndAddPage(CreatePageOfKind(kind, 0), area);
    }
    auto* loading = pages_.empty() ? nullptr : dynamic_cast<LoadingPage*>(pages_.back().get());
    if (loading) {
        handOver_ = std::make_shared<LoadHandOver>(
            [host = Hwnd()] { ::PostMessageW(host, WM_LOAD_COMPLETE, 0, 0); });
        loading->LoadCompleteCallback = [handOver = handOver_](LoadingPage::Offers offers) {
            handOver->Deliver(std::move(offers));
        };
    }
    currentPage_ = 0;
    if (pages_.empty()) return false;
    pages_.front()->Show(SW_SHOW);
    ::SetFocus(pages_.front()->Hwnd());
    return true;
}

std::unique_ptr<IPage> CQuilletDlg::CreatePageOfKind(PageKind kind, std::size_t offer) {
    switch (kind) {
        case PageKind::Product:
            return std::make_unique<ProductPage>(languageManager_, offers_.at(offer));
        case PageKind::Language:
            return std::make_unique<LanguagePage>(languageManager_);
        case PageKind::LanguageNorvik:
            return std::make_unique<LanguagePageNorvik>(languageManager_);
        case PageKind::Loading:
            return std::make_unique<LoadingPage>(languageManager_);
        case PageKind::WarningNorvikClassic:
            return std::make_unique<WarningPageNorvikClassic>(languageManager_);
        case PageKind::LicenseIsv:
            return std::make_unique<LicensePageIsv>(languageManager_);
        case PageKind::WelcomeIsv:
            return std::make_unique<WelcomePageIsv>(languageManager_);
        case PageKind::OptionsNorvikClassic:
            return std::make_unique<OptionsPageNorvikClassic>(languageManager_);
        case PageKind::ConfigurationsNorvikClassic:
            return std::make_unique<ConfigurationsPageNorvikClassic>(languageManager_);
        case PageKind::DownloadIsv:
            return MakeDownloadPageIsv();
        case PageKind::DownloadDlm:
            return std::make_unique<DownloadPageDlm>(languageManager_);
        case PageKind::FinishIsv:
            return std::make_unique<FinishPageIsv>(languageManager_);
        case PageKind::FinishDlm:
            return std::make_unique<FinishPageDlm>(languageManager_);
    }
    return nullptr;
}

RECT CQuilletDlg::PageArea() const {
    RECT area{};
    ::GetWindowRect(Item(IDC_PAGE_AREA), &area);
    ::MapWindowPoints(HWND_DESKTOP, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void CQuilletDlg::CreatePage(IPage& page, const RECT& area) {
    page.Create(Hwnd());
    page.SetBackgroundColor(ConfigurationManager::Instance()->backgroundColor);
    page.SetButtonCallback([this](ButtonType type) { OnPageButton(type); });
    page.Show(SW_HIDE);
    ::SetWindowPos(page.Hwnd(), nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER);
}

void CQuilletDlg::CreateAndAddPage(std::unique_ptr<IPage> page, const RECT& area) {
    if (!page) return;
    CreatePage(*page, area);
    page->SetErrorCallback([this](const std::wstring& title, const std::wstring& text) {
        ShowErrorPage(title, text);
    });
    pages_.push_back(std::move(page));
}

void CQuilletDlg::NavigateToPage(int index) {
    if (!IsPageIndex(index, pages_.size())) return;
    IPage& page = *pages_[static_cast<std::size_t>(index)];
    // The new page is shown before the old one is hidden, so the page area
    // is never empty.
    page.Show(SW_SHOW);
    ::SetFocus(page.Hwnd());
    if (IsPageIndex(currentPage_, pages_.size())) {
        pages_[static_cast<std::size_t>(currentPage_)]->Show(SW_HIDE);
    }
    currentPage_ = index;
    page.OnNavigateToPage();

    const std::string name = page.GetPageName();
    switch (CloseCommandChangeFor(name)) {
        case CloseCommandChange::Remove:
            ::RemoveMenu(::GetSystemMenu(Hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND);
            break;
        case CloseCommandChange::Restore:
            RestoreCloseCommand();
            break;
        case CloseCommandChange::None:
            break;
    }
    ::OutputDebugStringW(Utf8ToWide(name + "\n").c_str());
}

void CQuilletDlg::OnPageButton(ButtonType type) {
    using Action = ButtonDecision::Action;
    int offersToSkip = 0;
    if (offerFlow_ && (type == ButtonType::Accept || type == ButtonType::Decline ||
                       type == ButtonType::SkipAll)) {
        offerFlow_->OnAnswer(type);
        offersToSkip = CountOffersToSkip();
    }
    const ButtonDecision decision =
        DecideButton(static_cast<int>(type), currentPage_, returnedToFirstPage_, offersToSkip);
    returnedToFirstPage_ = decision.returnedToFirstPage;
    switch (decision.action) {
        case Action::StartRun:
            StartRun();
            NavigateToPage(decision.target);
            break;
        case Action::Navigate:
            NavigateToPage(decision.target);
            break;
        case Action::EndWizard:
            DeleteWorkFolder();
            EndDialog(1);
            break;
        case Action::None:
            break;
    }
}

namespace {

// The four texts that name the main product in its events: only the
// installer knows them before the configuration has loaded.
struct MainProductTexts {
    std::string offerName, adfText, displayName, cText;
};

MainProductTexts MainProductTextsOf(const ConfigurationManager& settings, bool configured) {
    const auto type = settings.wizardType;
    if (type == WizardType::ISV) {
        return {settings.productId, settings.cflText, settings.productTitle, settings.chText};
    }
    if (type == WizardType::DLM && configured) {
        return {settings.productTitle, settings.cflText, settings.productTitle, settings.chText};
    }
    if (configured) return {"", settings.cflText, settings.productTitle, settings.chText};
    return {};
}

}  // namespace

std::unique_ptr<IPage> CQuilletDlg::MakeDownloadPageIsv() {
    auto page = std::make_unique<DownloadPageIsv>(languageManager_);
    page->InstallStartedCallback = [this] { installerRunning_ = true; };
    page->InstallFinishedCallback = [this] { installerRunning_ = false; };
    return page;
}

void CQuilletDlg::StartRun() {
    const auto settings = ConfigurationManager::Instance();
    auto texts = MainProductTextsOf(*settings, false);
    settings->mainPackage = std::make_shared<Package>(
        ApiManager::Instance()->CreateEventContext(), std::move(texts.offerName),
        std::move(texts.adfText), std::move(texts.displayName), std::move(texts.cText));
    settings->mainPackage->SendEvent(EventCode::Started);
}

int CQuilletDlg::CountOffersToSkip() {
    const auto settings = ConfigurationManager::Instance();
    return offerFlow_->CountOffersToSkip(
        [this](int page) {
            return IsPageIndex(page, pages_.size()) &&
                   pages_[static_cast<std::size_t>(page)]->GetPageName() == "ProductPage";
        },
        currentPage_, settings->offerDeclined, settings->maxOffers, settings->extraOfferSlots,
        [this](int offer, const std::string& reason) {
            offers_.at(static_cast<std::size_t>(offer))
                ->SendEvent(EventCode::NotShown, {{"13", reason}});
        });
}

bool CQuilletDlg::IsOfferFlowStopped() const {
    return offerFlow_ && offerFlow_->IsOfferFlowStopped();
}

void CQuilletDlg::ShowErrorPage(const std::wstring& title, const std::wstring& text) {
    if (IsPageIndex(currentPage_, pages_.size())) {
        pages_[static_cast<std::size_t>(currentPage_)]->Show(SW_HIDE);
    }
    errorPage_->ShowTexts(title, text);
    errorPage_->Show(SW_SHOW);
    ::SetFocus(errorPage_->Hwnd());
    errorShown_ = true;
    RestoreCloseCommand();
}

void CQuilletDlg::RestoreCloseCommand() {
    ::AppendMenuW(::GetSystemMenu(Hwnd(), FALSE), MF_STRING, SC_CLOSE, L"Close");
}

void CQuilletDlg::OnLoadCompleteMessage() {
    auto offers = handOver_->Take();
    if (!offers) return;
    offers_ = std::move(*offers);
    std::vector<OfferRules> rules;
    for (const auto& offer : offers_) rules.push_back(offer->FlowRules());
    offerFlow_ = std::make_unique<OfferFlow>(std::move(rules));
    const auto settings = ConfigurationManager::Instance();
    // Reloads the table with the product title the configuration may have
    // changed and refreshes every page so far.
    languageManager_->SetLanguage(settings->languageDisplayName);
    if (settings->wizardType == WizardType::DLM) {
        headerIcon_.SetImage(settings->headerImage);
        headerIcon_.Show(true);
        titleStatic_.SetText(Utf8ToWide(settings->productTitle));
        titleStatic_.Show(true);
        SetText(Utf8ToWide(settings->productTitle + " Setup"));
    }
    if (settings->mainPackage) {
        auto texts = MainProductTextsOf(*settings, true);
        settings->mainPackage->Refresh(ApiManager::Instance()->CreateEventContext(),
                                       std::move(texts.offerName), std::move(texts.adfText),
                                       std::move(texts.displayName), std::move(texts.cText));
    }
    const RECT area = PageArea();
    const auto kinds = PagesAfterLoading(settings->wizardType, settings->publisherVariant,
                                         settings->classicExtras, offers_.size());
    std::size_t offer = 0;
    for (const PageKind kind : kinds) {
        CreateAndAddPage(CreatePageOfKind(kind, offer), area);
        if (kind == PageKind::Product) ++offer;
    }
    OnPageButton(ButtonType::Next);
}

void CQuilletDlg::OnClose() {
    if (!ConfirmClose()) return;
    instanceMutex_.Reset();
    Show(SW_HIDE);
    const auto settings = ConfigurationManager::Instance();
    settings->exitRequested = true;
    download::DownloadManager::Instance()->cancelled = true;
    // The last reports go out before the process ends; the window is
    // already hidden while they are waited for.
    for (const auto& offer : std::vector(settings->shownOffers)) ReportClosed(*offer);
    if (settings->mainPackage) ReportClosed(*settings->mainPackage);
    DeleteWorkFolder();
    if (handOver_) handOver_->Close();
    EndDialog(IDCANCEL);
}

void CQuilletDlg::ReportClosed(Package& package) {
    package.SendEvent(EventCode::Closed);
    package.WaitForEvents();
}

bool CQuilletDlg::ConfirmClose() {
    const auto key = CloseQuestionKey(errorShown_, currentPage_, pages_.size(), installerRunning_);
    if (!key) return true;
    const std::wstring question = Utf8ToWide(languageManager_->Translate(*key));
    return ::MessageBoxW(Hwnd(), question.c_str(), L"", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void CQuilletDlg::DeleteWorkFolder() {
    const auto settings = ConfigurationManager::Instance();
    if (!settings->workFolder.empty()) {
        DeleteFolderTree(platform::CurrentSystem().files, settings->workFolder);
    }
}

void CQuilletDlg::AddAboutItemToSystemMenu() {
    const HMENU menu = ::GetSystemMenu(Hwnd(), FALSE);
    if (!menu) return;
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadString points into the resource itself.
    const int length =
        ::LoadStringW(win::ModuleInstance(), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) return;
    const std::wstring item(text, static_cast<size_t>(length));
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, item.c_str());
}

void CQuilletDlg::SetIcons() {
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

bool CQuilletDlg::AcquireSingleInstance() {
    const std::wstring name = Utf8ToWide(SingleInstanceMutexName(build::kWizardTypeName));
    instanceMutex_.Reset(::CreateMutexW(nullptr, TRUE, name.c_str()));
    // A mutex that cannot be created at all leaves the wizard unguarded
    // rather than refusing to run.
    if (instanceMutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        instanceMutex_.Reset();
        return false;
    }
    return true;
}

void CQuilletDlg::RefuseToStart(const wchar_t* text, const wchar_t* caption) {
    ::MessageBoxW(Hwnd(), text, caption, kFatalMessageStyle);
    EndDialog(1);
}

bool CQuilletDlg::OnCommand(int id, int, HWND) {
    if (id != IDC_SHOW_ERROR) return false;
    ShowErrorPage(L"Error", L"Error message");
    return true;
}

HBRUSH CQuilletDlg::OnCtlColor(HDC dc, HWND control, UINT type) {
    if (control == bottomBand_.Hwnd()) {
        ::SetBkMode(dc, TRANSPARENT);
        return bandBrush_.Get();
    }
    return Dialog::OnCtlColor(dc, control, type);
}

std::optional<LRESULT> CQuilletDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return std::nullopt;
            CAboutDlg().DoModal(Hwnd());
            return 0;
        case WM_PAINT:
            if (!::IsIconic(Hwnd())) return std::nullopt;
            PaintMinimized();
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(bigIcon_.Get());
        case WM_LOAD_COMPLETE:
            if (handOver_) OnLoadCompleteMessage();
            return 0;
        default:
            return std::nullopt;
    }
}

void CQuilletDlg::PaintMinimized() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    ::SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, bigIcon_.Get());
    ::EndPaint(Hwnd(), &paint);
}
