#pragma once
// The workspace: everything the program reads and writes lives under the program folder.
//
//   Contact.txt, banner.txt          the two list files
//   EMAILS/, INFO/, PHONE/, WEB/     posters (PDF) of each kind
//   <kind>/Codes/                    the code pictures (bitmaps) of each kind
//
// The program names these with backslash-separated relative paths in more than one spelling
// ("\Emails\" and "\EMAILS\", "\contact.txt" and "\Contact.txt"), as on a file system that
// ignores letter case. Resolve() gives every spelling the same real entry on a case-sensitive
// file system.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessivo::qrdoc {

// The longest file name the file system takes, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// The 50 banner names banner.txt is created with, in order.
extern const std::array<std::string_view, 50> kShippedBanners;

// Relative paths of the workspace, in the spelling the program uses for them.
inline constexpr std::string_view kContactListPath = "\\Contact.txt";
inline constexpr std::string_view kBannerListPath = "\\banner.txt";
inline constexpr std::array<std::string_view, 4> kKindFolders = {"\\EMAILS\\", "\\INFO\\",
                                                                 "\\PHONE\\", "\\WEB\\"};
inline constexpr std::string_view kCodesFolder = "Codes\\";

// What CreateMissingParts did: the entries it made, and one message per entry it could not
// make (naming it and the reason). An entry that exists is left alone.
struct WorkspaceSetup {
    std::vector<std::filesystem::path> created;
    std::vector<std::string> problems;
};

class Workspace {
  public:
    // `programFolder`: the folder the workspace lives in (the program's folder, or the one
    // named by --workspace / TESSIVO_HOME). It need not exist yet.
    explicit Workspace(std::filesystem::path programFolder);

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }

    // The real path of a relative path such as "\Emails\Codes\" or "\contact.txt". Components
    // are separated by backslashes; empty ones (leading, trailing, doubled) are skipped, so a
    // folder comes back without a trailing separator. Each component becomes, in this order:
    // the canonical spelling (EMAILS, INFO, PHONE, WEB, Codes, Contact.txt, banner.txt) when
    // the component is one of those names in any case and that entry exists; else the
    // component as given when that entry exists; else the existing entry that matches it
    // ignoring case (the first in byte order when several do); else, when nothing matches,
    // the canonical spelling or the component as given. The result names an entry inside the
    // program folder (links a user put there are followed like any other entry): throws
    // std::invalid_argument for a component "." or "..", or one holding "/" or a NUL (check
    // user text with FileNameProblem first).
    std::filesystem::path Resolve(std::string_view relative) const;

    std::filesystem::path ContactListFile() const { return Resolve(kContactListPath); }
    std::filesystem::path BannerListFile() const { return Resolve(kBannerListPath); }

    // Creates what is missing: the program folder, the four kind folders and their Codes
    // folders, an empty Contact.txt, and banner.txt holding kShippedBanners. Never replaces
    // or changes an existing entry. For start-up.
    WorkspaceSetup CreateMissingParts() const;

  private:
    std::filesystem::path programFolder_;
};

// Why `title` + `extension` (e.g. ".bmp") cannot be a file name in a workspace folder, as a
// message for the user; nothing when it can. Refused: a title holding "/", "\" or a NUL,
// the titles "." and "..", text that is not valid UTF-8, and a name longer than
// kMaxFileNameBytes bytes once the extension is added. An empty title is allowed (the name is
// then the extension alone).
std::optional<std::string> FileNameProblem(std::string_view title, std::string_view extension);

}  // namespace tessivo::qrdoc
