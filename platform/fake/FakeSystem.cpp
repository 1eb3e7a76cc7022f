#include "platform/fake/FakeSystem.h"

#include <cstdio>

namespace fake {

std::optional<std::string> FileSystem::CreateUniqueFile(const std::string& folder,
                                                        const std::string& prefix) {
    if (!IsFolder(folder) && folder != tempFolder) return std::nullopt;
    char unique[8];
    std::snprintf(unique, sizeof unique, "%X", nextUnique_++);
    std::string path = folder + prefix + unique + ".tmp";
    files.insert(path);
    return path;
}

bool FileSystem::MakeFolder(const std::string& path) {
    if (failFolderCreation || files.count(path) || folders.count(path)) return false;
    folders.insert(path);
    return true;
}

bool FileSystem::RemoveEmptyFolder(const std::string& path) {
    const std::string inside = path + "\\";
    for (const auto* set : {&files, &folders}) {
        const auto next = set->lower_bound(inside);
        if (next != set->end() && next->compare(0, inside.size(), inside) == 0) return false;
    }
    return folders.erase(path) == 1;
}

}  // namespace fake
