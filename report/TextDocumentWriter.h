#pragma once

#include "report/DocumentWriter.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

// The product's writer: builds the report as a rich-text document that is saved as
// OpenDocument text or PDF (report/ReportFile.h). Fonts are named, not resolved: a word
// processor that lacks one substitutes its own match.
class TTextDocumentWriter : public TDocumentWriter {
public:
    TTextDocumentWriter();

    void NewDocument(const QString& Caption) override;
    void AppendText(const QString& Text) override;
    void InsertLogo(const QImage& Logo) override;
    void AppendPicture(const QImage& Picture, int Width) override;
    void ZeroParagraphSpacing() override;
    void SetFont(const QString& Name, bool Bold, float Size) override;
    void Finish() override;

    const QTextDocument& Document() const { return Doc; }

private:
    void ClearSpacing(QTextBlockFormat& Format) const;

    QTextDocument Doc;
    QTextCursor Cursor;
    QTextCharFormat Format;
    bool NoParagraphSpacing = false;
    int Pictures = 0;
};
