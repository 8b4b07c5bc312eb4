#include "app/drawing.h"
#include "app/clients_cli.h"
#include "app/png_encoder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <memory>
#include <optional>

#include "platform/file_names.h"
#include "platform/fonts.h"
#include "platform/safe_file.h"
#include "platform/services.h"
#include "platform/translations.h"
#include "print/booklet_pages.h"
#include "print/group_page.h"
#include "print/letterhead.h"
#include "print/messenger_card.h"
#include "print/print_job.h"
#include "ui/main_window/frm_main.h"

namespace {

// The window drawn for a picture asks nothing of the desktop, and nobody is
// there to answer.
class QuietServices : public platform::Services {
public:
    void message(QWidget* /*parent*/, const platform::Message& /*message*/) override {}
    void help(QWidget* /*parent*/, platform::HelpCommand /*command*/, int /*context*/) override {}
    void openAddress(const QString& /*address*/) override {}
};

// Writes `bytes` whole or not at all. A short write (a file size limit
// reached) is tried again, so that the failure itself reaches the file and its
// reason can be told.
QString writeBytes(const QString& path, const QByteArray& bytes) {
    return platform::writeFileAtomically(path, [&bytes](QIODevice& device) {
        for (qint64 done = 0; done < bytes.size();) {
            const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0) {
                return false;
            }
            done += n;
        }
        return !bytes.isEmpty();
    });
}

// Qt is given none of our arguments, so that its own options (-platform,
// -style ...) are never taken from them. The window is never shown; without a
// chosen platform it renders offscreen.
std::unique_ptr<QGuiApplication> startQt(bool widgets, char* program) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    platform::offscreenFontsFromTheSystem();
    static int qtArgc = 1;
    static char* qtArgv[] = {program, nullptr};
    std::unique_ptr<QGuiApplication> app;
    if (widgets) {
        app = std::make_unique<QApplication>(qtArgc, qtArgv);
        QApplication::setStyle(QStringLiteral("Fusion"));
    } else {
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    }
    platform::standInForMissingFaces();
    platform::installCatalogues(platform::interfaceLanguage());
    return app;
}

// The platform plugin is loaded by now. Everything else this program needs
// is built into Qt (the PNG writer, the PDF writer) or drawn in code, so no
// further plugins: Qt would otherwise load every image-format plugin to
// look for a PNG writer of its own. A logo is read before this: JPEG and SVG
// need their plugins.
void closePlugins() {
    QCoreApplication::setLibraryPaths({});
}

// The program ends as soon as the files are written, and the system frees the
// memory at once: taking the window and Qt apart would cost about as long as
// drawing. Sanitizer builds take everything apart, so that the leak check sees
// the whole program.
template <typename T>
void leaveForExit(std::unique_ptr<T>& object) {
#if defined(__SANITIZE_ADDRESS__)
    object.reset();
#else
    (void)object.release();
#endif
}

// The letterhead for the page, its logo read by the name's own bytes (a name
// that is not UTF-8 reaches the program only that way). A logo that cannot be
// read leaves the rest of the letterhead all the same, and tells why.
std::optional<print::Letterhead> letterheadFor(const companion::Options& o, int argc, char* argv[],
                                               QString* logoProblem) {
    std::optional<print::Letterhead> letterhead;
    bool read = false;
    *logoProblem = platform::readUnderName(
        o.logo, platform::argumentBytes(o.logo, argc, argv), [&](const QString& logo) {
            read = true;
            QString problem;
            letterhead = print::letterheadForPage({o.letterhead, o.practitioner, o.contacts, logo},
                                                  &problem);
            return problem;
        });
    if (!read) {
        letterhead =
            print::letterheadForPage({o.letterhead, o.practitioner, o.contacts, {}}, nullptr);
    }
    return letterhead;
}

QImage windowPicture(const core::Forecast& forecast, const companion::Options& o) {
    static QuietServices services;
    auto owned = std::make_unique<ui::FrmMain>(services);
    ui::FrmMain& window = *owned;
    // The picture never depends on the day it is made: this year is the one
    // asked for, or none is marked.
    const int year = o.markYear.value_or(1);
    window.setToday([year] { return QDate(year, 1, 1); });
    window.setMarkThisYear(o.markYear.has_value());
    window.enterDate(forecast.date);
    window.calculate();
    window.ensurePolished();
    window.adjustSize();
    QImage picture = window.grab().toImage();
    leaveForExit(owned);
    return picture;
}

