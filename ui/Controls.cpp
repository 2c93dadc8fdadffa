#include "ui/Controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename T> T* Named(const QString& Name, QWidget* Parent) {
    auto* control = new T(Parent);
    control->setObjectName(Name);
    return control;
}
} // namespace

QGroupBox* NewGroup(const QString& Name, QWidget* Parent) {
    return Named<QGroupBox>(Name, Parent);
}

QLabel* NewLabel(const QString& Name, QWidget* Parent) {
    auto* label = Named<QLabel>(Name, Parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QRadioButton* NewRadio(const QString& Name, QWidget* Parent) {
    return Named<QRadioButton>(Name, Parent);
}

QLineEdit* NewEntry(const QString& Name, QWidget* Parent) {
    return Named<QLineEdit>(Name, Parent);
}

QComboBox* NewList(const QString& Name, const QStringList& Items, QWidget* Parent) {
    auto* list = Named<QComboBox>(Name, Parent);
    list->setEditable(false);
    list->addItems(Items);
    return list;
}

QPushButton* NewButton(const QString& Name, QWidget* Parent) {
    return Named<QPushButton>(Name, Parent);
}

TUnitEntry NewUnitEntry(const QString& GroupName, const QString& EntryName,
                        const QString& UnitsName, const QStringList& Units, QWidget* Parent) {
    TUnitEntry input{NewGroup(GroupName, Parent), nullptr, nullptr};
    input.Entry = NewEntry(EntryName, input.Group);
    input.Units = NewList(UnitsName, Units, input.Group);
    input.Entry->setAlignment(Qt::AlignRight);
    input.Entry->setMinimumWidth(100);
    input.Units->setMinimumWidth(92);
    auto* row = new QHBoxLayout(input.Group);
    row->addWidget(input.Entry, 3);
    row->addWidget(input.Units, 2);
    return input;
}
