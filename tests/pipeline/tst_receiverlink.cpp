// The receiver link on real loopback sockets with a real store in a temporary
// folder: framing, acknowledgement, the Comms rows, the frame log and the
// receiver watchdog.
#include "pipeline/receiverlink.h"
#include "core/clock.h"
#include "store/errors.h"
#include "core/events.h"
#include "store/schema.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"
#include "tools/rxsim/framesource.h"
#include "tools/rxsim/rxsimulator.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <functional>
#include <memory>

using namespace pipeline;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kF5 = "5011 181234E13001015XY";
const QByteArray kFS = "S011[#1234|Nri1/BA01]";
const QByteArray kHeartbeat = QByteArray("1011") + QByteArray(11, ' ') + '@' + QByteArray(4, ' ');
constexpr char kDC4 = '\x14';

QByteArray framed(const QList<QByteArray> &frames)
{
    QByteArray out;
    for (const QByteArray &f : frames)
        out += f + kDC4;
    return out;
}

const QFileDevice::Permissions kOthersAndGroup =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

class FakeConsole : public LinkConsole
{
public:
    void setStatusText(int panel, const QString &text) override { texts[panel] = text; }
    void RefreshStatusAndCounts() override { ++refreshes; }
    void beep() override { ++beeps; }
    QHash<int, QString> texts;
    int refreshes = 0;
    int beeps = 0;
};

// Boxes that stay open as modal boxes do, dispatching events, while
// whileOpen runs inside them; they close when it returns.
class ModalMessages : public RecordingMessages
{
public:
    void error(const QString &text) override
    {
        errors << text;
        hold(text);
    }
    void warning(const QString &text) override
    {
        warnings << text;
        hold(text);
    }
    std::function<void(const QString &)> whileOpen;
    int open = 0;

private:
    void hold(const QString &text)
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            if (whileOpen)
                whileOpen(text);
            loop.quit();
        });
        ++open;
        loop.exec();
        --open;
    }
};

class EventSink : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == core::NewCommsEventType) {
            ids.append(static_cast<core::RowEvent *>(e)->id());
            return true;
        }
        return QObject::event(e);
    }
    QList<int> ids;
};

class FixedClock : public core::Clock
{
public:
    QDateTime now() const override { return at; }
    QDateTime at{QDate(2013, 12, 8), QTime(14, 5, 3)};
};

// The receiver's end of one connection.
class Client
{
public:
    explicit Client(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket,
                         [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    Client(const Client &) = delete;
    Client &operator=(const Client &) = delete;

    bool connected() { return socket.waitForConnected(5000); }
    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    int acks() const { return int(received.count('\x06')); }

    QTcpSocket socket;
    QByteArray received;
};

struct Row
{
    int id = 0;
    QDateTime at;
    int rxNo = 0;
    int lineNo = 0;
    int protocol = 0;
    QString data;
};

// A link listening on a free loopback port over a fresh store.
struct Fixture
{
    explicit Fixture(bool modalBoxes = false)
        : messages(modalBoxes ? std::make_unique<ModalMessages>()
                              : std::make_unique<RecordingMessages>())
    {
        store->setNotifyTarget(&notes);
        link = std::make_unique<ReceiverLink>(store.dm(), console);
        if (!link->open(u"0"_s))
            qFatal("the receiver link does not listen");
    }
    quint16 port() const { return link->serverPort(); }
    ModalMessages &modal() { return static_cast<ModalMessages &>(*messages); }

    QList<Row> rows()
    {
        QSqlQuery q = store->database().exec(
            u"SELECT ID, DateTime, RxNo, LineNo, Protocol, Data FROM Comms ORDER BY ID"_s);
        QList<Row> out;
        while (q.next()) {
            out.append({q.value(0).toInt(), store::dateTimeFromStored(q.value(1)),
                        q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt(),
                        q.value(5).toString()});
        }
        return out;
    }
    QStringList data()
    {
        QStringList out;
        for (const Row &r : rows())
            out << r.data;
        return out;
    }

    TempStore store;
    std::unique_ptr<RecordingMessages> messages;
    FakeConsole console;
    EventSink notes;
    std::unique_ptr<ReceiverLink> link;
};

// Makes the store refuse Comms posts, as it does when it cannot number them.
// The store refuses every new Comms row until the trigger is dropped again.
void refuseComms(store::TDMod &dm, bool on)
{
    dm.database().exec(on ? u"CREATE TRIGGER RefuseComms BEFORE INSERT ON Comms "
                            "BEGIN SELECT RAISE(ABORT, 'Comms refused'); END"_s
                          : u"DROP TRIGGER RefuseComms"_s);
}

QStringList logLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (!text.endsWith(u"\r\n"_s))
        return {u"(no CR LF at the end)"_s};
    text.chop(2);
    return text.split(u"\r\n"_s);
}

} // namespace

