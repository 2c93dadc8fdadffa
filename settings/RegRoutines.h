#pragma once

#include "core/CoolerTypes.h"
#include "settings/SettingsRoots.h"

#include <QString>

#include <cstdint>
#include <utility>

// The settings store as the program sees it: typed reads and writes of single values in the
// per-user copy, the installation check and the seeding of the per-user copy from the
// machine-wide copy the installation wrote. Both copies are the files the roots it is made with
// name; every value lives under the program key of the roots' edition + `EndPath` (a subkey path
// such as "\Page2"), named `RegValue`. Names are matched without regard to letter case.
//
// The class holds nothing but its roots: create it, call, free it. Every operation opens and
// closes the store itself and reports failure by its result, never by an exception. No
// operation except CopyToCurrentUser creates a key: a write into a subkey the per-user copy
// lacks does nothing. Empty roots make every operation fail.
class TRegRoutines {
public:
    explicit TRegRoutines(TSettingsRoots Roots) : Roots(std::move(Roots)) {}

    static constexpr int MaxTextLength = 255;

    // Results of IsProgramAllowed.
    static constexpr int ProgramRefused = -1;
    static constexpr int UserCopyOutdated = 0; // seed the per-user copy
    static constexpr int UserCopyCurrent = 1;

    // The text value, at most 255 characters; empty when the key or the value is missing or
    // the value is an integer.
    QString GetRegString(const QString& EndPath, const QString& RegValue) const;
    // False, writing nothing, when the per-user copy lacks the key or cannot be written.
    bool SetRegString(const QString& Str, const QString& EndPath, const QString& RegValue) const;
    // At most MaxLength characters of the text value. False, leaving Str alone, when the key
    // is missing or the value is an integer; a missing value gives an empty text and true.
    bool GetRegShortString(QString& Str, int MaxLength, const QString& EndPath,
                           const QString& RegValue) const;
    // True with Int set when the value exists as an integer; otherwise false, Int unchanged.
    bool GetRegInteger(int32_t& Int, const QString& EndPath, const QString& RegValue) const;
    bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) const;

    // The data directory ("\FilePath", "FilePath"), at most MaxLength characters.
    bool GetProgramPath(QString& Path, int MaxLength) const;
    // The user-interface language number ("\Page5", "Language").
    bool GetTextNo(int32_t& No) const;

    // The installation check at start: UserCopyCurrent, UserCopyOutdated or ProgramRefused.
    int IsProgramAllowed() const;
    // Seeds the per-user copy from the machine-wide copy, subkey by subkey. When the
    // machine-wide copy lacks one of the subkeys, the whole per-user program key is deleted
    // and the result is false. A per-user file that cannot be read at all is kept beside
    // under another name and replaced.
    bool CopyToCurrentUser() const;

    // A stored list position clamped into 0..Last; `Current` (clamped the same way) when the
    // value cannot be read.
    int GetRegPosition(const QString& EndPath, const QString& RegValue, int Last,
                       int Current = 0) const;
    // The stored "CoolerType" of the subkey: its low 8 bits count, a value above 3 and an
    // unreadable value give AC_Cooler.
    TCoolerType GetRegCoolerType(const QString& EndPath) const;

private:
    TSettingsRoots Roots;
};
