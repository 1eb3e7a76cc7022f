#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "download/SystemError.h"

namespace download {

// A file open for writing; destroying it closes it.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    // False when not every byte could be written.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

// The files downloads write. Paths are UTF-8. Every call that fails leaves
// its reason in LastError() of the calling thread.
class OutputFiles {
public:
    virtual ~OutputFiles() = default;
    virtual bool IsFolder(const std::string& path) = 0;
    // Creates path, or empties it when it exists; others may read and write
    // it meanwhile. Null when it cannot be opened.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
    // The size of the file, opened for reading; nullopt when it cannot be.
    virtual std::optional<std::uint64_t> SizeOf(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
    virtual SystemError LastError() = 0;
};

}  // namespace download
