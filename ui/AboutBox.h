#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TLanguage;

// The small modal box with the product name, the version and the maker's ownership notice in
// the current language.
class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* Parent);

    // Fills the box for the current language of `TheLanguage`. It loads the about texts into
    // the store and leaves them loaded.
    void PrepareToShow(TLanguage& TheLanguage);

    // Prepares the box, shows it in the middle of the screen and waits until it is closed.
    void ShowModal(TLanguage& TheLanguage);

    QFrame* plAbout;
    QLabel* ProgramIcon;
    QLabel* lbAboutProductName;
    QLabel* lbAboutVersion;
    QLabel* lbAboutCopyright;
    QLabel* lbAboutComments1;
    QLabel* lbAboutComments2;
    QPushButton* OKButton;
};
