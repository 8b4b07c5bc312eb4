#pragma once

#include <QDate>
#include <QDialog>
#include <functional>
#include <vector>

#include "book/client_book.h"
#include "book/turning_list.h"
#include "ui/book/turning_calendar_file.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace platform {
class Services;
enum class MessageIcon;
}  // namespace platform

namespace ui {

class TurningModel;

// «Поворотные годы»: for a chosen year (next year at first) every client of
// the book whose level that year is their own peak, their own low, or a change
// of at least so many levels from the year before (core::turningYear), with
// the phone, the e-mail and the «Связался» mark: the list a practitioner calls
// through in December. Searched and sorted like the book; a mark is set and
// taken away with Space or the button, and Ctrl+Z takes the last change back.
// The list goes to a CSV file, and one client's turning years to a calendar.
class TurningWindow : public QDialog {
    Q_OBJECT

public:
    TurningWindow(book::ClientBook& book, platform::Services& services, QWidget* parent = nullptr);
    ~TurningWindow() override;

    // Asks for the CSV file the list goes to; empty means cancelled.
    using AskFile = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setAskCsvFile(AskFile ask) { askCsv_ = std::move(ask); }
    void setAskCalendarFile(AskFile ask) { calendar_.askFile = std::move(ask); }
    // The day a mark carries; today by default.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    // Shows the list of the year typed, or says why the year is refused.
    bool showYear(const QString& yearText);
    // Reads the book again for the year shown, keeping the current client.
    void reload();
    // Marks the current client contacted today, or takes their mark away.
    void toggleContacted();
    // Takes the last change of a mark back.
    void undo();
    void exportList();
    void saveCalendar();

    QLineEdit* yearField() const { return year_; }
    QSpinBox* changeBox() const { return change_; }
    QLineEdit* searchField() const { return search_; }
    QTableView* table() const { return table_; }
    QLabel* problemLabel() const { return problem_; }
    QLabel* countLabel() const { return count_; }
    TurningModel* model() const { return model_; }
    QPushButton* contactedButton() const { return contacted_; }

private:
    struct Mark {
        qint64 id = 0;
        int year = 0;
        QDate before;  // the mark it replaced; null for none
    };
    QLayout* buildTop();
    QLayout* buildCommands();
    const book::TurningEntry* currentEntry() const;
    bool setMark(qint64 id, int year, const QDate& day);
    void updateState();
    void tell(const QString& text, platform::MessageIcon icon);

    book::ClientBook& book_;
    platform::Services& services_;
    TurningModel* model_;
    QLineEdit* year_;
    QSpinBox* change_;
    QLineEdit* search_;
    QLabel* problem_;
    QTableView* table_;
    QLabel* count_;
    QPushButton* contacted_;
    QPushButton* export_;
    QPushButton* calendarButton_;
    AskFile askCsv_;
    book::CsvFormat format_ = book::CsvFormat::Plain;  // as the file dialog last chose
    CalendarSaving calendar_;
    std::function<QDate()> today_;
    std::vector<Mark> undo_;
};

}  // namespace ui
