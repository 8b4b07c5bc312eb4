#include "app/clients_cli.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <cstdio>

#include "app/client_list_input.h"
#include "book/client_list_reader.h"
#include "platform/file_names.h"
#include "platform/terminal_text.h"
#include "print/booklet_pages.h"
#include "print/many_reports.h"

namespace companion {

namespace {

void tell(const QString& text) {
    const QByteArray bytes = platform::terminalText(text);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// The pages of the list's rows in file order. A row without a forecast is
// told on standard error by its line and passed over; a list that cannot be
// read to its end stops the run, so that it is not printed in part.
struct RowPages {
    book::ClientListReader& reader;
    const QString& listName;
    // --lang for every page; without it each client's own language.
    std::optional<core::ReportLanguage> language;
    bool leftOut = false;
    QString readError;

    print::NextPage operator()(print::ReportPage& page) {
        book::ListRow row;
        while (reader.next(row)) {
            QString reason = row.problem;
            std::optional<core::Forecast> forecast;
            if (reason.isEmpty()) {
                forecast = print::forecastFor(row.client.birthDate, &reason);
            }
            if (!forecast) {
                tell(QCoreApplication::translate("ClientsCli", "Строка %1 %2 пропущена: %3\n")
                         .arg(QString::number(row.line), listName, reason));
                leftOut = true;
                continue;
            }
            page.forecast = std::move(*forecast);
            page.person = row.client.person();
            page.person.language = language.value_or(row.client.language());
            return print::NextPage::Page;
        }
        readError = reader.error();
        return readError.isEmpty() ? print::NextPage::End : print::NextPage::Stop;
    }
};

// A booklet for each row in place of its one report page.
QString writeBooklets(RowPages& rows, const DrawRequest& request, const QString& path,
                      const std::optional<print::Letterhead>& letterhead,
                      print::ManyResult& result) {
    result = print::writeBookletsPdf(
        print::bookletsOf(
            std::ref(rows),
            [&](core::ReportLanguage language) {
                // A practitioner's file of texts has one language; the program's
                // own texts follow each client's.
                if (request.options->textsGiven || request.options->languageGiven) {
                    return *request.texts;
                }
                return core::TextLibrary(core::TextSet(core::languageCode(language)));
            },
            bookletChoice(*request.options)),
        path, QDateTime::currentDateTime(), letterhead);
    return result.error;
}

}  // namespace

Problem printClientList(const DrawRequest& request,
                        const std::optional<print::Letterhead>& letterhead,
                        const QString& logoProblem) {
    const Options& o = *request.options;
    const bool fromStdin = o.clients == QLatin1String("-");
    // «строка 3 файла «клиенты.csv»», «строка 3 стандартного ввода»
    const QString listName = listNameOf(o);
    QFile in;
    const QByteArray rawList = platform::argumentBytes(o.clients, request.argc, request.argv);
    if (const QString problem = openClientList(o, rawList, in); !problem.isEmpty()) {
        return {kExitUsage,
                QCoreApplication::translate("ClientsCli",
                                            "Не удалось прочитать список клиентов из %1: %2. "
                                            "Отчёты не записаны.")
                    .arg(listName, problem)};
    }
    // A page prints the names and the date: a note is never a reason to leave one out.
    InputStream stream(in);
    book::ClientListReader reader(fromStdin ? static_cast<QIODevice&>(stream) : in,
                                  book::ClientListReader::Fields::Printed);
    if (!reader.start()) {
        return {
            kExitUsage,
            QCoreApplication::translate("ClientsCli",
                                        "%1 — не список клиентов: %2. Отчёты не записаны.")
                .arg(fromStdin
                         ? QCoreApplication::translate("ClientsCli", "Стандартный ввод")
                         : QCoreApplication::translate("ClientsCli", "Файл «%1»").arg(o.clients),
                     reader.error())};
    }
    RowPages rows{
        reader, listName, o.languageGiven ? std::optional(o.language) : std::nullopt, false, {}};
    print::ManyResult result;
    const QString error = platform::writeUnderName(
        o.pdf, platform::argumentBytes(o.pdf, request.argc, request.argv),
        [&](const QString& path) {
            if (request.texts) {
                return writeBooklets(rows, request, path, letterhead, result);
            }
            result = print::writeReportsPdf(path, std::ref(rows), QDateTime::currentDateTime(),
                                            letterhead);
            return result.error;
        });
    if (!rows.readError.isEmpty()) {
        return {kExitUsage,
                QCoreApplication::translate("ClientsCli",
                                            "Не удалось дочитать список клиентов из %1: %2. Файл "
                                            "«%3» не записан.")
                    .arg(listName, rows.readError, o.pdf)};
    }
    if (!error.isEmpty()) {
        // Every row left out is the list's fault, not the file's.
        return {result.pages == 0 && rows.leftOut ? kExitRefused : kExitUsage, error};
    }
    if (!logoProblem.isEmpty()) {
        return {kExitRefused, logoProblem + QCoreApplication::translate(
                                                "ClientsCli", " Отчёты записаны без логотипа.")};
    }
    return {rows.leftOut ? kExitRefused : kExitForecast, QString()};
}

}  // namespace companion
