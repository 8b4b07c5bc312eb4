#include <gtest/gtest.h>

#include <QLocale>

#include "core/program_info.h"
#include "fake_source.h"
#include "platform/printer_page.h"
#include "print/report.h"

using platform::DrawOp;
using platform::PrinterPage;

namespace {

const QDateTime kMoment(QDate(2026, 5, 1), QTime(14, 3, 7));

QDateTime fixedClock() {
    return kMoment;
}

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

struct Printed {
    FakeSource source;
    PrinterPage page;
    bool delivered = false;

    explicit Printed(const QString& year = QStringLiteral("1990")) {
        source.year = year;
        source.watched = &page;
    }
    void print(const QString& surname = QStringLiteral("Иванова"),
               const QString& name = QStringLiteral("Мария"),
               const QString& patronymic = QStringLiteral("Петровна")) {
        delivered = print::PrintReport(source, page, surname, name, patronymic, fixedClock);
    }
};

}  // namespace

TEST(PrintReport, RecalculatesFirstAndLendsThePageOnlyForTheGraph) {
    Printed p;
    p.print();
    EXPECT_EQ(p.source.calls, QStringList({"Main", "lend", "Maket(1)", "rash(1)", "return"}));
    EXPECT_EQ(p.source.opsAtCall.front(), 0u);
    EXPECT_TRUE(p.page.ended());
    EXPECT_TRUE(p.delivered);
}

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
        {"\"Zemtar - Прогноз\" Версия 1.4 - " + info::yearAndAuthor(), 10, true, true, 0, 0},
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

    // Grid and curve: all in the pen of 8 printer pixels, in the page's own colour.
    const auto dots = opsOf(page, DrawOp::Kind::Point);
    ASSERT_EQ(dots.size(), 80u);
    EXPECT_EQ(dots.front()->p1, QPointF(800, 3800));
    EXPECT_EQ(dots.back()->p1, QPointF(3600, 7400));
    for (const DrawOp* dot : dots) {
        EXPECT_DOUBLE_EQ(dot->widthTw, 8 * 1440.0 / page.deviceDpi());
        EXPECT_FALSE(dot->color.has_value());
    }
}

TEST(PrintReport, DigitAxisIsPlainNumbersNineToZero) {
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
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(axis[i]->text, QStringLiteral(" ") + QString::number(9 - i));
        EXPECT_NEAR(axis[i]->p1.y(), 3630 + i * (h14 + 60), 1e-6);
        EXPECT_EQ(axis[i]->fontSize, 14);
        EXPECT_FALSE(axis[i]->bold);
        EXPECT_FALSE(axis[i]->color.has_value());
    }
}

TEST(PrintReport, DateLineCarriesTheCalculationAndTheBirthDate) {
    Printed p;
    p.print();
    const DrawOp* line = textStarting(p.page, "Дата проведения расчёта: ");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, "Дата проведения расчёта: " + print::reportDateTime(kMoment) +
                              " | Дата рождения прогнозируемого человека: 5 Май 1990г.");
}

