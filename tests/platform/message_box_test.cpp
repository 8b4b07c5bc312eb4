#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/help_viewer.h"
#include "platform/services.h"
#include "platform/translations.h"

using platform::HelpCommand;
using platform::Message;
using platform::MessageIcon;

namespace {

// Runs `act` on the message box as soon as it is up. The box is modal, so the
// test drives it from a timer inside the box's own event loop.
void whenBoxShows(std::function<void(QMessageBox*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start();
}

QAbstractButton* buttonWithRole(QMessageBox* box, QMessageBox::ButtonRole role) {
    for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == role) {
            return button;
        }
    }
    return nullptr;
}

// The real box; help requests are recorded instead of opening a window.
class DesktopWithRecordedHelp : public platform::DesktopServices {
public:
    void help(QWidget* /*parent*/, HelpCommand command, int context) override {
        helpCalls.emplace_back(command, context);
    }
    std::vector<std::pair<HelpCommand, int>> helpCalls;
};

struct Look {
    const char* name;
    Message message;
    QMessageBox::Icon icon;
    int buttons;
};

class MessageBoxLook : public testing::TestWithParam<Look> {};

TEST_P(MessageBoxLook, ShowsTextTitleIconAndButtons) {
    const Look& l = GetParam();
    DesktopWithRecordedHelp services;
    bool seen = false;
    whenBoxShows([&](QMessageBox* box) {
        seen = true;
        EXPECT_EQ(box->text(), l.message.text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText) << "text from outside is never markup";
        EXPECT_EQ(box->windowTitle(), l.message.title);
        EXPECT_EQ(box->icon(), l.icon);
        EXPECT_EQ(box->buttons().size(), l.buttons);
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    services.message(nullptr, l.message);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(services.helpCalls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageBoxLook,
    testing::Values(Look{"SecondCopy",
                         Message{QStringLiteral("Программа уже запущена!"),
                                 QStringLiteral("Zemtar-прогноз"), MessageIcon::Critical},
                         QMessageBox::Critical, 1},
                    Look{"MissingDayOrMonth",
                         Message{QStringLiteral("Выберите месяц и год рождения!"),
                                 QStringLiteral("Введены не все данные"), MessageIcon::Warning, 80},
                         QMessageBox::Warning, 2},
                    Look{"FileNameWithMarkup",
                         Message{QStringLiteral("Не удалось записать файл /tmp/<b>отчёт</b>.pdf: "
                                                "на диске нет места"),
                                 QStringLiteral("Zemtar - Прогноз"), MessageIcon::Critical},
                         QMessageBox::Critical, 1}),
    [](const testing::TestParamInfo<Look>& p) { return p.param.name; });

// The library's own English words stay out of the message, behind a button
// named in Russian whether or not Qt's translation is installed.
TEST(MessageBox, DetailsWaitBehindTheirOwnButton) {
    DesktopWithRecordedHelp services;
    QStringList names;
    QString details;
    whenBoxShows([&](QMessageBox* box) {
        details = box->detailedText();
        QAbstractButton* more = buttonWithRole(box, QMessageBox::ActionRole);
        ASSERT_NE(more, nullptr);
        names << more->text();
        for (int i = 0; i < 2; ++i) {
            more->click();
            QCoreApplication::processEvents();
            names << more->text();
        }
        box->button(QMessageBox::Ok)->click();
    });
    services.message(nullptr, Message{QStringLiteral("Картотека не открыта: файл занят другой "
                                                     "программой."),
                                      QStringLiteral("Картотека"), MessageIcon::Warning, 0,
                                      QStringLiteral("database is locked")});
    EXPECT_EQ(details, QStringLiteral("database is locked"));
    EXPECT_EQ(names,
              QStringList({QStringLiteral("Подробности…"), QStringLiteral("Скрыть подробности"),
                           QStringLiteral("Подробности…")}));
}

TEST(MessageBox, HelpOpensTheTopicAndLeavesTheBoxOpen) {
    DesktopWithRecordedHelp services;
    QWidget owner;
    owner.show();
    bool stillOpen = false;
    whenBoxShows([&](QMessageBox* box) {
        QAbstractButton* help = buttonWithRole(box, QMessageBox::HelpRole);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->text(), QStringLiteral("Справка"));
        help->click();
        help->click();
        QCoreApplication::processEvents();
        stillOpen = box->isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    services.message(&owner,
                     Message{QStringLiteral("Выберите месяц и год рождения!"),
                             QStringLiteral("Введены не все данные"), MessageIcon::Warning, 80});
    EXPECT_TRUE(stillOpen);
    const std::vector<std::pair<HelpCommand, int>> expected{{HelpCommand::Context, 80},
                                                            {HelpCommand::Context, 80}};
    EXPECT_EQ(services.helpCalls, expected);
}

// With the real help window: it opens at the topic while the box waits, and it
// takes clicks meanwhile, since the box holds back only its own window.
TEST(MessageBox, HelpWindowStaysUsableWhileTheBoxWaits) {
    platform::DesktopServices services;
    QPushButton owner(QStringLiteral("Окно программы"));
    owner.resize(300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    int ownerClicks = 0;
    QObject::connect(&owner, &QPushButton::clicked, [&] { ++ownerClicks; });
    // Clicks go through the window system, which holds back clicks on blocked windows.
    const auto clickThroughWindow = [](QWidget* target) {
        QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(target->window(), target->rect().center()));
    };

    std::string topicAnchor;
    std::string afterClick;
    bool boxOpen = false;
    whenBoxShows([&](QMessageBox* box) {
        buttonWithRole(box, QMessageBox::HelpRole)->click();
        platform::HelpViewer* viewer = platform::helpViewer();
        ASSERT_NE(viewer, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
        topicAnchor = viewer->currentAnchor().toStdString();
        clickThroughWindow(viewer->contentsButton());
        afterClick = viewer->currentAnchor().toStdString();
        clickThroughWindow(&owner);  // the owner itself waits for the box
        boxOpen = box->isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    services.message(&owner,
                     Message{QStringLiteral("Выберите месяц и год рождения!"),
                             QStringLiteral("Введены не все данные"), MessageIcon::Warning, 80});
    EXPECT_EQ(topicAnchor, platform::topicAnchor(80).toStdString());
    EXPECT_EQ(afterClick, platform::contentsAnchor().toStdString());
    EXPECT_TRUE(boxOpen);
    EXPECT_EQ(ownerClicks, 0);
    clickThroughWindow(&owner);
    EXPECT_EQ(ownerClicks, 1) << "the owner takes clicks again once the box is gone";

    ASSERT_NE(platform::helpViewer(), nullptr) << "help stays open after the box closes";
    services.help(&owner, HelpCommand::Quit, 0);
    EXPECT_EQ(platform::helpViewer(), nullptr);
}

// Qt's own dialogs speak Russian; the program's boxes keep their own words.
TEST(MessageBox, QtSpeaksRussianAndTheProgramsBoxesKeepTheirButtons) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_ru.qm"))) {
        GTEST_SKIP() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    }
    platform::installCatalogues(QStringLiteral("ru"));
    QDialogButtonBox qtButtons(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    EXPECT_EQ(qtButtons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));

    DesktopWithRecordedHelp services;
    QStringList texts;
    whenBoxShows([&](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            texts << button->text();
        }
        box->button(QMessageBox::Ok)->click();
    });
    services.message(nullptr,
                     Message{QStringLiteral("Выберите месяц и год рождения!"),
                             QStringLiteral("Введены не все данные"), MessageIcon::Warning, 80});
    texts.sort();
    EXPECT_EQ(texts, QStringList({QStringLiteral("OK"), QStringLiteral("Справка")}));
}

}  // namespace
