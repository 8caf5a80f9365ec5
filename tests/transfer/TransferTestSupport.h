// Shared set-up of the transfer tests: a price list and a catalogue in a
// fresh folder, both connections open as the button opens them, and
// recording stand-ins for the part-update routine and the new-part writer.
#pragma once

#include <QDate>
#include <QString>
#include <map>
#include <vector>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "common/mduDate.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/RecordingOperator.h"
#include "fixtures/RunHarness.h"
#include "transfer/PartValues.h"

#include <ostream>

namespace transfertest {

inline QString Moving() { return QStringLiteral("กำลังย้ายข้อมูล  "); }
inline QString Changing() { return QStringLiteral("กำลังเปลี่ยนราคา  "); }
inline QString Adding() { return QStringLiteral("กำลังเพิ่มข้อมูลใหม่  "); }

inline int32_t TodayStamp() { return fx::todayStamp(); }

// A catalogue of the label with the brand preset as the run's checks leave it,
// and recording stand-ins for the part-update routine and the new-part writer.
struct TransferSetup : fx::RunHarness {
    std::vector<PartValues> calls;     // every part handed to the update stand-in
    std::vector<int16_t> writerCalls;  // every group number the writer stand-in got

    explicit TransferSetup(const QString& ver = QStringLiteral("V.31")) : fx::RunHarness(specOf(ver))
    {
        presetBrand();
        st.updatePartOverride = [this](RunState&, const PartValues& v) {
            calls.push_back(v);
            return int16_t(0);
        };
        st.addNewPartsOverride = [this](RunState&, int16_t n) { writerCalls.push_back(n); };
    }

    static fx::CatalogSpec specOf(const QString& ver)
    {
        fx::CatalogSpec spec;
        spec.ver = ver;
        return spec;
    }

    QStringList changingLines() const
    {
        QStringList out;
        for (const QString& l : op.qtyLines)
            if (l.startsWith(Changing()))
                out << l;
        return out;
    }
};

// A row with its alternates.
inline fx::PriceRow rowWithAlts(const QString& kind, const QString& partNo, const std::array<QString, 5>& akind,
                                const std::array<QString, 5>& altNo, double price = 100, double sale = 0)
{
    fx::PriceRow r = fx::row(kind, partNo, QStringLiteral("NAME"), price, sale);
    r.AKind = akind;
    r.AltNO = altNo;
    return r;
}

}   // namespace transfertest
