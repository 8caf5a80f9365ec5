// What the later plain-layout writers do beyond the common loop: lookups by
// the search form, the discount text, the search texts and the row openings.
#include <gtest/gtest.h>

#include "newparts/Bench.h"
#include "newparts/NewParts.h"

using namespace nptest;

namespace {

Staged part(const QString& kind, const QString& no)
{
    Staged s;
    s.kind = kind;
    s.partNo = no;
    return s;
}

struct SearchFormCase {
    const char* ver;
    Writer writer;
};

class BySearchForm : public ::testing::TestWithParam<SearchFormCase> {};

}   // namespace

TEST_P(BySearchForm, PartIsFoundWhateverItsSeparatorsAndAlternatesByNumberAlone)
{
    const SearchFormCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand, {{"PartID", 50}, {"Kind", "A"}, {"PartNO", "1234"}, {"FPartNO", "1234"}});
    fx::insertPart(*b.cat, b.ver, b.brand, {{"PartID", 60}, {"Kind", "Q"}, {"PartNO", "5678"}, {"FPartNO", "5678"}});
    Staged s = part(QStringLiteral("A"), QStringLiteral("12-3/4"));
    s.akind[0] = QStringLiteral("Z");
    s.altno[0] = QStringLiteral("56 78");   // another kind, same search form
    b.stage(s);

    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    EXPECT_EQ(b.groupPairs(), (QStringList{"50>60", "60>50"}));
    EXPECT_EQ(b.staged(), 0);
}

TEST_P(BySearchForm, KindStillCountsForThePartItself)
{
    const SearchFormCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand, {{"PartID", 50}, {"Kind", "Q"}, {"PartNO", "1234"}, {"FPartNO", "1234"}});
    b.stage(part(QStringLiteral("A"), QStringLiteral("12 34")));
    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    const QVariantMap added = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 1"));
    EXPECT_EQ(added.value("FPartNO").toString(), "1234");
    EXPECT_EQ(added.value("PartNO").toString(), "12 34");

    // Without a kind the search form alone finds it.
    Bench blank(QString::fromLatin1(c.ver));
    fx::insertPart(*blank.cat, blank.ver, blank.brand, {{"PartID", 50}, {"Kind", "Q"}, {"PartNO", "1234"}, {"FPartNO", "1234"}});
    blank.stage(part(QString(), QStringLiteral("12-34")));
    ASSERT_EQ(blank.drain(c.writer), QString());
    EXPECT_EQ(blank.cat->count(blank.pta()), 1);
    EXPECT_EQ(blank.groupPairs(), QStringList{"50>0"});
}

TEST_P(BySearchForm, AlternatesDifferingOnlyBySeparatorsAreAddedOnce)
{
    const SearchFormCase c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("12-34");
    s.altno[1] = QStringLiteral("1234");
    b.stage(s);
    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>1"}));
}

INSTANTIATE_TEST_SUITE_P(Labels, BySearchForm,
                         ::testing::Values(SearchFormCase{"P.45 (Bar)", AddNewPartsP45Bar},
                                           SearchFormCase{"P.48 (Bar)", AddNewPartsP48Bar},
                                           SearchFormCase{"P.49 (Bar)", AddNewPartsP49Bar},
                                           SearchFormCase{"P.64 (Bar)", AddNewPartsP64Bar},
                                           SearchFormCase{"P.65 (Bar)", AddNewPartsP64Bar}),
                         [](const auto& info) {
                             std::string n;
                             for (const char* p = info.param.ver; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p)))
                                     n += *p;
                             return n;
                         });

TEST(LaterLabels, P48DisPriceBeforeThePriceInTheMainRowAndBehindItInAlternates)
{
    Bench b(QStringLiteral("P.48 (Bar)"));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P2");
    s.disPrice = QStringLiteral("5%");
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsP48Bar), QString());
    const auto main = b.cat->rows(QStringLiteral("Select * From Pta7 Where PartID = 1"));
    const auto alt = b.cat->rows(QStringLiteral("Select * From Pta7 Where PartID = 2"));
    ASSERT_EQ(main.size(), 1u);
    ASSERT_EQ(alt.size(), 1u);
    EXPECT_EQ(main[0][16].toString(), "5%");   // position 17
    EXPECT_EQ(main[0][18].toString(), "");     // position 19
    EXPECT_EQ(alt[0][16].toString(), "");
    EXPECT_EQ(alt[0][18].toString(), "5%");
    EXPECT_EQ(main[0][4].toString(), main[0][5].toString());   // the number twice
}

