#include "ui/main_window/current_client.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "core/program_info.h"

namespace ui {

std::vector<graph::YearNote> eventNotes(const std::vector<book::LifeEvent>& events) {
    std::vector<graph::YearNote> notes;
    for (const book::LifeEvent& e : events) {
        notes.push_back({e.year, book::eventDateText(e) + QStringLiteral(" — ") + e.text});
    }
    return notes;
}

bool sameNames(const core::ClientNames& a, const core::ClientNames& b) {
    return a.surname.trimmed() == b.surname.trimmed() && a.name.trimmed() == b.name.trimmed() &&
           a.patronymic.trimmed() == b.patronymic.trimmed();
}

QString mainWindowTitle(const std::optional<CurrentClient>& client) {
    if (!client) {
        // The program's name stays as it is in every language.
        return QCoreApplication::translate("ui::CurrentClient", "\"%1\", Версия %2")
            .arg(info::programName(), info::version());
    }
    return info::programName() + QStringLiteral(" — ") + core::fullName(client->person.names);
}

NameChange askNameChange(QWidget* parent, const core::ClientNames& was,
                         const core::ClientNames& typed) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QCoreApplication::translate("ui::CurrentClient", "Картотека клиентов"));
    box.setTextFormat(Qt::PlainText);
    box.setText(QCoreApplication::translate(
                    "ui::CurrentClient",
                    "Отчёт составлен на «%1», а в картотеке этот клиент записан как "
                    "«%2».\n\nИсправить запись этого клиента или добавить нового "
                    "клиента?")
                    .arg(core::fullName(typed), core::fullName(was)));
    QPushButton* correct =
        box.addButton(QCoreApplication::translate("ui::CurrentClient", "Исправить запись клиента"),
                      QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("ui::CurrentClient", "Добавить нового клиента"),
                  QMessageBox::ActionRole);
    box.setDefaultButton(correct);
    box.setEscapeButton(correct);
    box.exec();
    return box.clickedButton() == correct || box.clickedButton() == nullptr ? NameChange::Correct
                                                                            : NameChange::AddNew;
}

}  // namespace ui
