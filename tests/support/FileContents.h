#pragma once

// Reading and writing a whole file in a test.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

// What the file holds; a marker when it cannot be read, so that no file
// compares equal to an empty one by accident.
inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
