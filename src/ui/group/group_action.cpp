#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "platform/services.h"
#include "ui/group/group_window.h"
#include "ui/main_window/frm_main.h"

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

// The owner's group window, made the first time it is asked for. Its «Из
// картотеки…» runs the owner's «Картотека клиентов…» when the owner has one.
GroupWindow* groupOf(QWidget* owner, platform::Services& services) {
    auto* window = owner->findChild<GroupWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window != nullptr) {
        return window;
    }
    window = new GroupWindow(services, owner);
    if (auto* book = owner->findChild<QAction*>(QStringLiteral("mpBook"));
        book != nullptr && book->isVisible()) {
        window->setOpenBook([book] { book->trigger(); });
    }
    if (auto* main = qobject_cast<FrmMain*>(owner)) {
        window->setOnDelivered(
            [main](const std::vector<core::Person>& people, core::ReportKind kind,
                   const QString& file) { main->recordComparison(people, kind, file); });
    }
    return window;
}

void bringForward(GroupWindow* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void addGroupAction(QMenu* menu, FrmMain* window, platform::Services& services) {
    QAction* action = menu->addAction(GroupWindow::tr("&Сравнить…"));
    action->setObjectName(QStringLiteral("mpCompare"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QObject::connect(action, &QAction::triggered, window, [window, &services] {
        GroupWindow* group = groupOf(window, services);
        const core::Person first = group->person(0);
        if (group->isHidden() && first.birthDate.isBlank() && window->forecast()) {
            core::Person dated = first;
            dated.birthDate = window->forecast()->date;
            group->setPerson(0, dated);
        }
        bringForward(group);
    });
    auto* keys = new KeyToAction(action, action);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->installEventFilter(keys);
    }
}

GroupWindow* openGroup(QWidget* owner, platform::Services& services,
                       const std::vector<core::Person>& people) {
    GroupWindow* window = groupOf(owner, services);
    window->setPeople(people);
    bringForward(window);
    return window;
}

GroupWindow* addToGroup(QWidget* owner, platform::Services& services, const core::Person& person) {
    GroupWindow* window = groupOf(owner, services);
    int empty = -1;
    for (int k = window->rowCount() - 1; k >= 0; --k) {
        const core::Person p = window->person(k);
        if (p.birthDate.isBlank() && core::fullName(p.names).isEmpty()) {
            empty = k;
        }
    }
    if (empty >= 0) {
        window->setPerson(empty, person);
    } else if (!window->addPerson(person)) {
        services.message(window, {GroupWindow::tr("В сравнении уже %1 человек: чтобы добавить ещё "
                                                  "одного, уберите кого-нибудь.")
                                      .arg(core::kGroupMost),
                                  GroupWindow::tr("Сравнение прогнозов"),
                                  platform::MessageIcon::Information, 0});
    }
    bringForward(window);
    return window;
}

}  // namespace ui
