#pragma once

// Object names of the first design, kept because tests and accessibility
// tools find the controls by them: Label1-4 (title, version, author, link),
// Image1 (the picture), Shape1, Shape2, Line1, Frame1, TxtInfo, Timer1.

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QTimer;

namespace platform {
class MediaPlayer;
class Services;
}  // namespace platform

namespace ui {

// The About window: title, version, author, a text that scrolls up by itself
// and a link to the program's page, with a tune playing while it is open. It
// closes when the text has scrolled away or when the user clicks the window,
// the frame of the text or the title.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    FrmAbout(platform::Services& services, platform::MediaPlayer& media, QWidget* parent = nullptr);
    ~FrmAbout() override;

    // Where the tune lies: the file "001.dat" in the given directory.
    static QString mediaFile(const QString& directory);
    // The information text that scrolls through the frame.
    static QString infoText();

    // The top of the scrolling text inside its frame, in twips.
    int infoTextTop() const { return infoTopTw_; }

    void done(int result) override;

public slots:
    // One step of the scroll, run by the window's timer every 100 ms.
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildHeading();
    void buildInfo();
    void placeInfoText();

    platform::Services& services_;
    platform::MediaPlayer& media_;
    QLabel* title_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* author_ = nullptr;
    QFrame* infoFrame_ = nullptr;
    QLabel* infoText_ = nullptr;
    QLabel* pageLink_ = nullptr;
    QTimer* scrollTimer_ = nullptr;
    int infoTopTw_;
};

}  // namespace ui
