#include "qrdoc/Title.h"

#include <algorithm>

#include "qrdoc/Workspace.h"
#include "text/Utf8.h"

namespace tessivo::qrdoc {

TitleLines SplitTitle(std::string_view title) {
    const std::u32string characters = text::DecodeUtf8(title);
    std::size_t position = std::min(characters.size(), kTitleSplitWidth);
    while (position > 0 && characters[position - 1] != U' ') --position;
    if (position == 0) return {};
    return {text::EncodeUtf8(std::u32string_view(characters).substr(0, position)),
            text::EncodeUtf8(std::u32string_view(characters).substr(position))};
}

bool IsAllowedTitleCharacter(char32_t c) {
    return c < 0x80 && kAllowedTitleCharacters.find(static_cast<char>(c)) != std::string_view::npos;
}

bool HoldsOnlyAllowedCharacters(std::string_view title) {
    for (char32_t c : text::DecodeUtf8(title)) {
        if (!IsAllowedTitleCharacter(c)) return false;
    }
    return true;
}

TitleKeyOutcome TitleKeyPress(std::string_view currentTitle, int keyAscii) {
    if (HoldsOnlyAllowedCharacters(currentTitle)) return {keyAscii, false};
    return {kBackspace, true};
}

std::optional<std::string> TitleRefusal(QrKind kind, std::string_view title) {
    if (title.empty()) return std::string(kTitleNeededText);
    if (!HoldsOnlyAllowedCharacters(title)) {
        return "The title may hold only letters, digits, spaces, \",\", \"-\" and \"_\".";
    }
    const int limit = KindInfo(kind).iTitleLimit;
    if (limit > 0 && text::CharacterCount(title) > static_cast<std::size_t>(limit)) {
        return "The title may hold at most " + std::to_string(limit) + " characters.";
    }
    return FileNameProblem(title, ".bmp");
}

std::optional<std::string> ContentRefusal(QrKind kind, std::string_view content) {
    switch (kind) {
        case QrKind::Email:
            if (content.empty()) return std::string("An email address needs to be entered");
            break;
        case QrKind::Phone:
            if (content.empty()) return std::string("A telephone number needs to be entered");
            if (text::CharacterCount(content) > static_cast<std::size_t>(kTelephoneNumberLimit)) {
                return "The telephone number may hold at most " +
                       std::to_string(kTelephoneNumberLimit) + " characters.";
            }
            break;
        case QrKind::Info:
            if (content.empty()) return std::string("The information text needs to be entered");
            break;
        case QrKind::Web:
            if (content.empty()) return std::string(kWebLinkNeededText);
            break;
    }
    return std::nullopt;
}

}  // namespace tessivo::qrdoc
