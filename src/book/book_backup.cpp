// A copy of the book kept apart, and the book brought back from one; when
// the last copy was made, for the reminder.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QVariant>
#include <algorithm>

#include "book/book_private.h"
#include "book/client_book.h"
#include "platform/private_files.h"
#include "platform/safe_file.h"
#include "platform/user_settings.h"

namespace book {

using detail::quoted;
using detail::reason;

namespace {

const QString kBackupBook = QStringLiteral("book/backup/file");
const QString kLastCopy = QStringLiteral("book/backup/lastCopy");
constexpr qint64 kRemindAfterDays = 30;

bool sameFile(const QString& a, const QString& b) {
    const QString one = QFileInfo(a).canonicalFilePath();
    return !one.isEmpty() && one == QFileInfo(b).canonicalFilePath();
}

// A private file beside the book, with a copy of `source` in it: what is
// checked is then exactly what takes the book's place, whatever happens to
// the source meanwhile. Empty on success, else why.
QString stage(const QString& source, QTemporaryFile& staged) {
    // A pipe would keep the window waiting for a writer.
    if (!QFileInfo(source).isFile()) {
        return QCoreApplication::translate("BookBackup",
                                           "такого файла нет или это не обычный файл");
    }
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) {
        return platform::reasonOfFileError(from).text;
    }
    if (!staged.open()) {
        return platform::reasonOfFileError(staged).text;
    }
    bool first = true;
    while (!from.atEnd()) {
        QByteArray piece = from.read(1 << 20);
        if (piece.isEmpty() && from.error() != QFileDevice::NoError) {
            return platform::reasonOfFileError(from).text;
        }
        // A copy made in WAL mode is read as one file, without a -wal file beside it.
        if (first && piece.size() >= 100 && piece[18] == 2) {
            piece[18] = 1;
            piece[19] = 1;
        }
        first = false;
        if (staged.write(piece) != piece.size()) {
            return platform::reasonOfFileError(staged).text;
        }
    }
    if (!staged.flush()) {
        return platform::reasonOfFileError(staged).text;
    }
    staged.close();
    return {};
}

// A file that SQLite cannot read through: cut short or damaged when it
// begins as a database does, else no database at all.
QString damaged(const QSqlDatabase& db, const QString& where) {
    QFile file(db.databaseName());
    if (file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16)) {
        return QCoreApplication::translate(
                   "BookBackup",
                   "Копия %1 повреждена или записана не до конца: проверка целостности не "
                   "пройдена.")
            .arg(where);
    }
    return QCoreApplication::translate("BookBackup",
                                       "Файл %1 — не копия картотеки клиентов: это не база данных.")
        .arg(where);
}

struct Judged {
    QString problem;  // empty: a whole book of ours
    int clients = 0;
};

// Whether the staged file is a whole book of ours that this program reads;
// an older one is brought up to date as the book itself would be.
Judged judge(const QSqlDatabase& db, const QString& where) {
    const auto notOurs = [&](const QString& why) {
        return QCoreApplication::translate("BookBackup",
                                           "Файл %1 — не копия картотеки клиентов: %2.")
            .arg(where, why);
    };
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
        return {
            detail::isNotADatabase(q.lastError())
                ? damaged(db, where)
                : QCoreApplication::translate("BookBackup", "Не удалось прочитать копию %1: %2.")
                      .arg(where, reason(q.lastError()))};
    }
    const int applicationId = q.value(0).toInt();
    q.exec(QStringLiteral("PRAGMA user_version"));
    const int version = q.next() ? q.value(0).toInt() : -1;
    q.finish();
    if (applicationId != 0 && applicationId != detail::kApplicationId) {
        return {notOurs(
            QCoreApplication::translate("BookBackup", "в её заголовке метка другого приложения"))};
    }
    if (version > ClientBook::kSchemaVersion) {
        return {
            QCoreApplication::translate(
                "BookBackup",
                "Копия %1 сделана более новой версией программы (версия картотеки %2, эта "
                "программа знает версии до %3). Обновите программу.")
                .arg(where, QString::number(version), QString::number(ClientBook::kSchemaVersion))};
    }
    QSqlError error;
    if (!detail::hasBookTables(db, version, &error)) {
        return {
            error.isValid() && !detail::isNotADatabase(error)
                ? QCoreApplication::translate("BookBackup", "Не удалось прочитать копию %1: %2.")
                      .arg(where, reason(error))
            : error.isValid()
                ? damaged(db, where)
                : notOurs(QCoreApplication::translate("BookBackup", "в ней нет таблиц картотеки"))};
    }
    if (!detail::integrityOk(db, &error)) {
        return {damaged(db, where)};
    }
    if (const QString why = detail::createOrUpgrade(db); !why.isEmpty()) {
        return {QCoreApplication::translate(
                    "BookBackup", "Копию %1 не удалось обновить до нынешней версии картотеки: %2.")
                    .arg(where, why)};
    }
    // A copy made by hand or by another program may hold rows the card
    // would never have taken.
    if (const QString why = detail::recordRowsProblem(db); !why.isEmpty()) {
        return {
            QCoreApplication::translate("BookBackup", "Копия %1 не подходит: %2.").arg(where, why)};
    }
    q.exec(QStringLiteral("SELECT count(*) FROM clients"));
    return {{}, q.next() ? q.value(0).toInt() : 0};
}

