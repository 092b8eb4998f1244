#pragma once
// Whole files read and written by the profile tests.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace platform::profile::test {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Makes the file hold exactly these bytes.
inline void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace platform::profile::test
