#include "ui/MainWindow.h"

#include "core/MessageService.h"
#include "engine/ModelLists.h"
#include "engine/VerDep.h"
#include "pages/printsetup/PrintCommand.h"
#include "pages/printsetup/PrintSetupChoice.h"
#include "report/SelectionReport.h"
#include "settings/RegRoutines.h"
#include "settings/ServiceMargins.h"
#include "settings/StoredValues.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"
#include "ui/AboutBox.h"
#include "ui/DimensionsPage.h"
#include "ui/HeatLoadPage.h"
#include "ui/LanguagePage.h"
#include "ui/LanguagePageInputs.h"
#include "ui/LanguageTexts.h"
#include "ui/PageInputs.h"
#include "ui/PrintSetupDialog.h"
#include "ui/ReportDocument.h"
#include "ui/SelectionPage.h"
#include "ui/SloganPanel.h"
#include "ui/StartPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

namespace {

const QString NoAccessMessage =
    QStringLiteral("This user has no access to the program. The program will end!");
const QString CannotReadMessage =
    QStringLiteral("Can NOT read data in Windows Registry. The program will end!");
const QString RightsNotice =
    QStringLiteral("Copyright \u00a9 2013 Brenvik Corporation. All rights reserved.");

// The text page each page of PageControl1 loads when it is entered.
constexpr std::array<TLanguagePageType, PageCount> TextPageOfPage{MainGroup, Page_1, Page_2, Page_3,
                                                                  Page_4};

const QColor LightGrey(0xE0, 0xE0, 0xE0);

void Colour(QWidget* Control, QPalette::ColorRole Role, const QColor& Colour) {
    QPalette palette = Control->palette();
    palette.setColor(Role, Colour);
    Control->setPalette(palette);
}

void FillWith(QWidget* Control, const QColor& Background) {
    Colour(Control, QPalette::Window, Background);
    Control->setAutoFillBackground(true);
}

// A page scrolls when the window is smaller than the page needs, rather than squeezing its
// controls; at the designed size no scroll bar shows.
QScrollArea* NewPageScroller(QWidget* Page) {
    auto* scroller = new QScrollArea;
    scroller->setObjectName(Page->objectName() + QStringLiteral("Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(Page);
    return scroller;
}

} // namespace

TfKylvane::TfKylvane(TMessageService& Messages, const TSettingsRootsChooser& ChooseSettingsRoots,
                     TEdition Edition)
    : Messages(Messages), TheEdition(Edition),
      Roots(ChooseSettingsRoots(QCoreApplication::applicationDirPath(), Edition)) {
    setObjectName(QStringLiteral("fKylvane"));
    BuildPages();
    BuildMenu();
    // Every control is whole at the designed size; a smaller screen gets a window as large as it
    // allows and pages that scroll.
    const QSize designed = DesignedSize.boundedTo(screen()->availableSize());
    setMinimumSize(designed);
    resize(designed);
}

TfKylvane::~TfKylvane() = default;

void TfKylvane::BuildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    StartPage = new TStartPage(PageControl1);
    SelectionPage = new TSelectionPage(PageControl1);
    HeatLoadPage = new THeatLoadPage(PageControl1);
    DimensionsPage = new TDimensionsPage(PageControl1);
    LanguagePage = new TLanguagePage(PageControl1);
    const std::array<std::pair<QWidget*, QString>, PageCount> sheets{
        {{StartPage, QStringLiteral("tsMainGroup")},
         {SelectionPage, QStringLiteral("TabSheet1")},
         {HeatLoadPage, QStringLiteral("TabSheet2")},
         {DimensionsPage, QStringLiteral("TabSheet3")},
         {LanguagePage, QStringLiteral("TabSheet5")}}};
    for (const auto& [page, name] : sheets) {
        page->setObjectName(name);
        PageControl1->addTab(NewPageScroller(page), QString());
    }
    setCentralWidget(PageControl1);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(LanguagePage, &TLanguagePage::LanguageSelected, this, &TfKylvane::LanguageSelected);
    connect(SelectionPage->sbPrint, &QToolButton::clicked, this, &TfKylvane::PrintSelection);
    SetPageInputs(LanguagePageIndex, std::make_unique<TLanguagePageInputs>(*LanguagePage, Roots));
}

void TfKylvane::BuildMenu() {
    mmKylvane = menuBar();
    mmKylvane->setObjectName(QStringLiteral("mmKylvane"));
    const auto item = [](QMenu* Menu, const QString& Name, const QString& Caption) {
        QAction* action = Menu->addAction(Caption);
        action->setObjectName(Name);
        return action;
    };
    const auto separator = [](QMenu* Menu, const QString& Name) {
        QAction* action = Menu->addSeparator();
        action->setObjectName(Name);
        return action;
    };
    // The captions the window starts with take part in the first choice of accelerators.
    mmFile = mmKylvane->addMenu(QStringLiteral("&Arkiv"));
    mmFile->setObjectName(QStringLiteral("mmFile"));
    mmCooler = item(mmFile, QStringLiteral("mmCooler"), QStringLiteral("&Kylare"));
    mmPower = item(mmFile, QStringLiteral("mmPower"), QStringLiteral("Power"));
    mmDimension = item(mmFile, QStringLiteral("mmDimension"), QStringLiteral("&Mått"));
    mmBar2 = separator(mmFile, QStringLiteral("mmBar2"));
    mmLanguage = item(mmFile, QStringLiteral("mmLanguage"), QStringLiteral("S&pråk"));
    mmBar4 = separator(mmFile, QStringLiteral("mmBar4"));
    mmPrint = item(mmFile, QStringLiteral("mmPrint"), QStringLiteral("&Skrivare..."));
    mmBar5 = separator(mmFile, QStringLiteral("mmBar5"));
    mmExit = item(mmFile, QStringLiteral("mmExit"), QStringLiteral("A&vsluta"));
    mmAbout = mmKylvane->addMenu(QStringLiteral("A&bout"));
    mmAbout->setObjectName(QStringLiteral("mmAbout"));
    mmVersion = item(mmAbout, QStringLiteral("mmVersion"), QStringLiteral("&Version"));
    mmBar21 = separator(mmAbout, QStringLiteral("mmBar21"));

    connect(mmCooler, &QAction::triggered, this, [this] { ShowPageFromMenu(SelectionPageIndex); });
    connect(mmPower, &QAction::triggered, this, [this] { ShowPageFromMenu(HeatLoadPageIndex); });
    connect(mmDimension, &QAction::triggered, this,
            [this] { ShowPageFromMenu(DimensionsPageIndex); });
    connect(mmLanguage, &QAction::triggered, this, [this] { ShowPageFromMenu(LanguagePageIndex); });
    connect(mmPrint, &QAction::triggered, this, &TfKylvane::PrintSelection);
    connect(mmExit, &QAction::triggered, this, &QWidget::close);
    // Logging out may end the program without closing the window first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { StoreOpenPageInputs(); });
    connect(mmVersion, &QAction::triggered, this, [this] {
        if (TheLanguage)
            AboutBox().ShowModal(*TheLanguage);
    });
}

TAboutBox& TfKylvane::AboutBox() {
    // Made at its first showing: most runs never open it, and the start stays quicker.
    if (!AboutBoxDialog)
        AboutBoxDialog = new TAboutBox(this);
    return *AboutBoxDialog;
}

TfPrePrint& TfKylvane::PrePrint() {
    // Made at the first print, as the about box is at its first showing.
    if (!PrePrintDialog)
        PrePrintDialog = new TfPrePrint(this, FirstTimePrePrintFLG, Roots);
    return *PrePrintDialog;
}

void TfKylvane::PrintSelection() {
    if (!TheLanguage || !SelectionHooks)
        return;
    RunPrintCommand(*TheLanguage, PrePrint().Controller(), [this](const TPrintSetupChoice& Choice) {
        const TSelectionReport report{SelectionHooks->ReportData(), Choice.Texts, Choice.References,
                                      Edition() == TEdition::US, IniFilePath};
        WriteAndOpenSelectionReport(report, SelectionHooks->ReportDiagram(), Messages);
    });
}

void TfKylvane::SetPageInputs(int PageIndex, std::unique_ptr<TPageInputs> Inputs) {
    if (PageIndex == SelectionPageIndex)
        SelectionHooks = nullptr;
    PageInputs.at(PageIndex) = std::move(Inputs);
}

void TfKylvane::SetSelectionPageHooks(std::unique_ptr<TSelectionPageHooks> Hooks) {
    TSelectionPageHooks* hooks = Hooks.get();
    SetPageInputs(SelectionPageIndex, std::move(Hooks));
    SelectionHooks = hooks;
}

void TfKylvane::FormCreate() {
    MustCloseFLG = false;
    VersUnit = std::make_unique<TVersUnit>(TheEdition);
    VerDep = std::make_unique<TVerDep>();

    MustCloseFLG = !CheckInstallation();
    ProgramPath = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    if (!MustCloseFLG)
        MustCloseFLG = !ReadProgramPath();
    int32_t languageNumber = ENGLISH;
    if (!MustCloseFLG)
        MustCloseFLG = !ReadLanguage(languageNumber);

    if (!MustCloseFLG) {
        DimensionVAM = std::make_unique<TDimensionVAM>();
        DimensionVDM = std::make_unique<TDimensionVDM>();
        DimensionVHM = std::make_unique<TDimensionVHM>();
        DimensionVCS = std::make_unique<TDimensionVCS>();
        TheLanguage = std::make_unique<TLanguage>();
        TheLanguage->Initiate();
        IniFilePath = ProgramPath + QStringLiteral("IniFiles/");
        SelectStoredLanguage(languageNumber);
        LastPageIndex = -1;
        SelectionPage->sgCoolerSamples->hide();
        SetPrintEnabled(false);
        PrinterEnableFLG = false;
        if (SelectionHooks)
            SelectionHooks->ClearOnNewCoolerType(true);
        FirstTimePrePrintFLG = true;
        WordOpenedFLG = false;
        ServiceMargins = ReadServiceMargins(TRegStoredValues(Roots));
    }
    if (TheEdition == TEdition::US) {
        SelectionPage->lbProtectionStdCoolerText->hide();
        SelectionPage->lbProtectionStdCoolerValue->hide();
    }
    ShowStartPage();
    if (!MustCloseFLG && SelectionHooks)
        SelectionHooks->LoadFixedTempMode();
}

bool TfKylvane::CheckInstallation() {
    const TRegRoutines store(Roots);
    switch (store.IsProgramAllowed()) {
    case TRegRoutines::ProgramRefused:
        Messages.Error(NoAccessMessage);
        return false;
    case TRegRoutines::UserCopyOutdated:
        // A failed seeding has already removed the half-made copy; there is nothing to say
        // that the user could act on.
        return store.CopyToCurrentUser();
    default:
        return true;
    }
}

bool TfKylvane::ReadProgramPath() {
    QString path;
    if (!TRegRoutines(Roots).GetProgramPath(path, TRegRoutines::MaxTextLength)) {
        Messages.Error(CannotReadMessage);
        return false;
    }
    // Catalogue names are appended to the directory directly, so it must end in a separator.
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    ProgramPath = path;
    return true;
}

bool TfKylvane::ReadLanguage(int32_t& LanguageNumber) {
    if (!TRegRoutines(Roots).GetTextNo(LanguageNumber)) {
        Messages.Error(CannotReadMessage);
        return false;
    }
    return true;
}

void TfKylvane::SelectStoredLanguage(int32_t LanguageNumber) {
    QRadioButton* button = LanguagePage->ButtonFor(LanguageNumber);
    {
        // Selected quietly, then its selection runs once, explicitly.
        const QSignalBlocker quiet(button);
        button->setChecked(true);
    }
    for (const TLanguageButton& entry : LanguagePage->Buttons())
        if (entry.Button == button)
            LanguageSelected(entry.Language);
}

void TfKylvane::ShowStartPage() {
    const QSignalBlocker noPageChange(PageControl1);
    PageControl1->setCurrentIndex(StartPageIndex);
}

void TfKylvane::LanguageSelected(TLanguageType Language) {
    if (!TheLanguage)
        return;
    TheLanguage->SetLanguageType(Language);
    // A write takes a lock and a disk sync; the number that is stored already stays as it is.
    const TRegRoutines store(Roots);
    int32_t stored = -1;
    if (!store.GetTextNo(stored) || stored != Language)
        store.SetRegInteger(Language, QStringLiteral("\\Page5"), QStringLiteral("Language"));
    ApplyLanguageTexts(*this);
}

void TfKylvane::StoreOpenPageInputs() {
    if (LastPageIndex >= 0 && PageInputs[LastPageIndex])
        PageInputs[LastPageIndex]->StoreInputs();
}

void TfKylvane::closeEvent(QCloseEvent* Event) {
    StoreOpenPageInputs();
    QMainWindow::closeEvent(Event);
}

void TfKylvane::MarginsChanged() {
    if (SelectionHooks)
        SelectionHooks->MarginsChanged();
}

void TfKylvane::PageControl1Change() {
    SetPrintEnabled(false);
    StoreOpenPageInputs();
    LastPageIndex = PageControl1->currentIndex();
    if (LastPageIndex < 0)
        return;
    if (TheLanguage)
        TheLanguage->NewPageText(TextPageOfPage[LastPageIndex]);
    if (PageInputs[LastPageIndex])
        PageInputs[LastPageIndex]->RestoreInputs();
}

void TfKylvane::ShowPageFromMenu(int PageIndex) {
    {
        const QSignalBlocker noPageChange(PageControl1);
        PageControl1->setCurrentIndex(PageIndex);
    }
    PageControl1Change();
}

void TfKylvane::SetPrintEnabled(bool Enabled) {
    mmPrint->setEnabled(Enabled);
    SelectionPage->sbPrint->setEnabled(Enabled);
}

void TfKylvane::HandOverRequiredCooling(const QString& Text, int HeatUnit) {
    if (SelectionHooks)
        SelectionHooks->TakeRequiredCooling(Text, HeatUnit);
}

void TfKylvane::setVisible(bool Visible) {
    // After a failed start-up the window never appears; the program ends instead.
    if (Visible && MustCloseFLG)
        return;
    QMainWindow::setVisible(Visible);
}

void TfKylvane::showEvent(QShowEvent* Event) {
    QMainWindow::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TfKylvane::FormShow() {
    const QString edition = TheEdition == TEdition::US ? QStringLiteral("  U.S. Version ")
                                                       : QStringLiteral("  European version ");
    setWindowTitle(edition + VersUnit->GetVerNumber());

    ApplyLanguageTexts(*this);

    for (QLabel* rights : {StartPage->lbMainPageRights, SelectionPage->lbPage1CpyRights,
                           HeatLoadPage->lbPage2CpyRights, DimensionsPage->lbPage3CpyRights,
                           LanguagePage->lbPage5CpyRights})
        rights->setText(RightsNotice);

    PaintColours();

    LanguagePage->ShowEditionLanguages(TheEdition == TEdition::US);
}

void TfKylvane::PaintColours() {
    FillWith(this, Qt::white);
    for (int page = 0; page < PageCount; ++page) {
        const auto* scroller = static_cast<QScrollArea*>(PageControl1->widget(page));
        FillWith(scroller->viewport(), Qt::white);
        FillWith(scroller->widget(), Qt::white);
    }
    const TSelectionPage& s = *SelectionPage;
    const THeatLoadPage& h = *HeatLoadPage;
    const TDimensionsPage& d = *DimensionsPage;
    for (QWidget* white : std::initializer_list<QWidget*>{
             s.gbMode, s.gbCoolerdata, s.gbOutputCoolerData, s.sgCoolerSamples, s.mmDisclamer,
             h.gbResultlHeatDissi, h.gbTextFrameHeatDissi, d.gbDimensionChoice, d.plDimTg,
             d.gbDimensionData, LanguagePage->gbLanguage})
        FillWith(white, Qt::white);
    for (QWidget* grey : std::initializer_list<QWidget*>{
             s.gbOilType, s.gbOilflowCoolerData, s.gbMaxTempCoolerData, s.gbAirTempCoolerData,
             s.gbcbHeatDissCoolerData, s.gbAlittudeCoolerData, h.gbOilVolumeHeatDissi,
             h.gbDensityHeatDissi, h.gbHeatCapacitivityHeatDissi, h.gbStartTempHeatDissi,
             h.gbEndTempHeatDissi, h.gbTimeIntervalHeatDissi})
        FillWith(grey, LightGrey);
    // The grid's header row is its fixed row.
    Colour(s.sgCoolerSamples->horizontalHeader(), QPalette::Button, LightGrey);
}
