#include "download/TargetPath.h"

#include "download/FileNames.h"

namespace download {

std::string FileNameFromUrl(std::string_view url) {
    const auto slash = url.rfind('/');
    return slash == std::string_view::npos ? "" : std::string(url.substr(slash + 1));
}

std::string ResolveTargetPath(OutputFiles& files, platform::MessageBoxes& messageBoxes,
                              const std::string& folder, std::string_view url,
                              const std::string& fileName) {
    if (!files.IsFolder(folder)) {
        messageBoxes.ShowMessage("Invalid path");
        return "";
    }
    const std::string name = fileName.empty() ? FileNameFromUrl(url) : fileName;
    if (!IsPlainFileName(name)) return "";
    return folder.ends_with('\\') ? folder + name : folder + '\\' + name;
}

}  // namespace download
