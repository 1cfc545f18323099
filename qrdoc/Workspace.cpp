#include "qrdoc/Workspace.h"

#include <stdexcept>
#include <system_error>
#include <utility>

#include "lists/CaseFold.h"
#include "lists/ListFile.h"
#include "text/Utf8.h"

namespace tessivo::qrdoc {
namespace fs = std::filesystem;
namespace {

constexpr std::array<std::string_view, 7> kCanonicalNames = {
    "EMAILS", "INFO", "PHONE", "WEB", "Codes", "Contact.txt", "banner.txt"};

// Names that differ only in letter case are one name; bytes that are not UTF-8 match only
// themselves.
bool SameName(std::string_view a, std::string_view b) {
    if (!text::IsValidUtf8(a) || !text::IsValidUtf8(b)) return a == b;
    return lists::SameIgnoringCase(a, b);
}

std::optional<std::string_view> CanonicalSpelling(std::string_view component) {
    for (std::string_view name : kCanonicalNames) {
        if (SameName(name, component)) return name;
    }
    return std::nullopt;
}

bool EntryExists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

void CheckComponent(std::string_view component) {
    if (component == "." || component == ".." ||
        component.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
        throw std::invalid_argument("workspace path component \"" + std::string(component) +
                                    "\" would leave its folder");
    }
}

// The name under `folder` that `component` resolves to (see Workspace::Resolve).
std::string ChooseEntry(const fs::path& folder, std::string_view component) {
    const std::optional<std::string_view> canonical = CanonicalSpelling(component);
    if (canonical && EntryExists(folder / *canonical)) return std::string(*canonical);
    if (EntryExists(folder / component)) return std::string(component);

    std::optional<std::string> best;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (SameName(name, component) && (!best || name < *best)) best = std::move(name);
    }
    if (best) return *best;
    return std::string(canonical ? *canonical : component);
}

void EnsureFolder(const fs::path& folder, WorkspaceSetup& setup) {
    std::error_code error;
    if (EntryExists(folder)) {
        if (!fs::is_directory(folder, error)) {
            setup.problems.push_back("Cannot use \"" + folder.string() +
                                     "\" as a folder: it exists and is not a folder.");
        }
        return;
    }
    if (fs::create_directories(folder, error)) {
        setup.created.push_back(folder);
    } else if (error) {
        setup.problems.push_back("Cannot create the folder \"" + folder.string() +
                                 "\": " + error.message() + ".");
    }
}

void EnsureFile(const fs::path& file, std::string_view bytes, WorkspaceSetup& setup) {
    if (EntryExists(file)) return;
    if (std::optional<lists::ListFileError> error = lists::ReplaceFileContents(file, bytes)) {
        setup.problems.push_back(error->sMessage);
    } else {
        setup.created.push_back(file);
    }
}

std::string ShippedBannerFile() {
    std::vector<lists::Record> records;
    for (std::string_view name : kShippedBanners) records.push_back({std::string(name)});
    return lists::EncodeListFile(records);
}

}  // namespace

Workspace::Workspace(fs::path programFolder) : programFolder_(std::move(programFolder)) {}

fs::path Workspace::Resolve(std::string_view relative) const {
    fs::path path = programFolder_;
    while (!relative.empty()) {
        const std::size_t cut = relative.find('\\');
        const std::string_view component = relative.substr(0, cut);
        relative = cut == std::string_view::npos ? std::string_view() : relative.substr(cut + 1);
        if (component.empty()) continue;
        CheckComponent(component);
        path /= ChooseEntry(path, component);
    }
    return path;
}

WorkspaceSetup Workspace::CreateMissingParts() const {
    WorkspaceSetup setup;
    EnsureFolder(programFolder_, setup);
    for (std::string_view kind : kKindFolders) {
        EnsureFolder(Resolve(kind), setup);
        EnsureFolder(Resolve(std::string(kind) + std::string(kCodesFolder)), setup);
    }
    EnsureFile(ContactListFile(), "", setup);
    EnsureFile(BannerListFile(), ShippedBannerFile(), setup);
    return setup;
}

std::optional<std::string> FileNameProblem(std::string_view title, std::string_view extension) {
    const std::string quoted = "The title \"" + std::string(title) + "\"";
    if (title.find_first_of("/\\") != std::string_view::npos) {
        return quoted + " cannot be used as a file name: it may not contain \"/\" or \"\\\".";
    }
    if (title.find('\0') != std::string_view::npos) {
        return std::string("The title cannot be used as a file name: it contains a NUL character.");
    }
    if (title == "." || title == "..") return quoted + " cannot be used as a file name.";
    if (!text::IsValidUtf8(title)) {
        return std::string(
            "The title cannot be used as a file name: it holds bytes that are not text.");
    }
    const std::size_t bytes = title.size() + extension.size();
    if (bytes > kMaxFileNameBytes) {
        return "The title is too long to be used as a file name: with \"" + std::string(extension) +
               "\" it takes " + std::to_string(bytes) +
               " bytes, and a file name may take at most " + std::to_string(kMaxFileNameBytes) +
               ". Please shorten it.";
    }
    return std::nullopt;
}

}  // namespace tessivo::qrdoc