TEST(PrintReport, ReportDateTimeIsShortDateAndTimeWithSeconds) {
    const struct {
        const char* locale;
        const char* text;
    } cases[] = {
        {"ru_RU", "01.05.2026 14:03:07"},
        {"en_US", "5/1/26 2:03:07\u202FPM"},
        {"de_DE", "01.05.26 14:03:07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        QString text = print::reportDateTime(kMoment, QLocale(QString::fromLatin1(c.locale)));
        // Some locale data separate AM/PM with a narrow no-break space, some with a blank.
        text.replace(QChar(0x20), QChar(0x202F));
        EXPECT_EQ(text, QString::fromUtf8(c.text).replace(QChar(0x20), QChar(0x202F)));
    }
}

TEST(PrintReport, EmptyNamesLeaveTheCaptionsAlone) {
    Printed p;
    p.print(QString(), QString(), QString());
    for (const char* caption : {" Фамилия: ", "         Имя: ", "Отчество: "}) {
        const DrawOp* op = textStarting(p.page, QString::fromUtf8(caption));
        ASSERT_NE(op, nullptr) << caption;
        EXPECT_EQ(op->text, QString::fromUtf8(caption));
    }
}

TEST(PrintReport, AspectColumnOnlyForTwentiethCenturyYears) {
    const struct {
        const char* year;
        bool column;
    } cases[] = {{"1899", false}, {"1900", true},  {"1990", true},
                 {"1999", true},  {"2000", false}, {"1066", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        Printed p(QString::fromLatin1(c.year));
        p.print();
        EXPECT_EQ(textStarting(p.page, "Уровень биополя - ") != nullptr, c.column);
        EXPECT_EQ(textStarting(p.page, "Карьера - ") != nullptr, c.column);
        EXPECT_EQ(hasLine(p.page, {4500, 4000}, {4500, 11000}), c.column);
    }
}

TEST(PrintZn, LevelsAsPercentagesOfTheirDivisor) {
    const struct {
        int index;
        const char* caption;
        bool shown;
        const char* printed;
    } cases[] = {
        {0, "1", true, "Уровень биополя - 14%"},  {0, "3", true, "Уровень биополя - 42%"},
        {0, "7", true, "Уровень биополя - 100%"}, {1, "3", true, "Связь с землёй - 60%"},
        {2, "1", true, "Связь с космосом - 20%"}, {3, "2", true, "Работа - 50%"},
        {6, "1", true, "Ангел хранитель - 25%"},  {7, "6", true, "Судьба - 150%"},
        {8, "4", true, "Карьера - 80%"},          {5, "3", false, "Интерес - 0%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        FakeSource source;
        source.captions[c.index] = QString::fromLatin1(c.caption);
        source.shown[c.index] = c.shown;
        PrinterPage page;
        print::PrintZn(source, page);
        const DrawOp* op = textStarting(page, QString::fromUtf8(c.printed).section('-', 0, 0));
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->text, QString::fromUtf8(c.printed));
        EXPECT_EQ(op->p1.x(), 5000);
        if (!c.shown) {
            EXPECT_EQ(source.captions[c.index], "0");
        }
    }
}

TEST(PrintReport, AspectColumnReadsTheLevelsBeforeTheGraphPass) {
    Printed p;
    p.source.captions[0] = "3";
    p.source.captionsAfterGraphPass[0] = "2";
    p.print();
    const DrawOp* op = textStarting(p.page, "Уровень биополя - ");
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->text, "Уровень биополя - 42%");
}

TEST(PrintYears, FifteenRowsOfSuccessiveCycles) {
    const struct {
        int digits;
        int year;
    } cases[] = {{7, 1990}, {3, 111}, {8, 1975}, {4, 2000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        PrinterPage page;
        print::yearRows().YearRowDepth = core::Byte::of(0);
        print::PrintYears(page, core::Byte::of(c.digits), core::Int16::of(c.year),
                          core::Int16::of(7550));
        const auto texts = opsOf(page, DrawOp::Kind::Text);
        ASSERT_EQ(texts.size(), std::size_t(15 * c.digits));
        for (int k = 0; k < 15; ++k) {
            for (int i = 0; i < c.digits; ++i) {
                const DrawOp* op = texts[k * c.digits + i];
                EXPECT_EQ(op->text, " " + QString::number(c.year + k * c.digits + i));
                EXPECT_EQ(op->p1, QPointF(500 + 420 * i, 7550 + 250 * k));
                EXPECT_EQ(op->fontSize, 8);
            }
        }
        EXPECT_EQ(print::yearRows().YearRowDepth, core::Byte::of(14));
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

TEST(PrintReport, StoppedCalculationDeliversNothing) {
    Printed p;
    p.source.stopInMain = true;
    int deliveries = 0;
    p.page.setSink([&deliveries](const PrinterPage&) { return ++deliveries > 0; });
    EXPECT_THROW(p.print(), core::RuntimeError);
    EXPECT_EQ(deliveries, 0);
    EXPECT_TRUE(p.page.ops().empty());
}
