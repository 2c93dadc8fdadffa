#pragma once

#include <QImage>
#include <QString>

// The operations a report needs of a word-processor document, in the order a report calls
// them. Text is always appended at the end; a carriage return ("\r") in it ends a paragraph.
class TDocumentWriter {
public:
    virtual ~TDocumentWriter() = default;

    // Starts a new, empty document titled `Caption`.
    virtual void NewDocument(const QString& Caption) = 0;
    virtual void AppendText(const QString& Text) = 0;
    // Puts the logo in place of the text appended since the last paragraph end.
    virtual void InsertLogo(const QImage& Logo) = 0;
    // Appends the picture as a paragraph of its own, `Width` wide in the document's units (pixels
    // at 96 per inch) and as high as its proportions make it.
    virtual void AppendPicture(const QImage& Picture, int Width) = 0;
    // No space before or after any paragraph, those written so far and those still to come.
    virtual void ZeroParagraphSpacing() = 0;
    // Text appended from now on is set in this font, until the next call.
    virtual void SetFont(const QString& Name, bool Bold, float Size) = 0;
    // The document is complete.
    virtual void Finish() = 0;
};
