#include "app/cli/BatchProgress.h"

namespace {

constexpr int BarWidth = 40;

} // namespace

TBatchProgress::TBatchProgress(QTextStream& Err, bool Terminal, qsizetype Total)
    : Err(Err), Terminal(Terminal), Total(Total) {}

void TBatchProgress::SetDone(qsizetype Done) {
    this->Done = Done;
    const qsizetype steps = Terminal ? 100 : 10;
    const int reached = Total > 0 ? static_cast<int>(Done * steps / Total) : 0;
    if (reached == Told)
        return;
    Told = reached;
    Draw();
}

void TBatchProgress::Draw() {
    if (!Terminal) {
        Err << QStringLiteral("sized %1 of %2 rows\n").arg(Done).arg(Total);
        Err.flush();
        return;
    }
    const int filled = Total > 0 ? static_cast<int>(Done * BarWidth / Total) : BarWidth;
    Err << QStringLiteral("\r[%1%2] %3% %4/%5 rows")
               .arg(QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char('.')))
               .arg(Told, 3)
               .arg(Done)
               .arg(Total);
    Err.flush();
}

void TBatchProgress::Finish() {
    if (Done != Total || Told < 0) {
        Done = Total;
        Told = Terminal ? 100 : 10;
        Draw();
    }
    if (Terminal)
        Err << '\n';
    Err.flush();
}