Judged judgeStaged(const QString& staged, const QString& where) {
    const QString name = QStringLiteral("zemtar-book-restore");
    Judged verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(staged);
        verdict = db.open() ? judge(db, where)
                            : Judged{QCoreApplication::translate(
                                         "BookBackup", "Не удалось прочитать копию %1: %2.")
                                         .arg(where, reason(db.lastError()))};
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}

}  // namespace

bool ClientBook::backup(const QString& file, QString* error) {
    if (!writeCopy(file, error)) {
        return false;
    }
    platform::userSettings().setValues(
        {{kBackupBook, path_}, {kLastCopy, moment().toUTC().toString(Qt::ISODateWithMs)}});
    return true;
}

bool ClientBook::writeCopy(const QString& file, QString* error) {
    const auto failed = [&](const QString& why) {
        return fail(error,
                    QCoreApplication::translate("BookBackup", "Копия картотеки не сохранена. %1")
                        .arg(platform::writeFailedMessage(file, why) + u'.'));
    };
    if (!waitForCheck(error)) {
        return false;
    }
    if (platform::inspectPath(file).kind == platform::PathKind::SymbolicLink) {
        return failed(QCoreApplication::translate(
            "BookBackup", "это символическая ссылка, а программа не пишет копию через ссылки"));
    }
    // Over the book or its journal the copy would take the book itself away.
    for (const QString& own :
         {path_, path_ + QStringLiteral("-wal"), path_ + QStringLiteral("-shm")}) {
        if (sameFile(file, own) ||
            QFileInfo(file).absoluteFilePath() == QFileInfo(own).absoluteFilePath()) {
            return failed(QCoreApplication::translate("BookBackup", "это файл самой картотеки"));
        }
    }
    // What the journal holds goes into the file now, not when the book closes.
    QSqlQuery(QSqlDatabase::database(connection_))
        .exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    QByteArray bytes;
    if (const QString why = detail::copyWhole(QSqlDatabase::database(connection_), bytes);
        !why.isEmpty()) {
        return failed(why);
    }
    // A file replaced keeps its rights: an older copy is made private first.
    if (platform::inspectPath(file).kind == platform::PathKind::File) {
        if (const QString why = platform::restrictToOwner(file); !why.isEmpty()) {
            return failed(why);
        }
    }
    const QString problem = platform::writeFileAtomically(
        file, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    if (!problem.isEmpty()) {
        return fail(error,
                    QCoreApplication::translate("BookBackup", "Копия картотеки не сохранена. %1.")
                        .arg(problem));
    }
    return true;
}

ClientBook::RestoreReport ClientBook::restore(const QString& file) {
    RestoreReport report;
    const QString where = quoted(file);
    auto failed = [&](const QString& why) {
        report.error =
            why + QCoreApplication::translate("BookBackup", " Картотека осталась прежней.");
        return report;
    };
    if (const QString problem = detail::preparePlace(path_); !problem.isEmpty()) {
        return failed(problem);
    }
    if (sameFile(file, path_)) {
        return failed(QCoreApplication::translate("BookBackup",
                                                  "Файл %1 — это сама картотека, а не её копия.")
                          .arg(where));
    }
    QTemporaryFile staged(path_ + QStringLiteral(".restore-XXXXXX"));
    if (const QString why = stage(file, staged); !why.isEmpty()) {
        return failed(
            QCoreApplication::translate("BookBackup", "Не удалось прочитать копию %1: %2.")
                .arg(where, why));
    }
    const Judged verdict = judgeStaged(staged.fileName(), where);
    if (!verdict.problem.isEmpty()) {
        return failed(verdict.problem);
    }
    // The book as it is now stays beside it, whatever the copy brings.
    const QString kept =
        QDir(QFileInfo(path_).absolutePath())
            .filePath(
                QCoreApplication::translate("BookBackup", "%1 до восстановления %2.sqlite")
                    .arg(QFileInfo(path_).completeBaseName(),
                         moment().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))));
    if (const QString why = keepCurrent(kept); !why.isEmpty()) {
        return failed(why);
    }
    if (const QString why = putInPlace(staged); !why.isEmpty()) {
        return failed(why);
    }
    report.done = true;
    report.clients = verdict.clients;
    report.keptAs = kept;
    open();
    emit changed();
    return report;
}

