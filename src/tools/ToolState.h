// The window arrays that the price-list preparation tools share, beside the
// run state: the table numbers of the import and previous-list families, the
// in-memory copy of one table's rows, and the two work lists of the build.
//
// Tools that use these arrays take (RunState&, ToolArrays&); the caller keeps
// one ToolArrays for the window's lifetime, as the arrays stay filled after a
// tool ends. GroupNos and GroupNoCount stay in RunState (the update run's
// passes share them).
//
// Shared by both halves of the tools: add members only at the end of a
// struct, never reorder or rename.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "common/Currency.h"

struct RunState;

// One row of a price-list table as a tool holds it. Each tool fills only the
// fields it reads; a new record holds 0 and empty texts.
struct ListRow {
    int32_t ID = 0;
    QString Kind;
    QString PartNO;
    QString PartNew;
    QString FPartNew;
    std::array<QString, 5> AKind;   // AKind_1 ... AKind_5
    std::array<QString, 5> AltNO;   // AltNO_1 ... AltNO_5
    QString EName;
    QString TName;
    QString ModelList;          // a joined model list
    std::array<QString, 12> Model;  // Model_1 ... Model_12
    QString Description;
    QString Import;
    Currency Price;
    QString DisPrice;
    Currency Sale;
};

// A (Kind, FPartNew) key of the working table.
struct DistinctKey {
    QString Kind;
    QString FPartNew;
};

// A row of the working table as the duplicate removal compares it.
struct PriceKeyRow {
    QString Kind;
    QString FPartNew;
    Currency Price;
};

struct ToolArrays {
    // Numbers read from PriceNew_Count.
    std::vector<int16_t> NewGroupNos;
    int32_t NewGroupNoCount = 0;
    // Numbers read from PriceLast_Count.
    std::vector<int16_t> LastGroupNos;
    int32_t LastGroupNoCount = 0;
    // One table's rows.
    std::vector<ListRow> ListRows;
    int32_t ListRowCount = 0;
    // The build's distinct keys and price rows.
    std::vector<DistinctKey> DistinctKeys;
    int32_t DistinctKeyCount = 0;
    std::vector<PriceKeyRow> PriceRows;
    int32_t PriceRowCount = 0;   // upper bound
};

// Reads a table list ("Select Count From <listTable> Order By Count") into
// rsWork1 on cnPriceList. When the list has rows, count becomes its row count
// and nos is re-created with slots 0 ... count (the last slot 0) holding the
// numbers in the order read, each converted to a 16-bit integer (a value out
// of range or not a number is an error). An empty list leaves nos and count
// as they were. rsWork1 is closed afterwards. True when the list had rows.
bool ReadTableList(RunState& st, const QString& listTable, std::vector<int16_t>& nos,
                   int32_t& count);
