#pragma once

#include <QString>
#include <QStringView>

#include "core/text_file.h"
#include "core/text_library.h"

namespace platform {

// Reads a file of texts the user named (an import, the companion's --texts):
// at most core::kTextFileLimit bytes of it, a longer one refused unread. A
// pipe is read as a file is, unless `regularOnly`: the window's import takes
// only a regular file, since a pipe with no one writing would keep it
// waiting for good. The reasons of failures are in Russian.
core::TextFileReading readTextFile(const QString& path, bool regularOnly = false);

// Writes `set` to `path` whole or not at all (an export); empty on success,
// otherwise the message.
QString writeTextFile(const QString& path, const core::TextSet& set);

// The practitioner's own texts on disk: one file per language in the user's
// data folder, texts-ru.txt, holding only what they changed. Every save writes
// the file whole; the file is readable by the user alone and never reached
// through a symbolic link. An import keeps the set it replaced beside it
// (texts-ru.before-import.txt) until it is undone or forgotten.
class TextStore {
public:
    explicit TextStore(QString folder);
    // The store in the data folder (dataFolder()); its folder is empty when
    // the system gives none, and then every save says so.
    static TextStore inDataFolder();

    const QString& folder() const { return folder_; }
    QString fileOf(QStringView language) const;
    QString undoFileOf(QStringView language) const;

    struct Loaded {
        core::TextLibrary library;
        QString problem;  // empty when the file was read whole or is not there yet
    };

    // The library of `language`: the defaults under what the practitioner's
    // file holds. A file that cannot be read whole gives what could be read
    // and the message; a file that is a link is not read at all.
    Loaded load(QStringView language) const;

    // Writes the practitioner's set of own.language(). Empty on success;
    // otherwise the message, and the file keeps the previous texts.
    QString save(const core::TextSet& own) const;

    struct ImportPreview {
        core::TextSet incoming;
        bool importable = false;  // something was read, in the language being edited
        int changes = 0;          // entries that will read differently after the import
        QString problem;          // what was wrong with the file; empty when nothing was
    };

    // Reads a file to import into `current` and counts what it would change;
    // nothing is written. Only a regular file is read (readTextFile).
    ImportPreview previewImport(const QString& path, const core::TextLibrary& current) const;

    // Replaces the practitioner's set by `incoming` and keeps `current`'s own
    // set for undoImport(). Empty on success, otherwise the message, and
    // nothing has changed.
    QString applyImport(const core::TextLibrary& current, const core::TextSet& incoming) const;

    bool canUndoImport(QStringView language) const;

    // Puts back the set that the last import replaced. On failure the
    // message, and the texts stay as the import left them.
    Loaded undoImport(QStringView language) const;

    // The set before the last import is no longer wanted (an edit after it).
    void forgetUndo(QStringView language) const;

private:
    QString write(const QString& file, const core::TextSet& set) const;
    QString folderProblem() const;

    QString folder_;
};

}  // namespace platform
