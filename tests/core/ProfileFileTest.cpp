#include "core/ProfileFile.h"

#include "core/DataFault.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QList<TProfileEntry> ReadSection(const QString& path, const QString& section) {
    return TProfileFile::SectionEntries(TProfileFile::ReadSections(path), section);
}

class ProfileFileTest : public testing::Test {
protected:
    QString Write(const QByteArray& bytes) {
        const QString path = Dir.filePath("data.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir Dir;
};

TEST_F(ProfileFileTest, FirstDuplicateWinsAndNamesIgnoreCase) {
    const QString path = Write("[Other]\nMinFlow=1\n"
                               "[vam2_150_4_a]\r\n"
                               "; a comment = not an entry\r\n"
                               "\r\n"
                               "  MinFlow = 12,5  \r\n"
                               "minflow=99\r\n"
                               "no equals sign here\r\n"
                               "Empty=\r\n"
                               "[VAM2_150_4_A]\r\nMaxFlow=7\r\n");
    const QList<TProfileEntry> entries = ReadSection(path, "VAM2_150_4_A");
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(TProfileFile::ValueOf(entries, "MINFLOW"), "12,5");
    EXPECT_EQ(TProfileFile::ValueOf(entries, "Empty"), "");
    // The second section of the same name is never reached.
    EXPECT_EQ(TProfileFile::ValueOf(entries, "MaxFlow"), "");
}

TEST_F(ProfileFileTest, MissingSectionGivesNoEntries) {
    EXPECT_TRUE(ReadSection(Write("[A]\nk=1\n"), "B").isEmpty());
}

// A file that is not there is told as such, not read as one without values.
TEST_F(ProfileFileTest, FileThatCannotBeReadIsADataFaultNamingIt) {
    const QString missing = Dir.filePath("none.ini");
    const struct {
        const char* Name;
        QString Path;
        QString Message;
    } cases[] = {
        {"missing", missing, "file not found: " + missing},
        {"folder", Dir.path(), "file cannot be read: " + Dir.path()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            ReadSection(c.Path, "A");
            ADD_FAILURE() << "no error";
        } catch (const EDataFileError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
}

TEST_F(ProfileFileTest, LastLineWithoutLineEndIsRead) {
    const QString path = Write("[A]\nk=1\nlast=2");
    EXPECT_EQ(TProfileFile::ValueOf(ReadSection(path, "A"), "last"), "2");
}

TEST(ProfileFileDecoding, ByteOrderMarkMeansUtf8OtherwiseWindows1252) {
    EXPECT_EQ(TProfileFile::DecodeBytes("\xEF\xBB\xBF[A]\nT=\xC2\xB0"
                                        "C"),
              QStringLiteral("[A]\nT=°C"));
    EXPECT_EQ(TProfileFile::DecodeBytes("T=\xB0"
                                        "C \x80 \x9F"),
              QStringLiteral("T=°C € Ÿ"));
}

TEST_F(ProfileFileTest, SectionAfterByteOrderMarkIsFound) {
    const QString path = Write("\xEF\xBB\xBF[A]\r\nk=1\r\n");
    EXPECT_EQ(TProfileFile::ValueOf(ReadSection(path, "a"), "K"), "1");
}

} // namespace
