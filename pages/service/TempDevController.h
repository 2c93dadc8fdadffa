#pragma once

#include "pages/service/TempDevView.h"

#include <QString>

#include <array>

// The logic of the margins dialog: it shows the two service margins, keeps its entries to the
// integers 0 to 99 (or nothing) and sets the margins when it ends with OK.
class TTempDevController {
public:
    explicit TTempDevController(TTempDevView& View);

    // The dialog is shown: its texts and the current margins.
    void FormShow();
    // The text of an entry changed. A text that is no integer, or is one below zero, is
    // refused with a message and the entry goes back to the text it had before.
    void EntryChange(TMarginEntry Entry);
    // "Restore program default values": the entries show the defaults; nothing is set yet.
    void btDefaultValuesClick();
    // OK: each margin whose entry is not empty takes its value.
    void OKBtnClick();

private:
    void WriteEntry(TMarginEntry Entry, const QString& Text);

    TTempDevView& View;
    // What each entry showed after its last accepted change: the text a refused change undoes
    // to.
    std::array<QString, 2> Accepted;
};
