// The one road every part-update routine of the plain per-brand layout
// (Pta<BrandID>, Alt<BrandID>) follows, and the small description that sets
// one version label's routine apart from the others.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct RunState;
struct PartValues;
struct PartHit;

struct PlainUpdateLayout {
    // Which column of Pta<BrandID> the part is matched on: FPartNO with the
    // part number's search form, or PartNO with the trimmed number.
    enum class Match { FPartNO, PartNO };
    // How the names are written into Pta<BrandID>: with their search texts
    // (EFind, TFind), or the English name alone and the Thai name with its
    // sort key (IndTName).
    enum class Names { SearchTexts, SortKey };
    // When the list's discount price is written into matched rows.
    enum class DisPrice { Never, Always, DiscountLabels };

    const char* routine;       // the entry point's name, for error texts
    Match match;
    Names names;
    DisPrice disPrice;
    const char* priceColumn;   // Price1 or Price
    const char* saleColumn;    // Sale1 or Sale
};

namespace UpdateLayouts {
extern const PlainUpdateLayout P45Bar;    // "P.45 (Bar)"
extern const PlainUpdateLayout P64Bar;    // "P.64 (Bar)", "P.65 (Bar)"
extern const PlainUpdateLayout P48Bar;    // "P.48 (Bar)", "P.49 (Bar)"
extern const PlainUpdateLayout Default;   // every other plain label
}

// The labels under which the default routine writes the discount price.
bool WritesDiscountPrice(const QString& ver);

// How many times in all a write is tried before its read-back gives up.
constexpr int kUpdateAttempts = 3;

// The pieces both layouts' routines share.
namespace UpdateRoad {
// The part as error texts name it: "<Kind>-<PartNO>", or the number alone.
QString PartName(const PartValues& v);
// Sends sql to the catalogue through strSQL.
void Exec(RunState& st, const QString& sql);
// Opens sql in rsWork3 and tells whether it has a row; rsWork3 is closed again.
bool ReadBack(RunState& st, const QString& sql);
// Stages the part in PriceList for the new-part writer and reads the row
// back; a row that never shows ends with db::DbError after kUpdateAttempts
// tries, naming the routine and the part.
void StagePart(RunState& st, const PartValues& v, const char* routine);
// Looks the part up (lookupSql, UpRec and PartID): a part the catalogue
// lacks is staged (StagePart) and gives no hit; a found one's rows are
// counted (countSql, a Rec_Count), collected into PartHits and returned.
std::vector<PartHit> FindOrStage(RunState& st, const PartValues& v, const char* routine,
                                 const QString& lookupSql, const QString& countSql);
}   // namespace UpdateRoad

// Updates the part's catalogue rows (or stages the part when there are
// none) as the layout describes; always 0. A part number that is blank
// (or whose search key is empty) is passed over without any statement.
// A write whose read-back never shows it ends with db::DbError after
// kUpdateAttempts tries, naming the part and table.
int16_t UpdatePartPlain(RunState& st, const PartValues& v, const PlainUpdateLayout& layout);
