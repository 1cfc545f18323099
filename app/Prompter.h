#pragma once
// Message boxes and input boxes. The window asks through this interface so that tests can
// answer with a script; the product shows QMessageBox / QInputDialog (QtPrompter).

#include <QString>

namespace tessivo::app {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString text;
    QString title = QStringLiteral("Tessivo");  // a box without a title of its own
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    int defaultButton = 1;  // 1-based position among the buttons
    bool topmost = false;   // kept above other windows
};

class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual MsgAnswer message(const MessageRequest& request) = 0;
    // An input box: the answer, or the empty text when the user cancels.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;

    // Shorthand for an OK box.
    void tell(const QString& text, MsgIcon icon = MsgIcon::None,
              const QString& title = QStringLiteral("Tessivo")) {
        message({text, title, icon, MsgButtons::Ok, 1, false});
    }
};

}  // namespace tessivo::app
