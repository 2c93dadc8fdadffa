#include "tests/support/FileSizeLimit.h"
#include "tests/support/WindowTestSupport.h"

#include "core/RegionalSettings.h"
#include "report/SelectionReport.h"
#include "settings/RegRoutines.h"
#include "texts/Language.h"
#include "ui/PrintSetupDialog.h"
#include "ui/ReportDocument.h"
#include "ui/SelectionPage.h"
#include "ui/SelectionPageLogic.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

// Sets an environment variable for the lifetime of this object.
class TScopedEnvironment {
public:
    TScopedEnvironment(const char* Name, const QByteArray& Value)
        : Name(Name), Had(qEnvironmentVariableIsSet(Name)), Previous(qgetenv(Name)) {
        qputenv(Name, Value);
    }
    ~TScopedEnvironment() {
        if (Had)
            qputenv(Name, Previous);
        else
            qunsetenv(Name);
    }

private:
    const char* Name;
    bool Had;
    QByteArray Previous;
};

// The window of the US edition with a sized cooler on the selection page, and a home folder of
// its own, whose documents folder receives the reports.
class Printing : public WindowTest {
protected:
    void SetUp() override {
        Window = StartOnSelectionPage(Logic);
        TSelectionPage* page = Window->SelectionPage;
        for (const auto& [entry, text] : {std::pair{page->edOilflowCoolerData, "26,4"},
                                          {page->edMaxTempCoolerData, "140"},
                                          {page->edAirTempCoolerData, "86"},
                                          {page->edAlittudeCoolerData, "0"},
                                          {page->edHeatDissCoolerData, "68240"}}) {
            entry->setText(text);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(entry, &out);
        }
        page->btCalcNewCooler->click();
        ASSERT_TRUE(Window->mmPrint->isEnabled()) << Recorded.Texts().join('|').toStdString();
    }

    // Plays the user in the print setup once it shows.
    void WhenTheDialogShows(const std::function<void(TfPrePrint&)>& Act) {
        QTimer::singleShot(0, Window.get(), [this, Act] {
            auto* dialog = Window->findChild<TfPrePrint*>(QStringLiteral("fPrePrint"));
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(dialog->isVisible());
            Act(*dialog);
        });
    }

    QStringList Reports() const {
        return QDir(Dir.filePath("home/Documents")).entryList(QDir::Files);
    }

    QString ReportName() const {
        return "KVAM 350-B " + QDate::currentDate().toString(Qt::ISODate) + ".odt";
    }

    // The text of a written report: its content as the word processor reads it.
    QString ReportContent(const QString& Name) const {
        QProcess unzip;
        unzip.start("unzip", {"-p", Dir.filePath("home/Documents/" + Name), "content.xml"});
        EXPECT_TRUE(unzip.waitForFinished(60000));
        EXPECT_EQ(unzip.exitCode(), 0);
        return QString::fromUtf8(unzip.readAllStandardOutput());
    }

    // The page's report as the window makes it, with texts and references left empty.
    TSelectionReport ShownReport() const {
        return {
            Logic->ReportData(), {}, {}, Window->Edition() == TEdition::US, Window->IniFilePath};
    }

    TScopedEnvironment Home{"HOME", Dir.filePath("home").toUtf8()};
    TScopedEnvironment Config{"XDG_CONFIG_HOME", Dir.filePath("home/.config").toUtf8()};
    TScopedRegionalSettings Point{QLatin1Char('.')};
    std::unique_ptr<TfKylvane> Window;
    TSelectionPageLogic* Logic = nullptr;
};

