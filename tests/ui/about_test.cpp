#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <cstdint>

#include "core/program_info.h"
#include "platform/media_player.h"
#include "platform/services.h"
#include "platform/units.h"
#include "recording_services.h"
#include "ui/dialogs/frm_about.h"

using platform::px;
using ui::FrmAbout;

namespace {

struct AboutWindow : testing::Test {
    platform::RecordingServices services;
    platform::RecordingMediaPlayer media;
    FrmAbout window{services, media};

    void showStill() {
        window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            window.tick();
        }
    }
    QWidget* child(const char* name) {
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    }
};

TEST_F(AboutWindow, StartsTheTuneAndTheTimerWhenItLoads) {
    ASSERT_EQ(media.played.size(), 1u);
    EXPECT_EQ(media.played[0], FrmAbout::mediaFile(platform::programDirectory()));
    EXPECT_TRUE(media.playing);
    const auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
}

TEST(AboutPlace, CentredOverItsOwner) {
    for (const QRect& owner : {QRect(300, 200, 505, 487), QRect(0, 0, 800, 600)}) {
        QWidget main;
        main.setGeometry(owner);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        platform::RecordingServices services;
        platform::RecordingMediaPlayer media;
        FrmAbout window(services, media, &main);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QPoint offset = window.frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
    }
}

TEST(AboutMediaFile, OneSeparatorWhateverTheDirectoryEndsWith) {
    for (const char* dir : {"/opt/zemtar", "/opt/zemtar/"}) {
        EXPECT_EQ(FrmAbout::mediaFile(QString::fromLatin1(dir)),
                  QStringLiteral("/opt/zemtar/001.dat"))
            << dir;
    }
}

TEST_F(AboutWindow, TextScrollsUpTenTwipsATick) {
    showStill();
    const QWidget* text = child("TxtInfo");
    int done = 0;
    for (int n : {0, 1, 2, 195, 196, 400, 605}) {
        ticks(n - done);
        done = n;
        EXPECT_EQ(window.infoTextTop(), 1950 - 10 * n) << n;
        EXPECT_EQ(text->y(), px(1950 - 10 * n)) << n;
        EXPECT_TRUE(window.isVisible()) << n;
    }
    EXPECT_TRUE(media.playing);
    // The next step passes -4100: the text goes back below the frame and the window closes.
    window.tick();
    EXPECT_EQ(window.infoTextTop(), 2000);
    EXPECT_EQ(text->y(), px(2000));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(media.playing);
    EXPECT_FALSE(window.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(services.messages.empty());
}

// Clicks land where a user's would: the window finds the control under the pointer.
struct ClickCase {
    const char* what;
    int ticksBefore;  // lets the text scroll under the pointer first
    QPoint atTw;      // in the window, twips
    bool closes;
    bool opensPage;
};

constexpr std::array<ClickCase, 12> kClicks{{
    {"free surface at the top left", 0, {45, 60}, true, false},
    {"title band beside the title", 0, {2500, 750}, true, false},
    {"Label1", 0, {2500, 400}, true, false},
    {"empty Frame1", 0, {2300, 3000}, true, false},
    {"Frame1 right of the text", 150, {4440, 3000}, true, false},
    {"surface below the link", 0, {2300, 4900}, true, false},
    {"TxtInfo", 150, {2300, 3000}, false, false},
    {"Label2", 0, {2325, 1100}, false, false},
    {"Label3", 0, {1500, 1500}, false, false},
    {"Image1", 0, {480, 450}, false, false},
    {"Line1 over the surface", 0, {2300, 1320}, true, false},
    {"Label4", 0, {1500, 4500}, false, true},
}};

TEST(AboutClicks, OnlyTheSurfaceTheFrameAndTheTitleClose) {
    for (const ClickCase& c : kClicks) {
        platform::RecordingServices services;
        platform::RecordingMediaPlayer media;
        FrmAbout window(services, media);
        window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < c.ticksBefore; ++i) {
            window.tick();
        }
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          platform::pointTw(c.atTw.x(), c.atTw.y()));
        EXPECT_EQ(window.isVisible(), !c.closes) << c.what;
        EXPECT_EQ(media.playing, !c.closes) << c.what;
        if (c.opensPage) {
            EXPECT_EQ(services.addresses, std::vector<QString>{info::programPage()}) << c.what;
        } else {
            EXPECT_TRUE(services.addresses.empty()) << c.what;
        }
        EXPECT_TRUE(services.messages.empty()) << c.what;
    }
}