TEST(LaterLabels, P49AlternatesTwoToFiveOpenWithOne)
{
    Bench b(QStringLiteral("P.49 (Bar)"));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P2");
    s.altno[2] = QStringLiteral("P4");
    s.sale = QStringLiteral("80");
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsP49Bar), QString());
    const auto rows = b.cat->rows(QStringLiteral("Select UpRec, PartNO From Pta7 Order By PartID"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0].toInt(), 0);
    EXPECT_EQ(rows[1][0].toInt(), 0);
    EXPECT_EQ(rows[2][0].toInt(), 1);
    const auto alts = b.cat->rows(QStringLiteral("Select AltFlag, APrice, ASale From Alt7 Order By AltID"));
    ASSERT_EQ(alts.size(), 3u);
    for (const auto& a : alts) {
        EXPECT_EQ(a[0].toInt(), 1);
        EXPECT_DOUBLE_EQ(a[1].toDouble(), 100);
        EXPECT_DOUBLE_EQ(a[2].toDouble(), 80);
    }
}

TEST(LaterLabels, P52SearchTextsAndNoThaiKey)
{
    Bench b(QStringLiteral("P.52"));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.tname.clear();
    s.model[0] = QStringLiteral("M1");
    s.model[1] = QStringLiteral("M2");
    b.stage(s);
    Staged bare = part(QStringLiteral("A"), QStringLiteral("P2"));
    b.stage(bare);
    ASSERT_EQ(b.drain(AddNewPartsP52), QString());
    const QVariantMap r = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartNO = 'P1'"));
    EXPECT_EQ(r.value("EFind").toString(), "FILTER  M1, M2");
    EXPECT_EQ(r.value("EName").toString(), "FILTER");
    EXPECT_EQ(r.value("TFind").toString(), "FILTER  M1, M2");
    EXPECT_EQ(r.value("TName").toString(), "FILTER");
    EXPECT_EQ(r.value("IndTName").toString(), "");
    const QVariantMap r2 = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartNO = 'P2'"));
    EXPECT_EQ(r2.value("EFind").toString(), "FILTER");
    EXPECT_EQ(r2.value("TFind").toString(), QStringLiteral("ไส้กรอง"));
}

TEST(LaterLabels, P61KeyWithoutSeparatorsButLookupByTheNumber)
{
    Bench b(QStringLiteral("P.61 (Bar)"));
    db::StatementLog::enable(true);
    db::StatementLog::clear();
    Staged s = part(QStringLiteral("1"), QStringLiteral("AB-12/34 5"));
    s.disPrice = QStringLiteral("  net ");
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsP61Bar), QString());
    db::StatementLog::enable(false);
    EXPECT_TRUE(db::StatementLog::entries().contains(
        QStringLiteral("Select PartID From Pta7 Where Kind = '1' And PartNO = 'AB-12/34 5'")));
    const QVariantMap r = fx::readRow(*b.cat, b.pta());
    EXPECT_EQ(r.value("FPartNO").toString(), "AB12345");
    EXPECT_EQ(r.value("FullPartNO").toString(), "1-AB-12/34 5");
    EXPECT_EQ(r.value("DisPrice").toString(), "net");
    EXPECT_EQ(r.value("Flag1").toInt(), 1);
    EXPECT_EQ(r.value("Flag2").toInt(), 0);
}

TEST(LaterLabels, P64SearchTextsWithoutModelsLeaveNoBlanks)
{
    Bench b(QStringLiteral("P.64 (Bar)"));
    Staged s = part(QString(), QStringLiteral("P1"));
    s.ename = QStringLiteral(" BELT ");
    s.tname = QString();
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsP64Bar), QString());
    const QVariantMap r = fx::readRow(*b.cat, b.pta());
    EXPECT_EQ(r.value("EFind").toString(), "BELT");
    EXPECT_EQ(r.value("TFind").toString(), "BELT");
    EXPECT_EQ(r.value("TName").toString(), "BELT");
    EXPECT_EQ(r.value("PartID").toInt(), 1);
    EXPECT_EQ(r.value("UpRec").toInt(), 0);
}

TEST(LaterLabels, P46FamilyLabelsWriteTheSameStatements)
{
    QStringList first;
    for (const char* ver : {"P.46 (Bar)", "P.47001 (Bar)", "P.62 (Bar)", "D.47 (Bar)"}) {
        Bench b(QString::fromLatin1(ver));
        Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
        s.altno[0] = QStringLiteral("P2");
        s.disPrice = QStringLiteral("10%");
        b.stage(s);
        db::StatementLog::enable(true);
        db::StatementLog::clear();
        ASSERT_EQ(b.drain(AddNewPartsP46Bar), QString());
        db::StatementLog::enable(false);
        if (first.isEmpty())
            first = db::StatementLog::entries();
        else
            EXPECT_EQ(db::StatementLog::entries(), first) << ver;
    }
}
