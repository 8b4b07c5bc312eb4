#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "core/client_names.h"
#include "platform/character_limit.h"

namespace {

const QString kAccented = QStringLiteral("и\u0306");  // «й» as two code points
const QString kFlag = QStringLiteral("🇷🇺");           // two regional letters, four units
const QString kFamily = QStringLiteral("👨\u200D👩\u200D👧");

// Each code unit as a key with its text, as a keyboard layout sends them.
void type(QLineEdit& box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &key);
    }
}

}  // namespace

// A name box counts what a reader sees and never keeps half of a character;
// what would go over is cut from the end of what came in, and keys with no
// room left are refused without losing what undo takes back.
TEST(CharacterLimit, KeepsWholeCharactersUpToTheLimit) {
    const struct {
        const char* what;
        int limit;
        QString before;
        int cursor;
        QString typed;   // key by key
        QString pasted;  // at once
        QString after;
        int cursorAfter;
        std::optional<QString> afterUndo;  // what typing leaves for undo
    } cases[] = {
        {"typed to the limit", 6, {}, 0, "Иванов", {}, "Иванов", 6, ""},
        {"typed over", 5, "Ан", 2, "дреевич", {}, "Андре", 5, "Ан"},
        {"pasted over", 5, "Ив", 2, {}, "анова", "Ивано", 5, {}},
        {"pasted in the middle", 6, "Ивов", 2, {}, "анова", "Иванов", 4, {}},
        {"accent typed at the limit", 3, {}, 0, "Ан" + kAccented, {}, "Ан" + kAccented, 4, ""},
        {"accent pasted at the limit", 2, {}, 0, {}, "а" + kAccented + "б", "а" + kAccented, 3, {}},
        {"flags pasted", 3, "Ив", 2, {}, kFlag + kFlag, "Ив" + kFlag, 6, {}},
        {"family pasted", 2, "А", 1, {}, kFamily + "Б", "А" + kFamily, 9, {}},
        {"set too long", 5, "Ивановская", 10, {}, {}, "Ивано", 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QLineEdit box;
        platform::limitCharacters(&box, c.limit);
        box.setText(c.before);
        box.setCursorPosition(c.cursor);
        type(box, c.typed);
        if (!c.pasted.isEmpty()) {
            QApplication::clipboard()->setText(c.pasted);
            box.paste();
        }
        EXPECT_EQ(box.text(), c.after);
        EXPECT_EQ(box.cursorPosition(), c.cursorAfter);
        EXPECT_LE(core::visibleLength(box.text()), c.limit);
        if (c.afterUndo) {
            box.undo();
            EXPECT_EQ(box.text(), *c.afterUndo);
        }
    }
}
