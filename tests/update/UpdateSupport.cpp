#include "UpdateSupport.h"

#include "app/StagingTable.h"
#include "common/Currency.h"
#include "db/Database.h"
#include "fixtures/LabelTables.h"

namespace ut {

namespace {

// Columns the part updates address by name; any the fixture layout lacks for
// the label is added, so the test stands on the names the statements use.
void ensureColumn(fx::SqliteFile& db, const QString& table, const QString& column, const QString& type)
{
    if (!db.columns(table).contains(column))
        db.exec(QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" %3").arg(table, column, type));
}

}   // namespace

Catalogue::Catalogue(const QString& ver) : m_ver(ver)
{
    file = dir.file(QStringLiteral("Velkadine.mdb"));
    fx::CatalogSpec spec;
    spec.ver = ver;
    spec.brandId = kBrand;
    fx::makeCatalog(file, spec);

    m_db = std::make_unique<fx::SqliteFile>(file);
    const QString p = pta();
    for (const char* c : {"UpRec", "PartID"})
        ensureColumn(*m_db, p, QLatin1String(c), QStringLiteral("INTEGER"));
    for (const char* c : {"Kind", "FPartNO", "PartNO", "lAtNO", "EName", "TName", "Model", "Description", "Import"})
        ensureColumn(*m_db, p, QLatin1String(c), QStringLiteral("TEXT"));
    // Every name any label's routine writes, so each test can also see that
    // the columns of the other labels stay untouched.
    for (const char* c : {"EFind", "TFind", "IndTName", "DisPrice"})
        ensureColumn(*m_db, p, QLatin1String(c), QStringLiteral("TEXT"));
    for (const char* c : {"Price", "Sale", "Price1", "Sale1"})
        ensureColumn(*m_db, p, QLatin1String(c), QStringLiteral("REAL"));
    ensureColumn(*m_db, alt(), QStringLiteral("AltID"), QStringLiteral("INTEGER"));
    ensureColumn(*m_db, alt(), QStringLiteral("APrice"), QStringLiteral("REAL"));

    st.cnCatalog->ConnectionString = fx::accessConnectionString(file);
    st.cnCatalog->Open();
    st.lngBrandID = kBrand;
    st.strVer = ver;
    CreatePriceListTableAccess(st);
}

Catalogue::~Catalogue()
{
    for (db::Recordset* rs : {&st.rsWork1, &st.rsWork2, &st.rsWork3})
        if (rs->isOpen())
            rs->Close();
    if (st.cnCatalog->isOpen())
        st.cnCatalog->Close();
}

QString Catalogue::pta() const { return fx::ptaTable(m_ver, kBrand); }
QString Catalogue::alt() const { return fx::altTable(m_ver, kBrand); }

void Catalogue::addPart(const QVariantMap& values)
{
    const QStringList cols = m_db->columns(pta());
    QVariantMap row;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (cols.contains(it.key()))
            row.insert(it.key(), it.value());
    fx::insertRow(*m_db, pta(), row);
}

void Catalogue::addSideRows(int partId, int brandId)
{
    const QVariantMap old{{QStringLiteral("PartID"), partId}, {QStringLiteral("BrandID"), brandId},
                          {QStringLiteral("EName"), QStringLiteral("old")},
                          {QStringLiteral("TName"), QStringLiteral("old")},
                          {QStringLiteral("Model"), QStringLiteral("old")}};
    QVariantMap spg = old;
    spg.insert(QStringLiteral("Price"), 1);
    fx::insertRow(*m_db, QStringLiteral("MovementStock"), old);
    fx::insertRow(*m_db, QStringLiteral("SPG"), spg);
    QVariantMap ps = old;
    ps.remove(QStringLiteral("EName"));
    fx::insertRow(*m_db, QStringLiteral("Price"), ps);
    fx::insertRow(*m_db, QStringLiteral("Sale"), ps);
    if (brandId == kBrand)
        fx::insertRow(*m_db, alt(), {{QStringLiteral("AltID"), partId}, {QStringLiteral("APrice"), 1}});
}

QVariantMap Catalogue::part(int partId)
{
    return fx::readRow(*m_db, pta(), QStringLiteral("WHERE PartID = %1").arg(partId));
}

QVariantMap Catalogue::side(const QString& table, int partId, int brandId)
{
    return fx::readRow(*m_db, table, QStringLiteral("WHERE PartID = %1 AND BrandID = %2").arg(partId).arg(brandId));
}

PartValues samplePart(const QString& partNo)
{
    PartValues v;
    v.Kind = QStringLiteral("A");
    v.PartNO = partNo;
    v.AKind[0] = QStringLiteral("B");
    v.AltNO[0] = QStringLiteral("ALT-1");
    v.AltNO[1] = QStringLiteral("ALT-2");
    v.EName = QStringLiteral("BOLT");
    v.TName = QStringLiteral("โบลท์");
    v.Model[0] = QStringLiteral("CWA");
    v.Model[3] = QStringLiteral("PK");
    v.Description = QStringLiteral("DESC");
    v.Import = QStringLiteral("JP");
    v.Price = Currency::fromText(QStringLiteral("1234.5"));
    v.DisPrice = QStringLiteral("1000");
    v.Sale = Currency::fromText(QStringLiteral("1200"));
    v.DateStamp = 25680101;
    return v;
}

QString money(const QVariant& v)
{
    return Currency::fromVariant(v).toText();
}

void startLog()
{
    db::StatementLog::enable(true);
    db::StatementLog::clear();
}

QStringList logged()
{
    return db::StatementLog::entries();
}

}   // namespace ut
