// The program's one window: the two locations, the SQL Server boxes, the
// status lines, the UpDate button and the result grid msgDetail. It holds
// the run state and shows the operator what a run reports.
#pragma once

#include <QString>
#include <QWidget>

#include "app/Operator.h"
#include "app/RunState.h"

class QCheckBox;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

class frmQuorrelind : public QWidget, public Operator {
    Q_OBJECT
public:
    explicit frmQuorrelind(QWidget* parent = nullptr);
    ~frmQuorrelind() override;

    // Operator
    QString txtPriceList() const override;
    QString txtDataVelkadine() const override;
    QString txtServer() const override;
    QString txtdbq() const override;
    QString txtuid() const override;
    QString txtpwd() const override;
    bool optAccess() const override;
    bool chkLikelAt() const override;
    void setTxtQTY(const QString& text) override;
    void setTxtPartNO(const QString& text) override;
    void message(const QString& text, int style) override;
    void setPointer(Pointer p) override;
    void setUpdateEnabled(bool enabled) override;
    void yield() override;
    int gridRows() const override;
    void setGridRows(int rows) override;
    QString gridText(int row, int col) const override;
    void setGridText(int row, int col, const QString& text) override;

    RunState& state() { return m_state; }
    bool running() const { return m_running; }
    Pointer pointer() const { return m_pointer; }

    // Twips of the original layout to pixels (15 twips a pixel).
    static int px(int twips);

public slots:
    void cmdUpDate_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void SetupGrid();
    void BuildControls();

    QRadioButton* m_optAccess = nullptr;
    QLineEdit* m_txtDataVelkadine = nullptr;
    QRadioButton* m_optSQL = nullptr;
    QLabel* m_Label4 = nullptr;
    QLineEdit* m_txtServer = nullptr;
    QCheckBox* m_chkLikelAt = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_txtdbq = nullptr;
    QLabel* m_Label8 = nullptr;
    QLineEdit* m_txtuid = nullptr;
    QLabel* m_Label7 = nullptr;
    QLineEdit* m_txtpwd = nullptr;
    QLabel* m_Label5 = nullptr;
    QLineEdit* m_txtPriceList = nullptr;
    QLabel* m_Label2 = nullptr;
    QLineEdit* m_txtQTY = nullptr;
    QPushButton* m_cmdUpDate = nullptr;
    QLabel* m_Label3 = nullptr;
    QLineEdit* m_txtPartNO = nullptr;
    QTableWidget* m_msgDetail = nullptr;

    RunState m_state{*this};
    bool m_running = false;
    bool m_closeRequested = false;
    Pointer m_pointer = Pointer::Arrow;
};
