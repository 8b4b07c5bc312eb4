#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "book/client.h"
#include "book/client_records.h"
#include "core/report_kind.h"

class QSqlDatabase;
class QSqlError;

namespace book {

namespace detail {
class IntegrityCheck;
}
class ClientListReader;

// The kinds of comma-separated file the book writes. Both are read back by
// importCsv without loss.
enum class CsvFormat {
    Plain,  // UTF-8, «,», CRLF; dates as three columns, moments as stored (UTC)
    Excel,  // «CSV для Excel (;)»: UTF-8 with BOM, «;», CRLF, ДД.ММ.ГГГГ, moments in local
            // time with their distance from UTC
};

// What an import did. Rows that cannot be read are listed by the line of the
// file they start on; nothing of them is stored.
struct ImportReport {
    bool done = false;  // false: nothing was stored at all, error says why
    QString error;
    int added = 0;
    int alreadyThere = 0;  // same names and date as a client in the book (or earlier in the file)
    std::vector<std::pair<int, QString>> badRows;
    bool cancelled = false;  // the progress callback asked to stop; nothing was stored
};

// The client book: one SQLite file, clients.sqlite, in the user's data folder,
// readable by the user alone and never reached through a symbolic link. A
// file is used only when it is known to be a book: it carries the mark
// 0x5A4D4B42 ("ZMKB") as its PRAGMA application_id (books made before the
// mark are known by their exact tables and then given it), a version this
// program knows, and exactly the book's tables; anything else is refused
// before a byte of it is written. Every change is one transaction, so a crash
// loses at most the change in progress. The file is opened on first use; one
// that cannot be used (not a database, damaged, locked, from a newer program)
// is left exactly as it is and every call says so, with its path, and tries
// again the next time. Every opening checks the file's header and tables
// (above); the full integrity check, which reads every page, runs in a thread
// of its own when the file has not passed one in the last week as it lies (a
// file changed by anything but this program, or put in the book's place, is
// checked at its next opening); reading goes on meanwhile, and the first
// change waits for its verdict. A failed check closes the book and emits
// changed().
class ClientBook : public QObject {
    Q_OBJECT

public:
    // path: the book's file; empty means the one in the user's data folder.
    explicit ClientBook(QString path = QString(), QObject* parent = nullptr);
    ~ClientBook() override;

    // .../clients.sqlite in platform::dataFolder().
    static QString defaultPath();
    // The version of the book's tables this program writes.
    static constexpr int kSchemaVersion = 7;

    QString path() const { return path_; }

    // Opens the file when it is not open yet, creating it when there is none.
    // False, with the reason in Russian, when the book cannot be used.
    bool open(QString* error = nullptr);
    bool isOpen() const { return open_; }
    // Why the last open failed; empty while the book is open.
    QString openError() const { return openError_; }
    // Opens the book and waits until its integrity is known; false when it is
    // unusable or damaged.
    bool waitForCheck(QString* error = nullptr);
    // Checks the whole file afresh, whenever it was last checked: after the
    // file was put back from a backup, say. On an open book the check starts
    // at once, in the background, and the first change waits for it; else
    // at the next opening.
    void checkInFull();

    // Every client, in the book's order (by surname, then name and patronymic,
    // «ё» as «е», case ignored); with keys, also each client's searchKey().
    bool clients(std::vector<Client>& out, QString* error = nullptr, SearchKeys* keys = nullptr);
    // Stores a new client and gives it its id and, when empty, the moment it is added.
    bool add(Client& client, QString* error = nullptr);
    // Stores the names, date, phone, e-mail and note of a client already in the book.
    bool update(const Client& client, QString* error = nullptr);
    // The same with the card's journal and life events, which replace the
    // stored ones; all in one transaction, and every entry obeys
    // sessionProblem() and eventProblem() or nothing is stored.
    bool update(const Client& client, const ClientRecords& records, QString* error = nullptr);
    // A client's journal and life events, in order (putInOrder).
    bool records(qint64 id, ClientRecords& out, QString* error = nullptr);
    // Every client's journal and events as folded text (book::fold), by
    // client id, for the search; clients without any are not there.
    bool recordTexts(std::vector<std::pair<qint64, QString>>& out, QString* error = nullptr);
    // The turning years a client was contacted about («Связался»): for one
    // year, the day each client was marked, by client id.
    bool contacted(int year, QHash<qint64, QDate>& out, QString* error = nullptr);
    // Marks the client contacted about `year` on `day`, replacing an earlier
    // mark; a null day takes the mark away. False, saying why, for a year
    // outside kFirstRecordYear to kLastRecordYear or a client no longer in
    // the book. The marks go to the bin with a deleted client and come back
    // with them. A mark changes nothing the book's other views show, so it is
    // followed by contactedChanged(), not by changed().
    bool setContacted(qint64 id, int year, const QDate& day, QString* error = nullptr);
    // Moves these clients, with their history and everything on their card,
    // to the bin («Удалённые») in one transaction: all of them or none.
    bool remove(qint64 id, QString* error = nullptr);
    bool remove(const std::vector<qint64>& ids, QString* error = nullptr);

