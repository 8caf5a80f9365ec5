// The real window under the offscreen platform: a fresh window, its message
// boxes, and runs started by clicking the button (with a close during one).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>

#include "TestSupport.h"
#include "app/frmQuorrelind.h"

using namespace apptest;

namespace {

struct ShownBox {
    QString text, title;
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

// The window shown with both paths typed in.
struct WindowRun : RunSetup {
    frmQuorrelind w;
    WindowRun()
    {
        w.show();
        Child<QLineEdit>(w, "txtDataVelkadine")->setText(catalog);
        Child<QLineEdit>(w, "txtPriceList")->setText(priceList);
    }
    void expectRestoredAndClosed()
    {
        EXPECT_TRUE(Child<QPushButton>(w, "cmdUpDate")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(w.state().cnPriceList->isOpen());
        EXPECT_FALSE(w.state().cnCatalog->isOpen());
    }
};

}   // namespace

TEST(Window, FreshWindowShowsItsDefaultsAndAnEmptyGrid)
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
    EXPECT_TRUE(Child<QPushButton>(w, "cmdUpDate")->isEnabled());

    EXPECT_EQ(w.gridRows(), 30);
    EXPECT_EQ(Child<QTableWidget>(w, "msgDetail")->columnCount(), 8);
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
    // The heading row is fixed: it stays in view however far the list scrolls.
    auto* grid = Child<QTableWidget>(w, "msgDetail");
    EXPECT_TRUE(grid->horizontalHeader()->isVisibleTo(&w));
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(), headings[c]) << c;
    EXPECT_EQ(grid->rowCount(), 29);
    w.setGridRows(31);
    w.setGridText(30, 7, QStringLiteral("9"));
    EXPECT_EQ(w.gridRows(), 31);
    EXPECT_EQ(grid->item(29, 7)->text(), QStringLiteral("9"));
    // The password box shows "*" for each character.
    auto* pwd = Child<QLineEdit>(w, "txtpwd");
    EXPECT_EQ(pwd->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, pwd), int('*'));
}

TEST(Window, MessageBoxHasTextOnlyOkAndTheIconOfItsStyle)
{
    frmQuorrelind w;
    BoxWatcher watch;
    const std::vector<std::pair<int, QMessageBox::Icon>> styles = {
        {48, QMessageBox::Warning}, {32, QMessageBox::Question}, {0, QMessageBox::NoIcon}};
    for (const auto& [style, icon] : styles)
        w.message(QStringLiteral("ก"), style);
    ASSERT_EQ(watch.boxes.size(), styles.size());
    for (size_t i = 0; i < styles.size(); ++i)
        EXPECT_TRUE(watch.boxes[i].icon == styles[i].second && watch.boxes[i].text == QStringLiteral("ก") &&
                    watch.boxes[i].title.isEmpty() && watch.boxes[i].buttons == 1)
            << i;
}

TEST(Window, TypingThePathsAndClickingEndsWithMessageG)
{
    WindowRun r;
    BoxWatcher watch;
    Child<QPushButton>(r.w, "cmdUpDate")->click();
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(watch.boxes[0].text, MsgG());
    EXPECT_EQ(watch.boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_FALSE(Text(r.w, "txtQTY").isEmpty());
    r.expectRestoredAndClosed();
}

TEST(Window, CloseWhileAPartTransactionIsPendingRollsItBackAndClosesBoth)
{
    WindowRun r;
    BoxWatcher watch;
    r.w.state().updatePartOverride = [&](RunState& st, const PartValues&) -> int16_t {
        const QCursor* pointer = QApplication::overrideCursor();   // arrow with hourglass while busy
        EXPECT_TRUE(pointer && pointer->shape() == Qt::BusyCursor);
        st.cnCatalog->BeginTrans();
        st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 9 )");
        st.execCatalog();
        r.w.close();      // asked for while the run is busy
        st.ui.yield();    // the run stops here
        return 0;
    };
    r.catalogDb().exec(QStringLiteral("INSERT INTO LastID VALUES ('ENameID', 3)"));   // committed before: stays
    Child<QPushButton>(r.w, "cmdUpDate")->click();
    EXPECT_TRUE(watch.boxes.empty());
    EXPECT_FALSE(r.w.isVisible());
    EXPECT_FALSE(r.w.running());
    r.expectRestoredAndClosed();
    EXPECT_EQ(r.catalogDb().count(QStringLiteral("LastID")), 1);
}
