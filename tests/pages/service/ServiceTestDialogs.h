#pragma once

#include "pages/service/ServiceView.h"
#include "pages/service/TempDevController.h"
#include "pages/service/TempDevView.h"
#include "settings/StoredValues.h"

#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <optional>

// The margins dialog's controls as values.
class TTempDevForm : public TTempDevView {
public:
    void SetCaption(const QString& caption) override { Caption = caption; }
    void SetStaticText(TMarginText text, const QString& value) override { Texts[text] = value; }
    QString EntryText(TMarginEntry entry) const override { return Entries[Index(entry)]; }
    void SetEntryText(TMarginEntry entry, const QString& text) override {
        Entries[Index(entry)] = text;
    }
    void SelectEntryText(TMarginEntry entry) override { Selected = entry; }
    void SetEntryFocus(TMarginEntry entry) override { Focused = entry; }

    static std::size_t Index(TMarginEntry entry) { return static_cast<std::size_t>(entry); }

    QString Caption;
    std::map<TMarginText, QString> Texts;
    std::array<QString, 2> Entries;
    std::optional<TMarginEntry> Selected;
    std::optional<TMarginEntry> Focused;
};

// The margins dialog with its logic, driven as a user would, telling `Messages` what it refuses.
struct TTempDevDialog {
    explicit TTempDevDialog(TMessageService& Messages) : Logic(Form, Messages) {}

    void Type(TMarginEntry entry, const QString& text) {
        Form.SetEntryText(entry, text);
        Logic.EntryChange(entry);
    }

    TTempDevForm Form;
    TTempDevController Logic;
};

// The password and margins dialogs answered by the test: each showing of the password dialog
// takes the next of Passwords, and cancels once they are used up; the margins dialog runs
// UseMargins on a fresh dialog, which tells `Messages` what it refuses, and ends with OK when
// that returns true.
class TScriptedDialogs : public TServiceView {
public:
    explicit TScriptedDialogs(TMessageService& Messages) : Messages(Messages) {}

    bool ExecutePasswordDialog(QString& Password) override {
        ++PasswordShowings;
        if (Passwords.isEmpty())
            return false;
        Password = Passwords.takeFirst();
        return true;
    }
    bool ExecuteMarginsDialog(TServiceMargins& Margins) override {
        ++MarginsShowings;
        TTempDevDialog dialog(Messages);
        dialog.Logic.FormShow(Margins);
        const bool ok = UseMargins && UseMargins(dialog);
        if (ok) {
            dialog.Logic.OKBtnClick();
            Margins = dialog.Logic.Margins();
        }
        return ok;
    }

    QStringList Passwords;
    std::function<bool(TTempDevDialog&)> UseMargins;
    int PasswordShowings = 0;
    int MarginsShowings = 0;

private:
    TMessageService& Messages;
};

// Stored values in memory with a log of every write, in order.
class TLoggedStoredValues : public TMemoryStoredValues {
public:
    bool SetRegInteger(int32_t Int, const QString& EndPath, const QString& RegValue) override {
        Writes.append(QStringLiteral("%1\\%2=%3").arg(EndPath, RegValue).arg(Int));
        return TMemoryStoredValues::SetRegInteger(Int, EndPath, RegValue);
    }
    QStringList Writes;
};
