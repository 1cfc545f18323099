#include "app/QtPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tessivo::app {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgAnswer QtPrompter::message(const MessageRequest& request) {
    QMessageBox box(ToQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QMessageBox::StandardButton> order;
    switch (request.buttons) {
        case MsgButtons::Ok:
            order = {QMessageBox::Ok};
            break;
        case MsgButtons::YesNo:
            order = {QMessageBox::Yes, QMessageBox::No};
            break;
        case MsgButtons::YesNoCancel:
            order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
            break;
    }
    for (auto button : order) box.addButton(button);
    const int index = std::clamp(request.defaultButton, 1, static_cast<int>(order.size())) - 1;
    box.setDefaultButton(order[index]);
    if (request.topmost) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    switch (pressed) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            break;
    }
    // Closing the box with Escape or its frame counts as its last button.
    if (request.buttons == MsgButtons::YesNoCancel) return MsgAnswer::Cancel;
    if (request.buttons == MsgButtons::YesNo && pressed != QMessageBox::Ok) return MsgAnswer::No;
    return MsgAnswer::Ok;
}

QString QtPrompter::input(const QString& prompt, const QString& title, const QString& defaultText) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                 QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : QString();
}

}  // namespace tessivo::app
