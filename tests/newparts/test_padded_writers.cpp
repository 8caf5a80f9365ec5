// The new-part writers of the zero-padded layout, "P.66 (Bar)" and
// "P.68 (Bar)": keys with the kind, lookups by the search form, name
// identifiers, the positional rows, bar codes and car-model links, groups in
// Pta_AltG_<nn>, and what a failed part leaves behind.
#include <gtest/gtest.h>

#include "newparts/Bench.h"
#include "newparts/NewParts.h"
#include "newparts/PaddedParts.h"

using namespace nptest;

namespace {

struct PaddedCase {
    const char* ver;
    Writer writer;
    const char* suffix;
};

const PaddedCase kP66{"P.66 (Bar)", AddNewPartsP66Bar, "07"};
const PaddedCase kP68{"P.68 (Bar)", AddNewPartsP68Bar, "007"};

Staged part(const QString& kind, const QString& no)
{
    Staged s;
    s.kind = kind;
    s.partNo = no;
    return s;
}

// A new part "AB-12 C/D" of kind 1 with two new alternates: "X-1" without a
// kind and "Y 2" of kind B.
Staged partWithTwoAlternates()
{
    Staged s = part(QStringLiteral("1"), QStringLiteral("AB-12 C/D"));
    s.altno[0] = QStringLiteral("X-1");
    s.altno[1] = QStringLiteral("Y 2");
    s.akind[1] = QStringLiteral("B");
    s.model[0] = QStringLiteral("CAR MODEL");
    s.desc = QStringLiteral("DESC");
    s.imp = QStringLiteral("JP");
    s.price = QStringLiteral("1250.5");
    s.sale = QStringLiteral("0");
    s.disPrice = QStringLiteral("5%");
    return s;
}

// The writer's own statements, in order: lookups, counter reads and rows.
QStringList writerStatements()
{
    QStringList out;
    for (const QString& s : db::StatementLog::entries()) {
        if ((s.startsWith(QLatin1String("Select PartID From Pta_")) && !s.contains(QLatin1String("Pta_BrandCar")) &&
             !s.contains(QLatin1String("Pta_Model "))) ||
            s.startsWith(QLatin1String("Select ENameID")) ||
            s.startsWith(QLatin1String("Select TNameID")) || s.startsWith(QLatin1String("Select NameID, LastID")) ||
            (s.startsWith(QLatin1String("Insert Into Pta_")) && !s.startsWith(QLatin1String("Insert Into Pta_AltG_"))))
            out << s;
    }
    return out;
}

void expectStatements(const QStringList& actual, const QStringList& expected)
{
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i)
        EXPECT_EQ(actual.value(i).toStdString(), expected.value(i).toStdString()) << "statement " << i;
}

QVariant counter(Bench& b, const QString& name)
{
    return b.cat->scalar(QStringLiteral("Select LastID From LastID Where NameID = '") + name + QStringLiteral("'"));
}

struct LogScope {
    LogScope()
    {
        db::StatementLog::enable(true);
        db::StatementLog::clear();
    }
    ~LogScope() { db::StatementLog::enable(false); }
};

const QString kStamp = QString::number(todayStamp());

class PaddedWriters : public ::testing::TestWithParam<PaddedCase> {};

}   // namespace

// --- keys and names --------------------------------------------------------

TEST(PaddedKeys, NumberThenKindEachCleaned)
{
    struct {
        const char* number;
        const char* kind;
        const char* key;
    } cases[] = {
        {"AB-12 C/D", "1", "AB12CD-1"},
        {"AB-12 C/D", "", "AB12CD"},
        {"AB-12 C/D", "  ", "AB12CD"},
        {"AB-12 C/D", "*", "AB12CD-"},       // a kind that cleans to nothing keeps the hyphen
        {"12 AB-34/C", "K", "12AB34C-K"},
        {"", "B", "-B"},
        {"", "", ""},
        {"O'NEIL,1", "", "ONEIL1"},          // quote and comma become blanks, then go
    };
    for (const auto& c : cases)
        EXPECT_EQ(newparts::PaddedPartKey(QString::fromUtf8(c.number), QString::fromUtf8(c.kind)),
                  QString::fromUtf8(c.key))
            << c.number << " / " << c.kind;
}

