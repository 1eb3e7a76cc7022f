#include "download/win32/InstallerLauncher.h"

#include <windows.h>

#include <vector>

#include "download/win32/SystemMessage.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace download {

LaunchResult LaunchInstaller(const std::string& path, const std::string& arguments, bool wait) {
    const std::wstring commandLine = Utf8ToWide(InstallerCommandLine(path, arguments));
    // CreateProcessW may write into the command line it is given.
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started)) {
        return NotStartedResult(win32::SystemMessage(::GetLastError()));
    }
    const win::UniqueKernelHandle process(started.hProcess);
    const win::UniqueKernelHandle thread(started.hThread);
    DWORD exitCode = kNoExitCode;
    if (wait) {
        ::WaitForSingleObject(process.Get(), INFINITE);
        ::GetExitCodeProcess(process.Get(), &exitCode);
    }
    return StartedResult(exitCode);
}

}  // namespace download
