#include "core/DataFault.h"

#include "core/VisibleText.h"

#include <QDir>
#include <QFileInfo>

QString TDataPlace::ForKeyText() const {
    if (Key.isEmpty())
        return QString();
    return QStringLiteral(" for %1 (%2 [%3])").arg(Key, FileName, Section);
}

EDataFault::EDataFault(const QString& message)
    : std::runtime_error(message.toStdString()), Text(message) {}

EDataRangeError::EDataRangeError(const QString& valueText, const TDataPlace& place)
    : EDataFault(QStringLiteral("'%1' is outside the range of %2 (%3 [%4])")
                     .arg(WithVisibleControlCharacters(valueText), place.Key, place.FileName,
                          place.Section)) {}

EDataRecordError::EDataRecordError(const QString& problem, const TDataPlace& place)
    : EDataFault(QStringLiteral("%1 (%2 [%3])").arg(problem, place.FileName, place.Section)) {}

namespace {

QString FileText(const char* what, const QString& path) {
    return QLatin1String(what) + WithVisibleControlCharacters(QDir::toNativeSeparators(path));
}

} // namespace

QString DataFileFault(const QString& path, bool emptyIsFault) {
    const QFileInfo file(path);
    if (!file.exists())
        return FileText("file not found: ", path);
    if (!file.isFile() || !file.isReadable())
        return FileText("file cannot be read: ", path);
    if (emptyIsFault && file.size() == 0)
        return FileText("file is empty: ", path);
    return QString();
}

namespace {

// A file that failed to open: should it have come back since, it was not read all the same.
QString FaultOfUnreadFile(const QString& path) {
    const QString fault = DataFileFault(path);
    return fault.isEmpty() ? FileText("file cannot be read: ", path) : fault;
}

} // namespace

EDataFileError::EDataFileError(const QString& path) : EDataFault(FaultOfUnreadFile(path)) {}
