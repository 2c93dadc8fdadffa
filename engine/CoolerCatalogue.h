#pragma once

#include "core/ProfileFile.h"
#include "engine/CatalogueRecord.h"

#include <QString>

// Reads the record of the model in section `Section` (e.g. "VAM_300_4_B"; cut to the longest
// name the data files hold) of the catalogue file `FileName` in `Directory` (which ends with a
// separator). Throws EDataFileError when the file cannot be read, EConvertError at the first key
// that is missing or not a number, EDataRangeError at the first value outside its key's
// physical range and EDataRecordError when the values together describe no cooler; each names
// the key, the file and the section.
ModelRecord ReadModelRecord(const QString& Section, const QString& Directory,
                            const QString& FileName);

// The record of section `Section` among `Sections`, read before from catalogue file `FileName`;
// throws as ReadModelRecord does once the file is read.
ModelRecord ModelRecordIn(const QList<TProfileSection>& Sections, const QString& Section,
                          const QString& FileName);
