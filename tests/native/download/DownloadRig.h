#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "download/DownloadManager.h"
#include "download/fake/MemoryFiles.h"
#include "download/fake/RecordingProgress.h"
#include "download/fake/ScriptedHttp.h"
#include "platform/fake/FakeSystem.h"
#include "settings/ConfigurationManager.h"

namespace test {

// A download manager of the installer flavour over scripted stacks and files
// in memory. The work folder exists, and so does every folder above it, so
// that a path leaving the work folder could be written.
struct DownloadRig {
    fake::System system;
    std::shared_ptr<ConfigurationManager> settings =
        std::make_shared<ConfigurationManager>("ISV", system.services);
    fake::ScriptedHttp http;
    fake::ScriptedUrls urls;
    fake::MemoryFiles files;
    std::vector<std::chrono::milliseconds> pauses;
    fake::RecordingProgress progress;
    std::shared_ptr<download::DownloadManager> manager;

    explicit DownloadRig(download::WindowsRelease release = {}) {
        for (auto end = settings->workFolder.find('\\'); end != std::string::npos;
             end = settings->workFolder.find('\\', end + 1)) {
            files.folders.insert(settings->workFolder.substr(0, end));
        }
        files.folders.insert(settings->workFolder);
        manager = std::make_shared<download::DownloadManager>(
            download::DownloadServices{
                http, urls, files, system.messageBoxes, release,
                [this](std::chrono::milliseconds pause) { pauses.push_back(pause); }},
            settings);
    }

    // The same answer on both stacks.
    void Serve(const std::string& url, const fake::HttpAnswer& answer) {
        http.answers[url] = answer;
        urls.answers[url] = answer;
    }

    download::DownloadResult Download(const std::string& url, const std::string& fileName = "") {
        return manager->DownloadFile(url, progress, fileName, true);
    }

    std::string InWorkFolder(const std::string& name) const {
        return settings->workFolder + "\\" + name;
    }
};

}  // namespace test
