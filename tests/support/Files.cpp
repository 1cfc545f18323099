#include "tests/support/Files.h"

#include <stdlib.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tessivo::testsupport {
namespace {

namespace fs = std::filesystem;

// Gives the owner full rights on the folder and on every folder below it, without following
// links, so that remove_all can empty them all.
void RestoreOwnerRights(const fs::path& folder) {
    std::error_code error;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
    const fs::directory_iterator end;
    for (fs::directory_iterator entry(folder, error); !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (fs::is_directory(entry->symlink_status(ignored))) RestoreOwnerRights(entry->path());
    }
}

}  // namespace

ScratchFolder::ScratchFolder() {
    std::string name = (fs::temp_directory_path() / "tessivo-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) {
        throw fs::filesystem_error("cannot make a scratch folder", name,
                                   std::error_code(errno, std::generic_category()));
    }
    path_ = name;
}

ScratchFolder::~ScratchFolder() {
    RestoreOwnerRights(path_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteFileBytes(const fs::path& file, std::span<const std::uint8_t> bytes) {
    WriteFileBytes(file,
                   std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace tessivo::testsupport
