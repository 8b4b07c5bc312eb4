// The book to and from comma-separated files.

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <cstdlib>

#include "book/book_private.h"
#include "book/client_book.h"
#include "book/client_list_reader.h"
#include "book/csv.h"
#include "platform/safe_file.h"

namespace book {

using detail::quoted;

namespace {

// The largest file an import reads.
constexpr qint64 kImportLimit = ClientListReader::kLargestList;
// Bad rows listed one by one; the rest are counted in one last entry.
constexpr size_t kBadRowsListed = 1000;
// Rows written to the file at a time.
constexpr size_t kRowsPerWrite = 1000;

using Column = ClientListReader::Column;

QStringList header(CsvFormat format) {
    const std::vector<Column> columns =
        format == CsvFormat::Excel
            ? std::vector<Column>{Column::Surname,   Column::Name,   Column::Patronymic,
                                  Column::BirthDate, Column::Phone,  Column::Email,
                                  Column::Note,      Column::Added,  Column::Printed,
                                  Column::Language,  Column::Gender, Column::Address}
            : std::vector<Column>{Column::Surname, Column::Name,    Column::Patronymic,
                                  Column::Day,     Column::Month,   Column::Year,
                                  Column::Phone,   Column::Email,   Column::Note,
                                  Column::Added,   Column::Printed, Column::Language,
                                  Column::Gender,  Column::Address};
    QStringList names;
    for (const Column c : columns) {
        names << ClientListReader::title(c);
    }
    return names;
}

// A stored moment as a spreadsheet in the user's country shows one, with
// the local time's distance from UTC after it: in the hour the clocks go
// back every local time comes twice, and only the distance tells which.
QString localMoment(const QString& stored) {
    const QDateTime moment = QDateTime::fromString(stored, Qt::ISODate);
    if (!moment.isValid()) {
        return stored;
    }
    const QDateTime local = moment.toLocalTime();
    const int offset = local.offsetFromUtc();
    if (offset % 60 != 0) {
        return stored;  // a zone's old mean time, seconds and all: UTC says it exactly
    }
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss ")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The date as a spreadsheet shows it; a year of one or two digits is marked
// as typed (isShortYear), so that reading it back never takes it for a short date.
QString exportedDate(const Client& c) {
    return isShortYear(c.birthDate.year) ? u'\'' + birthDateText(c) : birthDateText(c);
}

QString rowOf(const Client& c, CsvFormat format) {
    const core::ClientNames& n = c.names;
    if (format == CsvFormat::Excel) {
        return csv::row({n.surname, n.name, n.patronymic, exportedDate(c), c.phone, c.email, c.note,
                         localMoment(c.added), localMoment(c.lastPrinted), c.languageCode,
                         genderCode(c.gender), c.address},
                        u';');
    }
    const core::BirthDate& d = c.birthDate;
    return csv::row({n.surname, n.name, n.patronymic, QString::number(d.day),
                     QString::number(storedMonth(d.monthIndex)), d.year, c.phone, c.email, c.note,
                     c.added, c.lastPrinted, c.languageCode, genderCode(c.gender), c.address});
}

// Every byte, or false. A write cut short (a full disk) is tried again for the
// rest, so that the device reports the system's reason for the failure.
bool writeAll(QIODevice& out, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

bool writeRows(QIODevice& out, const std::vector<Client>& all, CsvFormat format) {
    QString text = format == CsvFormat::Excel
                       ? QStringLiteral("\uFEFF") + csv::row(header(format), u';')
                       : csv::row(header(format));
    for (size_t k = 0; k < all.size(); ++k) {
        text += rowOf(all[k], format);
        if ((k + 1) % kRowsPerWrite == 0 || k + 1 == all.size()) {
            if (!writeAll(out, text.toUtf8())) {
                return false;
            }
            text.clear();
        }
    }
    return text.isEmpty() || writeAll(out, text.toUtf8());
}

// Bad rows past the first thousand are counted, and listed as one entry at
// the line of the first of them.
struct Unlisted {
    int firstLine = 0;
    int count = 0;
};

void noteBadRow(ImportReport& report, const ListRow& row, Unlisted& unlisted) {
    if (report.badRows.size() < kBadRowsListed) {
        report.badRows.emplace_back(row.line, row.problem);
    } else if (unlisted.count++ == 0) {
        unlisted.firstLine = row.line;
    }
}

}  // namespace

bool ClientBook::exportCsv(const QString& file, QString* error, CsvFormat format) {
    std::vector<Client> all;
    if (!clients(all, error)) {
        return false;
    }
    const QString problem = platform::writeFileAtomically(
        file, [&](QIODevice& out) { return writeRows(out, all, format); });
    if (!problem.isEmpty()) {
        return fail(error, problem + QCoreApplication::translate(
                                         "BookCsv",
                                         ". Прежний файл с этим именем, если он был, "
                                         "остался как был."));
    }
    return true;
}

namespace {

ImportReport refused(const QString& file, const QString& why) {
    ImportReport report;
    report.error = QCoreApplication::translate("BookCsv", "Клиенты из файла %1 не загружены: %2.")
                       .arg(quoted(file), why);
    return report;
}

// Why `file` cannot be imported at all; empty when `in` is open on it.
QString unreadable(const QString& file, QFile& in) {
    if (!QFileInfo(file).isFile()) {
        return QCoreApplication::translate("BookCsv", "такого файла нет или это не обычный файл");
    }
    if (!in.open(QIODevice::ReadOnly)) {
        return QCoreApplication::translate("BookCsv", "файл не удаётся открыть для чтения");
    }
    if (in.size() > kImportLimit) {
        return QCoreApplication::translate("BookCsv",
                                           "файл больше 50 МБ; разделите список на части");
    }
    return {};
}

}  // namespace

ImportReport ClientBook::importCsv(const QString& file,
                                   const std::function<bool(qint64, qint64)>& progress) {
    QFile in(file);
    if (const QString why = unreadable(file, in); !why.isEmpty()) {
        return refused(file, why);
    }
    ClientListReader reader(in);
    if (!reader.start()) {
        return refused(file, reader.error());
    }
    ImportReport report;
    if (!waitForCheck(&report.error)) {
        return report;
    }
    report = storeRows(reader, in.size(), progress);
    if (!report.done) {
        report.error = refused(file, report.error).error;
    } else if (report.added > 0) {
        emit changed();
    }
    return report;
}

namespace {

// Bad rows past the listed ones become one entry at the first of them.
void noteUnlistedRows(ImportReport& report, const Unlisted& unlisted) {
    if (unlisted.count > 0) {
        report.badRows.emplace_back(
            unlisted.firstLine, QCoreApplication::translate(
                                    "BookCsv", "с этой строки и дальше ещё строк с ошибками: %1")
                                    .arg(unlisted.count));
    }
}

}  // namespace

namespace {

QString unchangedText() {
    return QCoreApplication::translate("BookCsv", "; картотека осталась прежней");
}

}  // namespace

ImportReport ClientBook::storeRows(ClientListReader& reader, qint64 total,
                                   const std::function<bool(qint64, qint64)>& progress) {
    ImportReport report;
    const QString unchanged = unchangedText();
    auto failed = [&](const QString& why) {
        report = ImportReport();
        report.error = why + unchanged;
        return report;
    };
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    // Rows are stored as they are read, all in one transaction: a failure or
    // a cancel anywhere leaves the book as it was.
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(detail::reason(transaction.error()));
    }
    detail::ClientInsert insert(db, detail::ClientInsert::SamePerson::Skipped);
    Unlisted unlisted;
    qint64 reported = -1;
    const QString importedAt = now();  // one moment for the whole list
    ListRow row;
    while (reader.next(row)) {
        if (progress && reader.bytesRead() != reported) {
            reported = reader.bytesRead();
            if (!progress(reported, total)) {
                failed(QCoreApplication::translate("BookCsv", "загрузка отменена"));
                report.cancelled = true;
                return report;
            }
        }
        if (reader.bytesRead() > kImportLimit) {
            return failed(
                QCoreApplication::translate("BookCsv", "файл вырос больше 50 МБ во время чтения"));
        }
        if (!row.problem.isEmpty()) {
            noteBadRow(report, row, unlisted);
            continue;
        }
        if (row.client.added.isEmpty()) {
            row.client.added = importedAt;
        }
        if (!insert.insert(row.client)) {
            return failed(insert.error());
        }
        ++(insert.added() ? report.added : report.alreadyThere);
    }
    if (!reader.error().isEmpty()) {
        return failed(reader.error());
    }
    noteUnlistedRows(report, unlisted);
    if (!transaction.commit()) {
        return failed(detail::reason(transaction.error()));
    }
    report.done = true;
    return report;
}

}  // namespace book
