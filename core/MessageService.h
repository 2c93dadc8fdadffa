#pragma once

#include <QList>
#include <QString>

// Every modal message of the program goes through one service. The window installs a
// message-box implementation; tests and the command-line tool use the recording one, so
// nothing ever blocks on a dialog.
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

// The process-wide service. Until a front end installs its own, messages are recorded.
TMessageService& Messages();

// Installs a service (nullptr restores the built-in recording one). The caller keeps ownership.
void SetMessageService(TMessageService* service);

// Installs a service for the lifetime of this object and puts the previous one back after.
class TScopedMessageService {
public:
    explicit TScopedMessageService(TMessageService& service);
    ~TScopedMessageService();
    TScopedMessageService(const TScopedMessageService&) = delete;
    TScopedMessageService& operator=(const TScopedMessageService&) = delete;

private:
    TMessageService* Previous;
};
