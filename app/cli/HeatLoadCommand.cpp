#include "app/cli/HeatLoadCommand.h"

#include "app/cli/CommandOptions.h"
#include "app/cli/HeatLoadArguments.h"
#include "core/MessageService.h"
#include "pages/heatload/HeadlessHeatLoadView.h"
#include "pages/heatload/HeatLoadController.h"
#include "pages/heatload/HeatLoadPageItems.h"
#include "pages/heatload/HeatLoadTexts.h"
#include "pages/selection/SelectionTextKeys.h"
#include "settings/StoredValues.h"
#include "texts/Language.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>

namespace {

// The number as single precision holds it, in its shortest decimal form ("6.1706667").
double AsJsonNumber(float value) {
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return error == std::errc() ? QByteArray(digits, end - digits).toDouble() : value;
}

} // namespace

int RunHeatLoadCommand(const QStringList& Arguments, QTextStream& Out, QTextStream& Err) {
    THeatLoadRequest request;
    QString error;
    if (!ParseHeatLoadArguments(Arguments, request, error)) {
        Err << error << "\nRun \"aircooler-cli heatload --help\" for the arguments.\n";
        return 2;
    }

    // A freshly entered page whose messages are kept, not shown. Its range messages use the
    // selection page's out-of-range text, and its entries the window's wording of a number's
    // two readings, as in the window.
    TRecordingMessages messages;
    TLanguage language;
    language.SetLanguageType(request.Language);
    THeadlessHeatLoadView view;
    language.NewPageText(MainGroup);
    view.ThousandsReadingsText = language.GetTxt(SelectionTextKey::ThousandsReadings);
    language.NewPageText(Page_1);
    view.OutOfRangeText = language.GetTxt(SelectionTextKey::OutOfRange);
    ApplyHeatLoadTexts(view, language);
    TMemoryStoredValues settings;
    THeatLoadController controller(view, settings, messages);
    controller.ResetInputs();

    // The user's steps: each input's unit, then its value; the result's unit; "Calculate".
    for (THeatLoadEntry entry : HeatLoadInputs) {
        view.SetListIndex(entry, request.UnitIndex.value(entry));
        controller.UnitChange(entry);
        if (!request.Typed.contains(entry))
            continue;
        const QString typed = request.Typed.value(entry);
        if (const QString unread =
                UnreadValueMessage(typed, HeatLoadValueOption(entry), view.ThousandsReadingsText);
            !unread.isEmpty()) {
            Err << unread << '\n';
            return 2;
        }
        view.SetEntryText(entry, typed);
        if (!controller.EntryExit(entry)) {
            Err << messages.Shown.last().Text << '\n';
            return 2;
        }
    }
    view.SetListIndex(THeatLoadEntry::Result, request.UnitIndex.value(THeatLoadEntry::Result));
    controller.cbUnitlResultHeatDissiChange();
    controller.btCalculateHeatDissiClick();

    const std::optional<float> kW = controller.CalculatedkW();
    const QString result = view.EntryText(THeatLoadEntry::Result);
    const QString unit =
        UnitListItems(THeatLoadEntry::Result).value(view.ListIndex(THeatLoadEntry::Result));
    if (request.Json) {
        QJsonObject document{{"messages", QJsonArray::fromStringList(messages.Texts())}};
        if (kW) {
            document.insert("result", result);
            document.insert("unit", unit);
            document.insert("kW", AsJsonNumber(*kW));
        }
        Out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
    } else {
        for (const QString& message : messages.Texts())
            Err << message << '\n';
        if (kW)
            Out << view.GroupCaption(THeatLoadEntry::Result) << ": " << result << ' ' << unit
                << '\n';
    }
    return kW ? 0 : 1;
}
