// The values the zero-padded layout ("P.66 (Bar)", "P.68 (Bar)") forms from
// one staged row: the part-number keys, the cleaned names and models, and the
// name identifiers that every new part of the staged row carries.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct RunState;

namespace newparts {

// The key of a part number and its kind: CleanKey(CleanText(number)), and
// when the kind is not blank "-" and CleanKey(CleanText(kind)) behind it.
QString PaddedPartKey(const QString& number, const QString& kind);

// A cleaned text cut to its first 30 characters (the models of this layout).
QString CleanCut30(const QString& s);

// The first character of the Thai sort form of a trimmed name ("" when blank).
QString FirstNameChar(const QString& name);

struct PaddedRow {
    QString partKey;
    std::array<QString, 5> altKey;      // for all five slots, whatever they hold
    std::array<QString, 5> altNumber;   // the cleaned alternate numbers
    QString eName, tName;               // cleaned; tName falls back to eName
    std::array<QString, 12> model;      // cleaned, at most 30 characters each

    // The name identifiers, made at most once per staged row, at its first
    // new identifier.
    bool namesMade = false;
    int32_t eNameId = 0, tNameId = 0;
    QString chrEName, chrTName;
};

// The name identifiers of the row: found in the brand's part table
// Pta_<suffix> by FEName / FTName, or drawn from "ENameID" / "TNameID".
// A blank name has 0 and no first character. A draw that gives no number is
// an error (nothing is written under identifier 0).
void MakeNameIds(RunState& st, PaddedRow& row, const QString& suffix);

}   // namespace newparts
