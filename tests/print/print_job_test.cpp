#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <variant>

#include "core/program_info.h"
#include "core/report_language.h"
#include "group_of.h"
#include "pdf_text.h"
#include "platform/file_dialogs.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/services.h"
#include "platform/user_settings.h"
#include "print/print_job.h"
#include "print/save_place.h"
#include "recording_services.h"

#include <QImage>
#include <QPrinter>

using print::PrintDelivery;

namespace {

QDateTime fixedClock() {
    return {QDate(2026, 5, 1), QTime(9, 30, 0)};
}

// A delivery with no printer and a file chooser that answers as told. The
// source counts how often the report asked for its forecast.
struct Desk {
    platform::RecordingServices services;
    QStringList asked;
    QString answer;
    int calculations = 0;
    std::function<void()> refuse;  // throws in place of the forecast when set
    PrintDelivery delivery{services};

    Desk() {
        delivery.setFindPrinter([] { return QPrinterInfo(); });
        delivery.setClock(fixedClock);
        delivery.setAskFileName([this](QWidget*, const QString& suggested) {
            asked << suggested;
            return answer;
        });
    }
    PrintDelivery::Outcome run(print::ReportTarget target = print::ReportTarget::Printout) {
        const print::ForecastSource source = [this] {
            ++calculations;
            if (refuse) {
                refuse();
            }
            return forecastOf(5, 4, "1990");
        };
        return delivery.run(target, source, {"Иванова", "Мария", "Петровна"});
    }
};

}  // namespace

TEST(PrintDelivery, WithoutPrinterAsksForAFileWithASuggestedName) {
    Desk desk;
    desk.run();
    ASSERT_EQ(desk.asked.size(), 1);
    EXPECT_EQ(QFileInfo(desk.asked[0]).fileName(), "Прогноз - Иванова Мария - 05.05.1990.pdf");
}

// The forecast is made before the file is asked for (its name carries the
// date of birth); a cancel then writes nothing and says nothing.
TEST(PrintDelivery, CancelledChoiceDoesNothingAndSaysNothing) {
    Desk desk;
    EXPECT_EQ(desk.run(), PrintDelivery::Outcome::Cancelled);
    EXPECT_TRUE(desk.services.messages.empty());
    EXPECT_EQ(desk.calculations, 1);
}

// The client dialog's button says what pressing it does.
TEST(PrintDelivery, CommandNamesWhatItDoes) {
    Desk desk;  // no printer
    EXPECT_EQ(desk.delivery.commandText(print::ReportTarget::Printout), "Сохранить");
    EXPECT_EQ(desk.delivery.commandText(print::ReportTarget::PdfFile), "Сохранить");
    EXPECT_EQ(desk.delivery.commandText(print::ReportTarget::Preview), "Просмотр");
}

TEST(PrintDelivery, SavesTheChosenFile) {
    QTemporaryDir dir;
    Desk desk;
    desk.answer = dir.filePath("отчёт.pdf");
    EXPECT_EQ(desk.run(), PrintDelivery::Outcome::Saved);
    EXPECT_TRUE(desk.services.messages.empty());
    EXPECT_EQ(desk.calculations, 1);
    QFile saved(desk.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(5) == "%PDF-");
}

TEST(PrintDelivery, UnwritableFileIsOneRussianMessageAndAFailure) {
    QTemporaryDir dir;
    Desk desk;
    desk.answer = dir.filePath("нет такой папки/отчёт.pdf");
    EXPECT_EQ(desk.run(), PrintDelivery::Outcome::Failed);
    ASSERT_EQ(desk.services.messages.size(), 1u);
    const platform::Message& m = desk.services.messages[0];
    EXPECT_TRUE(m.text.startsWith("Не удалось записать файл ")) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(desk.answer)));
    EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
    EXPECT_EQ(m.title, info::programName());
    EXPECT_FALSE(QFileInfo::exists(desk.answer));
}

