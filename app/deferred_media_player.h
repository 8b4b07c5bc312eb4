// The About window's tune through the media library beside the program,
// opened at the first play rather than at the start.
#pragma once

#include <memory>

#include "platform/media_player.h"

class DeferredMediaPlayer : public platform::MediaPlayer {
public:
    void play(const QString& path) override;
    void stop() override;
    bool isPlaying() const override;

private:
    std::unique_ptr<platform::MediaPlayer> player_;
    bool tried_ = false;
};
