#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class Package;

// One package the installer's download page fetches and installs.
struct InstallItem {
    std::shared_ptr<Package> package;
    bool isMain = false;
    std::string url;        // where its installer is fetched, resolved
    std::string arguments;  // its installer's command line
};

// What the sequence asks of the page that runs it. Downloads and launches
// run elsewhere; the page reports their ends back to the sequence.
class InstallSteps {
public:
    virtual ~InstallSteps() = default;
    virtual bool ExitRequested() = 0;
    virtual void StartDownload(const InstallItem& item) = 0;
    // Unpacks an archive and gives the installer inside; other files as they are.
    virtual std::string PrepareInstaller(const std::string& path) = 0;
    virtual void StartLaunch(const std::string& path, const std::string& arguments, bool wait) = 0;
    // Event code 3 (completed) or -1 (failed); failure holds the reason.
    virtual void ReportOutcome(const std::shared_ptr<Package>& package, int eventCode,
                               const std::optional<std::string>& failure) = 0;
    virtual void SetDownloadedFilePath(const std::string& path) = 0;
    virtual void InstallStarted() = 0;
    virtual void InstallFinished() = 0;
    virtual void Succeeded() = 0;
    virtual void Failed() = 0;
};

// How a run treats the product's download.
enum class ProductHandling {
    Install,   // the installer: run its installer and wait for it
    KeepFile,  // the download manager: the download itself is the outcome
};

// The download page's run: downloads every package in turn, then runs the
// product's installer and waits for it (or, keeping the product's file,
// counts its download as done), then starts each offer's installer without
// waiting. A failure is reported and the run goes on; only the product's
// failure ends it on the error page.
class InstallSequence {
public:
    InstallSequence(InstallSteps& steps, bool reportMainProductOutcome,
                    ProductHandling product = ProductHandling::Install)
        : steps_(steps), reportMainProductOutcome_(reportMainProductOutcome), product_(product) {}

    // items: the product first, then the accepted offers.
    void Start(std::vector<InstallItem> items);
    // The running download ended; file is where it was saved.
    void OnDownloadFinished(bool succeeded, const std::string& text, const std::string& file);
    // The product's installer ended (only the product's launch is awaited).
    void OnLaunchFinished(std::uint32_t exitCode, const std::string& text);

    bool Failed() const { return failed_; }

private:
    void StartNextDownload();
    void StartNextInstall();
    void ReportFailure(const InstallItem& item, const std::string& reason);
    void Finish();

    InstallSteps& steps_;
    bool reportMainProductOutcome_;
    ProductHandling product_;
    bool failed_ = false;
    std::deque<InstallItem> downloadQueue_;
    std::deque<std::pair<InstallItem, std::string>> installQueue_;
    std::string mainInstallerPath_;
};
