#pragma once

#include <QWidget>

// A page of the main window's page control. The page control sizes itself by every page, and
// measuring a page means laying out all its texts; a page that is not shown asks for no room,
// so only the page on screen is measured. Its minimum size is always its layout's: the page's
// scroll area keeps it from being squeezed below that and scrolls instead.
class TPageWidget : public QWidget {
public:
    using QWidget::QWidget;

    QSize sizeHint() const override { return isVisible() ? QWidget::sizeHint() : QSize(); }
};
