// The report opened with the desktop's default application. Runs under a virtual display with
// the xcb platform (see CMakeLists.txt): the offscreen platform opens nothing. The desktop's
// default for OpenDocument text is a program of the test's own that records what it is given.
#include "core/MessageService.h"
#include "report/ReportFile.h"
#include "report/ReportTexts.h"
#include "report/SelectionReport.h"
#include "texts/Language.h"
#include "ui/ReportDocument.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { App = std::make_unique<QApplication>(Argc, Argv); }
    void TearDown() override { App.reset(); }

private:
    int Argc = 1;
    char Name[26] = "ui_report_opening_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QApplication> App;
};

[[maybe_unused]] const auto* const Environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

void WriteText(const QString& path, const QByteArray& text) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class ReportOpening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        const QString recorder = Dir.filePath("bin/record-opened");
        WriteText(recorder, "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + Record.toUtf8() + "'\n");
        ASSERT_TRUE(QFile::setPermissions(recorder,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        WriteText(Dir.filePath("data/applications/aircooler-test-recorder.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorder.toUtf8() +
                      " %f\nMimeType=application/vnd.oasis.opendocument.text;\n");
        WriteText(Dir.filePath("config/mimeapps.list"),
                  "[Default Applications]\napplication/vnd.oasis.opendocument.text="
                  "aircooler-test-recorder.desktop\n");
        // The generic opener of no particular desktop, reading the test's configuration.
        qputenv("XDG_CONFIG_HOME", Dir.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", Dir.filePath("data").toUtf8());
        for (const char* desktop : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                    "GNOME_DESKTOP_SESSION_ID", "BROWSER"})
            qunsetenv(desktop);
    }

    // What the recorder was given, once it has been started.
    QString Recorded() const {
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(Record) && clock.elapsed() < 30000)
            QThread::msleep(50);
        QThread::msleep(200); // the recorder's one line is written at once
        QFile file(Record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir Dir;
    const QString Record = Dir.filePath("opened.txt");
};

TEST_F(ReportOpening, TheSavedReportOpensInTheDesktopsDefaultApplication) {
    TLanguage store;
    store.SetLanguageType(ENGLISH);
    TSelectionReport written;
    written.Texts = ReadReportTexts(store);
    written.CatalogueDirectory = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");
    written.Data.ModelName = "KVAM 300-B";
    written.Data.CatalogueName = "VAM_300_4_B";
    written.Data.OilGrade = "ISO VG 46";
    TRecordingMessages messages;

    const QString documents = Dir.filePath("Documents");
    ASSERT_TRUE(QDir().mkpath(documents));
    WriteAndOpenSelectionReport(written, {}, messages, documents);

    const QString report =
        QDir(documents).filePath(ReportFileName("KVAM 300-B", QDate::currentDate()));
    EXPECT_TRUE(messages.Shown.isEmpty()) << messages.Texts().join('|').toStdString();
    EXPECT_EQ(Recorded(), report + "\n");
}

TEST_F(ReportOpening, AMissingFileIsNotHandedToTheDesktop) {
    EXPECT_FALSE(OpenDocument(Dir.filePath("gone.odt")));
    QThread::msleep(500);
    EXPECT_FALSE(QFile::exists(Record));
}

} // namespace
