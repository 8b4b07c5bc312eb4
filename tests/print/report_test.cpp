#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <variant>

#include "core/booklet.h"
#include "core/program_info.h"
#include "core/report_language.h"
#include "forecast_of.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/logo_picture.h"
#include "print/report.h"

using platform::DrawOp;
using platform::PrinterPage;

namespace {

const QDateTime kMoment(QDate(2026, 5, 1), QTime(14, 3, 7));

std::vector<const DrawOp*> opsOf(const PrinterPage& page, DrawOp::Kind kind) {
    std::vector<const DrawOp*> found;
    for (const DrawOp& op : page.ops()) {
        if (op.kind == kind) {
            found.push_back(&op);
        }
    }
    return found;
}

const DrawOp* textStarting(const PrinterPage& page, const QString& start) {
    for (const DrawOp* op : opsOf(page, DrawOp::Kind::Text)) {
        if (op->text.startsWith(start)) {
            return op;
        }
    }
    return nullptr;
}

bool hasLine(const PrinterPage& page, QPointF from, QPointF to) {
    for (const DrawOp* op : opsOf(page, DrawOp::Kind::Line)) {
        if (op->p1 == from && op->p2 == to) {
            return true;
        }
    }
    return false;
}

// Line height of a font as the page measures it.
double lineHeight(double points) {
    PrinterPage probe;
    probe.setFontSize(points);
    return probe.lineHeight();
}

// Width of a printed text, twips.
double textWidth(const DrawOp& op) {
    return QFontMetricsF(
               platform::twipFont(platform::printerFamily(), op.fontSize, op.bold, op.underline))
        .horizontalAdvance(op.text);
}

// The report of a forecast (5 May 1990 unless told) for a client.
struct Printed {
    core::Forecast forecast;
    PrinterPage page;
    bool delivered = false;

    explicit Printed(const char* year = "1990") : forecast(forecastOf(5, 4, year)) {}
    void print(const QString& surname = QStringLiteral("Иванова"),
               const QString& name = QStringLiteral("Мария"),
               const QString& patronymic = QStringLiteral("Петровна"),
               const std::optional<print::Letterhead>& letterhead = {}) {
        delivered =
            print::printReport(page, forecast, {surname, name, patronymic}, kMoment, letterhead);
    }
};

}  // namespace

TEST(PrintReport, PageMatchesTheLayout) {
    Printed p;
    p.print();
    const PrinterPage& page = p.page;
    const double h10 = lineHeight(10);
    const double h14 = lineHeight(14);
    const int width = page.scaleWidth();

    struct Expected {
        QString start;
        double size;
        bool bold, underline;
        double x, y;  // negative: flowing, not checked
    };
    const Expected rows[] = {
        {"\"Zemtar - Прогноз\" Версия 1.4 - " +
             core::pageCaption(core::ReportLanguage::Russian, core::PageCaption::YearAndAuthor),
         10, true, true, 0, 0},
        {info::authorSite(), 10, false, false, 0, -1},
        {"E-Mail: " + info::authorEmail(), 10, false, false, 0, -1},
        {" Фамилия: Иванова", 14, false, false, 0, 900 + h10},
        {"         Имя: Мария", 14, false, false, 0, 900 + h10 + h14},
        {"Отчество: Петровна", 14, false, false, 0, 900 + h10 + 2 * h14},
        {"Дата проведения расчёта: ", 10, false, false, 0, 900 + h10 + 4 * h14},
        {"Расчёт распределения жизненных сил по годам", 14, true, false, 0, 2800 + h10},
        {"Количество процентов счастья: 15%", 14, false, false, 5000, 4500},
        {"Максимальный уровень жизненных сил: 9", 14, false, false, 5000, 4500 + 2 * h14},
        {"Минимальный  уровень жизненных сил: 0", 14, false, false, 5000, 4500 + 3 * h14},
        {"Уровень биополя - ", 14, false, false, 5000, 4500 + 6 * h14},
    };
    for (const Expected& e : rows) {
        SCOPED_TRACE(e.start.toStdString());
        const DrawOp* op = textStarting(page, e.start);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->fontSize, e.size);
        EXPECT_EQ(op->bold, e.bold);
        EXPECT_EQ(op->underline, e.underline);
        EXPECT_DOUBLE_EQ(op->p1.x(), e.x);
        if (e.y >= 0) {
            EXPECT_NEAR(op->p1.y(), e.y, 1e-6);
        }
    }
    EXPECT_TRUE(hasLine(page, {0, 900}, {double(width), 900}));
    EXPECT_TRUE(hasLine(page, {0, 2800}, {double(width), 2800}));

    const auto pictures = opsOf(page, DrawOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->rect, QRectF(6000, 0, 800, 800));
    EXPECT_EQ(pictures[0]->picture.size(), QSize(71, 71));

    // Fifteen rows of as many years as the life number has digits, from the birth year.
    std::vector<const DrawOp*> years;
    for (const DrawOp* op : opsOf(page, DrawOp::Kind::Text)) {
        if (op->fontSize == 8) {
            years.push_back(op);
        }
    }
    ASSERT_EQ(years.size(), 15u * 7);
    EXPECT_EQ(years.front()->text, " 1990");
    EXPECT_EQ(years.front()->p1, QPointF(500, 7550));
    EXPECT_EQ(years.back()->text, " 2094");
}

