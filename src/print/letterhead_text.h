#pragma once

// The letterhead's texts and their limits, with Qt Core alone: the command-line
// companion checks them before it loads any of Qt's drawing.

#include <QString>
#include <QStringList>

#include "core/client_names.h"

namespace print {

// The longest texts of a letterhead, in characters as core::visibleLength
// counts them, as the dialog's boxes count them. The name is a full name as
// the client dialog takes one: surname, first name and patronymic, with a blank
// between each.
inline constexpr int kPractitionerNameLimit =
    core::kSurnameLimit + core::kNameLimit + core::kPatronymicLimit + 2;
inline constexpr int kContactLimit = 60;
inline constexpr int kContactLines = 3;

// Why the texts cannot go on a letterhead, in Russian, or empty when they can:
// too long, or holding what core::printedTextProblem() refuses.
QString letterheadTextProblem(const QString& name, const QStringList& contacts);

}  // namespace print
