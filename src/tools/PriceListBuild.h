// The price-list build: the numbered import tables PriceNew_<n> become the
// group tables PriceList_<n> through the working table PriceList of the
// price-list database. Everything runs on cnPriceList, which the caller has
// opened; no error is caught and no transaction is used.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "tools/ToolState.h"

struct RunState;
namespace db {
class Recordset;
}

// The whole build: empties the working table and the listed groups, cleans
// and converts each listed import table, removes cheaper duplicates and moves
// the rows into groups of 10,000. Rows that need a group PriceList_Count does
// not list end the build before any row moves.
void BuildPriceList(RunState& st, ToolArrays& arr);

// Empties every group table listed in PriceList_Count (and refills GroupNos
// and GroupNoCount when the list has rows); nothing else changes.
void ClearPriceListGroups(RunState& st);

// The build's steps, each as BuildPriceList runs it.
// The 68 clean-up statements of import table n, in the order they run.
QStringList ImportCleanUpStatements(int16_t n);
// Converts every row of PriceNew_<n> into the working table.
void ConvertImportTable(RunState& st, int16_t n);
// Deletes the rows that share Kind and FPartNew with a dearer row.
void RemoveCheaperDuplicates(RunState& st, ToolArrays& arr);
// Moves the working table's rows, in PartNO order, into the groups. Before
// the first row moves, every group the rows fill must be among `listed` (the
// numbers of PriceList_Count); otherwise an error names the first group
// missing and the working table stays as it is.
void MoveRowsIntoGroups(RunState& st, ToolArrays& arr, const std::vector<int16_t>& listed);

// Group of the row at index i of the PartNO order: 1 + i div 10,000 below
// 500,000, group 51 for every later row.
int16_t GroupOfRow(int32_t i);

// "Values( '<Kind>', ... '<Import>', <Price>, '<DisPrice>', <Sale> )": the 33
// values of a group row in kGroupRowColumns order, texts quoted as they stand.
QString GroupRowValues(const ListRow& r);

// The row line of txtPartNO: "<Kind>-<PartNO>  <TName>  <models>", the kind
// and "-" only when the kind is not blank.
QString RowLine(const QString& kind, const QString& partNo, const QString& tName,
                const QString& modelList);

// How often a write that is checked by a select is made before the tool
// gives up with an error naming the row and the table.
constexpr int kMaxCheckedWrites = 3;

// Shared by the build and the merges of a newer list.
// The 33 columns of a group row and the 31 columns of an import row, in
// table order, as select lists.
extern const QString kGroupRowColumns;
extern const QString kImportRowColumns;
// "<task>  (<left>)  <percent> %"
QString StepText(const QString& task, int64_t total, int64_t done);
// "Where [Kind = '<kind>' And ]<column> = '<value>'", kind and value trimmed
// and quoted; the kind only when it is not blank.
QString KeyWhere(const QString& kind, const QString& column, const QString& value);
// The error of a checked write whose select, strSQL, found no row of r in
// `table` after the last allowed write.
[[noreturn]] void NotWritten(const RunState& st, const ListRow& r, const QString& table);
// True when strSQL, opened into rsWork3, finds a row; rsWork3 is closed.
bool FoundInWork3(RunState& st);
// Reads the current row of rs into r as stored: the kImportRowColumns, and
// PartNew and FPartNew when withKeys.
void ReadListRow(const db::Recordset& rs, ListRow& r, bool withKeys);
// Opens strSQL into rsWork1 and reads every row into ListRows (slots 0 ...
// count, the last one empty); ListRowCount takes the reported row count.
// `each` runs after each row is read. rsWork1 is closed afterwards.
void LoadListRows(RunState& st, ToolArrays& arr, bool withKeys, const std::function<void(ListRow&)>& each);
