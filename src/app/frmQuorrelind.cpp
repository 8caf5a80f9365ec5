#include "app/frmQuorrelind.h"
frmQuorrelind::frmQuorrelind(QWidget* parent) : QWidget(parent) {}
