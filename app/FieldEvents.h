#pragma once
// Key-down, key-press, validate and got-focus events for text fields, in the order a key
// takes: key down, then key press (which may turn the key into a Backspace or swallow it),
// then the key reaches the field and its change event follows.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

class QWidget;

namespace tessivo::app {

struct FieldHandlers {
    // KeyCode is the Qt key; Shift holds 1 for Shift, 2 for Ctrl, 4 for Alt.
    std::function<void(int KeyCode, int Shift)> keyDown;
    // KeyAscii is the character typed (8 Backspace, 13 Enter, 27 Escape). Setting it to 8
    // deletes the selection or the character before the caret instead; 0 swallows the key.
    std::function<void(int& KeyAscii)> keyPress;
    // Runs when the focus is about to move to another control of the window; Cancel keeps it.
    std::function<void(bool& Cancel)> validate;
    std::function<void()> gotFocus;
};

class FieldEvents final : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    void attach(QWidget* field, FieldHandlers handlers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::map<QObject*, FieldHandlers> handlers_;
    // Fields the user entered (by mouse, Tab or a key) since they got the focus; only those
    // are validated, so a field that merely received the focus when a tab was switched does
    // not nag about being empty.
    std::map<QObject*, bool> entered_;
    bool validating_ = false;
    bool restoring_ = false;  // giving the focus back after a cancelled validate
};

}  // namespace tessivo::app
