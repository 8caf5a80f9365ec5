// Whole runs that bring new parts: what the list adds exists afterwards with
// its groups, the staging table keeps none of the brand's rows, a second run
// with the same list adds nothing, and the SQL Server form leaves the same
// catalogue.
#include <gtest/gtest.h>

#include "app/Run.h"
#include "newparts/Bench.h"

namespace {

struct RunCase {
    const char* ver;
    bool sqlServer;
};

struct NewPartsRun : fx::RunHarness {
    explicit NewPartsRun(const QString& version, bool sqlServer) : fx::RunHarness(nptest::labelSpec(version)), ver(version)
    {
        {
            fx::SqliteFile db(catalog);
            // UD-100 under the search form the label looks parts up by.
            const char* key = padded() || ver == QLatin1String("P.64 (Bar)") ? "UD100" : "UD-100";
            QVariantMap seed{{"PartID", 1}, {"Kind", ""}, {"PartNO", "UD-100"}, {"FPartNO", key},
                             {"EName", "old"}, {"TName", "old"}, {"Price", 1}, {"Sale", 1}, {"BrandID", 7}};
            if (!fx::ptaColumns(ver).contains(QStringLiteral("BrandID")))
                seed.remove(QStringLiteral("BrandID"));
            fx::insertPart(db, ver, 7, seed);
            fx::insertAlt(db, ver, 7, {{"AltID", 1}, {padded() ? "AltKey" : "AltNO", padded() ? key : "UD-100"}, {"APrice", 1}});
            fx::insertAltG(db, ver, 7, {{"PartID", 1}, {"AltID", 0}});
            db.exec(QStringLiteral("INSERT INTO LastID VALUES ('%1', 1)").arg(counter()));
        }
        fx::PriceRow known = fx::row(QString(), "UD-100", "ไส้กรอง", 250);
        fx::PriceRow fresh = fx::row("A", "UD-300", "โอริง", 120, 100);
        fresh.EName = "O'RING";
        fresh.Model[0] = "CWA";
        fresh.AltNO[0] = "UD-100";   // already in the catalogue
        fresh.AKind[1] = "B";
        fresh.AltNO[1] = "UD-301";   // new
        fresh.AKind[2] = "A";
        fresh.AltNO[2] = "UD-300";   // the part itself: skipped
        fx::PriceRow lone = fx::row(QString(), "UD-400", "", 99);
        lone.EName = "BELT";
        writePriceList({{1, {known, fresh}}, {2, {lone}}});
        if (sqlServer)
            useSqlServer();
    }

    bool padded() const { return fx::isPaddedLabel(ver); }
    QString counter() const { return padded() ? QStringLiteral("PartID") : QStringLiteral("Pta7"); }
    QString pta() const { return fx::ptaTable(ver, 7); }
    QString altg() const { return fx::altGTable(ver, 7); }
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

    // The catalogue's part, alternates and group tables and the counters, as text.
    QStringList dump()
    {
        fx::SqliteFile db(catalog);
        QStringList out;
        for (const QString& t : {pta(), fx::altTable(ver, 7), altg(), QStringLiteral("LastID")}) {
            for (const auto& r : db.rows(QStringLiteral("Select * From ") + t)) {
                QStringList cells;
                for (const QVariant& v : r)
                    cells << v.toString();
                out << t + QLatin1Char(':') + cells.join(QLatin1Char('|'));
            }
        }
        out.sort();
        return out;
    }

    QString ver;
};

class WholeRun : public ::testing::TestWithParam<RunCase> {};

}   // namespace

TEST_P(WholeRun, PartsTheListAddsExistWithTheirGroupsAndASecondRunAddsNothing)
{
    NewPartsRun run(QString::fromLatin1(GetParam().ver), GetParam().sqlServer);
    ASSERT_EQ(run.click(), QStringLiteral("เสร็จแล้วจ้า"));
    EXPECT_TRUE(run.op.qtyLines.contains(QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_2  (0)  100 %")));
    {
        fx::SqliteFile db(run.catalog);
        EXPECT_EQ(db.count(run.pta()), 4);
        const int p300 = run.idOf(db, "UD-300", "UD300A"), p301 = run.idOf(db, "UD-301", "UD301B");
        const int p400 = run.idOf(db, "UD-400", "UD400");
        EXPECT_GT(std::min({p300, p301, p400}), 1);
        const QVariantMap fresh = fx::readRow(db, run.pta(), QStringLiteral("Where PartID = %1").arg(p300));
        EXPECT_EQ(fresh.value("EName").toString(), run.padded() ? "O RING" : "O'RING");
        const QString full = run.padded() ? QStringLiteral("PartKey") : QStringLiteral("FullPartNO");
        if (fresh.contains(full))
            EXPECT_EQ(fresh.value(full).toString(), run.padded() ? "UD300-A" : "A-UD-300");
        EXPECT_EQ(fx::readRow(db, run.pta(), QStringLiteral("Where PartID = %1").arg(p400)).value("TName").toString(),
                  "BELT");

        // UD-300, UD-100 and UD-301 form one group; UD-400 stands alone.
        auto linked = [&](int a, int b) {
            return db.count(run.altg(), QStringLiteral("PartID = %1 And AltID = %2").arg(a).arg(b)) == 1;
        };
        for (auto [a, b] : {std::pair{p300, 1}, {1, p300}, {p300, p301}, {p301, p300}, {1, p301}, {p400, 0}})
            EXPECT_TRUE(linked(a, b)) << a << ">" << b;
        EXPECT_EQ(db.count(run.altg(), "PartID = 0"), 0);
        EXPECT_EQ(db.scalar(QStringLiteral("Select LastID From LastID Where NameID = '%1'").arg(run.counter())).toInt(), 4);
        EXPECT_EQ(db.count("PriceList", "BrandID = 7"), 0);
        if (run.ver == QLatin1String("P.68 (Bar)")) {
            EXPECT_EQ(db.count("Pta_BarCode"), 3);
            EXPECT_EQ(db.count("Pta_ModelID", "FBModel = 'UDCWA'"), 1);
        }
    }
    if (GetParam().sqlServer) {
        NewPartsRun access(run.ver, false);
        ASSERT_EQ(access.click(), QStringLiteral("เสร็จแล้วจ้า"));
        EXPECT_EQ(access.dump(), run.dump());
    }

    // The same list again: every part is found, nothing is added.
    ASSERT_EQ(run.click(), QStringLiteral("เสร็จแล้วจ้า"));
    fx::SqliteFile db(run.catalog);
    EXPECT_EQ(db.count(run.pta()), 4);
    EXPECT_EQ(db.scalar(QStringLiteral("Select LastID From LastID Where NameID = '%1'").arg(run.counter())).toInt(), 4);
    EXPECT_EQ(db.count("PriceList", "BrandID = 7"), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, WholeRun,
                         ::testing::Values(RunCase{"V.31", false}, RunCase{"P.43", false}, RunCase{"P.64 (Bar)", false},
                                           RunCase{"P.66 (Bar)", false}, RunCase{"P.68 (Bar)", false},
                                           RunCase{"V.31", true}, RunCase{"P.68 (Bar)", true}),
                         [](const auto& info) {
                             return nptest::nameOf(info.param.ver) + (info.param.sqlServer ? "Sql" : "Access");
                         });