// The grid and the curve at the page's origin, in the pen of 8 printer pixels
// and the page's own colour; everything else on the page is drawn thinner.
TEST(PrintReport, GraphStandsAtThePageOriginInThePagesColour) {
    Printed p("1975");
    p.print();
    const double pen = 8 * 1440.0 / p.page.deviceDpi();
    std::vector<const DrawOp*> dots, segments;
    for (const DrawOp& op : p.page.ops()) {
        if ((op.kind == DrawOp::Kind::Point || op.kind == DrawOp::Kind::Line) &&
            op.widthTw == pen) {
            EXPECT_FALSE(op.color.has_value());
            (op.kind == DrawOp::Kind::Point ? dots : segments).push_back(&op);
        }
    }
    ASSERT_EQ(dots.size(), 80u);
    EXPECT_EQ(dots.front()->p1, QPointF(800, 3800));
    EXPECT_EQ(dots.back()->p1, QPointF(3600, 7400));
    const std::vector<core::PointTw>& curve = p.forecast.curve;
    ASSERT_EQ(segments.size() + 1, curve.size());
    const QPointF origin(core::kPageGridOrigin.x, core::kPageGridOrigin.y);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        EXPECT_EQ(segments[i]->p1, origin + QPointF(curve[i].x, curve[i].y)) << i;
        EXPECT_EQ(segments[i]->p2, origin + QPointF(curve[i + 1].x, curve[i + 1].y)) << i;
    }
}

// Each digit is centred on the row of dots of its level, 9 at the top.
TEST(PrintReport, DigitAxisStandsOnTheRowsOfTheGrid) {
    Printed p;
    p.print();
    const double h14 = lineHeight(14);
    std::vector<const DrawOp*> axis;
    for (const DrawOp* op : opsOf(p.page, DrawOp::Kind::Text)) {
        if (op->p1.x() == 200) {
            axis.push_back(op);
        }
    }
    ASSERT_EQ(axis.size(), 10u);
    const struct {
        int digit;
        double rowY;
    } rows[] = {{9, 3800}, {8, 4200}, {7, 4600}, {6, 5000}, {5, 5400},
                {4, 5800}, {3, 6200}, {2, 6600}, {1, 7000}, {0, 7400}};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(rows[i].digit);
        EXPECT_EQ(axis[i]->text, QStringLiteral(" ") + QString::number(rows[i].digit));
        EXPECT_NEAR(axis[i]->p1.y() + h14 / 2, rows[i].rowY, 1e-6);
        EXPECT_EQ(axis[i]->fontSize, 14);
        EXPECT_FALSE(axis[i]->bold);
        EXPECT_FALSE(axis[i]->color.has_value());
    }
}

// The Russian page writes its dates the Russian way whatever the machine's
// locale: without a Russian one it used to read «1 May 2026 14:03:07».
TEST(PrintReport, DateLineIsRussianWhateverTheLocale) {
    const QLocale before;
    for (const char* locale : {"C", "de_DE", "en_US", "ru_RU"}) {
        SCOPED_TRACE(locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        Printed p;
        p.print();
        const DrawOp* line = textStarting(p.page, "Дата проведения расчёта: ");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text, QStringLiteral("Дата проведения расчёта: 01.05.2026 14:03:07 | Дата "
                                             "рождения прогнозируемого человека: 5 Май 1990г."));
    }
    QLocale::setDefault(before);
}

