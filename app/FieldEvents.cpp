#include "app/FieldEvents.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace tessivo::app {
namespace {

int ShiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

// The character a key types, or 0 for keys that type nothing (arrows, function keys).
int KeyAsciiOf(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const QString text = key.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

void Backspace(QObject* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->backspace();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
        QTextCursor cursor = text->textCursor();
        cursor.deletePreviousChar();  // removes the selection when there is one
        text->setTextCursor(cursor);
    }
}

}  // namespace

void FieldEvents::attach(QWidget* field, FieldHandlers handlers) {
    handlers_[field] = std::move(handlers);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this, field] {
        handlers_.erase(field);
        entered_.erase(field);
    });
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto found = handlers_.find(watched);
    if (found == handlers_.end()) return false;
    const FieldHandlers& handlers = found->second;

    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            entered_[watched] = true;
            if (handlers.keyDown) handlers.keyDown(key->key(), ShiftMask(key->modifiers()));
            const int typed = KeyAsciiOf(*key);
            if (!handlers.keyPress || typed == 0) return false;
            int KeyAscii = typed;
            handlers.keyPress(KeyAscii);
            if (KeyAscii == typed) return false;
            if (KeyAscii == 8) Backspace(watched);
            return true;  // the original key does not reach the field
        }
        case QEvent::FocusIn: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            entered_[watched] = restoring_ || reason == Qt::MouseFocusReason ||
                                reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                reason == Qt::ShortcutFocusReason;
            if (handlers.gotFocus) handlers.gotFocus();
            return false;
        }
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Only a move to another control validates; losing the focus to a dialog, a menu
            // or another window does not.
            // The control that held the focus for a moment while a cancelled validate takes it
            // back is not validated: in effect the focus never reached it.
            if (!handlers.validate || validating_ || restoring_ || !entered_[watched] ||
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
                reason == Qt::MenuBarFocusReason) {
                return false;
            }
            validating_ = true;
            bool Cancel = false;
            handlers.validate(Cancel);
            validating_ = false;
            if (Cancel) {
                QPointer<QWidget> field = static_cast<QWidget*>(watched);
                QTimer::singleShot(0, this, [this, field] {
                    if (!field) return;
                    restoring_ = true;
                    field->setFocus(Qt::OtherFocusReason);
                    restoring_ = false;
                });
            }
            return false;
        }
        default:
            break;
    }
    return false;
}

}  // namespace tessivo::app
