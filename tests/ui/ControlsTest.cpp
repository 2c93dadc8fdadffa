#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace {

// The logic of the pages and the tests find the controls by these names.
struct ControlCase {
    const char* Name;
    const char* Kind;
};

class Control : public WindowTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(Control, ExistsByItsNameAndKind) {
    const std::unique_ptr<TfKylvane> window = NewWindow();
    const QObject* control = window->findChild<QObject*>(GetParam().Name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->inherits(GetParam().Kind)) << control->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(
    Window, Control,
    ::testing::Values(
        ControlCase{"PageControl1", "QTabWidget"}, ControlCase{"tsMainGroup", "QWidget"},
        ControlCase{"TabSheet1", "QWidget"}, ControlCase{"TabSheet5", "QWidget"},
        ControlCase{"cbShadow", "QComboBox"}, ControlCase{"lbMainPageRights", "QLabel"},
        ControlCase{"pnlEngineeringSuccessMain", "QFrame"},
        ControlCase{"rbVCSCoolerData", "QRadioButton"},
        ControlCase{"cbTypeCoolerData", "QComboBox"}, ControlCase{"mmDisclamer", "QPlainTextEdit"},
        ControlCase{"edAlittudeCoolerData", "QLineEdit"},
        ControlCase{"gbcbHeatDissCoolerData", "QGroupBox"},
        ControlCase{"btCalcNewCooler", "QPushButton"}, ControlCase{"sbPrint", "QAbstractButton"},
        ControlCase{"rbFixedPower", "QRadioButton"},
        ControlCase{"lbProtectionStdCoolerValue", "QLabel"},
        ControlCase{"sgCoolerSamples", "QTableView"}, ControlCase{"Image2", "QLabel"},
        ControlCase{"lbFreeTextHeatDissi6", "QLabel"},
        ControlCase{"edValueTimeIntervalHeatDissi", "QLineEdit"},
        ControlCase{"cbUnitlResultHeatDissi", "QComboBox"}, ControlCase{"bbtReset", "QPushButton"},
        ControlCase{"lbOilVolume", "QLabel"}, ControlCase{"plDimTg", "QFrame"},
        ControlCase{"btVhmMotorData", "QPushButton"}, ControlCase{"rbNorwegian", "QRadioButton"},
        ControlCase{"pnlEngineeringSuccessPage5", "QFrame"}, ControlCase{"mmFile", "QMenu"},
        ControlCase{"mmBar21", "QAction"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct UnitListCase {
    const char* Name;
    QStringList Items;
};

class UnitList : public WindowTest, public ::testing::WithParamInterface<UnitListCase> {};

// The positions are the unit ordinals the settings store keeps.
TEST_P(UnitList, HoldsItsItemsInOrder) {
    const std::unique_ptr<TfKylvane> window = NewWindow();
    const auto* list = window->findChild<QComboBox*>(GetParam().Name);
    ASSERT_NE(list, nullptr);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    EXPECT_EQ(items, GetParam().Items);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, UnitList,
    ::testing::Values(
        UnitListCase{"cbOilflowCoolerData", {"m³/h", "l/min", "kg/s", "ft³/h", "US gpm", "lb/h"}},
        UnitListCase{"cbAlittudeCoolerData", {"m", "ft"}},
        UnitListCase{"cbHeatDissCoolerData", {"W", "kW", "kcal/hr", "Btu/hr", "HP"}},
        UnitListCase{"cbOilCoolerData",
                     {"ISO VG 22", "ISO VG 32", "ISO VG 46", "ISO VG 68", "ISO VG 100",
                      "ISO VG 150", "ISO VG 220", "ISO VG 320", "ISO VG 460", "ISO VG 680"}},
        UnitListCase{"cbUnitOilVolumeHeatDissi", {"liter", "m³", "quarts", "in³", "US gal"}},
        UnitListCase{"cbUnitDensitylHeatDissi", {"kg/dm³", "lb/ft³", "lb/in³"}},
        UnitListCase{"cbUnitHeatCapacitivityHeatDissi", {"KJ/Kg°K", "Btu/lb°F"}},
        UnitListCase{"cbUnitTimeIntervalHeatDissi", {"min"}},
        UnitListCase{"cbUnitlResultHeatDissi", {"W", "kW", "kcal/h", "BTU/h", "HP"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// The accelerator choice and the text application address menu items by position.
TEST_F(WindowTest, FileMenuHoldsItsItemsAndSeparatorsInOrder) {
    const std::unique_ptr<TfKylvane> window = NewWindow();
    QStringList names;
    for (const QAction* item : window->mmFile->actions())
        names.append(item->objectName());
    EXPECT_EQ(names, (QStringList{"mmCooler", "mmPower", "mmDimension", "mmBar2", "mmLanguage",
                                  "mmBar4", "mmPrint", "mmBar5", "mmExit"}));
}

} // namespace
