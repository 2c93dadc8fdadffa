#pragma once

#include "report/DocumentWriter.h"

#include <QList>
#include <QStringList>

struct TReportFont {
    QString Name; // empty: the document's default font
    bool Bold = false;
    float Size = 0;
    bool operator==(const TReportFont&) const = default;
};

// A paragraph as written, in the font that was set when its text began.
struct TReportParagraph {
    QString Text;
    TReportFont Font;
    bool operator==(const TReportParagraph&) const = default;
};

// Keeps every call in order and the paragraphs they make, so tests can read a report line by
// line without a word processor.
class TRecordingDocumentWriter : public TDocumentWriter {
public:
    void NewDocument(const QString& Caption) override;
    void AppendText(const QString& Text) override;
    void InsertLogo(const QImage& Logo) override;
    void AppendPicture(const QImage& Picture, int Width) override;
    void ZeroParagraphSpacing() override;
    void SetFont(const QString& Name, bool Bold, float Size) override;
    void Finish() override;

    // One line per call: "NewDocument KVAM 300-B", "AppendText ...", "InsertLogo 107x41",
    // "AppendPicture 900x560 at 456",
    // "ZeroParagraphSpacing", "SetFont Courier New bold 12", "Finish". The logo takes the
    // place of the open paragraph's text and is not part of any paragraph's text.
    QStringList Calls;
    // The finished paragraphs, and the one still open when it holds text.
    QList<TReportParagraph> Paragraphs() const;
    QImage Logo;
    QList<QImage> Pictures;

private:
    QList<TReportParagraph> Finished;
    TReportParagraph Open;
    TReportFont Font;
};
