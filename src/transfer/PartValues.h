// The values of one price-list part, texts trimmed. As the transfer passes
// hand them to a part-update routine, Sale is already replaced by Price when
// the list's sale price is 0.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "common/Currency.h"

struct PartValues {
    QString Kind;
    QString PartNO;
    std::array<QString, 5> AKind;    // AKind_1 ... AKind_5
    std::array<QString, 5> AltNO;    // AltNO_1 ... AltNO_5
    QString EName;
    QString TName;
    std::array<QString, 12> Model;   // Model_1 ... Model_12
    QString Description;
    QString Import;
    Currency Price;
    QString DisPrice;
    Currency Sale;
    int32_t DateStamp = 0;
};
