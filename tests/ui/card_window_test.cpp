#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "print/messenger_card.h"
#include "window_fixture.h"

// «Карточка для мессенджера…» waits for a forecast; cancelled it does
// nothing, a folder that is not there is told with the file's name and the
// card is on the clipboard all the same, and saved it is the card's picture
// in the file and on the clipboard.
TEST(CardWindow, SavesAndCopiesTheCardOrSaysWhyNot) {
    QTemporaryDir dir;
    WindowFixture f;
    EXPECT_FALSE(f.action("mpCard")->isEnabled());
    QStringList answers{QString(), dir.filePath(QStringLiteral("нет/карточка.png")),
                        dir.filePath(QStringLiteral("карточка.png"))};
    QStringList suggested;
    f.window->setAskCardFileName([&](QWidget*, const QString& path) {
        suggested << path;
        return answers.takeFirst();
    });
    f.window->setToday([] { return QDate(2026, 12, 9); });
    f.calculate(23, 8, QStringLiteral("1975"));
    ASSERT_TRUE(f.action("mpCard")->isEnabled());

    QGuiApplication::clipboard()->clear();
    f.action("mpCard")->trigger();
    EXPECT_TRUE(f.services.messages.empty());
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    EXPECT_TRUE(suggested.value(0).endsWith(QStringLiteral(".png")));

    const QSize cardSize(print::kCardWidth, print::kCardHeight);
    f.action("mpCard")->trigger();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(f.services.messages[0].text.contains(
        QDir::toNativeSeparators(dir.filePath(QStringLiteral("нет/карточка.png")))));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), cardSize);

    f.action("mpCard")->trigger();
    ASSERT_EQ(f.services.messages.size(), 2u);
    EXPECT_EQ(f.services.messages[1].icon, platform::MessageIcon::Information);
    const QImage saved(dir.filePath(QStringLiteral("карточка.png")));
    EXPECT_EQ(saved.size(), cardSize);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32));
}
