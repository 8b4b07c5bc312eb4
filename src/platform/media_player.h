#pragma once

#include <QString>
#include <memory>
#include <vector>

class QAudioOutput;
class QMediaPlayer;

namespace platform {

// Plays a sound file. Playing is a nicety: no implementation reports a failure,
// and a missing device or file simply leaves the program silent.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};

// Qt Multimedia behind the interface. Each play makes a fresh player and its
// audio output, and stop lets them go, so a program that never plays loads no
// media backend. It lives in the library zemtar_media, so that programs that
// never play do not load Qt Multimedia at all.
class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;
    QtMediaPlayer(const QtMediaPlayer&) = delete;
    QtMediaPlayer& operator=(const QtMediaPlayer&) = delete;

    void play(const QString& path) override;
    void stop() override;
    bool isPlaying() const override;

    // The Qt player itself, for a look at its state and errors; null when stopped.
    const QMediaPlayer* player() const { return player_.get(); }

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

// Plays nothing: for windows that never make a sound (the command-line
// companion) and the default of the main window until it is given a player.
class SilentMediaPlayer : public MediaPlayer {
public:
    void play(const QString& /*path*/) override {}
    void stop() override {}
    bool isPlaying() const override { return false; }
};

// Keeps every request and plays nothing.
class RecordingMediaPlayer : public MediaPlayer {
public:
    void play(const QString& path) override {
        played.push_back(path);
        playing = true;
    }
    void stop() override {
        ++stops;
        playing = false;
    }
    bool isPlaying() const override { return playing; }

    std::vector<QString> played;
    int stops = 0;
    bool playing = false;
};

}  // namespace platform
