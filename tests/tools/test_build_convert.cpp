// Row conversion of the build: each import row cleaned, its part numbers put
// into the brand's form, and inserted into the working table.
#include "build_support.h"

#include "tools/PriceListBuild.h"

using namespace buildtest;

namespace {

struct ConvertFile : PriceListFile {
    explicit ConvertFile(const std::vector<fx::PriceRow>& rows, int n = 1)
    {
        fx::createImportTable(*db, n);
        fx::insertImportRows(*db, n, rows);
    }
    fx::ToolRun& run(const QString& brand, int16_t n = 1)
    {
        auto& r = open();
        r.st.strBrandCode = brand;
        ConvertImportTable(r.st, n);
        return r;
    }
    QVariantList working(const QString& partNo)
    {
        const auto r = db->rows(QStringLiteral("SELECT PartNO, PartNew, FPartNew FROM PriceList WHERE PartNO = '%1'")
                                    .arg(partNo));
        return r.empty() ? QVariantList{} : r.front();
    }
};

struct BrandCase {
    const char* brand;
    QString partNo;      // as imported
    QString altNo;       // AltNO_1 as imported
    QString outPartNO, outPartNew, outFPartNew, outAltNO;
};

void PrintTo(const BrandCase& c, std::ostream* os) { *os << c.brand << " " << c.partNo.toStdString(); }

class BrandForms : public ::testing::TestWithParam<BrandCase> {};

TEST_P(BrandForms, PartNumbersOfTheBrand)
{
    const BrandCase& c = GetParam();
    fx::PriceRow p = part(QStringLiteral("1"), c.partNo, 10);
    p.AltNO[0] = c.altNo;
    ConvertFile f({p});
    f.run(QString::fromLatin1(c.brand));
    const auto rows = f.db->rows(QStringLiteral("SELECT PartNO, PartNew, FPartNew, AltNO_1, AltNO_2 FROM PriceList"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].toString(), c.outPartNO);
    EXPECT_EQ(rows[0][1].toString(), c.outPartNew);
    EXPECT_EQ(rows[0][2].toString(), c.outFPartNew);
    EXPECT_EQ(rows[0][3].toString(), c.outAltNO);
    EXPECT_EQ(rows[0][4].toString(), QString());   // an empty alternate stays empty
}

INSTANTIATE_TEST_SUITE_P(
    Build, BrandForms,
    ::testing::Values(
        BrandCase{"BENZ", QStringLiteral("A 001 23B"), QStringLiteral("B*1,2"), QStringLiteral("A 001 23B"),
                  QStringLiteral("001 23B"), QStringLiteral("00123B"), QStringLiteral("B1 2")},
        BrandCase{"NISSAN", QStringLiteral("ABCDE12345"), QStringLiteral("FGHIJ 67890"),
                  QStringLiteral("ABCDE-12345"), QStringLiteral("ABCDE-12345"), QStringLiteral("ABCDE12345"),
                  QStringLiteral("FGHIJ-67890")},
        BrandCase{"TOYOTA", QStringLiteral("ABCDE12345XY"), QString(), QStringLiteral("ABCDE-12345 XY"),
                  QStringLiteral("ABCDE-12345 XY"), QStringLiteral("ABCDE12345XY"), QString()},
        BrandCase{"UD", QStringLiteral(" 12345-6789. "), QString(), QStringLiteral("12345-6789"),
                  QStringLiteral("12345-6789"), QStringLiteral("123456789"), QString()},
        BrandCase{"UD_VOLVO", QStringLiteral("ABCDE12345"), QStringLiteral("1234"), QStringLiteral("VABCDE-12345"),
                  QStringLiteral("VABCDE-12345"), QStringLiteral("VABCDE12345"), QStringLiteral("V1234")},
        BrandCase{"FORD", QStringLiteral("12-34 / 5"), QStringLiteral("A-B / C"), QStringLiteral("12345"),
                  QStringLiteral("12345"), QStringLiteral("12345"), QStringLiteral("ABC")},
        BrandCase{"FORD", QStringLiteral("12*34."), QString(), QStringLiteral("12*34."),
                  QStringLiteral("12*34."), QStringLiteral("12*34."), QString()},
        BrandCase{"ISUZU", QStringLiteral("8-97*1 "), QStringLiteral("X,Y"), QStringLiteral("8-971"),
                  QStringLiteral("8-971"), QStringLiteral("8971"), QStringLiteral("X Y")},
        BrandCase{"HONDA", QStringLiteral("ABCDE12345"), QString(), QStringLiteral("ABCDE12345"),
                  QStringLiteral("ABCDE12345"), QStringLiteral("ABCDE12345"), QString()},
        // Brand codes compare exactly: "ud" is not "UD".
        BrandCase{"ud", QStringLiteral("ABCDE12345"), QString(), QStringLiteral("ABCDE12345"),
                  QStringLiteral("ABCDE12345"), QStringLiteral("ABCDE12345"), QString()}));

TEST(BuildConvert, RowsWithoutAKeyAreCountedButNotWritten)
{
    ConvertFile f({part(QStringLiteral("1"), QStringLiteral("***"), 10),
                   part(QStringLiteral("1"), QStringLiteral("GOOD1"), 10),
                   part(QStringLiteral("1"), QStringLiteral("XYZ"), 10)});
    auto& r = f.run(QStringLiteral("BENZ"));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 1);   // "***" is empty, "XYZ" has no digit
    EXPECT_EQ(f.text(QStringLiteral("SELECT PartNew FROM PriceList")), QStringLiteral("1"));
    EXPECT_EQ(r.op.qtyLines, (QStringList{QStringLiteral("กำลังสร้าง FPartNew  BENZ_1  (2)  33 %"),
                                          QStringLiteral("กำลังสร้าง FPartNew  BENZ_1  (1)  66 %"),
                                          QStringLiteral("กำลังสร้าง FPartNew  BENZ_1  (0)  100 %")}));
    EXPECT_EQ(r.op.yields, 3);
}

