// Tintwell - the current date, as far as the program needs it.
#include "platform/services/Clock.h"

#include <QDate>

int SystemClock::currentYear() const
{
    return QDate::currentDate().year();
}
