#pragma once

#include <QString>
#include <memory>

#include "platform/services.h"
#include "ui/frm_main.h"
#include "ui/readback.h"

// The real main window, never shown, with its desktop requests recorded.
struct WindowFixture {
    platform::RecordingServices services;
    std::unique_ptr<ui::FrmMain> window = std::make_unique<ui::FrmMain>(services);

    // Chooses the date as the user would and presses "Расчёт".
    void calculate(int day, int month, const QString& year) {
        window->CboDay->setCurrentIndex(day - 1);
        window->CboMonth->setCurrentIndex(month - 1);
        window->TxtYear->setText(year);
        window->CmdPusk->click();
    }

    ui::Readback result() const { return ui::readBack(*window); }
};
