#include "download/InstallSequence.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Records every step as a line; the packages are told apart by name.
class RecordingSteps : public InstallSteps {
public:
    std::vector<std::string> log;
    bool exitRequested = false;
    std::map<const Package*, std::string> names;

    bool ExitRequested() override { return exitRequested; }
    void StartDownload(const InstallItem& item) override { log.push_back("download " + item.url); }
    std::string PrepareInstaller(const std::string& path) override {
        return path.size() > 4 && path.compare(path.size() - 4, 4, ".zip") == 0
                   ? path.substr(0, path.size() - 4) + "\\setup.exe"
                   : path;
    }
    void StartLaunch(const std::string& path, const std::string& arguments, bool wait) override {
        log.push_back("launch " + path + " [" + arguments + "]" + (wait ? " wait" : ""));
    }
    void ReportOutcome(const std::shared_ptr<Package>& package, int code,
                       const std::optional<std::string>& failure) override {
        log.push_back("event " + std::to_string(code) + " " + names[package.get()] +
                      (failure ? " " + *failure : ""));
    }
    void SetDownloadedFilePath(const std::string& path) override { log.push_back("file " + path); }
    void InstallStarted() override { log.push_back("install started"); }
    void InstallFinished() override { log.push_back("install finished"); }
    void Succeeded() override { log.push_back("next"); }
    void Failed() override { log.push_back("error page"); }
};

// The product and two offers. Package is never looked into here, so fake
// identities stand in for packages.
struct InstallRun : ::testing::Test {
    RecordingSteps steps;
    std::shared_ptr<Package> product = Fake(), offerA = Fake(), offerB = Fake();

    std::shared_ptr<Package> Fake() {
        return std::shared_ptr<Package>(reinterpret_cast<Package*>(new char),
                                        [](Package* p) { delete reinterpret_cast<char*>(p); });
    }
    void SetUp() override {
        steps.names = {{product.get(), "product"}, {offerA.get(), "A"}, {offerB.get(), "B"}};
    }
    std::vector<InstallItem> Items() {
        return {{product, true, "https://dl/stable", "/S /FORCEINSTALL 1110010101111110"},
                {offerA, false, "https://f/a.exe", "/silent"},
                {offerB, false, "https://f/b.zip", "-q"}};
    }
};

TEST_F(InstallRun, EverythingSucceeds) {
    InstallSequence run(steps, true);
    run.Start(Items());
    run.OnDownloadFinished(true, "", "W\\stable");
    run.OnDownloadFinished(true, "", "W\\a.exe");
    run.OnDownloadFinished(true, "", "W\\b.zip");
    run.OnLaunchFinished(0, "");
    EXPECT_EQ(steps.log, (std::vector<std::string>{
                             "download https://dl/stable",
                             "file W\\stable",
                             "download https://f/a.exe",
                             "download https://f/b.zip",
                             "install started",
                             "launch W\\stable [/S /FORCEINSTALL 1110010101111110] wait",
                             "install finished",
                             "file W\\stable",
                             "event 3 product",
                             "launch W\\a.exe [/silent]",
                             "event 3 A",
                             "launch W\\b\\setup.exe [-q]",
                             "event 3 B",
                             "install finished",
                             "next",
                         }));
}

TEST_F(InstallRun, ProductDownloadFailureStillStartsTheOffersThenShowsTheError) {
    for (const bool reportAsCompleted : {true, false}) {
        steps.log.clear();
        InstallSequence run(steps, reportAsCompleted);
        run.Start(Items());
        run.OnDownloadFinished(false, "404", "");
        run.OnDownloadFinished(true, "", "W\\a.exe");
        run.OnDownloadFinished(false, "timeout", "");
        const std::string productCode = reportAsCompleted ? "3" : "-1";
        EXPECT_EQ(steps.log, (std::vector<std::string>{
                                 "download https://dl/stable",
                                 "event " + productCode + " product DOWNLOAD FAILED: 404",
                                 "download https://f/a.exe",
                                 "download https://f/b.zip",
                                 "event -1 B DOWNLOAD FAILED: timeout",
                                 "install started",
                                 "launch W\\a.exe [/silent]",
                                 "event 3 A",
                                 "install finished",
                                 "error page",
                             }));
        EXPECT_TRUE(run.Failed());
    }
}

