// Shared set-up of the transfer tests: the shared run harness on a catalogue
// of one label with the brand preset, recording stand-ins for the part-update
// routine and the new-part writer, and the values handed over as text.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

#include "fixtures/RunHarness.h"
#include "transfer/PartValues.h"

namespace transfertest {

using namespace fx;   // the harness's texts: Moving(), Changing(), Adding(), MsgG()

struct TransferSetup : fx::RunHarness {
    std::vector<PartValues> calls;     // every part handed to the update stand-in
    std::vector<int16_t> writerCalls;  // every group number the writer stand-in got

    explicit TransferSetup(const QString& ver = "V.31") : fx::RunHarness(fx::CatalogSpec{.ver = ver})
    {
        presetBrand();
        st.updatePartOverride = [this](RunState&, const PartValues& v) {
            calls.push_back(v);
            return int16_t(0);
        };
        st.addNewPartsOverride = [this](RunState&, int16_t n) { writerCalls.push_back(n); };
    }

    // "Kind|PartNO" of every part handed over, in order.
    QStringList parts() const
    {
        QStringList out;
        for (const PartValues& v : calls)
            out << v.Kind + QStringLiteral("|") + v.PartNO;
        return out;
    }
};

inline QString Joined(const auto& texts)
{
    return QStringList(texts.begin(), texts.end()).join(QLatin1Char(','));
}

// Every value of a handed-over part, "|" between them; lists joined by ",",
// models up to the last non-blank one.
inline QString Described(const PartValues& v)
{
    const QString models = Joined(v.Model).remove(QRegularExpression(QStringLiteral(",+$")));
    return QStringList{v.Kind, v.PartNO, Joined(v.AKind), Joined(v.AltNO), v.EName, v.TName, models, v.Description,
                       v.Import, v.Price.toText(), v.DisPrice, v.Sale.toText(), QString::number(v.DateStamp)}
        .join(QLatin1Char('|'));
}

// A row with its alternates.
inline fx::PriceRow RowWithAlts(const QString& kind, const QString& partNo, const std::array<QString, 5>& akind,
                                const std::array<QString, 5>& altNo, double price = 100, double sale = 0)
{
    fx::PriceRow r = fx::row(kind, partNo, QStringLiteral("NAME"), price, sale);
    r.AKind = akind;
    r.AltNO = altNo;
    return r;
}

}   // namespace transfertest
