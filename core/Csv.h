#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>

// Comma-separated values as RFC 4180 writes them: fields separated by commas, records ending in
// CR LF (a lone LF or CR ends one too), and a field in double quotes holding commas, line breaks
// and quotes written twice. A byte-order mark before the first record is skipped.
//
// The reader is a pure function of the text and never fails as a whole: a record it cannot read
// carries its own error, named by the line the record starts on, and reading goes on with the
// line after that one, so one bad line costs only that line. A cell longer than
// MaxCsvCellBytes (in UTF-8) is such an error; the reader stops copying it there.
inline constexpr qsizetype MaxCsvCellBytes = 64 * 1024;

struct TCsvRecord {
    QStringList Fields;
    int Line = 0;  // the line the record starts on, from 1
    QString Error; // empty when the record reads
};

QList<TCsvRecord> ReadCsv(QStringView Text);

// The same records read from a device as they come, holding no more of the input than the
// record being read: a table of any length is read in constant memory. The input is UTF-8; bytes
// that are not give the replacement characters the whole text would give, wherever a piece ends.
class TCsvStream {
public:
    // The input is read `PieceBytes` at a time.
    explicit TCsvStream(QIODevice& Input, qint64 PieceBytes = 64 * 1024);
    // The next record; false at the end of the input.
    bool Next(TCsvRecord& Record);
    // The next record as Next reads it, its fields in outline: a blank field is empty, any other
    // holds a mark instead of its text. Enough to count records or pass over them, copying no
    // text.
    bool NextOutline(TCsvRecord& Record);

private:
    bool Read(TCsvRecord& Record, bool KeepText);
    void ReadMore();
    void Decode(const QByteArray& Bytes);

    QIODevice& Input;
    qint64 PieceBytes;
    // The bytes from a piece's last ASCII byte on, decoded with the next piece: an ASCII byte
    // ends any character, valid or not, so text decoded up to one reads as the whole text reads.
    QByteArray Undecoded;
    // Each call decodes its bytes as a whole text: no state is carried from piece to piece.
    QStringDecoder ToUtf16{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    QString Buffer;
    qsizetype Pos = 0;
    int Line = 1;
    qsizetype FieldsHint = 0; // the fields of the record before
    bool StartSeen = false;   // a byte-order mark can only stand there
    bool AtEnd = false;
};

// A record as the writer puts it: a field is quoted when it holds a comma, a quote or a line
// break, or starts with a byte-order mark; the record ends in CR LF.
QString CsvRecord(const QStringList& Fields);