class TestReceiverLink : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void framing_data();
    void framing();
    void eventFrameRow_data();
    void eventFrameRow();
    void onlineMarking_data();
    void onlineMarking();
    void unreadableNumbers_data();
    void unreadableNumbers();

    void logOffWritesNothing();
    void logAppendsToExistingFile();
    void newLogIsPrivate();
    void unwritableLogCostsNoFrame();

    void watchdogReportsSilenceOnce();
    void typeSFramesDoNotKeepReceiverOnline();
    void noSecondWarningWhileOneIsOpen();
    void startArmsWatchdog();

    void closingStopsAckAndStoring();
    void lockedStoreGetsNoAckUntilRepeat();
    void framesDuringStoreWaitFollowInOrder();
    void offlineWarningOnlyWhileStillOffline();
    void refusedRowsShowOneErrorBox();
    void framesBehindUnacknowledgedOneAreHeldBack();
    void givesWayToUnitOfWorkBelow();

    void connectionsHaveOwnBuffers();
    void overlongRunIsDropped();
    void openRefusesBadPorts_data();
    void openRefusesBadPorts();
    void closeEndsConnections();

    void simulatorRun_data();
    void simulatorRun();

private:
    std::unique_ptr<QTemporaryDir> m_cwd;
    QString m_oldCwd;
    FixedClock m_clock;
};

void TestReceiverLink::init()
{
    // The frame log goes to the current directory.
    m_oldCwd = QDir::currentPath();
    m_cwd = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_cwd->path()));
    core::setClock(&m_clock);
}

void TestReceiverLink::cleanup()
{
    core::setClock(nullptr);
    QDir::setCurrent(m_oldCwd);
    m_cwd.reset();
}

void TestReceiverLink::framing_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<int>>("acksAfter"); // acknowledgements after each chunk
    QTest::addColumn<QStringList>("data");

    const QString d5 = u"181234E13001015"_s, dS = u"[#1234|Nri1/BA01]"_s;
    QTest::newRow("two frames in one read")
        << QList<QByteArray>{framed({kF5, kFS})} << QList<int>{2} << QStringList{d5, dS};
    QTest::newRow("frame split across reads") << QList<QByteArray>{"5011 1812", "34E13001015XY\x14"}
                                              << QList<int>{0, 1} << QStringList{d5};
    QTest::newRow("DC4 in a read of its own")
        << QList<QByteArray>{kF5, "\x14"} << QList<int>{0, 1} << QStringList{d5};
    QTest::newRow("a frame and a half, then the rest")
        << QList<QByteArray>{kF5 + "\x14S011[#12", "34|Nri1/BA01]\x14"} << QList<int>{1, 2}
        << QStringList{d5, dS};
    QTest::newRow("empty frame") << QList<QByteArray>{"\x14"} << QList<int>{1} << QStringList{};
    QTest::newRow("unknown type") << QList<QByteArray>{"X011 181234E13001015\x14"} << QList<int>{1}
                                  << QStringList{};
    QTest::newRow("heartbeat") << QList<QByteArray>{framed({kHeartbeat})} << QList<int>{1}
                               << QStringList{};

    QList<QByteArray> many;
    QStringList manyData;
    for (int i = 0; i < 50; ++i) {
        const QByteArray message = "18" + QByteArray::number(1000 + i) + "E13001015";
        many << "5011 " + message;
        manyData << QString::fromLatin1(message);
    }
    QTest::newRow("fifty frames in one write")
        << QList<QByteArray>{framed(many)} << QList<int>{50} << manyData;
}

void TestReceiverLink::framing()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<int>, acksAfter);
    QFETCH(QStringList, data);

    Fixture f;
    QSignalSpy reads(f.link.get(), &ReceiverLink::received);
    Client c(f.port());
    QVERIFY(c.connected());
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        const qsizetype before = reads.count();
        c.send(chunks.at(i));
        QTRY_VERIFY(reads.count() > before);
        if (i + 1 < chunks.size()) {
            QTest::qWait(20);
            QCOMPARE(c.acks(), acksAfter.at(i));
        }
    }
    QTRY_COMPARE(c.acks(), acksAfter.last());
    QCOMPARE(f.data(), data);
    QCOMPARE(f.messages->all(), QStringList());
}

void TestReceiverLink::eventFrameRow_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("rxNo");
    QTest::addColumn<int>("lineNo");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("data");

    QTest::newRow("type 5, characters after position 20 dropped")
        << kF5 << 1 << 1 << 1 << u"181234E13001015"_s;
    QTest::newRow("type 5, receiver 99 line 9")
        << QByteArray("5999-181234E13001015") << 99 << 9 << 1 << u"181234E13001015"_s;
    QTest::newRow("type 5, short message") << QByteArray("5021 1812") << 2 << 1 << 1 << u"1812"_s;
    QTest::newRow("type S, data from the bracket") << kFS << 1 << 1 << 2 << u"[#1234|Nri1/BA01]"_s;
    QTest::newRow("type S without bracket keeps the whole frame")
        << QByteArray("S031 #1234 BA01") << 3 << 1 << 2 << u"S031 #1234 BA01"_s;
    QTest::newRow("type S data cut to 30") << QByteArray("S011[#1234|Nri1/BA01 and a long text")
                                           << 1 << 1 << 2 << u"[#1234|Nri1/BA01 and a long te"_s;
    QTest::newRow("type S, bracket beyond 255 is cut off")
        << QByteArray("S011") + QByteArray(260, 'a') + "[#1234]" << 1 << 1 << 2
        << u"S011"_s + QString(26, u'a');
    QTest::newRow("Latin-1 characters")
        << QByteArray("S011[\xe9t\xe9]") << 1 << 1 << 2 << u"[\u00e9t\u00e9]"_s;
}

