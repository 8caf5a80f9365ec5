// The main window. Positions and sizes follow the original layout in twips
// (15 twips a pixel); the result grid is a QTableWidget whose row 0 and
// column 0 stand in for the fixed heading row and column.
#include "app/frmQuorrelind.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <algorithm>
#include <cmath>

#include "app/Run.h"

namespace {

// The build's date, written into the caption; no clock is read.
const QString kBuildDate = QStringLiteral("1/4/2564");

constexpr int kClientWidth = 15120;
constexpr int kClientHeight = 10395;

constexpr int kGridColumns = 8;
constexpr int kGridRows = 30;

// Columns 1 to 5 are aligned left and vertically centred; the others keep
// the grid's general alignment (numbers right, text left).
bool LeftAlignedColumn(int col) { return col >= 1 && col <= 5; }

Qt::Alignment CellAlignment(int col, const QString& text)
{
    if (LeftAlignedColumn(col))
        return Qt::AlignLeft | Qt::AlignVCenter;
    bool isNumber = false;
    text.trimmed().toDouble(&isNumber);
    return (isNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

}   // namespace

int frmQuorrelind::px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

frmQuorrelind::frmQuorrelind(QWidget* parent) : QWidget(parent)
{
    BuildControls();
    Form_Load();
}

frmQuorrelind::~frmQuorrelind()
{
    if (m_pointer == Pointer::Busy)
        QApplication::restoreOverrideCursor();
}

void frmQuorrelind::BuildControls()
{
    setObjectName(QStringLiteral("frmQuorrelind"));
    QFont font;
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Tlwg Typo"), QStringLiteral("sans-serif")});
    font.setPointSize(9);
    setFont(font);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setWindowTitle(QStringLiteral("Selbramont UD"));

    auto place = [](QWidget* w, const char* name, int left, int top, int width, int height) {
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(px(left), px(top), px(width), px(height));
    };
    auto label = [&](const char* name, const QString& text, int l, int t, int w, int h) {
        auto* lab = new QLabel(text, this);
        lab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(lab, name, l, t, w, h);
        return lab;
    };
    auto box = [&](const char* name, const QString& text, int l, int t, int w, int h) {
        auto* e = new QLineEdit(text, this);
        place(e, name, l, t, w, h);
        return e;
    };

    m_optAccess = new QRadioButton(QStringLiteral("ข้อมูล Access ที่จัดเก็บ Velkadine"), this);
    place(m_optAccess, "optAccess", 120, 120, 4215, 375);
    m_txtDataVelkadine = box("txtDataVelkadine", QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb"),
                             4320, 120, 10455, 375);
    m_optSQL = new QRadioButton(QStringLiteral("ข้อมูล SQL"), this);
    place(m_optSQL, "optSQL", 120, 600, 1695, 375);
    m_optAccess->setChecked(true);   // the two option buttons share the window: one is chosen

    m_Label4 = label("Label4", QStringLiteral("Server Name"), 2640, 600, 1575, 375);
    m_txtServer = box("txtServer", QString(), 4320, 600, 3375, 360);
    m_chkLikelAt = new QCheckBox(QStringLiteral("จัดระเบียบเบอร์แทน  UD"), this);
    place(m_chkLikelAt, "chkLikelAt", 9120, 600, 5655, 375);
    m_chkLikelAt->setChecked(false);

    m_Label1 = label("Label1", QStringLiteral("Autherntication"), 2280, 960, 1935, 375);
    m_txtdbq = box("txtdbq", QString(), 4320, 960, 3375, 360);
    m_Label8 = label("Label8", QStringLiteral("Login"), 3480, 1320, 735, 375);
    m_txtuid = box("txtuid", QString(), 4320, 1320, 1815, 360);
    m_Label7 = label("Label7", QStringLiteral("Password"), 2880, 1680, 1335, 375);
    m_txtpwd = box("txtpwd", QString(), 4320, 1680, 1815, 360);
    m_txtpwd->setEchoMode(QLineEdit::Password);
    m_txtpwd->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));   // "*" for each character

    m_Label5 = label("Label5", QStringLiteral("ที่จัดเก็บข้อมูลPriceList"), 1680, 2160, 2535, 375);
    m_txtPriceList = box("txtPriceList", QStringLiteral("E:\\DataVelkadine\\PriceList_UD.mdb"),
                         4320, 2160, 10455, 375);
    m_Label2 = label("Label2", QStringLiteral("ลำดับการทำงาน"), 2280, 2640, 1935, 375);
    m_txtQTY = box("txtQTY", QString(), 4320, 2640, 9495, 375);
    m_cmdUpDate = new QPushButton(QStringLiteral("UpDate"), this);
    place(m_cmdUpDate, "cmdUpDate", 13920, 2640, 855, 735);
    m_Label3 = label("Label3", QStringLiteral("เบอร์อะไหล่"), 2880, 3000, 1335, 375);
    m_txtPartNO = box("txtPartNO", QString(), 4320, 3000, 9495, 360);

    // Row 0, the headings, is the table's header so that it stays in view
    // while the list scrolls; grid row r > 0 is table row r - 1.
    m_msgDetail = new QTableWidget(this);
    place(m_msgDetail, "msgDetail", 240, 3600, 14535, 6615);
    m_msgDetail->horizontalHeader()->setMinimumSectionSize(0);
    m_msgDetail->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_msgDetail->horizontalHeader()->setHighlightSections(false);
    m_msgDetail->verticalHeader()->hide();
    m_msgDetail->verticalHeader()->setMinimumSectionSize(0);
    m_msgDetail->verticalHeader()->setDefaultSectionSize(px(300));
    m_msgDetail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_msgDetail->setSelectionMode(QAbstractItemView::SingleSelection);
    m_msgDetail->setWordWrap(false);

