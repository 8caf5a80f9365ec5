// The routines of each version label.
#pragma once

#include <QString>
#include <cstdint>

struct RunState;
struct PartValues;

// The 28 labels the version check accepts, in the dispatch's order.
extern const char* const kVersionLabels[28];
bool IsPaddedLayout(const QString& ver);   // "P.66 (Bar)" or "P.68 (Bar)"

// Hands a part to the run's part-update routine: the test stand-in when one
// is set, else the routine of st.strVer.
int16_t UpdatePartByVersion(RunState& st, const PartValues& v);
int16_t AddNewPartsByVersion(RunState& st, int16_t groupNo);

// The part-update routine of a label (after trimming): the one table both
// transfer passes use. Any label the table does not list gets the default.
using UpdatePartRoutine = int16_t (*)(RunState&, const PartValues&);
UpdatePartRoutine UpdateRoutineForLabel(const QString& ver);

// The new-part writer of a label, or nullptr when the table lists none.
using AddNewPartsRoutine = void (*)(RunState&, int16_t);
AddNewPartsRoutine NewPartsWriterForLabel(const QString& ver);
QString NewPartsWriterNameForLabel(const QString& ver);   // empty when none

// The zero-padded table suffix of the brand: Pad2 of lngBrandID under
// "P.66 (Bar)", Pad3 under "P.68 (Bar)". A suffix that comes out empty (a
// BrandID too large for its digits) or negative throws a DbError, so the run
// ends before any statement touches a per-brand table.
QString PaddedSuffix(const RunState& st);
