#include "posterpdf/PosterPdfEnvironment.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <random>
#include <system_error>

namespace tessivo::posterpdf {
namespace {

LocalTime SystemLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

int SystemRandomDigit() {
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, 9)(generator);
}

// Looked up once: the executable does not move while it runs.
const std::filesystem::path& ExecutableFolder() {
    static const std::filesystem::path folder = [] {
        std::error_code error;
        const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::filesystem::current_path(error) : executable.parent_path();
    }();
    return folder;
}

}  // namespace

PosterPdfEnvironment PosterPdfEnvironment::System() {
    return {SystemLocalTime, SystemRandomDigit, ExecutableFolder()};
}

std::string CreationDateDigits(const LocalTime& time) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return digits;
}

std::filesystem::path DefaultPdfFileName(const PosterPdfEnvironment& environment) {
    const LocalTime time = environment.Now();
    char decimal[32];
    std::snprintf(decimal, sizeof decimal, "%d%02d%02d%02d%d", time.day, time.hour, time.minute,
                  time.second, environment.RandomDigit());
    unsigned long long value = 0;
    std::from_chars(decimal, decimal + std::char_traits<char>::length(decimal), value);
    char hex[32];
    std::snprintf(hex, sizeof hex, "~%llX.pdf", value);
    return environment.ProgramFolder / hex;
}

}  // namespace tessivo::posterpdf
