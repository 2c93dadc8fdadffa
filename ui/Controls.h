#pragma once

#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Makers of the pages' controls. Each gives the control its name as object name, since the
// logic and the tests find controls by the names the pages are described with, and sets the
// properties every control of its kind shares.

QGroupBox* NewGroup(const QString& Name, QWidget* Parent);
// Texts are shown as they stand, never as rich text.
QLabel* NewLabel(const QString& Name, QWidget* Parent);
QRadioButton* NewRadio(const QString& Name, QWidget* Parent);
QLineEdit* NewEntry(const QString& Name, QWidget* Parent);
// A drop-down list the user can pick from but not type into.
QComboBox* NewList(const QString& Name, const QStringList& Items, QWidget* Parent);
QPushButton* NewButton(const QString& Name, QWidget* Parent);

// An input group: the entry and its unit list side by side.
struct TUnitEntry {
    QGroupBox* Group;
    QLineEdit* Entry;
    QComboBox* Units;
};
TUnitEntry NewUnitEntry(const QString& GroupName, const QString& EntryName,
                        const QString& UnitsName, const QStringList& Units, QWidget* Parent);
