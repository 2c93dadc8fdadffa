#include "report/RecordingDocumentWriter.h"

void TRecordingDocumentWriter::NewDocument(const QString& Caption) {
    Calls.append(QStringLiteral("NewDocument ") + Caption);
    Finished.clear();
    Open = {};
    Font = {};
}

void TRecordingDocumentWriter::AppendText(const QString& Text) {
    Calls.append(QStringLiteral("AppendText ") + Text);
    for (const QChar c : Text) {
        if (Open.Text.isEmpty())
            Open.Font = Font;
        if (c == QLatin1Char('\r')) {
            Finished.append(Open);
            Open = {};
        } else {
            Open.Text += c;
        }
    }
}

void TRecordingDocumentWriter::InsertLogo(const QImage& Picture) {
    Calls.append(QStringLiteral("InsertLogo %1x%2").arg(Picture.width()).arg(Picture.height()));
    Logo = Picture;
    Open.Text.clear();
}

void TRecordingDocumentWriter::AppendPicture(const QImage& Picture, int Width) {
    Calls.append(QStringLiteral("AppendPicture %1x%2 at %3")
                     .arg(Picture.width())
                     .arg(Picture.height())
                     .arg(Width));
    Pictures.append(Picture);
}

void TRecordingDocumentWriter::ZeroParagraphSpacing() {
    Calls.append(QStringLiteral("ZeroParagraphSpacing"));
}

void TRecordingDocumentWriter::SetFont(const QString& Name, bool Bold, float Size) {
    Calls.append(QStringLiteral("SetFont %1 %2 %3")
                     .arg(Name, Bold ? QStringLiteral("bold") : QStringLiteral("regular"))
                     .arg(Size));
    Font = {Name, Bold, Size};
}

void TRecordingDocumentWriter::Finish() {
    Calls.append(QStringLiteral("Finish"));
}

QList<TReportParagraph> TRecordingDocumentWriter::Paragraphs() const {
    QList<TReportParagraph> paragraphs = Finished;
    if (!Open.Text.isEmpty())
        paragraphs.append(Open);
    return paragraphs;
}
