#include "settings/RegRoutines.h"

#include "core/CodePoints.h"
#include "settings/ProgramRegKey.h"
#include "settings/SeededValues.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <optional>

namespace {

QString ProgramKey(const TSettingsRoots& Roots) {
    return ProgramRegKey(Roots.Edition);
}

QString KeyPath(const TSettingsRoots& Roots, const QString& EndPath) {
    return NormalKeyPath(ProgramKey(Roots) + EndPath);
}

TSettingsFile UserFile(const TSettingsRoots& Roots) {
    return TSettingsFile(Roots.UserFile);
}

// The stored data of a value: nothing when the copy cannot be read or lacks the key or value.
const TRegData* FindValue(const std::optional<TSettingsTree>& tree, const TSettingsRoots& Roots,
                          const QString& EndPath, const QString& RegValue) {
    const TRegKey* key = tree ? tree->FindKey(KeyPath(Roots, EndPath)) : nullptr;
    return key ? key->Find(RegValue) : nullptr;
}

// A text value as every reader takes it: at most 255 characters, empty when it is missing or
// not a text.
QString TextOf(const std::optional<TSettingsTree>& tree, const TSettingsRoots& Roots,
               const QString& EndPath, const QString& RegValue) {
    const TRegData* data = FindValue(tree, Roots, EndPath, RegValue);
    const QString* text = data ? std::get_if<QString>(data) : nullptr;
    return text ? text->left(TRegRoutines::MaxTextLength) : QString();
}

// Versions compare character by character; a four-character version such as "2.03" is a
// release and gets a "~" so that it sorts after its pre-releases such as "2.03b". Both sides
// are prepared alike: preparing only the installation's side would make a user copy of the
// same release always look older, and every start would reseed it.
QString ComparableVersion(const QString& version) {
    const QString trimmed = version.trimmed();
    return trimmed.size() == 4 ? trimmed + u'~' : version;
}

bool SetValue(const TSettingsRoots& Roots, const TRegData& data, const QString& EndPath,
              const QString& RegValue) {
    return UserFile(Roots).Update([&](TSettingsTree& tree) {
        TRegKey* key = tree.FindKey(KeyPath(Roots, EndPath));
        if (!key)
            return false;
        key->Set(RegValue, data);
        return true;
    });
}

// Copies the seeded values subkey by subkey; false as soon as the machine-wide copy lacks a
// subkey. A missing text copies as an empty text; an integer the machine-wide copy lacks is
// not copied, so the reader's default applies.
bool CopySeededValues(const TSettingsRoots& Roots, const std::optional<TSettingsTree>& machine,
                      TSettingsTree& user) {
    for (const TSeededKey& seeded : SeededKeys()) {
        const TRegKey* from = machine ? machine->FindKey(KeyPath(Roots, seeded.EndPath)) : nullptr;
        if (!from)
            return false;
        TRegKey& to = user.CreateKey(KeyPath(Roots, seeded.EndPath));
        for (const TSeededValue& value : seeded.Values) {
            const TRegData* data = from->Find(value.Name);
            if (value.Type == TSeededType::Text) {
                const QString* text = data ? std::get_if<QString>(data) : nullptr;
                to.Set(value.Name, text ? *text : QString());
            } else if (data && std::holds_alternative<int32_t>(*data)) {
                to.Set(value.Name, *data);
            }
        }
    }
    return true;
}

} // namespace

QString TRegRoutines::GetRegString(const QString& EndPath, const QString& RegValue) const {
    return TextOf(UserFile(Roots).Read(), Roots, EndPath, RegValue);
}

bool TRegRoutines::SetRegString(const QString& Str, const QString& EndPath,
                                const QString& RegValue) const {
    return SetValue(Roots, Str, EndPath, RegValue);
}

