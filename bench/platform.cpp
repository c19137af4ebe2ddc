#include "bench/platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace bench {

void UseOffscreenScreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + OSTRAVANE_BENCH_OFFSCREEN_CONFIG);
}

} // namespace bench
