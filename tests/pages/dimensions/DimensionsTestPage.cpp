#include "tests/pages/dimensions/DimensionsTestPage.h"

#include "pages/dimensions/DimensionsTexts.h"

DimensionsPageTest::DimensionsPageTest(const QString& IniFilePath) {
    View.CatalogueDirectory = IniFilePath;
    View.KeptCaptions.RpmText = QStringLiteral("rpm");
    Language.SetLanguageType(ENGLISH);
    ApplyDimensionsTexts(Language, View);
}
