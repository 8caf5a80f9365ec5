// The SQL Server choice through the machine's own ODBC driver registry (this
// program never points ODBCSYSINI at the tests' odbcinst.ini): the window's
// connection string reaches FreeTDS, which opens its TDS session on the port
// TDSPORT names. A listener on 127.0.0.1 takes the first packet and hangs up,
// and the run ends in message H with nothing written.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <thread>
#include <vector>

#include "app/Run.h"
#include "fixtures/RunHarness.h"

namespace {

// Whether the machine's driver registry has a driver named "SQL Server".
bool SqlServerDriverRegistered()
{
    return QProcess::execute(QStringLiteral("odbcinst"), {"-q", "-d", "-n", "SQL Server"}) == 0;
}

// Listens on 127.0.0.1 at a port the system picks, keeps the first bytes of
// the first connection, then stops listening (a retry is refused) and hangs
// up. Every wait is bounded.
struct HangUpListener {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
    std::vector<unsigned char> received;   // read after join()
    std::thread thread;

    HangUpListener()
    {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&a), len) == 0 && ::listen(fd, 4) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0) {
            port = ntohs(a.sin_port);
            thread = std::thread([this] { serve(); });
        }
    }
    ~HangUpListener() { join(); }
    void join()
    {
        if (thread.joinable())
            thread.join();
        else if (fd >= 0)
            ::close(fd);
    }
    void serve()
    {
        pollfd p{fd, POLLIN, 0};
        const int c = ::poll(&p, 1, 10000) == 1 ? ::accept(fd, nullptr, nullptr) : -1;
        pollfd q{c, POLLIN, 0};
        unsigned char buf[512];
        ssize_t n = 0;
        while (c >= 0 && received.size() < 8 && ::poll(&q, 1, 5000) == 1 && (n = ::read(c, buf, sizeof buf)) > 0)
            received.insert(received.end(), buf, buf + n);
        ::close(fd);
        fd = -1;
        if (c >= 0)
            ::close(c);
    }
};

// Every table's definition and rows: what "nothing written" is checked
// against (opening a file turns it to WAL mode, which rewrites header bytes).
QStringList Content(const QString& file)
{
    fx::SqliteFile db(file);
    QStringList out;
    for (const QVariantList& t : db.rows(QStringLiteral("SELECT name, sql, type FROM sqlite_master ORDER BY name"))) {
        out << t[1].toString();
        if (t[2].toString() == QLatin1String("table"))
            out << db.texts(QStringLiteral("SELECT * FROM \"%1\"").arg(t[0].toString()));
    }
    return out;
}

QString g_runWarning;   // what the run's handler logged as the cause

}   // namespace

TEST(SqlServerRoad, FreeTdsSendsPreLoginAndTheRunEndsInMessageHWithNothingWritten)
{
    ASSERT_NE(qgetenv("ODBCSYSINI").toStdString(), VELKA_TEST_ODBC_DIR)
        << "this program reads the machine's driver registry";
    if (!SqlServerDriverRegistered())
        GTEST_SKIP() << "no ODBC driver named \"SQL Server\" is registered; run scripts/setup "
                        "(it registers FreeTDS under that name)";

    fx::RunHarness h;
    h.writePriceList({{1, {fx::row(QStringLiteral("A"), QStringLiteral("11111-11111"), QStringLiteral("กรอง"), 120)}}});
    h.op.access = false;
    h.op.server = QStringLiteral("127.0.0.1");
    h.op.dbq = QStringLiteral("Velkadine");
    h.op.uid = QStringLiteral("sa");
    h.op.pwd = QStringLiteral("x");
    const QStringList priceList = Content(h.priceList);
    ASSERT_GT(priceList.size(), 2) << "the price list holds tables and a row";
    const QStringList catalog = Content(h.catalog);
    const QStringList files = QDir(h.dir.file(QString())).entryList(QDir::Files);

    HangUpListener server;
    ASSERT_NE(server.port, 0);
    const QByteArray savedPort = qgetenv("TDSPORT");
    qputenv("TDSPORT", QByteArray::number(server.port));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& m) { g_runWarning += m; });
    fx::LogStatements log;
    QElapsedTimer timer;
    timer.start();
    cmdUpDate_Click(h.st);
    const qint64 elapsed = timer.elapsed();
    qInstallMessageHandler(previous);
    qputenv("TDSPORT", savedPort);
    server.join();

    EXPECT_EQ(h.st.cnCatalog->ConnectionString,
              QStringLiteral("driver={SQL Server};server=127.0.0.1;uid=sa;pwd=x;database=Velkadine;"));
    ASSERT_FALSE(server.received.empty()) << "FreeTDS never connected; the run logged: " << g_runWarning.toStdString();
    EXPECT_EQ(server.received[0], 0x12) << "not a TDS pre-login packet";
    EXPECT_TRUE(g_runWarning.contains(QStringLiteral("FreeTDS"))) << g_runWarning.toStdString();
    ASSERT_EQ(h.op.messages.size(), 1u);
    EXPECT_EQ(h.op.lastMessage(), fx::MsgH());
    EXPECT_LT(elapsed, 10000);
    // Nothing written: no statement ran, both files hold what they held, no file was added.
    EXPECT_TRUE(log.entries().isEmpty()) << log.entries().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Content(h.priceList), priceList);
    EXPECT_EQ(Content(h.catalog), catalog);
    EXPECT_EQ(QDir(h.dir.file(QString())).entryList(QDir::Files), files);
}
