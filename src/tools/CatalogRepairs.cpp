// Catalogue repairs: one part linked to one car model; parts without a
// number purged.
#include "tools/CatalogRepairs.h"

#include "app/RunState.h"
#include "catalog/CarModels.h"
#include "catalog/LastID.h"
#include "catalog/PartKeys.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "tools/ToolLines.h"

using namespace toolsb;

namespace {

bool catalogueHasRow(RunState& st)
{
    openCatalog(st, st.rsWork2);
    const bool found = !st.rsWork2.EOF_();
    st.rsWork2.Close();
    return found;
}

}   // namespace

void LinkPartModelSingle(RunState& st, int32_t partId, const QString& modelText)
{
    const QString part = QString::number(partId);
    const QString brand = QString::number(st.lngBrandID);
    const QString code = SqlEsc(st.strBrandCode);
    const QString model = CleanText(modelText);

    if (Trim(model).isEmpty()) {
        st.strSQL = QStringLiteral("Select PartID From Pta_BrandCar Where PartID = ") + part +
                    QStringLiteral(" And BrandID = ") + brand;
        if (catalogueHasRow(st))
            return;
        st.strSQL = QStringLiteral("Insert Into Pta_BrandCar Values( ") + part + QStringLiteral(", ") + brand +
                    QStringLiteral(", 0, '") + code + QStringLiteral("', '' )");
        execCatalog(st);
        st.strSQL = QStringLiteral("Insert Into Pta_Model Values( ") + part + QStringLiteral(", 0 )");
        execCatalog(st);
        return;
    }

    // The model row is found by the key of brand code and model; a new row
    // carries that same key, so the next call finds it.
    const QString brandModel = st.strBrandCode + model;
    int32_t modelId = 0;
    if (FindModelID(st, brandModel) == 1) {
        modelId = st.rsWork2.Fields(QStringLiteral("ModelID")).toInt32();
        st.rsWork2.Close();
    } else {
        modelId = NextLastID(st, QStringLiteral("ModelID"));
        if (modelId <= 0)
            throw db::DbError(QStringLiteral("No new identifier from LastID for the car model; nothing was linked"),
                              QStringLiteral("LastID ModelID: part ") + part + QStringLiteral(", model ") + model);
        st.strSQL = QStringLiteral("Insert Into Pta_ModelID Values( 0, ") + brand + QStringLiteral(", ") +
                    QString::number(modelId) + QStringLiteral(", '") + SqlEsc(CleanKey(brandModel)) +
                    QStringLiteral("', '") + SqlEsc(CleanKey(model)) + QStringLiteral("', '") + SqlEsc(model) +
                    QStringLiteral("', '', 0 )");
        execCatalog(st);
    }
    const QString mid = QString::number(modelId);

    if (HasBrandCarLink(st, partId, st.lngBrandID, modelId) == 0) {
        st.strSQL = QStringLiteral("Insert Into Pta_BrandCar Values( ") + part + QStringLiteral(", ") + brand +
                    QStringLiteral(", ") + mid + QStringLiteral(", '") + code + QStringLiteral("', '") + SqlEsc(model) +
                    QStringLiteral("' )");
        execCatalog(st);
    }

    st.strSQL = QStringLiteral("Select ModelID From Pta_Model Where PartID = ") + part +
                QStringLiteral(" And ModelID = ") + mid;
    if (catalogueHasRow(st))
        return;
    st.strSQL = QStringLiteral("Insert Into Pta_Model Values( ") + part + QStringLiteral(", ") + mid +
                QStringLiteral(" )");
    execCatalog(st);
}

void PurgeEmptyParts(RunState& st)
{
    const QString b = QString::number(st.lngBrandID);
    const QString pta = QStringLiteral("Pta") + b;
    const QString alt = QStringLiteral("Alt") + b;
    const QString altG = QStringLiteral("AltG") + b;

    for (;;) {
        st.strSQL = QStringLiteral("Select PartID From ") + pta + QStringLiteral(" Where PartNO = ''");
        openCatalog(st, st.rsWork1);
        if (st.rsWork1.EOF_())
            break;
        const QString id = QString::number(st.rsWork1.Fields(QStringLiteral("PartID")).toInt32());
        st.rsWork1.Close();

        st.strSQL = QStringLiteral("Delete From ") + pta + QStringLiteral(" Where PartID = ") + id;
        // A part the delete does not remove would be found again for ever.
        if (execCatalog(st) == 0)
            throw db::DbError(QStringLiteral("The part without a number was not deleted"),
                              pta + QStringLiteral(" PartID ") + id);
        st.strSQL = QStringLiteral("Delete From ") + alt + QStringLiteral(" Where AltID = ") + id;
        execCatalog(st);
        st.strSQL = QStringLiteral("Delete From ") + altG + QStringLiteral(" Where PartID = ") + id;
        execCatalog(st);
        st.strSQL = QStringLiteral("Delete From ") + altG + QStringLiteral(" Where AltID = ") + id;
        execCatalog(st);
    }
    st.rsWork1.Close();

    st.strSQL = QStringLiteral("Select PartID From ") + pta + QStringLiteral(" Order By PartID Desc");
    openCatalog(st, st.rsWork1);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
        return;
    }
    const int32_t max = st.rsWork1.Fields(QStringLiteral("PartID")).toInt32();
    st.rsWork1.Close();
    st.strSQL = QStringLiteral("Update LastID Set LastID = ") + QString::number(max) +
                QStringLiteral(" Where NameID = '") + SqlEsc(pta) + QStringLiteral("'");
    execCatalog(st);
}
