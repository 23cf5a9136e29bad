// The event path as the receiver meets it: a frame is stored and processed in
// one unit of work, and its ACK goes out only after that unit committed.
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "pipeline/receiverlink.h"
#include "core/clock.h"
#include "core/consolehooks.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QHostAddress>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QUuid>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using pipeline::EventProcessor;
using pipeline::ReceiverLink;

namespace {

constexpr char kDC4 = '\x14';

class QuietConsole : public pipeline::LinkConsole
{
public:
    void setStatusText(int, const QString &) override {}
    void RefreshStatusAndCounts() override {}
    void beep() override {}
};

QByteArray framed(const QList<QByteArray> &frames)
{
    QByteArray out;
    for (const QByteArray &f : frames)
        out += f + kDC4;
    return out;
}

QByteArray eventFrame(const char *data)
{
    return QByteArray("5011 ") + data;
}

// A second connection to the store file, as another program reads it: it
// sees only what has committed.
class Observer
{
public:
    explicit Observer(const QString &path) : m_name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Observer() { QSqlDatabase::removeDatabase(m_name); }
    QVariant scalar(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        q.exec(sql);
        return q.next() ? q.value(0) : QVariant();
    }

private:
    QString m_name;
};

// Account 1234 with the catalogue's rules, a link and a processor over it.
struct Station
{
    Station()
    {
        store->setDefaultActionsSource(pipeline::CatalogueDefaultActions);
        store::Table &acc = *store->tbAccounts;
        acc.insert();
        acc.field(u"AccountNo"_s).setValue(u"1234"_s);
        acc.field(u"Name"_s).setValue(u"Bakery"_s);
        acc.field(u"PanelType"_s).setValue(3);
        acc.post();
        processor = std::make_unique<EventProcessor>(store.dm());
        processor->ProcessBacklog();
        link = std::make_unique<ReceiverLink>(store.dm(), console);
        if (!link->open(u"0"_s))
            qFatal("the receiver link does not listen");
    }
    void sql(const QString &text) { store->database().exec(text); }

    TempStore store;
    RecordingMessages messages;
    QuietConsole console;
    std::unique_ptr<EventProcessor> processor;
    std::unique_ptr<ReceiverLink> link;
};

// The receiver's end; onAck runs as each ACK is read.
class Client
{
public:
    explicit Client(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] {
            const QByteArray bytes = socket.readAll();
            for (char c : bytes) {
                if (c == '\x06') {
                    ++acks;
                    if (onAck)
                        onAck(acks);
                }
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(5000);
    }
    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    QTcpSocket socket;
    int acks = 0;
    std::function<void(int)> onAck;
};

} // namespace

class TestEventPath : public QObject
{
    Q_OBJECT
private slots:
    void committedBeforeItsAck_data();
    void committedBeforeItsAck();
    void engineErrorWithholdsAckUntilRepeat();
    void burstStopsAtTheFrameThatCannotBeStored();
};

void TestEventPath::committedBeforeItsAck_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("processed");  // Comms.Processed seen at the ACK
    QTest::addColumn<int>("eventRows");  // Pending + History rows seen at the ACK

    QTest::newRow("burglary") << eventFrame("181234E13001005") << 1 << 1;
    QTest::newRow("test call") << eventFrame("181234E60200000") << 1 << 1;
    QTest::newRow("unknown account") << eventFrame("189999E13001005") << 1 << 0;
    QTest::newRow("undecodable") << eventFrame("181234E1X001005") << 2 << 0;
    QTest::newRow("type S") << QByteArray("S011[#1234|Nri1/BA01]") << 1 << 0;
}

void TestEventPath::committedBeforeItsAck()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, processed);
    QFETCH(int, eventRows);

    Station st;
    Observer other(st.store->storePath());
    Client c(st.link->serverPort());
    int seenProcessed = -1, seenRows = -1;
    c.onAck = [&](int) {
        seenProcessed = other.scalar(u"SELECT Processed FROM Comms"_s).toInt();
        seenRows = other.scalar(u"SELECT (SELECT COUNT(*) FROM Pending) + "
                                "(SELECT COUNT(*) FROM History)"_s)
                       .toInt();
    };
    c.send(framed({frame}));
    QTRY_COMPARE(c.acks, 1);
    QCOMPARE(seenProcessed, processed);
    QCOMPARE(seenRows, eventRows);
    // A row that cannot be decoded is reported, once.
    QTRY_COMPARE(st.messages.errors.size(), processed == 2 ? 1 : 0);
}

void TestEventPath::engineErrorWithholdsAckUntilRepeat()
{
    // The alarm cannot be written: nothing of the event commits, not even its
    // Comms row, and the receiver repeats the frame until it can be.
    Station st;
    st.sql(u"CREATE TRIGGER Refused BEFORE INSERT ON Pending "
           "BEGIN SELECT RAISE(ABORT, 'Pending refused'); END"_s);
    Client c(st.link->serverPort());
    const QByteArray alarm = framed({eventFrame("181234E13001005")});
    c.send(alarm);
    QTRY_COMPARE(st.messages.errors.size(), 1);
    QTest::qWait(50);
    QCOMPARE(c.acks, 0);
    Observer other(st.store->storePath());
    QCOMPARE(other.scalar(u"SELECT COUNT(*) FROM Comms"_s).toInt(), 0);
    QCOMPARE(st.store->PriorityCounts[1] + st.store->PriorityCounts[2], 0);

    st.sql(u"DROP TRIGGER Refused"_s);
    c.send(alarm);
    QTRY_COMPARE(c.acks, 1);
    QCOMPARE(other.scalar(u"SELECT COUNT(*) FROM Comms WHERE Processed = 1"_s).toInt(), 1);
    QCOMPARE(other.scalar(u"SELECT COUNT(*) FROM Pending"_s).toInt(), 1);
    QCOMPARE(st.store->tbPending->recordCount(), 1);
}

void TestEventPath::burstStopsAtTheFrameThatCannotBeStored()
{
    // Five frames sent without waiting arrive together and would share one
    // commit; the third cannot be stored. The two before it are acknowledged,
    // it and the two after it are not (the receiver matches ACKs in order).
    Station st;
    st.sql(u"CREATE TRIGGER Refused BEFORE INSERT ON Comms WHEN NEW.Data = '181234E60200003' "
           "BEGIN SELECT RAISE(ABORT, 'Comms refused'); END"_s);
    QList<QByteArray> burst;
    for (int i = 1; i <= 5; ++i)
        burst << eventFrame(QByteArray("181234E6020000" + QByteArray::number(i)).constData());
    Client c(st.link->serverPort());
    c.send(framed(burst));
    QTRY_COMPARE(st.messages.errors.size(), 1);
    QTest::qWait(50);
    QCOMPARE(c.acks, 2);
    Observer other(st.store->storePath());
    QCOMPARE(other.scalar(u"SELECT group_concat(substr(Data, 15), '') FROM Comms"_s).toString(),
             u"12"_s);

    st.sql(u"DROP TRIGGER Refused"_s);
    c.send(framed(burst.mid(2)));
    QTRY_COMPARE(c.acks, 5);
    QCOMPARE(other.scalar(u"SELECT group_concat(substr(Data, 15), '') FROM Comms"_s).toString(),
             u"12345"_s);
    QCOMPARE(other.scalar(u"SELECT COUNT(*) FROM Comms WHERE Processed = 1"_s).toInt(), 5);
    QCOMPARE(other.scalar(u"SELECT COUNT(*) FROM History"_s).toInt(), 5);
}

QTEST_GUILESS_MAIN(TestEventPath)
#include "tst_eventpath.moc"
