// The row steps both transfer passes share: reading one price-list row into
// part values, the model list, the two progress lines, and the hand-over to
// the part-update routine.
#pragma once

#include <QString>
#include <cstdint>

#include "transfer/PartValues.h"

struct RunState;
namespace db { class Recordset; }

// How a pass reads its rows.
struct TransferRowShape {
    bool withAlternates = false;   // AKind_1 ... AltNO_5 are read and packed
    bool partFromPartNew = false;  // the part number comes from PartNew
};

// Reads the list's own values of the current row of rs into v: every text
// trimmed, Price and Sale as currency as listed, the alternates (when read)
// left in place. A Null in any column read is an error. The part number is
// read from partColumn (PartNew for BENZ in the groups); the other of the two
// is not read.
void ReadListValues(const db::Recordset& rs, PartValues& v, bool withAlternates,
                    const QString& partColumn = QStringLiteral("PartNO"));

// Reads the current row of rs: every text trimmed, Price and Sale as
// currency, and Sale replaced by Price when it is 0. A Null in any column
// read is an error. The alternates (when read) are packed to the front.
PartValues ReadTransferRow(const db::Recordset& rs, const TransferRowShape& shape, int32_t dateStamp);

// Moves the non-blank alternate numbers to pairs 1, 2, ... in their order.
void PackAlternates(PartValues& v);

// Kind & "-" & number & " - " & name & "   " & models, without the kind and
// "-" when the kind is blank; the name is TName, or EName when TName is blank.
QString PartLineText(const PartValues& v, const QString& modelList);

// One row of a pass: counts it, writes the status line (group text "3" or
// "All") and the part line, yields, and hands the part over. A part whose
// number is blank is not handed over (its lookup would match every catalogue
// row without a number); the row still counts, and its alternates with a
// number of their own are still handed over.
void TransferOneRow(RunState& st, const PartValues& v, const QString& group, int64_t total, int64_t& done);
