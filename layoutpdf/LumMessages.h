#pragma once
// What the layout writer needs from outside: somewhere to show its messages and a way to open
// a finished file in the user's PDF viewer.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

namespace tessivo {

enum class LumMessageIcon { None, Critical };

// Shows one message (an OK box in a window, a line on a terminal, a record in a test).
// `title` and `text` are UTF-8; `text` may hold CR LF line breaks.
class LumMessageSink {
  public:
    virtual ~LumMessageSink() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text,
                             LumMessageIcon icon) = 0;
};

// Writes each message as "title: text" (line breaks turned into spaces) on a stream, for
// command-line callers.
class LumStreamMessageSink : public LumMessageSink {
  public:
    explicit LumStreamMessageSink(std::ostream& out) : out_(out) {}
    void ShowMessage(const std::string& title, const std::string& text,
                     LumMessageIcon icon) override;

  private:
    std::ostream& out_;
};

// Opens a finished PDF file in the user's default viewer without waiting for it.
using LumViewerLauncher = std::function<void(const std::filesystem::path& file)>;

}  // namespace tessivo
