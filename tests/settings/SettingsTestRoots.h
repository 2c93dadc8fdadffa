#pragma once

#include "settings/SettingsRoots.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void WriteFileBytes(const QString& fileName, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(fileName).absolutePath()));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh, empty pair of roots in a temporary directory for every test, in the US edition.
class SettingsRootsTest : public ::testing::Test {
protected:
    SettingsRootsTest()
        : UserFile(Dir.filePath(QStringLiteral("config/Brenvik/Brenvik Cooler US.ini"))),
          MachineFile(Dir.filePath(QStringLiteral("share/aircooler/MachineSettings-US.ini"))),
          Roots({UserFile, MachineFile, TEdition::US}) {}

    void WriteUser(const QByteArray& text) { WriteFileBytes(UserFile, text); }
    void WriteMachine(const QByteArray& text) { WriteFileBytes(MachineFile, text); }

    QTemporaryDir Dir;
    const QString UserFile;
    const QString MachineFile;
    const TSettingsRoots Roots;
};