QString ClientBook::keepCurrent(const QString& kept) {
    if (open()) {
        QString why;
        return writeCopy(kept, &why) ? QString() : why;
    }
    // A book that cannot be opened (damaged, say) is kept byte for byte.
    if (platform::inspectPath(path_).kind != platform::PathKind::File) {
        return {};
    }
    QFile current(path_);
    if (!current.open(QIODevice::ReadOnly)) {
        return platform::writeFailedMessage(kept, platform::reasonOfFileError(current).text) + u'.';
    }
    const QString problem = platform::writeFileAtomically(
        kept, [&](QIODevice& device) { return device.write(current.readAll()) >= 0; });
    return problem.isEmpty() ? QString() : problem + u'.';
}

QString ClientBook::putInPlace(QTemporaryFile& staged) {
    close();
    const QString wal = path_ + QStringLiteral("-wal");
    // The last connection's close folds the journal into the file and
    // removes it; one still there belongs to another program that has the
    // book open, and would be played onto the copy.
    if (QFileInfo(wal).size() > 0) {
        open();
        return QCoreApplication::translate(
            "BookBackup",
            "Картотеку сейчас держит другая программа (или другое окно этой программы). "
            "Закройте её и восстановите копию снова.");
    }
    QFile::remove(wal);
    QFile::remove(path_ + QStringLiteral("-shm"));
    if (const int failed = platform::replaceFile(staged.fileName(), path_); failed != 0) {
        open();
        return QCoreApplication::translate("BookBackup",
                                           "Не удалось заменить картотеку %1 копией: %2.")
            .arg(quoted(path_), platform::systemReason(failed));
    }
    staged.setAutoRemove(false);
    suspect_ = false;
    return {};
}

// The book's last change, read from its files' times: a commit writes the
// journal, and folding the journal in writes the file. The copy folds it
// in first, so that closing the book afterwards writes nothing more.
QDateTime ClientBook::lastChange() const {
    QDateTime last = QFileInfo(path_).lastModified();
    if (const QFileInfo wal(path_ + QStringLiteral("-wal")); wal.size() > 0) {
        last = std::max(last, wal.lastModified());
    }
    return last;
}

ClientBook::BackupState ClientBook::backupState() {
    BackupState state;
    if (!open()) {
        return state;
    }
    const platform::UserSettings settings = platform::userSettings();
    if (settings.value(kBackupBook).toString() == path_) {
        state.lastCopy =
            QDateTime::fromString(settings.value(kLastCopy).toString(), Qt::ISODateWithMs);
    }
    const QDateTime now = moment();
    if (state.lastCopy.isValid()) {
        state.daysSinceCopy = state.lastCopy.daysTo(now);
        state.due = state.daysSinceCopy > kRemindAfterDays && lastChange() > state.lastCopy;
        return state;
    }
    // No copy yet: due once the first client has been in the book that long.
    QSqlQuery q(QSqlDatabase::database(connection_));
    if (q.exec(QStringLiteral("SELECT min(added) FROM clients")) && q.next()) {
        const QDateTime first = QDateTime::fromString(q.value(0).toString(), Qt::ISODate);
        state.due = first.isValid() && first.daysTo(now) > kRemindAfterDays;
    }
    return state;
}

}  // namespace book