TEST(PaddedKeys, FirstCharacterOfTheThaiSortForm)
{
    EXPECT_EQ(newparts::FirstNameChar(QStringLiteral("เบรก")), QStringLiteral("บ"));
    EXPECT_EQ(newparts::FirstNameChar(QStringLiteral("  brake pad")), QStringLiteral("b"));
    EXPECT_EQ(newparts::FirstNameChar(QStringLiteral("เ")), QStringLiteral("เ"));
    EXPECT_EQ(newparts::FirstNameChar(QStringLiteral("   ")), QString());
    EXPECT_EQ(newparts::CleanCut30(QString(40, QLatin1Char('M'))), QString(30, QLatin1Char('M')));
}

// --- a new part with two alternates -----------------------------------------

TEST(PaddedRows, P66NewPartWithTwoAlternatesExactRows)
{
    Bench b(QString::fromLatin1(kP66.ver));
    b.stage(partWithTwoAlternates());
    LogScope log;
    ASSERT_EQ(b.drain(AddNewPartsP66Bar), QString());

    const QString part1 =
        QStringLiteral("Insert Into Pta_07 Values( 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 1, 0, 1, 1, 1, 'แท้เบิกห้าง', '', '', "
                       "'AB12CD1', 'AB12CD-1', 'F', 'FILTER', 'FILTER', 'ส', 'ไส้กรอง', 'ไส้กรอง', '', 'UD', '', '', "
                       "1250.5, '5%', 0, '', '', '', 0, 0, 0, 0, 0, '', 0, 0, 0, 0, ") +
        kStamp + QStringLiteral(" )");
    const QString part3 =
        QStringLiteral("Insert Into Pta_07 Values( 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 3, 0, 1, 1, 1, 'แท้เบิกห้าง', '', '', "
                       "'Y2B', 'Y2-B', 'F', 'FILTER', 'FILTER', 'ส', 'ไส้กรอง', 'ไส้กรอง', '', 'UD', '', '', "
                       "1250.5, '5%', 0, '', '', '', 0, 0, 0, 0, 0, '', 0, 0, 0, 0, ") +
        kStamp + QStringLiteral(" )");
    const QStringList expected{
        QStringLiteral("Select PartID From Pta_07 Where FPartNO = 'AB12CD1'"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'PartID'"),
        QStringLiteral("Select ENameID From Pta_07 Where FEName = 'FILTER' "),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'ENameID'"),
        QStringLiteral("Select TNameID From Pta_07 Where FTName = 'ไส้กรอง' "),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'TNameID'"),
        part1,
        QStringLiteral("Insert Into Pta_Alt_07 Values( 1, 0, 7, 'แท้เบิกห้าง', '', 'AB12CD-1', 1250.5, 0, 0, 0 )"),
        QStringLiteral("Select PartID From Pta_07 Where FPartNO = 'X1'"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'PartID'"),
        QStringLiteral("Insert Into Pta_07 Values( 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 2, 0, 1, 1, 1, 'แท้เบิกห้าง', '', '', "
                       "'X1', 'X1', 'F', 'FILTER', 'FILTER', 'ส', 'ไส้กรอง', 'ไส้กรอง', '', 'UD', '', '', "
                       "1250.5, '5%', 0, '', '', '', 0, 0, 0, 0, 0, '', 0, 0, 0, 0, ") +
            kStamp + QStringLiteral(" )"),
        QStringLiteral("Insert Into Pta_Alt_07 Values( 2, 0, 7, 'แท้เบิกห้าง', '', 'X1', 1250.5, 0, 0, 0 )"),
        QStringLiteral("Select PartID From Pta_07 Where FPartNO = 'Y2B'"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'PartID'"),
        part3,
        QStringLiteral("Insert Into Pta_Alt_07 Values( 3, 0, 7, 'แท้เบิกห้าง', '', 'Y2-B', 1250.5, 0, 0, 0 )"),
    };
    expectStatements(writerStatements(), expected);

    // Read back by name and position.
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_07")), 3);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_Alt_07")), 3);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "1>3", "2>1", "2>3", "3>1", "3>2"}));
    const auto rows = b.cat->rows(QStringLiteral("Select * From Pta_07 Where PartID = 1"));
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 47);
    EXPECT_EQ(rows[0][0].toInt(), 1);
    EXPECT_EQ(rows[0][5].toInt(), 7);                         // BrandID, not zero-filled
    EXPECT_EQ(rows[0][15].toString(), QStringLiteral("แท้เบิกห้าง"));
    EXPECT_DOUBLE_EQ(rows[0][30].toDouble(), 1250.5);
    EXPECT_EQ(rows[0][46].toLongLong(), todayStamp());
    const QVariantMap r = fx::readRow(*b.cat, QStringLiteral("Pta_07"), QStringLiteral("Where PartID = 1"));
    EXPECT_EQ(r.value("Description").toString(), "");      // neither description, import nor model
    EXPECT_EQ(r.value("Import").toString(), "");
    EXPECT_EQ(r.value("Model").toString(), "");
    EXPECT_EQ(counter(b, QStringLiteral("PartID")).toInt(), 3);
    EXPECT_EQ(counter(b, QStringLiteral("ENameID")).toInt(), 1);
    EXPECT_EQ(counter(b, QStringLiteral("TNameID")).toInt(), 1);
    EXPECT_FALSE(counter(b, QStringLiteral("Pta7")).isValid());
    EXPECT_EQ(b.staged(), 0);
    EXPECT_EQ(b.op.partLines, QStringList{QStringLiteral("AB12CD-1 - ไส้กรอง   CAR MODEL")});
    EXPECT_EQ(b.op.qtyLines, QStringList{QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_1  (0)  100 %")});
}

TEST(PaddedRows, P68NewPartWithTwoAlternatesExactRowsBarCodesAndModels)
{
    Bench b(QString::fromLatin1(kP68.ver));
    b.stage(partWithTwoAlternates());
    LogScope log;
    ASSERT_EQ(b.drain(AddNewPartsP68Bar), QString());

    auto partRow = [](int id, const QString& key, const QString& f) {
        return QStringLiteral("Insert Into Pta_007 Values( 0, 0, 0, 0, 0, 0, 1, 0, 0, 7, 0, 0, 0, ") +
               QString::number(id) +
               QStringLiteral(", 0, 1, 1, 0, 'UD', 'แท้', '', '%1', '%2', '%1', 'F', 'FILTER', 'FILTER', 'ส', "
                              "'ไส้กรอง', 'ไส้กรอง', 'DESC', '', '', 'CAR MODEL', 'JP', 1, 1250.5, '5%', 0, 0, '', "
                              "0, '', '', 0, '', 0, '', 0, 0, 0, 0, 0, 0, 0, 0, '', 0, 0, 0, 0, ")
                   .arg(key, f) +
               kStamp + QStringLiteral(" )");
    };
    const QStringList expected{
        QStringLiteral("Select PartID From Pta_007 Where FPartNO = 'AB12CD1'"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'PartID'"),
        QStringLiteral("Select ENameID From Pta_007 Where FEName = 'FILTER' "),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'ENameID'"),
        QStringLiteral("Select TNameID From Pta_007 Where FTName = 'ไส้กรอง' "),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'TNameID'"),
        QStringLiteral("Insert Into Pta_BarCode Values( 1, 7, 'AB12CD-1' )"),
        partRow(1, QStringLiteral("AB12CD-1"), QStringLiteral("AB12CD1")),
        QStringLiteral("Insert Into Pta_Alt_007 Values( 1, 0, 7, 0, 'AB12CD-1', 'AB12CD-1', 'แท้', 1250.5, 0, 0, 0 )"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'ModelID'"),
        QStringLiteral("Insert Into Pta_ModelID Values( 0, 7, 1, 'UDCARMODEL', 'CARMODEL', 'CAR MODEL', '', 0 )"),
        QStringLiteral("Insert Into Pta_BrandCar Values( 1, 7, 1, 'UD', 'CAR MODEL' )"),
        QStringLiteral("Select PartID From Pta_007 Where FPartNO = 'X1'"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'PartID'"),
        QStringLiteral("Insert Into Pta_BarCode Values( 2, 7, 'X1' )"),
        partRow(2, QStringLiteral("X1"), QStringLiteral("X1")),
        QStringLiteral("Insert Into Pta_Alt_007 Values( 2, 0, 7, 0, 'X1', 'X1', 'แท้', 1250.5, 0, 0, 0 )"),
        QStringLiteral("Insert Into Pta_BrandCar Values( 2, 7, 1, 'UD', 'CAR MODEL' )"),
        QStringLiteral("Select PartID From Pta_007 Where FPartNO = 'Y2B'"),
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'PartID'"),
        QStringLiteral("Insert Into Pta_BarCode Values( 3, 7, 'Y2-B' )"),
        partRow(3, QStringLiteral("Y2-B"), QStringLiteral("Y2B")),
        QStringLiteral("Insert Into Pta_Alt_007 Values( 3, 0, 7, 0, 'Y2-B', 'Y2-B', 'แท้', 1250.5, 0, 0, 0 )"),
        QStringLiteral("Insert Into Pta_BrandCar Values( 3, 7, 1, 'UD', 'CAR MODEL' )"),
    };
    expectStatements(writerStatements(), expected);

    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_007")), 3);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_Alt_007")), 3);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_BarCode")), 3);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_ModelID")), 1);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_BrandCar"), QStringLiteral("ModelID = 1")), 3);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_Model")), 0);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "1>3", "2>1", "2>3", "3>1", "3>2"}));
    const auto rows = b.cat->rows(QStringLiteral("Select * From Pta_007 Where PartID = 3"));
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 62);
    EXPECT_EQ(rows[0][6].toInt(), 1);
    EXPECT_EQ(rows[0][21].toString(), "Y2-B");
    EXPECT_EQ(rows[0][22].toString(), "Y2B");
    EXPECT_EQ(rows[0][23].toString(), "Y2-B");
    EXPECT_EQ(rows[0][30].toString(), "DESC");
    EXPECT_EQ(rows[0][33].toString(), "CAR MODEL");
    EXPECT_DOUBLE_EQ(rows[0][39].toDouble(), 0);
    EXPECT_EQ(rows[0][61].toLongLong(), todayStamp());
    EXPECT_EQ(counter(b, QStringLiteral("PartID")).toInt(), 3);
    EXPECT_EQ(counter(b, QStringLiteral("ModelID")).toInt(), 1);
    EXPECT_EQ(b.staged(), 0);
    EXPECT_EQ(b.op.partLines, QStringList{QStringLiteral("AB12CD-1 - ไส้กรอง   CAR MODEL")});
}

