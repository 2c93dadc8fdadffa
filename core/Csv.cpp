#include "core/Csv.h"

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Comma = u',';
constexpr QChar CarriageReturn = u'\r';
constexpr QChar LineFeed = u'\n';

bool IsLineBreak(QChar c) {
    return c == CarriageReturn || c == LineFeed;
}

// The bytes a character takes in UTF-8; a surrogate pair's halves take two each.
int Utf8Length(QChar c) {
    if (c.unicode() < 0x80)
        return 1;
    if (c.unicode() < 0x800 || c.isSurrogate())
        return 2;
    return 3;
}

// A field as an outline gives it: empty when the field is blank, a mark otherwise.
QString OutlineOf(QStringView Text) {
    return Text.trimmed().isEmpty() ? QString() : QStringLiteral("*");
}

// Reads a text record after record, from `Start`, the record there starting on line `Line`.
class TCsvReader {
public:
    TCsvReader(QStringView Text, qsizetype Start, int Line) : Text(Text), Pos(Start), Line(Line) {}

    // Fields are read as their outline (OutlineOf): no text is copied.
    void OutlineOnly() { KeepsText = false; }

    QList<TCsvRecord> ReadAll() {
        QList<TCsvRecord> records;
        while (Pos < Text.size()) {
            records.append(ReadRecord());
            FieldsHint = records.constLast().Fields.size();
        }
        return records;
    }

    TCsvRecord ReadRecord() {
        TCsvRecord record;
        record.Fields.reserve(FieldsHint);
        record.Line = Line;
        RecordStart = Pos;
        while (true) {
            QString field;
            const bool read =
                AtQuote() ? ReadQuotedField(field, record) : ReadPlainField(field, record);
            // An unreadable cell is repeated empty; its text could be anything up to the end.
            record.Fields.append(read ? field : QString());
            if (!read)
                return record;
            if (Pos >= Text.size())
                return record;
            if (Text[Pos] == Comma) {
                ++Pos;
                continue;
            }
            SkipLineBreak();
            return record;
        }
    }

    qsizetype Position() const { return Pos; }
    int LineNumber() const { return Line; }
    // A quoted field ran to the end of the text: more text may still close it.
    bool RanOutInQuote() const { return QuoteOpenAtEnd; }
    // Records mostly have as many fields as the one before: room for them is made at once.
    void ExpectFields(qsizetype Fields) { FieldsHint = Fields; }

private:
    bool AtQuote() const { return Pos < Text.size() && Text[Pos] == Quote; }

    // The record's error; reading goes on after the line the reader stands on.
    bool Refuse(TCsvRecord& record, const QString& reason) {
        record.Error = QStringLiteral("line %1: %2").arg(record.Line).arg(reason);
        SkipRestOfLine();
        return false;
    }

    bool RefuseLongCell(TCsvRecord& record) {
        return Refuse(record,
                      QStringLiteral("a cell is longer than %1 KiB").arg(MaxCsvCellBytes / 1024));
    }

    // Up to the next comma or line break; false on a quote, which only a quoted field may hold.
    bool ReadPlainField(QString& field, TCsvRecord& record) {
        const qsizetype start = Pos;
        qsizetype bytes = 0;
        while (Pos < Text.size() && Text[Pos] != Comma && !IsLineBreak(Text[Pos])) {
            if (Text[Pos] == Quote)
                return Refuse(record, QStringLiteral("a quote inside a field that does not start "
                                                     "with one; quote the whole field and write "
                                                     "the quote twice"));
            bytes += Utf8Length(Text[Pos]);
            if (bytes > MaxCsvCellBytes)
                return RefuseLongCell(record);
            ++Pos;
        }
        const QStringView text = Text.mid(start, Pos - start);
        field = KeepsText ? text.toString() : OutlineOf(text);
        return true;
    }

    // From the opening quote to the closing one, which a comma, a line break or the end must
    // follow. A cell beyond the limit is read on to its closing quote without being kept.
    bool ReadQuotedField(QString& field, TCsvRecord& record) {
        ++Pos;
        qsizetype bytes = 0;
        // Keeps what the cell holds while it stays within the limit; in outline, marks the cell
        // once a part of it is not blank.
        const auto keep = [&](QStringView part) {
            for (const QChar c : part)
                bytes += Utf8Length(c);
            if (!KeepsText) {
                if (field.isEmpty())
                    field = OutlineOf(part);
            } else if (bytes <= MaxCsvCellBytes)
                field += part;
            else
                field.clear(); // what was kept so far is given back
        };
        while (Pos < Text.size()) {
            const QChar c = Text[Pos];
            if (c == Quote) {
                if (Pos + 1 < Text.size() && Text[Pos + 1] == Quote) {
                    keep(Text.mid(Pos, 1));
                    Pos += 2;
                    continue;
                }
                ++Pos;
                if (bytes > MaxCsvCellBytes)
                    return RefuseLongCell(record);
                if (Pos < Text.size() && Text[Pos] != Comma && !IsLineBreak(Text[Pos]))
                    return Refuse(record,
                                  QStringLiteral("text after the closing quote of a field"));
                return true;
            }
            const qsizetype start = Pos;
            if (IsLineBreak(c))
                CountLineBreak();
            else
                ++Pos;
            keep(Text.mid(start, Pos - start));
        }
        // A quote left open would swallow every later line: only the line it opened on is lost,
        // and reading goes on with the next one.
        QuoteOpenAtEnd = true;
        Pos = RecordStart;
        Line = record.Line;
        return Refuse(record, QStringLiteral("the quoted field is not closed"));
    }

