#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "platform/translations.h"
#include "platform/units.h"
#include "print/frm_prn.h"
#include "print/language_box.h"

using print::FrmPrn;

namespace {

// The box's remembered state goes to a settings file of the tests, not the user's.
const bool kTestSettings = [] {
    QStandardPaths::setTestModeEnabled(true);
    return true;
}();

// Types text the way a keyboard does, one key press per character; QTest's
// own typing knows only Latin letters.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

struct Call {
    QString surname, name, patronymic;
};

// A dialog on screen, as the user meets it, recording what it hands on.
struct OpenDialog {
    QWidget owner;
    std::vector<Call> calls;
    bool delivered = true;  // what the report answers
    FrmPrn dialog{&owner, [this](const core::ClientNames& c) {
                      calls.push_back({c.surname, c.name, c.patronymic});
                      return delivered;
                  }};

    OpenDialog() {
        owner.setGeometry(100, 100, 600, 500);
        owner.show();
        owner.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));
        dialog.show();
        dialog.activateWindow();
        // The dialog's own window has the keyboard (a dialog also counts as
        // active while its owner is).
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == dialog.windowHandle(); }));
    }
};

}  // namespace

TEST(FrmPrn, BoxesRefuseTextBeyondTheirLimit) {
    OpenDialog d;
    const struct {
        QLineEdit* box;
        int limit;
    } cases[] = {
        {d.dialog.surnameBox(), 25}, {d.dialog.nameBox(), 20}, {d.dialog.patronymicBox(), 25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        c.box->setFocus();
        type(c.box, QString(c.limit - 1, QChar(u'ж')));
        type(c.box, QStringLiteral("Я"));
        EXPECT_EQ(c.box->text().size(), c.limit);
        EXPECT_TRUE(c.box->text().endsWith(u'Я'));
        type(c.box, QStringLiteral("Ю"));
        EXPECT_EQ(c.box->text().size(), c.limit);
        EXPECT_FALSE(c.box->text().contains(u'Ю'));
    }
}

TEST(FrmPrn, EnterInAnyBoxPrintsOnceWithTheThreeTexts) {
    for (int target = 0; target < 4; ++target) {
        SCOPED_TRACE(target);
        OpenDialog d;
        type(d.dialog.surnameBox(), QStringLiteral("Иванова"));
        type(d.dialog.nameBox(), QStringLiteral("Мария"));
        QWidget* targets[] = {d.dialog.surnameBox(), d.dialog.nameBox(), d.dialog.patronymicBox(),
                              d.dialog.printButton()};
        targets[target]->setFocus();
        QTest::keyClick(targets[target], Qt::Key_Return);
        ASSERT_EQ(d.calls.size(), 1u);
        EXPECT_EQ(d.calls[0].surname, "Иванова");
        EXPECT_EQ(d.calls[0].name, "Мария");
        EXPECT_EQ(d.calls[0].patronymic, "");
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(d.dialog.isHidden());
    }
}

TEST(FrmPrn, CancelEscAndCloseDoNotPrint) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        OpenDialog d;
        type(d.dialog.surnameBox(), QStringLiteral("Иванова"));
        if (way == 0) {
            QTest::keyClick(d.dialog.surnameBox(), Qt::Key_Escape);
        } else if (way == 1) {
            QTest::mouseClick(d.dialog.cancelButton(), Qt::LeftButton);
        } else {
            d.dialog.close();
        }
        EXPECT_TRUE(d.calls.empty());
        EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(d.dialog.isHidden());
    }
}

TEST(FrmPrn, TabWalksBoxesThenButtons) {
    OpenDialog d;
    EXPECT_EQ(QApplication::focusWidget(), d.dialog.surnameBox());
    QWidget* expected[] = {d.dialog.nameBox(),     d.dialog.patronymicBox(),
                           d.dialog.rememberBox(), d.dialog.languageBox(),
                           d.dialog.printButton(), d.dialog.cancelButton(),
                           d.dialog.surnameBox()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST(FrmPrn, CaptionsFitAndTheWindowSitsOverItsOwner) {
    for (const char* code : {"uk", "en", "ru"}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(platform::installCatalogues(QString::fromLatin1(code)));
        OpenDialog d;
        EXPECT_EQ(d.dialog.minimumSize(), d.dialog.maximumSize());
        // Every caption shows whole («Report language:» too), ends before its
        // box begins, and the box stays inside the window.
        for (const QLabel* label : d.dialog.findChildren<QLabel*>()) {
            SCOPED_TRACE(label->text().toStdString());
            ASSERT_NE(label->buddy(), nullptr);
            EXPECT_GE(label->width(), label->sizeHint().width());
            EXPECT_GE(label->x(), 0);
            EXPECT_LT(label->geometry().right(), label->buddy()->x());
            EXPECT_LE(label->buddy()->geometry().right(), d.dialog.width());
        }
        const QPoint offset = d.dialog.geometry().center() - d.owner.geometry().center();
        EXPECT_LE(offset.manhattanLength(), 40);
    }
}

TEST(FrmPrn, RefusedReportKeepsTheDialogOpenWithTheNames) {
    OpenDialog d;
    d.dialog.setClientNames(
        {QStringLiteral("Иванова"), QStringLiteral("Мария"), QStringLiteral("Петровна")});
    d.delivered = false;
    QTest::keyClick(d.dialog.patronymicBox(), Qt::Key_Return);
    EXPECT_FALSE(d.dialog.isHidden());
    EXPECT_EQ(d.dialog.surnameBox()->text(), QStringLiteral("Иванова"));
    EXPECT_EQ(d.dialog.patronymicBox()->text(), QStringLiteral("Петровна"));
    d.delivered = true;  // the second try goes out and closes the dialog
    QTest::keyClick(d.dialog.patronymicBox(), Qt::Key_Return);
    ASSERT_EQ(d.calls.size(), 2u);
    EXPECT_EQ(d.calls[1].name, QStringLiteral("Мария"));
    EXPECT_TRUE(d.dialog.isHidden());
}

TEST(FrmPrn, RememberBoxSitsUnderTheBoxesAndKeepsItsState) {
    QSettings(QStringLiteral("zemtar"), QStringLiteral("zemtar")).clear();
    for (const bool checked : {true, false}) {
        SCOPED_TRACE(checked);
        {
            OpenDialog d;
            QCheckBox* box = d.dialog.rememberBox();
            EXPECT_EQ(box->text(), QStringLiteral("Запомнить в картотеке"));
            EXPECT_EQ(box->x(), d.dialog.patronymicBox()->x());
            EXPECT_GT(box->y(), d.dialog.patronymicBox()->geometry().bottom());
            // The dialog grew by the box's and «Язык отчёта»'s rows; the buttons
            // stayed where they were.
            EXPECT_EQ(d.dialog.height(), platform::px(2070 + 420) + box->height());
            EXPECT_EQ(d.dialog.cancelButton()->geometry().bottom(), platform::px(1133 + 435) - 1);
            EXPECT_GE(box->width(), box->sizeHint().width());
            if (box->isChecked() != checked) {
                QTest::keyClick(box, Qt::Key_Space);
            }
            EXPECT_EQ(d.dialog.rememberClient(), checked);
        }
        OpenDialog next;
        EXPECT_EQ(next.dialog.rememberClient(), checked);
    }
}
