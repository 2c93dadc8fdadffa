#pragma once

#include "app/cli/SelectArguments.h"
#include "core/MessageService.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionSettings.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"

// The selection page of a freshly started program without a window, on settings kept in
// memory and with its messages recorded, driven through the steps a user takes.
class THeadlessSelection {
public:
    // Reads the catalogue from `IniFilePath` (ending in a separator); captions and messages in
    // `Language`.
    THeadlessSelection(const QString& IniFilePath, TLanguageType Language);

    // Picks the series, grade, units and model of the request and types its entries, one by
    // one. The model may be named as the list of any language names it or by its catalogue
    // section. False, with the reason in Error, when the request names a model the series lacks
    // or gives an entry that does not read.
    bool Enter(const TSelectRequest& Request, QString& Error);

    enum class TCalculation { NewCooler, SelectedCooler };
    // Clicks one of the two calculation buttons.
    void Calculate(TCalculation Which);

    // Enters the request and calculates: a new cooler without a model, the selected one with.
    bool Run(const TSelectRequest& Request, QString& Error);

    // A result was calculated and no error was told.
    bool Succeeded() const;

private:
    // Everything the page runs on starts afresh, before any of the members below.
    struct TFreshState {
        TFreshState();
    } Fresh;
    TVersUnit Version; // fixes the edition

public:
    TRecordingMessages Messages;
    TLanguage Language;
    THeadlessSelectionView View;
    TMemoryStoredValues Settings;
    TSelectionController Controller{View, Settings};

private:
    TScopedMessageService RecordMessages{Messages};
};
