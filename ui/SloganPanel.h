#pragma once

#include <QFrame>

// The decorative panel with the maker's slogan at the lower right of every page, drawn flat,
// without a bevel.
class TSloganPanel : public QFrame {
public:
    explicit TSloganPanel(const QString& Name, QWidget* Parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
};
