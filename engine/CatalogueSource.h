#pragma once

#include "core/CoolerTypes.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"

#include <QHash>
#include <QMutex>
#include <QString>

// Where a sizing reads its data: the series' catalogue files and the oil data file in one
// directory. Every read gives the file's data as it is now, or throws the file's fault.
class CatalogueSource {
public:
    // `Directory` ends with a separator.
    explicit CatalogueSource(QString Directory) : Folder(std::move(Directory)) {}
    virtual ~CatalogueSource() = default;
    CatalogueSource(const CatalogueSource&) = delete;
    CatalogueSource& operator=(const CatalogueSource&) = delete;

    // The grade of section `Section` ("ISO_VG_46").
    virtual OilGrade Oil(const QString& Section) const;
    // The record of section `Section` of the catalogue file of `Series`.
    virtual ModelRecord Model(TCoolerType Series, const QString& Section) const;

    const QString& Directory() const { return Folder; }

protected:
    // The sections of data file `FileName` in the directory.
    virtual QList<TProfileSection> Sections(const QString& FileName) const;

private:
    QString Folder;
};

// A source that reads each file and each section once: a run of many sizings shares one reading
// of the data, whatever happens to the files meanwhile. A file or a section that could not be
// read is tried again, and fails each time as it did the first. Safe to share between threads.
class KeptCatalogue : public CatalogueSource {
public:
    using CatalogueSource::CatalogueSource;

    OilGrade Oil(const QString& Section) const override;
    ModelRecord Model(TCoolerType Series, const QString& Section) const override;

protected:
    QList<TProfileSection> Sections(const QString& FileName) const override;

private:
    mutable QMutex Guard;
    mutable QHash<QString, QList<TProfileSection>> Files;
    mutable QHash<QString, OilGrade> Oils;
    mutable QHash<QPair<int, QString>, ModelRecord> Models;
};
