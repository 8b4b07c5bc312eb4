#pragma once

#include <QDate>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "core/comparison.h"
#include "graph/comparison_chart.h"
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

namespace platform {
class Services;
}
namespace print {
class LanguageBox;
}

class QVBoxLayout;

namespace ui {

class ComparisonView;
class FrmMain;

// One person as the comparison window takes them: the date as the main
// window's inputs hold it and, when known, the client's name.
struct PersonEntry {
    core::BirthDate date;
    QString name;
};

// Two people side by side: both curves of life forces on one calendar axis,
// the years both are at their own largest or smallest digit, both happiness
// percentages and both aspect squares with the aspects they share. It stays
// open beside the main window and opens with the first person's name to
// type. Every change of a date, a name or the span redraws at once; a date
// that cannot be calculated says why in the window once the user has been at
// it (or it was given), a name that cannot be printed at once. The two
// people are remembered whenever the window closes and come back with it.
class CompareWindow : public QWidget {
    Q_OBJECT

public:
    explicit CompareWindow(platform::Services& services, QWidget* parent = nullptr);
    ~CompareWindow() override;

    // Fills a person's inputs (0 the first, 1 the second) as a user would.
    void setPerson(int which, const PersonEntry& person);
    // What a person's inputs hold.
    PersonEntry personEntry(int which) const;
    // The span of years, first and last; at most core::kLongestSpan years.
    void setSpan(long long fromYear, long long toYear);
    // The clock that says which year is this year: it is marked on the axis,
    // and the span starts there until the user changes it.
    void setToday(std::function<QDate()> today);

    // The figures shown; none while a date is missing or refused.
    const std::optional<core::Comparison>& comparison() const { return comparison_; }
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

    // «Печать», «Просмотр» and «Сохранить в PDF…»: the comparison page, and
    // with «С толкованием» the pages of the pair's texts after it.
    void printPage();
    void previewPage();
    void savePdf();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Inputs {
        QLineEdit* name = nullptr;
        QComboBox* day = nullptr;
        QComboBox* month = nullptr;
        QLineEdit* year = nullptr;
        QLabel* figures = nullptr;
    };

    void buildPeople(QWidget* box);
    void buildPerson(QGridLayout* grid, int which);
    // A date input changed: by the user unless the window is filling it.
    void dateEdited(int which);
    // Why a person has no forecast, as the window tells it; empty when it
    // has one, or while an untouched date is still to come.
    QString personProblem(int which, const core::Calculation& calculation) const;
    // «Первый», «Второй».
    static QString who(std::size_t which);

    void buildFigures(QVBoxLayout* layout);

    void buildKeys();
    void buildSpan(QWidget* row);
    void buildPageOptions(QWidget* row, QHBoxLayout* layout);
    void buildButtons(QWidget* row);
    void refresh();
    void showFigures();
    void describeSquares();
    void composeChart(graph::RecordingCanvas& target, const graph::ChartArea& area) const;
    void composeSquares(graph::RecordingCanvas& target) const;
    core::ComparedPerson person(int which) const;
    // How the legend calls a person: the name, the date, or «Первый»/«Второй».
    QString legendName(int which) const;
    std::optional<long long> thisYear() const;
    void deliverPage(print::ReportTarget target);

    platform::Services& services_;
    std::function<QDate()> today_;
    std::array<Inputs, 2> inputs_{};
    std::array<bool, 2> touched_{};  // the person's date was given or changed by the user
    bool filling_ = false;           // the window, not the user, is filling the inputs
    std::array<std::optional<core::Forecast>, 2> forecasts_{};
    std::optional<core::Comparison> comparison_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    ComparisonView* chart_ = nullptr;
    ComparisonView* squares_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* shared_ = nullptr;
    std::array<QPushButton*, 3> pageButtons_{};
    QCheckBox* withTexts_ = nullptr;
    print::LanguageBox* language_ = nullptr;  // the page's
    print::PrintDelivery delivery_;
};

// «Прогноз → Сравнить…» (Ctrl+D) in the main window's menu: opens the
// comparison beside the window as the user left it; a first person without
// a date takes the date the window last calculated.
void addCompareAction(QMenu* menu, FrmMain* window, platform::Services& services);

// Opens (or brings forward) the owner's comparison window with two people,
// as the client book does with two clients selected.
CompareWindow* openComparison(QWidget* owner, platform::Services& services,
                              const PersonEntry& first, const PersonEntry& second);

}  // namespace ui
