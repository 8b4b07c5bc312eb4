#include "platform/text_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <utility>

#include "core/report_language.h"
#include "platform/private_files.h"
#include "platform/reasons.h"
#include "platform/safe_file.h"

namespace platform {

namespace {

// A language as its own speakers name it («Українська»), or its code when the
// program has no words in it.
QString inWords(const QString& code) {
    const std::optional<core::ReportLanguage> language = core::parseReportLanguage(code);
    return language ? core::languageName(*language) : code;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

core::TextFileReading refusedReading(const QString& path, const QString& why) {
    core::TextFileReading reading;
    reading.problemCount = 1;
    reading.problems.push_back({0, QCoreApplication::translate(
                                       "TextStore", "Файл текстов толкований «%1» не прочитан: %2.")
                                       .arg(shown(path), why)});
    return reading;
}

QString linkProblem(const QString& path) {
    return QCoreApplication::translate(
               "TextStore",
               "«%1» — символическая ссылка, а программа не открывает свои файлы через "
               "ссылки, чтобы не изменить чужой файл")
        .arg(shown(path));
}

QString notSaved(const QString& why) {
    return QCoreApplication::translate(
               "TextStore", "Тексты толкований не сохранены: %1. Прежние тексты остались как были.")
        .arg(why);
}

}  // namespace

core::TextFileReading readTextFile(const QString& path, bool regularOnly) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return refusedReading(path,
                              QCoreApplication::translate("TextStore", "это папка, а не файл"));
    }
    const QString notRegular = QCoreApplication::translate(
        "TextStore", "это не обычный файл, а канал, устройство или сокет");
    if (regularOnly && info.exists() && !info.isFile()) {
        return refusedReading(path, notRegular);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refusedReading(path, reasonOfFileError(file).text);
    }
    // Swapped for a pipe after the look above: what is open is judged again.
    if (regularOnly && file.isSequential()) {
        return refusedReading(path, notRegular);
    }
    // One chunk past the limit is enough to know that the file is too large.
    QByteArray bytes;
    char chunk[16384];
    qint64 got = 0;
    while (bytes.size() <= core::kTextFileLimit && (got = file.read(chunk, sizeof chunk)) > 0) {
        bytes.append(chunk, got);
    }
    if (got < 0) {
        return refusedReading(path, reasonOfFileError(file).text);
    }
    return core::readTextFile(bytes, path);
}

