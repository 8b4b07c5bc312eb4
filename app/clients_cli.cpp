#include "clients_cli.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "book/client_list_reader.h"
#include "platform/safe_file.h"
#include "print/letterhead.h"
#include "print/many_reports.h"

namespace app {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;

const char* const kUsage =
    "Использование: zemtar-forecast --pdf ФАЙЛ --clients СПИСОК [--practitioner ИМЯ]\n"
    "                               [--contact СТРОКА]... [--logo ФАЙЛ]\n"
    "  Отчёты для всех клиентов списка в одном файле PDF, по странице на строку,\n"
    "  в порядке файла. СПИСОК — файл CSV, как его сохраняет картотека или\n"
    "  таблица (первая строка называет столбцы); - читает стандартный ввод.\n"
    "  Строка без прогноза пропускается с сообщением о её номере, код возврата 2.\n";

struct Request {
    QString pdf;
    QString clients;
    bool pdfGiven = false;
    bool clientsGiven = false;
    print::LetterheadSettings letterhead;
    bool help = false;
};

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int usage(const QString& problem) {
    write(stderr, problem + u'\n' + QString::fromUtf8(kUsage));
    return kExitUsage;
}

// Why an argument that takes no value cannot stand beside --clients.
QString notWithClients(const QString& option, const QString& a) {
    if (QStringList{"--surname", "--name", "--patronymic"}.contains(option)) {
        return QStringLiteral("С --clients имена берутся из списка: %1 не нужен.").arg(option);
    }
    if (!a.startsWith(u'-') || (a.size() > 1 && a.at(1).isDigit())) {
        return QStringLiteral(
            "С --clients даты берутся из списка: дата в командной строке не "
            "нужна.");
    }
    return QStringLiteral("С --clients нельзя указать %1.").arg(a);
}

// Reads the command line; an empty string on success, else what is wrong.
QString parse(const QStringList& args, Request& r) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        QString option = a;
        QString value;
        bool inlineValue = false;
        if (a.startsWith(QLatin1String("--")) && a.contains(u'=')) {
            option = a.left(a.indexOf(u'='));
            value = a.mid(a.indexOf(u'=') + 1);
            inlineValue = true;
        }
        if (option == QLatin1String("-h") || option == QLatin1String("--help")) {
            r.help = true;
            return {};
        }
        const bool takesValue =
            QStringList{"--pdf", "--clients", "--practitioner", "--contact", "--logo"}.contains(
                option);
        if (!takesValue) {
            return notWithClients(option, a);
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                return QStringLiteral("После %1 нужно значение.").arg(option);
            }
            value = args[++i];
        }
        if (option == QLatin1String("--pdf")) {
            r.pdf = value;
            r.pdfGiven = true;
        } else if (option == QLatin1String("--clients")) {
            r.clients = value;
            r.clientsGiven = true;
        } else if (option == QLatin1String("--practitioner")) {
            r.letterhead.name = value;
            r.letterhead.enabled = true;
        } else if (option == QLatin1String("--contact")) {
            r.letterhead.contacts << value;
            r.letterhead.enabled = true;
        } else {
            r.letterhead.logoFile = value;
            r.letterhead.enabled = true;
        }
    }
    if (!r.pdfGiven || r.pdf.isEmpty()) {
        return QStringLiteral("С --clients нужен --pdf ФАЙЛ: куда записать отчёты.");
    }
    if (r.clients.isEmpty()) {
        return QStringLiteral("Имя файла после --clients не может быть пустым.");
    }
    return print::letterheadTextProblem(r.letterhead.name, r.letterhead.contacts);
}

}  // namespace

bool asksForClients(const QStringList& args) {
    for (const QString& a : args) {
        if (a == QLatin1String("--clients") || a.startsWith(QLatin1String("--clients="))) {
            return true;
        }
    }
    return false;
}

namespace {

// Opens the list: standard input for «-», else the file. The reason in
// Russian when it cannot be read, else empty.
QString openList(const QString& path, QFile& in) {
    const QFileInfo info(path);
    if (path == QLatin1String("-")) {
        return in.open(stdin, QIODevice::ReadOnly) ? QString()
                                                   : QStringLiteral("стандартный ввод закрыт");
    }
    if (!info.exists()) {
        return QStringLiteral("файла нет");
    }
    if (info.isDir()) {
        return QStringLiteral("это папка, а не файл");
    }
    in.setFileName(path);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly)) {
        return errno != 0 ? platform::systemReason(errno) : in.errorString();
    }
    return {};
}

