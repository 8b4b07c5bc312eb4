#pragma once

#include <QDate>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/group.h"
#include "core/person.h"
#include "core/report_kind.h"
#include "graph/group_chart.h"
#include "platform/canvas.h"
#include "print/delivery.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace platform {
class Services;
}
namespace print {
class LanguageBox;
class PersonFields;
}  // namespace print

namespace ui {

class GroupView;
class FrmMain;

// Two to six people on one calendar: a couple, a family, a founding team.
// Everyone's curve of life forces on one calendar axis in a colour, a line
// and a mark of their own, the years all are at their own largest or
// smallest digit, each one's percentage and aspect square with the aspects
// all share, and who has the aspects only some have. People are typed or
// taken from the client book, added and removed; the window stays open
// beside the main window and opens with the first person's surname to type.
// Every change of a date, a name or the span redraws at once; the group is
// the people whose dates can be calculated. A date that cannot be says why in
// the window once the user has been at it (or it was given), a name that
// cannot be printed at once. The people are remembered whenever the window
// closes and come back with it.
class GroupWindow : public QWidget {
    Q_OBJECT

public:
    explicit GroupWindow(platform::Services& services, QWidget* parent = nullptr);
    ~GroupWindow() override;

    // The people's rows: two to six, as a user would fill them.
    void setPeople(std::vector<core::Person> people);
    // One person more at the end, while there are fewer than six; false when full.
    bool addPerson(const core::Person& person = {});
    // Takes a row away, while more than two are left.
    void removePerson(int which);
    void setPerson(int which, const core::Person& person);
    // What a row holds; every row.
    core::Person person(int which) const;
    std::vector<core::Person> people() const;
    int rowCount() const { return static_cast<int>(rows_.size()); }

    // The span of years, first and last; at most core::kLongestSpan years.
    void setSpan(core::YearSpan span);
    // The clock that says which year is this year: it is marked on the axis,
    // and the span starts there until the user changes it.
    void setToday(std::function<QDate()> today);
    // «Из картотеки…»: how the client book is opened, where the program has one.
    void setOpenBook(std::function<void()> open);
    // Who learns of a page printed or saved: its people, each with the page's
    // language, what went out and the file, for the client book to note.
    using Delivered = std::function<void(const std::vector<core::Person>& people,
                                         core::ReportKind kind, const QString& file)>;
    void setOnDelivered(Delivered delivered) { onDelivered_ = std::move(delivered); }

    // The figures shown: the people whose dates can be calculated, when
    // there are at least two of them.
    const std::optional<core::Group>& group() const { return group_; }
    // The row of each member of the group.
    const std::vector<int>& memberRows() const { return memberRows_; }
    // The chart's and the squares' drawing operations, in twips.
    const std::vector<platform::DrawOp>& chartOps() const;
    const std::vector<platform::DrawOp>& squareOps() const;

    // Where the page goes: the file chooser, the printer and the preview are
    // the desktop's unless a test puts its own in their place.
    // The page carries the letterhead the user keeps unless one is set.
    void setAskFileName(print::PrintDelivery::AskFileName ask) {
        delivery_.setAskFileName(std::move(ask));
    }
    void setFindPrinter(print::PrintDelivery::FindPrinter find) {
        delivery_.setFindPrinter(std::move(find));
    }
    void setShowPreview(print::PrintDelivery::ShowPreview show) {
        delivery_.setShowPreview(std::move(show));
    }
    void setLetterhead(std::optional<print::Letterhead> letterhead) {
        delivery_.setLetterhead(std::move(letterhead));
    }

    // «Печать», «Просмотр» and «Сохранить в PDF…»: the group's page, and
    // with «С толкованием» the pages of the group's texts after it.
    void printPage();
    void previewPage();
    void savePdf();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One person's row: a sample of their curve, the names, the date, the
    // figures and «Убрать».
    struct Row {
        GroupView* sample = nullptr;
        print::PersonFields* person = nullptr;  // the names and the date
        QLabel* figures = nullptr;
        QPushButton* remove = nullptr;
        bool touched = false;  // the date was given or changed by the user
    };

    void buildPeople(QVBoxLayout* layout);
    void buildRow(Row& row);
    void placeRows();
    void nameRow(int which);
    // A row's date changed: by the user unless the window is filling it.
    void dateEdited(const print::PersonFields* fields);
    // Every control of a row, the person's and the window's.
    static std::vector<QWidget*> rowWidgets(const Row& row);
    // Why a row has no forecast, as the window tells it; empty when it has
    // one, or while an untouched date is still to come.
    QString rowProblem(const Row& row, const core::Calculation& calculation) const;
    // «Первый», «Второй», … «Шестой».
    static QString who(int which);

    void buildFigures(QVBoxLayout* layout);
    void buildKeys();
    void buildSpan(QWidget* row);
    void buildPageOptions(QWidget* row, QHBoxLayout* layout);
    void buildButtons(QWidget* row);
    void refresh();
    void showFigures();
    void showShared();
    void describeSquares();
    void composeChart(graph::RecordingCanvas& target, const graph::ChartArea& area) const;
    QStringList labels() const;
    std::optional<long long> thisYear() const;
    void deliverPage(print::ReportTarget target);

    platform::Services& services_;
    std::function<QDate()> today_;
    std::function<void()> openBook_;
    Delivered onDelivered_;
    std::vector<Row> rows_;
    QGridLayout* rowGrid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* fromBook_ = nullptr;
    bool filling_ = false;  // the window, not the user, is filling the inputs
    std::optional<core::Group> group_;
    std::vector<int> memberRows_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    GroupView* chart_ = nullptr;
    GroupView* squares_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* shared_ = nullptr;
    std::array<QPushButton*, 3> pageButtons_{};
    QCheckBox* withTexts_ = nullptr;
    print::LanguageBox* language_ = nullptr;  // the page's
    print::PrintDelivery delivery_;
};

// «Прогноз → Сравнить…» (Ctrl+D) in the main window's menu: opens the group
// beside the window as the user left it; a first person without a date takes
// the date the window last calculated.
void addGroupAction(QMenu* menu, FrmMain* window, platform::Services& services);

// Opens (or brings forward) the owner's group window with these people, as
// the client book does with two to six clients selected.
GroupWindow* openGroup(QWidget* owner, platform::Services& services,
                       const std::vector<core::Person>& people);

// Adds one person to the owner's group window (opening it), in the first row
// without a date or a row more, as the client book does with one client
// selected; the window says so when it is full.
GroupWindow* addToGroup(QWidget* owner, platform::Services& services, const core::Person& person);

}  // namespace ui
