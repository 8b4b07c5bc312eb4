#pragma once

#include <QFlags>
#include <QObject>
#include <QString>
#include <vector>

#include "core/person.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace print {

// The one way a person is entered: the client dialog before a report, the
// main window's date, the client's card, the booklet dialog and each row of
// the group window all take a person through these controls, with the same
// rules, and place them as their own look asks (a form's rows, a grid's cells,
// the first design's places in twips).
//
// - Names: «Фамилия», «Имя», «Отчество», each held to the book's length as a
//   reader counts characters (platform::limitCharacters); what the names may
//   not hold is judged where they go (core::clientNamesProblem).
// - Date: the day list (1 to 31), the month list in the window's language and
//   the year box with the main window's rules: at most four characters, a
//   number outside 1 to 9999 put back to the default year at once, other text
//   left for the calculation to refuse, and the last two digits selected when
//   the box is clicked or entered, so that two digits typed change the decade
//   and the year. Whether the date can be calculated is core's to say
//   (core::dateRefusal); a day or a month out of range chooses none.
// - Card: «Пол», proposed from the patronymic while the user has not picked it
//   (a stored «не указан» is no pick), and «Обращение», which shows the
//   greeting the names propose in the report's language, greyed, until the
//   user types their own, then used as typed. Nothing typed leaves the
//   address empty, so that a booklet proposes it afresh from the names.
class PersonFields : public QObject {
    Q_OBJECT

public:
    enum Part { Names = 0x1, Date = 0x2, Card = 0x4 };
    Q_DECLARE_FLAGS(Parts, Part)

    // The controls of `parts`, children of `parent`, showing `person`.
    PersonFields(QWidget* parent, Parts parts, const core::Person& person = {});

    // Adds a captioned row to `form` for each part: the names, the gender and
    // the address, then the date on one row.
    void addRows(QFormLayout* form);
    // The captions inside the boxes instead of beside them, for a row of one
    // person among others.
    void usePlaceholders();
    // Whose controls these are, said before each control's accessible name
    // («Второй: Фамилия»); empty for none.
    void setOwner(const QString& who);

    // What the controls hold; the parts not shown as given.
    core::Person person() const;
    void setPerson(const core::Person& person);
    // The language the address is proposed in.
    void setLanguage(core::ReportLanguage language);

    // The controls shown, in the order Tab walks them.
    std::vector<QWidget*> controls() const;

    // «Фамилия:» «Имя:» «Отчество:» with their keys marked, for a caption of
    // one's own.
    static QString surnameCaption();
    static QString nameCaption();
    static QString patronymicCaption();

    QLineEdit* surname() const { return surname_; }
    QLineEdit* name() const { return name_; }
    QLineEdit* patronymic() const { return patronymic_; }
    QComboBox* gender() const { return gender_; }
    QLineEdit* address() const { return address_; }
    QComboBox* day() const { return day_; }
    QComboBox* month() const { return month_; }
    QLineEdit* year() const { return year_; }

signals:
    // A name, the gender or the address changed, by the user or the program.
    void namesChanged();
    // The day, the month or the year changed, by the user or the program.
    void dateChanged();

private:
    void buildNames(const core::Person& person);
    void buildCard(const core::Person& person);
    void buildDate(const core::Person& person);
    void showDate(const core::BirthDate& date);
    void namesEdited();
    // The names of the controls for screen readers, after the owner's.
    void nameControls();

    core::Person person_;
    Parts parts_;
    QString owner_;
    QLineEdit* surname_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* patronymic_ = nullptr;
    QComboBox* gender_ = nullptr;
    QLineEdit* address_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    bool genderPicked_ = false;  // by the user, or known from the book
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PersonFields::Parts)

}  // namespace print
