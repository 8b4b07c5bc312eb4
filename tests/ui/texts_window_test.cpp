#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeWidget>

#include "core/forecast.h"
#include "core/text_file.h"
#include "file_size_limit.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "recording_services.h"
#include "ui/texts/text_preview.h"
#include "ui/texts/texts_window.h"

namespace {

core::Person mariaPetrova() {
    core::Person p;
    p.names = {QStringLiteral("Петрова"), QStringLiteral("Мария"), {}};
    return p;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window over a data folder of its own, its questions answered by the
// test and its message boxes recorded.
struct Texts {
    QTemporaryDir dir;
    platform::TextStore store{dir.filePath(QStringLiteral("data"))};
    platform::RecordingServices services;
    std::unique_ptr<ui::TextsWindow> window;
    std::vector<QString> questions;
    bool agree = true;
    QString file;  // what the file chooser answers

    explicit Texts(ui::PreviewSubject subject = {}) { open(std::move(subject)); }

    void open(ui::PreviewSubject subject = {}) {
        window = std::make_unique<ui::TextsWindow>(services, store, subject);
        window->setConfirm([this](QWidget*, const QString& question, const QString&) {
            questions.push_back(question);
            return agree;
        });
        window->setAskFile([this](QWidget*, bool) { return file; });
        window->setAskUnsaved([](QWidget*) { return ui::TextsWindow::Unsaved::Stay; });
    }
    void type(const char* key, const QString& text) const {
        ASSERT_TRUE(window->selectEntry(QString::fromLatin1(key)));
        window->editor()->setPlainText(text);
    }
    QStringList storedKeys() const { return store.load(u"ru").library.own().keys(); }
    QTreeWidgetItem* item() const { return window->tree()->currentItem(); }
};

core::Forecast forecastOf(int day, int month, const char* year) {
    return std::get<core::Forecast>(core::calculate({day, month, QString::fromLatin1(year)}));
}

}  // namespace

// Two texts changed and saved are exactly what the store holds; one reset
// is marked unchanged again and leaves the store at the next save. A
// practitioner's «%1» and «<b>» print as typed beside the client's name.
TEST(TextsWindow, SavesOnlyTheChangedEntriesAndForgetsAReset) {
    Texts t(ui::PreviewSubject{forecastOf(23, 7, "1975"), mariaPetrova(), 2026});
    EXPECT_TRUE(t.window->previewNote()->text().contains("Петрова Мария"));
    t.type("aspect.1.0", "Для {имя}: %1 <b>{уровень}</b> {дата}");
    EXPECT_EQ(t.window->preview()->toPlainText(), "Для Мария: %1 <b>0</b> {дата}");
    EXPECT_TRUE(t.item()->font(0).bold());
    EXPECT_TRUE(t.item()->toolTip(0).contains("изменён вами"));
    EXPECT_TRUE(t.item()->parent()->font(0).bold());  // «Биополе» shows it folded too
    t.type("level.3", "Мой третий уровень.");
    ASSERT_TRUE(t.window->saveButton()->isEnabled());
    ASSERT_TRUE(t.window->save());
    EXPECT_EQ(t.storedKeys(), QStringList({"aspect.1.0", "level.3"}));
    EXPECT_FALSE(t.window->hasUnsavedChanges());

    t.window->resetEntry();
    EXPECT_FALSE(t.window->library().isChanged(u"level.3"));
    EXPECT_FALSE(t.item()->font(0).bold());
    EXPECT_EQ(t.window->editor()->toPlainText(), t.window->library().defaultText(u"level.3"));
    ASSERT_TRUE(t.window->save());
    EXPECT_EQ(t.storedKeys(), QStringList({"aspect.1.0"}));
    EXPECT_TRUE(t.services.messages.empty());
}

// A text over the limit stays in the editor as typed, blocks the save with
// its reason, and nothing reaches the file; a failed save keeps the file.
TEST(TextsWindow, RefusesTooLongTextsAndKeepsTheFileWhenASaveFails) {
    Texts t;
    t.type("opening", "Прежний текст.");
    ASSERT_TRUE(t.window->save());
    const QByteArray before = bytesOf(t.store.fileOf(u"ru"));

    const QString tooLong = QString(core::kTextLimit + 1, u'ж');
    t.type("closing", tooLong);
    EXPECT_EQ(t.window->editor()->toPlainText(), tooLong);
    EXPECT_FALSE(t.window->saveButton()->isEnabled());
    EXPECT_TRUE(t.window->problemLabel()->text().contains("4000"));
    EXPECT_TRUE(t.window->statusLabel()->text().contains("Заключение"));
    EXPECT_FALSE(t.window->save());
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_EQ(bytesOf(t.store.fileOf(u"ru")), before);
    t.window->selectEntry(u"level.1");
    t.window->selectEntry(u"closing");
    EXPECT_EQ(t.window->editor()->toPlainText(), tooLong);  // never cut

    t.type("closing", QString(3000, u'ж'));
    EXPECT_TRUE(t.window->saveButton()->isEnabled());
    {
        const FileSizeLimit small(64);
        EXPECT_FALSE(t.window->save());
    }
    ASSERT_EQ(t.services.messages.size(), 2u);
    EXPECT_EQ(t.services.messages[1].icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(t.services.messages[1].text.contains("остались как были"));
    EXPECT_EQ(bytesOf(t.store.fileOf(u"ru")), before);
    EXPECT_TRUE(t.window->hasUnsavedChanges());
}

// A name in braces that is no field is underlined in the editor and named below it.
TEST(TextsWindow, MarksUnknownFields) {
    Texts t;
    t.type("notice", "{имя}, ваша {дата рождения}");
    EXPECT_TRUE(t.window->problemLabel()->text().startsWith("Таких полей нет: {дата рождения} —"))
        << t.window->problemLabel()->text().toStdString();
    const QList<QTextLayout::FormatRange> marks =
        t.window->editor()->document()->firstBlock().layout()->formats();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].start, 12);
    EXPECT_EQ(marks[0].length, 15);
    EXPECT_EQ(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
}

// An import says what it changes and asks; «Отменить импорт» puts back the
// set before it. A file that is not ours, or one the user declines, changes
// nothing.
TEST(TextsWindow, ImportsAskingFirstAndUndoes) {
    Texts t;
    t.type("level.1", "Мой.");
    ASSERT_TRUE(t.window->save());
    t.file = t.dir.filePath("коллега.txt");
    core::TextSet colleague;
    ASSERT_EQ(colleague.setText(u"level.2", "Её."), QString());
    ASSERT_EQ(platform::writeTextFile(t.file, colleague), QString());

    t.agree = false;
    t.window->importTexts();
    ASSERT_EQ(t.questions.size(), 1u);
    EXPECT_TRUE(t.questions[0].contains("изменит записей: 2")) << t.questions[0].toStdString();
    EXPECT_TRUE(t.window->library().isChanged(u"level.1"));

    t.agree = true;
    t.window->importTexts();
    EXPECT_EQ(t.storedKeys(), QStringList({"level.2"}));
    EXPECT_EQ(t.window->library().text(u"level.2"), "Её.");
    ASSERT_TRUE(t.window->undoImportButton()->isEnabled());
    t.window->undoImport();
    EXPECT_EQ(t.storedKeys(), QStringList({"level.1"}));
    EXPECT_EQ(t.window->library().text(u"level.1"), "Мой.");
    EXPECT_FALSE(t.window->undoImportButton()->isEnabled());

    ASSERT_TRUE(QFile::remove(t.file));
    QFile foreign(t.file);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("Фамилия;Имя\n");
    foreign.close();
    t.window->importTexts();
    ASSERT_EQ(t.services.messages.size(), 1u);
    EXPECT_TRUE(t.services.messages[0].text.contains("коллега.txt"));
    EXPECT_TRUE(t.services.messages[0].text.contains("не изменились"));
    EXPECT_EQ(t.storedKeys(), QStringList({"level.1"}));
}

// The search keeps the entries whose key, place or text has the words.
TEST(TextsWindow, SearchFiltersTheTree) {
    Texts t;
    t.type("shape.peak", "Уникальное слово здесь.");
    const auto shown = [&t] {
        QStringList keys;
        for (QTreeWidgetItemIterator it(t.window->tree()); *it; ++it) {
            const QString key = (*it)->data(0, Qt::UserRole).toString();
            if (!key.isEmpty() && !(*it)->isHidden()) {
                keys << key;
            }
        }
        return keys;
    };
    const struct {
        const char* query;
        QStringList keys;
    } rows[] = {
        {"уникальное", {"shape.peak"}},
        {"happiness.4",
         {"happiness.4", "happiness.4.female", "happiness.4.male", "child.happiness.4",
          "child.happiness.4.female", "child.happiness.4.male"}},
        {"Оговорка", {"notice"}},
        {"нет такого", {}},
    };
    for (const auto& row : rows) {
        t.window->searchBox()->setText(QString::fromUtf8(row.query));
        EXPECT_EQ(shown(), row.keys) << row.query;
    }
    t.window->searchBox()->clear();
    EXPECT_EQ(shown().size(), qsizetype(core::textKeys().size()));
}

// The preview fills each kind of entry with what it speaks of in the forecast
// (23.08.1975, life number 4558300, this year 2026): the aspect and its level,
// the years of a level or a shape from this year on; a missing forecast and
// client give the example. A field an entry does not speak of stays unset.
TEST(TextPreview, FillsEachEntryFromTheForecast) {
    const ui::TextPreview preview({forecastOf(23, 7, "1975"), mariaPetrova(), 2026});
    const auto shown = [](const core::FieldValues& values, core::TextField field) {
        return values.value(field).value_or(QStringLiteral("-"));
    };
    const struct {
        const char* key;
        const char* aspect;
        const char* level;
        const char* year;
        const char* years;
    } rows[] = {
        {"aspect.6.2", "Интерес", "2", "2026", "-"},
        {"aspect.6.4", "Интерес", "5", "2026", "-"},  // «4 и выше» takes the client's 5
        {"level.8", "-", "8", "2027", "2027, 2034, 2041"},
        {"shape.same", "-", "5", "2026", "2026, 2033, 2040"},
        {"pair.both-low", "-", "0", "2029", "2029, 2030, 2036, 2037, 2043, 2044"},
        {"pair.aspect.5.none", "Любовь", "8", "2027", "2027, 2034, 2041"},
        {"group.all-low", "-", "0", "2029", "2029, 2030, 2036, 2037, 2043, 2044"},
        {"group.aspect.5.some", "Любовь", "8", "2027", "2027, 2034, 2041"},
        {"opening", "-", "5", "2026", "-"},
    };
    for (const auto& row : rows) {
        const core::FieldValues values = preview.values(QString::fromLatin1(row.key));
        EXPECT_EQ(shown(values, core::TextField::Name), "Мария") << row.key;
        EXPECT_EQ(shown(values, core::TextField::Aspect), row.aspect) << row.key;
        EXPECT_EQ(shown(values, core::TextField::Level), row.level) << row.key;
        EXPECT_EQ(shown(values, core::TextField::Year), row.year) << row.key;
        EXPECT_EQ(shown(values, core::TextField::Years), row.years) << row.key;
    }
    const ui::TextPreview example({std::nullopt, std::nullopt, 2026});
    EXPECT_TRUE(example.note().contains("для примера: Иванова Анна Сергеевна, 1 января 1990"))
        << example.note().toStdString();
}

// Closing with changes not saved asks first: saved, thrown away, or the
// window stays open with them.
TEST(TextsWindow, AsksBeforeClosingWithChangesNotSaved) {
    using Unsaved = ui::TextsWindow::Unsaved;
    const struct {
        Unsaved answer;
        bool closes;
        QStringList stored;
    } rows[] = {
        {Unsaved::Save, true, {"closing"}},
        {Unsaved::Discard, true, {}},
        {Unsaved::Stay, false, {}},
    };
    for (const auto& row : rows) {
        Texts t;
        int asked = 0;
        t.window->setAskUnsaved([&](QWidget*) {
            ++asked;
            return row.answer;
        });
        t.window->show();
        t.type("closing", "До встречи!");
        t.window->reject();
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(t.window->isHidden(), row.closes) << int(row.answer);
        EXPECT_EQ(t.storedKeys(), row.stored) << int(row.answer);
        EXPECT_EQ(t.window->hasUnsavedChanges(), !row.closes) << int(row.answer);
    }
}

// The splitter's place is the user's, from one opening to the next.
TEST(TextsWindow, RemembersTheSplitter) {
    Texts t;
    t.window->resize(990, 660);
    t.window->show();
    auto* splitter = t.window->findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    splitter->setSizes({200, 760});
    const QList<int> sizes = splitter->sizes();
    t.window->hide();
    t.open();
    t.window->show();
    EXPECT_EQ(t.window->findChild<QSplitter*>()->sizes(), sizes);
}
