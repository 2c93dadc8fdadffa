#include "app/cli/DrawingProgram.h"

#include "app/cli/InstalledData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

int RunDrawingProgram(const QStringList& Arguments, QTextStream& Err) {
    const QString program = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            ProgramsToPrefix + DrawingProgramPath);
    std::vector<QByteArray> encoded{QFile::encodeName(program)};
    for (const QString& argument : Arguments)
        encoded.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    Err << QStringLiteral("The drawing is made by %1, which cannot be started: %2.\n")
               .arg(program, QString::fromLocal8Bit(std::strerror(errno)));
    return 1;
}
