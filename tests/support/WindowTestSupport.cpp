#include "tests/support/WindowTestSupport.h"

#include "settings/Edition.h"
#include "settings/ProgramRegKey.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTree.h"
#include "ui/SelectionPageLogic.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

namespace {

// Widgets need one application object for the whole test program.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { App = std::make_unique<QApplication>(Argc, Argv); }
    void TearDown() override { App.reset(); }

private:
    int Argc = 1;
    char Name[9] = "ui_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QApplication> App;
};

[[maybe_unused]] const auto* const Environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// The installation's machine-wide copy of this edition, pointing at the shipped data.
QByteArray InstalledMachineSettings() {
    const QString edition = BuildIsUSEdition() ? QStringLiteral("US") : QStringLiteral("EU");
    QFile source(QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/settings/MachineSettings-%1.ini.in")
                     .arg(edition));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << source.fileName().toStdString();
    QByteArray text = source.readAll();
    text.replace("@AIRCOOLER_FILE_PATH@", AIRCOOLER_SHIPPED_DATA_DIR "/");
    text.replace("@AIRCOOLER_INSTALL_TIME@", "2026-12-01 08:00:00 UTC");
    return text;
}

} // namespace

WindowTest::WindowTest()
    : Roots{Dir.filePath(QStringLiteral("user/settings.ini")),
            Dir.filePath(QStringLiteral("machine/settings.ini")), BuildEdition()} {
    EXPECT_TRUE(QDir().mkpath(QFileInfo(Roots.MachineFile).absolutePath()));
    QFile machine(Roots.MachineFile);
    EXPECT_TRUE(machine.open(QIODevice::WriteOnly));
    machine.write(InstalledMachineSettings());
}

WindowTest::~WindowTest() = default;

std::unique_ptr<TfKylvane> WindowTest::NewWindow() {
    return std::make_unique<TfKylvane>(Recorded,
                                       [this](const QString&, TEdition) { return Roots; });
}

std::unique_ptr<TfKylvane>
WindowTest::StartWindow(const std::function<void(TfKylvane&)>& BeforeStartUp) {
    std::unique_ptr<TfKylvane> window = NewWindow();
    if (BeforeStartUp)
        BeforeStartUp(*window);
    window->FormCreate();
    window->show();
    return window;
}

std::unique_ptr<TfKylvane> WindowTest::StartOnSelectionPage(TSelectionPageLogic*& Logic) {
    std::unique_ptr<TfKylvane> window = StartWindow([&Logic](TfKylvane& w) {
        auto logic = std::make_unique<TSelectionPageLogic>(w);
        Logic = logic.get();
        w.SetSelectionPageHooks(std::move(logic));
    });
    // Focus moves, and with it the leaving of entries, only within the active window.
    QApplication::setActiveWindow(window.get());
    window->PageControl1->setCurrentIndex(SelectionPageIndex);
    return window;
}

std::unique_ptr<TfKylvane> WindowTest::RestartWindow(std::unique_ptr<TfKylvane>& Running) {
    Running.reset();
    return StartWindow();
}

void WindowTest::Type(QLineEdit* Entry, const QString& Text) {
    Entry->setText(Text);
    Leave(Entry);
}

void WindowTest::Leave(QLineEdit* Entry) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Entry, &out);
}

void WindowTest::Pick(QComboBox* List, int Index) {
    List->setCurrentIndex(Index);
    emit List->activated(Index);
}

QString KeyPath(const QString& EndPath) {
    return NormalKeyPath(ProgramRegKey(BuildEdition()) + EndPath);
}

void WindowTest::EditSettings(const QString& File,
                              const std::function<void(TSettingsTree&)>& Change) {
    ASSERT_TRUE(TSettingsFile(File).Update([&](TSettingsTree& tree) {
        Change(tree);
        return true;
    }));
}

QStringList Captions(const QMenu* Menu) {
    QStringList captions;
    for (const QAction* item : Menu->actions())
        captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

QStringList TopLevelCaptions(const TfKylvane& Window) {
    return {Window.mmFile->menuAction()->text(), Window.mmAbout->menuAction()->text()};
}

QStringList TabCaptions(const TfKylvane& Window) {
    QStringList captions;
    for (int page = 0; page < Window.PageControl1->count(); ++page)
        captions.append(Window.PageControl1->tabText(page));
    return captions;
}
