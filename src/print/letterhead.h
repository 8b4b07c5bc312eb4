#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "core/report_language.h"
#include "print/letterhead_text.h"
#include "print/logo_picture.h"

namespace platform {
class UserSettings;
}

namespace print {

// The name and contact lines of a letterhead.
struct LetterheadLines {
    QString name;
    QStringList contacts;

    // Nothing written: the pages take the letterhead's main lines.
    bool isEmpty() const;
    friend bool operator==(const LetterheadLines&, const LetterheadLines&) = default;
};

// The practitioner may write their name and contacts apart for the pages of
// a language («Anna Sokolova» in Latin letters on English pages); the name
// and the contacts a language leaves empty are the main ones.
using LinesByLanguage = std::array<LetterheadLines, core::kReportLanguageCount>;

// What the page prints at its head instead of the program's own lines: the
// practitioner's name, their contact lines and their logo in the emblem's box.
struct Letterhead {
    QString name;
    QStringList contacts;             // at most kContactLines, none of them empty
    QImage logo;                      // already fitted to the box; null leaves the box empty
    LinesByLanguage byLanguage = {};  // each cleaned as the main lines

    // The letterhead of a page in `language`: its own lines, or the main ones.
    Letterhead forLanguage(core::ReportLanguage language) const;
};

// The letterhead as the user keeps it between runs.
struct LetterheadSettings {
    bool enabled = false;  // «Печатать мой бланк»
    QString name;
    QStringList contacts;
    QString logoFile;  // the program's own copy in its data folder; empty: no logo
    LinesByLanguage byLanguage = {};
};

// Kept in the user's settings file, each contact line under a key of its own.
LetterheadSettings loadLetterhead(const platform::UserSettings& settings);
void saveLetterhead(platform::UserSettings& settings, const LetterheadSettings& letterhead);

// A logo read for the page: the picture fitted into a square of `side` pixels
// with its proportions kept, or a Russian sentence that names the file and
// says why it cannot be used (then the picture is null). The file is read
// once, into memory, and decoded from there (logo_picture.h); `kept` is what
// the program would keep of it.
struct Logo {
    QImage image;
    QString problem;
    QByteArray kept;
};
Logo readLogo(const QString& path, int side = 400);

// Reads the logo the user's settings name, as readLogo does. When that is the
// program's own copy and it fails the check (a symbolic link, or a file that
// an earlier version kept or someone changed), the copy is set aside beside
// itself, the settings forget it, *path becomes empty and the problem says
// so: from then on the letterhead works without it, and nothing is lost.
Logo readKeptLogo(QString* path, int side = 400);

// Keeps the letterhead in `settings` as one step. `newLogo`, the `kept` bytes
// of a logo chosen now, becomes the program's copy in its data folder
// (readable by its owner only, so that moving or deleting the original
// changes nothing) and letterhead.logoFile names it; without one logoFile
// stays as given, and the copy is deleted when logoFile is empty, so that a
// practitioner's picture does not stay behind. The new copy takes the old
// one's place only once the settings are written; on any failure both stay as
// they were and the reason comes back. Whatever stands under the copy's name,
// a symbolic link included, is replaced itself, never written through.
QString storeLetterhead(platform::UserSettings& settings, LetterheadSettings& letterhead,
                        const QByteArray& newLogo);

// The page's letterhead from what the user keeps: none while «Печатать мой
// бланк» is off. A logo that cannot be read leaves the box empty and tells
// why in *logoProblem; the rest of the letterhead prints all the same.
std::optional<Letterhead> letterheadForPage(const LetterheadSettings& settings,
                                            QString* logoProblem);

// The same for the letterhead as the user's settings keep it now, its logo
// read by readKeptLogo: what every report of the window carries.
std::optional<Letterhead> keptLetterheadForPage(QString* logoProblem);

}  // namespace print
