#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "aspects/aspect_table.h"
#include "core/forecast_text.h"
#include "platform/help_viewer.h"
#include "platform/services.h"
#include "platform/units.h"
#include "platform/user_settings.h"
#include "print/delivery.h"
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
            dialog->surnameBox()->setText(surname);
            dialog->printButton()->click();
        }
    });
}

}  // namespace

TEST(ThisYear, MarksItsCellsAndCurvePointByTheWindowsClock) {
    const struct {
        int day, month;
        const char* year;
        QDate today;
        const char* cells;  // lblYearK_i, bold and framed
        int point;          // curve point with the ring; -1: nothing marked
        int level;
    } cases[] = {
        {23, 8, "1975", QDate(1974, 12, 31), "", -1, 0},
        {23, 8, "1975", QDate(1975, 1, 1), "lblYear1_0", 0, 4},
        {23, 8, "1975", QDate(2044, 12, 31), "lblYear7_9", 6, 0},
        {23, 8, "1975", QDate(2045, 1, 1), "", -1, 0},
        // 201 and 1206: cycles of three and four over eight columns
        {2, 1, "1", QDate(7, 6, 1), "lblYear1_2 lblYear4_1 lblYear7_0", 0, 2},
        {2, 1, "6", QDate(45, 6, 1), "lblYear4_9 lblYear8_8", 3, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString() + " for " + c.year);
        WindowFixture f;
        f.window->setToday([&c] { return c.today; });
        f.window->setMarkThisYear(true);
        f.calculate(c.day, c.month, QString::fromLatin1(c.year));

        const QStringList cells = QString::fromLatin1(c.cells).split(' ', Qt::SkipEmptyParts);
        EXPECT_EQ(boldCells(f), cells);
        const std::vector<QWidget*> frames = shownMarks(f, "YearFrame");
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(cells.size()));
        for (std::size_t j = 0; j < frames.size(); ++j) {
            EXPECT_TRUE(frames[j]->geometry().contains(
                f.label(cells[static_cast<qsizetype>(j)])->geometry()));
        }
        const QLabel* now = f.label(QStringLiteral("LblNow"));
        const std::vector<QWidget*> ring = shownMarks(f, "YearRing");
        EXPECT_EQ(now->isHidden(), c.point < 0);
        ASSERT_EQ(ring.size(), c.point < 0 ? 0u : 1u);
        if (c.point >= 0) {
            EXPECT_EQ(now->text(), QStringLiteral("Сейчас %1 год: уровень жизненных сил %2")
                                       .arg(c.today.year())
                                       .arg(c.level));
            const core::PointTw p = f.window->forecast()->curve[static_cast<std::size_t>(c.point)];
            const QPointF centre(platform::pxF(p.x + core::kScreenGridOrigin.x),
                                 platform::pxF(p.y));
            EXPECT_LE((QRectF(ring[0]->geometry()).center() - centre).manhattanLength(), 1.0);
        }
    }
}

