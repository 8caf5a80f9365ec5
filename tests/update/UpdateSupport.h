// Shared set-up of the part-update tests: a catalogue of one version label
// opened on the run state, with a staging table as the run creates it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>

#include "app/RunState.h"
#include "fixtures/Fixtures.h"
#include "fixtures/RecordingOperator.h"
#include "transfer/PartValues.h"

namespace ut {

constexpr int kBrand = 7;

// How each label's routine is expected to behave, written from what the
// catalogue application expects of that label.
struct Family {
    const char* label;
    int16_t (*routine)(RunState&, const PartValues&);
    bool byFPartNO;      // matched on FPartNO (else on PartNO)
    bool searchTexts;    // EFind/TFind (else EName alone and IndTName)
    bool disPrice;       // DisPrice written into matched rows
    const char* priceCol;
    const char* saleCol;
};

class Catalogue {
public:
    explicit Catalogue(const QString& ver);
    ~Catalogue();

    fx::SqliteFile& db() { return *m_db; }
    QString pta() const;
    QString alt() const;

    // A part row; names the table lacks are left out.
    void addPart(const QVariantMap& values);
    // The part's rows in MovementStock, SPG, Price, Sale and Alt<B>.
    void addSideRows(int partId, int brandId);

    QVariantMap part(int partId);
    QVariantMap side(const QString& table, int partId, int brandId);

    fx::TempDir dir;
    QString file;
    RecordingOperator op;
    RunState st{op};

private:
    QString m_ver;
    std::unique_ptr<fx::SqliteFile> m_db;
};

// The full part of most tests: kind "A", every text set, two models.
PartValues samplePart(const QString& partNo);

// Reads Currency::toText of a stored number, for exact comparisons.
QString money(const QVariant& v);

QStringList logged();   // the statement log, cleared by startLog()
void startLog();

}   // namespace ut
