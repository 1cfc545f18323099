#include "app/PreviewWindows.h"

#include "app/Fonts.h"
#include "app/Geometry.h"
#include "app/PhonePicture.h"

namespace tessivo::app {
namespace {

constexpr int kPhoneWidth = 280;
constexpr int kPhoneHeight = 520;

// Text laid over the phone screen: no frame, the screen's own background, out of the tab order.
template <typename Field>
Field* ScreenField(QWidget* parent, const QString& name, const QFont& font) {
    auto* field = new Field(parent);
    field->setObjectName(name);
    field->setFont(font);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFrameStyle(QFrame::NoFrame);
    field->setStyleSheet(QStringLiteral("background: transparent; color: #1a1a1a;"));
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return field;
}

QLineEdit* ScreenLine(QWidget* parent, const QString& name, const QFont& font) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFont(font);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFrame(false);
    field->setStyleSheet(QStringLiteral("background: transparent; color: #1a1a1a;"));
    return field;
}

}  // namespace

PreviewWindow::PreviewWindow(const QString& objectName, const QString& caption) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kPhoneWidth + 40, kPhoneHeight + 70);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourFromValue(kWindowColour));
    setPalette(palette);
    setAutoFillBackground(true);

    Image1 = new PhonePicture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(20, 12, kPhoneWidth, kPhoneHeight);

    Command1 = new QPushButton(QStringLiteral("CLOSE"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(width() / 2 - 50, kPhoneHeight + 24, 100, 32);
    connect(Command1, &QPushButton::clicked, this, &PreviewWindow::Command1_Click);
}

void PreviewWindow::Command1_Click() {
    close();
}

QRect PreviewWindow::screen() const {
    return Image1->screenRect().translated(Image1->pos()).adjusted(6, 20, -6, -6);
}

Mobile::Mobile()
    : PreviewWindow(QStringLiteral("Mobile"), QStringLiteral("What Email QR User will see")) {
    const QFont tahoma = UiFont(UiFace::Tahoma, 9);
    const QRect s = screen();
    Label1 = new QLabel(QStringLiteral("From: my.phone@example.com"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(tahoma);
    Label1->setGeometry(s.left(), s.top(), s.width(), 20);

    txtMobileTo = ScreenLine(this, QStringLiteral("txtMobileTo"), tahoma);
    txtMobileTo->setReadOnly(true);
    txtMobileTo->setGeometry(s.left(), s.top() + 24, s.width(), 22);

    txtMobileSubject =
        ScreenField<QPlainTextEdit>(this, QStringLiteral("txtMobileSubject"), tahoma);
    txtMobileSubject->setReadOnly(true);
    txtMobileSubject->setGeometry(s.left(), s.top() + 50, s.width(), 54);

    txtMobileBody = ScreenField<QPlainTextEdit>(this, QStringLiteral("txtMobileBody"), tahoma);
    txtMobileBody->setReadOnly(true);
    txtMobileBody->setGeometry(s.left(), s.top() + 108, s.width(), s.height() - 108);
}

MobileText::MobileText()
    : PreviewWindow(QStringLiteral("MobileText"), QStringLiteral("What Info QR User will see")) {
    Text1 =
        ScreenField<QPlainTextEdit>(this, QStringLiteral("Text1"), UiFont(UiFace::Calibri, 11.25));
    Text1->setGeometry(screen());
}

MobileWeb::MobileWeb()
    : PreviewWindow(QStringLiteral("MobileWeb"), QStringLiteral("What Web QR User will see")) {
    QFont font = UiFont(UiFace::Calibri, 9);
    font.setUnderline(true);
    Text1 = ScreenField<QPlainTextEdit>(this, QStringLiteral("Text1"), font);
    Text1->setGeometry(screen());
}

MobilePhone::MobilePhone()
    : PreviewWindow(QStringLiteral("MobilePhone"), QStringLiteral("What Phone QR User will see")) {
    Text1 = ScreenLine(this, QStringLiteral("Text1"), UiFont(UiFace::Calibri, 12));
    Text1->setAlignment(Qt::AlignCenter);
    const QRect s = screen();
    Text1->setGeometry(s.left(), s.top() + s.height() / 3, s.width(), 30);
}

namespace {
template <typename Window>
Window& Ensure(QPointer<Window>& slot) {
    if (!slot) slot = new Window();  // created hidden; shown only by its button
    return *slot;
}
}  // namespace

Mobile& PreviewWindows::mobile() {
    return Ensure(mobile_);
}
MobileText& PreviewWindows::mobileText() {
    return Ensure(mobileText_);
}
MobileWeb& PreviewWindows::mobileWeb() {
    return Ensure(mobileWeb_);
}
MobilePhone& PreviewWindows::mobilePhone() {
    return Ensure(mobilePhone_);
}

void PreviewWindows::show(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void PreviewWindows::closeAll() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{mobile_, mobileText_, mobileWeb_, mobilePhone_}) {
        if (window) window->close();
    }
}

}  // namespace tessivo::app
