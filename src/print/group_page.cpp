#include "print/group_page.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

#include "core/group_words.h"
#include "core/program_info.h"
#include "graph/group_chart.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/delivery.h"
#include "print/report.h"
#include "print/save_place.h"

namespace print {

namespace {

// Font sizes, points.
constexpr double kTitleSize = 14;
constexpr double kBodySize = 10;
constexpr double kChartTextSize = 8;
constexpr double kTableSize = 9;

// Fixed places on the page, twips from the top left of the printable area.
constexpr int kChartTop = 3200;
constexpr int kChartHeight = 5200;
constexpr int kListsTop = kChartTop + kChartHeight + 200;
constexpr int kColumnsTop = 10300;  // or lower, when the lists above run long
constexpr int kColumnsGap = 200;
constexpr int kSecondColumnX = 5200;
constexpr int kGraphPenWidth = 6;  // printer pixels, for the curves
// A list is broken into lines of this many years, or of aspects.
constexpr int kYearsPerLine = 14;
constexpr int kAspectsPerLine = 5;
// Three to six people: the chart under the people's lines, and the aspect table.
constexpr int kManyChartGap = 150;
constexpr int kManyChartHeight = 5400;
constexpr int kTableNameWidth = 2900;
constexpr int kTableColumnWidth = 1250;

// The chart on the printer page: points, lines and painted drawings as the
// page draws them, texts at the page's cursor in black.
class PageChart : public graph::TextCanvas {
public:
    explicit PageChart(platform::PrinterPage& page) : page_(page) {}
    void point(int x, int y, std::optional<QColor> color) override { page_.point(x, y, color); }
    void line(int x1, int y1, int x2, int y2, std::optional<QColor> color) override {
        page_.line(x1, y1, x2, y2, color);
    }
    void text(int x, int y, const QString& text, double points,
              std::optional<QColor> /*color*/) override {
        page_.setCurrentX(x);
        page_.setCurrentY(y);
        page_.setFontSize(points);
        page_.print(text);
    }
    void paintInRect(const QRectF& rect, platform::PaintInRect paint) override {
        page_.paintInRect(rect, std::move(paint));
    }
    const std::vector<platform::DrawOp>& ops() const override { return page_.ops(); }

private:
    platform::PrinterPage& page_;
};

void printAt(platform::PrinterPage& page, double x, const QString& text) {
    page.setCurrentX(x);
    page.print(text);
}

QString words(core::ReportLanguage language, core::PageCaption caption) {
    return core::pageCaption(language, caption);
}

QString groupWords(core::ReportLanguage language, core::GroupCaption caption) {
    return core::groupCaption(language, caption);
}

QStringList labelsOf(const core::Group& g, core::ReportLanguage language) {
    QStringList labels;
    for (const core::GroupMember& m : g.members) {
        labels << core::personLabel(m.person, language);
    }
    return labels;
}

QFontMetricsF metricsOf(const platform::PrinterPage& page) {
    return QFontMetricsF(platform::twipFont(platform::printerFamily(), page.fontSize(),
                                            page.fontBold(), page.fontUnderline()));
}

QString bornText(const core::Person& p, core::ReportLanguage language) {
    const core::BirthDate& d = p.birthDate;
    return core::birthDateText(language, d.day, d.monthIndex, d.year);
}

void printPerson(platform::PrinterPage& page, core::PageCaption who, const core::GroupMember& m,
                 core::ReportLanguage language) {
    using core::PageCaption;
    const QString name = core::fullName(m.person.names);
    const core::Forecast& f = m.forecast;
    page.print(words(language, who) + name + (name.isEmpty() ? QString() : QStringLiteral(", ")) +
               words(language, PageCaption::PersonBorn) + bornText(m.person, language));
    page.print(words(language, PageCaption::PersonFigures)
                   .arg(core::percentText(f.happinessPercent), QString::number(f.smallest),
                        QString::number(f.largest)));
}

// A caption and its items, «нет» for none, broken into lines of `perLine`
// items that stand under the first.
void printList(platform::PrinterPage& page, const QString& caption, const QStringList& items,
               int perLine, core::ReportLanguage language) {
    if (items.isEmpty()) {
        page.print(caption + words(language, core::PageCaption::None));
        return;
    }
    QString lead = caption;
    for (qsizetype from = 0; from < items.size(); from += perLine) {
        page.print(lead + items.mid(from, perLine).join(QStringLiteral(", ")));
        lead = QString(caption.size(), u' ');
    }
}

// Prints `text` from x, broken between words where a line would run past the
// page's edge (a list of six long names is longer than a line); the lines
// after the first start at `indent`.
void printFitted(platform::PrinterPage& page, const QFontMetricsF& metrics, double x,
                 const QString& text, double indent) {
    QString line;
    for (const QString& word : text.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.trimmed().isEmpty() &&
            x + metrics.horizontalAdvance(longer) > page.scaleWidth()) {
            printAt(page, x, line);
            line = word;
            x = indent;
        } else {
            line = longer;
        }
    }
    printAt(page, x, line);
}

// A caption and its items, «нет» for none, the items joined by `glue` and
// broken between them where a line would run past the page's edge; the lines
// after the first start at `indent`.
void printWrapped(platform::PrinterPage& page, const QString& caption, const QStringList& items,
                  const QString& glue, core::ReportLanguage language, double indent = 400) {
    if (items.isEmpty()) {
        page.print(caption + words(language, core::PageCaption::None));
        return;
    }
    const QFontMetricsF metrics = metricsOf(page);
    QString line = caption;
    double x = 0;
    bool first = true;
    for (const QString& item : items) {
        const QString longer = first ? line + item : line + glue + item;
        if (!first && x + metrics.horizontalAdvance(longer) > page.scaleWidth()) {
            printFitted(page, metrics, x, line + glue.trimmed(), indent);
            line = item;
            x = indent;
        } else {
            line = longer;
        }
        first = false;
    }
    printFitted(page, metrics, x, line, indent);
}

QStringList yearTexts(const std::vector<long long>& years) {
    QStringList texts;
    for (const long long y : years) {
        texts << QString::number(y);
    }
    return texts;
}

// One of two people's aspect column at x, with the report's captions and the
// percentages the forecast gives; outside the birth years the aspects are
// counted for, the line that says so instead.
void printPersonAspects(platform::PrinterPage& page, int x, double top, const core::GroupMember& m,
                        core::ReportLanguage language) {
    page.setCurrentY(top);
    page.setFontSize(kBodySize);
    page.setFontBold(true);
    printAt(page, x,
            words(language, core::PageCaption::AspectsOf) + core::personLabel(m.person, language));
    page.setFontBold(false);
    if (!m.forecast.aspectsCounted) {
        printAt(page, x, aspectYearsLine(language));
        return;
    }
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        printAt(page, x, aspectColumnRow(m.forecast, digit, language));
    }
}

