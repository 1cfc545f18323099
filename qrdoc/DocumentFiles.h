#pragma once
// The two files of a QR document: the code picture (program folder, the kind's code folder,
// the title, ".bmp") and the poster (the kind's PDF folder, the title, ".pdf"). The title is
// user text, so it is checked as a file name before any path is formed.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "qrdoc/QrKind.h"
#include "qrdoc/Workspace.h"

namespace tessivo::qrdoc {

inline constexpr std::string_view kCodePictureExtension = ".bmp";
inline constexpr std::string_view kPosterExtension = ".pdf";

// A document file, or why the title cannot name one.
struct OutputFile {
    std::filesystem::path path;  // empty when refused
    std::string sRefusal;        // the message for the user when refused, else empty
    bool Refused() const { return !sRefusal.empty(); }
};

// The file, resolved ignoring letter case (an existing "SALE.bmp" is the file of the title
// "Sale"), or the refusal of FileNameProblem. The path always lies inside the kind's folder.
OutputFile CodePictureFile(const Workspace& workspace, QrKind kind, std::string_view title);
OutputFile PosterFile(const Workspace& workspace, QrKind kind, std::string_view title);

// Creates the folder `file` goes into when it is missing (with its parents). Returns the
// message for the user when it cannot, or nothing.
std::optional<std::string> CreateFolderFor(const std::filesystem::path& file);

}  // namespace tessivo::qrdoc
