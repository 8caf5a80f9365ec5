// The staged-part drain loop that every new-part writer runs, and the small
// description of a version label that it is driven by: how a part is looked
// up, which key is written, and the positional rows of the part table and the
// alternates table as lists of slots.
//
// One turn per staged row of the brand, in one catalogue transaction:
//   1 reconnect and count, 2 take the first staged row, 3 progress,
//   4 begin, 5 the part, 6 its alternates 1..5, 7 the group link or the lone
//   group row, 8 delete the staged row and commit.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/Currency.h"

struct RunState;

namespace newparts {

// One staged row, read by name from PriceList, with the values formed from it.
struct StagedPart {
    QString Kind, PartNO;               // trimmed
    std::array<QString, 5> AKind, AltNO;   // trimmed
    QString EName, TName;               // trimmed; TName after the fallback to EName
    std::array<QString, 12> Model;      // as stored
    QString Description, Import;        // trimmed
    Currency Price, Sale;
    QString DisPrice;                   // trimmed; read only by the labels that write it
    QString ModelList;                  // JoinModels of Model
    QString ThaiNameKey;                // ThaiSortKey of TName (labels with a Thai key)
    QString EFind, TFind;               // name and model list (labels with search texts)
    int16_t SaleDiffers = 0;            // 1 when Price <> Sale
    int32_t DateStamp = 0;              // today's stamp, once per call (labels that write it)
};

// The row being written: the part itself (k = 0) or its alternate k (1..5).
struct RowFor {
    int k = 0;
    int32_t id = 0;
    QString kind, number;
    QString searchKey;   // the label's key of number
    QString fullPartNO;  // kind "-" number, or the number alone
};

// One value of a positional row. Slots marked "main only" are the empty text
// in an alternate's row.
enum class Slot {
    Zero,          // 0
    One,           // 1
    Id,            // PartID, or the alternate's identifier
    Kind,          // 'Kind', or the alternate's kind
    Key,           // 'SearchKey' of the row's number
    Number,        // 'PartNO', or the alternate's number
    AKind1,        // 'AKind_1'       main only
    AltNO1,        // 'AltNO_1'       main only
    Empty,         // ''
    EName,         // 'EName'
    ThaiKey,       // 'ThaiNameKey'
    TName,         // 'TName'
    EFind,         // 'EFind'
    TFind,         // 'TFind'
    Description,   // 'Description'   main only
    Import,        // 'Import'        main only
    ModelList,     // 'ModelList'
    Price,         // the staged Price (also in the alternates' rows)
    Sale,          // the staged Sale
    True,          // the flag True (1 on a SQL Server catalogue)
    False,         // the flag False (0 on a SQL Server catalogue)
    BrandID,       // lngBrandID
    FullPartNO,    // 'FullPartNO' of the row
    DisPrice,      // 'DisPrice'
    DisPriceMain,  // 'DisPrice' in the main row, '' in the alternates' rows
    DisPriceAlt,   // '' in the main row, 'DisPrice' in the alternates' rows
    MainOne,       // 1 in the main row, 0 in the alternates' rows
    AltRank,       // 0 in the main row and alternate 1, 1 for alternates 2 to 5
    SaleDiffers,   // 0 or 1
    DateStamp,     // yyyymmdd, Buddhist era
};
using Slots = std::vector<Slot>;

Slots operator+(Slots a, const Slots& b);
Slots Zeros(int n);
Slots Empties(int n);

enum class LookupBy {
    PartNO,    // Kind and PartNO; alternates by their kind and number alike
    FPartNO,   // Kind and FPartNO; alternates by FPartNO alone
};
enum class KeyBy { MakePartKey, NormalizePartNO };
enum class NamesBy {
    ThaiNameKey,   // ThaiSortKey of TName
    Finds,         // EFind before the TName fallback, TFind after; no Thai key
};

// What a version label's writer does differently. Everything not set here
// is the loop's own. The hooks let the later layouts (zero-padded tables,
// name identifiers, bar codes, car models) run the same loop.
struct Label {
    const char* writer = "";          // procedure name, for error texts
    LookupBy lookup = LookupBy::PartNO;
    KeyBy key = KeyBy::MakePartKey;
    NamesBy names = NamesBy::ThaiNameKey;
    bool readsDisPrice = false;
    bool takesDateStamp = false;
    Slots partRow;                     // Pta<B>, main and alternate forms
    Slots altRow = {Slot::Id, Slot::Kind, Slot::Number, Slot::Price};   // Alt<B>

    // Hooks (all optional).
    std::function<QString(const RunState&)> partTable;    // default "Pta" + B
    std::function<QString(const RunState&)> altTable;     // default "Alt" + B
    std::function<QString(const RunState&)> groupTable;   // default "AltG" + B
    std::function<QString(const RunState&)> counterName; // default "Pta" + B
    // Extra values of a staged row, after the loop's own (step 2).
    std::function<void(RunState&, StagedPart&)> prepare;
    // Replaces the part row and the alternates-table row of a new part or
    // alternate (steps 5b and 6c); row.id is already > 0.
    std::function<void(RunState&, const StagedPart&, const RowFor&)> writeNew;
    // After the group link of step 7, before the staged row is deleted.
    std::function<void(RunState&, const StagedPart&, int32_t partId)> afterGroup;
    // Replaces the txtPartNO line of a staged row (step 3).
    std::function<QString(const StagedPart&)> partLine;
    // Replaces the lookup of the part (k = 0) or of its alternate k (1..5)
    // (steps 5 and 6); default LookupStatement.
    std::function<QString(const RunState&, const StagedPart&, int k)> lookupFor;
    // Whether alternate k (1..5) is taken (step 6); default: a number that is
    // not blank, not the part's own and, under LookupBy::FPartNO, with a
    // search form of its own.
    std::function<bool(const StagedPart&, int k)> takesAlternate;
    // Replaces the lone group row of step 7; default
    // "Insert Into <group table> Values( 0, <PartID>, 0 )".
    std::function<QString(const RunState&, int32_t partId)> loneGroupRow;
};

// Runs the drain for the label; groupNo only shows in the status line.
void DrainStagedParts(RunState& st, int16_t groupNo, const Label& label);

// Statement texts of one row (exposed for the writers' hooks and tests).
QString RenderValues(const RunState& st, const Slots& values, const StagedPart& p, const RowFor& r);
QString LookupStatement(const RunState& st, const Label& label, const QString& kind,
                        const QString& number, bool isAlternate);
QString FullPartNumber(const QString& kind, const QString& number);

// The status line of the drain.
QString NewPartsProgress(const QString& brandCode, int16_t groupNo, int64_t total, int64_t done);

}   // namespace newparts