void drawChart(platform::PrinterPage& page, const core::Group& g, const graph::ChartArea& area,
               std::optional<long long> markedYear, core::ReportLanguage language) {
    page.setDrawWidth(kGraphPenWidth);
    PageChart chart(page);
    graph::drawGroupChart(chart, g, area, labelsOf(g, language), markedYear, kChartTextSize,
                          language);
    page.setDrawWidth(1);
}

void composePair(platform::PrinterPage& page, const core::Group& g, const QDateTime& madeAt,
                 std::optional<long long> markedYear, core::ReportLanguage language) {
    using core::PageCaption;
    page.setFontSize(kTitleSize);
    page.setFontBold(true);
    page.print(words(language, PageCaption::CompareTitle));
    page.setFontBold(false);
    page.setFontSize(kBodySize);
    printPerson(page, PageCaption::FirstPerson, g.members[0], language);
    printPerson(page, PageCaption::SecondPerson, g.members[1], language);
    page.print(words(language, PageCaption::MadeAt) + reportDateTime(madeAt, language) +
               words(language, PageCaption::CompareSpan)
                   .arg(QString::number(g.span.from), QString::number(g.span.to)));

    drawChart(page, g, {0, kChartTop, page.scaleWidth(), kChartHeight}, markedYear, language);

    page.setCurrentX(0);
    page.setCurrentY(kListsTop);
    page.setFontSize(kBodySize);
    printList(page, words(language, PageCaption::BothHighest), yearTexts(g.allHighest),
              kYearsPerLine, language);
    printList(page, words(language, PageCaption::BothLowest), yearTexts(g.allLowest), kYearsPerLine,
              language);
    printList(page, words(language, PageCaption::BothAspects), core::sharedAspectNames(g, language),
              kAspectsPerLine, language);

    const double columnsTop = std::max<double>(kColumnsTop, page.currentY() + kColumnsGap);
    printPersonAspects(page, 0, columnsTop, g.members[0], language);
    printPersonAspects(page, kSecondColumnX, columnsTop, g.members[1], language);
}

