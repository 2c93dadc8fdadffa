#pragma once

#include "pages/service/TempDevView.h"
#include "settings/ServiceMargins.h"

#include <QString>

#include <array>

class TMessageService;

// The logic of the margins dialog: it shows the two service margins, keeps its entries to the
// integers 0 to 99 (or nothing) and sets the margins it shows when it ends with OK. A refused
// entry is told through `Messages`.
class TTempDevController {
public:
    TTempDevController(TTempDevView& View, TMessageService& Messages);

    // The dialog is shown: its texts and `Current`, the margins it edits.
    void FormShow(const TServiceMargins& Current);
    // The text of an entry changed. A text that is no integer, or is one below zero, is
    // refused with a message and the entry goes back to the text it had before.
    void EntryChange(TMarginEntry Entry);
    // "Restore program default values": the entries show the defaults; nothing is set yet.
    void btDefaultValuesClick();
    // OK: each margin whose entry is not empty takes its value.
    void OKBtnClick();
    // The margins shown, as OK has set them.
    const TServiceMargins& Margins() const { return Edited; }

private:
    void WriteEntry(TMarginEntry Entry, const QString& Text);

    TTempDevView& View;
    TMessageService& Messages;
    TServiceMargins Edited;
    // What each entry showed after its last accepted change: the text a refused change undoes
    // to.
    std::array<QString, 2> Accepted;
};
