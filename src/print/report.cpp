#include "print/report.h"

#include <QFontMetricsF>

#include "core/program_info.h"
#include "graph/curve.h"
#include "graph/grid.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/emblem.h"

namespace print {

namespace {

// Font sizes of the page, points.
constexpr double kHeaderSize = 10;
constexpr double kBodySize = 14;
constexpr double kYearSize = 8;

// Fixed places on the page, twips from the top left of the printable area.
constexpr int kUpperRuleY = 900;
constexpr int kLowerRuleY = 2800;
constexpr int kFiguresX = 5000;  // happiness, extremes and the aspect column
constexpr int kFiguresY = 4500;  // the happiness line
constexpr int kEmblemLeft = 6000;
constexpr int kEmblemTop = 0;
constexpr int kEmblemSize = 800;
constexpr int kGraphPenWidth = 8;  // printer pixels, for the grid dots and the curve

// The digit axis left of the grid; each digit stands on its own row of dots.
constexpr int kAxisX = 200;

// Year rows under the graph.
constexpr int kYearRowsY = 7550;
constexpr int kYearColumnX = 500;
constexpr int kYearColumnPitch = 420;
constexpr int kYearRowPitch = 250;

// The rule between the graph and the aspect column.
constexpr int kColumnRuleX = 4500;
constexpr int kColumnRuleTop = 4000;
constexpr int kColumnRuleBottom = 11000;

// With three contact lines the letterhead's four lines would reach the rule
// at 10 points; the contact lines then take this size and stay above it.
constexpr double kCrowdedContactSize = 9;
// Letterhead lines stop this far left of a logo.
constexpr int kLogoGap = 100;

void blankLine(platform::PrinterPage& page) {
    page.print(QStringLiteral(" "));
}

QFontMetricsF metricsOf(const platform::PrinterPage& page) {
    return QFontMetricsF(platform::twipFont(platform::printerFamily(), page.fontSize(),
                                            page.fontBold(), page.fontUnderline()));
}

// The practitioner's name and contact lines in place of the program's three
// header lines, the name set as the first line is. A line too long for the room
// left of the logo (or of the page's edge) ends in an ellipsis rather than
// running under the logo.
void printLetterheadLines(platform::PrinterPage& page, const Letterhead& letterhead) {
    const double room = letterhead.logo.isNull() ? page.scaleWidth() : kEmblemLeft - kLogoGap;
    const auto fitted = [&page, room](const QString& text) {
        return metricsOf(page).elidedText(text, Qt::ElideRight, room);
    };
    page.setFontUnderline(true);
    page.setFontBold(true);
    page.print(fitted(letterhead.name));
    page.setFontUnderline(false);
    page.setFontBold(false);
    if (letterhead.contacts.size() >= kContactLines) {
        page.setFontSize(kCrowdedContactSize);
    }
    for (const QString& contact : letterhead.contacts) {
        page.print(fitted(contact));
    }
    // The blank line under the rule keeps the header's size.
    page.setFontSize(kHeaderSize);
}

// The logo fills the emblem's box as far as its proportions allow, centred in it.
void paintLogo(platform::PrinterPage& page, const QImage& logo) {
    const QSizeF fit =
        QSizeF(logo.size()).scaled(QSizeF(kEmblemSize, kEmblemSize), Qt::KeepAspectRatio);
    page.paintPicture(logo, kEmblemLeft + (kEmblemSize - fit.width()) / 2,
                      kEmblemTop + (kEmblemSize - fit.height()) / 2, fit.width(), fit.height());
}

// In the aspect column's place, for a birth year it has no table for: the
// reader learns why the page has no aspects. Lines that would run off the
// page's right edge are broken between words, each starting at the column.
void printNoAspects(platform::PrinterPage& page, core::ReportLanguage language) {
    const QFontMetricsF metrics = metricsOf(page);
    const double room = page.scaleWidth() - kFiguresX;
    page.setCurrentX(kFiguresX);
    blankLine(page);
    QString line;
    for (const QString& word : aspectYearsLine(language).split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            page.setCurrentX(kFiguresX);
            page.print(line);
            line = word;
        } else {
            line = longer;
        }
    }
    page.setCurrentX(kFiguresX);
    page.print(line);
}

}  // namespace

QString reportDateTime(const QDateTime& moment, core::ReportLanguage language) {
    return core::calculationDateText(language, moment);
}

void printYearRows(platform::PrinterPage& page, const core::Forecast& forecast) {
    page.setFontSize(kYearSize);
    for (std::size_t row = 0; row < forecast.pageYears.size(); ++row) {
        const std::vector<long long>& years = forecast.pageYears[row];
        for (std::size_t i = 0; i < years.size(); ++i) {
            page.setCurrentY(kYearRowsY + kYearRowPitch * static_cast<double>(row));
            page.setCurrentX(kYearColumnX + kYearColumnPitch * static_cast<double>(i));
            page.printNumber(years[i]);
        }
    }
}

QString aspectColumnRow(const core::Forecast& forecast, int digit, core::ReportLanguage language) {
    return core::pageAspectRow(language, digit) +
           core::percentText(forecast.aspects.at(static_cast<std::size_t>(digit - 1)).percent);
}

void printAspectColumn(platform::PrinterPage& page, const core::Forecast& forecast,
                       core::ReportLanguage language) {
    page.setCurrentX(kFiguresX);
    blankLine(page);
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        page.setCurrentX(kFiguresX);
        page.print(aspectColumnRow(forecast, digit, language));
    }
    page.line(kColumnRuleX, kColumnRuleTop, kColumnRuleX, kColumnRuleBottom);
}