    connect(m_cmdUpDate, &QPushButton::clicked, this, qOverload<>(&frmQuorrelind::cmdUpDate_Click));
}

void frmQuorrelind::Form_Load()
{
    m_state.UpdateTexts = 1;
    m_state.strBrandCode = QStringLiteral("UD");
    setWindowTitle(QStringLiteral("Selbramont ") + m_state.strBrandCode + QStringLiteral("  ") + kBuildDate);
    m_chkLikelAt->setText(QStringLiteral("จัดระเบียบเบอร์แทน  ") + m_state.strBrandCode);
    m_txtDataVelkadine->setText(QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb"));
    m_txtPriceList->setText(QStringLiteral("E:\\DataVelkadine\\PriceList_") + m_state.strBrandCode +
                            QStringLiteral(".mdb"));
    SetupGrid();
}

void frmQuorrelind::SetupGrid()
{
    QTableWidget* g = m_msgDetail;
    g->clear();
    g->setColumnCount(kGridColumns);
    setGridRows(kGridRows);
    g->setColumnWidth(0, std::max(1, px(1)));
    g->setColumnWidth(1, px(1200));
    g->setColumnWidth(2, px(1200));
    g->setColumnWidth(3, px(2700));
    g->setColumnWidth(5, px(1800));
    g->setColumnWidth(6, px(1300));
    g->setColumnWidth(7, px(1300));
    const int gridTwips = g->width() * 15;
    g->setColumnWidth(4, px(gridTwips - 9890));

    static const char* const headings[kGridColumns] = {
        "",
        "       ลำดับ",
        "     สินค้าใหม่",
        "                      รหัสสินค้า",
        "                                               รายการ",
        "                  รุ่น",
        "       ราคาเก่า",
        "      ราคาใหม่",
    };
    // Column 0 gets an empty heading too (a table would number it).
    for (int c = 0; c < kGridColumns; ++c)
        setGridText(0, c, QString::fromUtf8(headings[c]));
}

// Operator: the boxes and choices.
QString frmQuorrelind::txtPriceList() const { return m_txtPriceList->text(); }
QString frmQuorrelind::txtDataVelkadine() const { return m_txtDataVelkadine->text(); }
QString frmQuorrelind::txtServer() const { return m_txtServer->text(); }
QString frmQuorrelind::txtdbq() const { return m_txtdbq->text(); }
QString frmQuorrelind::txtuid() const { return m_txtuid->text(); }
QString frmQuorrelind::txtpwd() const { return m_txtpwd->text(); }
bool frmQuorrelind::optAccess() const { return m_optAccess->isChecked(); }
bool frmQuorrelind::chkLikelAt() const { return m_chkLikelAt->isChecked(); }

void frmQuorrelind::setTxtQTY(const QString& text) { m_txtQTY->setText(text); }
void frmQuorrelind::setTxtPartNO(const QString& text) { m_txtPartNO->setText(text); }

void frmQuorrelind::message(const QString& text, int style)
{
    QMessageBox box(this);
    box.setWindowTitle(QString());
    box.setText(text);
    box.setIcon(style == 48 ? QMessageBox::Warning
                : style == 32 ? QMessageBox::Question
                              : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void frmQuorrelind::setPointer(Pointer p)
{
    if (p == m_pointer)
        return;
    if (p == Pointer::Busy)
        QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));   // arrow with hourglass
    else
        QApplication::restoreOverrideCursor();
    m_pointer = p;
}

void frmQuorrelind::setUpdateEnabled(bool enabled) { m_cmdUpDate->setEnabled(enabled); }

void frmQuorrelind::yield()
{
    QCoreApplication::processEvents();
    if (m_closeRequested)
        throw RunAborted{};
}

// Operator: the result grid. Row 0, the headings, is the table's header
// (it does not scroll); grid row r > 0 is table row r - 1. Column 0 is drawn
// like the fixed cells of a grid.
int frmQuorrelind::gridRows() const { return m_msgDetail->rowCount() + 1; }

void frmQuorrelind::setGridRows(int rows) { m_msgDetail->setRowCount(std::max(0, rows - 1)); }

QString frmQuorrelind::gridText(int row, int col) const
{
    const QTableWidgetItem* item =
        row == 0 ? m_msgDetail->horizontalHeaderItem(col) : m_msgDetail->item(row - 1, col);
    return item ? item->text() : QString();
}

void frmQuorrelind::setGridText(int row, int col, const QString& text)
{
    if (row == 0) {
        QTableWidgetItem* head = m_msgDetail->horizontalHeaderItem(col);
        if (!head) {
            head = new QTableWidgetItem;
            m_msgDetail->setHorizontalHeaderItem(col, head);
        }
        head->setText(text);
        head->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return;
    }
    QTableWidgetItem* item = m_msgDetail->item(row - 1, col);
    if (!item) {
        item = new QTableWidgetItem;
        if (col == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
            item->setForeground(palette().buttonText());
        } else {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        m_msgDetail->setItem(row - 1, col, item);
    }
    item->setText(text);
    item->setTextAlignment(CellAlignment(col, text));
}

// The button's run. A close asked for while the run yields is remembered:
// the run stops at its next yield, rolls back and closes both databases,
// and the window closes once the run has unwound.
void frmQuorrelind::cmdUpDate_Click()
{
    if (m_running)
        return;
    m_running = true;
    ::cmdUpDate_Click(m_state);
    m_running = false;
    if (m_closeRequested)
        close();
}

void frmQuorrelind::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        m_closeRequested = true;
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

// The program ends with its window. Between runs no connection stays open
// with work pending, so nothing is left to close here.
void frmQuorrelind::Form_Unload()
{
    QCoreApplication::quit();
}
