#pragma once

#include <QObject>
#include <QString>

#include "core/person.h"

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace ui {

// The rows a person is entered with, added to a form: «Фамилия», «Имя»,
// «Отчество», «Пол» and «Обращение». The card and the booklet dialog take a
// person through them alike.
//
// «Пол» is proposed from the patronymic while the user has not picked it
// (a stored «не указан» is no pick); «Обращение» shows the greeting the names
// propose in the report's language, greyed, until the user types their own,
// which is then used as typed. Nothing typed leaves the address empty, so
// that a booklet proposes it afresh from the names of the day.
class PersonRows : public QObject {
    Q_OBJECT

public:
    // Adds the rows to `form`; `limitNames` caps each name at the book's
    // length, as the card does.
    PersonRows(QFormLayout* form, const core::Person& person, bool limitNames = true);

    // The names, the gender and the address as entered; the date of birth
    // and the language as given (setLanguage()).
    core::Person person() const;
    // The language the address is proposed in.
    void setLanguage(core::ReportLanguage language);

    QLineEdit* surname() const { return surname_; }
    QLineEdit* name() const { return name_; }
    QLineEdit* patronymic() const { return patronymic_; }
    QComboBox* gender() const { return gender_; }
    QLineEdit* address() const { return address_; }

private:
    void namesEdited();

    core::Person person_;
    QLineEdit* surname_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* patronymic_ = nullptr;
    QComboBox* gender_ = nullptr;
    QLineEdit* address_ = nullptr;
    bool genderPicked_ = false;  // by the user, or known from the book
};

}  // namespace ui