// The card in the program's own words of the person's language, this year
// being --mark-year's or the clock's.
QImage cardPicture(const core::Forecast& forecast, const companion::Options& o,
                   const std::optional<print::Letterhead>& letterhead) {
    const core::TextLibrary texts(core::TextSet(core::languageCode(o.language)));
    const print::MessengerCard card(forecast, companion::personOf(o, forecast.date), texts,
                                    companion::bookletChoice(o).thisYear, letterhead);
    return card.image();
}

QString writeBooklet(core::Booklet booklet, const QString& path,
                     const std::optional<print::Letterhead>& letterhead) {
    print::BookletsComposer pages{print::BookletPages(std::move(booklet))};
    return print::writePdfFile(pages, path,
                               print::quietContext(QDateTime::currentDateTime(), letterhead))
        .error;
}

}  // namespace

extern "C" void zemtarDraw(const companion::DrawRequest* request, companion::Problem* problem) {
    const companion::Options& o = *request->options;
    const core::Forecast& forecast = *request->forecast;
    std::unique_ptr<QGuiApplication> app = startQt(o.pngGiven, request->argv[0]);
    QString logoProblem;
    const std::optional<print::Letterhead> letterhead =
        letterheadFor(o, request->argc, request->argv, &logoProblem);
    closePlugins();
    const auto bytesOf = [request](const QString& text) {
        return platform::argumentBytes(text, request->argc, request->argv);
    };
    QString error;
    if (o.pdfGiven) {
        error = platform::writeUnderName(o.pdf, bytesOf(o.pdf), [&](const QString& path) {
            const core::ClientNames client{o.surname, o.name, o.patronymic};
            if (request->texts) {
                return writeBooklet(
                    core::makeBooklet(forecast, companion::personOf(o, forecast.date),
                                      *request->texts, companion::bookletChoice(o)),
                    path, letterhead);
            }
            return print::printReportToPdf(forecast, path, client, QDateTime::currentDateTime(),
                                           letterhead, o.language);
        });
    }
    const bool reportWritten = o.pdfGiven && error.isEmpty();
    if (o.pngGiven && error.isEmpty()) {
        const QByteArray png = companion::encodePng(windowPicture(forecast, o));
        error = platform::writeUnderName(
            o.png, bytesOf(o.png), [&](const QString& path) { return writeBytes(path, png); });
    }
    bool cardWritten = false;
    if (o.cardGiven && error.isEmpty()) {
        const QByteArray png = companion::encodePng(cardPicture(forecast, o, letterhead));
        error = platform::writeUnderName(
            o.card, bytesOf(o.card), [&](const QString& path) { return writeBytes(path, png); });
        cardWritten = error.isEmpty();
    }
    // A report or a card written without its logo is told even when the
    // picture after it then fails; the failed file decides the exit code.
    if ((reportWritten || cardWritten) && !logoProblem.isEmpty()) {
        *problem = {
            companion::kExitRefused,
            logoProblem +
                (reportWritten
                     ? QCoreApplication::translate("Drawing", " Отчёт записан без логотипа.")
                     : QCoreApplication::translate("Drawing", " Карточка записана без логотипа."))};
    }
    if (!error.isEmpty()) {
        *problem = {companion::kExitUsage,
                    problem->text.isEmpty() ? error : problem->text + u'\n' + error};
    }
    leaveForExit(app);
}

extern "C" void zemtarDrawGroup(const companion::GroupDrawRequest* request,
                                companion::Problem* problem) {
    std::unique_ptr<QGuiApplication> app = startQt(false, request->argv[0]);
    QString logoProblem;
    const std::optional<print::Letterhead> letterhead =
        letterheadFor(*request->letterhead, request->argc, request->argv, &logoProblem);
    closePlugins();
    const QString error = platform::writeUnderName(
        request->pdf, platform::argumentBytes(request->pdf, request->argc, request->argv),
        [&](const QString& path) {
            return print::printGroupToPdf(*request->group, path, QDateTime::currentDateTime(), {},
                                          letterhead, *request->texts,
                                          request->letterhead->language);
        });
    if (!error.isEmpty()) {
        *problem = {companion::kExitUsage, error};
    } else if (!logoProblem.isEmpty()) {
        *problem = {companion::kExitRefused,
                    logoProblem +
                        QCoreApplication::translate("Drawing", " Страница записана без логотипа.")};
    }
    leaveForExit(app);
}

extern "C" void zemtarDrawClients(const companion::DrawRequest* request,
                                  companion::Problem* problem) {
    const companion::Options& o = *request->options;
    std::unique_ptr<QGuiApplication> app = startQt(false, request->argv[0]);
    QString logoProblem;
    const std::optional<print::Letterhead> letterhead =
        letterheadFor(o, request->argc, request->argv, &logoProblem);
    closePlugins();
    *problem = companion::printClientList(*request, letterhead, logoProblem);
    leaveForExit(app);
}
