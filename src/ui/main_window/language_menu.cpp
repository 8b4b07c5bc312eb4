#include "ui/main_window/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QTranslator>

#include "core/program_info.h"
#include "platform/services.h"
#include "platform/translations.h"

namespace ui {

namespace {

constexpr const char* kContext = "ui::LanguageMenu";
constexpr const char* kNote = QT_TRANSLATE_NOOP(
    "ui::LanguageMenu", "Язык интерфейса сменится при следующем запуске программы.");

// The note as the chosen language says it, from that language's own
// catalogue; empty when the catalogue is not there.
QString noteIn(const QString& code) {
    if (code == QLatin1String("ru")) {
        return QString::fromUtf8(kNote);
    }
    QTranslator chosen;
    if (!chosen.load(QStringLiteral("zemtar_window_") + code,
                     QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))) {
        return {};
    }
    return chosen.translate(kContext, kNote);
}

}  // namespace

QString languageChangeNote(const QString& code) {
    const QString now = QCoreApplication::translate(kContext, kNote);
    const QString then = noteIn(code);
    return then.isEmpty() || then == now ? now : then + QStringLiteral("\n\n") + now;
}

void addLanguageMenu(QMenu* menu, QWidget* window, platform::Services& services) {
    QMenu* languages =
        menu->addMenu(QCoreApplication::translate("ui::LanguageMenu", "&Язык интерфейса"));
    languages->setObjectName(QStringLiteral("mLanguage"));
    auto* group = new QActionGroup(languages);
    const QString remembered = platform::interfaceLanguage();
    for (const QString& code : platform::interfaceLanguages()) {
        QAction* action = languages->addAction(platform::interfaceLanguageName(code));
        action->setObjectName(QStringLiteral("mpLanguage_") + code);
        action->setCheckable(true);
        action->setChecked(code == remembered);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, window, [window, &services, code] {
            if (code == platform::interfaceLanguage()) {
                return;
            }
            platform::setInterfaceLanguage(code);
            services.message(window, {languageChangeNote(code), info::programName(),
                                      platform::MessageIcon::Information, 0});
        });
    }
}

}  // namespace ui
