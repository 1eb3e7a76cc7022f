#include "platform/fake/FakeResources.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace fake {
namespace {

using Table = std::map<std::pair<std::string, int>, platform::Resource>;

const std::string kResourceFolder = QUILLET_SOURCE_DIR "/res/";

// Fails loudly: a fake without its resources would only mislead the tests.
std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Each matching line of a file in the resource folder, as its regex match.
template <typename Visit>
void ForEachMatch(const std::string& fileName, const std::regex& pattern, Visit visit) {
    std::istringstream lines(ReadFile(kResourceFolder + fileName));
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, pattern)) visit(match);
    }
}

// The numbers that resource.h gives to resource names.
std::map<std::string, int> ResourceNumbers() {
    std::map<std::string, int> numbers;
    ForEachMatch("resource.h", std::regex(R"(^\s*#define\s+(\w+)\s+(\d+)\b)"),
                 [&](const std::smatch& match) { numbers[match[1]] = std::stoi(match[2]); });
    return numbers;
}

// Every resource of type that quillet.rc embeds from a file ("NAME TYPE
// "file""), read from that file.
Table ProgramResources(const std::string& type) {
    const auto numbers = ResourceNumbers();
    Table table;
    ForEachMatch("quillet.rc", std::regex(R"(^\s*(\w+)\s+)" + type + R"re(\s+"([^"]+)")re"),
                 [&](const std::smatch& match) {
                     const auto named = numbers.find(match[1]);
                     const int id = named != numbers.end() ? named->second : std::stoi(match[1]);
                     table[{type, id}] = {platform::Resource::Status::Found,
                                          ReadFile(kResourceFolder + match[2].str())};
                 });
    return table;
}

}  // namespace

Resources::Resources() {
    static const Table program = ProgramResources("LOCALE");
    entries = program;
}

platform::Resource Resources::Read(std::string_view type, int id) {
    const auto found = entries.find({std::string(type), id});
    return found == entries.end() ? platform::Resource{} : found->second;
}

}  // namespace fake
