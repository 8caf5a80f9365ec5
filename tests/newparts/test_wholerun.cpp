// Whole runs over a small price list: the part the catalogue holds takes the
// list's price and name, what the list adds exists afterwards with its
// groups, the staging table keeps none of the brand's rows, a second run with
// the same list adds nothing, and the SQL Server form leaves the same
// catalogue. A listed number without a key of its own (blank, or, where the
// label looks up a search form, made of blanks, "/" and "-"), as a part or as
// an alternate, touches neither the part without a number nor the part
// numbered as its kind, and is listed as new.
#include <gtest/gtest.h>

#include "app/Run.h"
#include "newparts/Bench.h"

namespace {

struct RunCase {
    const char* ver;
    bool sqlServer;
};

struct NewPartsRun : fx::RunHarness {
    NewPartsRun(const QString& version, bool sqlServer)
        : fx::RunHarness({.ver = version}, sqlServer, QStringLiteral("Velkadine.mdb")), ver(version)
    {
        {
            // UD-100, under the search form the label looks parts up by.
            fx::SqliteFile db(catalog);
            const bool searchForm = padded() || QStringList{"P.48 (Bar)", "P.64 (Bar)"}.contains(ver);
            const char* key = searchForm ? "UD100" : "UD-100";
            fx::insertPart(db, ver, 7, {{"PartID", 1}, {"PartNO", "UD-100"}, {"FPartNO", key}});
            blank = searchForm ? " - / " : "   ";
            for (auto [id, kind, number] : {std::tuple{8, "A", ""}, {9, "", "A"}})
                fx::insertPart(db, ver, 7, {{"PartID", id}, {"Kind", kind}, {"PartNO", number}, {"FPartNO", number},
                                            {"Price", 5}, {"Sale", 5}, {"EName", "OLD"}, {"TName", "เดิม"}});
            fx::insertAlt(db, ver, 7, {{"AltID", 1}, {padded() ? "AltKey" : "AltNO", key}});
            fx::insertAltG(db, ver, 7, {{"PartID", 1}, {"AltID", 0}});
            db.exec(QStringLiteral("INSERT INTO LastID VALUES ('%1', 1)").arg(counter()));
        }
        fx::PriceRow fresh = fx::row("A", "UD-300", "โอริง", 120, 100);
        fresh.EName = "O'RING";
        fresh.AltNO = {"UD-100", "UD-301", "UD-300"};   // catalogued, new, the part itself (skipped)
        fresh.AKind = {"", "B", "A"};
        fx::PriceRow lone = fx::row(QString(), "UD-400", "เข็มขัด", 99);
        lone.AltNO[0] = blank;   // no part: UD-400 stays alone
        lone.AKind[0] = "A";
        writePriceList({{1, {fx::row(QString(), "UD-100", "ไส้กรอง", 250), fresh, fx::row("A", blank, "ว่าง", 5),
                             fx::row(QString(), blank, "ว่าง", 50)}},
                        {2, {lone}}});
    }

    bool padded() const { return fx::isPaddedLabel(ver); }
    QString counter() const { return padded() ? QStringLiteral("PartID") : QStringLiteral("Pta7"); }
    QString pta() const { return fx::ptaTable(ver, 7); }
    QString click()
    {
        op.messages.clear();
        RunState fresh{op};
        cmdUpDate_Click(fresh);
        return op.messages.empty() ? QString() : op.messages.back().text;
    }
    // The identifier of a part by its number (plain) or its search form (padded).
    int idOf(fx::SqliteFile& db, const char* number, const char* searchForm)
    {
        return db.scalar(QStringLiteral("Select PartID From %1 Where %2 = '%3'")
                             .arg(pta(), padded() ? "FPartNO" : "PartNO", padded() ? searchForm : number))
            .toInt();
    }

    QString ver;
    QString blank;   // a number without a key of its own
};

class WholeRun : public ::testing::TestWithParam<RunCase> {};

}   // namespace

