#pragma once
// Scratch folders and whole-file reads and writes for the suites.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace tessivo::testsupport {

// A new empty folder under the system's temporary folder, with a name no other folder has
// (mkdtemp). The destructor first gives the owner full rights on it and on every folder below
// it (a test may have made one read-only), then removes it with everything in it.
// Throws std::filesystem::filesystem_error when the folder cannot be made.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// The whole file as bytes; empty when it is missing or unreadable.
std::string ReadFileBytes(const std::filesystem::path& file);

// Replaces the file with exactly these bytes. The folder must exist; nothing is reported when
// the file cannot be written (the reading side of the test then finds it missing or old).
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);
void WriteFileBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

}  // namespace tessivo::testsupport
