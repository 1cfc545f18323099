// The picture request's keys. The input is a query text, "key=value&key=value", split the way
// the HTTP layer hands it over (an exact repeat of a pair is merged). An accepted request is
// within every documented range; a refused one has a one-line reason.
#include <set>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "qrservice/CodeRequest.h"
#include "text/Utf8.h"

using namespace tessivo;
using namespace tessivo::qrservice;

namespace {

QueryKeys SplitQuery(std::string_view query) {
    QueryKeys keys;
    std::set<std::string_view> seen;
    while (true) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        if (seen.insert(pair).second) {
            const std::size_t eq = pair.find('=');
            const std::string_view key = pair.substr(0, eq);
            const std::string_view value =
                eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
            keys.emplace(std::string(key), std::string(value));
        }
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QueryKeys keys = SplitQuery(fuzz::AsText(data, size));
    const CodeRequestResult result = ParseCodeRequest(keys);
    if (!result.request) {
        FUZZ_CHECK(!result.error.empty());
        FUZZ_CHECK(result.error.find_first_of("\r\n") == std::string::npos);
        return 0;
    }
    FUZZ_CHECK(result.error.empty());
    const CodeRequest& request = *result.request;
    FUZZ_CHECK(keys.count("data") == 1 && keys.count("size") == 1);
    const std::string& given = keys.find("data")->second;
    FUZZ_CHECK(!request.data.empty() && request.data.size() <= given.size());
    FUZZ_CHECK(given.size() <= kMaxDataBytes && text::IsValidUtf8(given));
    // Either the data as given (UTF-8) or one Latin-1 byte per character.
    FUZZ_CHECK(request.data == given || request.data.size() == text::CharacterCount(given));
    FUZZ_CHECK(request.width >= kMinSide && request.width <= kMaxSide);
    FUZZ_CHECK(request.height >= kMinSide && request.height <= kMaxSide);
    FUZZ_CHECK(request.quietZone >= 0 && request.quietZone <= kMaxQuietZone);
    FUZZ_CHECK(request.color <= 0xFFFFFF && request.bgcolor <= 0xFFFFFF);
    return 0;
}