QString writeTextFile(const QString& path, const core::TextSet& set) {
    const QByteArray bytes = core::textFileBytes(set);
    return writeFileAtomically(
        path, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

TextStore::TextStore(QString folder) : folder_(std::move(folder)) {}

TextStore TextStore::inDataFolder() {
    return TextStore(dataFolder());
}

QString TextStore::fileOf(QStringView language) const {
    return folder_.isEmpty() ? QString()
                             : QDir(folder_).filePath(QStringLiteral("texts-%1.txt").arg(language));
}

QString TextStore::undoFileOf(QStringView language) const {
    return folder_.isEmpty()
               ? QString()
               : QDir(folder_).filePath(QStringLiteral("texts-%1.before-import.txt").arg(language));
}

TextStore::Loaded TextStore::load(QStringView language) const {
    const QString file = fileOf(language);
    const core::TextSet nothing{language.toString()};
    switch (inspectPath(file).kind) {
        case PathKind::Missing:
            return {core::TextLibrary(nothing), {}};
        case PathKind::File:
            break;
        case PathKind::SymbolicLink:
            return {core::TextLibrary(nothing),
                    QCoreApplication::translate(
                        "TextStore", "Тексты толкований не прочитаны: %1. Взяты тексты программы.")
                        .arg(linkProblem(file))};
        default:
            return {core::TextLibrary(nothing),
                    QCoreApplication::translate(
                        "TextStore",
                        "Тексты толкований не прочитаны: на месте файла «%1» папка "
                        "или другой объект. Взяты тексты программы.")
                        .arg(shown(file))};
    }
    core::TextFileReading reading = readTextFile(file);
    if (reading.ours && reading.set.language() != language) {
        return {
            core::TextLibrary(nothing),
            QCoreApplication::translate(
                "TextStore",
                "Файл текстов толкований «%1» написан на языке «%2», а не «%3». "
                "Взяты тексты программы.")
                .arg(shown(file), inWords(reading.set.language()), inWords(language.toString()))};
    }
    const QString problem = reading.message();
    return {core::TextLibrary(reading.ours ? std::move(reading.set) : nothing), problem};
}

QString TextStore::folderProblem() const {
    if (folder_.isEmpty()) {
        return QCoreApplication::translate("TextStore",
                                           "в системе не найдена папка для данных пользователя");
    }
    const PathState state = inspectPath(folder_);
    switch (state.kind) {
        case PathKind::Missing:
            if (const QString why = makePrivateFolder(folder_); !why.isEmpty()) {
                return QCoreApplication::translate("TextStore", "не удалось создать папку «%1»: %2")
                    .arg(shown(folder_), why);
            }
            return {};
        case PathKind::SymbolicLink:
            return linkProblem(folder_);
        case PathKind::Folder:
            if (state.mine && state.othersCanUse) {
                if (const QString why = restrictToOwner(folder_); !why.isEmpty()) {
                    return QCoreApplication::translate(
                               "TextStore",
                               "папку «%1» могут читать другие пользователи, а закрыть "
                               "её от них не удалось: %2")
                        .arg(shown(folder_), why);
                }
            }
            return {};
        default:
            return QCoreApplication::translate("TextStore",
                                               "на месте папки «%1» файл или другой объект")
                .arg(shown(folder_));
    }
}

QString TextStore::write(const QString& file, const core::TextSet& set) const {
    if (const QString problem = folderProblem(); !problem.isEmpty()) {
        return notSaved(problem);
    }
    const PathState state = inspectPath(file);
    if (state.kind == PathKind::SymbolicLink) {
        return notSaved(linkProblem(file));
    }
    if (const QString failed = writeTextFile(file, set); !failed.isEmpty()) {
        return QCoreApplication::translate("TextStore",
                                           "%1. Прежние тексты толкований остались как были.")
            .arg(failed);
    }
    // A file someone opened to others keeps its modes when replaced; ours are private.
    if (inspectPath(file).othersCanUse) {
        if (const QString why = restrictToOwner(file); !why.isEmpty()) {
            return QCoreApplication::translate(
                       "TextStore",
                       "Тексты толкований сохранены, но файл «%1» могут читать другие "
                       "пользователи, а закрыть его от них не удалось: %2.")
                .arg(shown(file), why);
        }
    }
    return {};
}

QString TextStore::save(const core::TextSet& own) const {
    return write(fileOf(own.language()), own);
}

TextStore::ImportPreview TextStore::previewImport(const QString& path,
                                                  const core::TextLibrary& current) const {
    core::TextFileReading reading = readTextFile(path, true);
    ImportPreview preview;
    // What an import would take instead is the window's to say: it asks first.
    preview.problem = reading.problemText();
    if (reading.ours && reading.set.language() != current.language()) {
        preview.problem =
            QCoreApplication::translate("TextStore",
                                        "В файле «%1» тексты на языке «%2», а правятся тексты на "
                                        "языке «%3». Чтобы импортировать их, выберите вверху "
                                        "окна язык текстов «%2». Ничего не изменено.")
                .arg(shown(path), inWords(reading.set.language()), inWords(current.language()));
        return preview;
    }
    preview.importable = reading.ours;
    preview.incoming = std::move(reading.set);
    preview.changes =
        preview.importable ? core::changedEntries(current, core::TextLibrary(preview.incoming)) : 0;
    return preview;
}

QString TextStore::applyImport(const core::TextLibrary& current,
                               const core::TextSet& incoming) const {
    const QString undo = undoFileOf(current.language());
    if (const QString failed = write(undo, current.own()); !failed.isEmpty()) {
        return failed;
    }
    if (const QString failed = save(incoming); !failed.isEmpty()) {
        // What was kept for undo is what is still in place: nothing to undo.
        QFile::remove(undo);
        return failed;
    }
    return {};
}

bool TextStore::canUndoImport(QStringView language) const {
    return !folder_.isEmpty() && inspectPath(undoFileOf(language)).kind == PathKind::File;
}

TextStore::Loaded TextStore::undoImport(QStringView language) const {
    const QString undo = undoFileOf(language);
    Loaded now = load(language);
    if (!canUndoImport(language)) {
        now.problem =
            QCoreApplication::translate("TextStore",
                                        "Импорт отменить нельзя: прежние тексты толкований не "
                                        "сохранились.");
        return now;
    }
    core::TextFileReading reading = readTextFile(undo);
    if (!reading.ours || !reading.complete()) {
        now.problem = QCoreApplication::translate("TextStore", "Импорт не отменён: %1")
                          .arg(reading.message());
        return now;
    }
    if (const QString failed = save(reading.set); !failed.isEmpty()) {
        now.problem = QCoreApplication::translate("TextStore", "Импорт не отменён. %1").arg(failed);
        return now;
    }
    QFile::remove(undo);
    return {core::TextLibrary(std::move(reading.set)), {}};
}

void TextStore::forgetUndo(QStringView language) const {
    if (canUndoImport(language)) {
        QFile::remove(undoFileOf(language));
    }
}

}  // namespace platform
