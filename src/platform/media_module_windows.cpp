// The About window's tune on Windows, where Qt Multimedia is not built: the
// system plays a WAV file itself. Like the Qt player it is a library the
// window program opens at the first tune, and like it it never reports a
// failure: without a sound device the program stays silent.

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

#include "platform/media_player.h"
#include "platform/windows_system.h"

#include <mmsystem.h>

namespace {

// How long a PCM WAV file plays, from its format and data chunks; 0 when the
// file is not one.
qint64 playingMilliseconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray head = file.read(4096);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return 0;
    }
    quint32 bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + at + 4);
        if (id == "fmt " && at + 20 <= head.size()) {
            bytesPerSecond = qFromLittleEndian<quint32>(head.constData() + at + 16);
        } else if (id == "data" && bytesPerSecond > 0) {
            return qint64(size) * 1000 / bytesPerSecond;
        }
        at += 8 + size + (size & 1);
    }
    return 0;
}

class SystemSoundPlayer : public platform::MediaPlayer {
public:
    ~SystemSoundPlayer() override { stop(); }

    void play(const QString& path) override {
        stop();
        length_ = playingMilliseconds(path);
        if (length_ > 0 && ::PlaySoundW(platform::windows::nativePath(path).c_str(), nullptr,
                                        SND_FILENAME | SND_ASYNC | SND_NODEFAULT)) {
            clock_.start();
        }
    }
    void stop() override {
        if (clock_.isValid()) {
            ::PlaySoundW(nullptr, nullptr, 0);
            clock_.invalidate();
        }
    }
    bool isPlaying() const override { return clock_.isValid() && clock_.elapsed() < length_; }

private:
    QElapsedTimer clock_;
    qint64 length_ = 0;
};

}  // namespace

extern "C" Q_DECL_EXPORT platform::MediaPlayer* zemtarMakeMediaPlayer() {
    return new SystemSoundPlayer;
}
