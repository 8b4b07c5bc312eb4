#pragma once

#include <QSize>
#include <array>

#include "core/comparison.h"
#include "graph/comparison_chart.h"

namespace ui {

// Room the two aspect squares take side by side, twips.
QSize aspectPairSizeTw();

// The name over a person's square: whole where it fits, else cut short with «…».
QString aspectPairTitle(const core::ComparedPerson& person);

// Two aspect squares side by side, each under its person's name: the digits
// with their levels, the root digit red, absent aspects grey, and the aspects
// present in both framed in green. A missing person leaves an empty place.
void drawAspectPair(graph::RecordingCanvas& target, const core::ComparedPerson* first,
                    const core::ComparedPerson* second,
                    const std::array<bool, core::kAspectCount>& common);

}  // namespace ui
