// zemtar-forecast: the forecast for scripts and batch users. It drives the real
// main window without showing it and reports what the window then shows.

#include <QApplication>
#include <QImage>
#include <QJsonDocument>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/services.h"
#include "print/print_job.h"
#include "ui/frm_main.h"
#include "ui/readback.h"

namespace {

constexpr int kExitForecast = 0;
constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;
// Qt maps PNG "quality" 80 to zlib compression level 1.
constexpr int kPngFastQuality = 80;

const char* const kUsage =
    "Использование: zemtar-forecast [--json] [--png ФАЙЛ] [--pdf ФАЙЛ [--surname ФАМИЛИЯ]\n"
    "                               [--name ИМЯ] [--patronymic ОТЧЕСТВО]] ДЕНЬ МЕСЯЦ ГОД\n"
    "  ДЕНЬ   число от 1 до 31\n"
    "  МЕСЯЦ  номер от 1 до 12 или название, как в списке (Январь ... Декабрь)\n"
    "  ГОД    текст года, как его вводят в поле (не больше 4 символов)\n"
    "  --json        вывести прогноз одним объектом JSON\n"
    "  --png ФАЙЛ    сохранить изображение окна после расчёта\n"
    "  --pdf ФАЙЛ    напечатать отчёт для клиента в файл PDF\n"
    "  --surname, --name, --patronymic   фамилия, имя и отчество клиента для отчёта\n"
    "Код возврата: 0 — прогноз готов, 2 — окно не приняло данные (текст сообщения\n"
    "в потоке ошибок), 1 — ошибка в параметрах или файл не записан.\n";

struct Options {
    bool json = false;
    QString png;
    QString pdf;
    QString surname;
    QString name;
    QString patronymic;
    QStringList positional;
};

void printErr(const QString& text) {
    QTextStream err(stderr);
    err << text;
}

int usage(const QString& problem) {
    printErr(problem + u'\n' + QString::fromUtf8(kUsage));
    return kExitUsage;
}

std::optional<Options> parse(const QStringList& args, QString& problem) {
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (QString* value = a == QLatin1String("--png")          ? &o.png
                                    : a == QLatin1String("--pdf")        ? &o.pdf
                                    : a == QLatin1String("--surname")    ? &o.surname
                                    : a == QLatin1String("--name")       ? &o.name
                                    : a == QLatin1String("--patronymic") ? &o.patronymic
                                                                         : nullptr) {
            if (++i >= args.size()) {
                problem = QStringLiteral("После %1 нужно значение.").arg(a);
                return std::nullopt;
            }
            *value = args[i];
        } else if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
            problem = QStringLiteral("Неизвестный параметр: %1").arg(a);
            return std::nullopt;
        } else {
            o.positional << a;
        }
    }
    if (o.positional.size() != 3) {
        problem = QStringLiteral("Нужны три значения: день, месяц и год.");
        return std::nullopt;
    }
    return o;
}

int dayIndex(const QString& text) {
    bool ok = false;
    const int day = text.toInt(&ok);
    return ok && day >= 1 && day <= 31 ? day - 1 : -1;
}

int monthIndex(const QString& text, const QComboBox& months) {
    bool ok = false;
    const int m = text.toInt(&ok);
    if (ok) {
        return m >= 1 && m <= 12 ? m - 1 : -1;
    }
    for (int i = 0; i < months.count(); ++i) {
        if (months.itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

// Ends the program once everything is written. Taking the window and Qt apart
// again would cost about as long as the calculation and drawing together, and
// the system frees the memory at once. Sanitizer builds take everything apart,
// so that the leak check sees the whole program.
int finish(int status) {
#if defined(__SANITIZE_ADDRESS__)
    return status;
#else
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    // The window is never shown; without a chosen platform it renders offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The platform plugin is loaded by now. Everything else this program needs
    // is built into Qt (the PNG writer, the PDF writer) or drawn in code, so no
    // further plugins: Qt would otherwise load every image-format plugin to
    // look for a PNG writer of its own.
    QCoreApplication::setLibraryPaths({});

    QString problem;
    const std::optional<Options> options = parse(QApplication::arguments(), problem);
    if (!options) {
        return usage(problem);
    }

    platform::RecordingServices services;
    ui::FrmMain window(services);

    const int day = dayIndex(options->positional[0]);
    const int month = monthIndex(options->positional[1], *window.CboMonth);
    const QString year = options->positional[2];
    if (day < 0) {
        return usage(QStringLiteral("День должен быть числом от 1 до 31."));
    }
    if (month < 0) {
        return usage(QStringLiteral("Месяц должен быть числом от 1 до 12 или названием месяца."));
    }
    if (year.size() > 4) {
        return usage(QStringLiteral("В поле года помещается не больше 4 символов."));
    }

    window.CboDay->setCurrentIndex(day);
    window.CboMonth->setCurrentIndex(month);
    window.TxtYear->setText(year);
    window.CmdPusk->click();

    if (!services.messages.empty()) {
        printErr(services.messages.back().text + u'\n');
        return kExitRefused;
    }

    const ui::Readback result = ui::readBack(window);
    QTextStream out(stdout);
    if (options->json) {
        out << QJsonDocument(ui::toJson(result)).toJson(QJsonDocument::Compact) << '\n';
    } else {
        out << ui::toText(result);
    }
    out.flush();

    if (!options->pdf.isEmpty()) {
        try {
            if (!print::printReportToPdf(window, options->pdf, options->surname, options->name,
                                         options->patronymic)) {
                printErr(QStringLiteral("Не удалось записать файл %1\n").arg(options->pdf));
                return kExitUsage;
            }
        } catch (const core::InputRefused&) {
            printErr(services.messages.back().text + u'\n');
            return kExitRefused;
        } catch (const core::RuntimeError& e) {
            printErr(e.stoppedMessage() + u'\n');
            return kExitRefused;
        }
    }

    if (!options->png.isEmpty()) {
        window.ensurePolished();
        window.adjustSize();
        const QImage image = window.grab().toImage();
        // zlib's fastest level: a file about a tenth larger, written in a
        // fraction of the time the default level takes.
        if (!image.save(options->png, "PNG", kPngFastQuality)) {
            printErr(QStringLiteral("Не удалось записать файл %1\n").arg(options->png));
            return kExitUsage;
        }
    }
    return finish(kExitForecast);
}
