#include "engine/CoolerCatalogue.h"
#include "core/ConvertError.h"
#include "core/DataFault.h"
#include "core/RegionalSettings.h"
#include "engine/CatalogueSource.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");

TEST(CatalogueReading, CommaOrPointAndNamesInAnyCase) {
    TScopedRegionalSettings comma(QLatin1Char(','));
    QTemporaryDir dir;
    QFile file(dir.filePath("Cat.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[vam_300_4_b]\r\nminflow=12,5\r\nMAXFLOW=12.5\r\n"
               "CoeffA=1e-7\r\nCoeffB=-2e-5\r\nCoeffC=3e-3\r\nCoeffD=0.04\r\nCoeffE=0.005\r\n"
               "CoeffF=0.006\r\nCoeffG=0.007\r\nCoeffH=0,5\r\nAirFlow=0.9\r\n"
               "MotorPower=1.1\r\nNoiseLevel=71\r\nFanDia=120\r\nCoolArea=0.13\r\n"
               "Weight=14\r\nOilVolume=1.5\r\nIP=55\r\n");
    file.close();
    const ModelRecord record = ReadModelRecord("VAM_300_4_B", dir.path() + "/", "Cat.ini");
    EXPECT_EQ(record[Catalogue::MinFlow], 12.5);
    EXPECT_EQ(record[Catalogue::MaxFlow], 12.5);
    EXPECT_EQ(record[Catalogue::CoeffH], 0.5);
    EXPECT_EQ(record[Catalogue::IP], 55);
}

// CoeffA and CoeffB of the broken model read; CoeffC is the first that does not.
TEST(CatalogueReading, StopsAtTheFirstUnusableValue) {
    try {
        ReadModelRecord("FIX_BROKEN", FixtureDir, "CnfAcEur.ini");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'zero' is not a valid floating point value for CoeffC "
                               "(CnfAcEur.ini [FIX_BROKEN])");
    }
    EXPECT_THROW(ReadModelRecord("NO_SUCH", FixtureDir, "CnfAcEur.ini"), EConvertError);
    EXPECT_THROW(ReadModelRecord("FIX_S", FixtureDir, "Missing.ini"), EDataFileError);
}

} // namespace

namespace {

// A run of many sizings reads each file once through a kept catalogue, whatever happens to the
// files meanwhile, so its sections all come from one reading; a plain source reads the files as
// they are now. A file that could not be read is tried again, and is kept once it reads.
TEST(CatalogueSources, AKeptCatalogueReadsEachFileOnce) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto copy = [&](const QString& name) {
        QFile source(FixtureDir + name);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        write(name, source.readAll());
    };
    copy("CnfAcEur.ini");
    copy("IsoOils.ini");
    const CatalogueSource plain(folder);
    const KeptCatalogue kept(folder);
    const ModelRecord model = kept.Model(AC_Cooler, "FIX_S");
    const OilGrade oil = kept.Oil("ISO_VG_46");

    write("CnfAcEur.ini", "[FIX_S]\nCoeffA=broken\n");
    write("IsoOils.ini", "");
    EXPECT_EQ(kept.Model(AC_Cooler, "FIX_S"), model);
    EXPECT_EQ(kept.Oil("ISO_VG_46").CoefficientValues(), oil.CoefficientValues());
    EXPECT_THROW(plain.Model(AC_Cooler, "FIX_S"), EDataFault);
    EXPECT_THROW(plain.Oil("ISO_VG_46"), EDataFault);

    // A section not asked for before comes from the same reading.
    const ModelRecord medium = ReadModelRecord("FIX_M", FixtureDir, "CnfAcEur.ini");
    EXPECT_EQ(kept.Model(AC_Cooler, "FIX_M"), medium);

    // Not kept while it fails; kept from the reading that succeeds.
    const KeptCatalogue later(folder);
    QFile::remove(dir.filePath("CnfAcEur.ini"));
    EXPECT_THROW(later.Model(AC_Cooler, "FIX_M"), EDataFileError);
    copy("CnfAcEur.ini");
    EXPECT_EQ(later.Model(AC_Cooler, "FIX_M"), medium);
    write("CnfAcEur.ini", "");
    EXPECT_EQ(later.Model(AC_Cooler, "FIX_S"), model);
}

} // namespace
