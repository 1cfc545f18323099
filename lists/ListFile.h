#pragma once
// Reading and writing whole list files. The files are Windows-1252 text; in memory every
// field is UTF-8. Nothing here throws for I/O: failures come back as a ListFileError.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessivo::lists {

// A list holds at most this many entries (indices 0 to 200).
inline constexpr int kListCapacity = 201;

// List files larger than this are refused unread (the real ones are a few kilobytes).
inline constexpr std::size_t kMaxListFileBytes = 4u << 20;

// A file that could not be read or written: which file and why.
struct ListFileError {
    std::filesystem::path file;
    std::string sReason;  // e.g. "Permission denied"
    // One line for the user: Cannot read "<file>": <reason>. (or "Cannot save")
    std::string sMessage;
};

using Record = std::vector<std::string>;

// How reading a list file went. When `error` is set nothing was understood and the list is
// empty; otherwise `bMissing` says there was no file (an empty list the caller should create),
// `bCut` that the file held more than kListCapacity records and only the first ones were kept
// (tell the user once: the next save drops the rest), and `bLastRecordIncomplete` that the
// final record ran short of fields and was padded with empty texts.
struct ListLoadReport {
    bool bMissing = false;
    bool bCut = false;
    bool bLastRecordIncomplete = false;
    std::optional<ListFileError> error;
};

struct ListFileContent {
    std::vector<Record> records;  // each of exactly fieldsPerRecord UTF-8 fields
    ListLoadReport report;
};

// Reads a list file with the quoted-field reader (lists/FieldReader.h), groups the fields into
// records of `fieldsPerRecord` (>= 1), keeps at most kListCapacity records, and converts
// each field from Windows-1252 to UTF-8. A missing file (ENOENT) is bMissing without error;
// an unreadable file, a folder, or a file over kMaxListFileBytes is an error.
ListFileContent ReadListFile(const std::filesystem::path& file, std::size_t fieldsPerRecord);

// The text a field reads back as once saved: a double quote becomes an apostrophe, each line
// break (CR LF, CR or LF) a single space, and a character Windows-1252 cannot hold "?".
// UTF-8 in, UTF-8 out.
std::string FieldAsSaved(std::string_view utf8);

// The bytes of a whole list file: per record, every field as saved (FieldAsSaved) in
// Windows-1252, in double quotes, joined by single commas, the line ending in CR LF.
std::string EncodeListFile(const std::vector<Record>& records);

// Writes `records` as a whole list file (EncodeListFile) through ReplaceFileContents.
std::optional<ListFileError> WriteListFile(const std::filesystem::path& file,
                                           const std::vector<Record>& records);

// Replaces `file` with `bytes`: the bytes go to a new temporary file in the same folder, are
// flushed to disk, and the temporary file is renamed over `file`. The old file is left
// untouched when anything fails (the temporary file is removed). The new file keeps the old
// one's permission bits, or gets rw-r--r-- when there was none. Returns the error, naming
// `file` and the reason, or nothing on success.
std::optional<ListFileError> ReplaceFileContents(const std::filesystem::path& file,
                                                 std::string_view bytes);

}  // namespace tessivo::lists