// A refused input has told the user why already; a stopped calculation is
// told here. Neither leaves a file behind.
TEST(PrintDelivery, RefusedOrStoppedCalculationDeliversNothing) {
    const struct {
        const char* what;
        std::function<void()> refuse;
        const char* message;  // nullptr: none
    } cases[] = {
        {"refused", [] { throw core::InputRefused(); }, nullptr},
        {"stopped", [] { throw core::RuntimeError(core::RuntimeError::Kind::TypeMismatch); },
         "Расчёт остановлен: Несоответствие типа. Отчёт не напечатан."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        Desk desk;
        desk.answer = dir.filePath("отчёт.pdf");
        desk.refuse = c.refuse;
        EXPECT_EQ(desk.run(), PrintDelivery::Outcome::Failed);
        EXPECT_EQ(desk.calculations, 1);
        if (c.message) {
            ASSERT_EQ(desk.services.messages.size(), 1u);
            EXPECT_EQ(desk.services.messages[0].text, QString::fromUtf8(c.message));
        } else {
            EXPECT_TRUE(desk.services.messages.empty());
        }
        EXPECT_FALSE(QFileInfo::exists(desk.answer));
    }
}

TEST(SuggestedPdfPath, NamesAndTheDateOfBirthBecomeASafeFileName) {
    const core::BirthDate born{23, 7, "1975"};
    const struct {
        core::ClientNames client;
        const char* file;
    } cases[] = {
        {{"Иванова", "Мария", "Петровна"}, "Прогноз - Иванова Мария - 23.08.1975.pdf"},
        {{"Иванова", "", ""}, "Прогноз - Иванова - 23.08.1975.pdf"},
        {{"", " ", "Петровна"}, "Прогноз - 23.08.1975.pdf"},
        {{" Ива/нова:*", "Ма\nрия", ""}, "Прогноз - Ива_нова__ Ма рия - 23.08.1975.pdf"},
        {{"../..", "", ""}, "Прогноз - .._.. - 23.08.1975.pdf"},
    };
    for (const auto& c : cases) {
        const QString path = print::suggestedPdfPath(c.client, born);
        EXPECT_EQ(QFileInfo(path).fileName(), QString::fromUtf8(c.file));
        EXPECT_TRUE(QFileInfo(QFileInfo(path).absolutePath()).isDir());
    }
    const core::Group pair =
        groupOf({{23, 7, "1975", "Иванова Мария Петровна"}, {5, 4, "1990"}}, {2026, 2030});
    EXPECT_EQ(QFileInfo(print::suggestedGroupPath(pair)).fileName(),
              "Сравнение - Иванова Мария 23.08.1975 и 05.05.1990.pdf");
    const core::Group family =
        groupOf({{23, 7, "1975", "Иванова Мария"}, {5, 4, "1990", "Ива/нов"}, {1, 0, "2010"}},
                {2026, 2030});
    EXPECT_EQ(QFileInfo(print::suggestedGroupPath(family)).fileName(),
              "Вместе - Иванова, Ива_нов, 01.01.2010.pdf");
}

// Each kind of file starts where the last of its kind was saved, as long as
// that folder is there; the others keep their own.
TEST(SuggestedPdfPath, EachKindRemembersItsFolder) {
    QTemporaryDir dir;
    platform::setUserSettingsFile(dir.filePath("zemtar.conf"));
    // Windows allows no line break in a name; Debian does.
#ifdef Q_OS_WIN
    const QString folder = dir.filePath("отчёты  клиентов; новые");
#else
    const QString folder = dir.filePath("отчёты  клиентов\nновые");
#endif
    ASSERT_TRUE(QDir().mkpath(folder));
    Desk desk;
    desk.answer = folder + "/отчёт.pdf";
    EXPECT_EQ(desk.run(), PrintDelivery::Outcome::Saved);
    EXPECT_EQ(print::lastSaveFolder(print::SavedFile::ReportPdf), folder);
    EXPECT_EQ(QFileInfo(print::suggestedPdfPath({}, {1, 0, "1"})).absolutePath(), folder);
    EXPECT_EQ(print::lastSaveFolder(print::SavedFile::Picture), platform::documentsFolder());
    QDir(folder).removeRecursively();
    EXPECT_EQ(print::lastSaveFolder(print::SavedFile::ReportPdf), platform::documentsFolder());
    platform::setUserSettingsFile(QString());
}

// The whole page through a real PDF file, read back as text. Set
// ZEMTAR_REPORT_PDF to a path to keep the file and look at it.
TEST(PrintReportToPdf, PageReadsBackAsText) {
    QTemporaryDir dir;
    const QString kept = qEnvironmentVariable("ZEMTAR_REPORT_PDF");
    const QString path = kept.isEmpty() ? dir.filePath("report.pdf") : kept;
    ASSERT_EQ(print::printReportToPdf(forecastOf(23, 7, "1975"), path,
                                      {"Иванова", "Мария", "Петровна"}, fixedClock()),
              QString());
    if (!kPdfTextReadable) {
        GTEST_SKIP() << "the page's words: they need pdftotext, a Debian tool";
    }

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    ASSERT_EQ(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QStringList expected = {
        "\"Zemtar - Прогноз\" Версия 1.4 - " +
            core::pageCaption(core::ReportLanguage::Russian, core::PageCaption::YearAndAuthor),
        info::authorSite(),
        "E-Mail: " + info::authorEmail(),
        "Фамилия: Иванова",
        "Имя: Мария",
        "Отчество: Петровна",
        "Дата рождения прогнозируемого человека: 23 Август 1975г.",
        "Расчёт распределения жизненных сил по годам",
        "Количество процентов счастья: 72%",
        "Максимальный уровень жизненных сил: 8",
        "Минимальный уровень жизненных сил: 0",
        "Уровень биополя - 14%",
        "Судьба - 50%",
        "1975 1976 1977 1978 1979 1980 1981",
        "2073 2074 2075 2076 2077 2078 2079",
    };
    QString flat = text;
    flat.replace(QRegularExpression("[ \\t]+"), " ");
    for (const QString& line : expected) {
        QString wanted = line;
        wanted.replace(QRegularExpression("[ \\t]+"), " ");
        EXPECT_TRUE(flat.contains(wanted)) << line.toStdString() << "\n---\n" << text.toStdString();
    }
    EXPECT_FALSE(flat.contains("2080"));
}

TEST(PrintReportToPdf, UnwritablePathIsAFailure) {
    QTemporaryDir dir;
    const QString error = print::printReportToPdf(forecastOf(5, 4, "1990"),
                                                  dir.filePath("нет/отчёт.pdf"), {}, fixedClock());
    EXPECT_TRUE(error.startsWith("Не удалось записать файл ")) << error.toStdString();
    EXPECT_TRUE(error.contains("отчёт.pdf: ")) << error.toStdString();
}

namespace {

struct Word {
    QString text;
    QPointF at;  // top left, points from the page's top left
};

// The words of a PDF's first page with their places (pdftotext -bbox).
std::vector<Word> wordsOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", "-enc", "UTF-8", pdf, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<Word> words;
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3).replace("&quot;", "\"").replace("&amp;", "&"),
                         {m.captured(1).toDouble(), m.captured(2).toDouble()}});
    }
    return words;
}

