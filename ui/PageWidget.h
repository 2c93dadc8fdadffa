#pragma once

#include <QWidget>

// A page of the main window's page control. The page control sizes itself by every page, and
// measuring a page means laying out all its texts; a page that is not shown asks for no room,
// so only the page on screen is measured. Its own layout still keeps it from being squeezed.
class TPageWidget : public QWidget {
public:
    using QWidget::QWidget;

    QSize sizeHint() const override { return isVisible() ? QWidget::sizeHint() : QSize(); }
    QSize minimumSizeHint() const override {
        return isVisible() ? QWidget::minimumSizeHint() : QSize();
    }
};
