// Car-model links of the zero-padded layout: Pta_ModelID (one row per model
// of a brand), Pta_BrandCar (part, brand, model) and Pta_Model.
#include "catalog/CarModels.h"

#include "app/RunState.h"
#include "catalog/LastID.h"
#include "catalog/PartKeys.h"
#include "common/Text.h"
#include "db/Database.h"

namespace {

// The key a model row is found by: the cleaned key of brand code and model
// text. New rows carry the same key, so the model is found again.
QString modelKey(const RunState& st, const QString& model)
{
    return CleanKey(st.strBrandCode + model);
}

void linkModel(RunState& st, int32_t partId, int32_t modelId, const QString& model)
{
    st.strSQL = QStringLiteral("Insert Into Pta_BrandCar Values( ") + QString::number(partId) +
                QStringLiteral(", ") + QString::number(st.lngBrandID) + QStringLiteral(", ") +
                QString::number(modelId) + QStringLiteral(", '") + SqlEsc(st.strBrandCode) + QStringLiteral("', '") +
                SqlEsc(model) + QStringLiteral("' )");
    st.execCatalog();
}

bool hasRow(RunState& st)
{
    st.open(st.rsWork2, *st.cnCatalog);
    const bool found = !st.rsWork2.EOF_();
    st.rsWork2.Close();
    return found;
}

}   // namespace

// The part's identifier is used as it stands, 0 included (older catalogues
// hold parts under PartID 0); only a model identifier drawn here must not be 0.
int16_t LinkPartModels(RunState& st, int32_t partId, const std::array<QString, 12>& models)
{
    QString joined;
    for (const QString& m : models)
        joined += Trim(m);

    const QString p = QString::number(partId);
    if (Trim(joined).isEmpty()) {
        st.strSQL = QStringLiteral("Select PartID From Pta_BrandCar Where PartID = ") + p;
        if (!hasRow(st)) {
            st.strSQL = QStringLiteral("Insert Into Pta_BrandCar Values( ") + p + QStringLiteral(", ") +
                        QString::number(st.lngBrandID) + QStringLiteral(", 0, '") + SqlEsc(st.strBrandCode) +
                        QStringLiteral("', '' )");
            st.execCatalog();
        }
        st.strSQL = QStringLiteral("Select PartID From Pta_Model Where PartID = ") + p;
        if (!hasRow(st)) {
            st.strSQL = QStringLiteral("Insert Into Pta_Model Values( ") + p + QStringLiteral(", 0 )");
            st.execCatalog();
        }
        return 0;
    }

    for (const QString& model : models) {
        if (Trim(model).isEmpty())
            continue;
        const QString brandModel = st.strBrandCode + model;
        if (FindModelID(st, brandModel) == 1) {
            const int32_t modelId = st.rsWork2.Fields(QStringLiteral("ModelID")).toInt32();
            st.rsWork2.Close();
            if (HasBrandCarLink(st, partId, st.lngBrandID, modelId) == 0)
                linkModel(st, partId, modelId, model);
            continue;
        }
        const int32_t modelId = NextLastID(st, QStringLiteral("ModelID"));
        if (modelId <= 0)
            throw db::DbError(QStringLiteral("No new identifier from LastID for a car model"),
                              QStringLiteral("LastID ModelID: ") + model);
        st.strSQL = QStringLiteral("Insert Into Pta_ModelID Values( 0, ") + QString::number(st.lngBrandID) +
                    QStringLiteral(", ") + QString::number(modelId) + QStringLiteral(", '") +
                    SqlEsc(modelKey(st, model)) + QStringLiteral("', '") + SqlEsc(CleanKey(model)) +
                    QStringLiteral("', '") + SqlEsc(model) + QStringLiteral("', '', 0 )");
        st.execCatalog();
        linkModel(st, partId, modelId, model);
    }
    return 0;
}

int16_t FindModelID(RunState& st, const QString& text)
{
    const QString key = CleanKey(text);
    st.strSQL = QStringLiteral("Select Distinct ModelID From Pta_ModelID Where FBModel = '") + SqlEsc(key) +
                QStringLiteral("' ");
    st.open(st.rsWork2, *st.cnCatalog);
    if (st.rsWork2.EOF_()) {
        st.rsWork2.Close();
        return 0;
    }
    return 1;
}

int16_t HasBrandCarLink(RunState& st, int32_t partId, int32_t brandId, int32_t modelId)
{
    st.strSQL = QStringLiteral("Select PartID From Pta_BrandCar Where PartID = ") + QString::number(partId) +
                QStringLiteral(" And BrandID = ") + QString::number(brandId) + QStringLiteral(" And ModelID = ") +
                QString::number(modelId);
    return hasRow(st) ? 1 : 0;
}
