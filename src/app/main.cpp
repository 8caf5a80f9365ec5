// Starts the window. FreeTDS needs a port when the connection string names
// none, and takes its client character set from the locale: both are set
// here when the environment does not give them.
#include <QApplication>
#include <QByteArray>
#include <cstdlib>

#include "app/frmQuorrelind.h"

namespace {

bool IsUtf8Locale(const QByteArray& name)
{
    const QByteArray n = name.toLower();
    return n.contains("utf-8") || n.contains("utf8");
}

void PrepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("TDSPORT"))
        qputenv("TDSPORT", "1433");

    // The locale in effect: LC_ALL, else LC_CTYPE, else LANG.
    QByteArray locale = qgetenv("LC_ALL");
    if (locale.isEmpty())
        locale = qgetenv("LC_CTYPE");
    if (locale.isEmpty())
        locale = qgetenv("LANG");
    if (!IsUtf8Locale(locale))
        qputenv("LC_ALL", "C.UTF-8");
}

}   // namespace

int main(int argc, char** argv)
{
    PrepareEnvironment();
    QApplication app(argc, argv);
    frmQuorrelind w;
    w.show();
    return app.exec();
}
