#include "pages/service/ServiceEntry.h"

#include "core/EngineState.h"
#include "core/MessageService.h"
#include "pages/service/ServiceView.h"
#include "settings/ServiceMargins.h"

#include <QString>

TServiceEntry::TServiceEntry(TServiceView& View, TStoredValues& Settings)
    : View(View), Settings(Settings) {}

void TServiceEntry::Image2MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers) {
    if (Button != Qt::RightButton || !Modifiers.testFlag(Qt::ControlModifier))
        return;
    const QString expected = EngineState().USVersionFLG ? QStringLiteral("ZK_735184_US")
                                                        : QStringLiteral("ZK_735184_EU");
    QString password;
    while (true) {
        if (!View.ExecutePasswordDialog(password))
            return;
        if (password == expected)
            break;
        if (!Messages().YesNo(QStringLiteral("Wrong password! Will you try again?")))
            return;
    }
    if (View.ExecuteMarginsDialog())
        StoreServiceMargins(Settings);
}