void TestReceiverLink::eventFrameRow()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, rxNo);
    QFETCH(int, lineNo);
    QFETCH(int, protocol);
    QFETCH(QString, data);

    Fixture f;
    QSignalSpy tx(f.link.get(), &ReceiverLink::transmitted);
    Client c(f.port());
    QVERIFY(c.connected());
    c.send(framed({frame}));
    QTRY_COMPARE(c.acks(), 1);
    QCOMPARE(c.received, QByteArray("\x06"));
    QCOMPARE(tx.count(), 1);

    const QList<Row> rows = f.rows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].at, m_clock.at);
    QCOMPARE(rows[0].rxNo, rxNo);
    QCOMPARE(rows[0].lineNo, lineNo);
    QCOMPARE(rows[0].protocol, protocol);
    QCOMPARE(rows[0].data, data);
    // Announced once, after the commit.
    QTRY_COMPARE(f.notes.ids, QList<int>{rows[0].id});
    QCOMPARE(f.store->tbComms->state(), store::Dataset::State::Browse);
}

void TestReceiverLink::onlineMarking_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("online");

    QTest::newRow("heartbeat") << kHeartbeat << true;
    QTest::newRow("heartbeat, characters after 20 not examined") << kHeartbeat + "XYZ" << true;
    QTest::newRow("heartbeat one space short")
        << QByteArray("1011") + QByteArray(10, ' ') + '@' + QByteArray(4, ' ') << false;
    QTest::newRow("heartbeat cut short") << kHeartbeat.left(16) << false;
    QTest::newRow("type 1 alone") << QByteArray("1") << false;
    QTest::newRow("type 5") << kF5 << true;
    QTest::newRow("type 5 with unreadable receiver number")
        << QByteArray("5x1 181234E13001015") << true;
    QTest::newRow("type S") << kFS << false;
}

void TestReceiverLink::onlineMarking()
{
    QFETCH(QByteArray, frame);
    QFETCH(bool, online);

    Fixture f;
    for (int i = 0; i < 10; ++i)
        f.link->TickTmrTimer();
    Client c(f.port());
    QVERIFY(c.connected());
    c.send(framed({frame}));
    QTRY_COMPARE(c.acks(), 1);
    QCOMPARE(f.link->ReceiverWatchdog(), online ? 99 : 89);
    QCOMPARE(f.console.texts.value(3), online ? u"Receiver: Online"_s : QString());
}

void TestReceiverLink::unreadableNumbers_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("error");

    QTest::newRow("type 5 receiver")
        << QByteArray("5x1 181234E13001015") << u"'x1' is not a valid integer value"_s;
    QTest::newRow("type S line") << QByteArray("S01x[#1234|Nri1/BA01]")
                                 << u"'x' is not a valid integer value"_s;
    QTest::newRow("blank in the receiver number")
        << QByteArray("5 11 181234E13001015") << u"' 1' is not a valid integer value"_s;
    QTest::newRow("type 5 alone") << QByteArray("5") << u"'' is not a valid integer value"_s;
}

void TestReceiverLink::unreadableNumbers()
{
    QFETCH(QByteArray, frame);
    QFETCH(QString, error);

    Fixture f;
    Client c(f.port());
    QVERIFY(c.connected());
    // The frame after it is handled all the same.
    c.send(framed({frame, kFS}));
    QTRY_COMPARE(c.acks(), 2);
    QCOMPARE(f.data(), QStringList{u"[#1234|Nri1/BA01]"_s});
    QTRY_COMPARE(f.messages->errors, QStringList{error});
    QCOMPARE(f.store->tbComms->state(), store::Dataset::State::Browse);
}

void TestReceiverLink::newLogIsPrivate()
{
    Fixture f;
    f.link->setLogReceiverMessages(true);
    f.link->HandleReceiverFrame(kF5);
    QVERIFY(QFile::exists(f.link->logFileName()));
    QCOMPARE(QFile::permissions(f.link->logFileName()) & kOthersAndGroup, QFileDevice::Permissions());
    QVERIFY(f.messages->all().isEmpty());
}