TEST_F(Printing, ThePrintButtonWritesTheReportInTheChosenLanguageIntoTheDocumentsFolder) {
    const TLanguagePageType loaded = Window->TheLanguage->GetLastLanguagePage();
    QGuiApplication::clipboard()->setText("what the user copied");
    WhenTheDialogShows([](TfPrePrint& dialog) {
        dialog.edYourRef->setText("Press 4");
        dialog.LanguageButtons[*PrintLanguageButtonOf(SPANISH)]->click();
        dialog.bbOkPrint->click();
    });
    Window->SelectionPage->sbPrint->click();

    EXPECT_EQ(Reports(), QStringList{ReportName()});
    // The offscreen desktop opens nothing: the user is told where the report is.
    ASSERT_EQ(Recorded.Shown.size(), 1);
    EXPECT_EQ(Recorded.Shown[0].Kind, TMessageKind::Information);
    EXPECT_TRUE(Recorded.Shown[0].Text.startsWith(
        "The report was saved as \"" + Dir.filePath("home/Documents/" + ReportName()) + "\""))
        << Recorded.Shown[0].Text.toStdString();
    EXPECT_EQ(Window->TheLanguage->GetLanguageType(), ENGLISH);
    EXPECT_EQ(Window->TheLanguage->GetLastLanguagePage(), loaded);
    // The labels in the report's language, the references as typed in the dialog.
    const QString content = ReportContent(ReportName());
    EXPECT_TRUE(content.contains("Datos de entrada:")) << content.toStdString();
    EXPECT_TRUE(content.contains("Su referencia: Press 4"));
    EXPECT_FALSE(content.contains("Input data:"));
    // The logo goes straight into the document; the user's clipboard is left alone.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "what the user copied");

    const TRegRoutines store(Window->StoreRoots());
    int32_t language = -1;
    EXPECT_TRUE(store.GetRegInteger(language, "\\PrintPage", "LocalLaguage"));
    EXPECT_EQ(language, SPANISH);
    EXPECT_EQ(store.GetRegString("\\PrintPage", "YourRef"), "Press 4");

    // A second report never overwrites the first.
    WhenTheDialogShows([](TfPrePrint& dialog) { dialog.bbOkPrint->click(); });
    Window->mmPrint->trigger();
    EXPECT_EQ(Reports().size(), 2);
}

TEST_F(Printing, CancelWritesNothingAndTheNextShowingOffersTheTypedReferences) {
    WhenTheDialogShows([](TfPrePrint& dialog) {
        EXPECT_EQ(dialog.edYourRef->text(), "");
        dialog.edYourRef->setText("Press 4");
        dialog.edOurRef->setText("Q-118");
        dialog.bbCancelPrint->click();
    });
    Window->mmPrint->trigger();
    EXPECT_TRUE(Reports().isEmpty());
    EXPECT_TRUE(Recorded.Shown.isEmpty());
    EXPECT_EQ(Window->TheLanguage->GetLanguageType(), ENGLISH);

    QString shownYourRef;
    QString shownOurRef;
    WhenTheDialogShows([&](TfPrePrint& dialog) {
        shownYourRef = dialog.edYourRef->text();
        shownOurRef = dialog.edOurRef->text();
        dialog.reject(); // the close box
    });
    Window->mmPrint->trigger();
    EXPECT_EQ(shownYourRef, "Press 4");
    EXPECT_EQ(shownOurRef, "Q-118");
    EXPECT_TRUE(Reports().isEmpty());
}

TEST_F(Printing, AReportInAnotherLanguageChangesNothingOnTheScreen) {
    TSelectionPage& page = *Window->SelectionPage;
    const QString disclaimer = page.mmDisclamer->toPlainText();
    const QString inlet = page.lbOilInletTempCoolerValue->text();
    for (bool write : {false, true}) {
        WhenTheDialogShows([write](TfPrePrint& dialog) {
            dialog.LanguageButtons[*PrintLanguageButtonOf(SPANISH)]->click();
            (write ? dialog.bbOkPrint : dialog.bbCancelPrint)->click();
        });
        Window->mmPrint->trigger();
        Window->PageControl1->setCurrentIndex(HeatLoadPageIndex);
        Window->PageControl1->setCurrentIndex(SelectionPageIndex);
        EXPECT_EQ(page.mmDisclamer->toPlainText(), disclaimer) << write;
        EXPECT_EQ(page.lbOilInletTempCoolerValue->text(), inlet) << write;
        EXPECT_TRUE(Window->mmPrint->isEnabled()) << write;
    }
}

TEST_F(Printing, TheDialogOffersEnglishAndSpanishUnderCaptionsWithoutColons) {
    WhenTheDialogShows([](TfPrePrint& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Print Page Setup");
        EXPECT_EQ(dialog.size(), QSize(650, 261));
        EXPECT_EQ(dialog.gbYourRef->title(), "Your reference");
        EXPECT_EQ(dialog.gbOurRef->title(), "Our reference");
        EXPECT_EQ(dialog.gbLanguage->title(), "Language");
        QStringList shown;
        for (QRadioButton* button : dialog.LanguageButtons)
            if (button->isVisibleTo(&dialog))
                shown.append(button->objectName() + "=" + button->text());
        EXPECT_EQ(shown, (QStringList{"rbEnglish=English", "rbSpanish=Spanish"}));
        EXPECT_TRUE(dialog.LanguageButtons[0]->isChecked());
        EXPECT_FALSE(dialog.edYourComm->isVisibleTo(&dialog));
        EXPECT_TRUE(dialog.bbOkPrint->isDefault());
        dialog.bbCancelPrint->click();
    });
    Window->SelectionPage->sbPrint->click();
}

