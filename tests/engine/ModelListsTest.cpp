#include "engine/ModelLists.h"
#include "core/ConvertError.h"
#include "core/RegionalSettings.h"
#include "engine/CatalogueRecord.h"
#include "engine/CoolerCatalogue.h"
#include "engine/VerDep.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString ShippedIniDir = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

// The forms of the names of one series. The capture groups of the display name and of the
// section name identify the model, so they must agree; a list is ordered by them.
struct TSeriesCase {
    const char* Series;
    TCoolerType CoolerType;
    int32_t (*Fill)(const QString& rpmWord, QStringList& names, QStringList& sections);
    int Models;
    const char* DisplayForm;
    const char* SectionForm;
    const char* SmallPrefix; // the section prefix of the smallest models
    int SmallModels;
};

const TSeriesCase SeriesCases[] = {
    {"VAM", AC_Cooler,
     [](const QString& w, QStringList& n, QStringList& s) {
         return TDimensionVAM().FillComboBoxDim(w, n, s);
     },
     12, R"(KVAM (\d{3})-([A-Z]))", R"(VAM2?_(\d{3})_[46]_([A-Z]))", "VAM2_", 4},
    {"VDM", DC_Cooler,
     [](const QString& w, QStringList& n, QStringList& s) {
         return TDimensionVDM().FillComboBoxDim(w, n, s);
     },
     8, R"(KVDM (\d{3}))", R"(VDM_(\d{3}))", "VDM_", 8},
    {"VHM", Cooler_System,
     [](const QString& w, QStringList& n, QStringList& s) {
         return TDimensionVHM().FillComboBoxDim(w, n, s);
     },
     18, R"(KVHM (\d+)-(\d+) rpm)", R"(VHM2?_(\d+)_(\d+))", "VHM2_", 8},
    {"VCS", VCS_Cooler,
     [](const QString& w, QStringList& n, QStringList& s) {
         return TDimensionVCS().FillComboBoxDim(w, n, s);
     },
     19, R"(KVCS (\d+)-([DA])-([A-Z]))", R"(VCS2?_(\d+)_4_([DA])_([A-Z]))", "VCS2_", 10},
};

QStringList CapturedGroups(const QRegularExpressionMatch& match) {
    QStringList groups = match.capturedTexts();
    groups.removeFirst();
    return groups;
}

// Numbers padded so that the groups compare as the sizes and speeds they are.
QString OrderKey(const QStringList& groups) {
    QStringList padded;
    for (const QString& g : groups)
        padded.append(g.rightJustified(6, QLatin1Char('0')));
    return padded.join(QLatin1Char('|'));
}

class ModelLists : public testing::Test {
protected:
    const QString Rpm = QStringLiteral("rpm");
};

TEST_F(ModelLists, EverySeriesListsItsModelsSmallestFirstInTheirNameForms) {
    for (const TSeriesCase& c : SeriesCases) {
        SCOPED_TRACE(c.Series);
        QStringList names, sections;
        const int32_t count = c.Fill(Rpm, names, sections);

        ASSERT_EQ(names.size(), c.Models);
        ASSERT_EQ(sections.size(), c.Models);
        EXPECT_EQ(count, c.Models);

        const QRegularExpression displayForm(QRegularExpression::anchoredPattern(c.DisplayForm));
        const QRegularExpression sectionForm(QRegularExpression::anchoredPattern(c.SectionForm));
        QString previousKey;
        for (int i = 0; i < c.Models; ++i) {
            SCOPED_TRACE(names[i].toStdString());
            const QRegularExpressionMatch display = displayForm.match(names[i]);
            const QRegularExpressionMatch section = sectionForm.match(sections[i]);
            ASSERT_TRUE(display.hasMatch());
            ASSERT_TRUE(section.hasMatch()) << sections[i].toStdString();
            EXPECT_EQ(CapturedGroups(display), CapturedGroups(section));
            EXPECT_EQ(sections[i].startsWith(QLatin1String(c.SmallPrefix)), i < c.SmallModels);
            EXPECT_LE(sections[i].size(), Catalogue::MaxNameLength);

            const QString key = OrderKey(CapturedGroups(display));
            EXPECT_GT(key, previousKey);
            previousKey = key;
        }
    }
}

