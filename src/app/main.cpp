#include <QApplication>
#include "app/frmQuorrelind.h"
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmQuorrelind w;
    w.show();
    return app.exec();
}
