#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Comma-separated text as spreadsheets write it: fields in double quotes may
// hold commas, quotes (doubled) and line breaks.
namespace book::csv {

struct Record {
    int line = 0;  // the line of the file the record starts on, from 1
    QStringList fields;
    QString problem;  // why the record cannot be read; empty when it can
};

// Every record of the text; blank lines are skipped.
std::vector<Record> parse(const QString& text);

// One record with its line break; fields quoted where they need it.
QString row(const QStringList& fields);

}  // namespace book::csv
