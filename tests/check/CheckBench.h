// A price list and a catalogue of one label in a fresh folder, a recording
// operator and a run state with both connections open, for running one
// price check pass at a time.
#pragma once

#include <QString>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <map>
#include <vector>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

namespace checktest {

inline QVariantMap part(const QString& kind, const QString& partNo, double price, double sale,
                        const QString& fPartNo = QString())
{
    return {{QStringLiteral("Kind"), kind},
            {QStringLiteral("PartNO"), partNo},
            {QStringLiteral("FPartNO"), fPartNo.isNull() ? partNo : fPartNo},
            {QStringLiteral("Price"), price},
            {QStringLiteral("Sale"), sale}};
}

struct Bench {
    fx::TempDir dir;
    QString listFile = dir.file(QStringLiteral("PriceList_UD.mdb"));
    QString catalogFile = dir.file(QStringLiteral("Velkadine.mdb"));
    QString ver;
    int brandId;
    RecordingOperator op;
    RunState st{op};

    Bench(const QString& label, const std::map<int, std::vector<fx::PriceRow>>& groups,
          const std::vector<QVariantMap>& catalogParts = {}, int brand = 7,
          const std::vector<fx::PriceRow>& all = {})
        : ver(label), brandId(brand)
    {
        fx::makePriceList(listFile, groups, all);
        fx::CatalogSpec spec;
        spec.ver = label;
        spec.brandId = brand;
        fx::makeCatalog(catalogFile, spec);
        if (!catalogParts.empty()) {
            fx::SqliteFile cat(catalogFile);
            for (QVariantMap p : catalogParts) {
                // The padded part tables know a part by FPartNO only.
                if (fx::isPaddedLabel(label)) {
                    p.remove(QStringLiteral("Kind"));
                    p.remove(QStringLiteral("PartNO"));
                }
                fx::insertPart(cat, label, brand, p);
            }
        }
        op.priceList = listFile;
        op.dataVelkadine = catalogFile;
        st.strVer = label;
        st.lngBrandID = brand;
        st.cnPriceList->ConnectionString = fx::accessConnectionString(listFile);
        st.cnPriceList->Open();
        OpenCatalog(st);
        db::StatementLog::enable(true);
        db::StatementLog::clear();
    }
    ~Bench()
    {
        db::StatementLog::enable(false);
        if (st.cnPriceList->isOpen())
            st.cnPriceList->Close();
        if (st.cnCatalog && st.cnCatalog->isOpen())
            st.cnCatalog->Close();
    }

    // PartNO of every PriceListAll row, in table order.
    QStringList copiedParts()
    {
        fx::SqliteFile list(listFile);
        QStringList out;
        for (const QVariantList& r : list.rows(QStringLiteral("SELECT Kind, PartNO FROM PriceListAll ORDER BY rowid")))
            out << (r[0].toString().isEmpty() ? r[1].toString() : r[0].toString() + QStringLiteral("-") + r[1].toString());
        return out;
    }

    // Columns 1 to 7 of a grid row.
    QStringList gridRow(int row) const
    {
        QStringList out;
        for (int c = 1; c <= 7; ++c)
            out << op.gridText(row, c);
        return out;
    }

    // Highest grid row holding any text (0 when only headings or nothing).
    int lastWrittenRow() const
    {
        int last = 0;
        for (const auto& [rc, text] : op.cells)
            if (!text.isEmpty() && rc.first > last)
                last = rc.first;
        return last;
    }

    static QStringList statementsStartingWith(const QString& head)
    {
        QStringList out;
        for (const QString& s : db::StatementLog::entries())
            if (s.startsWith(head))
                out << s;
        return out;
    }
};

}   // namespace checktest

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
