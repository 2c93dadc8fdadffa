// Writes settings in a loop into a per-user copy, printing the number of each write once it
// is complete, for the tests that kill a writer midway or run two writers at once.
//
//   settings_test_writer <user file> counter <name> <first> <last>
//       sets the integer "\Page1" <name> and the text "\Page2" <name> to each number in turn
//   settings_test_writer <user file> distinct <name> <first> <last>
//       sets a new integer "\Page1" <name><number> for each number
//   settings_test_writer <user file> pages - <first> <last>
//       stores each number as the heat-load page stores its inputs (every seeded "\Page2"
//       value, the texts as CounterText) and then as the two service margins
//   settings_test_writer <user file> printsetup - <first> <last>
//       stores each number as the print setup does on closing: the report language, then the
//       references "our <number>" and "your <number>"
//
// Exits with 1 as soon as a write fails.
#include "pages/printsetup/PrintSetupSettings.h"
#include "settings/RegRoutines.h"
#include "settings/SeededValues.h"
#include "settings/ServiceMargins.h"
#include "settings/SettingsRoots.h"
#include "settings/StoredValues.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

QString CounterText(int number) {
    return QStringLiteral("%1, \"\u00B0F\" = \\%1; ").arg(number);
}

// One round of the "pages" mode; false as soon as a write fails.
bool StorePages(const TSettingsRoots& roots, int number) {
    TRegStoredValues store(roots);
    for (const TSeededKey& key : SeededKeys()) {
        if (key.EndPath != QLatin1String("\\Page2"))
            continue;
        for (const TSeededValue& value : key.Values) {
            const bool written =
                value.Type == TSeededType::Integer
                    ? store.SetRegInteger(number, key.EndPath, value.Name)
                    : store.SetRegString(CounterText(number), key.EndPath, value.Name);
            if (!written)
                return false;
        }
    }
    return StoreServiceMargins(store, {number, number});
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    const QString mode = args[2];
    const QString name = args[3];
    const int first = args[4].toInt();
    const int last = args[5].toInt();

    const TSettingsRoots roots{args[1], QString(), TEdition::US};
    const TRegRoutines reg(roots);
    for (int i = first; i <= last; ++i) {
        if (mode == QLatin1StringView("printsetup")) {
            // The print setup's writes fail silently, as the user's dialog does.
            TRegPrintSetupSettings(roots).Store(i, QStringLiteral("our %1").arg(i),
                                                QStringLiteral("your %1").arg(i));
            std::printf("%d\n", i);
            std::fflush(stdout);
            continue;
        }
        bool written = false;
        if (mode == QLatin1StringView("counter"))
            written = reg.SetRegInteger(i, QStringLiteral("\\Page1"), name) &&
                      reg.SetRegString(CounterText(i), QStringLiteral("\\Page2"), name);
        else if (mode == QLatin1StringView("pages"))
            written = StorePages(roots, i);
        else
            written = reg.SetRegInteger(i, QStringLiteral("\\Page1"), name + QString::number(i));
        if (!written)
            return 1;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