// Every word of the page and of the booklet is the report's language, and
// no locale of the machine changes them.
TEST(PrintReport, PageAndBookletInTheirLanguageWhateverTheLocale) {
    const struct {
        core::ReportLanguage language;
        const char* dateLine;
        const char* title;
        const char* loveRow;
        const char* aspects;  // the booklet's first heading
        const char* opening;  // the booklet's line of the date of birth
        const char* year;     // its outlook table's first column
    } cases[] = {
        {core::ReportLanguage::Russian,
         "Дата проведения расчёта: 01.05.2026 14:03:07 | Дата рождения прогнозируемого человека: "
         "5 Май 1990г.",
         "Расчёт распределения жизненных сил по годам", "Любовь - ", "Аспекты",
         "Дата рождения: 5 мая 1990 г., ", "Год"},
        {core::ReportLanguage::Ukrainian,
         "Дата розрахунку: 01.05.2026 14:03:07 | Дата народження: 5 травня 1990 р.",
         "Розподіл життєвих сил за роками", "Любов - ", "Аспекти",
         "Дата народження: 5 травня 1990 р., ", "Рік"},
        {core::ReportLanguage::English,
         "Calculated on: 1 May 2026, 14:03:07 | Date of birth: 5 May 1990",
         "Life forces year by year", "Love - ", "Aspects", "Date of birth: 5 May 1990, ", "Year"},
    };
    const QLocale before;
    const QByteArray lang = qgetenv("LANG");
    for (const char* locale : {"C", "de_DE.UTF-8", "ru_RU.UTF-8"}) {
        qputenv("LANG", locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(locale).section(u'.', 0, 0)));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(locale) + " " + core::languageCode(c.language).toStdString());
            Printed p;
            print::printReport(p.page, p.forecast, {}, kMoment, {}, c.language);
            for (const char* line : {c.dateLine, c.title}) {
                const DrawOp* op = textStarting(p.page, QString::fromUtf8(line));
                EXPECT_TRUE(op && op->text == QString::fromUtf8(line)) << line;
            }
            EXPECT_NE(textStarting(p.page, QString::fromUtf8(c.loveRow)), nullptr);
            core::BookletChoice choice;
            choice.thisYear = 2026;
            const core::Booklet b = core::makeBooklet(
                p.forecast, {}, core::TextLibrary(core::TextSet(core::languageCode(c.language))),
                choice);
            const auto first = [&b](core::BookletBlock::Kind kind) {
                return std::find_if(b.blocks.begin(), b.blocks.end(),
                                    [kind](const auto& block) { return block.kind == kind; });
            };
            EXPECT_EQ(first(core::BookletBlock::Kind::Heading)->text, QString::fromUtf8(c.aspects));
            EXPECT_TRUE(b.blocks[1].text.startsWith(QString::fromUtf8(c.opening)))
                << b.blocks[1].text.toStdString();
            EXPECT_EQ(first(core::BookletBlock::Kind::Table)->header.value(0),
                      QString::fromUtf8(c.year));
        }
    }
    qputenv("LANG", lang);
    QLocale::setDefault(before);
}

TEST(PrintReport, AspectColumnOnlyForTwentiethCenturyYears) {
    const struct {
        const char* year;
        bool column;
    } cases[] = {{"1899", false}, {"1900", true},  {"1990", true},
                 {"1999", true},  {"2000", false}, {"1066", false}};
    const double h14 = lineHeight(14);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        Printed p(c.year);
        p.print();
        EXPECT_EQ(textStarting(p.page, "Уровень биополя - ") != nullptr, c.column);
        EXPECT_EQ(textStarting(p.page, "Карьера - ") != nullptr, c.column);
        EXPECT_EQ(hasLine(p.page, {4500, 4000}, {4500, 11000}), c.column);

        // Without the column, its place says why, in the column's font and
        // within the page, from where the column's first row would stand.
        QStringList why;
        double top = -1;
        for (const DrawOp* op : opsOf(p.page, DrawOp::Kind::Text)) {
            if (op->p1.x() == 5000 && op->p1.y() > 4500 + 5 * h14 && op->text != " ") {
                top = top < 0 ? op->p1.y() : top;
                why << op->text;
                EXPECT_EQ(op->fontSize, 14);
                EXPECT_FALSE(op->bold);
                EXPECT_LE(5000 + textWidth(*op), p.page.scaleWidth());
            }
        }
        if (!c.column) {
            EXPECT_EQ(why.join(' '), "Аспекты рассчитываются для родившихся с 1900 по 1999 год.");
            EXPECT_NEAR(top, 4500 + 6 * h14, 1e-6);
        }
    }
}

