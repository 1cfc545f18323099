#pragma once

#include "app/Prompter.h"

class QWidget;

namespace tessivo::app {

// Message and input boxes as Qt dialogs, parented to the active window.
class QtPrompter final : public Prompter {
  public:
    MsgAnswer message(const MessageRequest& request) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
};

}  // namespace tessivo::app