TEST_F(AboutWindow, EveryCaptionFitsItsBox) {
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
        const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->font().bold()) << name;
        const QFontMetrics fm(label->font());
        EXPECT_LE(fm.horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_LE(fm.ascent() + fm.descent(), label->height()) << name;
    }
}

// Only the title and the version are centred; the author's line and the link
// start at the left edge of their boxes. Judged by the text's pixels.
TEST_F(AboutWindow, OnlyTitleAndVersionAreCentred) {
    showStill();
    for (const auto& [name, centred] : {std::pair{"Label1", true}, std::pair{"Label2", true},
                                        std::pair{"Label3", false}, std::pair{"Label4", false}}) {
        auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        const QImage image = label->grab().toImage();
        const QColor back = image.pixelColor(image.width() - 1, image.height() - 1);
        const auto differs = [&back](QColor c) {
            return std::abs(c.red() - back.red()) + std::abs(c.green() - back.green()) +
                       std::abs(c.blue() - back.blue()) >
                   60;
        };
        int left = image.width();
        int right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (differs(image.pixelColor(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        ASSERT_GE(right, left) << name << ": no text pixels";
        const int before = left;
        const int after = image.width() - 1 - right;
        if (centred) {
            EXPECT_LE(std::abs(before - after), 3) << name << " " << before << "/" << after;
        } else {
            EXPECT_LE(before, 2) << name;
            EXPECT_GT(after, 10) << name;
        }
    }
}

TEST_F(AboutWindow, InformationTextFitsItsLabel) {
    const auto* text = window.findChild<QLabel*>(QStringLiteral("TxtInfo"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->font().bold());
    EXPECT_EQ(text->width(), px(4245));
    const QFontMetrics fm(text->font());
    for (const QString& word : text->text().split(QRegularExpression(QStringLiteral("\\s+")))) {
        EXPECT_LE(fm.horizontalAdvance(word), text->width()) << word.toStdString();
    }
    const QRect used =
        fm.boundingRect(QRect(0, 0, text->width(), 100000), Qt::TextWordWrap, text->text());
    EXPECT_LE(used.height(), text->height());
    EXPECT_TRUE(text->text().endsWith(QStringLiteral("Автор.")));
}

// Sends the window's play request to another file, so that the real Qt player
// meets a missing or a broken tune.
class RedirectedPlayer : public platform::MediaPlayer {
public:
    RedirectedPlayer(platform::MediaPlayer& player, QString path)
        : player_(player), path_(std::move(path)) {}
    void play(const QString& /*path*/) override { player_.play(path_); }
    void stop() override { player_.stop(); }
    bool isPlaying() const override { return player_.isPlaying(); }

private:
    platform::MediaPlayer& player_;
    QString path_;
};

TEST(AboutWithoutTune, MissingOrBrokenFileChangesNothingVisible) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString garbage = dir.filePath(QStringLiteral("001.dat"));
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i) {
            junk.append(static_cast<char>((i * 7919) % 251));
        }
        f.write(junk);
    }
    const QString empty = dir.filePath(QStringLiteral("empty.dat"));
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString missing = dir.filePath(QStringLiteral("missing/001.dat"));

    platform::RecordingServices quietServices;
    platform::RecordingMediaPlayer quiet;
    FrmAbout reference(quietServices, quiet);
    reference.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    reference.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reference));
    const QImage expected = reference.grab().toImage();
    reference.reject();

    for (const QString& path : {missing, garbage, empty}) {
        platform::RecordingServices services;
        platform::QtMediaPlayer qt;
        RedirectedPlayer player(qt, path);
        FrmAbout window(services, player);
        auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
        timer->stop();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The player reports its error asynchronously; give it time to do so.
        QTest::qWait(500);
        ASSERT_NE(qt.player(), nullptr);
        EXPECT_FALSE(qt.isPlaying()) << path.toStdString();
        EXPECT_EQ(window.grab().toImage(), expected) << path.toStdString();
        EXPECT_TRUE(window.isVisible());
        // No message box or any other window came up.
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_TRUE(w == &window || w->isHidden()) << path.toStdString();
        }
        EXPECT_EQ(QApplication::activeModalWidget(), &window);
        EXPECT_TRUE(services.messages.empty());
        for (int i = 0; i < 605; ++i) {
            window.tick();
        }
        // Closing lets the failed player go without waiting for it.
        QElapsedTimer closing;
        closing.start();
        window.tick();
        EXPECT_LT(closing.elapsed(), 300) << path.toStdString();
        EXPECT_FALSE(window.isVisible()) << path.toStdString();
        EXPECT_FALSE(qt.isPlaying());
    }
}

