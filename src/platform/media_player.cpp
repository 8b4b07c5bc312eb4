#include "platform/media_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace platform {

QtMediaPlayer::QtMediaPlayer() = default;

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::play(const QString& path) {
    stop();
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    // The player reports a missing file, an unknown format or a missing sound
    // device later, through its error signal; nobody listens, so playing just
    // does not happen.
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

void QtMediaPlayer::stop() {
    // Letting the player go stops it at once. Asking it to stop instead costs
    // a second's wait when it has failed to play, and a window closing on the
    // failed player would freeze for that long.
    player_.reset();
    output_.reset();
}

bool QtMediaPlayer::isPlaying() const {
    // After an error the player may stay in its playing state with nothing to play.
    return player_ && player_->playbackState() == QMediaPlayer::PlayingState &&
           player_->error() == QMediaPlayer::NoError &&
           player_->mediaStatus() != QMediaPlayer::InvalidMedia;
}

}  // namespace platform
