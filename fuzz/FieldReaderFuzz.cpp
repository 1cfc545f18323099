// The quoted-field reader on any bytes: bounded output, and fields written back in quotes
// read back unchanged.
#include <algorithm>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "lists/FieldReader.h"

using tessivo::fuzz::AsText;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = AsText(data, size);
    const std::vector<std::string> fields = tessivo::lists::ReadFields(bytes);

    // Every field is a piece of the input and each needs a delimiter or the end of the file.
    std::size_t total = 0;
    for (const std::string& field : fields) total += field.size();
    FUZZ_CHECK(total <= size);
    FUZZ_CHECK(fields.size() <= size + 1);
    // Nothing but spaces and line ends is no field at all.
    if (bytes.find_first_not_of(" \r\n") == std::string_view::npos) FUZZ_CHECK(fields.empty());

    // A quoted field holds anything but a quote: written as one record, the fields read back.
    const bool quotable = std::none_of(fields.begin(), fields.end(), [](const std::string& f) {
        return f.find('"') != std::string::npos;
    });
    if (quotable) {
        std::string written;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) written += ',';
            written += '"' + fields[i] + '"';
        }
        if (!fields.empty()) written += "\r\n";
        FUZZ_CHECK(tessivo::lists::ReadFields(written) == fields);
    }
    return 0;
}
