// The settings-store file reader: the input is a settings file as another program, an older
// version or a crash may have left it. It is read as a tree and written again, and the store's
// accessors read every value the program uses from it as the per-user and the machine copy.
#include "FuzzCheck.h"

#include "settings/RegRoutines.h"
#include "settings/SeededValues.h"
#include "settings/SettingsRoots.h"
#include "settings/SettingsTree.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const TSettingsRoots& Roots() {
    static const QTemporaryDir dir;
    static const TSettingsRoots roots{dir.filePath(QStringLiteral("user.ini")),
                                      dir.filePath(QStringLiteral("machine.ini"))};
    return roots;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the settings file is written");
    file.write(bytes);
}

// What the program writes it reads back unchanged, and writing that again changes nothing.
void CheckRoundTrip(const QByteArray& bytes) {
    const std::optional<TSettingsTree> tree = TSettingsTree::Parse(bytes);
    if (!tree)
        return;
    const QByteArray written = tree->ToBytes();
    const std::optional<TSettingsTree> again = TSettingsTree::Parse(written);
    Require(again.has_value(), "a written settings file reads back", QString::fromUtf8(written));
    Require(again->ToBytes() == written, "a settings file reads back as written",
            QString::fromUtf8(written));
}

void ReadEveryValue(const TSettingsRoots& roots) {
    const TRegRoutines reg(roots);
    const int allowed = reg.IsProgramAllowed();
    Require(allowed >= TRegRoutines::ProgramRefused && allowed <= TRegRoutines::UserCopyCurrent,
            "the installation check answers one of its three results");
    QString path;
    if (reg.GetProgramPath(path, TRegRoutines::MaxTextLength))
        Require(path.size() <= TRegRoutines::MaxTextLength, "the data directory is cut");
    for (const TSeededKey& key : SeededKeys()) {
        for (const TSeededValue& value : key.Values) {
            if (value.Type == TSeededType::Text) {
                Require(reg.GetRegString(key.EndPath, value.Name).size() <=
                            TRegRoutines::MaxTextLength,
                        "a stored text is cut");
            } else {
                const int position = reg.GetRegPosition(key.EndPath, value.Name, 4);
                Require(position >= 0 && position <= 4, "a stored list position is clamped");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckRoundTrip(bytes);

    for (const TEdition edition : {TEdition::US, TEdition::European}) {
        TSettingsRoots roots = Roots();
        roots.Edition = edition;
        WriteFile(roots.UserFile, bytes);
        WriteFile(roots.MachineFile, bytes);
        ReadEveryValue(roots);
    }
    return 0;
}
