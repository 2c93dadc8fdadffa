#pragma once

#include <QString>
#include <QTextStream>

// How far a batch has come, told on standard error: on a terminal a bar redrawn in place, at
// most once per percent; elsewhere a line "sized N of M rows" at every tenth.
class TBatchProgress {
public:
    TBatchProgress(QTextStream& Err, bool Terminal, qsizetype Total);

    void SetDone(qsizetype Done);
    // The last word: the full count, and the end of the bar's line.
    void Finish();

private:
    void Draw();

    QTextStream& Err;
    const bool Terminal;
    const qsizetype Total;
    qsizetype Done = 0;
    int Told = -1; // percent on a terminal, tenths elsewhere
};
