#include "app/cli/DiagramProgram.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

int RunDiagramProgram(const QStringList& Arguments, QTextStream& Err) {
    const QString program =
        QCoreApplication::applicationDirPath() + QStringLiteral("/aircooler-diagram");
    std::vector<QByteArray> encoded{QFile::encodeName(program)};
    for (const QString& argument : Arguments)
        encoded.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    Err << QStringLiteral("The diagram is drawn by %1, which cannot be started: %2.\n")
               .arg(program, QString::fromLocal8Bit(std::strerror(errno)));
    return 1;
}
