#pragma once

// A restore of the book from a copy, shared by the files that make it up:
// book_restore.cpp (the whole and the judging of the copy),
// restore_staging.cpp (the copy read into a staging file) and
// restore_place.cpp (the copy written into the book under its lock). Not
// part of the book's public face.

#include <QFile>
#include <QSqlDatabase>
#include <QString>
#include <atomic>

#include "book/book_private.h"
#include "book/client_book.h"

namespace book::detail {

// The staging file's name is the book's with this after it and six letters.
inline const QString kStagingMark = QStringLiteral(".restore-");

// A Qt SQL connection of its own, in the thread that makes it, closed and
// removed with it (or by close()).
class Connection {
public:
    explicit Connection(const QString& file, const QString& options = {});
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void close();
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    bool isOpen() const { return db().isOpen(); }

private:
    QString name_;
};

// « Картотека осталась прежней.», after every refusal.
QString unchangedText();
// «Не удалось прочитать копию «…»: why.»
QString readFailed(const QString& where, const QString& why);
// «Картотеку сейчас держит другая программа…»
QString heldText();
// Why SQLite cannot read the copy at `copy`: damaged or cut short when it
// begins as a database does, else no database at all.
QString damaged(const QString& copy, const QString& where);
// Removes the staging file and everything that goes with it.
void removeStaging(const QString& staging);

// The work of one restore, done away from the window's thread; the window
// reads how far it is and may ask it to stop while the copy is read.
class RestoreJob {
public:
    RestoreJob(QString book, QString copy, qint64 limit, int busyMs, QString moment)
        : book_(std::move(book)),
          copy_(std::move(copy)),
          where_(quoted(copy_)),
          limit_(limit),
          busyMs_(busyMs),
          moment_(std::move(moment)) {}

    void run();
    bool finished() const { return finished_; }
    void stop() { stop_ = true; }
    qint64 done() const { return done_; }
    qint64 total() const { return total_; }
    const ClientBook::RestoreReport& report() const { return report_; }

private:
    bool step(qint64 done, qint64 total) {
        done_ = done;
        total_ = total;
        return !stop_;
    }
    // restore_staging.cpp
    QString stage(Connection& staging, const QString& name);
    QString takeAsItLies(const QString& name, QString* source);
    QString copyPiecewise(const QString& from, const QString& to, qint64 start, qint64 total);
    QString copied(const CopyResult& result);
    // book_restore.cpp
    QString judge(const QSqlDatabase& db);
    QString tellSetAside(const QSqlDatabase& db);
    // restore_place.cpp
    QString putInPlace(Connection& staging);
    QString keepCurrent(QFile& current);
    QString replaceUnreadable(Connection& staging);

    QString book_;
    QString copy_;
    QString where_;
    qint64 limit_;
    int busyMs_;
    QString moment_;
    std::atomic<qint64> done_{0};
    std::atomic<qint64> total_{0};
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    ClientBook::RestoreReport report_;
};

}  // namespace book::detail
