// The fixture's per-label part tables: every label's main part row goes in as
// the new-part writer composes it (positionally, through the database layer
// of the label's road), and the columns other procedures name read back the
// values put there.
#include <gtest/gtest.h>

#include "CatalogTestSupport.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"

namespace {

// The sample part's value in each named column, where the label's table has it.
const QVariantMap kCommon = {
    {"UpRec", 0}, {"PartID", 101}, {"Kind", "A"}, {"FPartNO", "140400W000"}, {"PartNO", "14040-0W000"},
    {"lAtNO", "ALT-1"}, {"EName", "FILTER"}, {"IndTName", "TKEY"}, {"TName", "TNAME"},
    {"Description", "DESC"}, {"Model", "CAB,TRK"}, {"Import", "JP"}, {"Price", 1234.5}, {"Price1", 1234.5},
    {"Sale", 1000.25}, {"Sale1", 1000.25}, {"DisPrice", "10%"}, {"BrandID", 7},
    {"FullPartNO", "A-14040-0W000"}, {"EFind", "FILTER  CAB,TRK"}, {"TFind", "TNAME  CAB,TRK"},
    {"MainRow", 1}, {"SaleDiffers", 1}, {"DateStamp", 25681206}, {"ENameID", 11}, {"TNameID", 12},
    {"PartKey", "14040-0W000"}, {"ChrEName", "F"}, {"FEName", "FILTER"}, {"ChrTName", "T"},
    {"FTName", "TNAME"}, {"BrandCode", "UD"}};

struct MainRow {
    QString ver;
    QString sql;
    QVariantMap differs = {};   // columns the label's writer fills otherwise
};

std::vector<MainRow> mainRows()
{
    // The first five values of most plain labels, the names and models, and the last ten.
    const QString into = "Insert Into Pta7 Values( 0, 101, 'A', '140400W000', '14040-0W000', ";
    const QString names = "'FILTER', 'TKEY', 'TNAME', 'DESC', 'CAB,TRK', '', 'JP', ";
    const QString tail = ", 7, 0, 0, 'A-14040-0W000', 0, 0, 0, 0, 0, 0, 0 )";
    const QString head = into + "'B', 'ALT-1', '', " + names + "'', 1234.5, ";
    const QString v31 = head + "0, 1000.25, 0, True, False, '', 0, 0, 0, 0, 0" + tail;
    const QString p46 = head + "'10%', 1000.25, '', 0, 0, 0, True, False, '', 0, 0, 0, 0, 0" + tail;
    std::vector<MainRow> rows;
    for (const char* v : {"V.31", "V.32", "V.41", "V.51", "V.61", "P.42"})
        rows.push_back({v, v31});
    for (const char* v : {"P.46 (Bar)", "P.47001 (Bar)", "P.62 (Bar)", "D.47 (Bar)"})
        rows.push_back({v, p46});
    rows.push_back({"P.61 (Bar)", head + "'10%', 1000.25, '', 0, 0, 0, 1, 0, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"Ver 3.1 SQL", head + "0, 1000.25, 0, 1, 0, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"V.33", head + "0, 1000.25, 0, True, False, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"V.34", head + "0, 1000.25, 0, 0, 0, 0, 1, 1, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"V.42", head + "0, 1000.25, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"V.43", head + "0, 1000.25, 0, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"V.46 (Bar)", head + "0, 1000.25, 0, True, False, '', '', 0, 0, 0, 0, 0"
                                      + tail.chopped(2) + ", 25681206 )"});
    rows.push_back({"P.43", head + "0, 0, 0, 1000.25, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"P.44 (Bar)", head + "0, 1000.25, 0, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"V.45", into + "'B', 'ALT-1', '', 'FILTER', 'TKEY', 'TNAME', '', 'CAB,TRK', 'DESC', '', "
                                   "'JP', '', 1234.5, 0, 1000.25, 0, True, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"P.45 (Bar)",
                    into + "'B', 'ALT-1', '', '14040-0W000', " + names + "1234.5, 0, 0, 0, 1000.25, "
                        + "0, 0, 0, 0, 0, 0, '', '', '', '', 0, 0, 0, 0, 0" + tail,
                    {{"EFind", ""}, {"TFind", ""}}});
    rows.push_back({"P.48 (Bar)", into + "'14040-0W000', 'B', 'ALT-1', '', " + names + "'10%', 1234.5, '', "
                                      + "1000.25, '', 0, 0, 0, True, False, '', 0, 0, 0, 0, 0" + tail});
    rows.push_back({"P.49 (Bar)", into + "'14040-0W000', 'B', 'ALT-1', '', " + names
                                      + "'', 1234.5, '10%', 1000.25, '', '', 1, 0, 0, 0, 0 )"});
    rows.push_back({"P.52",
                    into + "'B', 'ALT-1', '', 'FILTER  CAB,TRK', 'FILTER', 'TNAME  CAB,TRK', 'TNAME', 'DESC', "
                        + "'CAB,TRK', '', 'JP', 1234.5, 0, 1000.25, 0, 0, '', 0, 0, 0, 0, '', 0, 7, 0, 0, "
                        + "'A-14040-0W000', 0, 0, 0, 0, 0, 0 )",
                    {{"IndTName", ""}}});
    for (const char* v : {"P.64 (Bar)", "P.65 (Bar)"})
        rows.push_back({v, "Insert Into Pta7 Values( 0, 0, 101, 'A', '140400W000', '14040-0W000', 'B', "
                           "'ALT-1', '', '', 'FILTER  CAB,TRK', 'FILTER', 'TNAME  CAB,TRK', 'TNAME', 'DESC', "
                           "'CAB,TRK', '', 'JP', 1234.5, 0, 1000.25, 0, 0, '', 0, 0, 0, 0, 0, '', '', 0, 0, 0, "
                           "'', '' )"});
    rows.push_back({"P.66 (Bar)",
                    "Insert Into Pta_07 Values( 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 101, 0, 11, 12, 1, "
                    "'แท้เบิกห้าง', '', '', '140400W000', '14040-0W000', 'F', 'FILTER', 'FILTER', 'T', 'TNAME', "
                    "'TNAME', '', 'UD', '', '', 1234.5, '10%', 1000.25, '', '', '', 0, 0, 0, 0, 0, '', "
                    "0, 0, 0, 0, 25681206 )",
                    {{"Kind", ""}, {"PartNO", ""}, {"Model", ""}, {"Description", ""}, {"Import", ""}}});
    rows.push_back({"P.68 (Bar)",
                    "Insert Into Pta_007 Values( 0, 0, 0, 0, 0, 0, 1, 0, 0, 7, 0, 0, 0, 101, 0, 11, 12, 0, "
                    "'UD', 'แท้', '', '14040-0W000', '140400W000', '14040-0W000', 'F', 'FILTER', 'FILTER', 'T', "
                    "'TNAME', 'TNAME', 'DESC', '', '', 'CAB,TRK', 'JP', 1, 1234.5, '10%', 0, 1000.25, '', 0, "
                    "'', '', 0, '', 0, '', 0, 0, 0, 0, 0, 0, 0, 0, '', 0, 0, 0, 0, 25681206 )",
                    {{"Kind", ""}}});
    return rows;
}

TEST(LabelTables, EveryLabelsMainRowFitsAndReadsBackByName)
{
    fx::useTestOdbc();
    const std::vector<MainRow> rows = mainRows();
    QStringList labels;
    for (const MainRow& m : rows) {
        SCOPED_TRACE(m.ver.toStdString());
        labels << m.ver;
        fx::TempDir dir;
        const QString file = dir.file("cat.db");
        fx::CatalogSpec spec;
        spec.ver = m.ver;
        fx::makeCatalog(file, spec);
        {
            // A text where a price goes, or one value too few, is refused.
            fx::SqliteFile db(file);
            EXPECT_ANY_THROW(db.exec(QString(m.sql).replace("1234.5", "'x'")));
            EXPECT_ANY_THROW(db.exec(QString(m.sql).replace(", 101,", ",")));
        }
        db::Connection cn;
        const bool odbc = m.ver == QLatin1String("Ver 3.1 SQL");
        cn.ConnectionString = odbc ? fx::sqlServerConnectionString(file) : fx::accessConnectionString(file);
        cn.Open();
        ASSERT_EQ(cn.Execute(m.sql), 1);
        cn.Close();

        fx::SqliteFile db(file);
        const QString pta = fx::ptaTable(m.ver, 7);
        const QStringList cols = db.columns(pta);
        for (const char* named : {"UpRec", "PartID", "Kind", "FPartNO", "PartNO", "EName", "TName"})
            EXPECT_TRUE(cols.contains(named)) << named;
        EXPECT_TRUE(cols.contains("Price") || cols.contains("Price1"));
        const QVariantMap r = fx::readRow(db, pta, "Where PartID = 101");
        ASSERT_FALSE(r.isEmpty());
        for (const QString& col : cols) {
            if (kCommon.contains(col)) {
                const QString expected = m.differs.value(col, kCommon.value(col)).toString();
                EXPECT_EQ(r.value(col).toString(), expected) << col.toStdString();
            }
        }
    }
    labels.sort();
    QStringList all = fx::versionLabels();
    all.sort();
    EXPECT_EQ(labels, all);
}

}   // namespace
