#include "app/deferred_media_player.h"

#include <QLibrary>

#include "platform/file_names.h"

void DeferredMediaPlayer::play(const QString& path) {
    if (!tried_) {
        tried_ = true;
        using Make = platform::MediaPlayer* (*)();
        // The library stays loaded for the rest of the run; without it (a
        // broken installation) the program is as silent as a failed tune.
        const auto make = reinterpret_cast<Make>(QLibrary::resolve(
            platform::libraryFile(QStringLiteral("zemtar-media")), "zemtarMakeMediaPlayer"));
        if (make != nullptr) {
            player_.reset(make());
        }
    }
    if (player_) {
        player_->play(path);
    }
}

void DeferredMediaPlayer::stop() {
    if (player_) {
        player_->stop();
    }
}

bool DeferredMediaPlayer::isPlaying() const {
    return player_ && player_->isPlaying();
}
