#include "pages/service/ServiceEntry.h"

#include "core/EngineState.h"
#include "core/MessageService.h"
#include "pages/service/ServiceView.h"
#include "settings/ServiceMargins.h"

#include <QString>

#include <utility>

TServiceEntry::TServiceEntry(TServiceView& View, TStoredValues& Settings)
    : View(View), Settings(Settings) {}

bool TServiceEntry::Image2MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers) {
    if (Button != Qt::RightButton || !Modifiers.testFlag(Qt::ControlModifier))
        return false;
    const QString expected = EngineState().USVersionFLG ? QStringLiteral("ZK_735184_US")
                                                        : QStringLiteral("ZK_735184_EU");
    QString password;
    while (true) {
        if (!View.ExecutePasswordDialog(password))
            return false;
        if (password == expected)
            break;
        if (!Messages().YesNo(QStringLiteral("Wrong password! Will you try again?")))
            return false;
    }
    const TEngineState& s = EngineState();
    const std::pair before{s.OutputOilAirDev, s.OilMaxOilDev};
    if (!View.ExecuteMarginsDialog())
        return false;
    StoreServiceMargins(Settings);
    return std::pair{s.OutputOilAirDev, s.OilMaxOilDev} != before;
}
