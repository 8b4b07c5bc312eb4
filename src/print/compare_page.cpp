#include "print/compare_page.h"

#include <algorithm>

#include <QCoreApplication>

#include "core/program_info.h"
#include "graph/comparison_chart.h"
#include "platform/printer_page.h"
#include "print/delivery.h"
#include "print/report.h"
#include "print/save_place.h"

namespace print {

namespace {

// Font sizes, points.
constexpr double kTitleSize = 14;
constexpr double kBodySize = 10;
constexpr double kChartTextSize = 8;

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

// The chart on the printer page: points and lines as the page draws them,
// texts at the page's cursor in black.
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

void printPerson(platform::PrinterPage& page, core::PageCaption who, const core::ComparedPerson& p,
                 core::ReportLanguage language) {
    using core::PageCaption;
    const core::Forecast& f = p.forecast;
    page.print(words(language, who) + p.name.simplified() +
               (p.name.simplified().isEmpty() ? QString() : QStringLiteral(", ")) +
               words(language, PageCaption::PersonBorn) +
               core::birthDateText(language, f.date.day, f.date.monthIndex, f.date.year));
    page.print(words(language, PageCaption::PersonFigures)
                   .arg(f.happiness, QString::number(f.smallest), QString::number(f.largest)));
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

QStringList yearTexts(const std::vector<long long>& years) {
    QStringList texts;
    for (const long long y : years) {
        texts << QString::number(y);
    }
    return texts;
}

// One person's aspect column at x: the report composes it (same captions and
// percentages) on a page of its own, and its lines are set here; outside the
// birth years the aspects are counted for, the line that says so instead.
void printPersonAspects(platform::PrinterPage& page, int x, double top,
                        const core::ComparedPerson& p, core::ReportLanguage language) {
    page.setCurrentY(top);
    page.setFontSize(kBodySize);
    page.setFontBold(true);
    printAt(page, x, words(language, core::PageCaption::AspectsOf) + p.label(language));
    page.setFontBold(false);
    if (!p.forecast.aspectsCounted) {
        printAt(page, x, aspectYearsLine(language));
        return;
    }
    platform::PrinterPage scratch(page.scaleWidth(), page.deviceDpi());
    scratch.setFontSize(kBodySize);
    printAspectColumn(scratch, p.forecast, language);
    for (const platform::DrawOp& op : scratch.ops()) {
        if (op.kind == platform::DrawOp::Kind::Text && !op.text.trimmed().isEmpty()) {
            printAt(page, x, op.text);
        }
    }
}

}  // namespace

bool PrintComparison(platform::PrinterPage& page, const core::ComparedPerson& first,
                     const core::ComparedPerson& second, const core::Comparison& c,
                     const QDateTime& madeAt, std::optional<long long> markedYear,
                     const std::optional<Letterhead>& letterhead, core::ReportLanguage language) {
    composeComparison(page, first, second, c, madeAt, markedYear, letterhead, language);
    return page.endDoc();
}

void composeComparison(platform::PrinterPage& page, const core::ComparedPerson& first,
                       const core::ComparedPerson& second, const core::Comparison& c,
                       const QDateTime& madeAt, std::optional<long long> markedYear,
                       const std::optional<Letterhead>& letterhead, core::ReportLanguage language) {
    using core::PageCaption;
    const int headBottom = printPageHead(page, letterhead, language);
    page.setCurrentX(0);  // a rule leaves the cursor at its end
    page.setCurrentY(headBottom + 100);
    page.setFontSize(kTitleSize);
    page.setFontBold(true);
    page.print(words(language, PageCaption::CompareTitle));
    page.setFontBold(false);
    page.setFontSize(kBodySize);
    printPerson(page, PageCaption::FirstPerson, first, language);
    printPerson(page, PageCaption::SecondPerson, second, language);
    page.print(words(language, PageCaption::MadeAt) + reportDateTime(madeAt, language) +
               words(language, PageCaption::CompareSpan)
                   .arg(QString::number(c.fromYear), QString::number(c.toYear)));

    page.setDrawWidth(kGraphPenWidth);
    PageChart chart(page);
    graph::drawComparisonChart(chart, c, {0, kChartTop, page.scaleWidth(), kChartHeight},
                               first.label(language), second.label(language), markedYear,
                               kChartTextSize, language);
    page.setDrawWidth(1);

    page.setCurrentX(0);
    page.setCurrentY(kListsTop);
    page.setFontSize(kBodySize);
    printList(page, words(language, PageCaption::BothHighest), yearTexts(c.bothHighest),
              kYearsPerLine, language);
    printList(page, words(language, PageCaption::BothLowest), yearTexts(c.bothLowest),
              kYearsPerLine, language);
    printList(page, words(language, PageCaption::BothAspects), core::commonAspectNames(c, language),
              kAspectsPerLine, language);

    const double columnsTop = std::max<double>(kColumnsTop, page.currentY() + kColumnsGap);
    printPersonAspects(page, 0, columnsTop, first, language);
    printPersonAspects(page, kSecondColumnX, columnsTop, second, language);
}

ComparisonPages::ComparisonPages(core::ComparedPerson first, core::ComparedPerson second,
                                 core::Comparison c, std::optional<long long> markedYear,
                                 const std::vector<core::BookletBlock>& texts,
                                 core::ReportLanguage language)
    : first_(std::move(first)),
      second_(std::move(second)),
      comparison_(std::move(c)),
      markedYear_(markedYear),
      language_(language) {
    if (!texts.empty()) {
        flowed_ =
            flowBlocks(texts, platform::PrinterPage::kDefaultPageWidthTw, BookletPages::kBodyTop,
                       kA4PrintableHeightTw - BookletPages::kBodyFootGap);
    }
}

DocumentFacts ComparisonPages::facts() const {
    DocumentFacts facts;
    // The two people's labels are typed text: one arg() puts them in whole.
    facts.title = QCoreApplication::translate("print::ComparisonPages", "%1: %2 и %3")
                      .arg(info::programName(), first_.label(), second_.label());
    facts.printedWhat =
        flowed_.empty()
            ? QCoreApplication::translate("print::ComparisonPages", "страницу сравнения")
            : QCoreApplication::translate("print::ComparisonPages", "страницы сравнения");
    facts.saveTitle =
        QCoreApplication::translate("print::ComparisonPages", "Сохранить сравнение в файл PDF");
    facts.folder = SavedFile::ComparisonPdf;
    facts.suggestedPath = suggestedComparisonPath(first_, second_);
    facts.withoutLogo = flowed_.empty()
                            ? QCoreApplication::translate("print::ComparisonPages",
                                                          "Страница печатается без логотипа.")
                            : QCoreApplication::translate("print::ComparisonPages",
                                                          "Страницы печатаются без логотипа.");
    facts.noPages = QCoreApplication::translate("print::ComparisonPages", "страница не составлена");
    return facts;
}

PageComposer::Step ComparisonPages::composePage(platform::PrinterPage& page,
                                                const PageContext& context) {
    const int number = context.pageNumber;
    if (number == 1) {
        composeComparison(page, first_, second_, comparison_, context.madeAt, markedYear_,
                          context.letterhead, language_);
        return Step::Page;
    }
    const auto index = static_cast<std::size_t>(number - 2);
    if (number < 1 || index >= flowed_.size()) {
        return Step::End;
    }
    drawRunningHead(page, context.letterhead,
                    core::pageCaption(language_, core::PageCaption::PairOf)
                        .arg(core::pairName(first_, language_), core::pairName(second_, language_)),
                    number, *pageCount(), language_);
    drawPieces(page, flowed_[index], {}, 0);
    return Step::Page;
}

QString printComparisonToPdf(const core::ComparedPerson& first, const core::ComparedPerson& second,
                             const core::Comparison& c, const QString& path,
                             const QDateTime& madeAt, std::optional<long long> markedYear,
                             const std::optional<Letterhead>& letterhead,
                             const std::vector<core::BookletBlock>& texts,
                             core::ReportLanguage language) {
    ComparisonPages pages(first, second, c, markedYear, texts, language);
    return writePdfFile(pages, path, quietContext(madeAt, letterhead)).error;
}

}  // namespace print
