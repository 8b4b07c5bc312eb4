// The rules a person is entered with, run against every form that asks for
// one: the client dialog before a report, the client's card, the booklet
// dialog and a row of the group window. (In the book's tests: the card lives
// with the book window.)

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "book/client.h"
#include "platform/user_settings.h"
#include "print/frm_prn.h"
#include "print/person_fields.h"
#include "recording_services.h"
#include "ui/book/client_editor.h"
#include "ui/dialogs/booklet_dialog.h"
#include "ui/group/group_window.h"

namespace {

using print::PersonFields;

// What the group remembers goes to a settings file of the test's own.
struct TestSettings {
    QTemporaryDir dir;
    TestSettings() { platform::setUserSettingsFile(dir.filePath(QStringLiteral("zemtar.conf"))); }
    ~TestSettings() { platform::setUserSettingsFile(QString()); }
};

// One form open with a person in it: its fields, and what it says of the date
// entered (empty when it takes it).
struct OpenForm {
    std::unique_ptr<QWidget> widget;
    std::function<QString()> dateRefusal;

    PersonFields* fields() const { return widget->findChild<PersonFields*>(); }
};

struct Form {
    const char* name;
    PersonFields::Parts parts;
    std::function<OpenForm(const core::Person&, platform::Services&)> open;
};

const Form kForms[] = {
    {"FrmPrn", PersonFields::Names,
     [](const core::Person& p, platform::Services&) {
         auto dialog = std::make_unique<print::FrmPrn>(nullptr, nullptr);
         dialog->setClientNames(p.names);
         return OpenForm{std::move(dialog), nullptr};
     }},
    {"ClientEditor", PersonFields::Names | PersonFields::Card | PersonFields::Date,
     [](const core::Person& p, platform::Services&) {
         book::Client c;
         c.names = p.names;
         c.gender = p.gender;
         c.birthDate = p.birthDate;
         auto* card = new ui::ClientEditor(nullptr, c);
         return OpenForm{std::unique_ptr<QWidget>(card), [card] {
                             for (QPushButton* b : card->findChildren<QPushButton*>()) {
                                 if (b->text() == QStringLiteral("Сохранить")) {
                                     b->click();
                                 }
                             }
                             if (card->result() == QDialog::Accepted) {
                                 return QString();
                             }
                             for (QLabel* l : card->findChildren<QLabel*>()) {
                                 if (l->accessibleName() == QStringLiteral("Ошибка")) {
                                     return l->text();
                                 }
                             }
                             return QStringLiteral("no problem line");
                         }};
     }},
    {"BookletDialog", PersonFields::Names | PersonFields::Card,
     [](const core::Person& p, platform::Services& services) {
         return OpenForm{std::make_unique<ui::BookletDialog>(services, p), nullptr};
     }},
    {"GroupWindow", PersonFields::Names | PersonFields::Date,
     [](const core::Person& p, platform::Services& services) {
         auto* group = new ui::GroupWindow(services);
         group->setPeople({p, {}});
         return OpenForm{
             std::unique_ptr<QWidget>(group),
             [group] { return group->findChild<QLabel*>(QStringLiteral("GroupProblem"))->text(); }};
     }},
};

// Types text the way a keyboard does, one key press per character; QTest's
// own typing knows only Latin letters.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

core::Person personBorn(int day, int monthIndex, const char* year) {
    core::Person p;
    p.names = {QStringLiteral("Иванова"), QStringLiteral("Мария"), QString()};
    p.birthDate = {day, monthIndex, QString::fromLatin1(year)};
    return p;
}

// Every form that has `part`, open on `person`, in turn.
void forEachForm(PersonFields::Part part, const core::Person& person,
                 const std::function<void(const OpenForm&)>& check) {
    for (const Form& form : kForms) {
        if (!(form.parts & part)) {
            continue;
        }
        SCOPED_TRACE(form.name);
        TestSettings settings;
        platform::RecordingServices services;
        const OpenForm open = form.open(person, services);
        ASSERT_NE(open.fields(), nullptr);
        check(open);
    }
}

}  // namespace

