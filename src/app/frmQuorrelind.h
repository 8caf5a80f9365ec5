#pragma once
#include <QWidget>
class frmQuorrelind : public QWidget {
    Q_OBJECT
public:
    explicit frmQuorrelind(QWidget* parent = nullptr);
};
