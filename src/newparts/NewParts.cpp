// The new-part writers of the plain layout: one description per version
// label, all run by the one drain loop.
#include "newparts/NewParts.h"

#include "app/RunState.h"
#include "newparts/DrainLoop.h"

using namespace newparts;

namespace {

using S = Slot;

// Positions 1 to 11 of the part rows that open with the identifier's zero.
const Slots kHead = {S::Zero, S::Id, S::Kind, S::Key, S::Number, S::AKind1, S::AltNO1, S::Empty,
                     S::EName, S::ThaiKey, S::TName};
// The common end behind the flags: '', five zeros, BrandID, two zeros,
// FullPartNO, seven zeros.
const Slots kTail = Slots{S::Empty} + Zeros(5) + Slots{S::BrandID, S::Zero, S::Zero, S::FullPartNO} + Zeros(7);
// Description, ModelList, '', Import, '', Price.
const Slots kTexts = {S::Description, S::ModelList, S::Empty, S::Import, S::Empty, S::Price};

Label earlier(const char* writer, Slots middle)
{
    Label l;
    l.writer = writer;
    l.partRow = kHead + kTexts + middle + kTail;
    return l;
}

// The later labels that find a part by its kind and FPartNO, and its
// alternates by FPartNO alone.
Label byFPartNO(const char* writer, Slots partRow)
{
    Label l;
    l.writer = writer;
    l.lookup = LookupBy::FPartNO;
    l.partRow = std::move(partRow);
    return l;
}

// "P.48 (Bar)" and "P.49 (Bar)": found by FPartNO with the separator-free
// key, the discount text read, and the number twice in positions 5 and 6 of
// the part row: the first value, then kNumberTwice, then the rest.
const Slots kNumberTwice = {S::Id, S::Kind, S::Key, S::Number, S::Number, S::AKind1, S::AltNO1, S::Empty,
                            S::EName, S::ThaiKey, S::TName, S::Description, S::ModelList, S::Empty, S::Import};

Label numberTwice(const char* writer, Slot first, const Slots& rest)
{
    Label l = byFPartNO(writer, Slots{first} + kNumberTwice + rest);
    l.key = KeyBy::NormalizePartNO;
    l.readsDisPrice = true;
    return l;
}

}   // namespace

// "V.31", "V.32", "V.41", "V.51", "V.61", "P.42": 39 values.
void AddNewPartsV31(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsV31", {S::Zero, S::Sale, S::Zero, S::True, S::False});
    DrainStagedParts(st, groupNo, l);
}

// "Ver 3.1 SQL": the rows of "V.31" with the flags always 1 and 0.
void AddNewPartsSql31(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsSql31", {S::Zero, S::Sale, S::Zero, S::One, S::Zero});
    DrainStagedParts(st, groupNo, l);
}

// "V.33": a third flag, False: 40 values.
void AddNewPartsV33(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsV33", {S::Zero, S::Sale, S::Zero, S::True, S::False, S::False});
    DrainStagedParts(st, groupNo, l);
}

// "V.34": no flags; 1 in the main row only, then whether the sale price
// differs from the price: 42 values.
void AddNewPartsV34(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsV34", Slots{S::Zero, S::Sale} + Zeros(4) + Slots{S::MainOne, S::SaleDiffers});
    DrainStagedParts(st, groupNo, l);
}

// "V.42": three zeros behind the sale price: 41 values.
void AddNewPartsV42(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsV42", Slots{S::Zero, S::Sale} + Zeros(3) + Slots{S::True, S::False});
    DrainStagedParts(st, groupNo, l);
}

// "V.43": four zeros behind the sale price: 42 values.
void AddNewPartsV43(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsV43", Slots{S::Zero, S::Sale} + Zeros(4) + Slots{S::True, S::False});
    DrainStagedParts(st, groupNo, l);
}

// "V.45": the description behind the model list, one more '': 40 values.
void AddNewPartsV45(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l;
        l.writer = "AddNewPartsV45";
        l.partRow = kHead +
                    Slots{S::Empty, S::ModelList, S::Description, S::Empty, S::Import, S::Empty, S::Price, S::Zero,
                          S::Sale, S::Zero, S::True, S::False} +
                    kTail;
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}

// "V.46 (Bar)": one more '' behind the flags and the date stamp last: 41.
void AddNewPartsV46Bar(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l = earlier("AddNewPartsV46Bar", {S::Zero, S::Sale, S::Zero, S::True, S::False, S::Empty});
        l.partRow = l.partRow + Slots{S::DateStamp};
        l.takesDateStamp = true;
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}

// "P.43": three zeros behind the price and three behind the sale: 43.
void AddNewPartsP43(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsP43", Zeros(3) + Slots{S::Sale} + Zeros(3) + Slots{S::True, S::False});
    DrainStagedParts(st, groupNo, l);
}

