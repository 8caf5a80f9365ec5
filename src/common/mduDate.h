// Date procedures: the Thai (Buddhist-era) date text and the numeric date
// stamp yyyymmdd. Stateless.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

int16_t GetDayPart(const QString& dateText);
int16_t GetMonthPart(const QString& dateText);
int16_t GetYearPart(const QString& dateText);
QString ThaiDateText(const QDate& date);
int32_t DateKey(const QString& dateText);
