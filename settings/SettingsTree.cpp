#include "settings/SettingsTree.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

const QLatin1StringView IntegerPrefix("dword:");

// Number conversions also take a sign, blanks and "0x"; only plain digits belong to a value.
bool IsPlainHex(QStringView digits) {
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c.toLower() >= u'a' && c.toLower() <= u'f');
    });
}

// Reads the quoted text that starts at `pos`, undoing its escapes, and leaves `pos` just past
// the closing quote.
std::optional<QString> ReadQuoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        switch (line[pos].unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u'"':
            text += u'"';
            break;
        case u'n':
            text += u'\n';
            break;
        case u'r':
            text += u'\r';
            break;
        case u't':
            text += u'\t';
            break;
        case u'u': {
            const QStringView digits = line.mid(pos + 1, 4);
            if (digits.size() != 4 || !IsPlainHex(digits))
                return std::nullopt;
            text += QChar(char16_t(digits.toUInt(nullptr, 16)));
            pos += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt; // no closing quote
}

void SkipBlanks(QStringView line, qsizetype& pos) {
    while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t'))
        ++pos;
}

std::optional<TRegData> ReadData(QStringView line, qsizetype pos) {
    if (pos < line.size() && line[pos] == u'"') {
        std::optional<QString> text = ReadQuoted(line, pos);
        SkipBlanks(line, pos);
        if (!text || pos != line.size())
            return std::nullopt;
        return *text;
    }
    QStringView rest = line.mid(pos);
    if (!rest.startsWith(IntegerPrefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView digits = rest.mid(IntegerPrefix.size());
    if (!IsPlainHex(digits) || digits.size() > 8)
        return std::nullopt;
    return static_cast<int32_t>(digits.toUInt(nullptr, 16));
}

// A raw control character cannot come from a file this program wrote (they are escaped), so
// it marks a damaged file.
bool HasControlCharacter(QStringView line) {
    return std::any_of(line.begin(), line.end(),
                       [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

QString Quoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            quoted += QLatin1StringView("\\\\");
            break;
        case u'"':
            quoted += QLatin1StringView("\\\"");
            break;
        case u'\n':
            quoted += QLatin1StringView("\\n");
            break;
        case u'\r':
            quoted += QLatin1StringView("\\r");
            break;
        case u'\t':
            quoted += QLatin1StringView("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

} // namespace

QString NormalKeyPath(const QString& path) {
    return path.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

const TRegData* TRegKey::Find(const QString& name) const {
    for (const TRegValue& value : Values)
        if (SameName(value.Name, name))
            return &value.Data;
    return nullptr;
}

void TRegKey::Set(const QString& name, const TRegData& data) {
    for (TRegValue& value : Values)
        if (SameName(value.Name, name)) {
            value.Data = data;
            return;
        }
    Values.append({name, data});
}

std::optional<TSettingsTree> TSettingsTree::Parse(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;

    TSettingsTree tree;
    TRegKey* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (HasControlCharacter(line))
            return std::nullopt;
        if (line.startsWith(u'[')) {
            const QString path = NormalKeyPath(line.mid(1, line.size() - 2).toString());
            if (!line.endsWith(u']') || path.isEmpty())
                return std::nullopt;
            current = &tree.CreateKey(path);
            continue;
        }
        qsizetype pos = 0;
        const std::optional<QString> name = ReadQuoted(line, pos);
        SkipBlanks(line, pos);
        if (!current || !name || pos >= line.size() || line[pos] != u'=')
            return std::nullopt;
        ++pos;
        SkipBlanks(line, pos);
        const std::optional<TRegData> data = ReadData(line, pos);
        if (!data)
            return std::nullopt;
        current->Set(*name, *data);
    }
    return tree;
}

QByteArray TSettingsTree::ToBytes() const {
    QString text;
    for (const TRegKey& key : Keys) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + key.Path + QLatin1StringView("]\n");
        for (const TRegValue& value : key.Values) {
            text += Quoted(value.Name) + u'=';
            if (const QString* str = std::get_if<QString>(&value.Data))
                text += Quoted(*str);
            else
                text += IntegerPrefix + QStringLiteral("%1").arg(
                                            static_cast<uint32_t>(std::get<int32_t>(value.Data)), 8,
                                            16, QLatin1Char('0'));
            text += u'\n';
        }
    }
    return text.toUtf8();
}

bool TSettingsTree::HoldsKey(const QString& path) const {
    const QString normal = NormalKeyPath(path);
    const QString below = normal + u'\\';
    return std::any_of(Keys.begin(), Keys.end(), [&](const TRegKey& key) {
        return SameName(key.Path, normal) || key.Path.startsWith(below, Qt::CaseInsensitive);
    });
}

const TRegKey* TSettingsTree::FindKey(const QString& path) const {
    const QString normal = NormalKeyPath(path);
    for (const TRegKey& key : Keys)
        if (SameName(key.Path, normal))
            return &key;
    return nullptr;
}

TRegKey* TSettingsTree::FindKey(const QString& path) {
    return const_cast<TRegKey*>(std::as_const(*this).FindKey(path));
}

TRegKey& TSettingsTree::CreateKey(const QString& path) {
    if (TRegKey* key = FindKey(path))
        return *key;
    Keys.append({NormalKeyPath(path), {}});
    return Keys.last();
}

void TSettingsTree::DeleteKeyTree(const QString& path) {
    const QString normal = NormalKeyPath(path);
    const QString below = normal + u'\\';
    Keys.removeIf([&](const TRegKey& key) {
        return SameName(key.Path, normal) || key.Path.startsWith(below, Qt::CaseInsensitive);
    });
}
