#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "print/frm_prn.h"

using print::FrmPrn;

namespace {

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
    FrmPrn dialog{&owner, [this](const QString& s, const QString& n, const QString& p) {
                      calls.push_back({s, n, p});
                  }};

    OpenDialog() {
        owner.setGeometry(100, 100, 600, 500);
        owner.show();
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
};

}  // namespace

TEST(FrmPrn, BoxesRefuseTextBeyondTheirLimit) {
    OpenDialog d;
    const struct {
        QLineEdit* box;
        int limit;
    } cases[] = {{d.dialog.TxtFam(), 25}, {d.dialog.TxtName(), 20}, {d.dialog.TxtOth(), 25}};
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
        type(d.dialog.TxtFam(), QStringLiteral("Иванова"));
        type(d.dialog.TxtName(), QStringLiteral("Мария"));
        QWidget* targets[] = {d.dialog.TxtFam(), d.dialog.TxtName(), d.dialog.TxtOth(),
                              d.dialog.CmdPrintReal()};
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
        type(d.dialog.TxtFam(), QStringLiteral("Иванова"));
        if (way == 0) {
            QTest::keyClick(d.dialog.TxtFam(), Qt::Key_Escape);
        } else if (way == 1) {
            QTest::mouseClick(d.dialog.CmdCancel(), Qt::LeftButton);
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
    EXPECT_EQ(QApplication::focusWidget(), d.dialog.TxtFam());
    QWidget* expected[] = {d.dialog.TxtName(), d.dialog.TxtOth(), d.dialog.CmdPrintReal(),
                           d.dialog.CmdCancel(), d.dialog.TxtFam()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST(FrmPrn, CaptionsFitAndTheWindowSitsOverItsOwner) {
    OpenDialog d;
    EXPECT_EQ(d.dialog.minimumSize(), d.dialog.maximumSize());
    // Every caption shows whole and ends before the text boxes begin.
    const int boxesLeft = d.dialog.TxtFam()->x();
    for (const QLabel* label : d.dialog.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->width(), label->sizeHint().width());
        EXPECT_LT(label->geometry().right(), boxesLeft);
    }
    const QPoint offset = d.dialog.geometry().center() - d.owner.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 40);
}
