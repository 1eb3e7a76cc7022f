#pragma once

#include <string>

namespace test_support {

// A new empty folder for one test; it goes, with everything in it, when the
// test ends. Paths are UTF-8.
class TestFolder {
public:
    explicit TestFolder(std::string path);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// name in the temporary folder.
std::string InTempFolder(const std::string& name);
// The path of a file the build made for the download tests.
std::string DownloadFixture(const std::string& name);
// Copies from to to; false when it could not.
bool CopyFileTo(const std::string& from, const std::string& to);
// The whole content of a file; "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace test_support