    // The bin: clients deleted in the last kBinDays days, and rows from
    // elsewhere that break the book's rules (a copy brought back, an older
    // book), set aside with the reason. A deleted client comes back whole;
    // the bin empties itself of deletions older than kBinDays whenever the
    // book is opened, and keeps a row set aside until it is removed for good.
    static constexpr int kBinDays = 30;
    struct BinEntry {
        qint64 id = 0;
        core::ClientNames names;  // as stored; a set-aside row's texts cut to a few hundred
        core::BirthDate birthDate;
        QString deleted;   // when it went to the bin: UTC, with milliseconds
        QString setAside;  // why the row was set aside; empty for a client deleted
    };
    // What the bin holds, the last deleted first.
    bool binEntries(std::vector<BinEntry>& out, QString* error = nullptr);
    // Brings these clients back with their history, all or none. A row set
    // aside cannot come back, nor a client whose names and date of birth the
    // book holds again meanwhile; `error` names them and why.
    bool bringBack(const std::vector<qint64>& ids, QString* error = nullptr);
    // Brings back the clients of the last deletion that is still in the bin
    // (Ctrl+Z in the book); `ids` learns who, none when the bin holds none.
    bool bringBackLast(std::vector<qint64>* ids = nullptr, QString* error = nullptr);
    // Removes these entries of the bin for good, with their history.
    bool removeForGood(const std::vector<qint64>& ids, QString* error = nullptr);

    // After a printout for these names and date: the client's "last printed"
    // becomes now, a client not yet in the book is added and the report, of
    // `kind`, joins their history; `id` learns which client it is (0 when
    // there is no one to remember). Nothing is stored
    // when all three names are empty (there is no one to remember).
    bool recordPrinted(const core::ClientNames& names, const core::BirthDate& born,
                       QString* error = nullptr, qint64* id = nullptr,
                       core::ReportKind kind = core::ReportKind::Printout,
                       const QString& file = {});
    // The same for a person a dialog entered: one added to the book gets
    // their report language, gender and form of address too, and one already
    // there the report language the dialog chose.
    bool recordPrinted(const core::Person& person, QString* error = nullptr, qint64* id = nullptr,
                       core::ReportKind kind = core::ReportKind::Printout,
                       const QString& file = {});
    // Gives the client with this id the names, report language, gender and
    // form of address a dialog entered for them (`person`'s), keeping the
    // rest; what is theirs already changes nothing.
    bool rename(qint64 id, const core::Person& person, QString* error = nullptr);

    // After a report for the client with this id: it joins the client's
    // history and the client's "last printed" becomes now; `file` is the PDF
    // it went to, if any. False, saying why, when the client is no longer in
    // the book.
    bool recordReport(qint64 id, core::ReportKind kind, QString* error = nullptr,
                      const QString& file = {});
    // The same after a run of reports for several clients, all in one
    // transaction, and changed() follows once, not once per client. Clients
    // no longer in the book are passed over.
    bool recordReports(const std::vector<qint64>& ids, core::ReportKind kind,
                       QString* error = nullptr, const QString& file = {});
    // After a comparison for these people: each one who is in the book (the
    // same names and date of birth) gets the page's report language on their
    // card and the comparison, of `kind`, in their history, all in one
    // transaction; `recorded` learns how many. People who are not in the book
    // stay out of it: a comparison names a partner or a child, not a client.
    bool recordComparison(const std::vector<core::Person>& people, core::ReportKind kind,
                          QString* error = nullptr, const QString& file = {},
                          int* recorded = nullptr);
    // The reports made for a client, newest first.
    bool reports(qint64 id, std::vector<ReportRecord>& out, QString* error = nullptr);

    // The whole book as comma-separated text with a header row, written whole
    // or not at all: on failure an existing file stays as it was and `error`
    // gives the reason. A new file is readable by its owner only.
    bool exportCsv(const QString& file, QString* error = nullptr,
                   CsvFormat format = CsvFormat::Plain);
    // Clients from a comma-separated file (see ClientListReader), in one
    // transaction. The file is read piece by piece; `progress` learns how
    // many of its bytes are read and stops the import, storing nothing, by
    // returning false.
    ImportReport importCsv(const QString& file,
                           const std::function<bool(qint64 done, qint64 total)>& progress = {});

    // The journal of sessions and the life events as a file of their own
    // (header «Фамилия,Имя,Отчество,День,Месяц,Год,Вид,Дата,Текст»; Вид is
    // «сеанс» with Дата ДД.ММ.ГГГГ or «событие» with ММ.ГГГГ or ГГГГ), written
    // whole or not at all; and read back into the clients of the same names
    // and date of birth, in one transaction. Rows of a client the book does
    // not hold, or that break the card's rules, are listed and not stored; an
    // entry the client has already is counted in alreadyThere.
    bool exportJournalCsv(const QString& file, QString* error = nullptr);
    ImportReport importJournalCsv(const QString& file);

    // A copy of the whole book (clients, notes, history) in `file`, made by
    // SQLite's own backup: written whole or not at all, readable by the user
    // alone, never through a symbolic link nor over the book itself. False,
    // saying why, otherwise; the book is not changed by it.
    bool backup(const QString& file, QString* error = nullptr);