// A client's life events stand on their curve and in the year table, with
// their words as the tooltip (as typed, never markup); a year the table does
// not show has no mark, and a window without the client shows none.
TEST(LifeEvents, PinnedOnTheCurveAndTheYearTable) {
    WindowFixture f;
    ui::CurrentClient anna;
    anna.id = 7;
    anna.person.names = {QStringLiteral("Сидорова"), QStringLiteral("Анна"), {}};
    anna.person.birthDate = {23, 7, QStringLiteral("1975")};
    anna.events = {{0, 1998, 3, QStringLiteral("Переезд <b>в Киев</b>")},
                   {0, 1998, 0, QStringLiteral("Новая работа")},
                   {0, 2011, 0, QStringLiteral("Свадьба")},
                   {0, 2300, 0, QStringLiteral("Вне таблицы")}};
    f.window->openClient({23, 7, QStringLiteral("1975")}, anna);  // life number 4558300
    const std::vector<QWidget*> pins = shownMarks(f, "EventPin");
    ASSERT_EQ(pins.size(), 2u);
    const auto pointOf = [&](int point) {
        const core::PointTw p = f.window->forecast()->curve[static_cast<std::size_t>(point)];
        return QPointF(platform::pxF(p.x + core::kScreenGridOrigin.x), platform::pxF(p.y));
    };
    // 1998 is the 24th year, the third digit's; 2011 the 37th, the second's.
    for (const auto& [pin, point, words] :
         {std::tuple{pins[0], 2,
                     "03.1998 — Переезд &lt;b&gt;в Киев&lt;/b&gt;\n1998 — Новая работа"},
          std::tuple{pins[1], 1, "2011 — Свадьба"}}) {
        EXPECT_LT(std::abs(QRectF(pin->geometry()).center().x() - pointOf(point).x()), 1.0);
        EXPECT_LT(QRectF(pin->geometry()).center().y(), pointOf(point).y());
        EXPECT_TRUE(pin->toolTip().contains(QString::fromUtf8(words)))
            << pin->toolTip().toStdString();
    }
    const QLabel* cell = f.label(QStringLiteral("lblYear3_3"));  // 1975 + 3 × 7 + 2
    EXPECT_EQ(cell->text(), QStringLiteral("1998"));
    EXPECT_TRUE(cell->font().underline());
    EXPECT_TRUE(cell->toolTip().contains(QStringLiteral("Новая работа")));

    f.window->setCurrentClient(std::nullopt);
    EXPECT_TRUE(shownMarks(f, "EventPin").empty());
    EXPECT_FALSE(cell->font().underline());
    EXPECT_TRUE(cell->toolTip().isEmpty());
}

// Off, the window is the classic one to the pixel, and the choice outlives
// the window; a program driving the window changes nothing remembered.
TEST(ThisYear, OffIsTheClassicWindowAndIsRemembered) {
    QTemporaryDir config;
    platform::setUserSettingsFile(config.filePath(QStringLiteral("zemtar.conf")));
    WindowFixture classic;
    classic.calculate(23, 8, QStringLiteral("1975"));
    const QImage plain = classic.surface()->grab().toImage();

    WindowFixture f;
    f.window->setToday([] { return QDate(2026, 12, 7); });
    f.window->setMarkThisYear(true);
    f.calculate(23, 8, QStringLiteral("1975"));
    EXPECT_NE(f.surface()->grab().toImage(), plain);
    f.action("mpMarkYear")->trigger();  // as the user turns it off
    EXPECT_FALSE(f.action("mpMarkYear")->isChecked());
    EXPECT_EQ(f.surface()->grab().toImage(), plain);

    // A window made afresh (not the fixture's, which turns it off) reads the choice.
    ui::FrmMain fresh(f.services);
    EXPECT_FALSE(fresh.findChild<QAction*>(QStringLiteral("mpMarkYear"))->isChecked());
    f.action("mpMarkYear")->trigger();
    ui::FrmMain again(f.services);
    EXPECT_TRUE(again.findChild<QAction*>(QStringLiteral("mpMarkYear"))->isChecked());
    platform::setUserSettingsFile(QString());
}

