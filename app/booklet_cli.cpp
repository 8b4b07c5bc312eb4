#include "app/booklet_cli.h"

#include <QCoreApplication>

#include "app/drawing_loader.h"
#include "platform/text_store.h"

namespace companion {

core::TextLibrary bookletLibrary(const Options& o, QString* problem) {
    const QString code = core::languageCode(o.language);
    if (!o.textsGiven) {
        return core::TextLibrary(core::TextSet(code));
    }
    const core::TextFileReading reading = platform::readTextFile(o.texts);
    *problem = reading.message();
    if (!reading.ours) {
        return core::TextLibrary(core::TextSet(code));
    }
    // Without --lang the file's texts decide the booklet's language, as
    // before there was a choice; with it, texts of another language would
    // give the client a booklet in two languages.
    if (o.languageGiven && reading.set.language() != code) {
        *problem =
            QCoreApplication::translate(
                "BookletCli",
                "Тексты в файле «%1» — на языке %2, а отчёт — на %3: взяты тексты программы.")
                .arg(o.texts, reading.set.language(), code);
        return core::TextLibrary(core::TextSet(code));
    }
    return core::TextLibrary(reading.set);
}

int runBooklet(const Options& o, const core::Forecast& forecast, int argc, char* argv[]) {
    QString textsProblem;
    const core::TextLibrary library = bookletLibrary(o, &textsProblem);
    if (!textsProblem.isEmpty()) {
        printErr(textsProblem + u'\n');
    }
    const int status = textsProblem.isEmpty() ? kExitForecast : kExitRefused;
    const core::Booklet booklet =
        core::makeBooklet(forecast, personOf(o, forecast.date), library, bookletChoice(o));
    if (o.json || !o.pdfGiven) {
        const QByteArray out =
            o.json ? core::bookletJson(booklet) + '\n' : core::bookletText(booklet).toUtf8() + '\n';
        if (!writeOut(out)) {
            return finish(kExitUsage);
        }
    }
    if (!o.pdfGiven) {
        return finish(status);
    }
    const Problem drawn = drawThroughLibrary(DrawRequest{&forecast, &o, argc, argv, &library});
    if (!drawn.text.isEmpty()) {
        printErr(drawn.text + u'\n');
    }
    return finish(drawn.exitCode != kExitForecast ? drawn.exitCode : status);
}

}  // namespace companion
