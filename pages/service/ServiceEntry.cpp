#include "pages/service/ServiceEntry.h"

#include "core/MessageService.h"
#include "pages/service/ServiceView.h"
#include "settings/ServiceMargins.h"

#include <QString>

TServiceEntry::TServiceEntry(TServiceView& View, TStoredValues& Settings, TMessageService& Messages,
                             TServiceMargins& Margins, TEdition Edition)
    : View(View), Settings(Settings), Messages(Messages), Margins(Margins), Edition(Edition) {}

bool TServiceEntry::Image2MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers) {
    if (Button != Qt::RightButton || !Modifiers.testFlag(Qt::ControlModifier))
        return false;
    const QString expected =
        Edition == TEdition::US ? QStringLiteral("ZK_735184_US") : QStringLiteral("ZK_735184_EU");
    QString password;
    while (true) {
        if (!View.ExecutePasswordDialog(password))
            return false;
        if (password == expected)
            break;
        if (!Messages.YesNo(QStringLiteral("Wrong password! Will you try again?")))
            return false;
    }
    const TServiceMargins before = Margins;
    if (!View.ExecuteMarginsDialog(Margins))
        return false;
    StoreServiceMargins(Settings, Margins);
    return Margins != before;
}
