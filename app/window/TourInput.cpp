#include "app/window/TourInput.h"

#include "units/NumericText.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>

namespace {

void SendKey(QWidget* Receiver, int Key, Qt::KeyboardModifiers Modifiers, const QString& Text) {
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(Receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Modifiers, Text);
    QApplication::sendEvent(Receiver, &release);
}

double RoundedToThreeDigits(double Value) {
    if (Value == 0)
        return 0;
    const double step = std::pow(10.0, std::floor(std::log10(std::fabs(Value))) - 2);
    return std::round(Value / step) * step;
}

} // namespace

void TypeInto(QLineEdit* Entry, const QString& Text) {
    SendKey(Entry, Qt::Key_A, Qt::ControlModifier, QString());
    // Qt's key codes of the printable ASCII characters are their upper-case character codes.
    for (const QChar character : Text)
        SendKey(Entry, character.toUpper().unicode(), Qt::NoModifier, QString(character));
    // The tab key moves the focus only in the active window, which a virtual display without a
    // window manager may never make the program's; the entry is told directly that it is left.
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Entry, &leave);
}

void Pick(QComboBox* List, int Index) {
    List->setCurrentIndex(Index);
    emit List->activated(Index);
}

QString TypedInShownUnit(TFromBaseUnit Convert, double BaseValue, const QComboBox* UnitList) {
    int decimals = 0;
    const float shown = Convert(decimals, static_cast<float>(BaseValue), UnitList->currentIndex());
    // Fifteen significant digits leave the rounded value as it is.
    return FormatFixed(RoundedToThreeDigits(shown), 15, decimals);
}
