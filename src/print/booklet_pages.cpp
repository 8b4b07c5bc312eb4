#include "print/booklet_pages.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "platform/fonts.h"
#include "platform/replay.h"
#include "platform/safe_file.h"
#include "print/report.h"

namespace print {

namespace {

constexpr double kRunningLinePoints = 10;
constexpr double kRunningLineGap = 100;  // under the head's rule

// «Иванова Мария — 23 Август 1975», or the date alone without a name.
QString whoseLine(const core::Booklet& b) {
    const QString name = core::fullName(b.client);
    return name.isEmpty() ? b.forecast.dateText()
                          : QStringLiteral("%1 — %2").arg(name, b.forecast.dateText());
}

}  // namespace

BookletPages::BookletPages(core::Booklet booklet, double pageWidthTw, double pageHeightTw)
    : booklet_(std::move(booklet)), pageWidth_(pageWidthTw), pageHeight_(pageHeightTw) {
    flowed_ = flowBlocks(booklet_.blocks, pageWidth_, kBodyTop, bodyBottom());
}

void BookletPages::compose(platform::PrinterPage& page, int number, const QDateTime& madeAt,
                           const std::optional<Letterhead>& letterhead) const {
    if (number <= 1) {
        composeReport(page, booklet_.forecast, booklet_.client, madeAt, letterhead);
        return;
    }
    composeWords(page, number, letterhead);
}

void BookletPages::composeWords(platform::PrinterPage& page, int number,
                                const std::optional<Letterhead>& letterhead) const {
    const int rule = printPageHead(page, letterhead);
    page.setFontSize(kRunningLinePoints);
    page.setFontBold(false);
    const double y = rule + kRunningLineGap;
    page.setCurrentX(0);
    page.setCurrentY(y);
    page.print(whoseLine(booklet_));
    const QString pageText = core::pageCaption(booklet_.language, core::PageCaption::PageOf)
                                 .arg(QString::number(number), QString::number(pageCount()));
    const QFontMetricsF metrics(
        platform::twipFont(platform::printerFamily(), kRunningLinePoints, false, false));
    page.setCurrentX(page.scaleWidth() - metrics.horizontalAdvance(pageText));
    page.setCurrentY(y);
    page.print(pageText);
    const auto index = static_cast<std::size_t>(number - 2);
    if (index < flowed_.size()) {
        drawPieces(page, flowed_[index], booklet_.forecast, booklet_.outlook,
                   booklet_.choice.thisYear);
    }
}

ManyResult composeBooklets(const BookletSource& next, const QDateTime& madeAt,
                           const std::optional<Letterhead>& letterhead,
                           const std::function<bool(const platform::PrinterPage&)>& deliver) {
    ManyResult result;
    std::optional<BookletPages> booklet;
    for (NextPage step = next(booklet); step != NextPage::End; step = next(booklet)) {
        if (step == NextPage::Stop) {
            result.stopped = true;
            return result;
        }
        for (int k = 1; k <= booklet->pageCount(); ++k) {
            platform::PrinterPage page;
            booklet->compose(page, k, madeAt, letterhead);
            if (!deliver(page)) {
                return result;
            }
            ++result.pages;
        }
    }
    return result;
}

QString writeBookletsPdf(const BookletSource& next, const QString& path, const QDateTime& madeAt,
                         const std::optional<Letterhead>& letterhead) {
    return platform::writeFileAtomically(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(6.35, 6.35, 6.35, 6.35),
                                         QPageLayout::Millimeter));
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Zemtar - Прогноз"));
        writer.setTitle(QStringLiteral("Подробный отчёт"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        bool failed = false;
        int drawn = 0;
        const ManyResult result =
            composeBooklets(next, madeAt, letterhead, [&](const platform::PrinterPage& page) {
                // Each page after the first opens a fresh sheet.
                if (drawn > 0 && !writer.newPage()) {
                    failed = true;
                    return false;
                }
                page.render(painter, writer.resolution(), writer.resolution());
                ++drawn;
                return true;
            });
        return !failed && !result.stopped && result.pages > 0 && painter.end();
    });
}

}  // namespace print
