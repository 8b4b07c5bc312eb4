// The yardstick for many booklets in one PDF: one booklet a client of a list
// as booklet_bench makes it («Фамилия;Имя;Отчество;ДД.ММ.ГГГГ» a line after
// one head line), in the program's own texts, drawn with bench/plain_booklet.h
// straight into one QPdfWriter. Usage: minimal_booklets LIST OUT.pdf
// Prints the pages written.

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "plain_booklet.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCoreApplication::setLibraryPaths({});  // as zemtar-forecast: no plugins
    QFile list(argc > 2 ? argv[1] : "");
    if (!list.open(QIODevice::ReadOnly)) {
        return 1;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    bench::setUpPlainWriter(writer);
    const core::TextLibrary library;
    core::BookletChoice choice;
    choice.thisYear = QDate::currentDate().year();
    const QDateTime now = QDateTime::currentDateTime();
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    list.readLine();  // the head
    int pages = 0;
    while (!list.atEnd()) {
        const QStringList row = QString::fromUtf8(list.readLine().trimmed()).split(';');
        const QStringList date = row.value(3).split('.');
        const core::Calculation calculation =
            core::calculate({date.value(0).toInt(), date.value(1).toInt() - 1, date.value(2)});
        const auto* f = std::get_if<core::Forecast>(&calculation);
        if (row.size() != 4 || !f) {
            return 1;
        }
        core::Person person;
        person.names = {row[0], row[1], row[2]};
        const core::Booklet booklet = core::makeBooklet(*f, person, library, choice);
        pages += bench::drawPlainBooklet(writer, painter, booklet, now, pages == 0);
    }
    std::fprintf(stderr, "%d\n", pages);
    return painter.end() ? 0 : 1;
}