TEST(BuildConvert, ProgressAndRowLines)
{
    fx::PriceRow a = part(QStringLiteral("1"), QStringLiteral("ABCDE12345"), 10, 0, QStringLiteral("กรอง"));
    a.Model[0] = QStringLiteral("CWA");
    a.Model[2] = QStringLiteral(" GW ");
    fx::PriceRow b = part(QString(), QStringLiteral("B1"), 10, 0, QStringLiteral("ปั๊ม"));
    ConvertFile f({a, b, part(QStringLiteral("2"), QStringLiteral("C1"), 1), part(QStringLiteral("2"), QStringLiteral("D1"), 1)},
                  7);
    auto& r = f.run(QStringLiteral("UD"), 7);
    EXPECT_EQ(r.op.qtyLines, (QStringList{QStringLiteral("กำลังสร้าง FPartNew  UD_7  (3)  25 %"),
                                          QStringLiteral("กำลังสร้าง FPartNew  UD_7  (2)  50 %"),
                                          QStringLiteral("กำลังสร้าง FPartNew  UD_7  (1)  75 %"),
                                          QStringLiteral("กำลังสร้าง FPartNew  UD_7  (0)  100 %")}));
    EXPECT_EQ(r.op.partLines[0], QStringLiteral("1-ABCDE-12345  กรอง  CWA, GW"));
    EXPECT_EQ(r.op.partLines[1], QStringLiteral("B1  ปั๊ม  "));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 4);
}

