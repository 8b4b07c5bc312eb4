#include "print/booklet_pages.h"

#include <array>
#include <memory>

#include <QCoreApplication>
#include <QFontMetricsF>

#include "platform/fonts.h"
#include "platform/replay.h"
#include "print/report.h"
#include "print/save_place.h"

namespace print {

namespace {

constexpr double kRunningLinePoints = 10;
constexpr double kRunningLineGap = 100;  // under the head's rule

// «Иванова Мария — 23 августа 1975 г.», or the date alone without a name.
QString whoseLine(const core::Booklet& b) {
    const QString name = core::fullName(b.person.names, b.language());
    const QString born = core::bookletDate(b.forecast, b.language());
    return name.isEmpty() ? born : QStringLiteral("%1 — %2").arg(name, born);
}

}  // namespace

BookletPages::BookletPages(core::Booklet booklet, double pageWidthTw, double pageHeightTw)
    : booklet_(std::move(booklet)), pageWidth_(pageWidthTw), pageHeight_(pageHeightTw) {
    flowed_ = flowBlocks(booklet_.blocks, pageWidth_, kBodyTop, bodyBottom());
}

void BookletPages::compose(platform::PrinterPage& page, int number,
                           const std::optional<Letterhead>& letterhead) const {
    if (number <= 1) {
        composeBookletFirstPage(page, booklet_, letterhead, events_);
        return;
    }
    composeWords(page, number, letterhead);
}

void BookletPages::composeWords(platform::PrinterPage& page, int number,
                                const std::optional<Letterhead>& letterhead) const {
    drawRunningHead(page, letterhead, whoseLine(booklet_), number, pageCount(),
                    booklet_.language());
    const auto index = static_cast<std::size_t>(number - 2);
    if (index < flowed_.size()) {
        drawPieces(page, flowed_[index], booklet_.outlook, booklet_.choice.thisYear);
    }
}

void drawRunningHead(platform::PrinterPage& page, const std::optional<Letterhead>& letterhead,
                     const QString& whose, int number, int count, core::ReportLanguage language) {
    const int rule = printPageHead(page, letterhead, language);
    page.setFontSize(kRunningLinePoints);
    page.setFontBold(false);
    const double y = rule + kRunningLineGap;
    page.setCurrentX(0);
    page.setCurrentY(y);
    page.print(whose);
    const QString pageText = core::pageCaption(language, core::PageCaption::PageOf)
                                 .arg(QString::number(number), QString::number(count));
    const QFontMetricsF metrics(
        platform::twipFont(platform::printerFamily(), kRunningLinePoints, false, false));
    page.setCurrentX(page.scaleWidth() - metrics.horizontalAdvance(pageText));
    page.setCurrentY(y);
    page.print(pageText);
}

BookletSource bookletsOf(PageSource pages, core::TextLibrary library, core::BookletChoice choice) {
    return bookletsOf(
        std::move(pages), [library = std::move(library)](core::ReportLanguage) { return library; },
        choice);
}

BookletSource bookletsOf(PageSource pages, TextsFor textsFor, core::BookletChoice choice) {
    // Each language's texts are read once, at the first client who needs them.
    auto libraries = std::make_shared<
        std::array<std::optional<core::TextLibrary>, core::kReportLanguageCount>>();
    return [pages = std::move(pages), textsFor = std::move(textsFor), libraries,
            choice](std::optional<BookletPages>& booklet) {
        ReportPage page;
        const NextPage step = pages(page);
        if (step == NextPage::Page) {
            std::optional<core::TextLibrary>& texts =
                (*libraries)[static_cast<std::size_t>(page.person.language)];
            if (!texts) {
                texts = textsFor(page.person.language);
            }
            booklet.emplace(core::makeBooklet(page.forecast, page.person, *texts, choice));
        }
        return step;
    };
}

BookletsComposer::BookletsComposer(BookletPages booklet) : current_(std::move(booklet)) {
    suggestedPath_ =
        suggestedBookletPath(current_->booklet().person.names, current_->booklet().forecast.date);
}

BookletsComposer::BookletsComposer(BookletSource next, QString suggestedPath)
    : next_(std::move(next)), suggestedPath_(std::move(suggestedPath)) {}

DocumentFacts BookletsComposer::facts() const {
    DocumentFacts facts;
    const QString name = current_ && !next_ ? core::fullName(current_->booklet().person.names,
                                                             current_->booklet().language())
                                            : QString();
    facts.title =
        name.isEmpty()
            ? QCoreApplication::translate("print::BookletsComposer", "Подробный отчёт")
            : QCoreApplication::translate("print::BookletsComposer", "Подробный отчёт: %1")
                  .arg(name);
    facts.printedWhat =
        next_ ? QCoreApplication::translate("print::BookletsComposer", "подробные отчёты")
              : QCoreApplication::translate("print::BookletsComposer", "подробный отчёт");
    facts.saveTitle = QCoreApplication::translate("print::BookletsComposer",
                                                  "Сохранить подробный отчёт в файл PDF");
    facts.folder = next_ ? SavedFile::ManyReportsPdf : SavedFile::ReportPdf;
    facts.suggestedPath = suggestedPath_;
    facts.withoutLogo = QCoreApplication::translate("print::BookletsComposer",
                                                    "Подробный отчёт печатается без логотипа.");
    if (next_) {
        facts.progressText =
            QCoreApplication::translate("print::BookletsComposer", "Клиент %1 из %2");
        facts.printProgress =
            QCoreApplication::translate("print::BookletsComposer", "Печать подробных отчётов");
        facts.fileProgress =
            QCoreApplication::translate("print::BookletsComposer", "Подробные отчёты в PDF");
    }
    facts.noPages = QCoreApplication::translate(
        "print::BookletsComposer", "в списке нет ни одного клиента, для которого есть прогноз");
    return facts;
}

PageComposer::Step BookletsComposer::composePage(platform::PrinterPage& page,
                                                 const PageContext& context) {
    if (!current_ || composed_ >= current_->pageCount()) {
        if (!next_) {
            return Step::End;
        }
        context_ = &context;
        const NextPage step = next_(current_);
        context_ = nullptr;
        if (step != NextPage::Page) {
            return step == NextPage::End ? Step::End : Step::Stop;
        }
        composed_ = 0;
    }
    current_->compose(page, ++composed_, context.letterhead);
    return Step::Page;
}

std::optional<int> BookletsComposer::pageCount() const {
    return next_ || !current_ ? std::nullopt : std::optional(current_->pageCount());
}

void BookletsComposer::rewind() {
    composed_ = 0;
}

bool BookletsComposer::progress(int done, int total) const {
    return context_ == nullptr || context_->progress(done, total);
}

PagesResult writeBookletsPdf(const BookletSource& next, const QString& path,
                             const QDateTime& madeAt, const std::optional<Letterhead>& letterhead) {
    BookletsComposer booklets(next);
    return writePdfFile(booklets, path, quietContext(madeAt, letterhead));
}

}  // namespace print
