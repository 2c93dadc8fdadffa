#include "ui/TempDevDialog.h"

#include "ui/Controls.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QColor SkyBlue(0xA6, 0xCA, 0xF0);

QLabel* NewStaticText(const QString& Name, QWidget* Parent) {
    QLabel* text = NewLabel(Name, Parent);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setWordWrap(true);
    text->setMargin(3);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Window, SkyBlue);
    text->setPalette(palette);
    text->setAutoFillBackground(true);
    return text;
}

QLineEdit* NewMarginEntry(const QString& Name, QWidget* Parent) {
    QLineEdit* entry = NewEntry(Name, Parent);
    entry->setMaxLength(2);
    entry->setFixedWidth(48);
    entry->setAlignment(Qt::AlignRight);
    return entry;
}

// The unit beside a margin: shown, never typed into or tabbed to.
QLineEdit* NewUnitText(const QString& Name, QWidget* Parent) {
    QLineEdit* unit = NewEntry(Name, Parent);
    unit->setText(QStringLiteral("°C"));
    unit->setReadOnly(true);
    unit->setFocusPolicy(Qt::NoFocus);
    unit->setFixedWidth(40);
    QFont bold = unit->font();
    bold.setBold(true);
    unit->setFont(bold);
    return unit;
}

} // namespace

TdlgTempDev::TdlgTempDev(QWidget* Parent, TMessageService& Messages)
    : QDialog(Parent), Frame(new QFrame(this)),
      stTempDev(NewStaticText(QStringLiteral("stTempDev"), Frame)),
      stAirOutOilOutDiff(NewStaticText(QStringLiteral("stAirOutOilOutDiff"), Frame)),
      edAirOutOilOutDiff(NewMarginEntry(QStringLiteral("edAirOutOilOutDiff"), Frame)),
      edUnitAirOutOilOutDiff(NewUnitText(QStringLiteral("edUnitAirOutOilOutDiff"), Frame)),
      stOilMaxOilOutDiff(NewStaticText(QStringLiteral("stOilMaxOilOutDiff"), Frame)),
      edOilMaxOilOutDiff(NewMarginEntry(QStringLiteral("edOilMaxOilOutDiff"), Frame)),
      edUnitOilMaxOilOutDiff(NewUnitText(QStringLiteral("edUnitOilMaxOilOutDiff"), Frame)),
      btDefaultValues(NewButton(QStringLiteral("btDefaultValues"), Frame)),
      OKBtn(NewButton(QStringLiteral("OKBtn"), this)),
      CancelBtn(NewButton(QStringLiteral("CancelBtn"), this)), Controller(*this, Messages) {
    setObjectName(QStringLiteral("dlgTempDev"));
    setModal(true);
    Frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    btDefaultValues->setText(QStringLiteral("Restore program default values"));
    QFont bold = btDefaultValues->font();
    bold.setBold(true);
    btDefaultValues->setFont(bold);
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn->setText(QStringLiteral("Cancel"));

    for (TMarginEntry entry : {TMarginEntry::AirOutOilOut, TMarginEntry::OilMaxOilOut})
        connect(EntryOf(entry), &QLineEdit::textChanged, this,
                [this, entry] { Controller.EntryChange(entry); });
    connect(btDefaultValues, &QPushButton::clicked, this,
            [this] { Controller.btDefaultValuesClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        Controller.OKBtnClick();
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* area = new QGridLayout(Frame);
    area->setColumnMinimumWidth(0, 320);
    area->addWidget(stTempDev, 0, 0, 1, 3);
    area->addWidget(stAirOutOilOutDiff, 1, 0);
    area->addWidget(edAirOutOilOutDiff, 1, 1);
    area->addWidget(edUnitAirOutOilOutDiff, 1, 2);
    area->addWidget(stOilMaxOilOutDiff, 2, 0);
    area->addWidget(edOilMaxOilOutDiff, 2, 1);
    area->addWidget(edUnitOilMaxOilOutDiff, 2, 2);
    area->addWidget(btDefaultValues, 3, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TdlgTempDev::Execute(TServiceMargins& Margins) {
    Shown = Margins;
    if (exec() != QDialog::Accepted)
        return false;
    Margins = Controller.Margins();
    return true;
}

QLineEdit* TdlgTempDev::EntryOf(TMarginEntry entry) const {
    return entry == TMarginEntry::AirOutOilOut ? edAirOutOilOutDiff : edOilMaxOilOutDiff;
}

void TdlgTempDev::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    Controller.FormShow(Shown);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TdlgTempDev::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TdlgTempDev::SetStaticText(TMarginText text, const QString& value) {
    switch (text) {
    case TMarginText::TempDev:
        stTempDev->setText(value);
        return;
    case TMarginText::AirOutOilOutDiff:
        stAirOutOilOutDiff->setText(value);
        return;
    case TMarginText::OilMaxOilOutDiff:
        stOilMaxOilOutDiff->setText(value);
        return;
    }
}

QString TdlgTempDev::EntryText(TMarginEntry entry) const {
    return EntryOf(entry)->text();
}

void TdlgTempDev::SetEntryText(TMarginEntry entry, const QString& text) {
    // Setting the text also forgets the entry's undo history.
    QLineEdit* edit = EntryOf(entry);
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void TdlgTempDev::SelectEntryText(TMarginEntry entry) {
    EntryOf(entry)->selectAll();
}

void TdlgTempDev::SetEntryFocus(TMarginEntry entry) {
    EntryOf(entry)->setFocus();
}
