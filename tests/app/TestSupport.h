// Shared set-up of the app tests: a price list and a catalogue in a fresh
// folder, a recording operator pointed at them, and the run state.
#pragma once

#include <QDir>
#include <QString>
#include <memory>

#include "app/RunState.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/RecordingOperator.h"

namespace apptest {

// The Thai texts the operator sees.
inline QString MsgA() { return QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล  PriceList_UD.mdb"); }
inline QString MsgB() { return QStringLiteral("ที่จัดเก็บข้อมูล  PriceList_UD.mdb  หาไม่พบ"); }
inline QString MsgC() { return QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล"); }
inline QString MsgDAccdb() { return QStringLiteral("ที่จัดเก็บข้อมูล  Velkadine.accdb  หาไม่พบ"); }
inline QString MsgDMdb() { return QStringLiteral("ที่จัดเก็บข้อมูล  Velkadine.mdb  หาไม่พบ"); }
inline QString MsgE()
{
    return QStringLiteral("กำหนด Vertion ของฐานข้อมูลผิด  ให้ติดต่อผู้ติดตั้งระบบ  หรือ  ผู้จำหน่าย Hollimbrook");
}
inline QString MsgF() { return QStringLiteral("ไม่สามารถหา Files UDในฐานข้อมูล ไม่สามารถบันทึกได้"); }
inline QString MsgG() { return QStringLiteral("เสร็จแล้วจ้า"); }
inline QString MsgH() { return QStringLiteral("ไม่สามรถบันทึกได้"); }
inline QString StatusLine() { return QStringLiteral("กำลังย้าน  Price UD  ชั่วคราว"); }

inline QString AccdbDriver() { return QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq="); }
inline QString MdbDriver() { return QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq="); }

// A tiny price list: one group of two parts.
inline void MakeTinyPriceList(const QString& file)
{
    fx::makePriceList(file, {{1, {fx::row(QString(), QStringLiteral("UD-100"), QStringLiteral("ไส้กรองน้ำมันเครื่อง"), 250, 250),
                                   fx::row(QString(), QStringLiteral("UD-200"), QStringLiteral("ผ้าเบรกหน้า"), 1200, 1100)}}});
}

struct RunSetup {
    fx::TempDir dir;
    RecordingOperator op;
    RunState st{op};
    QString catalog = dir.file(QStringLiteral("Velkadine.accdb"));
    QString priceList = dir.file(QStringLiteral("PriceList_UD.mdb"));

    explicit RunSetup(const fx::CatalogSpec& spec = {}, bool sqlServer = false)
    {
        fx::makeCatalog(catalog, spec);
        MakeTinyPriceList(priceList);
        op.priceList = priceList;
        op.dataVelkadine = catalog;
        if (sqlServer)
            useSqlServer();
    }

    // The catalogue reached through ODBC under the name "SQL Server": the
    // window composes the string from its four boxes, the file goes in txtdbq.
    void useSqlServer()
    {
        fx::useTestOdbc();
        op.access = false;
        op.server = QStringLiteral("localhost");
        op.uid = QStringLiteral("sa");
        op.pwd = QStringLiteral("x");
        op.dbq = catalog;
    }

    void setVer(const QString& ver)
    {
        fx::SqliteFile db(catalog);
        db.exec(QStringLiteral("UPDATE System SET Ver = '") + QString(ver).replace(QLatin1Char('\''), QStringLiteral("''")) +
                QStringLiteral("'"));
    }

    bool anythingOpen() const
    {
        return (st.cnPriceList && st.cnPriceList->isOpen()) || (st.cnCatalog && st.cnCatalog->isOpen()) ||
               st.rsWork1.isOpen() || st.rsWork2.isOpen() || st.rsWork3.isOpen();
    }
};

// Turns the statement log on for one test and off again.
struct LogStatements {
    LogStatements() { db::StatementLog::enable(true); db::StatementLog::clear(); }
    ~LogStatements() { db::StatementLog::enable(false); db::StatementLog::clear(); }
    QStringList entries() const { return db::StatementLog::entries(); }
};

}   // namespace apptest
