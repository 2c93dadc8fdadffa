// The heat-load readers: the input is a list of texts separated by NUL bytes, given once as the
// arguments of "aircooler-cli heatload" and once typed into the page's entries in turn, with
// each text's first byte picking the entry's unit, then calculated as the user would.
#include "FuzzCheck.h"

#include "app/cli/HeatLoadCommand.h"
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/heatload/HeadlessHeatLoadView.h"
#include "pages/heatload/HeatLoadController.h"
#include "pages/heatload/HeatLoadPageItems.h"
#include "settings/StoredValues.h"

#include <QTextStream>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

QStringList Texts(const uint8_t* data, std::size_t size) {
    QStringList texts;
    for (const QByteArray& text :
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
        texts.append(QString::fromUtf8(text));
    return texts;
}

void RunArguments(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = RunHeatLoadCommand(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    Require(code >= 0 && code <= 2, "the exit code is 0, 1 or 2");
    Require(code == 0 || !err.isEmpty() || out.contains(QStringLiteral("\"messages\"")),
            "a run without a result says why", out);
    if (code == 0)
        Require(ShowsOnlyNumbers(out), "the result shows a number", out);
    Require(ShowsNoControlCharacter(err), "messages show no control character", err);
}

void TypeIntoThePage(const QStringList& texts) {
    TRecordingMessages messages;
    THeadlessHeatLoadView view;
    TMemoryStoredValues settings;
    THeatLoadController controller(view, settings, messages);
    controller.ResetInputs();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const THeatLoadEntry entry =
            HeatLoadInputs[static_cast<std::size_t>(i) % HeatLoadInputs.size()];
        const QString& text = texts[i];
        if (!text.isEmpty()) {
            view.SetListIndex(entry, text[0].unicode() % (UnitListItems(entry).size() + 1));
            controller.UnitChange(entry);
        }
        view.SetEntryText(entry, text);
        controller.EntryExit(entry);
    }
    controller.btCalculateHeatDissiClick();
    const std::optional<float> kW = controller.CalculatedkW();
    Require(!kW || std::isfinite(*kW), "a calculated heat load is a number");
    Require(ShowsOnlyNumbers(view.EntryText(THeatLoadEntry::Result)), "the result shows a number",
            view.EntryText(THeatLoadEntry::Result));
    for (const QString& message : messages.Texts())
        Require(ShowsNoControlCharacter(message), "messages show no control character", message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    const QStringList texts = Texts(data, size);
    RunArguments(texts);
    TypeIntoThePage(texts);
    return 0;
}
