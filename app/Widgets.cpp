#include "app/Widgets.h"

#include "app/Geometry.h"

namespace tessivo::app {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place, uint32_t colour, const QString& tooltip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setToolTip(tooltip);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                         "#5a5a8a; border-radius: 3px; padding: 2px; }"
                                         "QPushButton:disabled { color: #7a7a7a; }")
                              .arg(ColourFromValue(colour).name()));
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setWordWrap(true);
    return label;
}

QLineEdit* MakeLine(QWidget* parent, const QString& name, const QRect& place) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(place);
    return field;
}

QPlainTextEdit* MakeText(QWidget* parent, const QString& name, const QRect& place) {
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(name);
    field->setGeometry(place);
    field->setTabChangesFocus(true);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return field;
}

QCheckBox* MakeTick(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& place, bool ticked, const QString& tooltip) {
    auto* tick = new QCheckBox(caption, parent);
    tick->setObjectName(name);
    tick->setGeometry(place);
    tick->setChecked(ticked);
    tick->setToolTip(tooltip);
    return tick;
}

QLineEdit* MakeWorkField(QWidget* parent, const QString& name, const QString& text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->hide();
    return field;
}

void SetLocked(QWidget* field, bool locked) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->setReadOnly(locked);
    if (auto* text = qobject_cast<QPlainTextEdit*>(field)) text->setReadOnly(locked);
}

bool IsLocked(const QWidget* field) {
    if (auto* line = qobject_cast<const QLineEdit*>(field)) return line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(field)) return text->isReadOnly();
    return false;
}

QString TextOf(const QWidget* field) {
    if (auto* line = qobject_cast<const QLineEdit*>(field)) return line->text();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(field)) return text->toPlainText();
    return {};
}

void SetTextOf(QWidget* field, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->setText(text);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) plain->setPlainText(text);
}

}  // namespace tessivo::app
