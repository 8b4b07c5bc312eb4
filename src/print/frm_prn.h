#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace print {

// The client dialog: asks for the surname, first name and patronymic of the
// person the forecast is for. "Печать" hands the three texts on as typed,
// empty ones included; the dialog closes when the report went out or the user
// cancelled it, and stays open with the names when it was refused, so nothing
// typed is lost. "Отмена", Esc and the title bar's close button close it
// without printing. Under the names, «Запомнить в картотеке» says whether the
// printout goes into the client book; the box keeps its state between runs.
// Create a fresh one for every opening.
class FrmPrn : public QDialog {
    Q_OBJECT

public:
    // True when the dialog may close (printed, saved or cancelled by the user),
    // false when the report was refused or failed.
    using PrintCallback =
        std::function<bool(const QString& surname, const QString& name, const QString& patronymic)>;

    FrmPrn(QWidget* owner, PrintCallback onPrint);

    // Fills the three boxes, for a client taken from the book.
    void setClientNames(const QString& surname, const QString& name, const QString& patronymic);
    // Whether «Запомнить в картотеке» is checked.
    bool rememberClient() const;

    QLineEdit* TxtFam() const { return txtFam_; }
    QLineEdit* TxtName() const { return txtName_; }
    QLineEdit* TxtOth() const { return txtOth_; }
    QPushButton* CmdPrintReal() const { return cmdPrintReal_; }
    QPushButton* CmdCancel() const { return cmdCancel_; }
    QCheckBox* ChkRemember() const { return chkRemember_; }

private:
    void CmdPrintRealClick();

    PrintCallback onPrint_;
    bool printing_ = false;
    QLineEdit* txtFam_;
    QLineEdit* txtName_;
    QLineEdit* txtOth_;
    QCheckBox* chkRemember_;
    QPushButton* cmdPrintReal_;
    QPushButton* cmdCancel_;
};

}  // namespace print