bool TRegRoutines::GetRegShortString(QString& Str, int MaxLength, const QString& EndPath,
                                     const QString& RegValue) const {
    const std::optional<TSettingsTree> tree = UserFile(Roots).Read();
    const TRegKey* key = tree ? tree->FindKey(KeyPath(Roots, EndPath)) : nullptr;
    if (!key)
        return false;
    const TRegData* data = key->Find(RegValue);
    if (!data) {
        Str.clear();
        return true;
    }
    const QString* text = std::get_if<QString>(data);
    if (!text)
        return false;
    Str = LeftCodePoints(*text, std::clamp(MaxLength, 0, MaxTextLength));
    return true;
}

bool TRegRoutines::GetRegInteger(int32_t& Int, const QString& EndPath,
                                 const QString& RegValue) const {
    const std::optional<TSettingsTree> tree = UserFile(Roots).Read();
    const TRegData* data = FindValue(tree, Roots, EndPath, RegValue);
    const int32_t* value = data ? std::get_if<int32_t>(data) : nullptr;
    if (!value)
        return false;
    Int = *value;
    return true;
}

bool TRegRoutines::SetRegInteger(int32_t Int, const QString& EndPath,
                                 const QString& RegValue) const {
    return SetValue(Roots, Int, EndPath, RegValue);
}

bool TRegRoutines::GetProgramPath(QString& Path, int MaxLength) const {
    return GetRegShortString(Path, MaxLength, QStringLiteral("\\FilePath"),
                             QStringLiteral("FilePath"));
}

bool TRegRoutines::GetTextNo(int32_t& No) const {
    return GetRegInteger(No, QStringLiteral("\\Page5"), QStringLiteral("Language"));
}

int TRegRoutines::IsProgramAllowed() const {
    const QString programKey = ProgramKey(Roots);
    const QString mainData = QStringLiteral("\\MainData");
    const std::optional<TSettingsTree> user = UserFile(Roots).Read();
    const std::optional<TSettingsTree> machine = TSettingsFile(Roots.MachineFile).Read();

    const bool userHoldsKey = user && user->HoldsKey(programKey);
    const bool machineHoldsKey = machine && machine->HoldsKey(programKey);
    if (!userHoldsKey && !machineHoldsKey)
        return ProgramRefused;
    if (!machine || !machine->FindKey(KeyPath(Roots, mainData)))
        return ProgramRefused;

    const QString machineVersion =
        ComparableVersion(TextOf(machine, Roots, mainData, QStringLiteral("Version")));
    const QString userVersion =
        ComparableVersion(TextOf(user, Roots, mainData, QStringLiteral("Version")));
    const int order = machineVersion.compare(userVersion, Qt::CaseSensitive);
    if (order < 0)
        return ProgramRefused;
    if (order > 0)
        return UserCopyOutdated;

    // Same version: a reinstallation shows itself by its installation time.
    const QString machineTime =
        TextOf(machine, Roots, mainData, QStringLiteral("InstallTime")).trimmed();
    const QString userTime = TextOf(user, Roots, mainData, QStringLiteral("InstallTime")).trimmed();
    return machineTime == userTime ? UserCopyCurrent : UserCopyOutdated;
}

bool TRegRoutines::CopyToCurrentUser() const {
    const std::optional<TSettingsTree> machine = TSettingsFile(Roots.MachineFile).Read();
    bool copied = false;
    const bool written = UserFile(Roots).Update(
        [&](TSettingsTree& user) {
            copied = CopySeededValues(Roots, machine, user);
            // A half-seeded copy would pass the next installation check with values missing.
            if (!copied)
                user.DeleteKeyTree(ProgramKey(Roots));
            return true;
        },
        TSettingsFile::TIfUnreadable::SetAside);
    return written && copied;
}

int TRegRoutines::GetRegPosition(const QString& EndPath, const QString& RegValue, int Last,
                                 int Current) const {
    int32_t position = Current;
    GetRegInteger(position, EndPath, RegValue);
    return std::clamp(position, 0, std::max(Last, 0));
}

TCoolerType TRegRoutines::GetRegCoolerType(const QString& EndPath) const {
    int32_t stored = AC_Cooler;
    GetRegInteger(stored, EndPath, QStringLiteral("CoolerType"));
    const int lowBits = stored & 0xFF;
    return lowBits <= VCS_Cooler ? static_cast<TCoolerType>(lowBits) : AC_Cooler;
}
