// The book brought back from a copy. The copy is read through SQLite's own
// backup into a staging file beside the book, away from the window's thread,
// and judged there; then, under SQLite's exclusive lock on the book, the
// book as it is is kept beside it and the copy written into it page by page.
// Nothing of another program's is touched: while anything else has the book
// open, SQLite does not give the lock and the book stays as it was.

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QVariant>
#include <chrono>
#include <thread>

#include "book/restore_job.h"

namespace book {

namespace detail {

namespace {

// The set-aside rows a report lists one by one.
constexpr int kSetAsideListed = 1000;

}  // namespace

void RestoreJob::run() {
    QString problem;
    QString staging;
    {
        // QTemporaryFile keeps its file open until it goes, close() or not,
        // and Windows moves no file that is open: it goes before SQLite takes
        // the file over.
        QTemporaryFile file(book_ + kStagingMark + QStringLiteral("XXXXXX"));
        file.setAutoRemove(false);
        if (!file.open()) {
            problem = QCoreApplication::translate(
                          "BookBackup", "Не удалось подготовить восстановление в папке %1: %2.")
                          .arg(quoted(QFileInfo(book_).absolutePath()), file.errorString());
        }
        staging = file.fileName();
    }
    if (problem.isEmpty()) {
        // The staging file is SQLite's alone, locked until it goes: a restore
        // started later finds it in use and leaves it be.
        Connection stagingDb(staging, QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        QSqlQuery q(stagingDb.db());
        for (const char* pragma : {"PRAGMA locking_mode = EXCLUSIVE", "PRAGMA journal_mode = OFF",
                                   "PRAGMA synchronous = OFF", "BEGIN EXCLUSIVE", "COMMIT"}) {
            q.exec(QString::fromLatin1(pragma));
        }
        problem = stage(stagingDb, staging);
        if (problem.isEmpty()) {
            problem = judge(stagingDb.db());
        }
        if (problem.isEmpty() && stop_) {
            problem = QCoreApplication::translate("BookBackup", "Восстановление отменено.");
        }
        if (problem.isEmpty()) {
            problem = putInPlace(stagingDb);
        }
    }
    removeStaging(staging);
    report_.done = problem.isEmpty();
    report_.cancelled = stop_ && !report_.done;
    report_.error = problem.isEmpty() ? QString() : problem + unchangedText();
    finished_ = true;
}

// Whether the staged copy is a whole book of ours that this program reads;
// an older one is brought up to date as the book itself would be, and every
// row is held to the book's rules. Empty when it will do, else why not.
QString RestoreJob::judge(const QSqlDatabase& db) {
    const auto notOurs = [&](const QString& why) {
        return QCoreApplication::translate("BookBackup",
                                           "Файл %1 — не копия картотеки клиентов: %2.")
            .arg(where_, why);
    };
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
        return isNotADatabase(q.lastError()) ? damaged(copy_, where_)
                                             : readFailed(where_, reason(q.lastError()));
    }
    const int applicationId = q.value(0).toInt();
    q.exec(QStringLiteral("PRAGMA user_version"));
    const int version = q.next() ? q.value(0).toInt() : -1;
    q.finish();
    if (applicationId != 0 && applicationId != kApplicationId) {
        return notOurs(
            QCoreApplication::translate("BookBackup", "в её заголовке метка другого приложения"));
    }
    if (version > ClientBook::kSchemaVersion) {
        return QCoreApplication::translate(
                   "BookBackup",
                   "Копия %1 сделана более новой версией программы (версия картотеки %2, эта "
                   "программа знает версии до %3). Обновите программу.")
            .arg(where_, QString::number(version), QString::number(ClientBook::kSchemaVersion));
    }
    QSqlError error;
    if (!hasBookTables(db, version, &error)) {
        return error.isValid() && !isNotADatabase(error) ? readFailed(where_, reason(error))
               : error.isValid()                         ? damaged(copy_, where_)
                                                         : notOurs(QCoreApplication::translate(
                                                               "BookBackup", "в ней нет таблиц картотеки"));
    }
    if (!integrityOk(db, &error)) {
        return damaged(copy_, where_);
    }
    QString why = createOrUpgrade(db, moment_);
    if (why.isEmpty()) {
        Transaction transaction(db);
        why = transaction.begun() ? holdRowsToRules(db, moment_) : reason(transaction.error());
        if (why.isEmpty() && !transaction.commit()) {
            why = reason(transaction.error());
        }
    }
    if (!why.isEmpty()) {
        return QCoreApplication::translate(
                   "BookBackup", "Копию %1 не удалось обновить до нынешней версии картотеки: %2.")
            .arg(where_, why);
    }
    // A copy made by hand or by another program may hold journal entries and
    // events the card would never have taken; a client set aside keeps theirs.
    if (const QString problem = recordRowsProblem(db); !problem.isEmpty()) {
        return QCoreApplication::translate("BookBackup", "Копия %1 не подходит: %2.")
            .arg(where_, problem);
    }
    return tellSetAside(db);
}

// The rows this restore set aside, for the report, and the clients it brings.
QString RestoreJob::tellSetAside(const QSqlDatabase& db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT substr(surname, 1, 200), substr(name, 1, 200), substr(patronymic, 1, 200), day,"
        " month, substr(year_text, 1, 200), set_aside FROM clients WHERE set_aside <> '' AND"
        " deleted = :moment ORDER BY id"));
    q.bindValue(QStringLiteral(":moment"), moment_);
    if (!q.exec()) {
        return readFailed(where_, reason(q.lastError()));
    }
    while (q.next()) {
        if (++report_.setAsideCount > kSetAsideListed) {
            continue;
        }
        Client c;
        c.names = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
        c.birthDate = {q.value(3).toInt(), monthIndexOf(q.value(4).toInt()), q.value(5).toString()};
        report_.setAside << QStringLiteral("%1 — %2").arg(shownClient(c), q.value(6).toString());
    }
    if (!q.exec(QStringLiteral("SELECT count(*) FROM clients WHERE deleted = ''")) || !q.next()) {
        return readFailed(where_, reason(q.lastError()));
    }
    report_.clients = q.value(0).toInt();
    return {};
}

}  // namespace detail

using detail::quoted;

ClientBook::RestoreReport ClientBook::restore(
    const QString& file, const std::function<bool(qint64 done, qint64 total)>& progress) {
    RestoreReport report;
    const QString where = quoted(file);
    auto failed = [&](const QString& why) {
        report.error = why + detail::unchangedText();
        return report;
    };
    if (const QString problem = detail::preparePlace(path_); !problem.isEmpty()) {
        return failed(problem);
    }
    if (detail::sameFile(file, path_)) {
        return failed(QCoreApplication::translate("BookBackup",
                                                  "Файл %1 — это сама картотека, а не её копия.")
                          .arg(where));
    }
    // A pipe would keep the restore waiting for a writer.
    if (!QFileInfo(file).isFile()) {
        return failed(detail::readFailed(
            where,
            QCoreApplication::translate("BookBackup", "такого файла нет или это не обычный файл")));
    }
    // The book's own connection lets go of it; nothing opens it again until the end.
    close();
    restoring_ = true;
    detail::RestoreJob job(path_, file, restoreLimit_, busyTimeoutMs_, binMoment());
    std::thread worker([&job] { job.run(); });
    while (!job.finished()) {
        if (progress && !progress(job.done(), job.total())) {
            job.stop();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    worker.join();
    restoring_ = false;
    report = job.report();
    // Whoever read the book meanwhile was told it was being restored.
    open();
    emit changed();
    return report;
}

}  // namespace book
