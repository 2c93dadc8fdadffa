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
