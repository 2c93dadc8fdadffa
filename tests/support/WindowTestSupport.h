#pragma once

#include "core/MessageService.h"
#include "settings/SettingsRoots.h"
#include "ui/MainWindow.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

#include <memory>

class QMenu;

// Every window test runs on its own pair of settings files in a temporary directory: the
// machine-wide copy as the installation of this build's edition writes it, and a per-user copy
// that does not exist until the program seeds it. Messages are recorded, never shown.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // The window on the test's settings files, only constructed.
    std::unique_ptr<TfKylvane> NewWindow();
    // Constructs the window, runs its start-up and shows it, as the program does.
    // `BeforeStartUp` registers page logic the way the program does before the start-up.
    std::unique_ptr<TfKylvane>
    StartWindow(const std::function<void(TfKylvane&)>& BeforeStartUp = {});
    // The window with the selection page's logic registered as the program registers it, kept
    // in `Logic`, active and showing the selection page.
    std::unique_ptr<TfKylvane> StartOnSelectionPage(class TSelectionPageLogic*& Logic);
    // What a program started again finds: a fresh process state, the same settings.
    std::unique_ptr<TfKylvane> RestartWindow(std::unique_ptr<TfKylvane>& Running);

    // As the user types into an entry and tabs out of it, leaves it, or picks in a list.
    static void Type(class QLineEdit* Entry, const QString& Text);
    static void Leave(class QLineEdit* Entry);
    static void Pick(class QComboBox* List, int Index);

    // Applies `Change` to a settings file as it is on disk.
    static void EditSettings(const QString& File,
                             const std::function<void(class TSettingsTree&)>& Change);

    QTemporaryDir Dir;
    TSettingsRoots Roots;
    TRecordingMessages Recorded;
};

// The settings key of this build's edition followed by `EndPath`, as the files spell it.
QString KeyPath(const QString& EndPath);

// The captions of a menu's items in order; a separator gives "-".
QStringList Captions(const QMenu* Menu);
// The captions of the main menu's two top-level items.
QStringList TopLevelCaptions(const TfKylvane& Window);
// The five tab captions.
QStringList TabCaptions(const TfKylvane& Window);