TEST_F(ModelLists, HydraulicMotorNamesEndInTheRpmTextOfTheLanguageAtFillTime) {
    QStringList names, sections;
    TDimensionVHM().FillComboBoxDim(QStringLiteral("obr/min"), names, sections);
    EXPECT_EQ(names.first(), "KVHM 200-1500 obr/min");
    EXPECT_EQ(sections.first(), "VHM2_200_1500");

    TDimensionVHM().FillComboBoxDim(QStringLiteral("U/min"), names, sections);
    EXPECT_EQ(names.last(), "KVHM 800-1200 U/min");
}

// The catalogue section of a hydraulic-motor model is its name cut after the last digit; each
// model must still reach a section of its own.
TEST_F(ModelLists, HydraulicMotorSectionsSurviveTheSectionNameRule) {
    QStringList names, sections;
    TDimensionVHM().FillComboBoxDim(Rpm, names, sections);
    const TVerDep verDep;
    for (const QString& section : sections)
        EXPECT_EQ(verDep.ChangeToSectionName(section, Cooler_System), section);
    EXPECT_EQ(QSet<QString>(sections.begin(), sections.end()).size(), sections.size());
}

TEST_F(ModelLists, FillingReplacesWhatTheListsHeldAndCountsEachSeriesApart) {
    QStringList names{"stale"}, sections{"stale", "entries"};
    EXPECT_EQ(TDimensionVAM().FillComboBoxDim(Rpm, names, sections), 12);
    EXPECT_EQ(TDimensionVDM().FillComboBoxDim(Rpm, names, sections), 8);

    EXPECT_EQ(names.first(), "KVDM 100");
    EXPECT_EQ(sections.size(), 8);
}

// Tables other than the built-in ones (the page tests' fixture lists) are filled row for row;
// only the hydraulic-motor series ends its names in the rpm word.
TEST_F(ModelLists, AnyTableIsFilledRowForRowInTheNameFormOfItsSeries) {
    const struct {
        const char* Series;
        const TModelListTraits& Traits;
        const char* LastName;
    } cases[] = {
        {"VAM", ModelListVAM, "KXXX 2"},
        {"VDM", ModelListVDM, "KXXX 2"},
        {"VHM", ModelListVHM, "KXXX 2 rpm"},
        {"VCS", ModelListVCS, "KXXX 2"},
    };
    const TModelRow rows[] = {{"KXXX 1", "XXX_1"}, {"KXXX 2", "XXX_2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Series);
        QStringList names{"stale"}, sections;

        EXPECT_EQ(FillModelList(c.Traits, rows, Rpm, names, sections), 2);
        EXPECT_EQ(names.size(), 2);
        EXPECT_EQ(names.last(), c.LastName);
        EXPECT_EQ(sections, (QStringList{"XXX_1", "XXX_2"}));
    }
}

// Every model the program offers must be readable from the installed catalogue: a missing
// section or key, or a value that is not a number, stops every calculation of that model.
TEST_F(ModelLists, ShippedCatalogueHoldsExactlyTheListedModelsWithAllValues) {
    const TScopedRegionalSettings comma(QLatin1Char(','));
    const TVerDep verDep;
    for (const TSeriesCase& c : SeriesCases) {
        SCOPED_TRACE(c.Series);
        QStringList names, sections;
        c.Fill(Rpm, names, sections);
        const QString fileName = verDep.ChangeToCoolerIniFilename(c.CoolerType);

        for (const QString& name : sections) {
            const QString section = verDep.ChangeToSectionName(name, c.CoolerType);
            SCOPED_TRACE(section.toStdString());
            ModelRecord values{};
            try {
                values = ReadModelRecord(section, ShippedIniDir, fileName);
            } catch (const EConvertError& error) {
                ADD_FAILURE() << error.what();
                continue;
            }
            // The thermal model divides by these.
            EXPECT_GT(values[Catalogue::AirFlow], 0);
            EXPECT_GT(values[Catalogue::MinFlow], 0);
            EXPECT_LE(values[Catalogue::MinFlow], values[Catalogue::MaxFlow]);
        }

        QFile file(ShippedIniDir + fileName);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList headings;
        while (!file.atEnd()) {
            const QString line = QString::fromLatin1(file.readLine()).trimmed();
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
                headings.append(line.mid(1, line.size() - 2));
        }
        EXPECT_EQ(headings, sections);
    }
}

} // namespace
