#pragma once

#include "download/OutputFiles.h"

namespace download::win32 {

class Win32OutputFiles : public OutputFiles {
public:
    bool IsFolder(const std::string& path) override;
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    std::optional<std::uint64_t> SizeOf(const std::string& path) override;
    void Remove(const std::string& path) override;
    SystemError LastError() override;
};

}  // namespace download::win32