// The pages of the list's rows in file order. A row without a forecast is
// told on standard error by its line and passed over; a list that cannot be
// read to its end stops the run, so that it is not printed in part.
struct RowPages {
    book::ClientListReader& reader;
    const QString& listName;
    int status = kExitDone;
    QString readError;

    print::NextPage operator()(print::ReportPage& page) {
        book::ListRow row;
        while (reader.next(row)) {
            QString reason = row.problem;
            std::optional<core::Forecast> forecast;
            if (reason.isEmpty()) {
                forecast = print::forecastFor(row.client.day, row.client.month, row.client.yearText,
                                              &reason);
            }
            if (!forecast) {
                write(stderr, QStringLiteral("Строка %1 %2 пропущена: %3\n")
                                  .arg(row.line)
                                  .arg(listName, reason));
                status = kExitRefused;
                continue;
            }
            page.forecast = std::move(*forecast);
            page.client = {row.client.surname, row.client.name, row.client.patronymic};
            return print::NextPage::Page;
        }
        readError = reader.error();
        return readError.isEmpty() ? print::NextPage::End : print::NextPage::Stop;
    }
};

// Qt's drawing for the page, offscreen unless a platform is chosen.
std::unique_ptr<QGuiApplication> startQt() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int qtArgc = 1;
    static char name[] = "zemtar-forecast";
    static char* qtArgv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(qtArgc, qtArgv);
}

}  // namespace

int runClients(const QStringList& args, const WriteFile& writeFile) {
    Request r;
    if (const QString problem = parse(args, r); !problem.isEmpty()) {
        return usage(problem);
    }
    if (r.help) {
        write(stdout, QString::fromUtf8(kUsage));
        return kExitDone;
    }
    const bool fromStdin = r.clients == QLatin1String("-");
    // «строка 3 файла «клиенты.csv»», «строка 3 стандартного ввода»
    const QString listName = fromStdin ? QStringLiteral("стандартного ввода")
                                       : QStringLiteral("файла «%1»").arg(r.clients);
    QFile in;
    if (const QString problem = openList(r.clients, in); !problem.isEmpty()) {
        write(stderr, QStringLiteral("Не удалось прочитать список клиентов из %1: %2. Отчёты не "
                                     "записаны.\n")
                          .arg(listName, problem));
        return kExitUsage;
    }
    book::ClientListReader reader(in);
    if (!reader.start()) {
        write(stderr, QStringLiteral("%1 — не список клиентов: %2. Отчёты не записаны.\n")
                          .arg(fromStdin ? QStringLiteral("Стандартный ввод")
                                         : QStringLiteral("Файл «%1»").arg(r.clients),
                               reader.error()));
        return kExitUsage;
    }

    const auto application = startQt();
    QString logoProblem;
    const auto letterhead = print::letterheadForPage(r.letterhead, &logoProblem);
    // The logo is read; the rest is built into Qt, so no plugins from here on.
    QCoreApplication::setLibraryPaths({});

    RowPages rows{reader, listName, kExitDone, {}};
    print::ManyResult result;
    const QString error = writeFile(r.pdf, [&](const QString& path) {
        result =
            print::writeReportsPdf(path, std::ref(rows), QDateTime::currentDateTime(), letterhead);
        return result.error;
    });
    if (!rows.readError.isEmpty()) {
        write(stderr, QStringLiteral("Не удалось дочитать список клиентов из %1: %2. Файл «%3» "
                                     "не записан.\n")
                          .arg(listName, rows.readError, r.pdf));
        return kExitUsage;
    }
    if (!error.isEmpty()) {
        write(stderr, error + u'\n');
        return result.pages == 0 && rows.status == kExitRefused ? kExitRefused : kExitUsage;
    }
    if (!logoProblem.isEmpty()) {
        write(stderr, logoProblem + QStringLiteral(" Отчёты записаны без логотипа.\n"));
        return kExitRefused;
    }
    return rows.status;
}

}  // namespace app
