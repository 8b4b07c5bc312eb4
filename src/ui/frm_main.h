#pragma once

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <functional>

#include "core/checked.h"
#include "core/window_state.h"
#include "graph/curve.h"
#include "graph/grid.h"
#include "graph/year_table.h"
#include "platform/media_player.h"
#include "platform/services.h"
#include "platform/shapes.h"
#include "platform/window_surface.h"
#include "print/print_job.h"
#include "print/report_source.h"

namespace aspects {
class AspectSquare;
}

namespace ui {

// The main window: the date inputs, the graph with its year table, the aspect
// square and the happiness percentage. Every result of a calculation lives in
// its controls and in its calculation state; readers read them back.
class FrmMain : public QMainWindow, public print::ReportSource {
    Q_OBJECT

public:
    explicit FrmMain(platform::Services& services, QWidget* parent = nullptr);
    ~FrmMain() override;

    // The full recalculation on the screen.
    void Main() override;
    // Resets the calculation state, the axis colours and the screen pen.
    void Init();
    void Maket(bool FlagPrint) override;
    // Reads the inputs, computes and shows the forecast; the curve goes to the
    // printer page when FlagPrint is true. Input it cannot use is told to the
    // user and then raises core::InputRefused, so that nothing goes on with
    // stale figures.
    void rash(bool FlagPrint) override;
    void setPrinterPage(platform::PrinterPage* page) override { printer_ = page; }

    // What the report reads.
    QString dayText() const override { return CboDay->currentText(); }
    QString monthText() const override { return CboMonth->currentText(); }
    QString yearText() const override { return TxtYear->text(); }
    QString percentCaption() const override { return LblPrc->text(); }
    core::Byte Mx() const override { return state_.Mx; }
    core::Byte Mn() const override { return state_.Mn; }
    core::Byte LenNumP() const override { return state_.LenNumP; }
    QImage emblem() const override;
    QString counterCaption(int index) const override;
    void setCounterCaption(int index, const QString& caption) override;
    bool counterShown(int index) const override;

    const core::WindowState& state() const { return state_; }
    // The life number of the last calculation that got that far; 0 before.
    core::Int32 lifeNumber() const { return lifeNumber_; }
    platform::WindowSurface* surface() const { return surface_; }
    aspects::AspectSquare* aspectSquare() const { return Frame2; }
    platform::Services& services() const { return services_; }

    // Calculation for today's date, from the injectable clock.
    void RashNow();
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    // Adjusts every print delivery before it runs (where the page goes).
    void setPrintSetup(std::function<void(print::PrintDelivery&)> setup) {
        printSetup_ = std::move(setup);
    }

    // The player of the About window's tune; silent until the program gives it
    // one (the program gives it the Qt player).
    void setMediaPlayer(platform::MediaPlayer* player) { media_ = player; }

    // Runs a handler so that a failed calculation becomes a message and the
    // window stays usable.
    void guarded(const std::function<void()>& handler);

    // Controls, named as in the design.
    platform::OutlineShape* Shape1 = nullptr;
    graph::AxisLabels OsY{};
    graph::YearTable lblYear{};  // lblYear[K - 1][i] is lblYearK(i)
    aspects::AspectSquare* Frame2 = nullptr;
    QLabel* LblPrc = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* CboDay = nullptr;
    QComboBox* CboMonth = nullptr;
    QLineEdit* TxtYear = nullptr;
    QPushButton* CmdPusk = nullptr;
    QPushButton* CmdPrint = nullptr;
    QLabel* LblUrl = nullptr;
    QLabel* Image1 = nullptr;

    QMenu* mFile = nullptr;
    QAction* mpPrint = nullptr;
    QAction* mpExit = nullptr;
    QMenu* mProg = nullptr;
    QAction* mpRash = nullptr;
    QAction* mpDay = nullptr;
    QMenu* mHelp = nullptr;
    QAction* mpCont = nullptr;
    QAction* mpAbout = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGraphArea();
    void buildAspectArea();
    void buildDateArea();
    void buildCommands();
    void buildMenus();
    void FillEnv();
    void pressDefaultButton();
    void showYearRefusal();
    void PrInf();
    void checkYear();
    void selectYear();
    void setLinkHovered(bool hovered);

    platform::Services& services_;
    core::WindowState state_;
    core::Int32 lifeNumber_;
    platform::WindowSurface* surface_ = nullptr;
    platform::PrinterPage* printer_ = nullptr;
    bool centred_ = false;
    std::function<QDate()> today_;
    std::function<void(print::PrintDelivery&)> printSetup_;
    platform::SilentMediaPlayer ownMedia_;
    platform::MediaPlayer* media_ = &ownMedia_;
};

}  // namespace ui
