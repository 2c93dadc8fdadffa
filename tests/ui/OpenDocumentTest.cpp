// The desktop opens the data sheets: runs under a virtual X display with the xcb platform (the
// offscreen platform opens no documents), with a desktop configuration of its own whose default
// application for PDF files records the file it is given.

#include "tests/support/WindowTestSupport.h"

#include "ui/DimensionsPage.h"
#include "ui/DimensionsPageLogic.h"
#include "ui/SelectionPageLogic.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

class OpenDocument : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under xvfb-run";
        const QString root = Desktop.path();
        ASSERT_TRUE(QDir(root).mkpath("config"));
        ASSERT_TRUE(QDir(root).mkpath("data/applications"));
        Record = root + "/opened.txt";
        const QString viewer = root + "/record-viewer";
        Write(viewer, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n").arg(Record));
        QFile::setPermissions(viewer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Write(root + "/data/applications/aircooler-test-viewer.desktop",
              QStringLiteral("[Desktop Entry]\nType=Application\nName=Recorder\n"
                             "Exec=%1 %f\nMimeType=application/pdf;\n")
                  .arg(viewer));
        Write(root + "/config/mimeapps.list",
              "[Default Applications]\napplication/pdf=aircooler-test-viewer.desktop\n");
        qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit());
        // The plain desktop: no desktop environment's own opener takes over.
        for (const char* variable : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                     "GNOME_DESKTOP_SESSION_ID", "BROWSER"})
            qunsetenv(variable);

        Window = StartWindow([](TfKylvane& w) {
            auto selection = std::make_unique<TSelectionPageLogic>(w);
            w.SetPageInputs(DimensionsPageIndex,
                            std::make_unique<TDimensionsPageLogic>(w, selection->View));
            w.SetSelectionPageHooks(std::move(selection));
        });
        Window->IniFilePath = QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles/");
        Window->PageControl1->setCurrentIndex(DimensionsPageIndex);
        Page = Window->DimensionsPage;
    }

    static void Write(const QString& path, const QString& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(text.toUtf8());
    }

    // The files the viewer was started with, waiting for the first for a while.
    QStringList Opened(int expected) const {
        QDeadlineTimer wait(20000);
        QStringList lines;
        while (!wait.hasExpired()) {
            QFile file(Record);
            if (file.open(QIODevice::ReadOnly))
                lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
            if (lines.size() >= expected)
                break;
            QTest::qWait(100);
        }
        return lines;
    }

    QTemporaryDir Desktop;
    QString Record;
    std::unique_ptr<TfKylvane> Window;
    TDimensionsPage* Page = nullptr;
};

TEST_F(OpenDocument, DrawingAndOrderingKeyOpenInTheDefaultPdfViewer) {
    Page->rbCoolerSystem->click();
    Page->cbDimension->setCurrentIndex(9);
    Page->btPdfFile->click();
    Page->btCodeKey->click();
    const QString dir = QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles/");
    // The two viewers start side by side; either may record first.
    QStringList opened = Opened(2);
    opened.sort();
    EXPECT_EQ(opened, (QStringList{QDir::cleanPath(dir + "VHM_400.pdf"),
                                   QDir::cleanPath(dir + "VHM_key.pdf")}));
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();
}

TEST_F(OpenDocument, MissingDrawingIsNeverHandedOver) {
    QTemporaryDir empty;
    Window->IniFilePath = empty.path() + QLatin1Char('/');
    Page->btPdfFile->click();
    EXPECT_EQ(Recorded.Texts(), QStringList{"PDF reading ERROR!"});
    QTest::qWait(1000);
    EXPECT_FALSE(QFile::exists(Record));
}

} // namespace
