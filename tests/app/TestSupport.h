// Shared set-up of the app tests: the operator's texts, a catalogue and a
// tiny price list on the shared run harness, and what every run must leave.
#pragma once

#include <QString>
#include <gtest/gtest.h>

#include "fixtures/RunHarness.h"

namespace apptest {

using namespace fx;   // the harness: LogStatements, MsgG(), MsgH()

// The Thai texts the operator sees (G and H come with the harness).
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

inline QString AccdbDriver() { return QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq="); }
inline QString MdbDriver() { return QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq="); }

// A catalogue described by `spec` and a tiny price list (one group of two
// parts), on the Access road or (sqlServer) on the SQL Server road.
struct RunSetup : fx::RunHarness {
    explicit RunSetup(const fx::CatalogSpec& spec = {}, bool sqlServer = false) : fx::RunHarness(spec, sqlServer)
    {
        writePriceList({{1, {row({}, "UD-100", "ไส้กรองน้ำมันเครื่อง", 250, 250),
                             row({}, "UD-200", "ผ้าเบรกหน้า", 1200, 1100)}}});
    }
};

// The run showed exactly one message, and gave back the pointer and the
// button; what it showed is then forgotten, ready for the next press.
inline void ExpectOneMessage(RecordingOperator& op, const QString& text, int style)
{
    ASSERT_EQ(op.messages.size(), 1u) << op.lastMessage().toStdString();
    EXPECT_EQ(op.messages[0].text, text);
    EXPECT_EQ(op.messages[0].style, style);
    EXPECT_EQ(op.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Arrow}));
    EXPECT_EQ(op.updateEnabled, (std::vector<bool>{false, true}));
    op.messages.clear();
    op.pointers.clear();
    op.updateEnabled.clear();
}

}   // namespace apptest
