#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "ui/compare_window.h"
#include "ui/frm_main.h"

namespace ui {

namespace {

// The line edits of the main window would take Ctrl+D for themselves (delete
// the next character); while the command is available, the key is its.
class KeyToAction : public QObject {
public:
    KeyToAction(QObject* parent, const QAction* action) : QObject(parent), action_(action) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && action_->isEnabled() &&
            QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == action_->shortcut()) {
            return true;  // not taken by the box, so the shortcut runs
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QAction* action_;
};

}  // namespace

void addCompareAction(QMenu* menu, FrmMain* window, platform::Services& services) {
    QAction* action = menu->addAction(QStringLiteral("&Сравнить…"));
    action->setObjectName(QStringLiteral("mpCompare"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QObject::connect(action, &QAction::triggered, window, [window, &services] {
        PersonEntry first;
        if (window->forecast()) {
            first.date = window->forecast()->date;
        }
        openComparison(window, services, first, {});
    });
    auto* keys = new KeyToAction(action, action);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->installEventFilter(keys);
    }
}

CompareWindow* openComparison(QWidget* owner, platform::Services& services,
                              const PersonEntry& first, const PersonEntry& second) {
    auto* window = owner->findChild<CompareWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new CompareWindow(services, owner);
    }
    window->setPerson(0, first);
    window->setPerson(1, second);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace ui