// Every form holds a name to the book's length as a reader counts characters:
// a flag is one, however many units it takes, and a longer text keeps what fits.
TEST(PersonFields, NamesKeepTheBooksLengthInEveryForm) {
    const QString flag = QStringLiteral("\U0001F1FA\U0001F1E6");
    const struct {
        QLineEdit* (PersonFields::*box)() const;
        int limit;
        QString unit;
    } cases[] = {{&PersonFields::surname, 25, QStringLiteral("ж")},
                 {&PersonFields::name, 20, QStringLiteral("ж")},
                 {&PersonFields::patronymic, 25, QStringLiteral("ж")},
                 {&PersonFields::surname, 25, flag},
                 {&PersonFields::name, 20, QStringLiteral("й")}};
    forEachForm(PersonFields::Names, {}, [&](const OpenForm& open) {
        for (const auto& c : cases) {
            QLineEdit* box = (open.fields()->*c.box)();
            box->clear();
            box->insert(c.unit.repeated(c.limit + 3));
            EXPECT_EQ(box->text(), c.unit.repeated(c.limit)) << box->accessibleName().toStdString();
        }
    });
}

// The day and month lists and the year box: what is shown of a date given,
// and what the form says of it; whether a date exists is core's to say.
TEST(PersonFields, DatesAreShownAndJudgedAlikeInEveryForm) {
    const struct {
        int day, month;
        const char* year;
        int shownDay, shownMonth;  // the lists' indexes
        const char* told;          // part of what the form says; empty: taken
    } cases[] = {
        {29, 1, "2024", 28, 1, ""},
        {29, 1, "2023", 28, 1, "такой даты нет: 29 февраля 2023"},
        {31, 3, "1985", 30, 3, "такой даты нет: 31 апреля 1985"},
        {31, 11, "9999", 30, 11, ""},
        {1, 0, "1", 0, 0, ""},
        {32, 0, "1990", -1, 0, "рождения"},
        {5, 12, "1990", 4, -1, "рождения"},
        {5, 4, "19x0", 4, 4, "год рождения нужно ввести цифрами"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month) + "." + c.year);
        forEachForm(PersonFields::Date, personBorn(c.day, c.month, c.year),
                    [&](const OpenForm& open) {
                        EXPECT_EQ(open.fields()->day()->currentIndex(), c.shownDay);
                        EXPECT_EQ(open.fields()->month()->currentIndex(), c.shownMonth);
                        EXPECT_EQ(open.fields()->year()->text(), QString::fromLatin1(c.year));
                        const QString told = open.dateRefusal();
                        EXPECT_TRUE(told.contains(QString::fromUtf8(c.told), Qt::CaseInsensitive))
                            << told.toStdString();
                        EXPECT_EQ(told.isEmpty(), *c.told == 0) << told.toStdString();
                    });
    }
}

// The year box keeps the main window's rules wherever a date is entered.
TEST(PersonFields, YearBoxKeepsTheMainWindowsRulesInEveryForm) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"1975", "1975"}, {"0", "1990"},    {"-5", "1990"},    {"19a0", "19a0"},
                 {"-", "-"},       {"9999", "9999"}, {"19751", "1975"}, {"1", "1"}};
    forEachForm(PersonFields::Date, {}, [&](const OpenForm& open) {
        QLineEdit* year = open.fields()->year();
        open.widget->show();
        for (const auto& c : cases) {
            year->clear();
            QTest::keyClicks(year, QString::fromLatin1(c.typed));
            EXPECT_EQ(year->text(), QString::fromLatin1(c.shown)) << c.typed;
        }
        // Clicked, it selects the decade and the year, which two digits replace.
        year->setText(QStringLiteral("1990"));
        QTest::mouseClick(year, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([year] { return year->selectedText() == "90"; }));
        QTest::keyClicks(year, QStringLiteral("75"));
        EXPECT_EQ(year->text(), QStringLiteral("1975"));
    });
}

// The gender follows the patronymic until it is picked, and the greeting's
// proposal shows in the empty «Обращение» in the report's language.
TEST(PersonFields, GenderAndAddressAreProposedAlikeInEveryForm) {
    forEachForm(PersonFields::Card, {}, [](const OpenForm& open) {
        PersonFields* fields = open.fields();
        fields->name()->setText(QStringLiteral("Андрій"));
        type(fields->patronymic(), QStringLiteral("Петрович"));
        EXPECT_EQ(fields->gender()->currentIndex(), 2);
        fields->setLanguage(core::ReportLanguage::Ukrainian);
        EXPECT_EQ(fields->address()->placeholderText(), QStringLiteral("Андрію Петровичу"));
        EXPECT_EQ(fields->person().address, QString());
        fields->gender()->setCurrentIndex(0);
        emit fields->gender()->activated(0);
        fields->patronymic()->clear();
        type(fields->patronymic(), QStringLiteral("Петрівна"));
        EXPECT_EQ(fields->gender()->currentIndex(), 0) << "picked by hand, it stays";
        type(fields->address(), QStringLiteral("  Андрію  "));
        EXPECT_EQ(fields->person().address, QStringLiteral("Андрію"));
    });
}
