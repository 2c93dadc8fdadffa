#include "tests/pages/service/ServiceTestDialogs.h"

#include "core/MessageService.h"
#include "pages/service/ServiceEntry.h"
#include "settings/RegRoutines.h"
#include "settings/SettingsRoots.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString USPassword = QStringLiteral("ZK_735184_US");
const QString WrongPasswordQuestion = QStringLiteral("Wrong password! Will you try again?");

// The US edition with the margins at 5 and 9 and every message recorded.
class ServiceEntry : public testing::Test {
protected:
    void OpenWithCtrlRightClick() { Entry.Image2MouseUp(Qt::RightButton, Qt::ControlModifier); }

    TRecordingMessages Shown;
    TScriptedDialogs Dialogs{Shown};
    TLoggedStoredValues Settings;
    TServiceMargins Margins{5, 9};
    TServiceEntry Entry{Dialogs, Settings, Shown, Margins, TEdition::US};
};

struct TMouseCase {
    const char* Name;
    Qt::MouseButton Button;
    Qt::KeyboardModifiers Modifiers;
    bool Opens;
};

class Mouse : public ServiceEntry, public testing::WithParamInterface<TMouseCase> {};

TEST_P(Mouse, OnlyTheRightButtonWithCtrlAsksForThePassword) {
    Entry.Image2MouseUp(GetParam().Button, GetParam().Modifiers);
    EXPECT_EQ(Dialogs.PasswordShowings, GetParam().Opens ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Mouse,
    testing::Values(TMouseCase{"CtrlRight", Qt::RightButton, Qt::ControlModifier, true},
                    TMouseCase{"CtrlShiftRight", Qt::RightButton,
                               Qt::ControlModifier | Qt::ShiftModifier, true},
                    TMouseCase{"CtrlLeft", Qt::LeftButton, Qt::ControlModifier, false},
                    TMouseCase{"CtrlMiddle", Qt::MiddleButton, Qt::ControlModifier, false},
                    TMouseCase{"Right", Qt::RightButton, Qt::NoModifier, false},
                    TMouseCase{"ShiftRight", Qt::RightButton, Qt::ShiftModifier, false}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TPasswordCase {
    const char* Name;
    bool USEdition;
    QString Typed;
    bool Right;
};

class Password : public ServiceEntry, public testing::WithParamInterface<TPasswordCase> {};

TEST_P(Password, IsTheEditionsExactly) {
    TServiceEntry entry(Dialogs, Settings, Shown, Margins,
                        GetParam().USEdition ? TEdition::US : TEdition::European);
    Dialogs.Passwords = {GetParam().Typed};
    entry.Image2MouseUp(Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(Dialogs.MarginsShowings, GetParam().Right ? 1 : 0);
    EXPECT_EQ(Shown.Texts(), GetParam().Right ? QStringList() : QStringList{WrongPasswordQuestion});
}

INSTANTIATE_TEST_SUITE_P(Editions, Password,
                         testing::Values(TPasswordCase{"US", true, "ZK_735184_US", true},
                                         TPasswordCase{"European", false, "ZK_735184_EU", true},
                                         TPasswordCase{"OtherEdition", true, "ZK_735184_EU", false},
                                         TPasswordCase{"LetterCase", true, "zk_735184_us", false},
                                         TPasswordCase{"TrailingBlank", true, "ZK_735184_US ",
                                                       false},
                                         TPasswordCase{"Empty", true, "", false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ServiceEntry, WrongPasswordMayBeTriedAgainUntilItIsRight) {
    Shown.YesNoAnswer = true;
    Dialogs.Passwords = {"zk_735184_us", "ZK 735184 US", USPassword};
    Dialogs.UseMargins = [](TTempDevDialog&) { return true; };
    OpenWithCtrlRightClick();
    EXPECT_EQ(Dialogs.PasswordShowings, 3);
    EXPECT_EQ(Shown.Shown, (QList<TShownMessage>{{TMessageKind::YesNo, WrongPasswordQuestion},
                                                 {TMessageKind::YesNo, WrongPasswordQuestion}}));
    EXPECT_EQ(Dialogs.MarginsShowings, 1);
}

TEST_F(ServiceEntry, NoAfterAWrongPasswordEndsTheEntry) {
    Shown.YesNoAnswer = false;
    Dialogs.Passwords = {"wrong", USPassword};
    OpenWithCtrlRightClick();
    EXPECT_EQ(Dialogs.PasswordShowings, 1);
    EXPECT_EQ(Dialogs.MarginsShowings, 0);
    EXPECT_TRUE(Settings.Writes.isEmpty());
}

TEST_F(ServiceEntry, CancelAfterAWrongPasswordAndYesEndsWithoutStoring) {
    Shown.YesNoAnswer = true;
    Dialogs.Passwords = {"wrong"}; // the second showing is cancelled
    OpenWithCtrlRightClick();
    EXPECT_EQ(Dialogs.PasswordShowings, 2);
    EXPECT_EQ(Dialogs.MarginsShowings, 0);
    EXPECT_TRUE(Settings.Writes.isEmpty());
}

TEST_F(ServiceEntry, DefaultsThenCancelChangeNothing) {
    Dialogs.Passwords = {USPassword};
    Dialogs.UseMargins = [](TTempDevDialog& dialog) {
        dialog.Logic.btDefaultValuesClick();
        return false;
    };
    OpenWithCtrlRightClick();
    EXPECT_EQ(Dialogs.MarginsShowings, 1);
    EXPECT_EQ(Margins, (TServiceMargins{5, 9}));
    EXPECT_TRUE(Settings.Writes.isEmpty());
}

TEST_F(ServiceEntry, DefaultsThenOkSetAndStoreThem) {
    Dialogs.Passwords = {USPassword};
    Dialogs.UseMargins = [](TTempDevDialog& dialog) {
        dialog.Logic.btDefaultValuesClick();
        return true;
    };
    OpenWithCtrlRightClick();
    EXPECT_EQ(Margins, (TServiceMargins{3, 6}));
    EXPECT_EQ(Settings.Writes,
              (QStringList{"\\Page1\\OilMaxOilDev=6", "\\Page1\\OutputOilAirDev=3"}));
}

TEST_F(ServiceEntry, ClearedMarginKeepsItsValueAndIsStoredAgain) {
    Dialogs.Passwords = {USPassword};
    Dialogs.UseMargins = [](TTempDevDialog& dialog) {
        dialog.Type(TMarginEntry::AirOutOilOut, "");
        dialog.Type(TMarginEntry::OilMaxOilOut, "12");
        return true;
    };
    OpenWithCtrlRightClick();
    EXPECT_EQ(Margins, (TServiceMargins{5, 12}));
    EXPECT_EQ(Settings.Writes,
              (QStringList{"\\Page1\\OilMaxOilDev=12", "\\Page1\\OutputOilAirDev=5"}));
}

// The window sizes again only when OK leaves other margins than the dialog showed.
TEST_F(ServiceEntry, TellsWhetherTheMarginsChanged) {
    const struct {
        const char* Name;
        std::function<bool(TTempDevDialog&)> Use;
        bool Changed;
    } cases[] = {
        {"Cancel", [](TTempDevDialog&) { return false; }, false},
        {"OkUnchanged", [](TTempDevDialog&) { return true; }, false},
        {"OkSameNumberRetyped",
         [](TTempDevDialog& d) {
             d.Type(TMarginEntry::AirOutOilOut, "5");
             return true;
         },
         false},
        {"OkOtherOutletMargin",
         [](TTempDevDialog& d) {
             d.Type(TMarginEntry::AirOutOilOut, "6");
             return true;
         },
         true},
        {"OkOtherInletMargin",
         [](TTempDevDialog& d) {
             d.Type(TMarginEntry::OilMaxOilOut, "10");
             return true;
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Margins = {5, 9};
        Dialogs.Passwords = {USPassword};
        Dialogs.UseMargins = c.Use;
        EXPECT_EQ(Entry.Image2MouseUp(Qt::RightButton, Qt::ControlModifier), c.Changed);
    }
}

// In the user's settings store: without "\Page1" nothing is written, and the margins hold for
// the running program only; with it, a later start reads them back.
TEST_F(ServiceEntry, MarginsSurviveARestartOnlyWhereTheStoreHasTheirKey) {
    for (const bool withPage1 : {false, true}) {
        SCOPED_TRACE(withPage1 ? "with \\Page1" : "without \\Page1");
        QTemporaryDir dir;
        const QString userFile = dir.filePath(QStringLiteral("user.ini"));
        QFile file(userFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Software\\Brenvik\\Brenvik Cooler US\\MainData]\n\"Version\"=\"2.03\"\n");
        if (withPage1)
            file.write("[Software\\Brenvik\\Brenvik Cooler US\\Page1]\n");
        file.close();
        const TSettingsRoots roots{userFile, QString(), TEdition::US};

        TRegStoredValues store(roots);
        TServiceEntry entry(Dialogs, store, Shown, Margins, TEdition::US);
        Dialogs.Passwords = {USPassword};
        Dialogs.UseMargins = [](TTempDevDialog& dialog) {
            dialog.Type(TMarginEntry::AirOutOilOut, "7");
            dialog.Type(TMarginEntry::OilMaxOilOut, "8");
            return true;
        };
        entry.Image2MouseUp(Qt::RightButton, Qt::ControlModifier);
        EXPECT_EQ(Margins, (TServiceMargins{7, 8}));

        int32_t stored = 0;
        EXPECT_EQ(TRegRoutines(roots).GetRegInteger(stored, "\\Page1", "OutputOilAirDev"),
                  withPage1);
        EXPECT_EQ(TRegRoutines(roots).GetRegInteger(stored, "\\Page1", "OilMaxOilDev"), withPage1);
        if (withPage1) {
            EXPECT_EQ(stored, 8);
        }
    }
}

} // namespace
