#pragma once

#include <QStringList>
#include <array>

#include "core/forecast.h"
#include "core/numeric.h"
#include "core/window_state.h"
#include "graph/grid.h"
#include "platform/printer_page.h"
#include "print/emblem.h"
#include "print/report_source.h"

// A stand-in for the main window: it works out the life number from the date,
// and draws the grid and a plain curve onto the page it is lent.
class FakeSource : public print::ReportSource {
public:
    QString day = QStringLiteral("5");
    int monthIndex = 4;
    QString year = QStringLiteral("1990");
    std::array<QString, 9> captions{"1", "2", "1", "1", "0", "2", "1", "1", "1"};
    std::array<bool, 9> shown{true, true, true, true, false, true, true, true, true};
    // What the window's second calculation does to the counters: without the
    // bonus steps they can read lower.
    std::array<QString, 9> captionsAfterGraphPass{};
    bool stopInMain = false;

    // What the report asked for, in order, and how much of the watched page
    // had been drawn by then.
    QStringList calls;
    std::vector<std::size_t> opsAtCall;
    const platform::PrinterPage* watched = nullptr;
    platform::PrinterPage* lent = nullptr;

    void Main() override {
        note(QStringLiteral("Main"));
        if (stopInMain) {
            throw core::RuntimeError(core::RuntimeError::Kind::TypeMismatch);
        }
        calculate();
    }
    void Maket(bool FlagPrint) override {
        note(QStringLiteral("Maket(%1)").arg(FlagPrint));
        graph::Maket(state_, surfaces(), FlagPrint);
    }
    void rash(bool FlagPrint) override {
        note(QStringLiteral("rash(%1)").arg(FlagPrint));
        calculate();
        if (FlagPrint) {
            for (std::size_t i = 0; i < captions.size(); ++i) {
                if (!captionsAfterGraphPass[i].isEmpty()) {
                    captions[i] = captionsAfterGraphPass[i];
                }
            }
        }
        const QString digits = core::decimal(number_);
        for (int i = 1; i < digits.size(); ++i) {
            graph::Opr(state_, core::Byte::of(i), core::Byte::of(digits[i - 1].digitValue()),
                       FlagPrint);
            const int x1 = state_.PntX.value();
            const int y1 = state_.PntY.value();
            graph::Opr(state_, core::Byte::of(i + 1), core::Byte::of(digits[i].digitValue()),
                       FlagPrint);
            surfaces().pick(FlagPrint).line(x1, y1, state_.PntX.value(), state_.PntY.value());
        }
    }
    void setPrinterPage(platform::PrinterPage* page) override {
        note(page ? QStringLiteral("lend") : QStringLiteral("return"));
        lent = page;
    }

    QString dayText() const override { return day; }
    QString monthText() const override { return kMonths[monthIndex]; }
    QString yearText() const override { return year; }
    QString percentCaption() const override { return percent_; }
    core::Byte Mx() const override { return state_.Mx; }
    core::Byte Mn() const override { return state_.Mn; }
    core::Byte LenNumP() const override { return state_.LenNumP; }
    QImage emblem() const override { return picture_; }
    QString counterCaption(int index) const override { return captions.at(index); }
    void setCounterCaption(int index, const QString& caption) override {
        captions.at(index) = caption;
    }
    bool counterShown(int index) const override { return shown.at(index); }

private:
    static inline const QStringList kMonths{"Январь",   "Февраль", "Март",   "Апрель",
                                            "Май",      "Июнь",    "Июль",   "Август",
                                            "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

    void note(const QString& call) {
        calls << call;
        opsAtCall.push_back(watched ? watched->ops().size() : 0);
    }
    graph::Surfaces surfaces() { return {screen_, lent}; }

    void calculate() {
        number_ = core::lifeNumber(year, core::dayMonthString(day, monthIndex));
        percent_ = core::OprPrc(number_) + QStringLiteral("%");
        state_.LenNumP = core::digitCount(number_);
        state_.Mx = core::Byte::of(0);
        state_.Mn = core::Byte::of(9);
        for (const QChar c : core::decimal(number_)) {
            const auto d = core::Byte::of(c.digitValue());
            state_.Mx = std::max(state_.Mx, d);
            state_.Mn = std::min(state_.Mn, d);
        }
    }

    core::WindowState state_;
    platform::PrinterPage screen_;  // the window's surface; the report never looks at it
    core::Int32 number_;
    QString percent_;
    QImage picture_ = print::makeEmblem();
};
