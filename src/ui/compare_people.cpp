// The comparison window's two people: their inputs, what is told about them,
// and the memory of them between openings.

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "core/client_names.h"
#include "platform/character_limit.h"
#include "ui/compare_memory.h"
#include "ui/compare_window.h"
#include "ui/day_list.h"
#include "ui/window_language.h"

namespace ui {

namespace {

constexpr int kNameLength = 60;

}  // namespace

QString CompareWindow::who(std::size_t which) {
    return which == 0 ? tr("Первый") : tr("Второй");
}

CompareWindow::~CompareWindow() {
    // The program may end with the window open: it is remembered then too.
    rememberPeople({personEntry(0), personEntry(1)});
}

void CompareWindow::closeEvent(QCloseEvent* event) {
    rememberPeople({personEntry(0), personEntry(1)});
    QWidget::closeEvent(event);
}

void CompareWindow::buildPeople(QWidget* box) {
    auto* grid = new QGridLayout(box);
    for (int k = 0; k < 2; ++k) {
        buildPerson(grid, k);
    }
    grid->setColumnStretch(1, 1);
}

void CompareWindow::buildPerson(QGridLayout* grid, int which) {
    QWidget* box = grid->parentWidget();
    Inputs& in = inputs_[static_cast<std::size_t>(which)];
    const QString name = who(static_cast<std::size_t>(which));
    auto* label = new QLabel(which == 0 ? tr("&Первый:") : tr("&Второй:"), box);
    in.name = new QLineEdit(box);
    platform::limitCharacters(in.name, kNameLength);
    in.name->setPlaceholderText(tr("имя (можно не указывать)"));
    in.name->setAccessibleName(tr("%1: имя").arg(name));
    label->setBuddy(in.name);
    in.day = new QComboBox(box);
    in.day->setAccessibleName(tr("%1: день рождения").arg(name));
    for (int d = 1; d <= 31; ++d) {
        in.day->addItem(QString::number(d));
    }
    in.month = new QComboBox(box);
    in.month->setAccessibleName(tr("%1: месяц рождения").arg(name));
    in.month->addItems(monthNames());
    in.day->setCurrentIndex(-1);
    in.month->setCurrentIndex(-1);
    in.year = new QLineEdit(box);
    in.year->setMaxLength(4);  // as the main window's year box
    in.year->setAccessibleName(tr("%1: год рождения").arg(name));
    in.year->setPlaceholderText(tr("год"));
    const QString n = QString::number(which + 1);
    in.name->setObjectName(QStringLiteral("CompareName") + n);
    in.day->setObjectName(QStringLiteral("CompareDay") + n);
    in.month->setObjectName(QStringLiteral("CompareMonth") + n);
    in.year->setObjectName(QStringLiteral("CompareYear") + n);
    int column = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{label, in.name, in.day, in.month, in.year}) {
        grid->addWidget(w, which, column++);
    }
    connect(in.name, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(in.year, &QLineEdit::textChanged, this, [this, which] { dateEdited(which); });
    connect(in.day, &QComboBox::currentIndexChanged, this, [this, which] { dateEdited(which); });
    connect(in.month, &QComboBox::currentIndexChanged, this, [this, which] { dateEdited(which); });
}

void CompareWindow::dateEdited(int which) {
    if (!filling_) {
        touched_[static_cast<std::size_t>(which)] = true;
    }
    refresh();
}

void CompareWindow::setPerson(int which, const PersonEntry& person) {
    Inputs& in = inputs_.at(static_cast<std::size_t>(which));
    // A date given is told about at once if it cannot be calculated; an empty
    // one waits for the user.
    touched_[static_cast<std::size_t>(which)] = !person.date.isBlank();
    {
        const QScopedValueRollback<bool> filling(filling_, true);
        in.name->setText(person.name);
        chooseDay(*in.day, person.date.day);
        in.month->setCurrentIndex(person.date.monthIndex);
        in.year->setText(person.date.year);
    }
    refresh();
}

PersonEntry CompareWindow::personEntry(int which) const {
    const Inputs& in = inputs_.at(static_cast<std::size_t>(which));
    return {{chosenDay(*in.day), in.month->currentIndex(), in.year->text()}, in.name->text()};
}

QString CompareWindow::personProblem(int which, const core::Calculation& calculation) const {
    const auto k = static_cast<std::size_t>(which);
    // What the page would print mirrored or broken is told at once.
    if (QString problem = core::nameProblem(inputs_[k].name->text(), kNameLength, tr("Имя"));
        !problem.isEmpty()) {
        return problem;
    }
    const auto* refusal = std::get_if<core::Refusal>(&calculation);
    return refusal && touched_[k] ? refusal->text : QString();
}

}  // namespace ui
