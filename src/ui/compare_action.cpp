#include <QAction>
#include <QCoreApplication>
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

// The owner's comparison window, made the first time it is asked for.
CompareWindow* comparisonOf(QWidget* owner, platform::Services& services) {
    auto* window = owner->findChild<CompareWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return window != nullptr ? window : new CompareWindow(services, owner);
}

void bringForward(CompareWindow* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void addCompareAction(QMenu* menu, FrmMain* window, platform::Services& services) {
    QAction* action = menu->addAction(CompareWindow::tr("&Сравнить…"));
    action->setObjectName(QStringLiteral("mpCompare"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QObject::connect(action, &QAction::triggered, window, [window, &services] {
        CompareWindow* compare = comparisonOf(window, services);
        const PersonEntry first = compare->personEntry(0);
        if (compare->isHidden() && first.date.isBlank() && window->forecast()) {
            compare->setPerson(0, {window->forecast()->date, first.name});
        }
        bringForward(compare);
    });
    auto* keys = new KeyToAction(action, action);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->installEventFilter(keys);
    }
}

CompareWindow* openComparison(QWidget* owner, platform::Services& services,
                              const PersonEntry& first, const PersonEntry& second) {
    CompareWindow* window = comparisonOf(owner, services);
    window->setPerson(0, first);
    window->setPerson(1, second);
    bringForward(window);
    return window;
}

}  // namespace ui
