// Whole list files from disk: the first input byte picks the fields per record (1 to 8), the
// rest is the file. Whatever is read saves and reads back as the saved text.
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "lists/ListFile.h"
#include "text/Utf8.h"

namespace lists = tessivo::lists;
using tessivo::fuzz::AsText;
using tessivo::fuzz::ScratchFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static ScratchFile file("list.txt");
    const std::size_t perRecord = data[0] % 8 + 1;
    const std::string_view bytes = AsText(data + 1, size - 1);

    const lists::ListFileContent read = lists::ReadListFile(file.Write(bytes), perRecord);
    FUZZ_CHECK(!read.report.error && !read.report.bMissing);
    FUZZ_CHECK(read.records.size() <= lists::kListCapacity);
    FUZZ_CHECK(!(read.report.bCut && read.report.bLastRecordIncomplete));
    for (const lists::Record& record : read.records) {
        FUZZ_CHECK(record.size() == perRecord);
        for (const std::string& field : record) FUZZ_CHECK(tessivo::text::IsValidUtf8(field));
    }

    // Saving keeps exactly what FieldAsSaved promises, and saving that again changes nothing.
    std::vector<lists::Record> saved = read.records;
    for (lists::Record& record : saved)
        for (std::string& field : record) field = lists::FieldAsSaved(field);
    const std::string encoded = lists::EncodeListFile(read.records);
    const lists::ListFileContent reread = lists::ReadListFile(file.Write(encoded), perRecord);
    FUZZ_CHECK(!reread.report.error && !reread.report.bCut && !reread.report.bLastRecordIncomplete);
    FUZZ_CHECK(reread.records == saved);
    FUZZ_CHECK(lists::EncodeListFile(reread.records) == encoded);

    // The saved form of any text, even malformed UTF-8, is a fixed point.
    const std::string once = lists::FieldAsSaved(bytes);
    FUZZ_CHECK(tessivo::text::IsValidUtf8(once));
    FUZZ_CHECK(lists::FieldAsSaved(once) == once);
    return 0;
}