// The tune beside the test programs is the one the build makes for the program.
TEST(AboutWithTune, PlaysWhileOpenAndStopsOnClose) {
    platform::RecordingServices services;
    platform::QtMediaPlayer qt;
    FrmAbout window(services, qt);
    window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_NE(qt.player(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return qt.player()->position() > 0; }, 3000));
    EXPECT_TRUE(qt.isPlaying());
    window.reject();
    EXPECT_FALSE(qt.isPlaying());
}

// The tune the build synthesises: a plain PCM WAV file of a few seconds.
TEST(Tune, IsAShortMonoWavFile) {
    QFile f(QStringLiteral(ZEMTAR_TUNE_FILE));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << ZEMTAR_TUNE_FILE;
    const QByteArray wav = f.readAll();
    ASSERT_GE(wav.size(), 44);
    EXPECT_LT(wav.size(), 300 * 1024);
    const auto u16 = [&](int at) {
        return static_cast<std::uint16_t>(static_cast<std::uint8_t>(wav[at]) |
                                          static_cast<std::uint8_t>(wav[at + 1]) << 8);
    };
    const auto u32 = [&](int at) {
        return std::uint32_t{u16(at)} | std::uint32_t{u16(at + 2)} << 16;
    };
    EXPECT_EQ(wav.mid(0, 4), "RIFF");
    EXPECT_EQ(u32(4), static_cast<std::uint32_t>(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u32(16), 16u);     // format chunk size
    EXPECT_EQ(u16(20), 1);       // PCM
    EXPECT_EQ(u16(22), 1);       // mono
    EXPECT_EQ(u32(24), 22050u);  // sample rate
    EXPECT_EQ(u32(28), 44100u);  // byte rate
    EXPECT_EQ(u16(32), 2);       // block align
    EXPECT_EQ(u16(34), 16);      // bits per sample
    EXPECT_EQ(wav.mid(36, 4), "data");
    const std::uint32_t dataBytes = u32(40);
    EXPECT_EQ(dataBytes, static_cast<std::uint32_t>(wav.size() - 44));
    const double seconds = dataBytes / 44100.0;
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 8.0);

    // Audible but not clipped, and silent at both ends so it neither clicks in nor out.
    int peak = 0;
    for (int at = 44; at + 1 < wav.size(); at += 2) {
        peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(u16(at)))));
    }
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767);
    EXPECT_EQ(u16(44), 0);
    EXPECT_EQ(u16(wav.size() - 2), 0);
}

}  // namespace