TEST_P(WholeRun, PartsTheListAddsExistWithTheirGroupsAndASecondRunAddsNothing)
{
    NewPartsRun run(QString::fromLatin1(GetParam().ver), GetParam().sqlServer);
    // After each run: six parts, four identifiers drawn, none of the brand's rows staged, the
    // parts 8 and 9 as they were, and the two parts without a key listed as new.
    auto settled = [&run] {
        fx::SqliteFile db(run.catalog);
        EXPECT_EQ(db.count(run.pta()), 6);
        EXPECT_EQ(db.scalar(QStringLiteral("Select LastID From LastID Where NameID = '%1'").arg(run.counter())),
                  4);
        EXPECT_EQ(db.count("PriceList", "BrandID = 7"), 0);
        EXPECT_EQ(db.texts("Select Price, Sale, EName, TName From " + run.pta() + " Where PartID In (8, 9)"),
                  QStringList({"5|5|OLD|เดิม", "5|5|OLD|เดิม"}));
        EXPECT_EQ(run.priceListDb().count("PriceListAll", "TName = 'ว่าง'"), 2);
        QStringList listed;
        for (int r : {1, 2, 3})
            listed << run.op.gridText(r, 2) + run.op.gridText(r, 7);
        listed.sort();
        EXPECT_EQ(listed, QStringList({"", "New5", "New50"}));
    };
    ASSERT_EQ(run.click(), QStringLiteral("เสร็จแล้วจ้า"));
    settled();
    // UD-100 takes the list's price, as its sale price too (the list's is 0), and its Thai name.
    EXPECT_EQ(fx::SqliteFile(run.catalog).texts("Select Price, Sale, TName From " + run.pta() + " Where PartID = 1"),
              QStringList{"250|250|ไส้กรอง"});
    EXPECT_TRUE(run.op.qtyLines.contains(QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_2  (0)  100 %")));
    {
        fx::SqliteFile db(run.catalog);
        const int p300 = run.idOf(db, "UD-300", "UD300A"), p301 = run.idOf(db, "UD-301", "UD301B");
        const int p400 = run.idOf(db, "UD-400", "UD400");
        const QVariantMap fresh = fx::readRow(db, run.pta(), QStringLiteral("Where PartID = %1").arg(p300));
        EXPECT_EQ(fresh.value("EName").toString(), run.padded() ? "O RING" : "O'RING");
        // UD-300, UD-100 and UD-301 form one group; UD-400 stands alone.
        const QString altg = fx::altGTable(run.ver, 7), link = QStringLiteral("PartID = %1 And AltID = %2");
        for (auto [a, b] : {std::pair{p300, 1}, {1, p300}, {p300, p301}, {p301, p300}, {1, p301}, {p400, 0}})
            EXPECT_EQ(db.count(altg, link.arg(a).arg(b)), 1) << a << ">" << b;
        EXPECT_EQ(db.count(altg, "PartID = 0"), 0);
    }
    if (GetParam().sqlServer) {
        NewPartsRun access(run.ver, false);
        ASSERT_EQ(access.click(), QStringLiteral("เสร็จแล้วจ้า"));
        fx::SqliteFile viaAccess(access.catalog), viaServer(run.catalog);
        const QStringList tables{run.pta(), fx::altTable(run.ver, 7), fx::altGTable(run.ver, 7), "LastID"};
        for (const QString& t : tables)
            EXPECT_EQ(fx::readRows(viaServer, t), fx::readRows(viaAccess, t)) << t.toStdString();
    }
    // The same list again: every part is found, nothing is added.
    ASSERT_EQ(run.click(), QStringLiteral("เสร็จแล้วจ้า"));
    settled();
}

// An older catalogue holds the listed part under PartID 0: the run updates
// that row as any other and ends with message G.
TEST(WholeRunPartIDZero, TheRowTakesTheListsPrice)
{
    NewPartsRun run(QStringLiteral("P.68 (Bar)"), false);
    fx::SqliteFile(run.catalog).exec(QStringLiteral("UPDATE Pta_007 SET PartID = 0 WHERE PartID = 1; UPDATE Pta_Alt_007 SET "
                                                    "AltID = 0; UPDATE Pta_AltG_007 SET PartID = 0"));
    ASSERT_EQ(run.click(), fx::MsgG());
    EXPECT_EQ(fx::SqliteFile(run.catalog).texts("Select Price, Sale, TName From Pta_007 Where PartID = 0"),
              QStringList{"250|250|ไส้กรอง"});
}

INSTANTIATE_TEST_SUITE_P(Labels, WholeRun,
                         ::testing::Values(RunCase{"V.31", false}, RunCase{"P.43", false},
                                           RunCase{"P.64 (Bar)", false}, RunCase{"P.48 (Bar)", false},
                                           RunCase{"P.48 (Bar)", true}, RunCase{"P.66 (Bar)", false},
                                           RunCase{"P.68 (Bar)", false}, RunCase{"V.31", true},
                                           RunCase{"P.68 (Bar)", true}, RunCase{"P.43", true},
                                           RunCase{"P.64 (Bar)", true}, RunCase{"P.66 (Bar)", true}),
                         [](const auto& info) {
                             return fx::nameOf(info.param.ver) + (info.param.sqlServer ? "Sql" : "");
                         });
