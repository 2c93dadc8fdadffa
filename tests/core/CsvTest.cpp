#include "core/Csv.h"

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

    // An unclosed quote takes the rest of the text; the reader says where it opened.
    const QList<TCsvRecord> open = ReadCsv(u"a\n\"b,\nc\n");
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[1].Error, "line 2: the quoted field is not closed");
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
