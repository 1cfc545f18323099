#include "layoutpdf/LumMessages.h"

namespace tessivo {

void LumStreamMessageSink::ShowMessage(const std::string& title, const std::string& text,
                                       LumMessageIcon /*icon*/) {
    std::string oneLine;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        oneLine.push_back(text[i] == '\n' || text[i] == '\r' ? ' ' : text[i]);
    }
    out_ << title << ": " << oneLine << '\n';
}

}  // namespace tessivo
