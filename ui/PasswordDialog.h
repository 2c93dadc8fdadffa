#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The service password dialog: one hidden entry, OK and Cancel. It starts empty at every
// showing.
class TdlgWritePW : public QDialog {
public:
    explicit TdlgWritePW(QWidget* Parent);

    QString GetPW() const;

    QLabel* Label1;
    QLineEdit* edPW;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* Event) override;
};
