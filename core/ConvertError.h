#pragma once

#include <QString>

#include <stdexcept>

// A data-file value that is missing or not a number. It stops the current action; the window
// shows Message() in an error box. Values converted before the failing one keep their values.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& valueText)
        : std::runtime_error(MessageFor(valueText).toStdString()), Text(valueText) {}

    QString Message() const { return MessageFor(Text); }
    const QString& ValueText() const { return Text; }

    static QString MessageFor(const QString& valueText) {
        return QStringLiteral("'%1' is not a valid floating point value").arg(valueText);
    }

private:
    QString Text;
};