    struct RestoreReport {
        bool done = false;
        bool cancelled = false;  // stopped at the user's word while the copy was read
        QString error;           // why nothing was changed
        int clients = 0;         // in the book brought back
        QString keptAs;          // where the book as it was is kept
        // The copy's rows that break the book's rules, «who — why», set aside
        // in the bin: the first thousand, and how many there are in all.
        QStringList setAside;
        int setAsideCount = 0;
    };
    // The largest copy a restore reads.
    static constexpr qint64 kLargestCopy = qint64(1) << 30;
    // Brings the book back from a copy: a whole book of ours (its mark, its
    // tables, the full integrity check) of a version this program reads,
    // brought up to date as an older book would be, every row held to the
    // book's rules (ruleBreak(): a row that breaks them is set aside in the
    // bin with its reason, and every search key is made afresh from the
    // names). The copy is read through SQLite's backup, a copy left in WAL
    // mode with its -wal, at most kLargestCopy bytes, in a thread of its own
    // into a staging file beside the book that goes on every way out (and,
    // left by a program killed, at the next opening); `progress` hears how
    // far it is and stops it by returning false. Only then, under SQLite's
    // exclusive lock on the book, which it gives only while no other
    // connection has the book open, is the book as it was kept beside it
    // under a name no file has and the copy written in; a copy that will not
    // do, or a book another program holds, changes nothing and leaves nothing.
    RestoreReport restore(const QString& file,
                          const std::function<bool(qint64 done, qint64 total)>& progress = {});
    // A smaller largest copy, for tests.
    void setRestoreLimit(qint64 bytes) { restoreLimit_ = bytes; }

    // For the reminder to keep a copy: the last one (null: none yet) and
    // whether a copy is due: the last one is more than thirty days old and
    // the book changed since, or there is none and the first client came
    // more than thirty days ago.
    struct BackupState {
        QDateTime lastCopy;
        qint64 daysSinceCopy = 0;
        bool due = false;
    };
    BackupState backupState();

    // The clock for "added" and "last printed"; the system's by default.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // How long a change waits for another program that holds the file.
    void setBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    // The Qt SQL connection, for tests that need to reach the file itself.
    QString connectionName() const { return connection_; }

signals:
    // Something in the book changed (from any command of this program). It
    // follows every change stored, recordPrinted's included: whoever shows
    // the book reloads on this signal alone, not again after a call.
    void changed();
    // A «Связался» mark was set or taken away (setContacted).
    void contactedChanged(qint64 id, int year);

private:
    // Opens and checks the file; the reason when it cannot be used.
    QString openFile();
    QString openConnection();
    QString damagedText() const;
    void startCheck();
    // Waits for the integrity check, if one runs, and acts on its verdict.
    bool takeVerdict(QString* error);
    bool fail(QString* error, const QString& text);
    // Several clients' reports noted at one moment, in one transaction:
    // `work` returns SQLite's fault, none when all went in.
    bool writeHistory(QString* error,
                      const std::function<QSqlError(const QSqlDatabase&, const QString&)>& work);
    // recordPrinted's work; `withLanguage` gives a client already in the book
    // the person's report language.
    bool notePrinted(const core::Person& person, bool withLanguage, QString* error, qint64* id,
                     core::ReportKind kind, const QString& file);
    // The rows of an import, in one transaction; the reason, without the
    // file's name, when nothing is stored.
    ImportReport storeRows(ClientListReader& reader, qint64 total,
                           const std::function<bool(qint64, qint64)>& progress);
    QDateTime moment() const;
    QString now() const;
    // Now, to the millisecond: a deletion's mark in the bin.
    QString binMoment() const;
    // Removes for good what was deleted more than kBinDays ago.
    void emptyBin();
    // The moment kBinDays ago, in the bin's form.
    QString binCutoff() const;
    // The clients of `ids` in the bin, with the reason each was set aside.
    QString binRows(const std::vector<qint64>& ids, std::vector<BinEntry>& out);
    // Writes the client's row (and, when given, their journal and events) in
    // the caller's transaction; the reason when it cannot.
    bool update(const Client& client, const ClientRecords& records, QString* error,
                bool withRecords);
    QString storeCard(const Client& stored, const ClientRecords* records, bool* gone);
    // For a file known whole: its journal in WAL mode, the program's mark in its header.
    void trustFile();
    void close();
    // The backup's copy itself, without noting it as the user's last one.
    bool writeCopy(const QString& file, QString* error);
    QDateTime lastChange() const;

    QString path_;
    QString connection_;
    bool open_ = false;
    QString openError_;
    int busyTimeoutMs_ = 2000;
    std::function<QDateTime()> clock_;
    std::unique_ptr<detail::IntegrityCheck> check_;  // while the full check runs
    bool suspect_ = false;    // a check failed: the next opening checks first
    bool restoring_ = false;  // a restore has the file: nothing opens it meanwhile
    qint64 restoreLimit_ = kLargestCopy;
    QString identity_;  // the file as this program opened it (detail::fileIdentity)
};

}  // namespace book
