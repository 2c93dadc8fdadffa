#include "report/TextDocumentWriter.h"

#include <QTextBlock>
#include <QTextImageFormat>
#include <QUrl>

namespace {
const QUrl LogoName(QStringLiteral("aircooler-report-logo.png"));
}

TTextDocumentWriter::TTextDocumentWriter() : Cursor(&Doc) {}

void TTextDocumentWriter::NewDocument(const QString& Caption) {
    Doc.clear();
    Doc.setMetaInformation(QTextDocument::DocumentTitle, Caption);
    Cursor = QTextCursor(&Doc);
    Format = QTextCharFormat();
    NoParagraphSpacing = false;
    Pictures = 0;
}

void TTextDocumentWriter::AppendText(const QString& Text) {
    Cursor.movePosition(QTextCursor::End);
    const QStringList paragraphs = Text.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            QTextBlockFormat block = Cursor.blockFormat();
            ClearSpacing(block);
            // The new paragraph's mark carries the font too, so an empty line is as high as
            // a line of text in that font.
            Cursor.insertBlock(block, Format);
        }
        if (!paragraphs[i].isEmpty())
            Cursor.insertText(paragraphs[i], Format);
    }
}

void TTextDocumentWriter::InsertLogo(const QImage& Logo) {
    Doc.addResource(QTextDocument::ImageResource, LogoName, Logo);
    QTextImageFormat image;
    image.setName(LogoName.toString());
    image.setWidth(Logo.width());
    image.setHeight(Logo.height());
    Cursor.movePosition(QTextCursor::End);
    Cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    Cursor.insertImage(image);
}

void TTextDocumentWriter::AppendPicture(const QImage& Picture, int Width) {
    // The document keeps the picture at its own resolution; Width only sets how large it shows.
    const QUrl name(QStringLiteral("aircooler-report-picture-%1.png").arg(++Pictures));
    Doc.addResource(QTextDocument::ImageResource, name, Picture);
    QTextImageFormat image;
    image.setName(name.toString());
    image.setWidth(Width);
    image.setHeight(Picture.isNull() ? 0 : qreal(Width) * Picture.height() / Picture.width());
    Cursor.movePosition(QTextCursor::End);
    Cursor.insertImage(image);
    QTextBlockFormat block = Cursor.blockFormat();
    ClearSpacing(block);
    Cursor.insertBlock(block, Format);
}

void TTextDocumentWriter::ZeroParagraphSpacing() {
    NoParagraphSpacing = true;
    for (QTextBlock block = Doc.begin(); block.isValid(); block = block.next()) {
        QTextCursor at(block);
        QTextBlockFormat format = block.blockFormat();
        ClearSpacing(format);
        at.setBlockFormat(format);
    }
}

void TTextDocumentWriter::ClearSpacing(QTextBlockFormat& Format) const {
    if (!NoParagraphSpacing)
        return;
    Format.setTopMargin(0);
    Format.setBottomMargin(0);
}

void TTextDocumentWriter::SetFont(const QString& Name, bool Bold, float Size) {
    Format.setFontFamilies({Name});
    // Qt's OpenDocument writer of some versions reads the family from this older property
    // alone and names a generic font otherwise.
    Format.setProperty(QTextFormat::OldFontFamily, Name);
    Format.setFontWeight(Bold ? QFont::Bold : QFont::Normal);
    Format.setFontPointSize(Size);
    // Text appended later and an empty paragraph at the end both take the font.
    Cursor.movePosition(QTextCursor::End);
    Cursor.mergeBlockCharFormat(Format);
}

void TTextDocumentWriter::Finish() {
    // Saving is left to the caller, who may write the same document in either format.
}
