// download_benchmark URL FOLDER: one DownloadFile of URL into FOLDER, then
// prints "<bytes> <seconds> <peak working set in bytes>" on one line. The
// file is removed afterwards. Run by download_benchmark.py.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "download/DownloadManager.h"
#include "download/win32/Win32DownloadServices.h"
#include "platform/System.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

namespace {

class NoProgress : public download::ProgressSink {
public:
    void Progress(unsigned) override {}
    void LengthUnknown() override {}
};

}  // namespace

int wmain(int argc, wchar_t** argv);  // -Wmissing-declarations exempts only main

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: download_benchmark URL FOLDER\n", stderr);
        return 2;
    }
    auto settings = std::make_shared<ConfigurationManager>("ISV", platform::CurrentSystem());
    ::RemoveDirectoryW(Utf8ToWide(settings->workFolder).c_str());
    settings->workFolder = WideToUtf8(argv[2]);
    const auto manager = std::make_shared<download::DownloadManager>(
        download::win32::Win32DownloadServices(platform::CurrentSystem().messageBoxes), settings);
    NoProgress progress;

    const auto start = std::chrono::steady_clock::now();
    const auto [ok, text] = manager->DownloadFile(WideToUtf8(argv[1]), progress, "", true);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    PROCESS_MEMORY_COUNTERS memory{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    WIN32_FILE_ATTRIBUTE_DATA file{};
    ::GetFileAttributesExW(Utf8ToWide(manager->lastFile).c_str(), GetFileExInfoStandard, &file);
    ::DeleteFileW(Utf8ToWide(manager->lastFile).c_str());
    if (!ok) {
        std::fprintf(stderr, "download_benchmark: %s\n", text.c_str());
        return 1;
    }
    const unsigned long long bytes =
        (static_cast<unsigned long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    std::printf("%llu %.3f %llu\n", bytes, elapsed.count(),
                static_cast<unsigned long long>(memory.PeakWorkingSetSize));
    return 0;
}
