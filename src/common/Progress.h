// The status line of a pass over rows:
//   <task><brand>_<group>  (<rows left>)  <percent> %
// e.g. "กำลังย้ายข้อมูล  UD_3  (2)  33 %". Percent is the integer part of
// done * 100 / total, in 64 bits; a total of 0 shows 0.
#pragma once

#include <QString>
#include <cstdint>

inline int64_t ProgressPercent(int64_t done, int64_t total)
{
    return total > 0 ? (done * 100) / total : 0;
}

inline QString ProgressText(const QString& task, const QString& brandCode, const QString& group,
                            int64_t total, int64_t done)
{
    return task + brandCode + QStringLiteral("_") + group + QStringLiteral("  (") +
           QString::number(total - done) + QStringLiteral(")  ") +
           QString::number(ProgressPercent(done, total)) + QStringLiteral(" %");
}
