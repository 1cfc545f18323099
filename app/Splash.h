#pragma once
// The splash window: shown first, its timer fires once after 2000 ms, starts the main window
// and closes the splash.

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tessivo::app {

class Splash final : public QWidget {
    Q_OBJECT
  public:
    explicit Splash(std::function<void()> StartMainWindow);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QTimer* tmrShow = nullptr;

    void tmrShow_Timer();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<void()> startMainWindow_;
};

}  // namespace tessivo::app
