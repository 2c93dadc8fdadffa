#include "ui/MenuCaptions.h"

#include "texts/MenuHotkey.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

void SetCaptionAmong(const QString& Text, const QList<QAction*>& Items, int Index) {
    QStringList siblings;
    for (int i = 0; i < Items.size(); ++i)
        if (i != Index)
            siblings.append(Items[i]->text());
    Items[Index]->setText(CaptionWithHotkey(Text, siblings));
}

} // namespace

void SetMenuCaptionWithHotkey(const QString& Text, QMenu* Menu, int Index) {
    SetCaptionAmong(Text, Menu->actions(), Index);
}

void SetMainMenuCaptionWithHotkey(const QString& Text, QMenuBar* MainMenu, int Count, int Index) {
    SetCaptionAmong(Text, MainMenu->actions().first(Count), Index);
}
