#include "platform/fake/FakeSystem.h"

#include <cstdio>

namespace fake {

namespace {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAlreadyExists = 183;
constexpr std::uint32_t kErrorDirNotEmpty = 145;

// The direct children of folder among the sorted paths.
std::vector<std::string> ChildNames(const std::set<std::string>& paths, const std::string& folder) {
    const std::string inside = folder + "\\";
    std::vector<std::string> names;
    for (auto it = paths.lower_bound(inside);
         it != paths.end() && it->compare(0, inside.size(), inside) == 0; ++it) {
        const std::string rest = it->substr(inside.size());
        if (rest.find('\\') == std::string::npos) names.push_back(rest);
    }
    return names;
}

}  // namespace

std::optional<std::string> FileSystem::CreateUniqueFile(const std::string& folder,
                                                        const std::string& prefix) {
    if (!IsFolder(folder) && folder != tempFolder) return std::nullopt;
    char unique[8];
    std::snprintf(unique, sizeof unique, "%X", nextUnique_++);
    std::string path = folder + prefix + unique + ".tmp";
    files.insert(path);
    return path;
}

platform::Status FileSystem::RemoveFile(const std::string& path) {
    if (const auto error = removeErrors.find(path); error != removeErrors.end()) {
        return {error->second};
    }
    return {files.erase(path) == 1 ? 0 : kErrorFileNotFound};
}

platform::Status FileSystem::MakeFolder(const std::string& path) {
    if (failFolderCreation) return {kErrorPathNotFound};
    if (Exists(path)) return {kErrorAlreadyExists};
    folders.insert(path);
    return {};
}

platform::Status FileSystem::RemoveEmptyFolder(const std::string& path) {
    if (const auto error = removeErrors.find(path); error != removeErrors.end()) {
        return {error->second};
    }
    if (!IsFolder(path)) return {kErrorFileNotFound};
    if (!IsFolderEmpty(path)) return {kErrorDirNotEmpty};
    folders.erase(path);
    return {};
}

platform::Status FileSystem::ScheduleDeleteOnRestart(const std::string& path) {
    scheduledForRestart.push_back(path);
    return {};
}

bool FileSystem::IsFolderEmpty(const std::string& path) {
    return IsFolder(path) && ListFolder(path).empty();
}

std::vector<std::string> FileSystem::ListFolder(const std::string& path) {
    std::vector<std::string> names = ChildNames(folders, path);
    for (auto& name : ChildNames(files, path)) names.push_back(std::move(name));
    return names;
}

}  // namespace fake