void TestReceiverLink::logOffWritesNothing()
{
    Fixture f;
    QVERIFY(!f.link->LogReceiverMessages());
    Client c(f.port());
    QVERIFY(c.connected());
    c.send(framed({kF5, kHeartbeat, {}}));
    QTRY_COMPARE(c.acks(), 3);
    QVERIFY(!QFile::exists(f.link->logFileName()));
    QVERIFY(QDir::current().entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

void TestReceiverLink::logAppendsToExistingFile()
{
    {
        QFile earlier(u"RxWinsock_Log.TXT"_s);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier line\r\n");
        QVERIFY(earlier.setPermissions(earlier.permissions() | QFileDevice::ReadOther));
    }
    Fixture f;
    f.link->setLogReceiverMessages(true);
    // Made this user's alone, as a new log is.
    QCOMPARE(QFile::permissions(u"RxWinsock_Log.TXT"_s) & kOthersAndGroup, QFileDevice::Permissions());
    Client c(f.port());
    QVERIFY(c.connected());
    const QByteArray longFrame = "S011[" + QByteArray(300, 'L');
    c.send(framed({kF5, {}, longFrame}));
    QTRY_COMPARE(c.acks(), 3);

    const QStringList lines = logLines(QDir::current().filePath(u"RxWinsock_Log.TXT"_s));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], u"earlier line"_s);
    const QStringList frames{QString::fromLatin1(kF5), QString(),
                             QString::fromLatin1(longFrame.left(255))};
    // The program's short date, whatever the system's own looks like.
    const QString date = u"12/8/2013"_s;
    for (int i = 0; i < 3; ++i) {
        const QString &line = lines[i + 1];
        QVERIFY2(line.startsWith(date + u' '), qPrintable(line));
        QVERIFY2(line.endsWith(u" -- "_s + frames[i]), qPrintable(line));
        // The time of day, without a zone name.
        const QString time = line.mid(date.size() + 1).section(u" -- "_s, 0, 0);
        QVERIFY2(time.contains(u"05:03"_s), qPrintable(time));
        QVERIFY2(!time.contains(QTimeZone::systemTimeZone().abbreviation(m_clock.at)),
                 qPrintable(time));
    }

    // Switched off: nothing more is written.
    f.link->setLogReceiverMessages(false);
    c.send(framed({kFS}));
    QTRY_COMPARE(c.acks(), 4);
    QCOMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 4);
}

void TestReceiverLink::unwritableLogCostsNoFrame()
{
    QVERIFY(QDir().mkdir(u"RxWinsock_Log.TXT"_s));
    Fixture f;
    f.link->setLogReceiverMessages(true);
    Client c(f.port());
    QVERIFY(c.connected());
    c.send(framed({kF5, kFS, kHeartbeat}));
    QTRY_COMPARE(c.acks(), 3);
    QCOMPARE(f.rows().size(), 2);
    QTRY_COMPARE(f.messages->errors.size(), 1);
    QVERIFY2(f.messages->errors[0].contains(u"RxWinsock_Log.TXT"_s),
             qPrintable(f.messages->errors[0]));

    // Still failing: no further box.
    c.send(framed({kF5}));
    QTRY_COMPARE(c.acks(), 4);
    QTest::qWait(20);
    QCOMPARE(f.messages->errors.size(), 1);

    // Writable again, then failing again: a new run of failures is reported.
    QVERIFY(QDir().rmdir(u"RxWinsock_Log.TXT"_s));
    c.send(framed({kFS}));
    QTRY_COMPARE(c.acks(), 5);
    QCOMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 1);
    QVERIFY(QFile::remove(u"RxWinsock_Log.TXT"_s));
    QVERIFY(QDir().mkdir(u"RxWinsock_Log.TXT"_s));
    c.send(framed({kFS}));
    QTRY_COMPARE(c.acks(), 6);
    QTRY_COMPARE(f.messages->errors.size(), 2);
    QCOMPARE(f.rows().size(), 5);
}

void TestReceiverLink::watchdogReportsSilenceOnce()
{
    Fixture f;
    for (int i = 0; i < 98; ++i)
        f.link->TickTmrTimer();
    QCOMPARE(f.link->ReceiverWatchdog(), 1);
    QCOMPARE(f.console.beeps, 0);
    QVERIFY(f.messages->warnings.isEmpty());

    f.link->TickTmrTimer();
    QCOMPARE(f.link->ReceiverWatchdog(), 0);
    QCOMPARE(f.console.texts.value(3), u"Receiver: Offline"_s);
    QCOMPARE(f.console.beeps, 1);
    QCOMPARE(f.messages->warnings, QStringList{u"Rovask Alarm Receiver is Offline !"_s});

    // Nothing more while the counter stays at 0.
    for (int i = 0; i < 300; ++i)
        f.link->TickTmrTimer();
    QCOMPARE(f.console.beeps, 1);
    QCOMPARE(f.messages->warnings.size(), 1);

    // A heartbeat brings it back and gives a full 99 seconds again.
    f.link->HandleReceiverFrame(kHeartbeat);
    QCOMPARE(f.console.texts.value(3), u"Receiver: Online"_s);
    QCOMPARE(f.link->ReceiverWatchdog(), 99);
    for (int i = 0; i < 98; ++i)
        f.link->TickTmrTimer();
    QCOMPARE(f.console.beeps, 1);
    f.link->TickTmrTimer();
    QCOMPARE(f.console.texts.value(3), u"Receiver: Offline"_s);
    QCOMPARE(f.console.beeps, 2);
    QCOMPARE(f.messages->warnings.size(), 2);
}

