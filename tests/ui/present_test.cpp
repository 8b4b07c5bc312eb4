#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/forecast_text.h"
#include "platform/help_viewer.h"
#include "platform/units.h"
#include "print/frm_prn.h"
#include "window_fixture.h"

// The forecast out of the window and in the present: this year marked, the
// picture and the text on the clipboard and in files, the square's digits
// leading to their aspects.

namespace {

QStringList boldCells(const WindowFixture& f) {
    QStringList bold;
    for (int k = 1; k <= 8; ++k) {
        for (int i = 0; i < 10; ++i) {
            const QLabel* cell = f.label(QStringLiteral("lblYear%1_%2").arg(k).arg(i));
            if (cell->font().bold()) {
                bold << cell->objectName();
            }
        }
    }
    return bold;
}

std::vector<QWidget*> shownMarks(const WindowFixture& f, const char* name) {
    std::vector<QWidget*> shown;
    for (QWidget* w : f.window->findChildren<QWidget*>(QLatin1String(name))) {
        if (!w->isHidden()) {
            shown.push_back(w);
        }
    }
    return shown;
}

// Answers the client dialog as soon as it opens.
void answerClientDialog(const QString& surname) {
    QTimer::singleShot(0, [surname] {
        if (auto* dialog = qobject_cast<print::FrmPrn*>(QApplication::activeModalWidget())) {
            dialog->TxtFam()->setText(surname);
            dialog->CmdPrintReal()->click();
        }
    });
}

}  // namespace

TEST(ThisYear, MarksItsCellsAndCurvePointByTheWindowsClock) {
    const struct {
        int day, month;
        const char* year;
        QDate today;
        QStringList cells;  // lblYearK_i, bold and framed
        int point;          // curve point with the ring
        const char* line;   // nullptr: nothing marked
    } cases[] = {
        {23, 8, "1975", QDate(1974, 12, 31), {}, 0, nullptr},
        {23,
         8,
         "1975",
         QDate(1975, 1, 1),
         {"lblYear1_0"},
         0,
         "Сейчас 1975 год: уровень жизненных сил 4"},
        {23,
         8,
         "1975",
         QDate(2026, 12, 31),
         {"lblYear3_7"},
         2,
         "Сейчас 2026 год: уровень жизненных сил 5"},
        {23,
         8,
         "1975",
         QDate(2044, 12, 31),
         {"lblYear7_9"},
         6,
         "Сейчас 2044 год: уровень жизненных сил 0"},
        {23, 8, "1975", QDate(2045, 1, 1), {}, 0, nullptr},
        // 201 and 1206: cycles of three and four over eight columns
        {2,
         1,
         "1",
         QDate(7, 6, 1),
         {"lblYear1_2", "lblYear4_1", "lblYear7_0"},
         0,
         "Сейчас 7 год: уровень жизненных сил 2"},
        {2,
         1,
         "6",
         QDate(45, 6, 1),
         {"lblYear4_9", "lblYear8_8"},
         3,
         "Сейчас 45 год: уровень жизненных сил 6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString() + " for " + c.year);
        WindowFixture f;
        f.window->setToday([&c] { return c.today; });
        f.window->setMarkThisYear(true);
        f.calculate(c.day, c.month, QString::fromLatin1(c.year));
        ASSERT_TRUE(f.window->forecast().has_value());

        EXPECT_EQ(boldCells(f), c.cells);
        const std::vector<QWidget*> frames = shownMarks(f, "YearFrame");
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(c.cells.size()));
        for (std::size_t j = 0; j < frames.size(); ++j) {
            const QRect cell = f.label(c.cells[static_cast<qsizetype>(j)])->geometry();
            EXPECT_TRUE(frames[j]->geometry().contains(cell));
        }
        const QLabel* now = f.label(QStringLiteral("LblNow"));
        const std::vector<QWidget*> ring = shownMarks(f, "YearRing");
        if (c.line == nullptr) {
            EXPECT_TRUE(now->isHidden());
            EXPECT_TRUE(ring.empty());
            continue;
        }
        EXPECT_FALSE(now->isHidden());
        EXPECT_EQ(now->text(), QString::fromUtf8(c.line));
        ASSERT_EQ(ring.size(), 1u);
        const core::PointTw p = f.window->forecast()->curve[static_cast<std::size_t>(c.point)];
        const QPointF centre(platform::pxF(p.x + core::kScreenGridOrigin.x), platform::pxF(p.y));
        EXPECT_LE((QRectF(ring[0]->geometry()).center() - centre).manhattanLength(), 1.0);
    }
}

// Off, the window is the classic one to the pixel, and the choice outlives
// the window; a program driving the window changes nothing remembered.
TEST(ThisYear, OffIsTheClassicWindowAndIsRemembered) {
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    const auto today = [] { return QDate(2026, 12, 7); };

    WindowFixture classic;
    classic.calculate(23, 8, QStringLiteral("1975"));
    const QImage plain = classic.surface()->grab().toImage();

    WindowFixture f;
    f.window->setToday(today);
    f.window->setMarkThisYear(true);
    f.calculate(23, 8, QStringLiteral("1975"));
    EXPECT_NE(f.surface()->grab().toImage(), plain);
    f.action("mpMarkYear")->trigger();  // as the user turns it off
    EXPECT_FALSE(f.action("mpMarkYear")->isChecked());
    EXPECT_EQ(f.surface()->grab().toImage(), plain);

    WindowFixture next;  // the fixture turns it off for its own tests, so read what was stored
    EXPECT_FALSE(QSettings(QStringLiteral("zemtar"), QStringLiteral("zemtar"))
                     .value(QStringLiteral("markThisYear"), true)
                     .toBool());
    ui::FrmMain fresh(next.services);
    EXPECT_FALSE(fresh.findChild<QAction*>(QStringLiteral("mpMarkYear"))->isChecked());
    f.action("mpMarkYear")->trigger();
    ui::FrmMain again(next.services);
    EXPECT_TRUE(again.findChild<QAction*>(QStringLiteral("mpMarkYear"))->isChecked());
}