// Every text of the page stands in the PDF where the page put it: its first
// word within a point or two of the text's top left, the printable area
// starting at `origin` (points).
void expectTextsInPlace(const platform::PrinterPage& page, const QString& pdf, QPointF origin) {
    const std::vector<Word> words = wordsOf(pdf);
    int texts = 0;
    for (const platform::DrawOp& op : page.ops()) {
        const QString first = op.text.simplified().section(' ', 0, 0);
        if (op.kind != platform::DrawOp::Kind::Text || first.isEmpty()) {
            continue;
        }
        ++texts;
        // Leading blanks push the first word right, a blank being 0.278 of
        // the font's size in the page's face.
        const qsizetype blanks = op.text.indexOf(op.text.trimmed());
        const QPointF wanted = origin + op.p1 / 20.0 + QPointF(blanks * 0.278 * op.fontSize, 0);
        const bool found = std::any_of(words.begin(), words.end(), [&](const Word& w) {
            return w.text == first && std::abs(w.at.x() - wanted.x()) < 2.5 &&
                   std::abs(w.at.y() - wanted.y()) < 4;
        });
        EXPECT_TRUE(found) << op.text.toStdString() << " at " << wanted.x() << "," << wanted.y();
    }
    EXPECT_GT(texts, 20);
}

