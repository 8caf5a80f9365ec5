// Whole runs on zero-padded catalogues ("P.66 (Bar)", "P.68 (Bar)"): the
// parts the list adds exist afterwards under their keys, with their groups,
// names, bar codes and car models; a second run with the same list finds
// them all and adds nothing.
#include <gtest/gtest.h>

#include "app/Run.h"
#include "app/RunState.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

namespace {

constexpr int kBrand = 7;

struct RunCase {
    const char* ver;
    bool sqlServer;
};

struct PaddedRun {
    explicit PaddedRun(const RunCase& c) : ver(QString::fromLatin1(c.ver))
    {
        fx::CatalogSpec spec;
        spec.ver = ver;
        spec.brandId = kBrand;
        fx::makeCatalog(catalog, spec);
        {
            fx::SqliteFile db(catalog);
            fx::insertPart(db, ver, kBrand,
                           {{"PartID", 1}, {"FPartNO", "UD100"}, {"EName", "old"}, {"TName", "old"}, {"Price", 1},
                            {"Sale", 1}, {"BrandID", kBrand}});
            fx::insertAlt(db, ver, kBrand, {{"AltID", 1}, {"AltKey", "UD100"}, {"APrice", 1}, {"BrandID", kBrand}});
            fx::insertAltG(db, ver, kBrand, {{"PartID", 1}, {"AltID", 0}});
            db.exec("INSERT INTO LastID VALUES ('PartID', 1)");
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
        fx::makePriceList(priceList, {{1, {known, fresh}}, {2, {lone}}});

        op.priceList = priceList;
        op.dataVelkadine = catalog;
        if (c.sqlServer) {
            fx::useTestOdbc();
            op.access = false;
            op.server = "localhost";
            op.uid = "sa";
            op.pwd = "x";
            op.dbq = catalog;
        }
    }

    QString lastMessage() const { return op.messages.empty() ? QString() : op.messages.back().text; }
    int idOf(fx::SqliteFile& db, const QString& fPartNo)
    {
        return db.scalar(QStringLiteral("Select PartID From %1 Where FPartNO = '%2'").arg(pta(), fPartNo)).toInt();
    }
    QString pta() const { return fx::ptaTable(ver, kBrand); }
    QString altg() const { return fx::altGTable(ver, kBrand); }
    bool p68() const { return ver == QLatin1String("P.68 (Bar)"); }

    QString ver;
    fx::TempDir dir;
    QString catalog = dir.file("Velkadine.mdb");
    QString priceList = dir.file("PriceList_UD.mdb");
    RecordingOperator op;
    RunState st{op};
};

class PaddedWholeRun : public ::testing::TestWithParam<RunCase> {};

}   // namespace

TEST_P(PaddedWholeRun, NewPartsExistWithGroupsNamesAndLinksAndASecondRunAddsNothing)
{
    PaddedRun run(GetParam());
    cmdUpDate_Click(run.st);
    ASSERT_EQ(run.lastMessage(), QStringLiteral("เสร็จแล้วจ้า")) << run.lastMessage().toStdString();

    {
        fx::SqliteFile db(run.catalog);
        EXPECT_EQ(db.count(run.pta()), 4);
        const int p300 = run.idOf(db, "UD300A"), p301 = run.idOf(db, "UD301B"), p400 = run.idOf(db, "UD400");
        EXPECT_GT(p300, 1);
        EXPECT_GT(p301, 1);
        EXPECT_GT(p400, 1);

        const QVariantMap fresh = fx::readRow(db, run.pta(), QStringLiteral("Where PartID = %1").arg(p300));
        EXPECT_EQ(fresh.value("PartKey").toString(), "UD300-A");
        EXPECT_EQ(fresh.value("EName").toString(), "O RING");
        EXPECT_EQ(fresh.value("FEName").toString(), "ORING");
        EXPECT_DOUBLE_EQ(fresh.value("Price").toDouble(), 120);
        EXPECT_DOUBLE_EQ(fresh.value("Sale").toDouble(), 100);
        const QVariantMap alt = fx::readRow(db, run.pta(), QStringLiteral("Where PartID = %1").arg(p301));
        EXPECT_EQ(alt.value("ENameID").toInt(), fresh.value("ENameID").toInt());
        EXPECT_EQ(alt.value("TName").toString(), QStringLiteral("โอริง"));
        const QVariantMap belt = fx::readRow(db, run.pta(), QStringLiteral("Where PartID = %1").arg(p400));
        EXPECT_EQ(belt.value("TName").toString(), "BELT");
        EXPECT_EQ(belt.value("ChrTName").toString(), "B");

        // UD-300, UD-100 and UD-301 form one group; UD-400 stands alone.
        auto linked = [&](int a, int b) {
            return db.count(run.altg(), QStringLiteral("PartID = %1 And AltID = %2").arg(a).arg(b)) == 1;
        };
        for (auto [a, b] : {std::pair{p300, 1}, {1, p300}, {p300, p301}, {p301, p300}, {1, p301}, {p301, 1}})
            EXPECT_TRUE(linked(a, b)) << a << ">" << b;
        EXPECT_TRUE(linked(p400, 0));
        // UD-301 is also handed on as a part of its own and staged; its turn
        // finds it and, with no alternates, adds its lone row beside the links.
        EXPECT_TRUE(linked(p301, 0));
        EXPECT_EQ(db.count(run.altg()), 8);

        EXPECT_EQ(db.scalar("Select LastID From LastID Where NameID = 'PartID'").toInt(), 4);
        EXPECT_EQ(db.count("PriceList", QStringLiteral("BrandID = %1").arg(kBrand)), 0);
        if (run.p68()) {
            EXPECT_EQ(db.count("Pta_BarCode"), 3);
            EXPECT_EQ(db.count("Pta_BrandCar", QStringLiteral("PartID In (%1, %2)").arg(p300).arg(p301)), 2);
            EXPECT_EQ(db.count("Pta_ModelID", "FBModel = 'UDCWA'"), 1);
            EXPECT_EQ(db.count("Pta_Model", QStringLiteral("PartID = %1").arg(p400)), 1);
        }
    }
    EXPECT_TRUE(run.op.qtyLines.contains(QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_2  (0)  100 %")));
    EXPECT_TRUE(run.op.partLines.contains(QStringLiteral("UD300-A - โอริง   CWA")));

    // The same list again: every part is found, nothing is added.
    RecordingOperator again = run.op;
    again.messages.clear();
    RunState st2{again};
    cmdUpDate_Click(st2);
    ASSERT_FALSE(again.messages.empty());
    EXPECT_EQ(again.messages.back().text, QStringLiteral("เสร็จแล้วจ้า")) << again.messages.back().text.toStdString();
    fx::SqliteFile db(run.catalog);
    EXPECT_EQ(db.count(run.pta()), 4);
    EXPECT_EQ(db.scalar("Select LastID From LastID Where NameID = 'PartID'").toInt(), 4);
    EXPECT_EQ(db.count("PriceList", QStringLiteral("BrandID = %1").arg(kBrand)), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedWholeRun,
                         ::testing::Values(RunCase{"P.66 (Bar)", false}, RunCase{"P.68 (Bar)", false},
                                           RunCase{"P.66 (Bar)", true}, RunCase{"P.68 (Bar)", true}),
                         [](const auto& info) {
                             std::string n;
                             for (const char* p = info.param.ver; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p)))
                                     n += *p;
                             return n + (info.param.sqlServer ? "Sql" : "Access");
                         });