// Each level as a share of its own full count, rounded down (2 of 7 is 28%);
// an absent aspect is 0%, a level above the full count goes past 100%.
TEST(PrintAspectColumn, LevelsAsPercentagesOfTheirFullCount) {
    const struct {
        core::Forecast forecast;
        QStringList printed;
    } cases[] = {
        {forecastOf(28, 6, "1914"),  // levels 2 1 1 1 1 6 1 1 2
         {"Уровень биополя - 28%", "Связь с землёй - 20%", "Связь с космосом - 20%", "Работа - 25%",
          "Любовь - 25%", "Интерес - 150%", "Ангел хранитель - 25%", "Судьба - 25%",
          "Карьера - 40%"}},
        {forecastOf(23, 7, "1975"),  // levels 1 1 1 0 1 5 1 2 2
         {"Уровень биополя - 14%", "Связь с землёй - 20%", "Связь с космосом - 20%", "Работа - 0%",
          "Любовь - 25%", "Интерес - 125%", "Ангел хранитель - 25%", "Судьба - 50%",
          "Карьера - 40%"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.forecast.birthDigits.toStdString());
        PrinterPage page;
        print::printAspectColumn(page, c.forecast);
        QStringList printed;
        for (const DrawOp* op : opsOf(page, DrawOp::Kind::Text)) {
            if (op->text != " ") {
                printed << op->text;
                EXPECT_EQ(op->p1.x(), 5000);
            }
        }
        EXPECT_EQ(printed, c.printed);
    }
}

// The page draws the forecast's fifteen rows, each of as many successive
// years as the life number has digits, going on where the row above ended.
TEST(PrintYearRows, FifteenRowsOfSuccessiveCycles) {
    const struct {
        int day;
        int monthIndex;
        const char* year;
        int digits;
    } cases[] = {{5, 4, "1990", 7}, {1, 0, "1", 3}, {31, 11, "9999", 8}, {2, 0, "6", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        const core::Forecast f = forecastOf(c.day, c.monthIndex, c.year);
        ASSERT_EQ(f.digitCount, c.digits);
        const int first = QString::fromLatin1(c.year).toInt();
        PrinterPage page;
        print::printYearRows(page, f);
        const auto texts = opsOf(page, DrawOp::Kind::Text);
        ASSERT_EQ(texts.size(), std::size_t(15 * c.digits));
        for (int k = 0; k < 15; ++k) {
            for (int i = 0; i < c.digits; ++i) {
                const DrawOp* op = texts[k * c.digits + i];
                EXPECT_EQ(op->text, " " + QString::number(first + k * c.digits + i));
                EXPECT_EQ(op->p1, QPointF(500 + 420 * i, 7550 + 250 * k));
                EXPECT_EQ(op->fontSize, 8);
            }
        }
    }
}

TEST(PrintReport, ReportsWhetherThePageWasDelivered) {
    for (bool sinkAccepts : {true, false}) {
        Printed p;
        p.page.setSink([sinkAccepts](const PrinterPage&) { return sinkAccepts; });
        p.print();
        EXPECT_EQ(p.delivered, sinkAccepts);
    }
}

// The practitioner's letterhead takes the program's header lines and the
// emblem's box; a logo keeps its proportions, a broken one leaves the box empty
// and says why; the rest of the page stays where it was.
TEST(PrintReport, LetterheadTakesTheHeaderAndTheEmblemsBox) {
    QTemporaryDir dir;
    const QString png = dir.filePath("wide.png");
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    ASSERT_TRUE(wide.save(png));
    const QString svg = dir.filePath("tall.svg");
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::WriteOnly));
    svgFile.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="200">)"
                  R"(<rect width="100" height="200" fill="navy"/></svg>)");
    svgFile.close();
    const QString broken = dir.filePath("broken.png");
    QFile brokenFile(broken);
    ASSERT_TRUE(brokenFile.open(QIODevice::WriteOnly));
    brokenFile.write("\x89PNG\r\n\x1a\n not really a picture");
    brokenFile.close();

    // A build without Qt's SVG reader (the Windows one) says so and leaves the box empty.
    const bool svgRead = print::svgLogosReadable();
    const QStringList two{"Тел. +7 912 000-00-00", "mail@example.ru"};
    const QStringList three{"Тел. +7 912 000-00-00", "mail@example.ru", "example.ru"};
    const struct {
        const char* what;
        bool on;
        QStringList contacts;
        QString logo;
        std::optional<QRectF> picture;  // none: the box stays empty
        bool logoProblem;
    } cases[] = {
        {"classic", false, two, png, QRectF(6000, 0, 800, 800), false},
        {"no logo", true, two, QString(), std::nullopt, false},
        {"PNG", true, two, png, QRectF(6000, 200, 800, 400), false},
        {"SVG", true, three, svg, svgRead ? std::optional(QRectF(6200, 0, 400, 800)) : std::nullopt,
         !svgRead},
        {"broken", true, three, broken, std::nullopt, true},
        {"vanished", true, two, dir.filePath("gone.png"), std::nullopt, true},
    };
    const double h10 = lineHeight(10);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString problem;
        const auto letterhead = print::letterheadForPage(
            {c.on, QStringLiteral("<b>Анна Соколова</b>"), c.contacts, c.logo}, &problem);
        EXPECT_EQ(!problem.isEmpty(), c.logoProblem) << problem.toStdString();
        if (c.logo == svg && !svgRead) {
            EXPECT_TRUE(problem.contains(u"только в форматах PNG и JPEG")) << problem.toStdString();
        }
        Printed p;
        p.print("Иванова", "Мария", "Петровна", letterhead);

        const auto texts = opsOf(p.page, DrawOp::Kind::Text);
        const QString first = texts[0]->text;
        EXPECT_TRUE(texts[0]->bold && texts[0]->underline);
        EXPECT_EQ(texts[0]->p1, QPointF(0, 0));
        if (c.on) {
            EXPECT_EQ(first, "<b>Анна Соколова</b>");
            for (qsizetype i = 0; i < c.contacts.size(); ++i) {
                EXPECT_EQ(texts[i + 1]->text, c.contacts[i]);
                EXPECT_FALSE(texts[i + 1]->bold || texts[i + 1]->underline);
                EXPECT_LE(texts[i + 1]->p1.y() + lineHeight(texts[i + 1]->fontSize), 900);
            }
        } else {
            EXPECT_TRUE(first.startsWith("\"Zemtar - Прогноз\""));
        }
        const auto pictures = opsOf(p.page, DrawOp::Kind::Picture);
        ASSERT_EQ(pictures.size(), c.picture ? 1u : 0u);
        if (c.picture) {
            EXPECT_EQ(pictures[0]->rect, *c.picture);
        }
        const DrawOp* surname = textStarting(p.page, " Фамилия: ");
        ASSERT_NE(surname, nullptr);
        EXPECT_NEAR(surname->p1.y(), 900 + h10, 1e-6);
        EXPECT_EQ(surname->fontSize, 14);
    }
}

