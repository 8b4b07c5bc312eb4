#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "print/letterhead.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Services;
}

namespace ui {

// «Бланк отчёта»: the practitioner's name, up to three contact lines and a
// logo for the printed page, and «Печатать мой бланк», which puts them on it.
// «Для страниц» chooses whose lines the boxes hold: every language's, or a
// language's own (a name in Latin letters for English pages), which pages in
// that language take instead while they are not empty.
// It starts from what the user's settings hold. «Сохранить» keeps everything
// there, copying a newly chosen logo into the program's data folder first; a
// logo that cannot be used is told and left out, and the rest stays as typed.
class LetterheadDialog : public QDialog {
    Q_OBJECT

public:
    // Asks for the logo file; an empty answer means the user cancelled.
    using AskLogoFile = std::function<QString(QWidget* parent)>;

    explicit LetterheadDialog(platform::Services& services, QWidget* parent = nullptr);

    void setAskLogoFile(AskLogoFile ask) { ask_ = std::move(ask); }

    QCheckBox* chkUse() const { return chkUse_; }
    QLineEdit* txtName() const { return txtName_; }
    // «Для страниц»: 0 for every language, then each language in the order of
    // core::ReportLanguage.
    QComboBox* cboLanguage() const { return cboLanguage_; }
    QLineEdit* txtContact(int i) const { return txtContacts_.at(static_cast<std::size_t>(i)); }
    QPushButton* cmdChooseLogo() const { return cmdChoose_; }
    QPushButton* cmdRemoveLogo() const { return cmdRemove_; }
    QLabel* lblLogo() const { return lblLogo_; }

    void accept() override;

private:
    void chooseLogo();
    void removeLogo();
    // Shows the program's copy of the logo, or why it is not used.
    void showKeptLogo();
    // Shows a logo's picture and its caption (none: the empty box's) beside
    // the buttons.
    void showLogo(const QImage& picture, const QString& caption);
    void warn(const QString& text);
    void buildLines(QFormLayout* form, const print::LetterheadSettings& kept);
    // The boxes' lines into lines_ for the entry shown, and another entry's into the boxes.
    void keepShownLines();
    void showLines(int entry);
    void showContactHints();

    platform::Services& services_;
    AskLogoFile ask_;
    QString storedLogo_;     // the program's copy the settings name
    QByteArray chosenLogo_;  // what the program keeps of a logo picked now, on «Сохранить»
    QCheckBox* chkUse_;
    QComboBox* cboLanguage_ = nullptr;
    // The main lines, then each language's own.
    std::array<print::LetterheadLines, 1 + core::kReportLanguageCount> lines_;
    int shownEntry_ = 0;
    QLineEdit* txtName_;
    std::array<QLineEdit*, 3> txtContacts_{};
    QLabel* picLogo_;
    QLabel* lblLogo_;
    QPushButton* cmdChoose_;
    QPushButton* cmdRemove_;
};

// The desktop's file chooser for a logo: PNG, JPEG or SVG pictures.
QString askLogoFileName(QWidget* parent);

}  // namespace ui