TEST(PaddedRows, P68PartWithoutModelsGetsThePlaceholderLinks)
{
    Bench b(QString::fromLatin1(kP68.ver));
    b.stage(part(QString(), QStringLiteral("P1")));
    ASSERT_EQ(b.drain(AddNewPartsP68Bar), QString());
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_BrandCar"), QStringLiteral("PartID = 1 And ModelID = 0")), 1);
    EXPECT_EQ(b.cat->count(QStringLiteral("Pta_Model"), QStringLiteral("PartID = 1")), 1);
    EXPECT_EQ(b.groupPairs(), QStringList{"1>0"});
}

TEST(PaddedRows, P68ModelsAreCleanedAndCutTo30Everywhere)
{
    Bench b(QString::fromLatin1(kP68.ver));
    Staged s = part(QString(), QStringLiteral("P1"));
    s.model[0] = QString(35, QLatin1Char('M'));
    s.model[1] = QStringLiteral("CIVIC, 'EX'");
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsP68Bar), QString());
    const QVariantMap r = fx::readRow(*b.cat, QStringLiteral("Pta_007"));
    EXPECT_EQ(r.value("Model").toString(), QString(30, QLatin1Char('M')));
    const auto names = b.cat->rows(QStringLiteral("Select ModelName From Pta_BrandCar Order By ModelID"));
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0][0].toString(), QString(30, QLatin1Char('M')));
    EXPECT_EQ(names[1][0].toString(), QStringLiteral("CIVIC   EX"));
    EXPECT_EQ(b.op.partLines.value(0), QStringLiteral("P1 - ไส้กรอง   ") + QString(30, QLatin1Char('M')));
}

