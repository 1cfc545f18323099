#include "app/Splash.h"

#include <QPainter>

#include "app/Fonts.h"
#include "app/Geometry.h"

namespace tessivo::app {
namespace {

constexpr auto kCaption = "Tessivo for Email, Info, Phone and URLs";

// A small stylised code, drawn rather than shipped as a file.
QPixmap CodeMark(int size, const QColor& ink) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const int cell = size / 7;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool finder = (x < 3 && y < 3) || (x > 3 && y < 3) || (x < 3 && y > 3);
            if (finder ? !(x % 4 == 1 && y % 4 == 1) : ((x + 2 * y) % 3 == 0)) {
                painter.drawRect(x * cell, y * cell, cell, cell);
            }
        }
    }
    return pixmap;
}

}  // namespace

Splash::Splash(std::function<void()> StartMainWindow)
    : startMainWindow_(std::move(StartMainWindow)) {
    setObjectName(QStringLiteral("Splash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(520, 240);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourFromValue(kWindowColour));
    setPalette(palette);
    setAutoFillBackground(true);

    // Two copies of the caption, one slightly offset behind the other, read as a shadow.
    Label2 = new QLabel(QString::fromLatin1(kCaption), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(UiFont(UiFace::Calibri, 20, true));
    Label2->setStyleSheet(QStringLiteral("color: #8080c0;"));
    Label2->setGeometry(32, 162, 480, 40);
    Label1 = new QLabel(QString::fromLatin1(kCaption), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(UiFont(UiFace::Calibri, 20, true));
    Label1->setStyleSheet(QStringLiteral("color: #20205a;"));
    Label1->setGeometry(30, 160, 480, 40);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(CodeMark(84, QColor(0x20, 0x20, 0x5a)));
    Image2->setGeometry(40, 40, 84, 84);
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(CodeMark(84, QColor(0x80, 0x40, 0x40)));
    Image3->setGeometry(396, 40, 84, 84);

    tmrShow = new QTimer(this);
    tmrShow->setObjectName(QStringLiteral("tmrShow"));
    tmrShow->setInterval(2000);
    connect(tmrShow, &QTimer::timeout, this, &Splash::tmrShow_Timer);
    tmrShow->start();
}

void Splash::tmrShow_Timer() {
    tmrShow->stop();
    if (startMainWindow_) startMainWindow_();
    close();
    deleteLater();
}

void Splash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The four lines and the shape that frame the caption.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x5a), 2));
    painter.drawRect(rect().adjusted(6, 6, -7, -7));
    painter.setPen(QPen(QColor(0x80, 0x80, 0xff), 2));
    painter.drawLine(20, 140, 500, 140);
    painter.drawLine(20, 214, 500, 214);
    painter.drawLine(140, 30, 140, 130);
    painter.drawLine(380, 30, 380, 130);
    painter.setFont(UiFont(UiFace::Calibri, 12));
    painter.setPen(QColor(0x20, 0x20, 0x5a));
    painter.drawText(
        QRect(140, 30, 240, 100), Qt::AlignCenter,
        QStringLiteral("QR codes on posters\nfor e-mail, information,\nphone and web"));
}

}  // namespace tessivo::app
