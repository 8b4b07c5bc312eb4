// zemtar-forecast: the forecast for scripts and batch users. Text and JSON come
// straight from the calculation, with no window and no application object; the
// window is built only for --png and the printed pages only for --pdf and
// --clients.

#include <QStringList>

#include "app/batch.h"
#include "app/booklet_cli.h"
#include "app/companion.h"
#include "app/date_input.h"
#include "app/drawing_loader.h"
#include "app/group_cli.h"
#include "app/options.h"
#include "app/turning_cli.h"
#include "core/forecast_text.h"
#include "core/program_info.h"
#include "platform/file_names.h"

using namespace companion;

namespace {

// Qt's own warnings (a missing runtime folder, fonts) are not the program's
// messages: standard error carries only what the program has to say.
void dropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// The help of the mode the command line asks for: --compare's, --group's or the single forecast's.
QString usageOf(const QStringList& args) {
    if (args.contains(QStringLiteral("--compare"))) {
        return groupUsage(true);
    }
    return args.contains(QStringLiteral("--group")) ? groupUsage(false) : usageText();
}

int usage(const QString& problem, const QStringList& args) {
    printErr(problem + u'\n' + usageOf(args));
    return finish(kExitUsage);
}

int helpOrVersion(const Options& o, const QStringList& args) {
    writeOut(o.help ? usageOf(args).toUtf8()
                    : QStringLiteral("zemtar-forecast %1\n").arg(info::version()).toUtf8());
    return finish(kExitForecast);
}

int told(const Problem& drawn) {
    if (!drawn.text.isEmpty()) {
        printErr(drawn.text + u'\n');
    }
    return finish(drawn.exitCode);
}

int runSingle(const Options& o, int argc, char* argv[]) {
    const auto result = forecastFor(o.positional[0], o.positional[1], o.positional[2]);
    if (const auto* problem = std::get_if<Problem>(&result)) {
        if (problem->exitCode == kExitUsage) {
            printErr(problem->text + u'\n' + usageText());
            return finish(kExitUsage);
        }
        printErr(problem->text + u'\n');
        return finish(problem->exitCode);
    }
    const core::Forecast& forecast = std::get<core::Forecast>(result);
    if (o.booklet) {
        return runBooklet(o, forecast, argc, argv);
    }
    const std::optional<core::YearMark> mark = markOf(forecast, o.markYear);
    const core::YearMark* marked = mark ? &*mark : nullptr;
    const bool drawing = o.pdfGiven || o.pngGiven || o.cardGiven;
    // With a picture or a report asked for, the file is the output; the text
    // comes only when asked for as JSON.
    if (o.json) {
        if (!writeOut(core::toJson(forecast, marked, o.language) + '\n')) {
            return finish(kExitUsage);
        }
    } else if (!drawing) {
        return finish(writeOut(core::toText(forecast, marked, o.language).toUtf8()) ? kExitForecast
                                                                                    : kExitUsage);
    }
    if (!drawing) {
        return finish(kExitForecast);
    }
    return told(drawThroughLibrary(DrawRequest{&forecast, &o, argc, argv, nullptr}));
}

// The reports of a client list, or their booklets; a booklet's texts that
// could not be read whole are told once and give exit 2.
int runClients(const Options& o, int argc, char* argv[]) {
    if (!o.booklet) {
        return told(drawClientsThroughLibrary(DrawRequest{nullptr, &o, argc, argv, nullptr}));
    }
    QString textsProblem;
    const core::TextLibrary library = bookletLibrary(o, &textsProblem);
    if (!textsProblem.isEmpty()) {
        printErr(textsProblem + u'\n');
    }
    Problem drawn = drawClientsThroughLibrary(DrawRequest{nullptr, &o, argc, argv, &library});
    if (drawn.exitCode == kExitForecast && !textsProblem.isEmpty()) {
        drawn.exitCode = kExitRefused;
    }
    return told(drawn);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Before anything opens a file, which would take the free number 0.
    const bool standardInputClosed = platform::standardInputClosed();
    qInstallMessageHandler(dropQtMessages);
    startTranslatedCore(argv[0]);
    const QStringList args = platform::commandLineArguments(argc, argv);
    const auto parsed = parseOptions(args);
    if (const auto* problem = std::get_if<Problem>(&parsed)) {
        return problem->text.isEmpty() ? finish(problem->exitCode) : usage(problem->text, args);
    }
    Options o = std::get<Options>(parsed);
    o.standardInputClosed = standardInputClosed;
    if (o.help || o.version) {
        return helpOrVersion(o, args);
    }
    if (o.compare || o.group) {
        return finish(runGroup(o, argc, argv));
    }
    if (const std::optional<Problem> problem = outputOverInput(o, argc, argv)) {
        return told(*problem);
    }
    if (o.turningGiven || o.icsGiven) {
        return runTurning(o, argc, argv);
    }
    if (o.clientsGiven) {
        return runClients(o, argc, argv);
    }
    if (o.batch) {
        if (!o.positional.isEmpty()) {
            o.batchFileBytes = platform::argumentBytes(o.positional.constFirst(), argc, argv);
        }
        return runBatch(o);
    }
    return runSingle(o, argc, argv);
}
