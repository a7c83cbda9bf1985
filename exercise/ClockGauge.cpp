#include "exercise/ClockGauge.h"
#include "exercise/Gauge.h"

QString clockCaption(qint64 elapsedSeconds)
{
    return QStringLiteral("%1:%2:%3").arg(elapsedSeconds / 3600).arg(elapsedSeconds / 60 % 60).arg(elapsedSeconds % 60);
}

int speedBarTwips(qint32 rightCount, qint32 elapsedSeconds, int level)
{
    const qint32 product = rightCount * GaugeFullTwips;   // at most 32,767 x 4000: fits
    return static_cast<int>(double(product) / elapsedSeconds / level);
}
