#include "qrdoc/DocumentFiles.h"

#include <system_error>

namespace tessivo::qrdoc {
namespace {

OutputFile FileIn(const Workspace& workspace, std::string_view folder, std::string_view title,
                  std::string_view extension) {
    if (std::optional<std::string> problem = FileNameProblem(title, extension)) {
        return {{}, std::move(*problem)};
    }
    std::string relative(folder);
    relative += title;
    relative += extension;
    return {workspace.Resolve(relative), {}};
}

}  // namespace

OutputFile CodePictureFile(const Workspace& workspace, QrKind kind, std::string_view title) {
    return FileIn(workspace, KindInfo(kind).sCodeFolder, title, kCodePictureExtension);
}

OutputFile PosterFile(const Workspace& workspace, QrKind kind, std::string_view title) {
    return FileIn(workspace, KindInfo(kind).sPdfFolder, title, kPosterExtension);
}

std::optional<std::string> CreateFolderFor(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) return std::nullopt;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return "Cannot create the folder \"" + folder.string() + "\": " + error.message() + ".";
    }
    return std::nullopt;
}

}  // namespace tessivo::qrdoc
