#pragma once

#include "app/cli/SelectArguments.h"
#include "engine/CatalogueSource.h"
#include "pages/selection/ScriptedSelection.h"

// A select request of the command line run on the sizing core: the model it names found in the
// series' list, its entries read, the results made and worded in its language.
struct CommandLineSelection {
    SelectionRequest Request;
    const SelectionCaptions* Captions = nullptr; // those the run was given

    ListedModels Models;
    SelectionOutcome Outcome;

    // The model the results belong to, as the list names it.
    QString ResultModel() const { return Models.Names.value(Outcome.Model); }
    // A cooling system's oil flow is its pump's: the entry as the page shows it, with its unit.
    QString PumpFlowText() const;
    // The same as a number in the flow unit: the flow the results are rated at.
    ResultValue PumpFlowValue() const { return FlowValue(Outcome.RatedFlow, Request.Units.Flow); }
};

// The texts a selection is worded with in one language.
SelectionCaptions CaptionsIn(TLanguageType Language);

// How much of a sizing a command shows: the results of the model shown only (a table of
// operating points), with the candidates' grid too, or also with their diagram.
enum class SelectionDetail { ShownResult, Grid, GridAndDiagram };

// Runs `Request` ("Calculate New Cooler" when `NewCooler`, even with a model, which is then
// picked among the candidates) on `Catalogue`, with the texts `Captions`, worked out to
// `Detail`. False, with the reason in `Error`, when the request names a model the series lacks
// or gives an entry that does not read: such a request is refused before any work.
bool RunCommandLineSelection(const TSelectRequest& Request, bool NewCooler,
                             const SelectionCaptions& Captions, const CatalogueSource& Catalogue,
                             CommandLineSelection& Run, QString& Error,
                             SelectionDetail Detail = SelectionDetail::Grid);
// The run keeps the texts it was given, which must outlive it.
bool RunCommandLineSelection(const TSelectRequest&, bool, const SelectionCaptions&&,
                             const CatalogueSource&, CommandLineSelection&, QString&,
                             SelectionDetail = SelectionDetail::Grid) = delete;