// The page a report on this printer carries.
platform::PrinterPage printoutPageFor(double widthTw, int dpi) {
    platform::PrinterPage page(widthTw, dpi);
    print::printReport(page, forecastOf(5, 4, "1990"), {"Иванова", "Мария", "Петровна"},
                       fixedClock());
    return page;
}

}  // namespace

// The preview draws the report for whatever printer it is given. Printed from
// the preview into a PDF file, as a user without a printer does, the page is
// the one a printout on that printer carries, every text in its place.
TEST(PrintPreview, PrintsThePrintoutsPageOnTheChosenPrinter) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("из просмотра.pdf");
    Desk desk;
    double widthTw = 0;
    int dpi = 0;
    QPointF origin;
    desk.delivery.setShowPreview(
        [&](QWidget*, QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            paint(&printer);
            widthTw = platform::printableWidthTw(printer);
            dpi = printer.resolution();
            origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
            return true;
        });
    EXPECT_EQ(desk.run(print::ReportTarget::Preview), PrintDelivery::Outcome::Printed);
    EXPECT_TRUE(desk.services.messages.empty());
    EXPECT_EQ(desk.calculations, 1);
    if (!kPdfTextReadable) {
        GTEST_SKIP() << "where the words stand on the page: that needs pdftotext, a Debian tool";
    }
    expectTextsInPlace(printoutPageFor(widthTw, dpi), pdf, origin);
}

namespace {

// A document of `pages` pages that knows its length beforehand and prints
// «Страница k из n» on each; it tells its progress before every page.
class CountedPages : public print::PageComposer {
public:
    explicit CountedPages(int pages) : pages_(pages) {}
    print::DocumentFacts facts() const override {
        print::DocumentFacts facts;
        facts.title = QStringLiteral("Страницы");
        facts.noPages = QStringLiteral("нет страниц");
        return facts;
    }
    std::optional<int> pageCount() const override { return pages_; }
    Step composePage(platform::PrinterPage& page, const print::PageContext& at) override {
        if (at.pageNumber > pages_) {
            return Step::End;
        }
        if (!at.progress(at.pageNumber, pages_)) {
            return Step::Stop;
        }
        page.print(QStringLiteral("Страница %1 из %2")
                       .arg(QString::number(at.pageNumber), QString::number(*at.pageCount)));
        seen << page.ops().back().text;
        return Step::Page;
    }
    QStringList seen;

private:
    int pages_;
};

}  // namespace

// A document of several pages reaches the file whole, each page knowing its
// number and the count; a run the user stops leaves no file and says nothing.
TEST(PrintDelivery, ManyPagesOrNoneWhenStopped) {
    const struct {
        int pages;
        int stopAt;  // the page the user stops before; 0: never
        PrintDelivery::Outcome outcome;
        int messages;
    } cases[] = {
        {3, 0, PrintDelivery::Outcome::Saved, 0},
        {3, 2, PrintDelivery::Outcome::Cancelled, 0},
        {0, 0, PrintDelivery::Outcome::Failed, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stopAt);
        QTemporaryDir dir;
        Desk desk;
        desk.answer = dir.filePath("страницы.pdf");
        desk.delivery.setOnProgress([&c](int done, int) { return done != c.stopAt; });
        CountedPages document(c.pages);
        EXPECT_EQ(desk.delivery.deliver(document, print::ReportTarget::PdfFile), c.outcome);
        EXPECT_EQ(desk.services.messages.size(), size_t(c.messages));
        EXPECT_EQ(QFile::exists(desk.answer), c.outcome == PrintDelivery::Outcome::Saved);
        if (c.outcome == PrintDelivery::Outcome::Saved) {
            EXPECT_EQ(desk.delivery.pages(), 3);
            EXPECT_EQ(document.seen.join(u','),
                      QStringLiteral("Страница 1 из 3,Страница 2 из 3,Страница 3 из 3"));
        }
    }
}
