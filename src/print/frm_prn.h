#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace print {

// The client dialog: asks for the surname, first name and patronymic of the
// person the forecast is for. "Печать" hands the three texts on as typed,
// empty ones included, and closes the dialog; "Отмена", Esc and the title bar's
// close button close it without printing. Create a fresh one for every opening.
class FrmPrn : public QDialog {
    Q_OBJECT

public:
    using PrintCallback =
        std::function<void(const QString& surname, const QString& name, const QString& patronymic)>;

    FrmPrn(QWidget* owner, PrintCallback onPrint);

    QLineEdit* TxtFam() const { return txtFam_; }
    QLineEdit* TxtName() const { return txtName_; }
    QLineEdit* TxtOth() const { return txtOth_; }
    QPushButton* CmdPrintReal() const { return cmdPrintReal_; }
    QPushButton* CmdCancel() const { return cmdCancel_; }

private:
    void CmdPrintRealClick();

    PrintCallback onPrint_;
    bool printing_ = false;
    QLineEdit* txtFam_;
    QLineEdit* txtName_;
    QLineEdit* txtOth_;
    QPushButton* cmdPrintReal_;
    QPushButton* cmdCancel_;
};

}  // namespace print
