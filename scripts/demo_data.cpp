// Makes the demo files for the brand UD: a catalogue of label "V.31"
// (Velkadine.accdb, a SQLite file) with a handful of parts, and a price list
// (PriceList_UD.mdb) of two groups with changed prices and new parts, and
// two parts listed twice with different prices, so the grid has rows.
//
//   demo_data [folder]        (default: ./demo)
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QVariantMap>
#include <cstdio>
#include <exception>

#include "catalog/PartKeys.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"

namespace {

const QString kVer = QStringLiteral("V.31");
constexpr int kBrandId = 7;

struct CatalogPart {
    int id;
    const char* partNo;
    const char* eName;
    const char* tName;
    const char* model;
    double price;
    double sale;
};

// Parts the catalogue already holds.
const CatalogPart kParts[] = {
    {1, "UD-16546-01", "OIL FILTER", "ไส้กรองน้ำมันเครื่อง", "QUESTER", 450, 450},
    {2, "UD-41060-90", "BRAKE PAD FRONT", "ผ้าเบรกหน้า", "QUON", 2850, 2700},
    {3, "UD-21200-04", "WATER PUMP", "ปั๊มน้ำ", "CRONER", 6200, 6200},
    {4, "UD-30100-11", "CLUTCH DISC", "แผ่นคลัตช์", "QUESTER", 9800, 9500},
    {5, "UD-26310-02", "HEAD LAMP LH", "ไฟหน้าซ้าย", "QUON", 5400, 5400},
    {6, "UD-16400-77", "FUEL FILTER", "ไส้กรองน้ำมันเชื้อเพลิง", "CRONER", 780, 780},
};

void MakeCatalog(const QString& file)
{
    fx::CatalogSpec spec;
    spec.ver = kVer;
    spec.brandId = kBrandId;
    spec.brandCode = QStringLiteral("UD");
    fx::makeCatalog(file, spec);

    fx::SqliteFile db(file);
    for (const CatalogPart& p : kParts) {
        const QString no = QString::fromUtf8(p.partNo);
        fx::insertPart(db, kVer, kBrandId,
                       {{QStringLiteral("UpRec"), 0},
                        {QStringLiteral("PartID"), p.id},
                        {QStringLiteral("Kind"), QString()},
                        {QStringLiteral("FPartNO"), MakePartKey(kVer, QStringLiteral("UD"), no)},
                        {QStringLiteral("PartNO"), no},
                        {QStringLiteral("EName"), QString::fromUtf8(p.eName)},
                        {QStringLiteral("TName"), QString::fromUtf8(p.tName)},
                        {QStringLiteral("Model"), QString::fromUtf8(p.model)},
                        {QStringLiteral("Price"), p.price},
                        {QStringLiteral("Sale"), p.sale},
                        {QStringLiteral("BrandID"), kBrandId},
                        {QStringLiteral("FullPartNO"), no}});
        fx::insertAlt(db, kVer, kBrandId,
                      {{QStringLiteral("AltID"), p.id},
                       {QStringLiteral("AltNO"), no},
                       {QStringLiteral("APrice"), p.price}});
        fx::insertAltG(db, kVer, kBrandId, {{QStringLiteral("PartID"), p.id}, {QStringLiteral("AltID"), 0}});
    }
    fx::insertRow(db, QStringLiteral("LastID"),
                  {{QStringLiteral("NameID"), QStringLiteral("Pta%1").arg(kBrandId)},
                   {QStringLiteral("LastID"), int(std::size(kParts))}});
}

fx::PriceRow Row(const char* partNo, const char* eName, const char* tName, const char* model,
                 double price, double sale, const char* altNo = nullptr, const char* altNo2 = nullptr)
{
    fx::PriceRow r = fx::row(QString(), QString::fromUtf8(partNo), QString::fromUtf8(tName), price, sale);
    r.EName = QString::fromUtf8(eName);
    r.Model[0] = QString::fromUtf8(model);
    if (altNo)
        r.AltNO[0] = QString::fromUtf8(altNo);
    if (altNo2)
        r.AltNO[1] = QString::fromUtf8(altNo2);
    return r;
}

void MakePriceList(const QString& file)
{
    std::vector<fx::PriceRow> group1 = {
        // Known parts: new prices, one unchanged.
        Row("UD-16546-01", "OIL FILTER", "ไส้กรองน้ำมันเครื่อง", "QUESTER", 480, 480),
        Row("UD-41060-90", "BRAKE PAD FRONT", "ผ้าเบรกหน้า", "QUON", 2950, 2800),
        Row("UD-21200-04", "WATER PUMP", "ปั๊มน้ำ", "CRONER", 6200, 6200),
        // New parts, with alternates.
        Row("UD-15208-Z5", "OIL FILTER ELEMENT", "ไส้กรองน้ำมันเครื่องแท้", "QUESTER", 520, 500, "UD-15208-Z6"),
        Row("UD-44060-31", "BRAKE SHOE REAR", "ก้ามเบรกหลัง", "QUON", 3400, 3250, "UD-44060-32", "UD-44060-33"),
        Row("UD-16546-02", "OIL FILTER HEAVY", "ไส้กรองน้ำมันเครื่องงานหนัก", "CRONER", 530, 530, "UD-16546-01"),
        Row("UD-27277-05", "WIPER BLADE", "ใบปัดน้ำฝน", "QUON", 350, 0),
        Row("UD-24011-80", "BATTERY CABLE", "สายแบตเตอรี่", "QUESTER", 890, 850),
    };
    std::vector<fx::PriceRow> group2 = {
        Row("UD-30100-11", "CLUTCH DISC", "แผ่นคลัตช์", "QUESTER", 10250, 9900),
        Row("UD-26310-02", "HEAD LAMP LH", "ไฟหน้าซ้าย", "QUON", 5600, 5600),
        Row("UD-16400-77", "FUEL FILTER", "ไส้กรองน้ำมันเชื้อเพลิง", "CRONER", 820, 800),
        Row("UD-26310-03", "HEAD LAMP RH", "ไฟหน้าขวา", "QUON", 5600, 5600, "UD-26310-04"),
        Row("UD-21010-88", "RADIATOR", "หม้อน้ำ", "CRONER", 15400, 14900),
        Row("UD-30210-07", "CLUTCH COVER", "หวีคลัตช์", "QUESTER", 8700, 8500, "UD-30210-08"),
        Row("UD-54618-10", "STABILIZER LINK", "ลูกหมากกันโคลง", "QUON", 1250, 1200),
        // Listed again with another price: whichever row the catalogue keeps,
        // the other still differs and shows in the grid after the run.
        Row("UD-27277-05", "WIPER BLADE", "ใบปัดน้ำฝน", "QUON", 370, 0),
        Row("UD-41060-90", "BRAKE PAD FRONT", "ผ้าเบรกหน้า", "QUON", 2990, 2800),
    };
    fx::makePriceList(file, {{1, group1}, {2, group2}});
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("demo");
    try {
        QDir().mkpath(folder);
        const QString catalog = QDir(folder).absoluteFilePath(QStringLiteral("Velkadine.accdb"));
        const QString priceList = QDir(folder).absoluteFilePath(QStringLiteral("PriceList_UD.mdb"));
        for (const QString& f : {catalog, priceList}) {
            QFile::remove(f);
            QFile::remove(f + QStringLiteral("-wal"));
            QFile::remove(f + QStringLiteral("-shm"));
        }
        MakeCatalog(catalog);
        MakePriceList(priceList);
        std::printf("%s\n%s\n", qPrintable(catalog), qPrintable(priceList));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo_data: %s\n", e.what());
        return 1;
    }
    return 0;
}
