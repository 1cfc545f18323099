#include "lists/ListFile.h"

#include <array>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "lists/FieldReader.h"
#include "text/Cp1252.h"

namespace tessivo::lists {
namespace {

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

ListFileError MakeError(const std::filesystem::path& file, std::string_view verb,
                        std::string reason) {
    std::string message = std::string(verb) + " \"" + file.string() + "\": " + reason + ".";
    return ListFileError{file, std::move(reason), std::move(message)};
}

ListFileError ReadError(const std::filesystem::path& file, std::string reason) {
    return MakeError(file, "Cannot read", std::move(reason));
}

ListFileError SaveError(const std::filesystem::path& file, std::string reason) {
    return MakeError(file, "Cannot save", std::move(reason));
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the result (a delayed write error can surface here).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

// Reads the whole file into `bytes`; returns the error or nothing. ENOENT sets `missing`.
std::optional<ListFileError> ReadBounded(const std::filesystem::path& file, std::string& bytes,
                                         bool& missing) {
    // O_NONBLOCK keeps a named pipe from stalling the open; it is refused just below.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        missing = errno == ENOENT;
        if (missing) return std::nullopt;
        return ReadError(file, ErrnoText(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return ReadError(file, ErrnoText(errno));
    if (!S_ISREG(info.st_mode)) return ReadError(file, "it is not a regular file");
    if (static_cast<std::size_t>(info.st_size) > kMaxListFileBytes) {
        return ReadError(file, "it is larger than 4 MiB");
    }
    // Read in pieces into a buffer sized from fstat; a file that grew past the limit since
    // then is still refused.
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
    std::array<char, 64 * 1024> piece{};
    for (;;) {
        const ssize_t got = ::read(fd.get(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadError(file, ErrnoText(errno));
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxListFileBytes) {
            return ReadError(file, "it is larger than 4 MiB");
        }
        bytes.append(piece.data(), static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put == 0) errno = EIO;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

ListFileContent ReadListFile(const std::filesystem::path& file, std::size_t fieldsPerRecord) {
    ListFileContent content;
    std::string bytes;
    ListLoadReport& report = content.report;
    report.error = ReadBounded(file, bytes, report.bMissing);
    if (report.error || report.bMissing) return content;

    const std::vector<std::string> fields = ReadFields(bytes);
    const std::size_t perRecord = fieldsPerRecord == 0 ? 1 : fieldsPerRecord;
    const std::size_t recordCount = (fields.size() + perRecord - 1) / perRecord;
    const std::size_t kept = std::min<std::size_t>(recordCount, kListCapacity);
    report.bCut = recordCount > kept;
    report.bLastRecordIncomplete = !report.bCut && fields.size() % perRecord != 0;
    content.records.reserve(kept);
    for (std::size_t r = 0; r < kept; ++r) {
        Record record(perRecord);
        for (std::size_t f = 0; f < perRecord; ++f) {
            const std::size_t index = r * perRecord + f;
            if (index < fields.size()) record[f] = text::Cp1252ToUtf8(fields[index]);
        }
        content.records.push_back(std::move(record));
    }
    return content;
}

namespace {

// Quotes and line breaks cannot be stored in a field: they would end it on reading.
std::string ReplaceUnstorable(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '"') {
            out.push_back('\'');
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::string FieldAsSaved(std::string_view utf8) {
    return text::Cp1252ToUtf8(text::Utf8ToCp1252(ReplaceUnstorable(utf8)));
}

std::string EncodeListFile(const std::vector<Record>& records) {
    std::string bytes;
    for (const Record& record : records) {
        for (std::size_t f = 0; f < record.size(); ++f) {
            if (f > 0) bytes.push_back(',');
            bytes.push_back('"');
            bytes += text::Utf8ToCp1252(ReplaceUnstorable(record[f]));
            bytes.push_back('"');
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<ListFileError> WriteListFile(const std::filesystem::path& file,
                                           const std::vector<Record>& records) {
    return ReplaceFileContents(file, EncodeListFile(records));
}

std::optional<ListFileError> ReplaceFileContents(const std::filesystem::path& file,
                                                 std::string_view bytes) {
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    // A short fixed name, so a target whose name is near the file-name limit still works.
    std::string temporary = (folder / ".tessivo-save-XXXXXX").string();
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return SaveError(file, ErrnoText(errno));

    struct stat old {};
    const mode_t mode = ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                            ? (old.st_mode & 07777)
                            : mode_t{0644};
    int failure = 0;
    if (::fchmod(fd.get(), mode) != 0 || !WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        failure = errno;
    }
    if (fd.Close() != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return SaveError(file, ErrnoText(failure));
    }
    return std::nullopt;
}

}  // namespace tessivo::lists