// --- both labels ------------------------------------------------------------

TEST_P(PaddedWriters, PartAlreadyInTheCatalogueIsNotUpdated)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand,
                   {{"PartID", 50}, {"FPartNO", "P1"}, {"EName", "OLD"}, {"ENameID", 9}, {"Price", 5}});
    Staged s = part(QString(), QStringLiteral("P-1"));
    s.altno[0] = QStringLiteral("P2");
    s.ename = QStringLiteral("NEW NAME");
    b.stage(s);
    ASSERT_EQ(b.drain(c.writer), QString());

    const QVariantMap old = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 50"));
    EXPECT_EQ(old.value("EName").toString(), "OLD");
    EXPECT_DOUBLE_EQ(old.value("Price").toDouble(), 5);
    EXPECT_EQ(b.cat->count(b.alt(), QStringLiteral("AltID = 50")), 0);
    // The new alternate carries this staged row's names; one name draw each.
    const QVariantMap alt = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 1"));
    EXPECT_EQ(alt.value("EName").toString(), "NEW NAME");
    EXPECT_EQ(alt.value("FEName").toString(), "NEWNAME");
    EXPECT_EQ(alt.value("ENameID").toInt(), 1);
    EXPECT_EQ(counter(b, QStringLiteral("ENameID")).toInt(), 1);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>50", "50>1"}));
    EXPECT_EQ(b.staged(), 0);
}

