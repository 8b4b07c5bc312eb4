#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <vector>

#include "forecast_of.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "print/many_reports.h"
#include "print/report.h"
#include "same_ops.h"

namespace {

using platform::DrawOp;

const QDateTime kMadeAt{QDate(2026, 5, 1), QTime(9, 30, 0)};

// Hands out the pages in order; stops before page `stopAt` (counted from 0).
print::PageSource listOf(std::vector<print::ReportPage> pages, int stopAt = -1) {
    auto at = std::make_shared<size_t>(0);
    return [pages = std::move(pages), at, stopAt](print::ReportPage& page) {
        if (int(*at) == stopAt) {
            return print::NextPage::Stop;
        }
        if (*at == pages.size()) {
            return print::NextPage::End;
        }
        page = pages[(*at)++];
        return print::NextPage::Page;
    };
}

print::ReportPage pageFor(core::Forecast forecast, const char* surname, const char* name,
                          const char* patronymic) {
    print::ReportPage page;
    page.forecast = std::move(forecast);
    page.person.names = {QString::fromUtf8(surname), QString::fromUtf8(name),
                         QString::fromUtf8(patronymic)};
    return page;
}

std::vector<print::ReportPage> threeClients() {
    return {pageFor(forecastOf(23, 7, "1975"), "Иванова", "Мария", "Петровна"),
            pageFor(forecastOf(1, 0, "2005"), "Пётр", "", ""),  // no aspect column
            pageFor(forecastOf(31, 11, "1"), "", "", "")};
}

int pdfPages(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        pages += pdf.mid(at + 11, 1) != "s";
    }
    return pages;
}

}  // namespace

// Page k of a run is exactly the single report of client k, with and without
// a letterhead.
TEST(ManyReports, EachPageIsThatClientsSingleReport) {
    for (const bool withLetterhead : {false, true}) {
        std::optional<print::Letterhead> letterhead;
        if (withLetterhead) {
            QImage logo(40, 40, QImage::Format_ARGB32);
            logo.fill(Qt::darkBlue);
            letterhead = print::Letterhead{"Анна Сергеевна", {"+7 900 000-00-00"}, logo};
        }
        std::vector<std::vector<DrawOp>> delivered;
        const auto pages = threeClients();
        print::ReportsComposer reports(listOf(pages));
        const print::PageContext context = print::quietContext(kMadeAt, letterhead);
        print::ManyResult result;
        for (;;) {
            platform::PrinterPage page(10906, 600);
            if (reports.composePage(page, context) != print::PageComposer::Step::Page) {
                break;
            }
            delivered.push_back(page.ops());
            ++result.pages;
        }
        ASSERT_EQ(result.pages, 3);
        ASSERT_EQ(delivered.size(), 3u);
        for (size_t k = 0; k < pages.size(); ++k) {
            platform::PrinterPage single(10906, 600);
            print::printReport(single, pages[k].forecast, pages[k].person.names, kMadeAt,
                               letterhead);
            EXPECT_TRUE(sameOps(delivered[k], single.ops())) << "page " << k;
        }
    }
}

// The file appears whole with one page per client, or not at all; an
// existing file stays as it was.
TEST(ManyReports, PdfIsWholeOrNothing) {
    const struct {
        const char* what;
        std::vector<print::ReportPage> pages;
        int stopAt;
        int expectPages;  // -1: no file, the old one kept
        bool error;
    } cases[] = {
        {"three clients", threeClients(), -1, 3, false},
        {"stopped halfway", threeClients(), 2, -1, false},
        {"stopped before the first", threeClients(), 0, -1, false},
        {"nobody with a forecast", {}, -1, -1, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("new.pdf");
        const QString old = dir.filePath("old.pdf");
        QFile oldFile(old);
        ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
        oldFile.write("old bytes");
        oldFile.close();
        for (const QString& path : {fresh, old}) {
            const print::ManyResult r =
                print::writeReportsPdf(path, listOf(c.pages, c.stopAt), kMadeAt, {});
            EXPECT_EQ(r.stopped, c.stopAt >= 0) << c.what;
            EXPECT_EQ(!r.error.isEmpty(), c.error) << c.what << ": " << r.error.toStdString();
            QFile file(path);
            if (c.expectPages < 0) {
                if (path == fresh) {
                    EXPECT_FALSE(file.exists()) << c.what;
                } else {
                    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                    EXPECT_EQ(file.readAll(), "old bytes") << c.what;
                }
            } else {
                ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.what;
                EXPECT_EQ(pdfPages(file.readAll()), c.expectPages) << c.what;
            }
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), c.expectPages < 0 ? 1 : 2)
            << c.what << ": no stray temporary file";
    }
}

// The emblem, or the practitioner's logo (with its transparency a second
// picture, its mask), is kept once in the file however many pages show it.
TEST(ManyReports, PicturesAreStoredOncePerFile) {
    QImage opaque(40, 30, QImage::Format_RGB32);
    opaque.fill(Qt::darkBlue);
    QImage seeThrough(40, 30, QImage::Format_ARGB32);
    seeThrough.fill(QColor(0, 0, 128, 100));
    const struct {
        const char* what;
        std::optional<print::Letterhead> letterhead;
        int pictures;
    } cases[] = {
        {"the emblem", {}, 1},
        {"an opaque logo", print::Letterhead{"Анна", {}, opaque}, 1},
        {"a logo one sees through", print::Letterhead{"Анна", {}, seeThrough}, 2},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        std::vector<print::ReportPage> ten;
        for (int k = 0; k < 10; ++k) {
            ten.push_back(threeClients()[size_t(k % 3)]);
        }
        const QString path = dir.filePath("ten.pdf");
        ASSERT_EQ(print::writeReportsPdf(path, listOf(ten), kMadeAt, c.letterhead).pages, 10);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        // Object dictionaries are never compressed, only their streams.
        EXPECT_EQ(file.readAll().count("/Subtype /Image"), c.pictures) << c.what;
    }
}

// One print job of one page per client; a stopped job is aborted and gets
// no page after the stop (here the printer writes a PDF file).
TEST(ManyReports, PrintJobHasEveryPageOrStopsThere) {
    for (const int stopAt : {-1, 2}) {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("job.pdf"));
        const print::ManyResult r =
            print::printReports(printer, listOf(threeClients(), stopAt), kMadeAt, {});
        EXPECT_EQ(r.stopped, stopAt >= 0);
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        QFile file(dir.filePath("job.pdf"));
        const int pages = file.open(QIODevice::ReadOnly) ? pdfPages(file.readAll()) : 0;
        EXPECT_EQ(r.pages, stopAt < 0 ? 3 : stopAt);
        EXPECT_LE(pages, r.pages);
        EXPECT_GE(pages, stopAt < 0 ? 3 : 0);
    }
}
