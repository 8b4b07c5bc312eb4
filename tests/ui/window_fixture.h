#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QString>
#include <memory>

#include "aspects/aspect_square.h"
#include "platform/services.h"
#include "platform/window_surface.h"
#include "recording_services.h"
#include "ui/main_window/frm_main.h"

// The real main window, never shown, with its desktop requests recorded. Its
// controls are found by object name, as a user finds them by their place.
struct WindowFixture {
    platform::RecordingServices services;
    std::unique_ptr<ui::FrmMain> window = std::make_unique<ui::FrmMain>(services);

    // The classic window, whatever year the clock says: tests of this year's
    // marks turn them on themselves.
    WindowFixture() { window->setMarkThisYear(false); }

    template <typename T>
    T* find(const QString& name) const {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    QComboBox* day() const { return find<QComboBox>(QStringLiteral("CboDay")); }
    QComboBox* month() const { return find<QComboBox>(QStringLiteral("CboMonth")); }
    QLineEdit* year() const { return find<QLineEdit>(QStringLiteral("TxtYear")); }
    QPushButton* pusk() const { return find<QPushButton>(QStringLiteral("CmdPusk")); }
    QPushButton* printButton() const { return find<QPushButton>(QStringLiteral("CmdPrint")); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    QAction* action(const char* name) const { return find<QAction>(QLatin1String(name)); }
    platform::WindowSurface* surface() const {
        return find<platform::WindowSurface>(QStringLiteral("surface"));
    }

    // What the aspect square shows, one word per aspect: its circle, its
    // counter and whether its digit is the root, then the segments.
    QString squareShows() const {
        const aspects::SquareLevels& levels =
            find<aspects::AspectSquare>(QStringLiteral("Frame2"))->shown();
        QString shown;
        for (int i = 0; i < 9; ++i) {
            const core::AspectValue& a = levels.aspects[std::size_t(i)];
            shown += QStringLiteral("%1:%2%3%4 ")
                         .arg(i + 1)
                         .arg(a.present ? u'o' : u'-')
                         .arg(a.present ? QString::number(a.level) : QStringLiteral("-"))
                         .arg(a.root ? QStringLiteral("root") : QString());
        }
        for (const bool segment : levels.segments) {
            shown += segment ? u'|' : u'.';
        }
        return shown;
    }

    // Chooses the date as the user would and presses "Расчёт"; the month as
    // people write it, 1 for January.
    void calculate(int day, int month, const QString& year) {
        window->enterDate({day, month - 1, year});
        window->calculate();
    }
};
