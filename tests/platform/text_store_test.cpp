#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "file_size_limit.h"
#include "platform/text_store.h"

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 0777) : 0u;
}

bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Store {
    QTemporaryDir dir;
    platform::TextStore store{dir.filePath(QStringLiteral("data"))};
    QString file = store.fileOf(u"ru");
};

core::TextLibrary changed(const QString& level1) {
    core::TextLibrary library;
    EXPECT_TRUE(library.setText(u"level.1", level1).isEmpty());
    return library;
}

}  // namespace

// Saved whole, private, only what was changed; read back into the same library.
TEST(TextStore, KeepsOnlyTheChangedEntriesInAPrivateFile) {
    Store s;
    EXPECT_TRUE(s.store.load(u"ru").library.own().isEmpty());
    core::TextLibrary library = changed(QStringLiteral("Мой текст."));
    library.setOn(u"notice", false);
    ASSERT_EQ(s.store.save(library.own()), QString());
    EXPECT_EQ(modeOf(s.file), 0600u);
    EXPECT_EQ(modeOf(s.store.folder()), 0700u);
    EXPECT_EQ(bytesOf(s.file), "zemtar-texts 1 ru\n\n[level.1]\nМой текст.\n\n[notice off]\n");
    const platform::TextStore::Loaded loaded = s.store.load(u"ru");
    EXPECT_EQ(loaded.problem, QString());
    EXPECT_EQ(loaded.library.own(), library.own());
}

// Each language's own texts in a file of their own, over that language's
// defaults: a Ukrainian change leaves the Russian texts as they were, and a
// file in the wrong language is not taken.
TEST(TextStore, KeepsEachLanguageApart) {
    Store s;
    core::TextLibrary ukrainian{core::TextSet(QStringLiteral("uk"))};
    ASSERT_TRUE(ukrainian.setText(u"level.1", QStringLiteral("Мій текст.")).isEmpty());
    ASSERT_EQ(s.store.save(ukrainian.own()), QString());
    ASSERT_EQ(s.store.save(changed(QStringLiteral("Мой текст.")).own()), QString());

    const core::TextLibrary uk = s.store.load(u"uk").library;
    EXPECT_EQ(uk.text(u"level.1"), QStringLiteral("Мій текст."));
    EXPECT_EQ(uk.text(u"level.2"), core::defaultTexts(u"uk").text(u"level.2"));
    EXPECT_EQ(s.store.load(u"ru").library.text(u"level.1"), QStringLiteral("Мой текст."));
    EXPECT_TRUE(s.store.load(u"en").library.own().isEmpty());

    ASSERT_TRUE(put(s.store.fileOf(u"en"), "zemtar-texts 1 ru\n[level.1]\nНе тот язык.\n"));
    const platform::TextStore::Loaded wrong = s.store.load(u"en");
    EXPECT_FALSE(wrong.problem.isEmpty());
    EXPECT_EQ(wrong.library.text(u"level.1"), core::defaultTexts(u"en").text(u"level.1"));
}

// A link in the file's place is neither read nor written through, and a save
// that cannot be written whole leaves the previous texts and says why.
TEST(TextStore, RefusesLinksAndKeepsThePreviousTextsOnAFailedSave) {
    Store s;
    ASSERT_EQ(s.store.save(changed(QStringLiteral("Прежний.")).own()), QString());
    const QByteArray before = bytesOf(s.file);
    {
        const FileSizeLimit small(64);
        const QString failed = s.store.save(changed(QStringLiteral("Я").repeated(200)).own());
        EXPECT_TRUE(failed.contains(QStringLiteral("остались как были"))) << failed.toStdString();
    }
    EXPECT_EQ(bytesOf(s.file), before);

    const QString other = s.dir.filePath(QStringLiteral("чужой.txt"));
    ASSERT_TRUE(put(other, "zemtar-texts 1 ru\n[level.1]\nЧужой.\n"));
    ASSERT_TRUE(QFile::remove(s.file));
    ASSERT_TRUE(QFile::link(other, s.file));
    const platform::TextStore::Loaded loaded = s.store.load(u"ru");
    EXPECT_TRUE(loaded.problem.contains(QStringLiteral("символическая ссылка")));
    EXPECT_FALSE(loaded.library.isChanged(u"level.1"));
    const QString refused = s.store.save(changed(QStringLiteral("Новый.")).own());
    EXPECT_TRUE(refused.contains(QStringLiteral("символическая ссылка"))) << refused.toStdString();
    EXPECT_EQ(bytesOf(other), "zemtar-texts 1 ru\n[level.1]\nЧужой.\n");
}

// An import tells how many entries it changes, replaces the set, and an undo
// puts back the set it replaced; a file it cannot use changes nothing.
TEST(TextStore, ImportCountsItsChangesAndCanBeUndone) {
    Store s;
    const core::TextLibrary current = changed(QStringLiteral("Мой."));
    ASSERT_EQ(s.store.save(current.own()), QString());
    const QString colleague = s.dir.filePath(QStringLiteral("коллега.txt"));
    ASSERT_TRUE(put(colleague, "zemtar-texts 1 ru\n[level.2]\nЕё.\n[notice off]\n"));

    const platform::TextStore::ImportPreview preview = s.store.previewImport(colleague, current);
    ASSERT_TRUE(preview.importable);
    EXPECT_EQ(preview.problem, QString());
    EXPECT_EQ(preview.changes, 3);  // level.1 back to the default, level.2, the notice off
    ASSERT_EQ(s.store.applyImport(current, preview.incoming), QString());
    EXPECT_EQ(s.store.load(u"ru").library.own(), preview.incoming);
    EXPECT_TRUE(s.store.canUndoImport(u"ru"));
    EXPECT_EQ(modeOf(s.store.undoFileOf(u"ru")), 0600u);

    const platform::TextStore::Loaded undone = s.store.undoImport(u"ru");
    EXPECT_EQ(undone.problem, QString());
    EXPECT_EQ(undone.library.own(), current.own());
    EXPECT_EQ(s.store.load(u"ru").library.own(), current.own());
    EXPECT_FALSE(s.store.canUndoImport(u"ru"));

    const struct {
        const char* what;
        QByteArray bytes;
        const char* says;
    } unusable[] = {
        {"foreign", "Фамилия;Имя\n", "не файл текстов"},
        {"another language", "zemtar-texts 1 uk\n[level.1]\nМій.\n", "на языке «Українська»"},
    };
    for (const auto& u : unusable) {
        ASSERT_TRUE(put(colleague, u.bytes));
        const platform::TextStore::ImportPreview refused =
            s.store.previewImport(colleague, current);
        EXPECT_FALSE(refused.importable) << u.what;
        EXPECT_TRUE(refused.problem.contains(QString::fromUtf8(u.says))) << u.what;
    }
    // What is no regular file is refused unread: a pipe would never answer.
    const QString pipe = s.dir.filePath(QStringLiteral("канал"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const auto& [path, says] :
         {std::pair{pipe, "не обычный файл"}, std::pair{s.dir.path(), "папка"}}) {
        const platform::TextStore::ImportPreview refused = s.store.previewImport(path, current);
        EXPECT_FALSE(refused.importable);
        EXPECT_TRUE(refused.problem.contains(QString::fromUtf8(says))) << says;
    }
}
