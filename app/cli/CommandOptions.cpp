#include "app/cli/CommandOptions.h"

#include "core/MessageService.h"
#include "core/VisibleText.h"
#include "texts/PageTexts.h"
#include "texts/TableNames.h"
#include "units/UnitConv.h"

bool CollectOptions(const QStringList& Arguments, const QStringList& ValueOptions,
                    const QStringList& Flags, TCommandOptions& Options, QString& Error) {
    for (int i = 0; i < Arguments.size(); ++i) {
        QString name = Arguments[i];
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(QLatin1Char('=')); equals > 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        }
        if (Flags.contains(name) && !value) {
            Options.FlagsGiven.append(name);
            continue;
        }
        if (!ValueOptions.contains(name)) {
            Error = QStringLiteral("Unknown argument \"%1\".").arg(EchoedValue(Arguments[i]));
            return false;
        }
        if (!value) {
            if (i + 1 >= Arguments.size()) {
                Error = QStringLiteral("%1 needs a value.").arg(name);
                return false;
            }
            value = Arguments[++i];
        }
        if (Options.Values.contains(name)) {
            Error = QStringLiteral("%1 is given twice.").arg(name);
            return false;
        }
        Options.Values.insert(name, *value);
    }
    return true;
}

bool CollectOptions(const QStringList& Arguments, const QStringList& ValueOptions,
                    QMap<QString, QString>& Values, bool& Json, QString& Error) {
    TCommandOptions options;
    if (!CollectOptions(Arguments, ValueOptions, {QStringLiteral("--json")}, options, Error))
        return false;
    Values = options.Values;
    Json = Json || options.FlagsGiven.contains(QStringLiteral("--json"));
    return true;
}

std::optional<TLanguageType> LanguageNamed(const QString& name) {
    for (const TLanguageType language : LanguagesWithTexts()) {
        if (LanguageTypeName(language).compare(name, Qt::CaseInsensitive) == 0)
            return language;
    }
    return std::nullopt;
}

QStringList LanguageNames() {
    QStringList names;
    for (const TLanguageType language : LanguagesWithTexts())
        names.append(LanguageTypeName(language));
    return names;
}

bool ReadLanguageOption(const QMap<QString, QString>& Values, TLanguageType& Language,
                        QString& Error) {
    const QString name = Values.value(QStringLiteral("--language"));
    if (!Values.contains(QStringLiteral("--language")))
        return true;
    const std::optional<TLanguageType> language = LanguageNamed(name);
    if (!language) {
        Error = QStringLiteral("Unknown language \"%1\": use one of %2.")
                    .arg(EchoedValue(name), LanguageNames().join(", "));
        return false;
    }
    Language = *language;
    return true;
}

QString Quoted(const QStringList& Items) {
    return QLatin1Char('"') + Items.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

QString UnreadValueMessage(const QString& Typed, const QString& Option,
                           const QString& ThousandsReadings) {
    TRecordingMessages unread;
    float value = 0;
    TUnitConv(unread, ThousandsReadings).StringToFloat(value, Typed, Option);
    return unread.Texts().join(QLatin1Char('\n'));
}
