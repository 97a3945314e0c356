#include "Guarded.h"

#include "Dialogs.h"
#include "VorzoError.h"

#include <QString>
#include <exception>

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const VorzoError &e) {
        dialogs().error(errorBoxText(e.message()));
    } catch (const std::exception &e) {
        dialogs().error(errorBoxText(QString::fromLocal8Bit(e.what())));
    }
}
