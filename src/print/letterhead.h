#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

#include "print/letterhead_text.h"

namespace platform {
class UserSettings;
}

namespace print {

// A logo file larger than this, or wider or taller than this many pixels, is
// refused before it is decoded.
inline constexpr qint64 kLogoMaxBytes = 20LL * 1024 * 1024;
inline constexpr int kLogoMaxSide = 10000;

// What the page prints at its head instead of the program's own lines: the
// practitioner's name, their contact lines and their logo in the emblem's box.
struct Letterhead {
    QString name;
    QStringList contacts;  // at most kContactLines, none of them empty
    QImage logo;           // already fitted to the box; null leaves the box empty
};

// The letterhead as the user keeps it between runs.
struct LetterheadSettings {
    bool enabled = false;  // «Печатать мой бланк»
    QString name;
    QStringList contacts;
    QString logoFile;  // the program's own copy in its data folder; empty: no logo
};

// Kept in the user's settings file, each contact line under a key of its own.
LetterheadSettings loadLetterhead(const platform::UserSettings& settings);
void saveLetterhead(platform::UserSettings& settings, const LetterheadSettings& letterhead);

// A logo read for the page: the picture fitted into a square of `side` pixels
// with its proportions kept, or a Russian sentence that names the file and
// says why it cannot be used (then the picture is null).
struct Logo {
    QImage image;
    QString problem;
};
Logo readLogo(const QString& path, int side = 400);

// Copies a readable logo into the program's data folder, readable by its
// owner only, replacing the copy kept before, so that moving or deleting the
// original changes nothing. Returns the copy's path, or an empty string and
// the reason in *problem.
QString storeLogo(const QString& source, QString* problem);

// Deletes the program's own copy of a logo once no letterhead uses it: a
// practitioner's picture should not stay behind in the data folder.
void forgetStoredLogo();

// The page's letterhead from what the user keeps: none while «Печатать мой
// бланк» is off. A logo that cannot be read leaves the box empty and tells
// why in *logoProblem; the rest of the letterhead prints all the same.
std::optional<Letterhead> letterheadForPage(const LetterheadSettings& settings,
                                            QString* logoProblem);

}  // namespace print
