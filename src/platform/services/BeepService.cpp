// Tintwell - the system beep.
#include "platform/services/BeepService.h"

#include <QApplication>

void QtBeepService::beep()
{
    QApplication::beep();
}
