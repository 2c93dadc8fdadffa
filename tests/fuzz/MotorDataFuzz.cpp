// The motor-data file reader: the input is the hydraulic-motor variants file as a damaged disk,
// another program or a hand edit may have left it. It is read from the file as the window and
// the command-line tool read it, and laid out as the window's grid in both editions.
#include "FuzzCheck.h"

#include "engine/MotorVariants.h"
#include "pages/dimensions/MotorDataTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString& FileName() {
    static const QTemporaryDir dir;
    static const QString name = dir.filePath(MotorDataFileName);
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QFile file(FileName());
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
            "the motor data file is written");
    file.write(bytes);
    file.close();

    const TMotorVariants read = ReadMotorVariants(FileName());
    Require(read.Variants.size() <= MaxMotorVariants, "at most the readable variants are read");
    Require(!read.Fault.isEmpty() || !read.Variants.isEmpty(),
            "a file that gives no variant says what is wrong");
    Require(read.Fault.isEmpty() || read.Fault.contains(FileName()), "a fault names the file",
            read.Fault);
    Require(ShowsNoControlCharacter(read.Fault), "a fault shows no control character", read.Fault);
    if (!bytes.isEmpty()) {
        const TMotorVariants parsed = ParseMotorVariants(bytes, FileName());
        Require(parsed.Variants == read.Variants && parsed.Fault == read.Fault,
                "the bytes read as the file does");
    }
    for (const bool usEdition : {false, true}) {
        const QList<TMotorDataCells> rows = MotorDataGridRows(read.Variants, usEdition);
        Require(rows.size() == MotorDataHeadingRows + read.Variants.size(),
                "the grid has the heading rows and one row per variant");
    }
    return 0;
}
