#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "download/HttpStack.h"
#include "download/OutputFiles.h"
#include "download/ProgressSink.h"
#include "download/RequestProfile.h"
#include "download/UrlStack.h"
#include "platform/MessageBoxes.h"

class ConfigurationManager;

namespace download {

// What the download engines work with.
struct DownloadServices {
    HttpStack& http;     // the primary stack
    UrlStack& fallback;  // the stack tried when the primary one failed
    OutputFiles& files;
    platform::MessageBoxes& messageBoxes;  // "Invalid path"
    WindowsRelease release;
    std::function<void(std::chrono::milliseconds)> pause;
};

// (success, failure text). The text of a success is to be ignored.
using DownloadResult = std::pair<bool, std::string>;
using Bytes = std::vector<std::uint8_t>;

// The one object through which the wizard downloads anything. It holds the
// cancellation flag that the host raises when the user closes the wizard,
// and the path of the last file downloaded.
class DownloadManager : public std::enable_shared_from_this<DownloadManager> {
public:
    static constexpr std::chrono::milliseconds kPauseBeforeFallback{2000};
    static constexpr int kMemoryAttempts = 2;

    // The manager of this process, over the Win32 services and the
    // process's settings record; made on first use.
    static std::shared_ptr<DownloadManager> Instance();

    DownloadManager(DownloadServices services, std::shared_ptr<ConfigurationManager> settings);

    // Downloads url into the work folder (useWorkFolder) or the target
    // folder of the settings, as fileName or, when that is empty, under the
    // URL's last part. Blocking. On success lastFile names the file. On a
    // failure of the primary stack it pauses, then tries the fallback stack;
    // when both fail, the text holds both reasons and no file remains.
    DownloadResult DownloadFile(const std::string& url, ProgressSink& progress,
                                const std::string& fileName, bool useWorkFolder);
    // DownloadFile on a task of its own; the future is ready when it ends.
    std::future<DownloadResult> DownloadFileAsync(std::string url,
                                                  std::shared_ptr<ProgressSink> progress,
                                                  std::string fileName, bool useWorkFolder);

    // The two engines of DownloadFile. Their texts start with "[WINHTTP] "
    // and " [WININET] ". Only the primary one stops when cancelled is set.
    DownloadResult DownloadWithWinHttp(const std::string& url, ProgressSink& progress,
                                       const std::string& fileName, bool useWorkFolder);
    DownloadResult DownloadWithWinInet(const std::string& url, ProgressSink& progress,
                                       const std::string& fileName, bool useWorkFolder);

    // The body of url, from up to kMemoryAttempts attempts; empty when all
    // failed or the download was cancelled. Never throws.
    Bytes GetToMemory(const std::string& url);
    // GetToMemory on a detached thread that then calls done with the body,
    // or with no bytes once cancelled is set. Throws std::system_error when
    // no thread can be started. done must not throw.
    void DownloadToMemoryAsync(std::string url, std::function<void(Bytes)> done);

    // The path a download of url writes; see download::ResolveTargetPath.
    std::string ResolveTargetPath(const std::string& url, const std::string& fileName,
                                  bool useWorkFolder);

    // Set once by the host when the user closes the wizard; never cleared.
    std::atomic<bool> cancelled{false};
    // The file of the last successful DownloadFile; read it once its
    // future is ready.
    std::string lastFile;

private:
    // The engines, writing to path as resolved.
    DownloadResult WinHttpToFile(const std::string& url, ProgressSink& progress,
                                 const std::string& path);
    DownloadResult WinInetToFile(const std::string& url, ProgressSink& progress,
                                 const std::string& path);

    DownloadServices services_;
    std::shared_ptr<ConfigurationManager> settings_;
};

}  // namespace download
