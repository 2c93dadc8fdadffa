// The floor the command-line tool is measured against: a Qt Core program that prints a line.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    QTextStream(stdout) << "a line\n";
    return 0;
}
