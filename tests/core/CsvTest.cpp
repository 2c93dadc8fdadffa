#include "core/Csv.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QList<QStringList> FieldsOf(const QList<TCsvRecord>& records) {
    QList<QStringList> fields;
    for (const TCsvRecord& record : records) {
        EXPECT_EQ(record.Error, "") << record.Line;
        fields.append(record.Fields);
    }
    return fields;
}

TEST(CsvReader, ReadsWhatTheStandardAllows) {
    const struct {
        const char* Name;
        const char* Text;
        QList<QStringList> Records;
    } cases[] = {
        {"Empty", "", {}},
        {"LineFeeds", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"CrLfWithoutLastLineEnd", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"LoneCarriageReturns", "a\r1\r", {{"a"}, {"1"}}},
        {"EmptyFields", ",a,,\n", {{"", "a", "", ""}}},
        {"BlankLineIsOneEmptyField", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        {"QuotedCommaAndQuote",
         "\"ISO VG 46, mineral\",\"12\"\" pipe\"\n",
         {{"ISO VG 46, mineral", "12\" pipe"}}},
        {"QuotedLineBreaksKept",
         "\"two\r\nlines\",\"lf\nonly\"\r\nnext\r\n",
         {{"two\r\nlines", "lf\nonly"}, {"next"}}},
        {"EmptyQuotedField", "\"\",x", {{"", "x"}}},
        {"BlanksArePartOfFields", " a , b ", {{" a ", " b "}}},
        {"ByteOrderMarkSkipped", "\xEF\xBB\xBFseries\n", {{"series"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(FieldsOf(ReadCsv(QString::fromUtf8(c.Text))), c.Records);
    }
}

TEST(CsvReader, CountsLinesWhereRecordsStart) {
    const QList<TCsvRecord> records = ReadCsv(u"a\r\n\"b\nc\"\r\nd\n");
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].Line, 1);
    EXPECT_EQ(records[1].Line, 2);
    EXPECT_EQ(records[2].Line, 4);
}

TEST(CsvReader, ABadRecordCostsOnlyItsLine) {
    const struct {
        const char* Name;
        const char* Text;
        const char* Error;
    } cases[] = {
        {"QuoteInPlainField", "ok\nab\"c,d\nlast\n", "line 2: a quote inside a field"},
        {"TextAfterClosingQuote", "ok\n\"ab\"c,d\nlast\n", "line 2: text after the closing quote"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QList<TCsvRecord> records = ReadCsv(QString::fromUtf8(c.Text));
        ASSERT_EQ(records.size(), 3);
        EXPECT_EQ(records[0].Fields, QStringList{"ok"});
        EXPECT_TRUE(records[1].Error.startsWith(c.Error)) << records[1].Error.toStdString();
        EXPECT_EQ(records[2].Fields, QStringList{"last"});
        EXPECT_EQ(records[2].Error, "");
        EXPECT_EQ(records[2].Line, 3);
    }

    // A record is named by the line it starts on, also where one of its fields spans lines.
    const QList<TCsvRecord> spanning = ReadCsv(u"ok\n\"two\nlines\",\"x\"y\nlast\n");
    ASSERT_EQ(spanning.size(), 3);
    EXPECT_EQ(spanning[1].Error, "line 2: text after the closing quote of a field");
    EXPECT_EQ(spanning[2].Fields, QStringList{"last"});
    EXPECT_EQ(spanning[2].Line, 4);
}

// A quote left open would take every later line; only the line it opened on is lost.
TEST(CsvReader, AnUnclosedQuoteCostsOnlyTheLineItOpensOn) {
    const QList<TCsvRecord> records = ReadCsv(u"a\nb,\"c,d\ne,f\ng\n");
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[1].Error, "line 2: the quoted field is not closed");
    EXPECT_EQ(records[1].Fields, (QStringList{"b", ""}));
    EXPECT_EQ(records[2].Fields, (QStringList{"e", "f"}));
    EXPECT_EQ(records[2].Line, 3);
    EXPECT_EQ(records[3].Fields, QStringList{"g"});
}

// A record's fields as an outline gives them: whether each is blank.
QList<bool> Blanks(const TCsvRecord& record) {
    QList<bool> blanks;
    for (const QString& field : record.Fields)
        blanks.append(QStringView(field).trimmed().isEmpty());
    return blanks;
}

// Read in outline too (TCsvStream::NextOutline), the cell is refused the same way.
TEST(CsvReader, ACellBeyondSixtyFourKiBIsRefusedOnItsOwnRecord) {
    const QString longest(MaxCsvCellBytes, QLatin1Char('x'));
    // "é" takes two bytes in UTF-8: half as many fill the limit.
    const QString longestAccented(MaxCsvCellBytes / 2, QChar(0xE9));
    const struct {
        const char* Name;
        QString Cell;
        bool Fits;
    } cases[] = {
        {"plain at the limit", longest, true},
        {"plain beyond", longest + "x", false},
        {"quoted at the limit", "\"" + longest + "\"", true},
        {"quoted beyond, over lines", "\"" + longest + "\nx\"", false},
        {"two-byte characters at the limit", longestAccented, true},
        {"two-byte characters beyond", longestAccented + QChar(0xE9), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QList<TCsvRecord> records =
            ReadCsv(QStringLiteral("a\nb,") + c.Cell + QStringLiteral(",c\nlast\n"));
        ASSERT_EQ(records.size(), 3);
        EXPECT_EQ(records[1].Error.isEmpty(), c.Fits) << records[1].Error.toStdString();
        if (!c.Fits) {
            EXPECT_EQ(records[1].Error, "line 2: a cell is longer than 64 KiB");
            EXPECT_EQ(records[1].Fields, (QStringList{"b", ""}));
        }
        EXPECT_EQ(records[2].Fields, QStringList{"last"});

        QByteArray bytes =
            (QStringLiteral("a\nb,") + c.Cell + QStringLiteral(",c\nlast\n")).toUtf8();
        QBuffer input(&bytes);
        input.open(QIODevice::ReadOnly);
        TCsvStream outlines(input);
        for (const TCsvRecord& record : records) {
            TCsvRecord outline;
            ASSERT_TRUE(outlines.NextOutline(outline));
            EXPECT_EQ(Blanks(outline), Blanks(record));
            EXPECT_EQ(outline.Error, record.Error);
        }
    }
}

// Every record of `Bytes` as a stream reading pieces of `Piece` bytes gives them, by `Next`.
QList<TCsvRecord> Streamed(QByteArray Bytes, qint64 Piece, bool (TCsvStream::*Next)(TCsvRecord&)) {
    QBuffer input(&Bytes);
    input.open(QIODevice::ReadOnly);
    TCsvStream stream(input, Piece);
    QList<TCsvRecord> records;
    for (TCsvRecord record; (stream.*Next)(record);)
        records.append(record);
    return records;
}

// Read from a device in pieces of a few bytes, a file gives the records its whole text gives,
// whatever a piece ends in: half a line break, half a character, bytes that are not UTF-8, an
// open quote. Read in outline, it gives the same records with the same blank fields.
TEST(CsvStream, ReadsTheRecordsTheWholeTextGivesWhereverAPieceEnds) {
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"LineBreaks", "a,b\r\nc,d\re,f\ng,h"},
        {"QuotedLineBreak", "a,\"x\r\ny, \"\"z\"\"\"\r\nb,c\r\n"},
        {"UnclosedQuote", "a,b\r\n\"open,c\r\nd,e\r\n"},
        {"Characters", "\xEF\xBB\xBFK\xC3\xBChler,\xE2\x84\x83,\xF0\x9F\x98\x80\r\n"},
        {"QuoteInPlainField", "a,b\"c\r\nd,e"},
        {"NotUtf8", "\r\xF8\xFF\xFF,M\xFCller,\xE5\xFF\r\n\xC1\x8A,a\r\n"},
        {"HalfACharacterAtTheEnd", "a,b\xE5"},
        {"ByteOrderMarkInACell", "a\r\n\xEF\xBB\xBF\r\nb,\xEF\xBB\xBF"
                                 "c\r\n"},
        {"Empty", ""},
        {"BlankLines", "\r\n\r\na\r\n\r\n"},
        {"BlankCells", " ,\"\",\" \r\n \",\"\"\",\t\r\n\" x\", \r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QList<TCsvRecord> whole = ReadCsv(QString::fromUtf8(c.Bytes));
        for (qint64 piece : {1, 2, 3, 5, 64 * 1024}) {
            SCOPED_TRACE(piece);
            const QList<TCsvRecord> streamed = Streamed(c.Bytes, piece, &TCsvStream::Next);
            ASSERT_EQ(streamed.size(), whole.size());
            for (qsizetype i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(streamed[i].Fields, whole[i].Fields) << i;
                EXPECT_EQ(streamed[i].Line, whole[i].Line) << i;
                EXPECT_EQ(streamed[i].Error, whole[i].Error) << i;
            }

            const QList<TCsvRecord> outlined = Streamed(c.Bytes, piece, &TCsvStream::NextOutline);
            ASSERT_EQ(outlined.size(), whole.size());
            for (qsizetype i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(Blanks(outlined[i]), Blanks(whole[i])) << i;
                EXPECT_EQ(outlined[i].Line, whole[i].Line) << i;
                EXPECT_EQ(outlined[i].Error, whole[i].Error) << i;
            }
        }
    }
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack) {
    const QStringList fields{"plain", "", "a,b", "say \"hi\"", "two\nlines", " 0.72 kW/°C"};
    const QString line = CsvRecord(fields);
    EXPECT_EQ(line, "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\", 0.72 kW/°C\r\n");
    EXPECT_EQ(FieldsOf(ReadCsv(line + CsvRecord({"x"}))), (QList<QStringList>{fields, {"x"}}));
}

TEST(CsvWriter, AFieldStartingWithAByteOrderMarkKeepsItAtTheStartOfAFile) {
    const QStringList fields{QStringLiteral("\uFEFFseries"), "oil"};
    EXPECT_EQ(FieldsOf(ReadCsv(CsvRecord(fields))), QList<QStringList>{fields});
}

} // namespace
