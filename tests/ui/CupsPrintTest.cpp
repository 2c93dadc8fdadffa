// One real print job end to end: the motor table goes to the default printer of a CUPS server
// this test starts for itself (its own configuration, spool and socket, named by CUPS_SERVER),
// whose default destination is a cups-pdf queue writing into the test's folder. The job must
// complete with as many pages as the layout gives for that printer's page.

#include "tests/support/WindowTestSupport.h"

#include "pages/dimensions/MotorDataTable.h"
#include "report/MotorTablePainting.h"
#include "settings/Edition.h"
#include "ui/MotorTablePrinter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QString QueueName = QStringLiteral("AircoolerTestPdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");

void WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
}

// Runs a CUPS client program against the test's server; its standard output.
QString Client(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class CupsPrinting : public WindowTest {
protected:
    static void SetUpTestSuite() {
        Root = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/aircooler-cups-XXXXXX"));
        ASSERT_TRUE(Root->isValid());
        const QString root = Root->path();
        // The scheduler's filters run as its own user, which must reach the spool.
        QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther);
        for (const char* folder : {"conf", "spool/tmp", "cache", "state", "log", "pdf"})
            ASSERT_TRUE(QDir(root).mkpath(QLatin1String(folder)));

        WriteFile(root + "/conf/cupsd.conf", QStringLiteral("Listen %1/cups.sock\n"
                                                            "LogLevel info\n"
                                                            "Browsing No\n"
                                                            "DefaultPolicy open\n"
                                                            "<Policy open>\n"
                                                            "  <Limit All>\n"
                                                            "    Order deny,allow\n"
                                                            "    Allow all\n"
                                                            "  </Limit>\n"
                                                            "</Policy>\n"
                                                            "<Location />\n"
                                                            "  Order allow,deny\n"
                                                            "  Allow all\n"
                                                            "</Location>\n")
                                                 .arg(root));
        WriteFile(root + "/conf/cups-files.conf",
                  QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                                 "CacheDir %1/cache\nStateDir %1/state\n"
                                 "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                 "PageLog %1/log/page_log\n")
                      .arg(root));
        // cups-pdf reads the configuration of a named queue from the system's folder only.
        InstanceName = QStringLiteral("aircooler-%1").arg(QCoreApplication::applicationPid());
        CupsPdfConf = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(InstanceName);
        WriteFile(CupsPdfConf, QStringLiteral("Out %1/pdf\nAnonDirName %1/pdf\n").arg(root));

        Scheduler = std::make_unique<QProcess>();
        Scheduler->setProcessChannelMode(QProcess::ForwardedChannels);
        Scheduler->start(
            "cupsd", {"-f", "-c", root + "/conf/cupsd.conf", "-s", root + "/conf/cups-files.conf"});
        ASSERT_TRUE(Scheduler->waitForStarted(10000)) << "cupsd did not start";
        qputenv("CUPS_SERVER", (root + "/cups.sock").toLocal8Bit());
        // No other default may come between the server's and the program.
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        qputenv("HOME", root.toLocal8Bit());

        QDeadlineTimer ready(20000);
        while (!QFile::exists(root + "/cups.sock") && !ready.hasExpired())
            QThread::msleep(50);
        ASSERT_TRUE(QFile::exists(root + "/cups.sock")) << "cupsd made no socket";
        Client("lpadmin",
               {"-p", QueueName, "-E", "-v", "cups-pdf:/" + InstanceName, "-P", CupsPdfPpd});
        Client("lpadmin", {"-d", QueueName});
    }

    static void TearDownTestSuite() {
        if (Scheduler) {
            Scheduler->terminate();
            if (!Scheduler->waitForFinished(10000))
                Scheduler->kill();
            Scheduler.reset();
        }
        if (!CupsPdfConf.isEmpty())
            QFile::remove(CupsPdfConf);
        Root.reset();
    }

    // The PDF the queue wrote, once the job has completed and the file reads whole.
    static QString PrintedFile() {
        QDeadlineTimer done(120000);
        while (!done.hasExpired()) {
            const bool completed =
                Client("lpstat", {"-W", "completed", "-o", QueueName}).contains(QueueName);
            const QStringList files = QDir(Root->path() + "/pdf").entryList({"*.pdf"}, QDir::Files);
            if (completed && !files.isEmpty())
                return Root->path() + "/pdf/" + files.first();
            QThread::msleep(200);
        }
        return QString();
    }

    static inline std::unique_ptr<QTemporaryDir> Root;
    static inline std::unique_ptr<QProcess> Scheduler;
    static inline QString InstanceName;
    static inline QString CupsPdfConf;
};

TEST_F(CupsPrinting, MotorTableJobCompletesWithTheLaidOutPages) {
    ASSERT_EQ(Scheduler->state(), QProcess::Running);
    // Enough variants for the table to run over two pages.
    QList<TMotorDataCells> variants;
    for (int number = 0; number < 120; ++number)
        variants.append(TMotorDataCells{QStringLiteral("KVHM %1").arg(200 + 100 * (number / 15)),
                                        QString::number(1000 + number), "1,25", "8,0", "120",
                                        "12,0", "G 1/2\"", "G 1/4\""});
    const QList<TMotorDataCells> grid = MotorDataGridRows(variants, true);

    const std::unique_ptr<QPrinter> printer = MotorTablePrinter(BuildEdition());
    ASSERT_NE(printer, nullptr) << "the test's queue is not the default printer";
    EXPECT_EQ(printer->printerName(), QueueName);
    TMotorTableInput input;
    input.Grid = grid;
    input.PageWidth = printer->width();
    input.PageHeight = printer->height();
    input.Title = MotorDataCaption;
    const qsizetype expectedPages = LayOutMotorTable(input, TDeviceTextMetrics(*printer)).size();
    ASSERT_GE(expectedPages, 2);

    ASSERT_TRUE(PrintMotorTable(grid, "Version 2.03", BuildEdition(), Recorded));
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();

    const QString printed = PrintedFile();
    ASSERT_FALSE(printed.isEmpty()) << "the job did not complete";
    const QString info = Client("pdfinfo", {printed});
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
    EXPECT_EQ(pages.captured(1).toLongLong(), expectedPages);
}

} // namespace
