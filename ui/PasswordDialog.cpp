#include "ui/PasswordDialog.h"

#include "ui/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

TdlgWritePW::TdlgWritePW(QWidget* Parent)
    : QDialog(Parent), Label1(NewLabel(QStringLiteral("Label1"), this)),
      edPW(NewEntry(QStringLiteral("edPW"), this)), OKBtn(NewButton(QStringLiteral("OKBtn"), this)),
      CancelBtn(NewButton(QStringLiteral("CancelBtn"), this)) {
    setObjectName(QStringLiteral("dlgWritePW"));
    setWindowTitle(QStringLiteral("Password Dialog"));
    // A close box and nothing else in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    Label1->setText(QStringLiteral("Enter password:"));
    edPW->setEchoMode(QLineEdit::Password);
    edPW->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    edPW->setMinimumWidth(220);
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn->setText(QStringLiteral("Cancel"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(edPW, 1, 0);
    layout->addLayout(buttons, 2, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TdlgWritePW::GetPW() const {
    return edPW->text();
}

void TdlgWritePW::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    edPW->clear();
    edPW->setFocus();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
