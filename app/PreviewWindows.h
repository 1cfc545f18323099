#pragma once
// The four "what the mobile user sees" windows and the registry that creates them on first
// use. The registry outlives the main window, so previews stay open across "NEW".

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace tessivo::app {

class PhonePicture;

// Shared frame: the phone picture and the "CLOSE" button.
class PreviewWindow : public QWidget {
    Q_OBJECT
  public:
    PreviewWindow(const QString& objectName, const QString& caption);

    PhonePicture* Image1 = nullptr;
    QPushButton* Command1 = nullptr;  // "CLOSE"

    void Command1_Click();

  protected:
    QRect screen() const;
};

// E-mail: the recipient, subject and body over the screen.
class Mobile final : public PreviewWindow {
    Q_OBJECT
  public:
    Mobile();
    QLabel* Label1 = nullptr;  // the phone owner's own address line
    QLineEdit* txtMobileTo = nullptr;
    QPlainTextEdit* txtMobileSubject = nullptr;
    QPlainTextEdit* txtMobileBody = nullptr;
};

// Information text.
class MobileText final : public PreviewWindow {
    Q_OBJECT
  public:
    MobileText();
    QPlainTextEdit* Text1 = nullptr;
};

// Web link.
class MobileWeb final : public PreviewWindow {
    Q_OBJECT
  public:
    MobileWeb();
    QPlainTextEdit* Text1 = nullptr;
};

// Telephone number.
class MobilePhone final : public PreviewWindow {
    Q_OBJECT
  public:
    MobilePhone();
    QLineEdit* Text1 = nullptr;
};

class PreviewWindows {
  public:
    // Each returns the window, creating it hidden (fields empty) when it does not exist.
    Mobile& mobile();
    MobileText& mobileText();
    MobileWeb& mobileWeb();
    MobilePhone& mobilePhone();

    // Without creating: the window or null.
    Mobile* existingMobile() const { return mobile_; }
    MobileText* existingMobileText() const { return mobileText_; }
    MobileWeb* existingMobileWeb() const { return mobileWeb_; }
    MobilePhone* existingMobilePhone() const { return mobilePhone_; }

    // Shows a window, not modal, in front of the others.
    static void show(QWidget& window);
    void closeAll();

  private:
    QPointer<Mobile> mobile_;
    QPointer<MobileText> mobileText_;
    QPointer<MobileWeb> mobileWeb_;
    QPointer<MobilePhone> mobilePhone_;
};

}  // namespace tessivo::app