void TestReceiverLink::typeSFramesDoNotKeepReceiverOnline()
{
    Fixture f;
    for (int i = 0; i < 99; ++i) {
        f.link->HandleReceiverFrame(kFS);
        f.link->TickTmrTimer();
    }
    QCOMPARE(f.console.texts.value(3), u"Receiver: Offline"_s);
    QCOMPARE(f.console.beeps, 1);
    QCOMPARE(f.rows().size(), 99);
}

void TestReceiverLink::noSecondWarningWhileOneIsOpen()
{
    Fixture f(true);
    Client c(f.port());
    QVERIFY(c.connected());
    int acksWhileOpen = -1;
    f.modal().whileOpen = [&](const QString &) {
        // Frames are still handled while the box waits for the operator.
        c.send(framed({kHeartbeat}));
        QTRY_COMPARE(c.acks(), 1);
        acksWhileOpen = c.acks();
        QCOMPARE(f.link->ReceiverWatchdog(), 99);
        for (int i = 0; i < 99; ++i)
            f.link->TickTmrTimer();
    };
    for (int i = 0; i < 99; ++i)
        f.link->TickTmrTimer();
    QCOMPARE(acksWhileOpen, 1);
    QCOMPARE(f.console.beeps, 2);
    QCOMPARE(f.modal().warnings.size(), 1);

    // Closed: the next silence shows it again.
    f.modal().whileOpen = nullptr;
    f.link->HandleReceiverFrame(kHeartbeat);
    for (int i = 0; i < 99; ++i)
        f.link->TickTmrTimer();
    QCOMPARE(f.console.beeps, 3);
    QCOMPARE(f.modal().warnings.size(), 2);
}

void TestReceiverLink::startArmsWatchdog()
{
    Fixture f;
    QVERIFY(!f.link->TickTmr()->isActive());
    f.link->TickTmrTimer();
    f.link->start();
    QCOMPARE(f.link->ReceiverWatchdog(), 99);
    QVERIFY(f.link->TickTmr()->isActive());
    QCOMPARE(f.link->TickTmr()->interval(), 1000);
    f.link->TickTmrTimer();
    f.link->HandleReceiverFrame(kF5);
    QCOMPARE(f.link->ReceiverWatchdog(), 99);
    QVERIFY(f.link->TickTmr()->isActive());
}

void TestReceiverLink::closingStopsAckAndStoring()
{
    Fixture f;
    f.link->setLogReceiverMessages(true);
    Client c(f.port());
    QVERIFY(c.connected());
    f.store->setAppClosing();
    c.send(framed({kF5, kHeartbeat, kFS, {}}));
    // Still logged.
    QTRY_COMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 4);
    QTest::qWait(50);
    QCOMPARE(c.acks(), 0);
    QCOMPARE(f.rows().size(), 0);
    QCOMPARE(f.console.texts.value(3), QString());
}

void TestReceiverLink::lockedStoreGetsNoAckUntilRepeat()
{
    Fixture f;
    f.link->setLogReceiverMessages(true);
    Client c(f.port());
    QVERIFY(c.connected());
    ForeignWriteLock lock(f.store->storePath());
    QVERIFY(lock.isHeld());

    // The post waits about 5 s for the store, then gives up: no ACK. What
    // the receiver sent on meanwhile, even the frame it was in the middle
    // of, is not acknowledged either: that ACK would be taken for the first.
    const QByteArray second = "5011 181234E13001016";
    c.send(framed({kF5}));
    QTimer::singleShot(300, [&] { c.send(framed({kHeartbeat}) + second.left(10)); });
    QTRY_COMPARE_WITH_TIMEOUT(f.messages->errors, QStringList{u"Cannot create unique ID"_s}, 15000);
    c.send(second.mid(10) + kDC4);
    QTRY_COMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 3);
    QTest::qWait(20);
    QCOMPARE(c.acks(), 0);
    QCOMPARE(f.rows().size(), 0);
    QCOMPARE(f.store->tbComms->state(), store::Dataset::State::Browse);

    // The receiver repeats them once the store is free again.
    lock.release();
    c.send(framed({kF5, kHeartbeat, second}));
    QTRY_COMPARE(c.acks(), 3);
    QCOMPARE(f.data(), (QStringList{u"181234E13001015"_s, u"181234E13001016"_s}));
    QCOMPARE(f.messages->errors.size(), 1);
}

