#pragma once

#include <QJsonObject>
#include <QPoint>
#include <QString>
#include <array>
#include <vector>

namespace ui {

class FrmMain;

// What the main window shows after a calculation, read back from its controls
// and its calculation state.
struct Readback {
    struct Cell {
        QString text;
        bool visible = false;
    };
    struct Aspect {
        int digit = 0;
        QString name;
        bool present = false;
        int level = 0;
        QString caption;
        bool root = false;
    };

    QString date;  // "23 Август 1975"
    long long lifeNumber = 0;
    int digits = 0;
    QString happiness;
    int max = 0;
    int min = 0;
    std::array<QString, 10> axisColors;         // "#rrggbb" of OsY(0..9)
    std::vector<QPoint> curve;                  // twips, left to right, each point once
    std::array<std::array<Cell, 8>, 10> years;  // [row][column]
    std::array<Aspect, 9> aspects;
    std::array<bool, 16> segments{};
};

Readback readBack(const FrmMain& window);

QJsonObject toJson(const Readback& r);

// The forecast as readable Russian text.
QString toText(const Readback& r);

}  // namespace ui
