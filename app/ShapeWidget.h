#pragma once
// A painted rectangle with a fill colour and a border, standing in for a shape control.

#include <QWidget>
#include <cstdint>

namespace tessivo::app {

class ShapeWidget final : public QWidget {
    Q_OBJECT
  public:
    explicit ShapeWidget(QWidget* parent = nullptr);

    uint32_t fillColor() const { return fillColor_; }
    void setFillColor(uint32_t value);
    bool filled() const { return filled_; }
    void setFilled(bool filled);
    uint32_t borderColor() const { return borderColor_; }
    void setBorderColor(uint32_t value);
    // 0 = no border, 1 = solid.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    uint32_t fillColor_ = 0xFFFFFF;
    bool filled_ = false;
    uint32_t borderColor_ = 0;
    int borderStyle_ = 1;
};

}  // namespace tessivo::app
