#pragma once
// Document titles: the two heading lines a title is split into, the characters a title may
// hold, the length limits of the fields, and the checks the window and the command-line mode
// run on a title and on a kind's content. All positions and lengths count characters (code
// points), never bytes; texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "qrdoc/QrKind.h"

namespace tessivo::qrdoc {

// The two heading lines of a poster.
struct TitleLines {
    std::string sFirst;
    std::string sSecond;
    friend bool operator==(const TitleLines&, const TitleLines&) = default;
};

// The last space (U+0020) at or before character position 32 (1-based) splits the title: the
// first line is everything up to and including that space, the second everything after it
// (any length, not split further). No space among the first 32 characters: both lines empty.
inline constexpr std::size_t kTitleSplitWidth = 32;
TitleLines SplitTitle(std::string_view title);

// The 66 characters a title may hold, compared by code: digits, ASCII letters, comma, hyphen,
// underscore and space.
inline constexpr std::string_view kAllowedTitleCharacters =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,-_ ";
bool IsAllowedTitleCharacter(char32_t c);
// True when every character of the title is allowed (an empty title is).
bool HoldsOnlyAllowedCharacters(std::string_view title);

// Length limits of the fields, in characters. A title limit is KindInfo(kind).iTitleLimit
// (0: none).
inline constexpr int kEmailTitleLimit = 64;
inline constexpr int kInfoTitleLimit = 64;
inline constexpr int kTelephoneNumberLimit = 12;

// The key-press rule of the title fields, run before the key takes effect: when the text
// already holds a character that is not allowed, the key becomes a Backspace (8) and the
// invalid-character message is shown once; otherwise the key is left alone.
inline constexpr int kBackspace = 8;
struct TitleKeyOutcome {
    int iKeyAscii;
    bool bShowInvalidCharacter;
};
TitleKeyOutcome TitleKeyPress(std::string_view currentTitle, int keyAscii);

// Messages of the field checks. Icons: kInvalid* exclamation; the "Enter ..." ones information.
inline constexpr std::string_view kInvalidCharacterText =
    "Unfortunately, you have entered an Invalid Character, for example \\ ? . / # *";
inline constexpr std::string_view kInvalidCharacterTitle = "Invalid Character";
inline constexpr std::string_view kTitleNeededText = "A title needs to be entered";
inline constexpr std::string_view kTitleNeededTitle = "Enter Title";
inline constexpr std::string_view kWebLinkNeededText = "A web link need to be entered";
inline constexpr std::string_view kWebLinkNeededTitle = "Enter Web Link";
// Shown by a QR button when no code picture came back (no title, no icon).
inline constexpr std::string_view kNoPictureText = "Error!";

// For the command-line mode, which refuses what the window would warn about: why `title`
// cannot make a document of `kind` (one line for the user), or nothing. Refused: an empty
// title, a character outside the allowed set, more characters than the kind's title field
// takes, and a title that cannot be a file name (FileNameProblem of qrdoc/Workspace.h).
std::optional<std::string> TitleRefusal(QrKind kind, std::string_view title);

// Likewise for the content of a kind (the e-mail address for e-mail, the number for phone,
// the text for info, the link for web): refused when empty, and a telephone number of more
// than kTelephoneNumberLimit characters.
std::optional<std::string> ContentRefusal(QrKind kind, std::string_view content);

}  // namespace tessivo::qrdoc
