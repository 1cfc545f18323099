#pragma once
// What the harnesses share: property checks that stop the run (libFuzzer then keeps the input
// as a crash file), views of the input, and a scratch file for readers that take a path.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

namespace tessivo::fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
    std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline std::span<const std::uint8_t> AsBytes(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}

// A file in the temporary folder, rewritten for each input and removed when the process ends
// normally. The process id keeps parallel runs (-jobs, -workers) apart.
class ScratchFile {
  public:
    explicit ScratchFile(std::string_view name)
        : path_(std::filesystem::temp_directory_path() /
                ("tessivo-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name))) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    // Replaces the file's contents with `bytes`; aborts when the temporary folder fails, since
    // every later input would then test nothing.
    const std::filesystem::path& Write(std::string_view bytes) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) Fail("the scratch file could be written", __FILE__, __LINE__);
        return path_;
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace tessivo::fuzz

// Checks a property of the reader under test; a failure is reported like a crash.
#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::tessivo::fuzz::Fail(#condition, __FILE__, __LINE__))
