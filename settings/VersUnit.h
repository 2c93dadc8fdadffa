#pragma once

#include "core/Editions.h"
#include "settings/Edition.h"

#include <QString>

// The program's version number and edition. The main window creates the one instance before
// anything else, because the edition decides the settings-store key, the window title, the
// offered languages and several result units.
class TVersUnit {
public:
    static constexpr int MaxTextLength = 255;

    // By default the edition this program was built as.
    explicit TVersUnit(TEdition Edition = BuildEdition()) : TheEdition(Edition) {}

    TEdition Edition() const { return TheEdition; }

    // Takes the current language's word for "version"; the short form is its first three
    // characters.
    void SetMianGroupVersion(const QString& VersionStr);

    QString GetVerNumber() const; // " 2.03"
    QString GetVersion() const;   // the word, a blank, "2.03"
    QString GetVer() const;       // the short word, a blank, "2.03"

private:
    TEdition TheEdition;
    QString VersionTextStr;
    QString ShortVersionTextStr;
};

// The version number the installation's machine-wide settings carry as "Version".
QString ProgramVersionNumber();

// What `--version` prints for `Program`: its name, the version number and the edition.
QString ProgramVersionLine(const QString& Program);