TEST(BuildConvert, ExactStatementsOfOneRow)
{
    fx::PriceRow p = part(QStringLiteral("1"), QStringLiteral("ABCDE12345"), 99.5, 0, QStringLiteral("TN"));
    p.AKind[0] = QStringLiteral("2");
    p.AltNO[0] = QStringLiteral("ABCDE12346");
    p.EName = QStringLiteral("EN");
    p.Model[0] = QStringLiteral("M1");
    p.Description = QStringLiteral("D");
    p.Import = QStringLiteral("JP");
    p.DisPrice = QStringLiteral("10%");
    ConvertFile f({p, part(QString(), QStringLiteral("X1"), 1250, 1300)});
    LogOn log;
    f.run(QStringLiteral("UD"));
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 5);
    EXPECT_EQ(e[1], QStringLiteral(
        "Insert Into PriceList Values( '1', 'ABCDE-12345', 'ABCDE-12345', 'ABCDE12345', '2', 'ABCDE-12346', "
        "'', '', '', '', '', '', '', '', 'EN', 'TN', 'M1', '', '', '', '', '', '', '', '', '', '', '', 'D', "
        "'JP', 99.5, '10%', 99.5 )"));
    EXPECT_EQ(e[2], QStringLiteral("Select PartNO From PriceList Where Kind = '1' And PartNO = 'ABCDE-12345'"));
    EXPECT_TRUE(e[3].endsWith(QStringLiteral("'', '', 1250, '', 1300 )")));
    EXPECT_EQ(e[4], QStringLiteral("Select PartNO From PriceList Where PartNO = 'X1'"));
}

TEST(BuildConvert, SaleTakesPriceWhenZero)
{
    ConvertFile f({part(QStringLiteral("1"), QStringLiteral("A1"), 120, 0), part(QStringLiteral("1"), QStringLiteral("A2"), 0, 0),
                   part(QStringLiteral("1"), QStringLiteral("A3"), 120, 100.25)});
    f.run(QStringLiteral("ISUZU"));
    auto ps = [&](const char* p) {
        const auto r = f.db->rows(QStringLiteral("SELECT Price, Sale FROM PriceList WHERE PartNO = '%1'").arg(QLatin1String(p)));
        return std::make_pair(r.at(0).at(0).toDouble(), r.at(0).at(1).toDouble());
    };
    EXPECT_EQ(ps("A1"), std::make_pair(120.0, 120.0));
    EXPECT_EQ(ps("A2"), std::make_pair(0.0, 0.0));
    EXPECT_EQ(ps("A3"), std::make_pair(120.0, 100.25));
}

TEST(BuildConvert, WidthsAreCut)
{
    fx::PriceRow p = part(QStringLiteral("1"), QStringLiteral("A1"), 1, 0, QString(61, QChar(0x0E01)));
    p.EName = QString(41, QLatin1Char('E'));
    p.Description = QString(61, QLatin1Char('D'));
    p.Import = QString(21, QLatin1Char('I'));
    p.Model[11] = QString(31, QLatin1Char('M'));
    p.DisPrice = QString(70, QLatin1Char('9'));
    fx::PriceRow q = part(QStringLiteral("1"), QStringLiteral("A2"), 1, 0, QString(60, QChar(0x0E01)));
    q.EName = QString(40, QLatin1Char('E'));
    ConvertFile f({p, q});
    f.run(QStringLiteral("ISUZU"));
    const auto r = f.db->rows(QStringLiteral(
        "SELECT EName, TName, Description, Import, Model_12, DisPrice FROM PriceList ORDER BY PartNO"));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0][0].toString(), QString(40, QLatin1Char('E')));
    EXPECT_EQ(r[0][1].toString(), QString(60, QChar(0x0E01)));
    EXPECT_EQ(r[0][2].toString(), QString(60, QLatin1Char('D')));
    EXPECT_EQ(r[0][3].toString(), QString(20, QLatin1Char('I')));
    EXPECT_EQ(r[0][4].toString(), QString(30, QLatin1Char('M')));
    EXPECT_EQ(r[0][5].toString(), QString(70, QLatin1Char('9')));
    EXPECT_EQ(r[1][0].toString(), QString(40, QLatin1Char('E')));
    EXPECT_EQ(r[1][1].toString(), QString(60, QChar(0x0E01)));
}

