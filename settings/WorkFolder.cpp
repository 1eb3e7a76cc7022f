#include "settings/WorkFolder.h"

std::optional<std::string> CreateFreshWorkFolder(platform::FileSystem& files) {
    const auto tempFolder = files.TempFolder();
    if (!tempFolder) return std::nullopt;
    // The unique file reserves the name; the folder then takes its place.
    const auto name = files.CreateUniqueFile(*tempFolder, "ISV");
    if (!name) return std::nullopt;
    files.RemoveFile(*name);
    files.MakeFolder(*name);
    if (!files.IsFolder(*name)) return std::nullopt;
    return name;
}
