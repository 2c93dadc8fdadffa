#include "engine/CatalogueSource.h"

#include "engine/CoolerCatalogue.h"
#include "engine/VerDep.h"

OilGrade CatalogueSource::Oil(const QString& Section) const {
    return OilGrade::In(Sections(OilGrade::FileName()), Section);
}

ModelRecord CatalogueSource::Model(TCoolerType Series, const QString& Section) const {
    const QString fileName = TVerDep().ChangeToCoolerIniFilename(Series);
    return ModelRecordIn(Sections(fileName), Section, fileName);
}

QList<TProfileSection> CatalogueSource::Sections(const QString& FileName) const {
    return TProfileFile::ReadSections(Folder + FileName);
}

QList<TProfileSection> KeptCatalogue::Sections(const QString& FileName) const {
    {
        const QMutexLocker lock(&Guard);
        if (const auto kept = Files.constFind(FileName); kept != Files.cend())
            return *kept;
    }
    const QList<TProfileSection> read = CatalogueSource::Sections(FileName);
    const QMutexLocker lock(&Guard);
    Files.insert(FileName, read);
    return read;
}

OilGrade KeptCatalogue::Oil(const QString& Section) const {
    {
        const QMutexLocker lock(&Guard);
        if (const auto kept = Oils.constFind(Section); kept != Oils.cend())
            return *kept;
    }
    const OilGrade read = CatalogueSource::Oil(Section);
    const QMutexLocker lock(&Guard);
    Oils.insert(Section, read);
    return read;
}

ModelRecord KeptCatalogue::Model(TCoolerType Series, const QString& Section) const {
    const QPair<int, QString> key{static_cast<int>(Series), Section};
    {
        const QMutexLocker lock(&Guard);
        if (const auto kept = Models.constFind(key); kept != Models.cend())
            return *kept;
    }
    const ModelRecord read = CatalogueSource::Model(Series, Section);
    const QMutexLocker lock(&Guard);
    Models.insert(key, read);
    return read;
}