TEST_F(Printing, TheReportCopiesThePageAsItShowsIt) {
    TSelectionPage* page = Window->SelectionPage;
    TSelectionReportData data = Logic->ReportData();
    EXPECT_EQ(data.ModelName, "KVAM 350-B");
    EXPECT_EQ(data.CatalogueName, "VAM_350_4_B");
    EXPECT_EQ(data.OilGrade, "ISO VG 46");
    EXPECT_EQ(data.Inputs[0].Text, page->edOilflowCoolerData->text());
    EXPECT_EQ(data.Inputs[0].Unit, "US gpm");
    EXPECT_EQ(data.Inputs[4].Unit, page->cbHeatDissCoolerData->currentText());
    EXPECT_EQ(data.OilInletTemp, page->lbOilInletTempCoolerValue->text());
    EXPECT_EQ(data.HeatLoad, page->lbHeatLoadCoolerValue->text());
    EXPECT_FALSE(data.OilInletTempHighlighted);
    EXPECT_FALSE(data.HeatLoadHighlighted);

    // The smaller neighbour falls short: its inlet temperature shows red.
    page->sgCoolerSamples->setCurrentIndex(page->sgCoolerSamples->model()->index(2, 0));
    data = Logic->ReportData();
    EXPECT_EQ(data.ModelName, "KVAM 300-B");
    EXPECT_TRUE(data.OilInletTempHighlighted);
    EXPECT_FALSE(data.HeatLoadHighlighted);

    // The page's series and calculation mode, which word the report's heat and motor lines.
    EXPECT_EQ(data.Series, AC_Cooler);
    EXPECT_FALSE(data.InletTempHeld);
    page->rbFixedTemp->click();
    EXPECT_TRUE(Logic->ReportData().InletTempHeld);
    page->rbCSCoolerData->click();
    EXPECT_EQ(Logic->ReportData().Series, Cooler_System);
}

TEST_F(Printing, AReportThatCannotBeSavedIsToldWithTheReasonAndLeavesNothing) {
    // A plain file where the documents folder should be: nobody, root included, writes in it.
    const QString notAFolder = Dir.filePath("plain");
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    bool opened = false;
    WriteAndOpenSelectionReport(ShownReport(), {}, Recorded, notAFolder,
                                [&](const QString&) { return opened = true; });
    EXPECT_FALSE(opened);
    ASSERT_EQ(Recorded.Shown.size(), 1);
    EXPECT_EQ(Recorded.Shown[0].Kind, TMessageKind::Error);
    const QString expected =
        "The report could not be saved as \"" + notAFolder + "/" + ReportName() + "\": ";
    EXPECT_TRUE(Recorded.Shown[0].Text.startsWith(expected))
        << Recorded.Shown[0].Text.toStdString();
    EXPECT_GT(Recorded.Shown[0].Text.size(), expected.size()) << "the reason";
    EXPECT_EQ(QFileInfo(notAFolder).size(), 0);
}

// The name is claimed, but the system refuses the report's bytes, as a full disk refuses them:
// the user is told the system's reason and the claimed name does not stay behind.
TEST_F(Printing, AReportTheSystemRefusesToWriteIsToldWithItsReasonAndLeavesNothing) {
    const QString folder = Dir.filePath("reports");
    ASSERT_TRUE(QDir().mkpath(folder));
    bool opened = false;
    {
        const TScopedFileSizeLimit limit(1024);
        WriteAndOpenSelectionReport(ShownReport(), {}, Recorded, folder,
                                    [&](const QString&) { return opened = true; });
    }
    EXPECT_FALSE(opened);
    ASSERT_EQ(Recorded.Shown.size(), 1);
    EXPECT_EQ(Recorded.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Recorded.Shown[0].Text, "The report could not be saved as \"" + folder + "/" +
                                          ReportName() + "\": File too large.");
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

TEST_F(Printing, OnlyAResultCanBePrinted) {
    Window->SelectionPage->edHeatDissCoolerData->setText("1");
    EXPECT_FALSE(Window->mmPrint->isEnabled());
    EXPECT_FALSE(Window->SelectionPage->sbPrint->isEnabled());
}

} // namespace