// The name lines as each language writes a name: the classic Russian page
// keeps its three captions, empty ones too; Ukrainian leaves out an empty
// patronymic; English puts the first name before the surname.
TEST(PrintReport, NameLinesInTheLanguagesOrder) {
    const struct {
        core::ReportLanguage language;
        const char* patronymic;
        std::vector<const char*> lines;
    } rows[] = {
        {core::ReportLanguage::Russian,
         "",
         {" Фамилия: Carter", "         Имя: Emily", "Отчество: "}},
        {core::ReportLanguage::Ukrainian, "", {"    Прізвище: Carter", "           Ім’я: Emily"}},
        {core::ReportLanguage::Ukrainian,
         "Іванівна",
         {"    Прізвище: Carter", "           Ім’я: Emily", "По батькові: Іванівна"}},
        {core::ReportLanguage::English, "", {"First name: Emily", "      Surname: Carter"}},
    };
    for (const auto& row : rows) {
        Printed p;
        print::printReport(
            p.page, p.forecast,
            {QStringLiteral("Carter"), QStringLiteral("Emily"), QString::fromUtf8(row.patronymic)},
            kMoment, {}, row.language);
        std::vector<QString> shown;
        for (const DrawOp& op : p.page.ops()) {
            if (op.kind == DrawOp::Kind::Text && op.fontSize == 14 && !op.bold &&
                op.p1.y() < 2800 && op.text.trimmed().size() > 1) {
                shown.push_back(op.text);
            }
        }
        std::vector<QString> expected;
        for (const char* line : row.lines) {
            expected.push_back(QString::fromUtf8(line));
        }
        EXPECT_EQ(shown, expected) << core::languageCode(row.language).toStdString();
    }
}