namespace {

// The program's three header lines, in the page's current size.
void printProgramLines(platform::PrinterPage& page, core::ReportLanguage language) {
    page.setFontUnderline(true);
    page.setFontBold(true);
    page.print(QStringLiteral("\"") + core::pageCaption(language, core::PageCaption::ProgramName) +
               core::pageCaption(language, core::PageCaption::Version) + info::version() +
               QStringLiteral(" - ") +
               core::pageCaption(language, core::PageCaption::YearAndAuthor));
    page.setFontUnderline(false);
    page.setFontBold(false);
    page.print(info::authorSite());
    page.print(QStringLiteral("E-Mail: ") + info::authorEmail());
}

// Header: the practitioner's letterhead, or the program, author's page and
// address; then a rule across the page.
void printHeader(platform::PrinterPage& page, const std::optional<Letterhead>& letterhead,
                 core::ReportLanguage language) {
    page.setFontSize(kHeaderSize);
    if (letterhead) {
        printLetterheadLines(page, letterhead->forLanguage(language));
    } else {
        printProgramLines(page, language);
    }
    page.line(0, kUpperRuleY, page.scaleWidth(), kUpperRuleY);
    blankLine(page);
}

}  // namespace

// The digit axis, plain black, 9 at the top. Each digit is centred on the
// row of dots of its level, so a reader takes a point's level at a glance;
// counting line heights down the page would drift off the rows.
void printDigitAxis(platform::PrinterPage& page) {
    page.setFontSize(kBodySize);
    for (int d = 9; d >= 0; --d) {
        const int rowY = core::kPageGridOrigin.y + core::Opr(1, d).y;
        page.setCurrentX(kAxisX);
        page.setCurrentY(rowY - page.lineHeight() / 2);
        page.printNumber(d);
    }
}

void printClientNames(platform::PrinterPage& page, const core::ClientNames& client,
                      core::ReportLanguage language) {
    using core::PageCaption;
    const auto line = [&](PageCaption caption, const QString& name) {
        page.print(core::pageCaption(language, caption) + name);
    };
    if (language == core::ReportLanguage::English) {
        line(PageCaption::Name, client.name);
        line(PageCaption::Surname, client.surname);
    } else {
        line(PageCaption::Surname, client.surname);
        line(PageCaption::Name, client.name);
    }
    // The classic Russian page prints its three captions whatever is empty.
    if (language == core::ReportLanguage::Russian || !client.patronymic.trimmed().isEmpty()) {
        line(PageCaption::Patronymic, client.patronymic);
    }
}

namespace {

// The program's emblem in its box, or the practitioner's logo, or nothing.
void printEmblem(platform::PrinterPage& page, const std::optional<Letterhead>& letterhead) {
    if (!letterhead) {
        page.paintPicture(emblem(), kEmblemLeft, kEmblemTop, kEmblemSize, kEmblemSize);
    } else if (!letterhead->logo.isNull()) {
        paintLogo(page, letterhead->logo);
    }
}

}  // namespace

int printPageHead(platform::PrinterPage& page, const std::optional<Letterhead>& letterhead,
                  core::ReportLanguage language) {
    printHeader(page, letterhead, language);
    printEmblem(page, letterhead);
    return kUpperRuleY;
}

QString aspectYearsLine(core::ReportLanguage language) {
    return core::pageCaption(language, core::PageCaption::NoAspects)
        .arg(QString::number(core::kAspectYearsFrom), QString::number(core::kAspectYearsTo));
}

bool printReport(platform::PrinterPage& page, const core::Forecast& forecast,
                 const core::ClientNames& client, const QDateTime& madeAt,
                 const std::optional<Letterhead>& letterhead, core::ReportLanguage language) {
    composeReport(page, forecast, client, madeAt, letterhead, language);
    return page.endDoc();
}

void composeReport(platform::PrinterPage& page, const core::Forecast& f,
                   const core::ClientNames& client, const QDateTime& madeAt,
                   const std::optional<Letterhead>& letterhead, core::ReportLanguage language) {
    using core::PageCaption;
    const auto words = [language](PageCaption caption) {
        return core::pageCaption(language, caption);
    };
    printHeader(page, letterhead, language);

    // The client.
    page.setFontSize(kBodySize);
    printClientNames(page, client, language);
    blankLine(page);

    // When the forecast was made, and for which date of birth.
    page.setFontSize(kHeaderSize);
    page.print(words(PageCaption::MadeAt) + reportDateTime(madeAt, language) +
               words(PageCaption::BornOn) +
               core::birthDateText(language, f.date.day, f.date.monthIndex, f.date.year));
    blankLine(page);
    page.line(0, kLowerRuleY, page.scaleWidth(), kLowerRuleY);
    blankLine(page);

    page.setFontBold(true);
    page.setFontSize(kBodySize);
    page.print(words(PageCaption::Title));
    page.setFontBold(false);
    blankLine(page);

    // The figures right of the graph.
    page.setCurrentY(kFiguresY);
    page.setCurrentX(kFiguresX);
    page.print(words(PageCaption::Happiness) + core::percentText(f.happinessPercent));
    blankLine(page);
    page.setCurrentX(kFiguresX);
    page.print(words(PageCaption::Largest) + QString::number(f.largest));
    page.setCurrentX(kFiguresX);
    page.print(words(PageCaption::Smallest) + QString::number(f.smallest));
    blankLine(page);

    printEmblem(page, letterhead);

    if (f.aspectsCounted) {
        printAspectColumn(page, f, language);
    } else {
        printNoAspects(page, language);
    }

    // The grid and the curve, drawn by the same procedures as on the screen.
    page.setDrawWidth(kGraphPenWidth);
    graph::Maket(page, core::kPageGridOrigin);
    graph::P1(page, f, core::kPageGridOrigin);

    printDigitAxis(page);
    printYearRows(page, f);
}

}  // namespace print