TEST_P(PaddedWriters, FoundPartWithoutAlternatesGetsTheTwoValueLoneRowAndDrawsNothing)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand, {{"PartID", 50}, {"FPartNO", "P1A"}});
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P1");   // the part's own key: skipped
    s.akind[0] = QStringLiteral("A");
    s.akind[1] = QStringLiteral("B");    // a kind without a number: skipped
    b.stage(s);
    LogScope log;
    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_TRUE(db::StatementLog::entries().contains(QStringLiteral("Insert Into Pta_AltG_") +
                                                     QString::fromLatin1(c.suffix) + QStringLiteral(" Values( 50, 0 )")));
    EXPECT_EQ(b.groupPairs(), QStringList{"50>0"});
    EXPECT_EQ(b.cat->count(QStringLiteral("LastID")), 0);
    EXPECT_EQ(b.cat->count(b.pta()), 1);
    EXPECT_EQ(b.staged(), 0);
}

TEST_P(PaddedWriters, SameNumberAnotherKindIsTakenAndRepeatedAlternatesAddedOnce)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P1");
    s.akind[0] = QStringLiteral("Z");     // P1-Z: another part
    s.altno[1] = QStringLiteral("Q-9");
    s.altno[2] = QStringLiteral("Q 9");   // the same key again
    b.stage(s);
    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 3);
    EXPECT_EQ(b.cat->count(b.pta(), QStringLiteral("FPartNO = 'P1Z'")), 1);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "1>3", "2>1", "2>3", "3>1", "3>2"}));
    EXPECT_EQ(counter(b, QStringLiteral("PartID")).toInt(), 3);
}

TEST_P(PaddedWriters, NamesAreSharedBySearchFormAndBlankNamesHaveNone)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    Staged first = part(QString(), QStringLiteral("P1"));
    first.ename = QStringLiteral("Brake pad");
    first.tname = QStringLiteral("เบรก");
    Staged second = part(QString(), QStringLiteral("P2"));
    second.ename = QStringLiteral("Brake-pad");   // the same search form
    second.tname = QString();                      // takes the English name
    Staged blank = part(QString(), QStringLiteral("P3"));
    blank.ename = QString();
    blank.tname = QStringLiteral(" ");
    b.stage(first);
    b.stage(second);
    b.stage(blank);
    ASSERT_EQ(b.drain(c.writer), QString());

    const QVariantMap r1 = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 1"));
    const QVariantMap r2 = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 2"));
    const QVariantMap r3 = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 3"));
    EXPECT_EQ(r1.value("ChrTName").toString(), QStringLiteral("บ"));
    EXPECT_EQ(r1.value("ChrEName").toString(), "B");
    EXPECT_EQ(r2.value("ENameID").toInt(), r1.value("ENameID").toInt());
    EXPECT_EQ(r2.value("TName").toString(), "Brake-pad");
    EXPECT_EQ(r2.value("FTName").toString(), "Brakepad");
    EXPECT_EQ(r2.value("TNameID").toInt(), 2);   // "เบรก" had 1
    EXPECT_EQ(r3.value("ENameID").toInt(), 0);
    EXPECT_EQ(r3.value("TNameID").toInt(), 0);
    EXPECT_EQ(r3.value("ChrEName").toString(), "");
    EXPECT_EQ(r3.value("TName").toString(), "");
    EXPECT_EQ(counter(b, QStringLiteral("ENameID")).toInt(), 1);
    EXPECT_EQ(counter(b, QStringLiteral("TNameID")).toInt(), 2);
}

TEST_P(PaddedWriters, QuotesInTrimmedOnlyTextsAreDoubled)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    Staged s = part(QString(), QStringLiteral("P1"));
    s.disPrice = QStringLiteral(" 5' off ");
    s.desc = QStringLiteral("it's");
    b.stage(s);
    ASSERT_EQ(b.drain(c.writer), QString());
    const QVariantMap r = fx::readRow(*b.cat, b.pta());
    EXPECT_EQ(r.value("DisPrice").toString(), "5' off");
    if (QString::fromLatin1(c.ver) == QLatin1String("P.68 (Bar)"))
        EXPECT_EQ(r.value("Description").toString(), "it's");
}

