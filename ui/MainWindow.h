#pragma once

#include "core/CoolerTypes.h"
#include "core/Editions.h"
#include "settings/Edition.h"
#include "settings/ServiceMargins.h"
#include "settings/SettingsRoots.h"
#include "ui/WindowTextVariables.h"

#include <QMainWindow>
#include <QSize>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QTabWidget;
class TAboutBox;
class TDimensionsPage;
class TDimensionVAM;
class TDimensionVCS;
class TDimensionVDM;
class TDimensionVHM;
class THeatLoadPage;
class TLanguage;
class TLanguagePage;
class TMessageService;
class TPageInputs;
class TSelectionPage;
class TSelectionPageHooks;
class TStartPage;
class TfPrePrint;
class TVerDep;
class TVersUnit;

// The page indexes of PageControl1.
enum TPageIndex : int {
    StartPageIndex = 0,     // tsMainGroup
    SelectionPageIndex = 1, // TabSheet1
    HeatLoadPageIndex = 2,  // TabSheet2
    DimensionsPageIndex = 3,
    LanguagePageIndex = 4,
    PageCount = 5
};

// The program's only window: five pages, the main menu, the start-up and the page change.
//
// The window is built in two steps. Constructing it builds the controls; FormCreate then runs
// the start-up, after the pages' logic has been registered, because start-up already clears
// the selection page. Showing a window whose start-up failed shows nothing; the program then
// ends.
class TfKylvane : public QMainWindow {
    Q_OBJECT

public:
    // Where the settings store lives, given the program's directory and edition, which names
    // the store's files; chosen once, when the window is made, and handed to every store of
    // the window and its pages. The program uses the user's real settings; tests hand in
    // temporary ones.
    using TSettingsRootsChooser =
        std::function<TSettingsRoots(const QString& ProgramDir, TEdition Edition)>;

    // Every message of the window and its pages goes to `Messages`: message boxes in the
    // program, a recording in the tests. The program runs as the edition it was built as;
    // tests may run the other.
    TfKylvane(TMessageService& Messages, const TSettingsRootsChooser& ChooseSettingsRoots,
              TEdition Edition = BuildEdition());
    ~TfKylvane() override;

    // The size the pages are laid out for; also the window's smallest, unless the screen is
    // smaller.
    static constexpr QSize DesignedSize{1000, 720};

    // What pages 1 to 3 store when left and restore when entered. Pages without logic of
    // their own keep nothing.
    void SetPageInputs(int PageIndex, std::unique_ptr<TPageInputs> Inputs);
    // Registers the selection page's logic, which is also its page inputs.
    void SetSelectionPageHooks(std::unique_ptr<TSelectionPageHooks> Hooks);

    // The start-up: installation check, stored directory and language, texts, cleared pages.
    // Sets MustCloseFLG when the program cannot run.
    void FormCreate();

    // Runs after every change of the shown page: stores the inputs of the page left, loads the
    // text page of the page entered and restores its inputs.
    void PageControl1Change();
    // The menu's page items: show the page, then run the page change as a tab click would.
    void ShowPageFromMenu(int PageIndex);
    // A language radio button became selected.
    void LanguageSelected(TLanguageType Language);
    // The print menu item and the print button of the selection page together.
    void SetPrintEnabled(bool Enabled);
    // The open page's inputs into the settings store, as leaving the page stores them.
    void StoreOpenPageInputs();
    // The service margins changed.
    void MarginsChanged();
    // The heat-load page's result becomes the selection page's required cooling.
    void HandOverRequiredCooling(const QString& Text, int HeatUnit);
    // Their action: the print setup, then the report of the selection page's result, opened
    // in the desktop's word processor.
    void PrintSelection();

    QTabWidget* PageControl1;
    TStartPage* StartPage;           // tsMainGroup
    TSelectionPage* SelectionPage;   // TabSheet1
    THeatLoadPage* HeatLoadPage;     // TabSheet2
    TDimensionsPage* DimensionsPage; // TabSheet3
    TLanguagePage* LanguagePage;     // TabSheet5

    QMenuBar* mmKylvane;
    QMenu* mmFile;
    QAction* mmCooler;
    QAction* mmPower;
    QAction* mmDimension;
    QAction* mmBar2;
    QAction* mmLanguage;
    QAction* mmBar4;
    QAction* mmPrint;
    QAction* mmBar5;
    QAction* mmExit;
    QMenu* mmAbout;
    QAction* mmVersion;
    QAction* mmBar21;

    // The about box, hidden between its showings.
    TAboutBox& AboutBox();
    // The print setup, hidden between its showings.
    TfPrePrint& PrePrint();

    TEdition Edition() const { return TheEdition; }
    TMessageService& MessageService() const { return Messages; }
    const TSettingsRoots& StoreRoots() const { return Roots; }

    QString ProgramPath; // ends in a directory separator
    // The catalogue directory the pages read, ending in a directory separator; set by
    // FormCreate.
    QString IniFilePath;
    // The service margins of the running program, read from the store at start-up and edited
    // through the hidden service entry.
    TServiceMargins ServiceMargins;
    // Also set until FormCreate has run, so a window that never started cannot be shown.
    bool MustCloseFLG = true;
    int32_t LastPageIndex = -1;
    bool PrinterEnableFLG = false;
    bool FirstTimePrePrintFLG = true;
    bool WordOpenedFLG = false;

    TWindowTextVariables TextVariables;

    // Created by FormCreate and kept until the window goes; TheLanguage and the model lists
    // exist only after a successful start-up.
    std::unique_ptr<TVersUnit> VersUnit;
    std::unique_ptr<TVerDep> VerDep;
    std::unique_ptr<TLanguage> TheLanguage;
    std::unique_ptr<TDimensionVAM> DimensionVAM;
    std::unique_ptr<TDimensionVDM> DimensionVDM;
    std::unique_ptr<TDimensionVHM> DimensionVHM;
    std::unique_ptr<TDimensionVCS> DimensionVCS;

    void setVisible(bool Visible) override;

protected:
    void showEvent(QShowEvent* Event) override;
    // Closing the window keeps what the open page holds, as leaving the page would.
    void closeEvent(QCloseEvent* Event) override;

private:
    void BuildMenu();
    void BuildPages();
    bool CheckInstallation();
    bool ReadProgramPath();
    bool ReadLanguage(int32_t& LanguageNumber);
    void SelectStoredLanguage(int32_t LanguageNumber);
    void ShowStartPage();
    void FormShow();
    void PaintColours();

    TMessageService& Messages;
    TEdition TheEdition;
    TSettingsRoots Roots;
    std::array<std::unique_ptr<TPageInputs>, PageCount> PageInputs;
    TSelectionPageHooks* SelectionHooks = nullptr; // owned as page 1's inputs
    TAboutBox* AboutBoxDialog = nullptr;
    TfPrePrint* PrePrintDialog = nullptr;
};