// "P.44 (Bar)": one zero behind the price and four behind the sale: 42.
void AddNewPartsP44Bar(RunState& st, int16_t groupNo)
{
    static const Label l = earlier("AddNewPartsP44Bar", Slots{S::Zero, S::Sale} + Zeros(4) + Slots{S::True, S::False});
    DrainStagedParts(st, groupNo, l);
}

// The later plain-layout versions ------------------------------------------

// "P.46 (Bar)", "P.47001 (Bar)", "P.62 (Bar)", "D.47 (Bar)": the "P.44 (Bar)"
// row with the discount text between the prices and '' behind the sale: 42.
void AddNewPartsP46Bar(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l = earlier("AddNewPartsP46Bar", Slots{S::DisPrice, S::Sale, S::Empty} + Zeros(3) + Slots{S::True, S::False});
        l.readsDisPrice = true;
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}

// "P.61 (Bar)": the "P.46 (Bar)" row with the separator-free key and the
// flags as the digits 1 and 0: 42.
void AddNewPartsP61Bar(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l = earlier("AddNewPartsP61Bar", Slots{S::DisPrice, S::Sale, S::Empty} + Zeros(3) + Slots{S::One, S::Zero});
        l.readsDisPrice = true;
        l.key = KeyBy::NormalizePartNO;
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}

// "P.45 (Bar)": found by FPartNO; the number again at 9, prices four apart,
// no flags: 47.
void AddNewPartsP45Bar(RunState& st, int16_t groupNo)
{
    static const Label l = byFPartNO(
        "AddNewPartsP45Bar",
        Slots{S::Zero, S::Id, S::Kind, S::Key, S::Number, S::AKind1, S::AltNO1, S::Empty, S::Number, S::EName,
              S::ThaiKey, S::TName, S::Description, S::ModelList, S::Empty, S::Import, S::Price, S::Zero, S::Zero,
              S::Zero, S::Sale} +
            Zeros(6) + Empties(4) + Zeros(5) + Slots{S::BrandID, S::Zero, S::Zero, S::FullPartNO} + Zeros(7));
    DrainStagedParts(st, groupNo, l);
}

// "P.48 (Bar)": found by FPartNO, the number twice, the discount text before
// the price in the main row and behind it in the alternates' rows: 43.
void AddNewPartsP48Bar(RunState& st, int16_t groupNo)
{
    static const Label l = numberTwice("AddNewPartsP48Bar", S::Zero,
                                       Slots{S::DisPriceMain, S::Price, S::DisPriceAlt, S::Sale, S::Empty, S::Zero,
                                             S::Zero, S::Zero, S::True, S::False} +
                                           kTail);
    DrainStagedParts(st, groupNo, l);
}

// "P.49 (Bar)": found by FPartNO, 27 values opening with 0 (1 for the
// alternates 2 to 5), and six-value alternates-table rows with both prices.
void AddNewPartsP49Bar(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l = numberTwice("AddNewPartsP49Bar", S::AltRank,
                              Slots{S::Empty, S::Price, S::DisPrice, S::Sale, S::Empty, S::Empty, S::One} + Zeros(4));
        l.altRow = {S::Id, S::One, S::Kind, S::Number, S::Price, S::Sale};
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}

// "P.52": search texts EFind and TFind in place of the Thai key: 38.
void AddNewPartsP52(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l;
        l.writer = "AddNewPartsP52";
        l.names = NamesBy::Finds;
        l.partRow = Slots{S::Zero, S::Id, S::Kind, S::Key, S::Number, S::AKind1, S::AltNO1, S::Empty, S::EFind,
                          S::EName, S::TFind, S::TName, S::Description, S::ModelList, S::Empty, S::Import, S::Price,
                          S::Zero, S::Sale, S::Zero, S::Zero, S::Empty} +
                    Zeros(4) + Slots{S::Empty, S::Zero, S::BrandID, S::Zero, S::Zero, S::FullPartNO} + Zeros(6);
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}

// "P.64 (Bar)", "P.65 (Bar)": found by FPartNO, search texts, two zeros
// first, no Thai key and no full number: 36.
void AddNewPartsP64Bar(RunState& st, int16_t groupNo)
{
    static const Label l = [] {
        Label l = byFPartNO("AddNewPartsP64Bar",
                            Slots{S::Zero, S::Zero, S::Id, S::Kind, S::Key, S::Number, S::AKind1, S::AltNO1,
                                  S::Empty, S::Empty, S::EFind, S::EName, S::TFind, S::TName, S::Description,
                                  S::ModelList, S::Empty, S::Import, S::Price, S::Zero, S::Sale, S::Zero, S::Zero,
                                  S::Empty} +
                                Zeros(5) + Empties(2) + Zeros(3) + Empties(2));
        l.names = NamesBy::Finds;
        return l;
    }();
    DrainStagedParts(st, groupNo, l);
}