TEST_P(PaddedWriters, BadSuffixFailsBeforeAnyStatement)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    b.stage(part(QString(), QStringLiteral("P1")));
    const int tooLarge = QString::fromLatin1(c.ver) == QLatin1String("P.66 (Bar)") ? 100 : 1000;
    for (int brand : {tooLarge, -1}) {
        b.st.lngBrandID = brand;
        LogScope log;
        const QString err = b.drain(c.writer);
        EXPECT_TRUE(err.contains(QStringLiteral("suffix"))) << err.toStdString();
        EXPECT_TRUE(db::StatementLog::entries().isEmpty());
    }
    EXPECT_EQ(b.staged(), 1);
}

TEST_P(PaddedWriters, FailureInsideAPartRollsBackOnlyThatPart)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    b.cat->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Pta_Alt_") + QString::fromLatin1(c.suffix) +
                QStringLiteral(" WHEN NEW.AltKey = 'P3' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    b.stage(part(QString(), QStringLiteral("P1")));
    Staged s = part(QString(), QStringLiteral("P2"));
    s.altno[0] = QStringLiteral("P3");
    b.stage(s);
    const QString err = b.drain(c.writer);
    EXPECT_TRUE(err.contains(QStringLiteral("refused"))) << err.toStdString();

    EXPECT_EQ(b.staged(), 1);
    EXPECT_EQ(b.cat->count(QStringLiteral("PriceList"), QStringLiteral("PartNO = 'P2'")), 1);
    EXPECT_EQ(b.cat->count(b.pta()), 1);   // P1 only
    EXPECT_EQ(b.cat->count(b.alt()), 1);
    EXPECT_EQ(b.groupPairs(), QStringList{"1>0"});
    EXPECT_EQ(counter(b, QStringLiteral("PartID")).toInt(), 1);
    EXPECT_EQ(counter(b, QStringLiteral("ENameID")).toInt(), 1);
    if (QString::fromLatin1(c.ver) == QLatin1String("P.68 (Bar)"))
        EXPECT_EQ(b.cat->count(QStringLiteral("Pta_BarCode")), 1);
}

TEST_P(PaddedWriters, NoIdentifierFromLastIDWritesNothingAndKeepsTheStagedRow)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    // The "PartID" counter refuses to move past 1.
    b.cat->exec(QStringLiteral("CREATE TRIGGER stuck BEFORE UPDATE ON LastID WHEN NEW.NameID = 'PartID' "
                               "BEGIN SELECT RAISE(ABORT, 'stuck'); END"));
    b.stage(part(QString(), QStringLiteral("P1")));
    b.stage(part(QString(), QStringLiteral("P2")));
    const QString err = b.drain(c.writer);
    EXPECT_TRUE(err.contains(QStringLiteral("PartID"))) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()), 1);
    EXPECT_EQ(b.cat->count(b.pta(), QStringLiteral("PartID = 0")), 0);
    EXPECT_EQ(b.cat->count(b.altg(), QStringLiteral("PartID = 0")), 0);
    EXPECT_EQ(b.cat->count(QStringLiteral("PriceList"), QStringLiteral("PartNO = 'P2'")), 1);
    EXPECT_EQ(b.staged(), 1);
}

TEST_P(PaddedWriters, ThroughTheOdbcCatalogue)
{
    const PaddedCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver), true);
    b.stage(partWithTwoAlternates());
    ASSERT_EQ(b.drain(c.writer, 0), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 3);
    EXPECT_EQ(b.cat->count(b.alt()), 3);
    EXPECT_EQ(b.groupPairs().size(), 6);
    EXPECT_EQ(counter(b, QStringLiteral("PartID")).toInt(), 3);
    EXPECT_EQ(b.op.qtyLines, QStringList{QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_0  (0)  100 %")});
    EXPECT_EQ(b.staged(), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedWriters, ::testing::Values(kP66, kP68),
                         [](const auto& info) { return std::string(info.param.suffix[0] == '0' &&
                                                                   info.param.suffix[1] == '7' ? "P66Bar" : "P68Bar"); });
