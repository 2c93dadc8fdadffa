#pragma once

#include <QString>

#include <stdexcept>

// Where a value of a data file was read: the file's name, the section and the key.
struct TDataPlace {
    QString FileName;
    QString Section;
    QString Key;

    // " for Key (File [Section])", or nothing for a value read from nowhere in particular.
    QString ForKeyText() const;
};

// A data-file value the program cannot work with. It stops the current action; the window
// shows Message() in an error box and clears the results. Values read before the faulty one
// keep their new contents.
class EDataFault : public std::runtime_error {
public:
    const QString& Message() const { return Text; }

protected:
    explicit EDataFault(const QString& message);

private:
    QString Text;
};

// A number that is not within the physical range of its key, so no calculation could use it.
class EDataRangeError : public EDataFault {
public:
    EDataRangeError(const QString& valueText, const TDataPlace& place);
};

// Values that each lie within their key's range but together describe no real cooler or oil:
// "<problem> (<file> [<section>])", the problem naming the keys and values concerned.
class EDataRecordError : public EDataFault {
public:
    EDataRecordError(const QString& problem, const TDataPlace& place);
};

// A data file that is not there or cannot be read; the message is DataFileFault's.
class EDataFileError : public EDataFault {
public:
    explicit EDataFileError(const QString& path);
};

// Why the data file at `path` cannot be read: "file not found: <path>", "file cannot be read:
// <path>" (a folder in its place, no permission) or, where `emptyIsFault`, "file is empty:
// <path>"; an empty text when it can be read.
QString DataFileFault(const QString& path, bool emptyIsFault = false);
