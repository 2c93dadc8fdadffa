#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

// A stored value is a text or a 32-bit signed integer. The two never stand in for each other:
// a text "5" is not an integer, as in the registry the store's layout comes from.
using TRegData = std::variant<QString, int32_t>;

struct TRegValue {
    QString Name;
    TRegData Data;
};

// One key of the store with its values, in the order they were first written. Value names
// match without regard to letter case; the spelling written first is kept.
struct TRegKey {
    QString Path; // as NormalKeyPath gives it
    QList<TRegValue> Values;

    const TRegData* Find(const QString& name) const;
    void Set(const QString& name, const TRegData& data);
};

// The content of one settings file: keys, each holding typed values. Key paths match without
// regard to letter case, like value names. A key exists on its own, with or without values,
// so a key the seeding created stays writable even when nothing was copied into it.
//
// The file is UTF-8 text in the layout of a registry export:
//
//     ; comment
//     [Software\Kylvane\Page2]
//     "DensityCombo"=dword:00000001
//     "DensityData"="0,89"
//
// A key is a bracketed path, a text value a quoted name and a quoted text, an integer value a
// quoted name and "dword:" with up to eight hexadecimal digits (two's complement, so -3 is
// dword:fffffffd). Inside quotes, \\ \" \n \r \t and \uXXXX are the only escapes, so commas,
// '=', ';', blanks at either end and any other character survive unchanged. Blank lines and
// lines starting with ';' or '#' are ignored; a value given twice keeps the later one. Any
// other line makes the whole file unreadable: a settings file is read completely or not at all.
class TSettingsTree {
public:
    static std::optional<TSettingsTree> Parse(const QByteArray& bytes);
    QByteArray ToBytes() const;

    // True when the key or any key below it exists.
    bool HoldsKey(const QString& path) const;
    const TRegKey* FindKey(const QString& path) const;
    TRegKey* FindKey(const QString& path);
    // The key, created without values when it does not exist.
    TRegKey& CreateKey(const QString& path);
    // Removes the key and every key below it.
    void DeleteKeyTree(const QString& path);

private:
    QList<TRegKey> Keys;
};

// The one spelling of a key path the tree uses: backslash-separated, without leading, trailing
// or doubled backslashes, so "\Software\Kylvane" + "\Page1" becomes "Software\Kylvane\Page1".
QString NormalKeyPath(const QString& path);