TEST(BuildConvert, TextsAreCleaned)
{
    fx::PriceRow p = part(QStringLiteral(" 1 "), QStringLiteral("A1"), 1, 0, QStringLiteral("ไส้กรอง, อากาศ*"));
    p.EName = QStringLiteral("O'NEIL, 5*");
    p.Model[0] = QStringLiteral("CWA-");
    p.AKind[4] = QStringLiteral("\t2");
    ConvertFile f({p});
    f.run(QStringLiteral("ISUZU"));
    const auto r = f.db->rows(QStringLiteral("SELECT Kind, TName, EName, Model_1, AKind_5 FROM PriceList"));
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][0].toString(), QStringLiteral("1"));
    EXPECT_EQ(r[0][1].toString(), QStringLiteral("ไส้กรอง  อากาศ"));
    EXPECT_EQ(r[0][2].toString(), QStringLiteral("O NEIL  5"));
    EXPECT_EQ(r[0][3].toString(), QStringLiteral("CWA"));
    EXPECT_EQ(r[0][4].toString(), QStringLiteral("2"));
}

TEST(BuildConvert, QuotesThatSurviveAreWrittenSafely)
{
    // A FORD number is not cleaned, and a quote right after a removed star
    // survives the cleaning: both are written as they are.
    fx::PriceRow p = part(QStringLiteral("1"), QStringLiteral("O'1-2"), 1, 0, QStringLiteral("A*'B"));
    ConvertFile f({p});
    LogOn log;
    f.run(QStringLiteral("FORD"));
    EXPECT_EQ(f.text(QStringLiteral("SELECT PartNO FROM PriceList")), QStringLiteral("O'12"));
    EXPECT_EQ(f.text(QStringLiteral("SELECT TName FROM PriceList")), QStringLiteral("A'B"));
    EXPECT_TRUE(log.entries().contains(
        QStringLiteral("Select PartNO From PriceList Where Kind = '1' And PartNO = 'O''12'")));
}

TEST(BuildConvert, SamePartTwiceIsWrittenTwice)
{
    ConvertFile f({part(QStringLiteral("1"), QStringLiteral("A1"), 1), part(QStringLiteral("1"), QStringLiteral("A1"), 2)});
    f.run(QStringLiteral("ISUZU"));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList"), QStringLiteral("PartNO = 'A1'")), 2);
}

TEST(BuildConvert, EmptyImportTableWritesNothingAndShowsNothing)
{
    ConvertFile f({});
    auto& r = f.run(QStringLiteral("UD"));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
    EXPECT_TRUE(r.op.qtyLines.isEmpty());
    EXPECT_FALSE(r.st.rsWork1.isOpen());
}

TEST(BuildConvert, InsertThatCannotBeFoundGivesUpAfterThreeWrites)
{
    ConvertFile f({part(QStringLiteral("1"), QStringLiteral("LOST1"), 1), part(QStringLiteral("1"), QStringLiteral("NEXT"), 1)});
    f.db->exec(QStringLiteral("CREATE TRIGGER lose AFTER INSERT ON PriceList WHEN NEW.PartNO = 'LOST1' "
                              "BEGIN DELETE FROM PriceList WHERE rowid = NEW.rowid; END;"));
    LogOn log;
    auto& r = f.open();
    r.st.strBrandCode = QStringLiteral("ISUZU");
    try {
        ConvertImportTable(r.st, 1);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.driverText(), QStringLiteral("Row 1-LOST1 not found in PriceList after 3 writes"));
    }
    const QStringList e = log.entries();
    EXPECT_EQ(std::count_if(e.begin(), e.end(),
                            [](const QString& s) { return s.startsWith(QStringLiteral("Insert Into PriceList")); }),
              3);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);   // NEXT was never reached
}

TEST(BuildConvert, PriceThatIsNotANumberEndsTheConversion)
{
    ConvertFile f({part(QStringLiteral("1"), QStringLiteral("A1"), 1)});
    f.db->exec(QStringLiteral("UPDATE PriceNew_1 SET Price = 'abc'"));
    auto& r = f.open();
    EXPECT_THROW(ConvertImportTable(r.st, 1), db::DbError);
}

}  // namespace
