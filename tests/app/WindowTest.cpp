// The real window under the offscreen platform: its controls and defaults,
// the result grid, message boxes, the busy pointer, a pressed button and a
// close while a run is under way.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "TestSupport.h"
#include "app/frmQuorrelind.h"

using namespace apptest;

namespace {

struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    int buttons;
};

// Accepts every message box the window shows, and remembers it.
class BoxWatcher {
public:
    BoxWatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            boxes.push_back({box->text(), box->windowTitle(), box->icon(), int(box->buttons().size())});
            box->accept();
        });
        m_timer.start();
    }
    std::vector<ShownBox> boxes;

private:
    QTimer m_timer;
};

template <typename T>
T* Child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QString Text(QWidget& w, const char* name) { return Child<QLineEdit>(w, name)->text(); }

}   // namespace

TEST(Window, FreshWindowShowsItsDefaults)
{
    frmQuorrelind w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Selbramont UD  1/4/2564"));
    EXPECT_EQ(Child<QCheckBox>(w, "chkLikelAt")->text(), QStringLiteral("จัดระเบียบเบอร์แทน  UD"));
    EXPECT_FALSE(Child<QCheckBox>(w, "chkLikelAt")->isChecked());
    EXPECT_EQ(Text(w, "txtDataVelkadine"), QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb"));
    EXPECT_EQ(Text(w, "txtPriceList"), QStringLiteral("E:\\DataVelkadine\\PriceList_UD.mdb"));
    EXPECT_TRUE(Child<QRadioButton>(w, "optAccess")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(w, "optSQL")->isChecked());
    for (const char* box : {"txtServer", "txtdbq", "txtuid", "txtpwd", "txtQTY", "txtPartNO"})
        EXPECT_TRUE(Text(w, box).isEmpty()) << box;
    EXPECT_EQ(Child<QLineEdit>(w, "txtpwd")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(Child<QPushButton>(w, "cmdUpDate")->text(), QStringLiteral("UpDate"));
    EXPECT_TRUE(Child<QPushButton>(w, "cmdUpDate")->isEnabled());
    EXPECT_EQ(w.size(), QSize(1008, 693));
    EXPECT_EQ(w.state().strBrandCode, QStringLiteral("UD"));
    EXPECT_EQ(w.state().UpdateTexts, 1);
    EXPECT_TRUE(w.optAccess());
    EXPECT_FALSE(w.chkLikelAt());
}

TEST(Window, OptionButtonsArePaired)
{
    frmQuorrelind w;
    Child<QRadioButton>(w, "optSQL")->click();
    EXPECT_FALSE(Child<QRadioButton>(w, "optAccess")->isChecked());
    EXPECT_FALSE(w.optAccess());
    Child<QRadioButton>(w, "optAccess")->click();
    EXPECT_FALSE(Child<QRadioButton>(w, "optSQL")->isChecked());
    EXPECT_TRUE(w.optAccess());
}

struct Placement {
    const char* name;
    QString text;
    int left, top, width, height;
};

TEST(Window, EveryControlAtItsPlaceWithItsText)
{
    frmQuorrelind w;
    const std::vector<Placement> controls = {
        {"optAccess", QStringLiteral("ข้อมูล Access ที่จัดเก็บ Velkadine"), 120, 120, 4215, 375},
        {"txtDataVelkadine", QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb"), 4320, 120, 10455, 375},
        {"optSQL", QStringLiteral("ข้อมูล SQL"), 120, 600, 1695, 375},
        {"Label4", QStringLiteral("Server Name"), 2640, 600, 1575, 375},
        {"txtServer", QString(), 4320, 600, 3375, 360},
        {"chkLikelAt", QStringLiteral("จัดระเบียบเบอร์แทน  UD"), 9120, 600, 5655, 375},
        {"Label1", QStringLiteral("Autherntication"), 2280, 960, 1935, 375},
        {"txtdbq", QString(), 4320, 960, 3375, 360},
        {"Label8", QStringLiteral("Login"), 3480, 1320, 735, 375},
        {"txtuid", QString(), 4320, 1320, 1815, 360},
        {"Label7", QStringLiteral("Password"), 2880, 1680, 1335, 375},
        {"txtpwd", QString(), 4320, 1680, 1815, 360},
        {"Label5", QStringLiteral("ที่จัดเก็บข้อมูลPriceList"), 1680, 2160, 2535, 375},
        {"txtPriceList", QStringLiteral("E:\\DataVelkadine\\PriceList_UD.mdb"), 4320, 2160, 10455, 375},
        {"Label2", QStringLiteral("ลำดับการทำงาน"), 2280, 2640, 1935, 375},
        {"txtQTY", QString(), 4320, 2640, 9495, 375},
        {"cmdUpDate", QStringLiteral("UpDate"), 13920, 2640, 855, 735},
        {"Label3", QStringLiteral("เบอร์อะไหล่"), 2880, 3000, 1335, 375},
        {"txtPartNO", QString(), 4320, 3000, 9495, 360},
        {"msgDetail", QString(), 240, 3600, 14535, 6615},
    };
    for (const Placement& p : controls) {
        QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(c, nullptr) << p.name;
        EXPECT_EQ(c->geometry(), QRect(frmQuorrelind::px(p.left), frmQuorrelind::px(p.top),
                                       frmQuorrelind::px(p.width), frmQuorrelind::px(p.height)))
            << p.name;
        QString text;
        if (auto* e = qobject_cast<QLineEdit*>(c))
            text = e->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(c))
            text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(c))
            text = l->text();
        EXPECT_EQ(text, p.text) << p.name;
    }
}

TEST(Window, FreshGridHasItsHeadingsAndNothingElse)
{
    frmQuorrelind w;
    EXPECT_EQ(w.gridRows(), 30);
    auto* g = Child<QTableWidget>(w, "msgDetail");
    EXPECT_EQ(g->columnCount(), 8);
    const QStringList headings = {
        QString(),
        QStringLiteral("       ลำดับ"),
        QStringLiteral("     สินค้าใหม่"),
        QStringLiteral("                      รหัสสินค้า"),
        QStringLiteral("                                               รายการ"),
        QStringLiteral("                  รุ่น"),
        QStringLiteral("       ราคาเก่า"),
        QStringLiteral("      ราคาใหม่"),
    };
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(w.gridText(0, c), headings[c]) << c;
    for (int r = 1; r < 30; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_TRUE(w.gridText(r, c).isEmpty()) << r << "," << c;
    // Column widths in pixels of 15 twips; column 4 takes the grid's width
    // less 9890 twips (4645 at the design width).
    EXPECT_EQ(g->columnWidth(1), 80);
    EXPECT_EQ(g->columnWidth(3), 180);
    EXPECT_EQ(g->columnWidth(4), frmQuorrelind::px(4645));
    EXPECT_EQ(g->columnWidth(5), 120);
    EXPECT_LE(g->columnWidth(0), 1);
    EXPECT_EQ(g->item(0, 1)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
}

TEST(Window, GridGrowsAndKeepsCellTexts)
{
    frmQuorrelind w;
    w.setGridRows(31);
    w.setGridText(30, 2, QStringLiteral("New"));
    w.setGridText(1, 7, QStringLiteral("1250"));
    EXPECT_EQ(w.gridRows(), 31);
    EXPECT_EQ(w.gridText(30, 2), QStringLiteral("New"));
    EXPECT_EQ(w.gridText(1, 7), QStringLiteral("1250"));
    EXPECT_TRUE(w.gridText(30, 3).isEmpty());
}

TEST(Window, MessageBoxHasTextOnlyOkAndTheIconOfItsStyle)
{
    frmQuorrelind w;
    BoxWatcher watch;
    w.message(QStringLiteral("ก"), 48);
    w.message(QStringLiteral("ข"), 32);
    w.message(QStringLiteral("ค"), 0);
    ASSERT_EQ(watch.boxes.size(), 3u);
    EXPECT_EQ(watch.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(watch.boxes[1].icon, QMessageBox::Question);
    EXPECT_EQ(watch.boxes[2].icon, QMessageBox::NoIcon);
    EXPECT_EQ(watch.boxes[0].text, QStringLiteral("ก"));
    for (const ShownBox& b : watch.boxes) {
        EXPECT_TRUE(b.title.isEmpty());
        EXPECT_EQ(b.buttons, 1);
    }
}

TEST(Window, BusyPointerAndBackToTheArrow)
{
    frmQuorrelind w;
    w.setPointer(Pointer::Busy);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    w.setPointer(Pointer::Busy);
    w.setPointer(Pointer::Arrow);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Window, ClickWithBlankPriceListShowsMessageAAndRestores)
{
    frmQuorrelind w;
    w.show();
    Child<QLineEdit>(w, "txtPriceList")->setText(QStringLiteral("   "));
    BoxWatcher watch;
    Child<QPushButton>(w, "cmdUpDate")->click();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(watch.boxes[0].text, MsgA());
    EXPECT_EQ(watch.boxes[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(Child<QPushButton>(w, "cmdUpDate")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(w.state().cnPriceList->isOpen());
}

namespace {

struct WindowRun {
    fx::TempDir dir;
    QString catalog = dir.file(QStringLiteral("Velkadine.accdb"));
    QString priceList = dir.file(QStringLiteral("PriceList_UD.mdb"));
    frmQuorrelind w;

    WindowRun()
    {
        fx::makeCatalog(catalog, {});
        MakeTinyPriceList(priceList);
        w.show();
        Child<QLineEdit>(w, "txtDataVelkadine")->setText(catalog);
        Child<QLineEdit>(w, "txtPriceList")->setText(priceList);
    }
};

}   // namespace

TEST(Window, TypingThePathsAndClickingRunsAndRestores)
{
    WindowRun r;
    BoxWatcher watch;
    Child<QPushButton>(r.w, "cmdUpDate")->click();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_TRUE(watch.boxes[0].text == MsgG() || watch.boxes[0].text == MsgH()) << watch.boxes[0].text.toStdString();
    EXPECT_EQ(Text(r.w, "txtQTY").isEmpty(), false);
    EXPECT_TRUE(Child<QPushButton>(r.w, "cmdUpDate")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(r.w.state().cnPriceList->isOpen());
    EXPECT_FALSE(r.w.state().cnCatalog->isOpen());
}

TEST(Window, TypingThePathsAndClickingEndsWithMessageG)
{
    WindowRun r;
    BoxWatcher watch;
    Child<QPushButton>(r.w, "cmdUpDate")->click();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(watch.boxes[0].text, MsgG());
    EXPECT_EQ(watch.boxes[0].icon, QMessageBox::NoIcon);
}

TEST(Window, CloseDuringARunStopsItClosesBothAndThenTheWindow)
{
    WindowRun r;
    BoxWatcher watch;
    // The close arrives while the run yields after its status line.
    QTimer::singleShot(0, &r.w, &QWidget::close);
    Child<QPushButton>(r.w, "cmdUpDate")->click();
    EXPECT_TRUE(watch.boxes.empty());
    EXPECT_FALSE(r.w.isVisible());
    EXPECT_FALSE(r.w.running());
    EXPECT_FALSE(r.w.state().cnPriceList->isOpen());
    EXPECT_FALSE(r.w.state().cnCatalog->isOpen());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Window, CloseWhileAPartTransactionIsPendingRollsItBack)
{
    WindowRun r;
    BoxWatcher watch;
    r.w.state().updatePartOverride = [&](RunState& st, const PartValues&) -> int16_t {
        st.cnCatalog->BeginTrans();
        st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 9 )");
        st.execCatalog();
        r.w.close();      // asked for while the run is busy
        st.ui.yield();    // the run stops here
        return 0;
    };
    Child<QPushButton>(r.w, "cmdUpDate")->click();
    EXPECT_TRUE(watch.boxes.empty());
    EXPECT_FALSE(r.w.isVisible());
    EXPECT_FALSE(r.w.state().cnCatalog->isOpen());
    EXPECT_EQ(fx::SqliteFile(r.catalog).count(QStringLiteral("LastID")), 0);
}
