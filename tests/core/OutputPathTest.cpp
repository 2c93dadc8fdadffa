#include "core/OutputPath.h"

#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class OutputPath : public testing::Test {
protected:
    void SetUp() override {
        QFile file(Dir.filePath("table.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("series\n");
        file.close();
        ASSERT_TRUE(QFile::link(Dir.filePath("table.csv"), Dir.filePath("link.csv")));
        ASSERT_EQ(link(QFile::encodeName(Dir.filePath("table.csv")).constData(),
                       QFile::encodeName(Dir.filePath("hard.csv")).constData()),
                  0);
        ASSERT_TRUE(QDir(Dir.path()).mkdir("sub"));
        QFile other(Dir.filePath("other.csv"));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }

    QTemporaryDir Dir;
};

TEST_F(OutputPath, AFileThatIsThereOrNotYetMayBeWritten) {
    for (const char* name : {"table.csv", "link.csv", "new.csv", "missing/new.csv"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(OutputPathRefusal(Dir.filePath(name)), "");
    }
}

class OutputPathOfSpecialFile : public OutputPath,
                                public testing::WithParamInterface<TSpecialFileCase> {};

TEST_P(OutputPathOfSpecialFile, IsRefusedByWhatItIsAlsoThroughALink) {
    const QString node = Dir.filePath("node");
    if (!MakeSpecialFile(GetParam().Kind, node))
        GTEST_SKIP() << "this user may not make " << GetParam().Name << " nodes";
    ASSERT_TRUE(QFile::link(node, Dir.filePath("to-node")));
    EXPECT_EQ(OutputPathRefusal(node), GetParam().Refusal);
    EXPECT_EQ(OutputPathRefusal(Dir.filePath("to-node")), GetParam().Refusal);
    EXPECT_TRUE(IsSpecialFile(GetParam().Kind, node));
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutputPathOfSpecialFile, testing::ValuesIn(SpecialFiles),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(OutputPath, TheSameFileIsKnownByAnySpelling) {
    const QString table = Dir.filePath("table.csv");
    const struct {
        const char* Name;
        QString Other;
        bool Same;
    } cases[] = {
        {"ItsOwnName", table, true},
        {"Roundabout", Dir.path() + "/sub/.././table.csv", true},
        {"Relative", QDir::current().relativeFilePath(table), true},
        {"Link", Dir.filePath("link.csv"), true},
        {"HardLink", Dir.filePath("hard.csv"), true},
        {"AnotherFile", Dir.filePath("other.csv"), false},
        {"NotThere", Dir.filePath("new.csv"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(IsSameFile(table, c.Other), c.Same);
        EXPECT_EQ(IsSameFile(c.Other, table), c.Same);
    }
    EXPECT_FALSE(IsSameFile(Dir.filePath("new.csv"), Dir.filePath("new.csv")));
}

} // namespace