void TestReceiverLink::framesDuringStoreWaitFollowInOrder()
{
    Fixture f(true);
    for (int i = 0; i < 98; ++i)
        f.link->TickTmrTimer();
    Client a(f.port());
    Client b(f.port());
    QVERIFY(a.connected());
    QVERIFY(b.connected());
    ForeignWriteLock lock(f.store->storePath());
    QVERIFY(lock.isHeld());

    int rowsWhenWarningOpened = -1;
    f.modal().whileOpen = [&](const QString &) { rowsWhenWarningOpened = int(f.rows().size()); };

    // A's frame waits for the store; what comes in meanwhile waits its turn,
    // and so does the offline warning (type S frames do not re-arm it).
    a.send(framed({"S011[#0001|Nri1/BA01]"}));
    QTimer::singleShot(300, [&] { b.send(framed({"S021[#0002|Nri1/BA01]"})); });
    QTimer::singleShot(600, [&] {
        a.send(framed({"S011[#0003|Nri1/BA01]"}));
        f.link->TickTmrTimer();
    });
    int acksBeforeRelease = -1;
    QTimer::singleShot(1200, [&] {
        acksBeforeRelease = a.acks() + b.acks();
        lock.release();
    });

    QTRY_COMPARE_WITH_TIMEOUT(a.acks(), 2, 15000);
    QTRY_COMPARE(b.acks(), 1);
    QCOMPARE(acksBeforeRelease, 0);
    QCOMPARE(f.data(),
             (QStringList{u"[#0001|Nri1/BA01]"_s, u"[#0002|Nri1/BA01]"_s, u"[#0003|Nri1/BA01]"_s}));
    QVERIFY(f.modal().errors.isEmpty());
    QCOMPARE(f.store->tbComms->state(), store::Dataset::State::Browse);
    QTRY_COMPARE(f.modal().warnings.size(), 1);
    QCOMPARE(rowsWhenWarningOpened, 3);
    QTRY_COMPARE(f.notes.ids, (QList<int>{1, 2, 3}));
}

void TestReceiverLink::offlineWarningOnlyWhileStillOffline()
{
    Fixture f(true);
    for (int i = 0; i < 98; ++i)
        f.link->TickTmrTimer();
    Client c(f.port());
    QVERIFY(c.connected());
    ForeignWriteLock lock(f.store->storePath());
    QVERIFY(lock.isHeld());

    // The watchdog runs out while a frame waits for the store; a heartbeat
    // follows before the warning could be shown.
    c.send(framed({"S011[#0001|Nri1/BA01]"}));
    QTimer::singleShot(300, [&] {
        f.link->TickTmrTimer();
        c.send(framed({kHeartbeat}));
    });
    QTimer::singleShot(800, [&] { lock.release(); });
    QTRY_COMPARE_WITH_TIMEOUT(c.acks(), 2, 15000);
    QCOMPARE(f.console.beeps, 1);
    QTest::qWait(200);
    QCOMPARE(f.modal().warnings, QStringList());
    QCOMPARE(f.console.texts.value(3), u"Receiver: Online"_s);

    // The next silence is reported as before.
    for (int i = 0; i < 99; ++i)
        f.link->TickTmrTimer();
    QCOMPARE(f.modal().warnings, QStringList{u"Rovask Alarm Receiver is Offline !"_s});
}

void TestReceiverLink::refusedRowsShowOneErrorBox()
{
    Fixture f(true);
    f.link->setLogReceiverMessages(true);
    refuseComms(f.store.dm(), true);
    Client c(f.port());
    QVERIFY(c.connected());

    int refusedWhileOpen = 0;
    f.modal().whileOpen = [&](const QString &) {
        // The receiver repeats while the box is open: refused again, not
        // shown again; and the heartbeat in between is acknowledged.
        c.send(framed({kF5}));
        QTRY_COMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 2);
        c.send(framed({kHeartbeat}));
        QTRY_COMPARE(c.acks(), 1);
        c.send(framed({kF5}));
        QTRY_COMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 4);
        refusedWhileOpen = 2;
    };
    c.send(framed({kF5}));
    QTRY_COMPARE(f.modal().errors.size(), 1);
    QTRY_COMPARE(refusedWhileOpen, 2);
    QCOMPARE(f.modal().open, 0);
    QCOMPARE(f.modal().errors, QStringList{u"Comms refused"_s});
    QCOMPARE(c.acks(), 1);
    QCOMPARE(f.rows().size(), 0);
    QCOMPARE(f.store->tbComms->state(), store::Dataset::State::Browse);

    refuseComms(f.store.dm(), false);
    c.send(framed({kF5}));
    QTRY_COMPARE(c.acks(), 2);
    QCOMPARE(f.data(), QStringList{u"181234E13001015"_s});
    QTRY_COMPARE(f.notes.ids, QList<int>{f.rows()[0].id});
}

