#pragma once

// Object names of the first design, kept because tests and accessibility
// tools find the controls by them: TxtFam, TxtName, TxtOth, ChkRemember,
// CmdPrintReal, CmdCancel.

#include <QDialog>
#include <QString>
#include <functional>

#include "core/client_names.h"
#include "core/report_language.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace print {
class LanguageBox;
class PersonFields;
}  // namespace print

namespace print {

// The client dialog: asks for the surname, first name and patronymic of the
// person the forecast is for. "Печать" (or what the report's way out calls
// it: «Сохранить» for a file) hands the three texts on as typed, empty ones
// included; the dialog closes when the report went out or the user
// cancelled it, and stays open with the names when it was refused, so nothing
// typed is lost. "Отмена", Esc and the title bar's close button close it
// without printing. Under the names, «Запомнить в картотеке» says whether the
// printout goes into the client book; the box keeps its state between runs.
// The three boxes are the names of a PersonFields, with their rules, at the
// first design's places. Create a fresh one for every opening.
class FrmPrn : public QDialog {
    Q_OBJECT

public:
    // True when the dialog may close (printed, saved or cancelled by the user),
    // false when the report was refused or failed.
    using PrintCallback = std::function<bool(const core::ClientNames& client)>;

    FrmPrn(QWidget* owner, PrintCallback onPrint);

    // Fills the three boxes, for a client taken from the book.
    void setClientNames(const core::ClientNames& client);
    // The caption of the button that sends the report: «Печать», «Сохранить», «Просмотр».
    void setCommandText(const QString& text);
    // Whether «Запомнить в картотеке» is checked.
    bool rememberClient() const;
    // «Язык отчёта»: the language the page is written in.
    core::ReportLanguage language() const;
    void setLanguage(core::ReportLanguage language);

    QLineEdit* surnameBox() const;
    QLineEdit* nameBox() const;
    QLineEdit* patronymicBox() const;
    QPushButton* printButton() const { return printButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QCheckBox* rememberBox() const { return rememberBox_; }
    LanguageBox* languageBox() const { return languageBox_; }

private:
    void printClicked();
    void buildLanguageRow();

    PrintCallback onPrint_;
    bool printing_ = false;
    PersonFields* person_ = nullptr;
    QCheckBox* rememberBox_;
    LanguageBox* languageBox_ = nullptr;
    QPushButton* printButton_;
    QPushButton* cancelButton_;
};

}  // namespace print
