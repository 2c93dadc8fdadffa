#pragma once

#include "core/MessageService.h"
#include "engine/CatalogueSource.h"
#include "engine/Sizing.h"
#include "pages/selection/ResultPresentation.h"
#include "pages/selection/ResultValues.h"
#include "pages/selection/SelectionCaptions.h"
#include "pages/selection/SelectionDiagram.h"
#include "report/SelectionReportData.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A sizing asked for without a window, in the terms of the selection page: the series, grade
// and units picked, the texts typed into the entries and the model, if any. It runs the steps
// a user takes on a freshly started page and gives what the page shows afterwards, so that a
// script sees exactly what the window shows.
struct SelectionRequest {
    TCoolerType Series = AC_Cooler;
    int OilGrade = 0;                            // position in the oil list
    DisplayUnits Units;                          // positions in the unit lists
    std::array<std::optional<QString>, 5> Typed; // by TSelectionEntry; none: left as filled in
    int Model = -1;                              // position in the model list, -1 for none
    // "Calculate New Cooler" (with a model: then picked in the candidates' grid), or
    // "Calculate Selected Cooler".
    bool NewCooler = true;
    bool USEdition = false;
    // The candidates' diagram is drawn only for those who show it.
    bool WithDiagram = false;
    // The grid's rows and each candidate's numbers, likewise; without them a sizing words the
    // results of the candidate shown only, which is all a table of operating points keeps.
    bool WithCandidateRows = true;
};

// A rating's numbers behind its texts, and how it meets the operating point.
struct ShownNumbers {
    ResultValues Values;
    QString Verdict; // VerdictOf
};

struct SelectionOutcome {
    QList<TShownMessage> Messages;     // in the order the page tells them
    bool Calculated = false;           // the panel shows results, which can be printed
    int Model = -1;                    // the results' model: position in the model list
    std::array<QString, 5> EntryTexts; // as the entries show them, by TSelectionEntry
    PresentedResult Result;
    ShownNumbers Numbers;        // of the results shown
    float RatedFlow = 0;         // l/min, the flow the results are rated at
    QList<Candidate> Candidates; // listed by "Calculate New Cooler", the grid's rows 1 on
    QList<ShownNumbers> CandidateNumbers;
    QList<TSampleRow> Grid; // header and candidates; empty while no grid is shown
    int GridRow = 0;        // the candidate whose results are shown
    // With a model and "Calculate New Cooler": the model is no candidate, so nothing was picked.
    bool ModelNotListed = false;
    std::optional<TSelectionDiagram> Diagram;

    bool Succeeded() const;
};

// The model list of a series in one language, as the page fills it.
struct ListedModels {
    QStringList Names;
    QStringList CatalogueNames;
};

// Runs `Request` on the data of `Catalogue`, worded with `Captions`, on the model list `Models`
// of the request's series.
SelectionOutcome RunScriptedSelection(const SelectionRequest& Request,
                                      const SelectionCaptions& Captions, const ListedModels& Models,
                                      const CatalogueSource& Catalogue);

// What the report copies from the page after `Outcome`.
TSelectionReportData ReportDataOf(const SelectionRequest& Request, const SelectionOutcome& Outcome,
                                  const ListedModels& Models);