TEST(Copy, PutsThePictureAndTheTextOnTheClipboardTogether) {
    QGuiApplication::clipboard()->clear();
    WindowFixture f;
    EXPECT_FALSE(f.action("mpCopy")->isEnabled());
    f.window->setToday([] { return QDate(2026, 1, 1); });
    f.window->setMarkThisYear(true);
    f.calculate(23, 8, QStringLiteral("1975"));
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    // Ctrl+C from the year box too, which always has a selection of its own.
    f.year()->setFocus();
    QTest::keyClick(f.year(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data != nullptr && data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(505, 487));
    const core::YearMark mark = core::markYear(*f.window->forecast(), 2026);
    EXPECT_EQ(data->text(), core::toText(*f.window->forecast(), &mark));

    f.year()->setText(QStringLiteral("19a0"));  // a refused input leaves nothing to copy
    f.pusk()->click();
    EXPECT_FALSE(f.action("mpCopy")->isEnabled());
    EXPECT_FALSE(f.action("mpSaveImage")->isEnabled());
}

// Cancel is silent; a failure is told, naming the file; the picture is the
// client area. (The kinds of failure are the print tests' business.)
TEST(SaveImage, WritesTheClientAreaOrSaysWhyNot) {
    QTemporaryDir dir;
    WindowFixture f;
    QStringList answers{QString(), dir.filePath("нет/окно.png"), dir.filePath("окно.png")};
    f.window->setAskImageFileName([&](QWidget*, const QString&) { return answers.takeFirst(); });
    f.calculate(23, 8, QStringLiteral("1975"));
    for (int i = 0; i < 3; ++i) {
        f.action("mpSaveImage")->trigger();
    }
    ASSERT_EQ(f.services.messages.size(), 1u);
    // The file as the system writes paths ('\\' on Windows).
    EXPECT_TRUE(f.services.messages[0].text.contains(
        QDir::toNativeSeparators(dir.filePath("нет/окно.png"))));
    EXPECT_EQ(QImage(dir.filePath("окно.png")).size(), QSize(505, 487));
}

// Both go through the client dialog; the PDF never asks for a printer.
TEST(ReportMenu, PreviewAndPdfGoThroughTheClientDialog) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("отчёт.pdf"));
    WindowFixture f;
    int previews = 0;
    int printerLookups = 0;
    f.window->setPrintSetup([&](print::PrintDelivery& d) {
        d.setFindPrinter([&] { return ++printerLookups, QPrinterInfo(); });
        d.setAskFileName([&](QWidget*, const QString&) { return pdf; });
        d.setShowPreview([&](QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) {
            return ++previews, false;
        });
    });
    f.calculate(23, 8, QStringLiteral("1975"));
    answerClientDialog(QStringLiteral("Иванова"));
    f.action("mpSavePdf")->trigger();
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(printerLookups, 0);
    answerClientDialog(QStringLiteral("Иванова"));
    f.action("mpPreview")->trigger();
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(f.services.messages.empty());
}

// A click, or Enter on a digit reached with Tab, opens the help at its aspect
// rather than pressing «Расчёт»; the digits follow «Расчёт» in the tab order.
TEST(AspectDigits, HoverClickEnterAndTabLeadToTheAspect) {
    WindowFixture f;
    f.calculate(23, 8, QStringLiteral("1975"));
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));

    QLabel* love = f.label(QStringLiteral("LblDat4"));
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), love->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(love, &hover);
    EXPECT_EQ(QToolTip::text(),
              QStringLiteral("Любовь: уровень 1\n") + aspects::kAspectMeanings[4].toString());
    EXPECT_TRUE(f.label(QStringLiteral("LblDat3"))->toolTip().startsWith("Работа: нет\n"));

    QTest::mouseClick(love, Qt::LeftButton);
    f.pusk()->setFocus();
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.label(QStringLiteral("LblDat%1").arg(i)));
    }
    EXPECT_FALSE(f.find<QWidget>(QStringLiteral("FocusFrame"))->isHidden());
    const std::size_t ops = f.surface()->ops().size();
    f.year()->setText(QStringLiteral("1990"));  // Enter on «Расчёт» would calculate anew
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(f.window->forecast()->date.year, QStringLiteral("1975"));
    EXPECT_EQ(f.surface()->ops().size(), ops);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.printButton());

    using Call = std::pair<platform::HelpCommand, int>;
    EXPECT_EQ(f.services.helpCalls,
              (std::vector<Call>{{platform::HelpCommand::Context, platform::aspectTopic(5)},
                                 {platform::HelpCommand::Context, platform::aspectTopic(9)},
                                 {platform::HelpCommand::Context, platform::aspectTopic(9)}}));
}
