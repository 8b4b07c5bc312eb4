#pragma once

// The client list a mode of the companion reads (--clients): a file, or
// standard input for «-».

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

#include "app/companion.h"

namespace companion {

// Standard input read as the stream it is, to its end. Opened as a file, a
// list given with «< list.csv» may have the size 0 on Windows, and would read
// as an empty list.
class InputStream : public QIODevice {
public:
    explicit InputStream(QFile& input) : input_(input) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 got = input_.read(data, maxSize);
        if (got < 0) {
            setErrorString(input_.errorString());
        }
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile& input_;
};

// Opens the list of --clients: standard input for «-», else the file under
// the name's own bytes (`raw`, when the name is not UTF-8). The reason in the
// user's language when it cannot be read, else empty.
QString openClientList(const Options& o, const QByteArray& raw, QFile& in);

// How messages name the list: «файла «клиенты.csv»» or «стандартного ввода»,
// after «строка 3».
QString listNameOf(const Options& o);

}  // namespace companion
