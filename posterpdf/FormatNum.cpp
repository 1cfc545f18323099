#include "posterpdf/FormatNum.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tessivo::posterpdf {
namespace {

constexpr std::int64_t kPowersOf10[] = {1,
                                        10,
                                        100,
                                        1000,
                                        10000,
                                        100000,
                                        1000000,
                                        10000000,
                                        100000000,
                                        1000000000,
                                        10000000000,
                                        100000000000,
                                        1000000000000,
                                        10000000000000,
                                        100000000000000,
                                        1000000000000000};

// Thousandths of the value, already rounded: "-"?, the integer part, then the non-zero
// decimals.
char* AppendThousandths(char* out, std::int64_t thousandths) {
    if (thousandths < 0) {
        *out++ = '-';
        thousandths = -thousandths;
    }
    out = std::to_chars(out, out + 24, thousandths / 1000).ptr;
    int fraction = static_cast<int>(thousandths % 1000);
    if (fraction != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + fraction / 100);
        fraction %= 100;
        if (fraction != 0) {
            *out++ = static_cast<char>('0' + fraction / 10);
            fraction %= 10;
            if (fraction != 0) *out++ = static_cast<char>('0' + fraction);
        }
    }
    return out;
}

// Values whose thousandths need more than the significant digits of their type: written from
// the rounded value at that precision, dropping decimals first, then trailing zeros.
template <typename Real>
char* AppendLarge(char* out, Real rounded, int significantDigits) {
    const double magnitude = std::fabs(static_cast<double>(rounded));
    int integerDigits = 1;
    while (integerDigits < 15 && magnitude >= static_cast<double>(kPowersOf10[integerDigits])) {
        ++integerDigits;
    }
    const int decimals = std::max(0, std::min(3, significantDigits - integerDigits));
    char* end =
        std::to_chars(out, out + kMaxNumberText, rounded, std::chars_format::fixed, decimals).ptr;
    if (decimals > 0) {
        while (end[-1] == '0') --end;
        if (end[-1] == '.') --end;
    }
    return end;
}

template <typename Real>
char* AppendRounded(char* out, Real value, int significantDigits) {
    if (!std::isfinite(value)) {
        *out++ = '0';
        return out;
    }
    // For a float, value x 1000 is exact in a double (24 + 10 bits), so the halves are true
    // halves of the float's value.
    const double thousandths = std::nearbyint(static_cast<double>(value) * 1000.0);
    if (std::fabs(thousandths) < static_cast<double>(kPowersOf10[significantDigits])) {
        return AppendThousandths(out, static_cast<std::int64_t>(thousandths));
    }
    return AppendLarge(out, static_cast<Real>(thousandths / 1000.0), significantDigits);
}

}  // namespace

char* AppendNum(char* out, float value) {
    return AppendRounded(out, value, 7);
}
char* AppendNum(char* out, double value) {
    return AppendRounded(out, value, 15);
}
char* AppendNum(char* out, std::int64_t value) {
    return std::to_chars(out, out + kMaxNumberText, value).ptr;
}

std::string FormatNum(float value) {
    char text[kMaxNumberText];
    return {text, AppendNum(text, value)};
}
std::string FormatNum(double value) {
    char text[kMaxNumberText];
    return {text, AppendNum(text, value)};
}
std::string FormatNum(std::int64_t value) {
    char text[kMaxNumberText];
    return {text, AppendNum(text, value)};
}

}  // namespace tessivo::posterpdf
