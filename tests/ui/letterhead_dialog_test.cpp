#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "file_size_limit.h"
#include "platform/user_settings.h"
#include "print/delivery.h"
#include "print/frm_prn.h"
#include "print/letterhead.h"
#include "ui/dialogs/letterhead_dialog.h"
#include "window_fixture.h"

namespace {

print::LetterheadSettings kept() {
    return print::loadLetterhead(platform::userSettings());
}

void keep(const print::LetterheadSettings& letterhead) {
    platform::UserSettings settings = platform::userSettings();
    print::saveLetterhead(settings, letterhead);
}

QString pngIn(const QTemporaryDir& dir, const QString& name, QSize size = {40, 20}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Typed texts and a chosen logo are kept; the logo as the program's own copy,
// so that the original may go. A logo that cannot be used is told, the earlier
// one stays, and the rest of the letterhead is saved all the same.
TEST(LetterheadDialog, KeepsTheLetterheadAndItsOwnCopyOfTheLogo) {
    keep({});
    QTemporaryDir dir;
    const QString original = pngIn(dir, "<b>logo.png");
    const QString broken = dir.filePath("broken.jpg");
    QFile(broken).open(QIODevice::WriteOnly);
    platform::RecordingServices services;
    {
        ui::LetterheadDialog dialog(services);
        EXPECT_FALSE(dialog.chkUse()->isChecked());
        dialog.txtName()->setText(QString(73, u'я'));
        EXPECT_EQ(dialog.txtName()->text().size(), 72);
        EXPECT_EQ(dialog.lblLogo()->textFormat(), Qt::PlainText);
        dialog.chkUse()->setChecked(true);
        dialog.txtName()->setText("Анна Соколова");
        dialog.txtContact(1)->setText("anna@example.ru");
        dialog.setAskLogoFile([&](QWidget*) { return original; });
        dialog.cmdChooseLogo()->click();
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(services.messages.empty());
    ASSERT_TRUE(QFile::remove(original));
    print::LetterheadSettings saved = kept();
    EXPECT_TRUE(saved.enabled);
    EXPECT_EQ(saved.name, "Анна Соколова");
    EXPECT_EQ(saved.contacts, QStringList({"", "anna@example.ru", ""}));
    EXPECT_EQ(print::letterheadForPage(saved, nullptr)->logo.size(), QSize(40, 20));

    ui::LetterheadDialog again(services);
    EXPECT_EQ(again.txtContact(1)->text(), "anna@example.ru");
    again.setAskLogoFile([&](QWidget*) { return broken; });
    again.cmdChooseLogo()->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains("broken.jpg"));
    again.txtName()->setText("Анна Соколова-Белая");
    again.accept();
    saved = kept();
    EXPECT_EQ(saved.name, "Анна Соколова-Белая");
    EXPECT_EQ(print::letterheadForPage(saved, nullptr)->logo.size(), QSize(40, 20));

    // A logo taken away leaves no copy behind.
    ui::LetterheadDialog last(services);
    last.cmdRemoveLogo()->click();
    last.accept();
    EXPECT_TRUE(kept().logoFile.isEmpty());
    EXPECT_FALSE(QFile::exists(saved.logoFile));
    keep({});
}

// A kept logo that has since gone is told when a report is made, and the
// report is made with the rest of the letterhead.
TEST(LetterheadDialog, VanishedLogoIsToldAndTheReportStillGoesOut) {
    QTemporaryDir dir;
    keep({true, "Анна Соколова", {"anna@example.ru"}, dir.filePath("gone")});
    WindowFixture f;
    f.calculate(5, 5, "1990");
    const QString pdf = dir.filePath("report.pdf");
    f.window->setPrintSetup([&pdf](print::PrintDelivery& d) {
        d.setAskFileName([&pdf](QWidget*, const QString&) { return pdf; });
    });
    QTimer::singleShot(0, [] {
        if (auto* prn = qobject_cast<print::FrmPrn*>(QApplication::activeModalWidget())) {
            prn->printButton()->click();
        }
    });
    f.action("mpSavePdf")->trigger();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_TRUE(f.services.messages[0].text.contains("gone"));
    EXPECT_TRUE(f.services.messages[0].text.contains("без логотипа"));
    EXPECT_TRUE(QFile::exists(pdf));
    keep({});
}

// When the settings cannot be written «Сохранить» says so and changes
// nothing: the kept letterhead and its logo stay as they were. (A file size
// limit fails the settings' write as a read-only folder does, and stops root
// too.)
TEST(LetterheadDialog, FailedSaveKeepsTheEarlierLogo) {
    keep({});
    QTemporaryDir dir;
    platform::RecordingServices services;
    ui::LetterheadDialog first(services);
    first.setAskLogoFile([&](QWidget*) { return pngIn(dir, "first.png"); });
    first.cmdChooseLogo()->click();
    first.accept();
    const print::LetterheadSettings before = kept();
    const QByteArray copy = contents(before.logoFile);
    ASSERT_FALSE(copy.isEmpty());

    ui::LetterheadDialog second(services);
    const QString small = pngIn(dir, "second.png", {1, 1});
    second.setAskLogoFile([&](QWidget*) { return small; });
    second.cmdChooseLogo()->click();
    second.txtName()->setText(QString(72, u'я'));
    {
        const FileSizeLimit limit(static_cast<rlim_t>(QFileInfo(small).size() + 16));
        second.accept();
    }
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith("Бланк не сохранён.") &&
                services.messages[0].text.endsWith(u'.'))
        << services.messages[0].text.toStdString();
    EXPECT_NE(second.result(), QDialog::Accepted);
    EXPECT_EQ(kept().name, before.name);
    EXPECT_EQ(kept().logoFile, before.logoFile);
    EXPECT_EQ(contents(before.logoFile), copy);
    EXPECT_FALSE(QFileInfo::exists(before.logoFile + ".new"));
    keep({});
    QFile::remove(before.logoFile);
}
