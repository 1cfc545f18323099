#pragma once
// What the poster writer takes from outside the program: the local time (the document's
// creation date and the default file name), one random digit (the default file name) and the
// program folder (where a document without a name goes). Tests replace them to get repeatable
// bytes.

#include <filesystem>
#include <functional>
#include <string>

namespace tessivo::posterpdf {

struct LocalTime {
    int year = 2000;  // e.g. 2024
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59
};

struct PosterPdfEnvironment {
    std::function<LocalTime()> Now;
    std::function<int()> RandomDigit;  // 0..9
    std::filesystem::path ProgramFolder;

    // The machine's local clock, a uniformly drawn digit and the folder of the running
    // executable (the current folder when that cannot be found).
    static PosterPdfEnvironment System();
};

// "D:" date as 14 digits, year month day hour minute second, e.g. "20241206190639".
std::string CreationDateDigits(const LocalTime& time);

// The name of a document the caller did not name: the program folder, then "~", then the
// upper-case hexadecimal form of the decimal number made of the day of the month (no leading
// zero), hours, minutes and seconds (2 digits each) and the random digit, then ".pdf".
// Example: 6 December 19:06:39 with digit 7 reads 61906397 and gives "~3B09DDD.pdf".
std::filesystem::path DefaultPdfFileName(const PosterPdfEnvironment& environment);

}  // namespace tessivo::posterpdf
