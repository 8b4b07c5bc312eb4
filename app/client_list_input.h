#pragma once

// The client list a mode of the companion reads (--clients): a file, or
// standard input for «-».

#include <QByteArray>
#include <QFile>
#include <QString>

#include "app/companion.h"

namespace companion {

// Opens the list of --clients: standard input for «-», else the file under
// the name's own bytes (`raw`, when the name is not UTF-8). The reason in the
// user's language when it cannot be read, else empty.
QString openClientList(const Options& o, const QByteArray& raw, QFile& in);

// How messages name the list: «файла «клиенты.csv»» or «стандартного ввода»,
// after «строка 3».
QString listNameOf(const Options& o);

}  // namespace companion
