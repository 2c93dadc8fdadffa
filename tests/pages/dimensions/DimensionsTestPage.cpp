#include "tests/pages/dimensions/DimensionsTestPage.h"

#include "core/EngineState.h"
#include "pages/dimensions/DimensionsTexts.h"

DimensionsPageTest::DimensionsPageTest(const QString& IniFilePath) {
    ResetEngineState();
    EngineState().IniFilePath = IniFilePath;
    EngineState().RpmTextStr = QStringLiteral("rpm");
    Language.SetLanguageType(ENGLISH);
    ApplyDimensionsTexts(Language, View);
}

DimensionsPageTest::~DimensionsPageTest() {
    ResetEngineState();
}
