#pragma once
// The phone drawn behind a preview window's text fields.

#include <QRect>
#include <QWidget>

namespace tessivo::app {

class PhonePicture final : public QWidget {
    Q_OBJECT
  public:
    explicit PhonePicture(QWidget* parent = nullptr);
    // The screen area, in this widget's coordinates, where the texts are laid.
    QRect screenRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessivo::app
