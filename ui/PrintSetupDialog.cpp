#include "ui/PrintSetupDialog.h"

#include "ui/Artwork.h"
#include "ui/SloganPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QSize DialogSize(650, 261);
constexpr int YourRefGroupHeight = 73;

void Fill(QWidget* Control, const QColor& Background) {
    QPalette palette = Control->palette();
    palette.setColor(QPalette::Window, Background);
    Control->setPalette(palette);
    Control->setAutoFillBackground(true);
}

QLineEdit* NewReferenceEntry(const QString& Name, QWidget* Parent) {
    auto* entry = new QLineEdit(Parent);
    entry->setObjectName(Name);
    // The report keeps 50 characters of a reference; the entry takes no more, so nothing
    // typed is dropped unseen.
    entry->setMaxLength(TPrintSetupSettings::MaxReferenceLength);
    return entry;
}

} // namespace

TfPrePrint::TfPrePrint(QWidget* Parent, bool& FirstTimePrePrintFLG, const TSettingsRoots& Roots)
    : QDialog(Parent), Settings(Roots), PrintSetup(*this, Settings, FirstTimePrePrintFLG) {
    setObjectName(QStringLiteral("fPrePrint"));
    setWindowTitle(QStringLiteral("Print Page Setup"));
    setFixedSize(DialogSize);
    Fill(this, Qt::white);

    auto* top = new QHBoxLayout;
    top->addWidget(NewReferenceColumn(), 1);
    top->addWidget(NewLanguageGroup(), 1);

    bbOkPrint = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QString(), this);
    bbOkPrint->setObjectName(QStringLiteral("bbOkPrint"));
    bbCancelPrint =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QString(), this);
    bbCancelPrint->setObjectName(QStringLiteral("bbCancelPrint"));
    connect(bbOkPrint, &QPushButton::clicked, this, &QDialog::accept);
    connect(bbCancelPrint, &QPushButton::clicked, this, &QDialog::reject);

    auto* logo = new QLabel(this);
    logo->setPixmap(LogoPixmap(QSize(107, 41)));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(logo);
    bottom->addStretch(1);
    bottom->addWidget(bbOkPrint);
    bottom->addWidget(bbCancelPrint);
    bottom->addWidget(new TSloganPanel(QStringLiteral("pnlEngineeringSuccessPrint"), this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    setTabOrder(gbLanguage, edOurRef);
    setTabOrder(edOurRef, edYourRef);
    setTabOrder(edYourRef, bbOkPrint);
    setTabOrder(bbOkPrint, bbCancelPrint);
}

QWidget* TfPrePrint::NewReferenceColumn() {
    auto* column = new QWidget(this);
    gbYourRef = new QGroupBox(column);
    gbYourRef->setObjectName(QStringLiteral("gbYourRef"));
    gbYourRef->setFixedHeight(YourRefGroupHeight);
    edYourRef = NewReferenceEntry(QStringLiteral("edYourRef"), gbYourRef);
    edYourComm = NewReferenceEntry(QStringLiteral("edYourComm"), gbYourRef);
    edYourComm->hide();
    (new QVBoxLayout(gbYourRef))->addWidget(edYourRef);

    gbOurRef = new QGroupBox(column);
    gbOurRef->setObjectName(QStringLiteral("gbOurRef"));
    edOurRef = NewReferenceEntry(QStringLiteral("edOurRef"), gbOurRef);
    (new QVBoxLayout(gbOurRef))->addWidget(edOurRef);

    const QColor lightGrey(0xE0, 0xE0, 0xE0);
    Fill(gbYourRef, lightGrey);
    Fill(gbOurRef, lightGrey);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gbYourRef);
    layout->addWidget(gbOurRef);
    layout->addStretch(1);
    return column;
}

QWidget* TfPrePrint::NewLanguageGroup() {
    gbLanguage = new QGroupBox(this);
    gbLanguage->setObjectName(QStringLiteral("gbLanguage"));
    Fill(gbLanguage, Qt::white);
    auto* grid = new QGridLayout(gbLanguage);
    int shown = 0;
    for (int i = 0; i < PrintLanguageButtonCount; ++i) {
        const TPrintLanguageButton& entry = PrintLanguageButtons()[i];
        QRadioButton* button = new QRadioButton(gbLanguage);
        button->setObjectName(QString::fromLatin1(entry.Name));
        LanguageButtons[i] = button;
        if (entry.Offered)
            grid->addWidget(button, 0, shown++);
        else
            button->hide();
        connect(button, &QRadioButton::toggled, this, [this, language = entry.Language](bool on) {
            if (on)
                PrintSetup.LanguageClick(language);
        });
    }
    return gbLanguage;
}

void TfPrePrint::SetReferenceCaptions(const QString& YourRef, const QString& OurRef) {
    gbYourRef->setTitle(YourRef);
    gbOurRef->setTitle(OurRef);
}

void TfPrePrint::SetLanguageGroupCaption(const QString& Caption) {
    gbLanguage->setTitle(Caption);
}

void TfPrePrint::SetLanguageButtonCaption(int Button, const QString& Caption) {
    LanguageButtons.at(Button)->setText(Caption);
}

void TfPrePrint::CheckLanguageButton(int Button) {
    // Checked by the logic, not clicked: no click action runs. The buttons share one parent,
    // so the one checked before unchecks itself.
    QRadioButton* button = LanguageButtons.at(Button);
    const QSignalBlocker quiet(button);
    button->setChecked(true);
}

std::optional<int> TfPrePrint::CheckedLanguageButton() const {
    for (int i = 0; i < PrintLanguageButtonCount; ++i) {
        if (LanguageButtons[i]->isChecked())
            return i;
    }
    return std::nullopt;
}

QString TfPrePrint::YourRefText() const {
    return edYourRef->text();
}

void TfPrePrint::SetYourRefText(const QString& Text) {
    edYourRef->setText(Text);
}

QString TfPrePrint::OurRefText() const {
    return edOurRef->text();
}

void TfPrePrint::SetOurRefText(const QString& Text) {
    edOurRef->setText(Text);
}

bool TfPrePrint::ShowModal() {
    edYourComm->clear();
    bbOkPrint->setDefault(true);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted;
}