TEST(Copy, PutsThePictureAndTheTextOnTheClipboardTogether) {
    WindowFixture f;
    EXPECT_FALSE(f.action("mpCopy")->isEnabled());
    EXPECT_FALSE(f.action("mpSaveImage")->isEnabled());
    f.window->setToday([] { return QDate(2026, 1, 1); });
    f.window->setMarkThisYear(true);
    f.calculate(23, 8, QStringLiteral("1975"));
    ASSERT_TRUE(f.action("mpCopy")->isEnabled());
    f.action("mpCopy")->trigger();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(505, 487));
    const core::YearMark mark = core::markYear(*f.window->forecast(), 2026);
    EXPECT_EQ(data->text(), core::toText(*f.window->forecast(), &mark));

    // Ctrl+C copies the forecast even from the year box, which always has a
    // selection of its own.
    QGuiApplication::clipboard()->clear();
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    f.year()->setFocus();
    QTest::keyClick(f.year(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), core::toText(*f.window->forecast(), &mark));

    // A refused input leaves nothing to copy.
    f.year()->setText(QStringLiteral("19a0"));
    f.pusk()->click();
    EXPECT_FALSE(f.action("mpCopy")->isEnabled());
    EXPECT_FALSE(f.action("mpSaveImage")->isEnabled());
}

TEST(SaveImage, WritesTheClientAreaOrSaysWhyNot) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("папка.png"));
    WindowFixture f;
    QString answer;
    QString suggested;
    f.window->setAskImageFileName([&](QWidget*, const QString& s) {
        suggested = s;
        return answer;
    });
    f.calculate(23, 8, QStringLiteral("1975"));

    f.action("mpSaveImage")->trigger();  // cancelled
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("/Прогноз - 23 Август 1975.png")));
    EXPECT_TRUE(f.services.messages.empty());

    answer = dir.filePath(QStringLiteral("папка.png"));
    f.action("mpSaveImage")->trigger();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_TRUE(f.services.messages[0].text.startsWith(QStringLiteral("Не удалось записать файл ") +
                                                       answer));
    EXPECT_EQ(f.services.messages[0].icon, platform::MessageIcon::Critical);

    answer = dir.filePath(QStringLiteral("окно.png"));
    f.action("mpSaveImage")->trigger();
    EXPECT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(QImage(answer).size(), QSize(505, 487));
}

// The report's two new ways out of the window, both after the client dialog.
TEST(ReportMenu, PreviewAndPdfGoThroughTheClientDialog) {
    QTemporaryDir dir;
    WindowFixture f;
    EXPECT_FALSE(f.action("mpPreview")->isEnabled());
    EXPECT_FALSE(f.action("mpSavePdf")->isEnabled());
    int previews = 0;
    int printerLookups = 0;
    QStringList asked;
    f.window->setPrintSetup([&](print::PrintDelivery& d) {
        d.setFindPrinter([&] {
            ++printerLookups;
            return QPrinterInfo();
        });
        d.setAskFileName([&](QWidget*, const QString& s) {
            asked << s;
            return dir.filePath(QStringLiteral("отчёт.pdf"));
        });
        d.setShowPreview([&](QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) {
            ++previews;
            return false;
        });
    });
    f.calculate(23, 8, QStringLiteral("1975"));
    ASSERT_TRUE(f.action("mpSavePdf")->isEnabled());

    answerClientDialog(QStringLiteral("Иванова"));
    f.action("mpSavePdf")->trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("/Прогноз - Иванова - ")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("отчёт.pdf"))));
    EXPECT_EQ(printerLookups, 0);  // a PDF whether or not there is a printer

    answerClientDialog(QStringLiteral("Иванова"));
    f.action("mpPreview")->trigger();
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(f.services.messages.empty());
}

// A click, or Enter on a digit reached with Tab, opens the help at its aspect
// rather than pressing «Расчёт»; the digits follow «Расчёт» in the tab order.
TEST(AspectDigits, ClickEnterAndTabLeadToTheAspect) {
    WindowFixture f;
    f.calculate(23, 8, QStringLiteral("1975"));
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));

    QTest::mouseClick(f.label(QStringLiteral("LblDat4")), Qt::LeftButton);
    f.pusk()->setFocus();
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.label(QStringLiteral("LblDat%1").arg(i)));
    }
    const std::size_t ops = f.surface()->ops().size();
    f.year()->setText(QStringLiteral("1990"));  // Enter on «Расчёт» would calculate anew
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(f.window->forecast()->date.year, QStringLiteral("1975"));
    EXPECT_EQ(f.surface()->ops().size(), ops);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.printButton());

    using Call = std::pair<platform::HelpCommand, int>;
    EXPECT_EQ(f.services.helpCalls,
              (std::vector<Call>{{platform::HelpCommand::Context, platform::aspectTopic(5)},
                                 {platform::HelpCommand::Context, platform::aspectTopic(9)}}));
}
