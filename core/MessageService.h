#pragma once

#include <QList>
#include <QString>

// Every modal message of the program goes through one service, handed to whatever may have
// something to tell. The window is given a message-box implementation; tests and the
// command-line tool use the recording one, so nothing ever blocks on a dialog.
class TMessageService {
public:
    virtual ~TMessageService() = default;
    virtual void Error(const QString& text) = 0;
    virtual void Information(const QString& text) = 0;
    // An error that offers another attempt, with Yes and No buttons; true for Yes.
    virtual bool YesNo(const QString& text) = 0;
};

enum class TMessageKind { Error, Information, YesNo };

struct TShownMessage {
    TMessageKind Kind;
    QString Text;
    bool operator==(const TShownMessage&) const = default;
};

// Keeps every message in order; questions are answered with YesNoAnswer.
class TRecordingMessages : public TMessageService {
public:
    void Error(const QString& text) override { Shown.append({TMessageKind::Error, text}); }
    void Information(const QString& text) override {
        Shown.append({TMessageKind::Information, text});
    }
    bool YesNo(const QString& text) override {
        Shown.append({TMessageKind::YesNo, text});
        return YesNoAnswer;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const TShownMessage& m : Shown)
            texts.append(m.Text);
        return texts;
    }

    QList<TShownMessage> Shown;
    bool YesNoAnswer = false;
};