void TestReceiverLink::framesBehindUnacknowledgedOneAreHeldBack()
{
    // The receiver matches ACKs to its frames in order: an ACK for the
    // second frame would be taken for the first, refused one.
    Fixture f;
    f.link->setLogReceiverMessages(true);
    refuseComms(f.store.dm(), true);
    Client c(f.port());
    QVERIFY(c.connected());
    const QList<QByteArray> burst{"5011 181234E13001011", kHeartbeat, "5011 181234E13001012"};
    c.send(framed(burst));
    QTRY_COMPARE(f.messages->errors.size(), 1);
    QTRY_COMPARE(logLines(u"RxWinsock_Log.TXT"_s).size(), 3);
    QTest::qWait(20);
    QCOMPARE(c.acks(), 0);
    QCOMPARE(f.rows().size(), 0);
    refuseComms(f.store.dm(), false);

    // The repeat of all three is taken whole, once.
    c.send(framed(burst));
    QTRY_COMPARE(c.acks(), 3);
    QCOMPARE(f.data(), (QStringList{u"181234E13001011"_s, u"181234E13001012"_s}));
}

void TestReceiverLink::givesWayToUnitOfWorkBelow()
{
    Fixture f;
    Client c(f.port());
    QVERIFY(c.connected());

    // Another handler holds the store and dispatches events (a wait, a box):
    // a row stored now would go with its unit of work, here rolled back.
    {
        store::WriteScope scope(f.store->database());
        f.store->database().ensureWriteLock();
        c.send(framed({kF5, kHeartbeat}));
        QTest::qWait(300);
        QCOMPARE(c.acks(), 0);
    }
    QTRY_COMPARE(c.acks(), 2);
    QCOMPARE(f.data(), QStringList{u"181234E13001015"_s});

    // Another handler is building a Comms row: not posted for it, and ours
    // comes after it.
    f.store->tbComms->insert();
    f.store->tbComms->field(u"Data"_s).setValue(u"built elsewhere"_s);
    c.send(framed({kFS}));
    QTest::qWait(300);
    QCOMPARE(c.acks(), 2);
    QCOMPARE(f.store->tbComms->state(), store::Dataset::State::Insert);
    f.store->tbComms->post();
    QTRY_COMPARE(c.acks(), 3);
    QCOMPARE(f.data(),
             (QStringList{u"181234E13001015"_s, u"built elsewhere"_s, u"[#1234|Nri1/BA01]"_s}));
    QVERIFY(f.messages->all().isEmpty());
}

void TestReceiverLink::connectionsHaveOwnBuffers()
{
    Fixture f;
    QCOMPARE(f.link->ReceiverConnected(), false);
    QSignalSpy reads(f.link.get(), &ReceiverLink::received);
    auto settle = [&](Client &c, const QByteArray &bytes) {
        const qsizetype before = reads.count();
        c.send(bytes);
        QTRY_VERIFY(reads.count() > before);
    };
    auto a = std::make_unique<Client>(f.port());
    auto b = std::make_unique<Client>(f.port());
    QVERIFY(a->connected());
    QVERIFY(b->connected());
    QTRY_VERIFY(f.link->ReceiverConnected());
    QCOMPARE(f.console.texts.value(0), u"Status: Receiving Data..."_s);
    QVERIFY(f.console.refreshes > 0);

    settle(*a, "5011 1812");
    settle(*b, "S021[#00");
    settle(*a, "34E13001015\x14");
    settle(*b, "02|Nri1/BA01]\x14");
    QTRY_COMPARE(a->acks(), 1);
    QTRY_COMPARE(b->acks(), 1);
    const QList<Row> rows = f.rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].data, u"181234E13001015"_s);
    QCOMPARE(rows[0].rxNo, 1);
    QCOMPARE(rows[1].data, u"[#0002|Nri1/BA01]"_s);
    QCOMPARE(rows[1].rxNo, 2);

    // One receiver gone, the other still connected.
    a.reset();
    QTest::qWait(50);
    QVERIFY(f.link->ReceiverConnected());
    QCOMPARE(f.console.texts.value(0), u"Status: Receiving Data..."_s);

    // A complete frame sent just before the close is still stored; the
    // half frame after it goes with the connection.
    b->send(framed({"5031 181234E13001016"}) + "5031 18");
    b->socket.disconnectFromHost();
    QTRY_VERIFY(!f.link->ReceiverConnected());
    QCOMPARE(f.console.texts.value(0), u"Status: Monitoring..."_s);
    QTRY_COMPARE(f.rows().size(), 3);

    Client c(f.port());
    QVERIFY(c.connected());
    c.send(framed({"5041 181234E13001017"}));
    QTRY_COMPARE(c.acks(), 1);
    QCOMPARE(f.data().last(), u"181234E13001017"_s);
    QCOMPARE(f.rows().last().rxNo, 4);
}

