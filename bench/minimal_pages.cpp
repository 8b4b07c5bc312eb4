// The yardstick for many report pages: the least program that draws the same
// pages into one PDF with a QPdfWriter, one page a client of a list as
// pages_bench makes it («Фамилия;Имя;Отчество;ДД.ММ.ГГГГ» a line after one
// head line). It computes with core and draws every text, dot, line and the
// emblem straight with one QPainter in twips; no page is recorded, no file
// is written aside first. Usage: minimal_pages LIST OUT.pdf

#include <QDateTime>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "core/forecast.h"
#include "core/program_info.h"
#include "core/report_language.h"
#include "platform/fonts.h"
#include "platform/replay.h"
#include "print/emblem.h"

namespace {

constexpr double kPdfDpi = 1200;
constexpr double kPrinterDot = 1440.0 / 600;  // twips of one 600 dpi dot

// Texts one under another from a cursor, as a printer object prints them.
struct Cursor {
    QPainter& p;
    double x = 0;
    double y = 0;
    double size = 10;
    bool bold = false;
    bool underline = false;

    void print(const QString& text) {
        const QFont font = platform::twipFont(platform::printerFamily(), size, bold, underline);
        const QFontMetricsF metrics(font);
        p.setFont(font);
        p.drawText(QPointF(x, y + metrics.ascent()), text);
        x = 0;
        y += metrics.height();
    }
    void line(double x1, double y1, double x2, double y2, double width) {
        p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        x = x2;  // the cursor ends where the line does
        y = y2;
    }
};

void drawHead(Cursor& c, const QStringList& client, const core::Forecast& f, double width,
              const QString& madeAt) {
    c.size = 10;
    c.bold = c.underline = true;
    c.print("\"" + info::programName() + "\" Версия " + info::version() + " - " +
            core::pageCaption(core::ReportLanguage::Russian, core::PageCaption::YearAndAuthor));
    c.bold = c.underline = false;
    c.print(info::authorSite());
    c.print("E-Mail: " + info::authorEmail());
    c.line(0, 900, width, 900, kPrinterDot);
    c.print(" ");
    c.size = 14;
    c.print(" Фамилия: " + client[0]);
    c.print("         Имя: " + client[1]);
    c.print("Отчество: " + client[2]);
    c.print(" ");
    c.size = 10;
    c.print("Дата проведения расчёта: " + madeAt +
            " | Дата рождения прогнозируемого человека: " + f.dateText() + "г.");
    c.print(" ");
    c.line(0, 2800, width, 2800, kPrinterDot);
    c.print(" ");
    c.size = 14;
    c.bold = true;
    c.print("Расчёт распределения жизненных сил по годам");
    c.bold = false;
    c.print(" ");
}

void drawFigures(Cursor& c, const core::Forecast& f) {
    const char* captions[] = {"Уровень биополя - ", "Связь с землёй - ", "Связь с космосом - ",
                              "Работа - ",          "Любовь - ",         "Интерес - ",
                              "Ангел хранитель - ", "Судьба - ",         "Карьера - "};
    const int fullLevel[] = {7, 5, 5, 4, 4, 4, 4, 4, 5};
    const auto at = [&c](const QString& text) {
        c.x = 5000;
        c.print(text);
    };
    c.y = 4500;
    at("Количество процентов счастья: " + core::percentText(f.happinessPercent));
    c.print(" ");
    at("Максимальный уровень жизненных сил: " + QString::number(f.largest));
    at("Минимальный  уровень жизненных сил: " + QString::number(f.smallest));
    c.print(" ");
    c.p.drawImage(QRectF(6000, 0, 800, 800), print::emblem());
    at(" ");
    for (int i = 0; i < 9; ++i) {
        const double level = f.aspects[std::size_t(i)].level;
        at(captions[i] + QString::number(std::floor(level / fullLevel[i] * 100), 'f', 0) + "%");
    }
    c.line(4500, 4000, 4500, 11000, kPrinterDot);
}

void drawGraph(Cursor& c, const core::Forecast& f) {
    const core::PointTw o = core::kPageGridOrigin;
    QList<QPointF> dots;
    for (int i = 1; i <= core::kGridColumns; ++i) {
        for (int j = 1; j <= core::kGridRows; ++j) {
            dots.append(QPointF(o.x + i * core::kGridPitch, o.y + j * core::kGridPitch));
        }
    }
    c.p.setPen(QPen(Qt::black, 8 * kPrinterDot, Qt::SolidLine, Qt::RoundCap));
    c.p.drawPoints(dots.data(), int(dots.size()));
    for (std::size_t i = 1; i < f.curve.size(); ++i) {
        c.line(f.curve[i - 1].x + o.x, f.curve[i - 1].y + o.y, f.curve[i].x + o.x,
               f.curve[i].y + o.y, 8 * kPrinterDot);
    }
    c.size = 14;
    for (int d = 9; d >= 0; --d) {
        c.x = 200;
        c.y = o.y + core::Opr(1, d).y -
              QFontMetricsF(platform::twipFont(platform::printerFamily(), 14, false, false))
                      .height() /
                  2;
        c.print(" " + QString::number(d));
    }
    c.size = 8;
    for (int row = 0; row < 15; ++row) {
        for (int i = 0; i < f.digitCount; ++i) {
            c.x = 500 + 420 * i;
            c.y = 7550 + 250 * row;
            c.print(" " + QString::number(f.years[0][0].year + row * f.digitCount + i));
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    // As zemtar-forecast: no plugins, so the emblem is kept lossless (with
    // Qt's JPEG plugin loaded the PDF would keep it as a JPEG).
    QCoreApplication::setLibraryPaths({});
    QFile list(argc > 2 ? argv[1] : "");
    if (!list.open(QIODevice::ReadOnly)) {
        return 1;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
    writer.setResolution(int(kPdfDpi));
    writer.setCreator(info::programName());
    writer.setTitle(info::programName());
    const double width = writer.pageLayout().paintRect(QPageLayout::Inch).width() * 1440;
    const QDateTime now = QDateTime::currentDateTime();
    const QString madeAt = QLocale().toString(now.date(), QLocale::ShortFormat) + " " +
                           QLocale().toString(now.time(), "HH:mm:ss");
    QPainter painter(&writer);
    painter.scale(kPdfDpi / 1440, kPdfDpi / 1440);
    painter.setRenderHint(QPainter::Antialiasing);
    list.readLine();  // the head
    for (bool first = true; !list.atEnd(); first = false) {
        const QStringList row = QString::fromUtf8(list.readLine().trimmed()).split(';');
        const QStringList date = row.value(3).split('.');
        const core::Calculation calculation =
            core::calculate({date.value(0).toInt(), date.value(1).toInt() - 1, date.value(2)});
        const auto* f = std::get_if<core::Forecast>(&calculation);
        if (row.size() != 4 || !f || (!first && !writer.newPage())) {
            return 1;
        }
        Cursor c{painter};
        drawHead(c, row, *f, width, madeAt);
        drawFigures(c, *f);
        drawGraph(c, *f);
    }
    return painter.end() ? 0 : 1;
}
