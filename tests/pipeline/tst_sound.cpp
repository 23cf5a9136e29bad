#include "pipeline/sound.h"
#include "support/recordingsoundplayer.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

using namespace pipeline;
using namespace Qt::StringLiterals;

namespace {

struct WaveInfo
{
    bool valid = false;
    QString problem;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;
};

// Reads the RIFF chunks of a WAVE file: the "fmt " chunk and the size of "data".
WaveInfo parseWave(const QByteArray &bytes)
{
    WaveInfo info;
    auto u16 = [&](qsizetype at) {
        return int(qFromLittleEndian<quint16>(bytes.constData() + at));
    };
    auto u32 = [&](qsizetype at) {
        return qint64(qFromLittleEndian<quint32>(bytes.constData() + at));
    };

    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        info.problem = u"not a RIFF WAVE file"_s;
        return info;
    }
    if (u32(4) != bytes.size() - 8) {
        info.problem = u"RIFF size does not match the file"_s;
        return info;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            info.problem = u"chunk runs past the end of the file"_s;
            return info;
        }
        if (id == "fmt " && size >= 16) {
            info.format = u16(body);
            info.channels = u16(body + 2);
            info.sampleRate = int(u32(body + 4));
            const qint64 byteRate = u32(body + 8);
            const int blockAlign = u16(body + 12);
            info.bitsPerSample = u16(body + 14);
            if (blockAlign != info.channels * info.bitsPerSample / 8 ||
                byteRate != qint64(info.sampleRate) * blockAlign) {
                info.problem = u"inconsistent block align or byte rate"_s;
                return info;
            }
            haveFormat = true;
        } else if (id == "data") {
            info.dataBytes = size;
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    info.valid = haveFormat && haveData;
    if (!info.valid)
        info.problem = u"fmt or data chunk missing"_s;
    return info;
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void embeddedSoundFormats_data();
    void embeddedSoundFormats();
    void embeddedSoundNames();

    void playWaveResource_data();
    void playWaveResource();
    void eachSoundReplacesTheLast();
    void qtPlayerPlaysQuietly();

private:
    RecordingSoundPlayer m_player;
};

void TestSound::cleanup()
{
    SetSoundPlayer(nullptr);
    m_player.clear();
}

void TestSound::embeddedSoundFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("seconds");
    QTest::newRow("SND_NEWEVENT1") << u"SND_NEWEVENT1"_s << 11025 << 8 << 1.7;
    QTest::newRow("SND_NEWEVENT2") << u"SND_NEWEVENT2"_s << 22050 << 16 << 1.2;
    QTest::newRow("SND_NEWEVENT3") << u"SND_NEWEVENT3"_s << 11025 << 16 << 0.9;
}

void TestSound::embeddedSoundFormats()
{
    QFETCH(QString, name);
    QFETCH(int, sampleRate);
    QFETCH(int, bits);
    QFETCH(double, seconds);

    const QString path = EmbeddedSoundPath(name);
    QCOMPARE(path, u":/sounds/%1.wav"_s.arg(name));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const WaveInfo info = parseWave(file.readAll());
    QVERIFY2(info.valid, qPrintable(info.problem));
    QCOMPARE(info.format, 1); // PCM
    QCOMPARE(info.channels, 1);
    QCOMPARE(info.sampleRate, sampleRate);
    QCOMPARE(info.bitsPerSample, bits);
    const double duration = double(info.dataBytes) / (sampleRate * bits / 8);
    QVERIFY2(qAbs(duration - seconds) < 0.05, qPrintable(QString::number(duration)));
}

void TestSound::embeddedSoundNames()
{
    QCOMPARE(EmbeddedSoundNames(),
             QStringList({u"SND_NEWEVENT1"_s, u"SND_NEWEVENT2"_s, u"SND_NEWEVENT3"_s}));
    QCOMPARE(EmbeddedSoundPath(u"snd_newevent2"_s), u":/sounds/SND_NEWEVENT2.wav"_s);
    QVERIFY(EmbeddedSoundPath(u"../sounds/SND_NEWEVENT1"_s).isEmpty());
    QVERIFY(EmbeddedSoundPath(u"SND_NEWEVENT1.wav"_s).isEmpty());
    QVERIFY(EmbeddedSoundPath(QString()).isEmpty());
}

void TestSound::playWaveResource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<QString>("playedName");
    QTest::addColumn<uint>("playedFlags");
    QTest::addColumn<bool>("played");

    QTest::newRow("empty name does nothing") << QString() << 13u << QString() << 0u << false;
    QTest::newRow("very high loops")
        << u"SND_NEWEVENT1"_s << 13u << u"SND_NEWEVENT1"_s << 13u << true;
    QTest::newRow("high loops") << u"SND_NEWEVENT2"_s << 13u << u"SND_NEWEVENT2"_s << 13u << true;
    QTest::newRow("other once") << u"SND_NEWEVENT3"_s << 5u << u"SND_NEWEVENT3"_s << 5u << true;
    QTest::newRow("name case-insensitive")
        << u"snd_newevent3"_s << 5u << u"SND_NEWEVENT3"_s << 5u << true;
    QTest::newRow("unknown stops") << u"SND_NOSUCH"_s << 13u << QString() << 6u << true;
    QTest::newRow("path-like name stops")
        << u"../SND_NEWEVENT1"_s << 13u << QString() << 6u << true;
}

void TestSound::playWaveResource()
{
    QFETCH(QString, name);
    QFETCH(uint, flags);
    QFETCH(QString, playedName);
    QFETCH(uint, playedFlags);
    QFETCH(bool, played);

    SetSoundPlayer(&m_player);
    QCOMPARE(CurrentSoundPlayer(), &m_player);
    PlayWaveResource(name, flags);
    if (!played) {
        QVERIFY(m_player.played().isEmpty());
        return;
    }
    QCOMPARE(m_player.played().size(), 1);
    QCOMPARE(m_player.current().name, playedName);
    QCOMPARE(m_player.current().flags, playedFlags);
}

void TestSound::eachSoundReplacesTheLast()
{
    SetSoundPlayer(&m_player);
    PlayWaveResource(u"SND_NEWEVENT2"_s, SoundLoop);
    PlayWaveResource(QString(), SoundOnce); // leaves the alarm sounding
    PlayWaveResource(u"SND_NEWEVENT1"_s, SoundLoop);
    PlayWaveResource(u"SILENCE"_s, SoundOnce);
    using P = RecordingSoundPlayer::Played;
    QCOMPARE(m_player.played(),
             QList<P>({P{u"SND_NEWEVENT2"_s, 13}, P{u"SND_NEWEVENT1"_s, 13}, P{QString(), 6}}));
}

// The station's own player must work, and stay silent, on a machine without
// speakers (as here, offscreen).
void TestSound::qtPlayerPlaysQuietly()
{
    SoundPlayer *player = CurrentSoundPlayer();
    QVERIFY(player != nullptr);
    QVERIFY(dynamic_cast<QtSoundPlayer *>(player) != nullptr);
    QCOMPARE(CurrentSoundPlayer(), player); // created once

    PlayWaveResource(u"SND_NEWEVENT1"_s, SoundLoop);
    PlayWaveResource(u"SND_NEWEVENT3"_s, SoundOnce);
    QTest::qWait(50);
    PlayWaveResource(u"SND_NOSUCH"_s, SoundOnce);
    QTest::qWait(50);
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