void TestReceiverLink::overlongRunIsDropped()
{
    Fixture f;
    f.link->setLogReceiverMessages(true);
    Client c(f.port());
    QVERIFY(c.connected());

    // Exactly 64 KiB is still one (unknown) frame.
    c.send(QByteArray(ReceiverLink::kMaxBufferedBytes, 'x') + kDC4);
    QTRY_COMPARE(c.acks(), 1);

    // More goes, with the frame glued to its end: no ACK for it, so the
    // receiver repeats it, and the repeat is taken.
    for (int i = 0; i < 9; ++i)
        c.send(QByteArray(8 * 1024, 'y'));
    c.send(framed({"5011 181234E13001011", "5011 181234E13001012"}));
    QTRY_COMPARE(c.acks(), 2);
    QCOMPARE(f.data(), QStringList{u"181234E13001012"_s});

    const QStringList lines = logLines(u"RxWinsock_Log.TXT"_s);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[1].contains(u"without DC4 dropped"_s), qPrintable(lines[1]));
    QVERIFY(f.messages->all().isEmpty());
}

void TestReceiverLink::openRefusesBadPorts_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("not a number") << u"abc"_s;
    QTest::newRow("out of range") << u"70000"_s;
    QTest::newRow("negative") << u"-1"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("in use") << u"in use"_s;
}

void TestReceiverLink::openRefusesBadPorts()
{
    QFETCH(QString, port);
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, 0));
    if (port == u"in use"_s)
        port = QString::number(other.serverPort());

    Fixture f;
    const quint16 before = f.port();
    Client c(before);
    QVERIFY(c.connected());
    QTRY_VERIFY(f.link->ReceiverConnected());
    QVERIFY(!f.link->open(port));
    QCOMPARE(f.messages->errors.size(), 1);
    QVERIFY2(f.messages->errors[0].contains(port), qPrintable(f.messages->errors[0]));
    // The port in use goes on listening, its receiver still connected.
    QVERIFY(f.link->isListening());
    QCOMPARE(f.link->serverPort(), before);
    QCOMPARE(f.link->port(), u"0"_s);
    c.send(framed({kF5}));
    QTRY_COMPARE(c.acks(), 1);

    // A good port: opened first, then the old one closes.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::Any, 0));
    const quint16 nextPort = probe.serverPort();
    const QString next = QString::number(nextPort);
    probe.close();
    QVERIFY(f.link->open(next));
    QCOMPARE(f.link->serverPort(), nextPort);
    QCOMPARE(f.link->port(), next);
    QTRY_COMPARE(c.socket.state(), QAbstractSocket::UnconnectedState);
    Client late(before);
    QVERIFY(!late.socket.waitForConnected(1000));
    Client fresh(f.port());
    QVERIFY(fresh.connected());
}

void TestReceiverLink::closeEndsConnections()
{
    Fixture f;
    Client c(f.port());
    QVERIFY(c.connected());
    QTRY_VERIFY(f.link->ReceiverConnected());
    c.send(framed({kF5}));
    QTRY_COMPARE(c.acks(), 1);
    f.link->close();
    QVERIFY(!f.link->isListening());
    QVERIFY(!f.link->ReceiverConnected());
    QCOMPARE(f.console.texts.value(0), u"Status: Monitoring..."_s);
    QTRY_COMPARE(c.socket.state(), QAbstractSocket::UnconnectedState);
    Client late(f.port());
    QVERIFY(!late.socket.waitForConnected(1000));
}

void TestReceiverLink::simulatorRun_data()
{
    QTest::addColumn<bool>("pipelined");
    QTest::newRow("waiting for each ACK") << false;
    QTest::newRow("pipelined") << true;
}

void TestReceiverLink::simulatorRun()
{
    QFETCH(bool, pipelined);
    Fixture f;
    rxsim::GeneratorOptions generator;
    generator.count = 200;
    const QList<QByteArray> frames = rxsim::generateEventFrames(generator);
    QCOMPARE(frames.size(), 200);

    rxsim::SimulatorOptions options;
    options.port = f.port();
    options.pipelined = pipelined;
    options.maxRepeats = 0; // a missing ACK ends the run
    options.ackTimeoutMs = 20000;
    rxsim::RxSimulator simulator(options, frames);
    const rxsim::RunSummary summary = simulator.run();
    QVERIFY2(summary.allAcknowledged(), qPrintable(simulator.summaryLines().join(u'\n')));
    QCOMPARE(summary.acknowledged, 200);
    QCOMPARE(summary.unexpectedAcks, 0);
    QCOMPARE(summary.otherBytes, 0);

    QStringList expected;
    for (const QByteArray &frame : frames)
        expected << QString::fromLatin1(frame.mid(5, 15));
    QCOMPARE(f.data(), expected);
    QTRY_COMPARE(f.notes.ids.size(), 200);
    QList<int> ids;
    for (const Row &r : f.rows())
        ids << r.id;
    QCOMPARE(f.notes.ids, ids);
}

QTEST_GUILESS_MAIN(TestReceiverLink)
#include "tst_receiverlink.moc"
