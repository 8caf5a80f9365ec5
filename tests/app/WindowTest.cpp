// The real window under the offscreen platform: a fresh window, its message
// boxes, and runs started by clicking the button (with a close during one).
#include <QtWidgets>

#include "TestSupport.h"
#include "app/frmQuorrelind.h"

using namespace apptest;

namespace {

// Accepts every message box the window shows, and remembers it as
// "<text>|<title>|<icon>|<number of buttons>".
class BoxWatcher {
public:
    BoxWatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            const QString title = box->windowTitle();
            boxes << QStringLiteral("%1|%2|%3|%4").arg(box->text(), title).arg(box->icon()).arg(box->buttons().size());
            box->accept();
        });
        m_timer.start();
    }
    QStringList boxes;

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

TEST(Window, FreshWindowShowsItsDefaultsAnEmptyGridAndMessageBoxes)
{
    frmQuorrelind w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Selbramont UD  1/4/2564"));
    EXPECT_EQ(Child<QCheckBox>(w, "chkLikelAt")->text(), QStringLiteral("จัดระเบียบเบอร์แทน  UD"));
    EXPECT_FALSE(Child<QCheckBox>(w, "chkLikelAt")->isChecked());
    EXPECT_EQ(Text(w, "txtDataVelkadine"), QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb"));
    EXPECT_EQ(Text(w, "txtPriceList"), QStringLiteral("E:\\DataVelkadine\\PriceList_UD.mdb"));
    EXPECT_TRUE(Child<QRadioButton>(w, "optAccess")->isChecked() && !Child<QRadioButton>(w, "optSQL")->isChecked());
    for (const char* box : {"txtServer", "txtdbq", "txtuid", "txtpwd", "txtQTY", "txtPartNO"})
        EXPECT_TRUE(Text(w, box).isEmpty()) << box;
    EXPECT_TRUE(Child<QPushButton>(w, "cmdUpDate")->isEnabled());
    // The password box shows "*" for each character.
    auto* pwd = Child<QLineEdit>(w, "txtpwd");
    EXPECT_EQ(pwd->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, pwd), int('*'));

    // 30 rows under a fixed heading row that stays in view however far the list scrolls.
    const QStringList headings = {QString(), "       ลำดับ", "     สินค้าใหม่", "                      รหัสสินค้า",
                                  "                                               รายการ", "                  รุ่น",
                                  "       ราคาเก่า", "      ราคาใหม่"};
    auto* grid = Child<QTableWidget>(w, "msgDetail");
    EXPECT_TRUE(grid->horizontalHeader()->isVisibleTo(&w));
    EXPECT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(w.gridRows(), 30);
    EXPECT_EQ(grid->rowCount(), 29);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(w.gridText(0, c), headings[c]) << c;
        EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(), headings[c]) << c;
        for (int r = 1; r < 30; ++r)
            EXPECT_TRUE(w.gridText(r, c).isEmpty()) << r << "," << c;
    }
    w.setGridRows(31);
    w.setGridText(30, 7, QStringLiteral("9"));
    EXPECT_EQ(w.gridRows(), 31);
    EXPECT_EQ(grid->item(29, 7)->text(), QStringLiteral("9"));

    // A message box has its text, only OK and the icon of its style.
    BoxWatcher watch;
    for (int style : {48, 32, 0})
        w.message(QStringLiteral("ก"), style);
    EXPECT_EQ(watch.boxes, (QStringList{"ก||2|1", "ก||4|1", "ก||0|1"}));   // Warning, Question, no icon
}

TEST(Window, ClickingRunsWithTheTypedPathsAndACloseDuringARunRollsBackAndClosesBoth)
{
    RunSetup s;
    frmQuorrelind w;
    w.show();
    Child<QLineEdit>(w, "txtDataVelkadine")->setText(s.catalog);
    Child<QLineEdit>(w, "txtPriceList")->setText(s.priceList);
    auto expectRestoredAndClosed = [&] {
        EXPECT_TRUE(Child<QPushButton>(w, "cmdUpDate")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(w.state().cnPriceList->isOpen() || w.state().cnCatalog->isOpen());
    };
    BoxWatcher watch;
    Child<QPushButton>(w, "cmdUpDate")->click();
    EXPECT_EQ(watch.boxes, QStringList{MsgG() + "||0|1"});
    EXPECT_FALSE(Text(w, "txtQTY").isEmpty());
    expectRestoredAndClosed();

    w.state().updatePartOverride = [&](RunState& st, const PartValues&) -> int16_t {
        const QCursor* pointer = QApplication::overrideCursor();   // arrow with hourglass while busy
        EXPECT_TRUE(pointer && pointer->shape() == Qt::BusyCursor);
        st.cnCatalog->BeginTrans();
        st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 9 )");
        st.execCatalog();
        w.close();        // asked for while the run is busy
        st.ui.yield();    // the run stops here
        return 0;
    };
    s.catalogDb().exec(QStringLiteral("INSERT INTO LastID VALUES ('ENameID', 3)"));   // committed before: stays
    const long long before = s.catalogDb().count(QStringLiteral("LastID"));
    Child<QPushButton>(w, "cmdUpDate")->click();
    EXPECT_EQ(watch.boxes.size(), 1);   // no message
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.running());
    expectRestoredAndClosed();
    EXPECT_EQ(s.catalogDb().count(QStringLiteral("LastID")), before);
}
