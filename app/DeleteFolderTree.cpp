#include "app/DeleteFolderTree.h"

namespace {

bool IsInUse(platform::Status status) {
    return status.error == platform::kErrorAccessDenied ||
           status.error == platform::kErrorSharingViolation;
}

}  // namespace

void DeleteFolderTree(platform::FileSystem& files, const std::string& folder) {
    if (!files.IsFolder(folder)) return;

    for (const auto& name : files.ListFolder(folder)) {
        const std::string entry = folder + "\\" + name;
        if (files.IsFolder(entry)) {
            DeleteFolderTree(files, entry);
        } else if (IsInUse(files.RemoveFile(entry))) {
            files.ScheduleDeleteOnRestart(entry);
        }
    }
    // Scheduled after its contents, so the restart removes them first.
    if (!files.RemoveEmptyFolder(folder)) files.ScheduleDeleteOnRestart(folder);
}
