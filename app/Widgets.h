#pragma once
// Small factories that give each control its name, place and starting state in one line.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessivo::app {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place, uint32_t colour, const QString& tooltip = {});
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place);
QLineEdit* MakeLine(QWidget* parent, const QString& name, const QRect& place);
QPlainTextEdit* MakeText(QWidget* parent, const QString& name, const QRect& place);
QCheckBox* MakeTick(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& place, bool ticked, const QString& tooltip);
// A hidden work field that starts with the given text (often its own name).
QLineEdit* MakeWorkField(QWidget* parent, const QString& name, const QString& text);

// "Locked" text boxes take no typing but can still be selected and copied.
void SetLocked(QWidget* field, bool locked);
bool IsLocked(const QWidget* field);

// The text of a single- or multi-line text control.
QString TextOf(const QWidget* field);
void SetTextOf(QWidget* field, const QString& text);

// UTF-8 core text to and from the window's text.
inline QString Qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace tessivo::app
