#include "core/WholeFileWriter.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray Previous = "the previous content\n";

class WholeFileWriter : public testing::Test {
protected:
    QString Existing(const QString& name) {
        const QString path = Dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Previous);
        return path;
    }

    static QByteArray Content(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Entries() const {
        return QDir(Dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir Dir;
    const QByteArray Bytes = QByteArray(64 * 1024, 'x');
};

TEST_F(WholeFileWriter, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
    QString error;
    ASSERT_TRUE(WriteWholeFile(Dir.filePath("new.txt"), Bytes, error)) << error.toStdString();
    EXPECT_EQ(Content(Dir.filePath("new.txt")), Bytes);

    const QString old = Existing("old.txt");
    const QFileDevice::Permissions restricted = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(old, restricted));
    ASSERT_TRUE(WriteWholeFile(old, Bytes, error)) << error.toStdString();
    EXPECT_EQ(Content(old), Bytes);
    // The current user's permissions are the owner's here; only the file's own bits count.
    const QFileDevice::Permissions users =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFile::permissions(old) & ~users, restricted);
    EXPECT_EQ(Entries(), (QStringList{"new.txt", "old.txt"}));
}

TEST_F(WholeFileWriter, ALinkIsFollowedAndStaysALink) {
    const QString target = Existing("target.txt");
    ASSERT_TRUE(QFile::link(target, Dir.filePath("link.txt")));
    QString error;
    ASSERT_TRUE(WriteWholeFile(Dir.filePath("link.txt"), Bytes, error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(Dir.filePath("link.txt")).isSymLink());
    EXPECT_EQ(Content(target), Bytes);
}

// Each failure leaves the file that was there as it was, nothing beside it, and says why in
// the system's words.
TEST_F(WholeFileWriter, AFailedWriteKeepsThePreviousFileAndGivesTheSystemsReason) {
    const QString old = Existing("old.txt");
    const struct {
        const char* Name;
        QString Path;
        rlim_t Limit;
        const char* Reason;
    } cases[] = {
        {"FileTooLarge", old, 1024, "File too large"},
        {"FileTooLargeAtOnce", old, 0, "File too large"},
        {"NoSuchFolder", Dir.filePath("missing/new.txt"), RLIM_INFINITY,
         "No such file or directory"},
        {"FolderIsAFile", old + "/new.txt", RLIM_INFINITY, "Not a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QString error;
        {
            const TScopedFileSizeLimit limit(c.Limit);
            EXPECT_FALSE(WriteWholeFile(c.Path, Bytes, error));
        }
        EXPECT_EQ(error, c.Reason);
        EXPECT_EQ(Content(old), Previous);
        EXPECT_EQ(Entries(), QStringList{"old.txt"});
    }
}

class WholeFileWriterOnSpecialFile : public WholeFileWriter,
                                     public testing::WithParamInterface<TSpecialFileCase> {};

TEST_P(WholeFileWriterOnSpecialFile, IsRefusedAndTheNodeLeftAsItWas) {
    const QString node = Dir.filePath("node");
    if (!MakeSpecialFile(GetParam().Kind, node))
        GTEST_SKIP() << "this user may not make " << GetParam().Name << " nodes";
    QString error;
    EXPECT_FALSE(WriteWholeFile(node, Bytes, error));
    EXPECT_EQ(error, GetParam().Refusal);
    EXPECT_TRUE(IsSpecialFile(GetParam().Kind, node));
    EXPECT_EQ(Entries(), QStringList{"node"});
}

INSTANTIATE_TEST_SUITE_P(Kinds, WholeFileWriterOnSpecialFile, testing::ValuesIn(SpecialFiles),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
