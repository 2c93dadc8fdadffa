#pragma once

#include "pages/heatload/HeatLoadView.h"

#include <QMap>
#include <QStringList>

// The heat-load page without a window: every control is a value that the command-line tool and
// the tests set as a user would and read back as the window would show them. Every unit list
// starts at its first item.
class THeadlessHeatLoadView : public THeatLoadView {
public:
    THeadlessHeatLoadView();

    QString EntryText(THeatLoadEntry entry) const override { return Texts.value(entry); }
    void SetEntryText(THeatLoadEntry entry, const QString& text) override { Texts[entry] = text; }
    void SetEntryFocus(THeatLoadEntry entry) override { Focused = entry; }
    std::optional<THeatLoadEntry> FocusedEntry() const override { return Focused; }

    int ListIndex(THeatLoadEntry entry) const override { return Lists.value(entry); }
    // A position outside the list's items picks nothing, as in a drop-down list.
    void SetListIndex(THeatLoadEntry entry, int index) override;

    QString GroupCaption(THeatLoadEntry entry) const override { return Captions.value(entry); }
    void SetGroupCaption(THeatLoadEntry entry, const QString& caption) {
        Captions[entry] = caption;
    }

    QString OutOfRangeStr() const override { return OutOfRangeText; }
    QString ThousandsReadingsStr() const override { return ThousandsReadingsText; }

    void HandOverRequiredCooling(const QString& text, int heatUnit) override {
        HandedOver.append(text);
        HandedOverUnits.append(heatUnit);
    }

    std::optional<THeatLoadEntry> Focused;
    QString OutOfRangeText;
    QString ThousandsReadingsText;
    QStringList HandedOver;     // every required cooling handed to the selection page, in order
    QList<int> HandedOverUnits; // the heat unit of each

private:
    QMap<THeatLoadEntry, QString> Texts;
    QMap<THeatLoadEntry, int> Lists;
    QMap<THeatLoadEntry, QString> Captions;
};
