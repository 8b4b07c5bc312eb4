#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>

#include "core/text_library.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "ui/texts/text_preview.h"

class QCheckBox;
class QComboBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

// «Тексты толкований»: the practitioner's own words for the booklet. The
// entries in a tree on the left, marked where the practitioner changed them;
// on the right the entry's text in a plain editor, its length against the
// limit, the names in braces that are no field, the switch of the opening,
// the closing and the notice, and a preview with the fields filled for the
// main window's forecast and client. «Сохранить» writes the practitioner's
// set whole; «Экспорт…» and «Импорт…» move it as one file, and an import can
// be undone. Closing with changes not saved asks first.
class TextsWindow : public QDialog {
    Q_OBJECT

public:
    TextsWindow(platform::Services& services, platform::TextStore store,
                const PreviewSubject& subject, QWidget* parent = nullptr);
    ~TextsWindow() override;

    // «Сохранить изменения?» on closing: save, throw the changes away, or stay.
    enum class Unsaved { Save, Discard, Stay };
    using AskUnsaved = std::function<Unsaved(QWidget* parent)>;
    // A question whose «yes» button reads `yes`; true means go ahead.
    using Confirm =
        std::function<bool(QWidget* parent, const QString& question, const QString& yes)>;
    // A file to export to (forSaving) or to import from; empty means cancelled.
    using AskFile = std::function<QString(QWidget* parent, bool forSaving)>;
    void setAskUnsaved(AskUnsaved ask) { askUnsaved_ = std::move(ask); }
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }
    void setAskFile(AskFile ask) { askFile_ = std::move(ask); }

    // Chooses the entry with `key` in the tree, clearing a search that hides it.
    bool selectEntry(QStringView key);
    QString currentKey() const { return key_; }
    // The texts as edited, saved or not.
    const core::TextLibrary& library() const { return library_; }
    bool hasUnsavedChanges() const;

    bool save();
    void exportTexts();
    void importTexts();
    void undoImport();
    void resetEntry();

    QTreeWidget* tree() const { return tree_; }
    QLineEdit* searchBox() const { return search_; }
    QComboBox* languageBox() const { return language_; }
    QPlainTextEdit* editor() const { return editor_; }
    QPlainTextEdit* preview() const { return preview_; }
    QCheckBox* switchBox() const { return switch_; }
    QLabel* countLabel() const { return count_; }
    QLabel* problemLabel() const { return problem_; }
    QLabel* previewNote() const { return previewNote_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* undoImportButton() const { return undoImport_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildTreeSide();
    QWidget* buildEditorSide();
    QLayout* buildButtons();
    void connectControls();
    void fillTree();
    void showEntry(QTreeWidgetItem* item);
    void textEdited();
    void switchToggled(bool on);
    void applySearch();
    void markEntry(QTreeWidgetItem* item);
    void markBranches();
    void updatePreview();
    void updateState();
    // Why the texts cannot be saved or exported now; empty when they can.
    QString blockingProblem() const;
    // Asks about changes not saved; false when the user chose to stay.
    bool settleUnsaved();
    void replaceLibrary(core::TextLibrary library);
    void useDesktopDialogs();
    void tell(const QString& text, platform::MessageIcon icon);
    // Puts an outcome on the status line.
    void say(const QString& text, bool problem);
    QString language() const { return library_.language(); }
    // «Язык текстов» at the top: which language's texts the window edits.
    QLayout* buildLanguageRow();
    void switchLanguage();

    platform::Services& services_;
    platform::TextStore store_;
    core::TextLibrary library_;
    core::TextSet stored_;            // what the practitioner's file holds
    QHash<QString, QString> drafts_;  // texts over the limit, kept as typed and not taken
    TextPreview subject_;
    core::FieldValues values_;  // the current entry's, for the preview
    QString key_;               // the entry in the editor
    bool loading_ = false;      // the editor is being filled, not typed into
    bool canUndo_ = false;      // an import's previous set is kept
    QString said_;              // the last outcome the status line tells
    bool saidProblem_ = false;  // and whether it was a failure
    QString loadProblem_;       // what was wrong with the file when it was read
    bool toldLoadProblem_ = false;
    AskUnsaved askUnsaved_;
    Confirm confirm_;
    AskFile askFile_;

    QComboBox* language_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* state_ = nullptr;
    QCheckBox* switch_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* reset_ = nullptr;
    QLabel* previewNote_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* undoImport_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace ui