// The aspects of three to six people in one table: a row an aspect, a column
// a person (numbered as the lines above), the percentage each forecast gives;
// «—» for someone born outside the years the aspects are counted for, and
// the line that says so under the table.
void printAspectTable(platform::PrinterPage& page, const core::Group& g,
                      core::ReportLanguage language) {
    page.setFontSize(kTableSize);
    const double top = page.currentY();
    page.setFontBold(true);
    printAt(page, 0, groupWords(language, core::GroupCaption::Aspect));
    bool someUncounted = false;
    for (int k = 0; k < g.size(); ++k) {
        page.setCurrentY(top);
        page.setTextColor(graph::memberStyle(k).color);
        printAt(page, kTableNameWidth + k * kTableColumnWidth, QString::number(k + 1));
        someUncounted = someUncounted || !g.members[std::size_t(k)].forecast.aspectsCounted;
    }
    page.setTextColor(std::nullopt);
    page.setFontBold(false);
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        const double rowTop = page.currentY();
        printAt(page, 0, core::aspectName(language, digit));
        for (int k = 0; k < g.size(); ++k) {
            const core::Forecast& f = g.members[std::size_t(k)].forecast;
            page.setCurrentY(rowTop);
            printAt(page, kTableNameWidth + k * kTableColumnWidth,
                    f.aspectsCounted ? core::percentText(f.aspects[std::size_t(digit - 1)].percent)
                                     : QStringLiteral("—"));
        }
    }
    if (someUncounted) {
        printAt(page, 0, QStringLiteral("— ") + aspectYearsLine(language));
    }
}

void composeMany(platform::PrinterPage& page, const core::Group& g, const QDateTime& madeAt,
                 std::optional<long long> markedYear, core::ReportLanguage language) {
    using core::GroupCaption;
    using core::PageCaption;
    page.setFontSize(kTitleSize);
    page.setFontBold(true);
    page.print(groupWords(language, GroupCaption::Title));
    page.setFontBold(false);
    page.setFontSize(kBodySize);
    const QFontMetricsF metrics = metricsOf(page);
    for (int k = 0; k < g.size(); ++k) {
        const core::GroupMember& m = g.members[std::size_t(k)];
        const QString name = core::fullName(m.person.names);
        const QString line =
            words(language, PageCaption::TextPerson)
                .arg(QString::number(k + 1),
                     name.isEmpty() ? QString() : name + QStringLiteral(", "),
                     bornText(m.person, language), core::percentText(m.forecast.happinessPercent),
                     QString::number(m.forecast.smallest), QString::number(m.forecast.largest));
        page.print(metrics.elidedText(line, Qt::ElideMiddle, page.scaleWidth()));
    }
    page.print(words(language, PageCaption::MadeAt) + reportDateTime(madeAt, language) +
               words(language, PageCaption::CompareSpan)
                   .arg(QString::number(g.span.from), QString::number(g.span.to)));

    const int chartTop = static_cast<int>(page.currentY()) + kManyChartGap;
    drawChart(page, g, {0, chartTop, page.scaleWidth(), kManyChartHeight}, markedYear, language);

    page.setCurrentX(0);
    page.setCurrentY(chartTop + kManyChartHeight + kManyChartGap);
    page.setFontSize(kBodySize);
    printWrapped(page, groupWords(language, GroupCaption::AllHighest), yearTexts(g.allHighest),
                 QStringLiteral(", "), language);
    printWrapped(page, groupWords(language, GroupCaption::AllLowest), yearTexts(g.allLowest),
                 QStringLiteral(", "), language);
    printWrapped(page, groupWords(language, GroupCaption::AllAspects),
                 core::sharedAspectNames(g, language), QStringLiteral(", "), language);
    printWrapped(page, groupWords(language, GroupCaption::SomeAspects),
                 core::partlySharedAspects(g, language), QStringLiteral("; "), language);
    page.setCurrentY(page.currentY() + kColumnsGap);
    printAspectTable(page, g, language);
}

}  // namespace

