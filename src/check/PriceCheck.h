// The price check passes: collect what still differs into PriceListAll, and
// list what still differs in the result grid.
//
// Both passes walk every PriceList_<n> of the price list, look each part up
// in the brand's part table and take the same decision; the first check
// copies the row into PriceListAll, the final report writes a grid row.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "common/Currency.h"
#include "transfer/PartValues.h"

struct RunState;
namespace db { class Recordset; }

void CheckPricesByVersion(RunState& st);
void ReportPricesByVersion(RunState& st);

// The passes themselves; the two entries above pick one by version label.
void CheckPrices(RunState& st);
void CheckPricesPadded(RunState& st);
void ReportPrices(RunState& st);
void ReportPricesPadded(RunState& st);

namespace pricecheck {

// One row of a group table, every text trimmed as read, Sale as listed.
struct ListRow : PartValues {
    QString PartNew, FPartNew;
};

// Reads the current row of rs (a group table or PriceListAll) by name.
ListRow ReadListRow(const db::Recordset& rs);

// How a label finds a part and which price columns it reads.
enum class KeyKind {
    PartNO,      // Kind and PartNO as listed
    FPartNO,     // Kind and NormalizePartNO(PartNO)
    CleanKey,    // FPartNO = CleanKey(CleanText(PartNO) & CleanText(Kind)), padded tables
};

struct Layout {
    QString table;       // "Pta7", "Pta_07", "Pta_007"
    QString columns;     // "Price, Sale " or "Price1, Sale1 "
    QString priceColumn;
    QString saleColumn;
    KeyKind key = KeyKind::PartNO;
};

Layout PlainLayout(const RunState& st);    // Pta<BrandID>
Layout PaddedLayout(const RunState& st);   // Pta_<nn> / Pta_<nnn>

// Whether the row is looked up at all. A number blank after trimming
// (PartNO), or without a search form of its own (FPartNO; CleanKey whatever
// the kind), would match a catalogue row of another part: such a row counts
// as a part the catalogue lacks.
bool HasLookupKey(const Layout& layout, const ListRow& r);

// The price lookup of one row.
QString LookupStatement(const Layout& layout, const ListRow& r);

// What the passes make of one row.
enum class Verdict {
    Skip,          // not copied, not listed
    Missing,       // the catalogue lacks the part
    PriceDiffers,  // the catalogue's price differs from a non-zero list price
    SaleDiffers,   // prices agree, the catalogue's sale price differs from a non-zero list sale
};

// found: the lookup gave a row; catalogPrice/catalogSale: its values.
Verdict Decide(Currency listPrice, Currency listSale, bool found, Currency catalogPrice,
               Currency catalogSale);

// The 33 values of the row as written into PriceListAll.
QString InsertStatement(const ListRow& r);
QString RecheckStatement(const ListRow& r);

// The seven cell texts (columns 1 to 7) of a listed part.
std::array<QString, 7> GridCells(int rowNo, Verdict v, const ListRow& r, const QString& modelList,
                                 Currency catalogPrice, Currency catalogSale);

// How many inserts of one row into PriceListAll are tried in all before
// the run gives up on it.
constexpr int kMaxInserts = 3;

}   // namespace pricecheck
