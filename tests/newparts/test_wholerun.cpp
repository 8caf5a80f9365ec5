// A whole run that brings new parts: what the list adds exists afterwards
// with its groups, the staging table keeps none of the brand's rows, and the
// same run through the SQL Server form leaves the same catalogue.
#include <gtest/gtest.h>

#include "app/Run.h"
#include "app/RunState.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

namespace {

constexpr int kBrand = 7;

struct NewPartsRun {
    NewPartsRun(const QString& version, bool sqlServer) : ver(version)
    {
        fx::CatalogSpec spec;
        spec.ver = ver;
        spec.brandId = kBrand;
        fx::makeCatalog(catalog, spec);
        {
            fx::SqliteFile db(catalog);
            fx::insertPart(db, ver, kBrand,
                           {{"PartID", 1}, {"Kind", ""}, {"PartNO", "UD-100"}, {"FPartNO", "UD-100"},
                            {"EName", "old"}, {"TName", "old"}, {"Price", 1}, {"Sale", 1}, {"BrandID", kBrand}});
            fx::insertAlt(db, ver, kBrand, {{"AltID", 1}, {"AltNO", "UD-100"}, {"APrice", 1}});
            fx::insertAltG(db, ver, kBrand, {{"PartID", 1}, {"AltID", 0}});
            db.exec("INSERT INTO LastID VALUES ('Pta7', 1)");
            // Another brand's staged row stays where it is.
        }

        fx::PriceRow known = fx::row(QString(), "UD-100", "ไส้กรอง", 250);
        fx::PriceRow fresh = fx::row("A", "UD-300", "โอริง", 120, 100);
        fresh.EName = "O'RING";
        fresh.Model[0] = "CWA";
        fresh.AltNO[0] = "UD-100";         // already in the catalogue
        fresh.AKind[1] = "B";
        fresh.AltNO[1] = "UD-301";         // new
        fresh.AltNO[2] = "UD-300";         // the part itself: skipped
        fx::PriceRow lone = fx::row(QString(), "UD-400", "", 99);
        lone.EName = "BELT";
        fx::makePriceList(priceList, {{1, {known, fresh}}, {2, {lone}}});

        op.priceList = priceList;
        op.dataVelkadine = catalog;
        if (sqlServer) {
            fx::useTestOdbc();
            op.access = false;
            op.server = "localhost";
            op.uid = "sa";
            op.pwd = "x";
            op.dbq = catalog;
        }
    }

    int idOf(fx::SqliteFile& db, const QString& partNo)
    {
        return db.scalar(QStringLiteral("Select PartID From %1 Where PartNO = '%2'")
                             .arg(fx::ptaTable(ver, kBrand), partNo))
            .toInt();
    }

    // The catalogue's part, alternates and group tables and the counters, as text.
    QStringList dump()
    {
        fx::SqliteFile db(catalog);
        QStringList out;
        for (const QString& t : {fx::ptaTable(ver, kBrand), fx::altTable(ver, kBrand), fx::altGTable(ver, kBrand),
                                 QStringLiteral("LastID")}) {
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
    fx::TempDir dir;
    QString catalog = dir.file("Velkadine.mdb");
    QString priceList = dir.file("PriceList_UD.mdb");
    RecordingOperator op;
    RunState st{op};
};

class NewPartsWholeRun : public ::testing::TestWithParam<const char*> {};

}   // namespace

TEST_P(NewPartsWholeRun, PartsTheListAddsExistWithTheirGroups)
{
    NewPartsRun run(QString::fromLatin1(GetParam()), false);
    cmdUpDate_Click(run.st);
    ASSERT_FALSE(run.op.messages.empty());
    EXPECT_EQ(run.op.messages.back().text, QStringLiteral("เสร็จแล้วจ้า")) << run.op.messages.back().text.toStdString();

    fx::SqliteFile db(run.catalog);
    const QString pta = fx::ptaTable(run.ver, kBrand);
    for (const char* no : {"UD-300", "UD-301", "UD-400"})
        EXPECT_EQ(db.count(pta, QStringLiteral("PartNO = '%1'").arg(QLatin1String(no))), 1) << no;
    EXPECT_EQ(db.count(pta), 4);

    const QVariantMap fresh = fx::readRow(db, pta, "Where PartNO = 'UD-300'");
    EXPECT_EQ(fresh.value("Kind").toString(), "A");
    EXPECT_EQ(fresh.value("EName").toString(), "O'RING");
    EXPECT_EQ(fresh.value("FullPartNO").toString(), "A-UD-300");
    EXPECT_EQ(fx::readRow(db, pta, "Where PartNO = 'UD-400'").value("TName").toString(), "BELT");

    // UD-300, UD-100 and UD-301 form one group.
    const int p300 = run.idOf(db, "UD-300"), p301 = run.idOf(db, "UD-301");
    const QString altg = fx::altGTable(run.ver, kBrand);
    auto linked = [&](int a, int b) {
        return db.count(altg, QStringLiteral("PartID = %1 And AltID = %2").arg(a).arg(b)) == 1;
    };
    EXPECT_TRUE(linked(p300, 1));
    EXPECT_TRUE(linked(1, p300));
    EXPECT_TRUE(linked(p300, p301));
    EXPECT_TRUE(linked(p301, p300));
    EXPECT_TRUE(linked(1, p301));
    EXPECT_TRUE(linked(run.idOf(db, "UD-400"), 0));
    EXPECT_EQ(db.count(altg, "PartID = 0"), 0);

    EXPECT_EQ(db.count("PriceList", QStringLiteral("BrandID = %1").arg(kBrand)), 0);
    EXPECT_EQ(db.scalar("Select LastID From LastID Where NameID = 'Pta7'").toInt(), 4);
    EXPECT_TRUE(run.op.qtyLines.contains(QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_2  (0)  100 %")));
}

TEST_P(NewPartsWholeRun, SqlServerFormLeavesTheSameCatalogue)
{
    NewPartsRun access(QString::fromLatin1(GetParam()), false);
    cmdUpDate_Click(access.st);
    NewPartsRun sql(QString::fromLatin1(GetParam()), true);
    cmdUpDate_Click(sql.st);
    ASSERT_FALSE(sql.op.messages.empty());
    EXPECT_EQ(sql.op.messages.back().text, QStringLiteral("เสร็จแล้วจ้า")) << sql.op.messages.back().text.toStdString();
    EXPECT_EQ(sql.dump(), access.dump());
    fx::SqliteFile db(sql.catalog);
    EXPECT_EQ(db.count("PriceList", QStringLiteral("BrandID = %1").arg(kBrand)), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, NewPartsWholeRun, ::testing::Values("V.31", "P.43"),
                         [](const auto& info) {
                             std::string n;
                             for (const char* p = info.param; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p)))
                                     n += *p;
                             return n;
                         });
