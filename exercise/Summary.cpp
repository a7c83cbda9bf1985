#include "exercise/Summary.h"
#include "platform/ProgramInfo.h"
#include <cmath>

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QString formatFixed2(double value, const QLocale& locale)
{
    // Rounds the decimal reading (1.005 gives 1.01) as someone checking by hand would;
    // QLocale alone rounds the binary value, 1.00499..., down.
    const QString exact = QString::number(std::fabs(value), 'f', 9);
    const qsizetype point = exact.indexOf(u'.');
    qint64 hundredths = exact.left(point).toLongLong() * 100 + exact.mid(point + 1, 2).toInt();
    if (exact.at(point + 3) >= u'5')
        ++hundredths;
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString((value < 0 ? -hundredths : hundredths) / 100.0, 'f', 2);
}

QString formatPercent2(double value, const QLocale& locale)
{
    return formatFixed2(value * 100.0, locale) + u'%';
}

MessageBoxText summaryFor(const ExerciseState& s, const QLocale& locale)
{
    if (s.CharCount <= 0)
        return {QStringLiteral("文字檔中沒有打字字元!!") + CrLf + QStringLiteral("請編輯kmora.txt。"), programTitle(),
                MessageStyle::Exclamation};

    const bool interrupted = s.TypedChar == InterruptKey;
    const qint64 keys = qint64(s.RightCount) + s.WrongCount;
    const QString headline = interrupted ? QStringLiteral("您中斷了打字練習!!") : QStringLiteral("恭喜您打完本段文字!!");
    // Below these a speed would be meaningless or a division by zero.
    const int shortestMeasured = interrupted ? 21 : 1;
    if (keys < 1 || s.ElapsedSeconds < shortestMeasured)
        return {headline, programTitle(), MessageStyle::Information};

    const QString speed = formatFixed2(double(s.RightCount) / s.ElapsedSeconds, locale);
    const QString accuracy = formatPercent2(double(s.RightCount) / double(keys), locale);
    const QString speedLine = interrupted ? QStringLiteral("您中斷時的速度是每秒") : QStringLiteral("您的速度是每秒");
    return {headline + CrLf + speedLine + speed + QStringLiteral("個字元") + CrLf + QStringLiteral("按鍵的正確率為")
                + accuracy,
            programTitle(), MessageStyle::Information};
}
