// The turning list of the book: which clients turn in a year, and the list
// as a spreadsheet file.

#include "book/turning_list.h"

#include <QCoreApplication>
#include <QIODevice>
#include <algorithm>
#include <thread>

#include "book/client_list_reader.h"
#include "book/csv.h"
#include "core/report_language.h"
#include "platform/safe_file.h"

namespace book {

namespace {

using Column = ClientListReader::Column;

QStringList header(CsvFormat format) {
    QStringList names{ClientListReader::title(Column::Surname),
                      ClientListReader::title(Column::Name),
                      ClientListReader::title(Column::Patronymic)};
    if (format == CsvFormat::Excel) {
        names << ClientListReader::title(Column::BirthDate);
    } else {
        names << ClientListReader::title(Column::Day) << ClientListReader::title(Column::Month)
              << ClientListReader::title(Column::Year);
    }
    return names << QCoreApplication::translate("TurningList", "Уровень")
                 << QCoreApplication::translate("TurningList", "Поворот")
                 << ClientListReader::title(Column::Phone) << ClientListReader::title(Column::Email)
                 << QCoreApplication::translate("TurningList", "Связался");
}

QString rowOf(const TurningEntry& e, CsvFormat format, core::ReportLanguage words) {
    const Client& c = e.client;
    QStringList fields{c.names.surname, c.names.name, c.names.patronymic};
    if (format == CsvFormat::Excel) {
        // A short year is marked as typed, as the book's export marks it.
        fields << (isShortYear(c.birthDate.year) ? u'\'' + birthDateText(c) : birthDateText(c));
    } else {
        fields << QString::number(c.birthDate.day)
               << QString::number(storedMonth(c.birthDate.monthIndex)) << c.birthDate.year;
    }
    const QString contacted =
        e.contacted.isNull()
            ? QString()
            : e.contacted.toString(format == CsvFormat::Excel ? QStringLiteral("dd.MM.yyyy")
                                                              : QStringLiteral("yyyy-MM-dd"));
    fields << QString::number(e.turning.level) << core::turnWord(e.turning.turn, words) << c.phone
           << c.email << contacted;
    return csv::row(fields, format == CsvFormat::Excel ? u';' : u',');
}

// Each client's turn in `year`, from their forecast. The forecasts of a large
// book are made on every processor at once, each thread a run of its own
// clients: the calculation is pure and shares nothing.
std::vector<std::optional<core::TurningYear>> turnsOf(const std::vector<Client>& clients,
                                                      long long year, int leastChange) {
    std::vector<std::optional<core::TurningYear>> turns(clients.size());
    const auto work = [&](size_t from, size_t to) {
        for (size_t k = from; k < to; ++k) {
            const core::Calculation calculated = core::calculate(clients[k].birthDate);
            // A date no calendar has, from an older book, has no forecast:
            // such a client is shown in the book alone.
            if (const auto* forecast = std::get_if<core::Forecast>(&calculated)) {
                turns[k] = core::turningYear(*forecast, year, leastChange);
            }
        }
    };
    constexpr size_t kLeastPerThread = 5000;
    const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()),
                                            clients.size() / kLeastPerThread + 1);
    std::vector<std::thread> running;
    const size_t step = clients.size() / threads + 1;
    for (size_t from = step; from < clients.size(); from += step) {
        running.emplace_back(work, from, std::min(from + step, clients.size()));
    }
    work(0, std::min(step, clients.size()));
    for (std::thread& t : running) {
        t.join();
    }
    return turns;
}

}  // namespace

TurningList turningListOf(std::vector<Client> clients, const SearchKeys& keys,
                          const QHash<qint64, QDate>& marks, long long year, int leastChange) {
    TurningList list;
    list.year = year;
    list.leastChange = leastChange;
    const std::vector<std::optional<core::TurningYear>> turns = turnsOf(clients, year, leastChange);
    list.entries.reserve(size_t(
        std::count_if(turns.begin(), turns.end(), [](const auto& t) { return t.has_value(); })));
    for (size_t k = 0; k < clients.size(); ++k) {
        if (!turns[k]) {
            continue;
        }
        const QDate contacted = marks.value(clients[k].id);
        list.entries.push_back({std::move(clients[k]), *turns[k], contacted});
        if (k < keys.size()) {
            list.keys.append(keys[k]);
        } else {
            list.keys.append(searchKey(list.entries.back().client));
        }
    }
    return list;
}

bool turningList(ClientBook& book, long long year, int leastChange, TurningList& out,
                 QString* error) {
    std::vector<Client> clients;
    SearchKeys keys;
    QHash<qint64, QDate> marks;
    if (!book.clients(clients, error, &keys) || !book.contacted(int(year), marks, error)) {
        return false;
    }
    out = turningListOf(std::move(clients), keys, marks, year, leastChange);
    return true;
}

bool exportTurningCsv(const QString& file, const std::vector<const TurningEntry*>& rows,
                      CsvFormat format, QString* error) {
    const core::ReportLanguage words = core::catalogueLanguage();
    QString text = csv::row(header(format), format == CsvFormat::Excel ? u';' : u',');
    if (format == CsvFormat::Excel) {
        text.prepend(QChar(0xFEFF));
    }
    for (const TurningEntry* e : rows) {
        text += rowOf(*e, format, words);
    }
    const QByteArray bytes = text.toUtf8();
    const QString problem = platform::writeFileAtomically(
        file, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); });
    if (!problem.isEmpty()) {
        if (error) {
            *error = problem +
                     QCoreApplication::translate(
                         "BookCsv", ". Прежний файл с этим именем, если он был, остался как был.");
        }
        return false;
    }
    return true;
}

}  // namespace book