void composeGroupPage(platform::PrinterPage& page, const core::Group& group,
                      const QDateTime& madeAt, std::optional<long long> markedYear,
                      const std::optional<Letterhead>& letterhead, core::ReportLanguage language) {
    const int headBottom = printPageHead(page, letterhead, language);
    page.setCurrentX(0);  // a rule leaves the cursor at its end
    page.setCurrentY(headBottom + 100);
    if (group.size() == 2) {
        composePair(page, group, madeAt, markedYear, language);
    } else if (group.size() > 2) {
        composeMany(page, group, madeAt, markedYear, language);
    }
}

GroupPages::GroupPages(core::Group group, std::optional<long long> markedYear,
                       const std::vector<core::BookletBlock>& texts, core::ReportLanguage language)
    : group_(std::move(group)), markedYear_(markedYear), language_(language) {
    if (!texts.empty()) {
        flowed_ =
            flowBlocks(texts, platform::PrinterPage::kDefaultPageWidthTw, BookletPages::kBodyTop,
                       kA4PrintableHeightTw - BookletPages::kBodyFootGap);
    }
}

DocumentFacts GroupPages::facts() const {
    DocumentFacts facts;
    const QStringList labels = labelsOf(group_, core::ReportLanguage::Russian);
    // The people's labels are typed text: one arg() puts each in whole.
    facts.title = group_.size() == 2
                      ? QCoreApplication::translate("print::GroupPages", "%1: %2 и %3")
                            .arg(info::programName(), labels.value(0), labels.value(1))
                      : QCoreApplication::translate("print::GroupPages", "%1: %2")
                            .arg(info::programName(), labels.join(QStringLiteral(", ")));
    facts.printedWhat =
        flowed_.empty() ? QCoreApplication::translate("print::GroupPages", "страницу сравнения")
                        : QCoreApplication::translate("print::GroupPages", "страницы сравнения");
    facts.saveTitle =
        QCoreApplication::translate("print::GroupPages", "Сохранить сравнение в файл PDF");
    facts.folder = SavedFile::ComparisonPdf;
    facts.suggestedPath = suggestedGroupPath(group_);
    facts.withoutLogo =
        flowed_.empty()
            ? QCoreApplication::translate("print::GroupPages", "Страница печатается без логотипа.")
            : QCoreApplication::translate("print::GroupPages", "Страницы печатаются без логотипа.");
    facts.noPages = QCoreApplication::translate("print::GroupPages", "страница не составлена");
    return facts;
}

PageComposer::Step GroupPages::composePage(platform::PrinterPage& page,
                                           const PageContext& context) {
    const int number = context.pageNumber;
    if (number == 1) {
        composeGroupPage(page, group_, context.madeAt, markedYear_, context.letterhead, language_);
        return Step::Page;
    }
    const auto index = static_cast<std::size_t>(number - 2);
    if (number < 1 || index >= flowed_.size() || group_.members.empty()) {
        return Step::End;
    }
    QStringList names;
    for (const core::GroupMember& m : group_.members) {
        names << core::memberName(m, language_);
    }
    const QString head =
        group_.size() == 2
            ? core::pageCaption(language_, core::PageCaption::PairOf).arg(names[0], names[1])
            : core::namesList(names, language_);
    drawRunningHead(page, context.letterhead, head, number, *pageCount(), language_);
    drawPieces(page, flowed_[index], {}, 0);
    return Step::Page;
}

QString printGroupToPdf(const core::Group& group, const QString& path, const QDateTime& madeAt,
                        std::optional<long long> markedYear,
                        const std::optional<Letterhead>& letterhead,
                        const std::vector<core::BookletBlock>& texts,
                        core::ReportLanguage language) {
    GroupPages pages(group, markedYear, texts, language);
    return writePdfFile(pages, path, quietContext(madeAt, letterhead)).error;
}

}  // namespace print
