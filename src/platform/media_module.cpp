// The Qt player as a library the window program opens at the first tune:
// Qt Multimedia and the two dozen libraries it brings (sound servers, codecs,
// networking) are then loaded only by a program that plays, and when it plays.

#include <QtGlobal>

#include "platform/media_player.h"

extern "C" Q_DECL_EXPORT platform::MediaPlayer* zemtarMakeMediaPlayer() {
    return new platform::QtMediaPlayer;
}
