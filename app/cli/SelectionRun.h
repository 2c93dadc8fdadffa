#pragma once

#include "app/cli/SelectArguments.h"
#include "core/MessageService.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionSettings.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"

// The selection page of a freshly started program, without a window, on the catalogue in
// `IniFilePath` (ending in a separator): the user's steps for a request, then one of the two
// calculations. Messages are kept, not shown. The engine state is the process's, so one run at a
// time.
class TSelectionRun {
public:
    TSelectionRun(const QString& IniFilePath, TLanguageType Language);

    // Picks the series, grade, units and model of `Request` and types its entries, one by one.
    // False with `Error` for a model the series does not have or an entry that does not read.
    bool Enter(const TSelectRequest& Request, QString& Error);

    // "Calculate New Cooler" without a model, "Calculate Selected Cooler" with one.
    void Calculate(const TSelectRequest& Request);

    // The exit status of the command-line tool: 0 with a result and no error told, 1 otherwise.
    int Status() const;

    const THeadlessSelectionView& View() const { return Page; }
    TSelectionController& Controller() { return PageLogic; }
    const TRecordingMessages& Messages() const { return Recorded; }

private:
    struct TFreshEngineState {
        explicit TFreshEngineState(const QString& IniFilePath);
    };

    TFreshEngineState FreshEngineState;
    const TVersUnit Version; // fixes the edition
    TRecordingMessages Recorded;
    const TScopedMessageService RecordMessages{Recorded};
    TLanguage Language;
    THeadlessSelectionView Page;
    TMemorySelectionSettings Settings;
    TSelectionController PageLogic{Page, Settings};
};
