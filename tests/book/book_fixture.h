#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "book/client_book.h"

// A client born on the date as people write it: the month 1 for January.
inline book::Client person(const QString& surname, const QString& name,
                           const QString& patronymic = {}, int day = 23, int month = 8,
                           const QString& year = QStringLiteral("1975"), const QString& note = {}) {
    book::Client c;
    c.names = {surname, name, patronymic};
    c.birthDate = {day, month - 1, year};
    c.note = note;
    return c;
}

#include <sys/stat.h>

#include <QFileInfo>

// The bytes of a regular file (a pipe would wait for a writer).
inline QByteArray bytesOf(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The permission bits of a path, 0 when there is nothing there.
inline unsigned modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0u;
}

// A book of its own in a fresh folder.
struct TempBook {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("data/clients.sqlite"));
    std::unique_ptr<book::ClientBook> book = std::make_unique<book::ClientBook>(path);

    std::vector<book::Client> all() {
        std::vector<book::Client> out;
        EXPECT_TRUE(book->clients(out));
        return out;
    }
};
