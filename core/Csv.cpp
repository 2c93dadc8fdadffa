#include "core/Csv.h"

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Comma = u',';
constexpr QChar CarriageReturn = u'\r';
constexpr QChar LineFeed = u'\n';

bool IsLineBreak(QChar c) {
    return c == CarriageReturn || c == LineFeed;
}

// Reads one text from start to end, record after record.
class TCsvReader {
public:
    explicit TCsvReader(QStringView Text) : Text(Text) {
        if (Text.startsWith(QChar(0xFEFF)))
            Pos = 1;
    }

    QList<TCsvRecord> ReadAll() {
        QList<TCsvRecord> records;
        while (Pos < Text.size())
            records.append(ReadRecord());
        return records;
    }

private:
    TCsvRecord ReadRecord() {
        TCsvRecord record;
        record.Line = Line;
        while (true) {
            QString field;
            const bool read =
                AtQuote() ? ReadQuotedField(field, record) : ReadPlainField(field, record);
            record.Fields.append(field);
            if (!read) {
                SkipRestOfLine();
                return record;
            }
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

    bool AtQuote() const { return Pos < Text.size() && Text[Pos] == Quote; }

    // Up to the next comma or line break; false on a quote, which only a quoted field may hold.
    bool ReadPlainField(QString& field, TCsvRecord& record) {
        const qsizetype start = Pos;
        while (Pos < Text.size() && Text[Pos] != Comma && !IsLineBreak(Text[Pos])) {
            if (Text[Pos] == Quote) {
                record.Error = QStringLiteral("line %1: a quote inside a field that does not "
                                              "start with one; quote the whole field and write "
                                              "the quote twice")
                                   .arg(Line);
                return false;
            }
            ++Pos;
        }
        field = Text.mid(start, Pos - start).toString();
        return true;
    }

    // From the opening quote to the closing one, which a comma, a line break or the end must
    // follow.
    bool ReadQuotedField(QString& field, TCsvRecord& record) {
        const int opened = Line;
        ++Pos;
        while (Pos < Text.size()) {
            const QChar c = Text[Pos];
            if (c == Quote) {
                if (Pos + 1 < Text.size() && Text[Pos + 1] == Quote) {
                    field += Quote;
                    Pos += 2;
                    continue;
                }
                ++Pos;
                if (Pos < Text.size() && Text[Pos] != Comma && !IsLineBreak(Text[Pos])) {
                    record.Error =
                        QStringLiteral("line %1: text after the closing quote of a field")
                            .arg(Line);
                    return false;
                }
                return true;
            }
            if (IsLineBreak(c)) {
                const qsizetype start = Pos;
                CountLineBreak();
                field += Text.mid(start, Pos - start);
                continue;
            }
            field += c;
            ++Pos;
        }
        record.Error = QStringLiteral("line %1: the quoted field is not closed").arg(opened);
        return false;
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
    int Line = 1;
};

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
    return TCsvReader(Text).ReadAll();
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