TEST_F(InstallRun, ProductInstallerFailureStillStartsTheOffers) {
    InstallSequence run(steps, false);
    run.Start(Items());
    run.OnDownloadFinished(true, "", "W\\stable");
    run.OnDownloadFinished(true, "", "W\\a.exe");
    run.OnDownloadFinished(false, "gone", "");
    steps.log.clear();
    run.OnLaunchFinished(3010, "exit code = 3010");
    EXPECT_EQ(steps.log, (std::vector<std::string>{
                             "install finished",
                             "event -1 product EXEC FAILED: exit code = 3010",
                             "launch W\\a.exe [/silent]",
                             "event 3 A",
                             "install finished",
                             "error page",
                         }));
}

TEST_F(InstallRun, ProductAloneEndsOnTheFinishPage) {
    InstallSequence run(steps, true);
    run.Start({Items().front()});
    run.OnDownloadFinished(true, "", "W\\stable");
    run.OnLaunchFinished(0, "");
    EXPECT_EQ(steps.log.back(), "next");
    EXPECT_FALSE(run.Failed());
}

// The download manager keeps the product's file: its download is its
// outcome, and only the offers' installers are started.
TEST_F(InstallRun, KeepingTheProductFileStartsOnlyTheOffers) {
    InstallSequence run(steps, false, ProductHandling::KeepFile);
    run.Start(Items());
    run.OnDownloadFinished(true, "", "D\\Pellar.exe");
    run.OnDownloadFinished(true, "", "W\\a.exe");
    run.OnDownloadFinished(true, "", "W\\b.zip");
    EXPECT_EQ(steps.log, (std::vector<std::string>{
                             "download https://dl/stable",
                             "file D\\Pellar.exe",
                             "event 3 product",
                             "download https://f/a.exe",
                             "download https://f/b.zip",
                             "launch W\\a.exe [/silent]",
                             "event 3 A",
                             "launch W\\b\\setup.exe [-q]",
                             "event 3 B",
                             "next",
                         }));
    EXPECT_FALSE(run.Failed());
}

TEST_F(InstallRun, KeepingTheProductFileAFailedProductDownloadStillStartsTheOffers) {
    InstallSequence run(steps, false, ProductHandling::KeepFile);
    run.Start(Items());
    run.OnDownloadFinished(false, "404", "");
    run.OnDownloadFinished(true, "", "W\\a.exe");
    run.OnDownloadFinished(true, "", "W\\b.exe");
    EXPECT_EQ(steps.log, (std::vector<std::string>{
                             "download https://dl/stable",
                             "event -1 product DOWNLOAD FAILED: 404",
                             "download https://f/a.exe",
                             "download https://f/b.zip",
                             "launch W\\a.exe [/silent]",
                             "event 3 A",
                             "launch W\\b.exe [-q]",
                             "event 3 B",
                             "error page",
                         }));
    EXPECT_TRUE(run.Failed());
}

TEST_F(InstallRun, ClosingTheWizardStartsNoFurtherDownload) {
    InstallSequence run(steps, true);
    run.Start(Items());
    steps.exitRequested = true;
    run.OnDownloadFinished(true, "", "W\\stable");
    EXPECT_EQ(steps.log,
              (std::vector<std::string>{"download https://dl/stable", "file W\\stable"}));
}

TEST_F(InstallRun, LateReportsWithNothingRunningAreIgnored) {
    InstallSequence run(steps, true);
    run.OnDownloadFinished(true, "", "W\\x");
    run.OnLaunchFinished(0, "");
    EXPECT_TRUE(steps.log.empty());
}

}  // namespace