    // Moves over one line break (CR LF, LF or CR) and counts the line.
    void CountLineBreak() {
        const bool crlf =
            Text[Pos] == CarriageReturn && Pos + 1 < Text.size() && Text[Pos + 1] == LineFeed;
        Pos += crlf ? 2 : 1;
        ++Line;
    }

    void SkipLineBreak() {
        if (Pos < Text.size() && IsLineBreak(Text[Pos]))
            CountLineBreak();
    }

    void SkipRestOfLine() {
        while (Pos < Text.size() && !IsLineBreak(Text[Pos]))
            ++Pos;
        SkipLineBreak();
    }

    QStringView Text;
    qsizetype Pos = 0;
    qsizetype RecordStart = 0;
    int Line = 1;
    bool QuoteOpenAtEnd = false;
    qsizetype FieldsHint = 0;
    bool KeepsText = true;
};

qsizetype AfterByteOrderMark(QStringView Text) {
    return Text.startsWith(QChar(0xFEFF)) ? 1 : 0;
}

bool NeedsQuotes(const QString& field) {
    // A leading byte-order mark would be taken for the file's own at the start of a file.
    if (field.startsWith(QChar(0xFEFF)))
        return true;
    for (QChar c : field) {
        if (c == Quote || c == Comma || IsLineBreak(c))
            return true;
    }
    return false;
}

} // namespace

QList<TCsvRecord> ReadCsv(QStringView Text) {
    return TCsvReader(Text, AfterByteOrderMark(Text), 1).ReadAll();
}

TCsvStream::TCsvStream(QIODevice& Input, qint64 PieceBytes)
    : Input(Input), PieceBytes(PieceBytes) {}

bool TCsvStream::Next(TCsvRecord& Record) {
    return Read(Record, true);
}

bool TCsvStream::NextOutline(TCsvRecord& Record) {
    return Read(Record, false);
}

bool TCsvStream::Read(TCsvRecord& Record, bool KeepText) {
    while (true) {
        if (Pos < Buffer.size()) {
            TCsvReader reader(Buffer, Pos, Line);
            reader.ExpectFields(FieldsHint);
            if (!KeepText)
                reader.OutlineOnly();
            TCsvRecord record = reader.ReadRecord();
            // A record is whole once text follows it, or the input has ended; a quote still
            // open may be closed by text not yet read.
            if (AtEnd || (reader.Position() < Buffer.size() && !reader.RanOutInQuote())) {
                Pos = reader.Position();
                Line = reader.LineNumber();
                FieldsHint = record.Fields.size();
                Record = std::move(record);
                return true;
            }
        } else if (AtEnd) {
            return false;
        }
        ReadMore();
    }
}

void TCsvStream::ReadMore() {
    // What was read before is dropped once it is as large as a piece.
    if (Pos >= PieceBytes) {
        Buffer.remove(0, Pos);
        Pos = 0;
    }
    const QByteArray bytes = Input.read(PieceBytes);
    AtEnd = bytes.isEmpty();
    Decode(bytes);
    if (!StartSeen && !Buffer.isEmpty()) {
        StartSeen = true;
        Pos = AfterByteOrderMark(Buffer);
    }
}

void TCsvStream::Decode(const QByteArray& Bytes) {
    Undecoded += Bytes;
    qsizetype decodable = Undecoded.size();
    // A run without ASCII bytes cannot hold a comma, quote or line break: past twice the cell
    // limit it lies in a cell that is refused whatever it decodes to, so it need not be held.
    if (!AtEnd && Undecoded.size() <= 2 * MaxCsvCellBytes) {
        // The last ASCII byte stays too: text decoded on its own drops a byte-order mark it
        // starts with, which inside the file is a character of a cell.
        decodable = Undecoded.size() - 1;
        while (decodable > 0 && static_cast<uchar>(Undecoded[decodable]) >= 0x80)
            --decodable;
    }
    // Decoded into the room the buffer keeps: a piece's text is larger than what the heap hands
    // out from its pool, and a fresh one for every piece would be mapped and unmapped each time.
    // UTF-8 never takes fewer bytes than the UTF-16 units it decodes to.
    const qsizetype kept = Buffer.size();
    Buffer.resize(kept + decodable);
    const QChar* end =
        ToUtf16.appendToBuffer(Buffer.data() + kept, QByteArrayView(Undecoded).first(decodable));
    Buffer.truncate(end - Buffer.constData());
    Undecoded.remove(0, decodable);
}

QString CsvRecord(const QStringList& Fields) {
    QString line;
    for (qsizetype i = 0; i < Fields.size(); ++i) {
        if (i > 0)
            line += Comma;
        if (NeedsQuotes(Fields[i])) {
            QString quoted = Fields[i];
            quoted.replace(Quote, QStringLiteral("\"\""));
            line += Quote + quoted + Quote;
        } else {
            line += Fields[i];
        }
    }
    return line + QStringLiteral("\r\n");
}
