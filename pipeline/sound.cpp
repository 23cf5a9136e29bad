#include "pipeline/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

// Resources compiled into a static library are only linked in when referenced.
static void initSoundResources()
{
    Q_INIT_RESOURCE(sounds);
}

namespace pipeline {

namespace {

SoundPlayer *g_soundPlayer = nullptr;

QtSoundPlayer *defaultPlayer()
{
    static QPointer<QtSoundPlayer> player;
    if (!player) {
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return nullptr;
        player = new QtSoundPlayer(app);
    }
    return player;
}

bool isResourceName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() || c == u'_') || c.unicode() > 0x7f)
            return false;
    }
    return true;
}

} // namespace

SoundPlayer::~SoundPlayer() = default;

void EnsureSoundResources()
{
    static const bool initialised = (initSoundResources(), true);
    Q_UNUSED(initialised);
}

QStringList EmbeddedSoundNames()
{
    EnsureSoundResources();
    QStringList names;
    const QStringList files =
        QDir(QStringLiteral(":/sounds")).entryList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QString &file : files)
        names.append(QFileInfo(file).completeBaseName());
    names.sort();
    return names;
}

QString EmbeddedSoundPath(const QString &name)
{
    // Only plain names: a name never reaches outside the sound folder.
    if (!isResourceName(name))
        return {};
    EnsureSoundResources();
    const QString path = QStringLiteral(":/sounds/") + name.toUpper() + QStringLiteral(".wav");
    return QFileInfo::exists(path) ? path : QString();
}

SoundPlayer *CurrentSoundPlayer()
{
    if (g_soundPlayer)
        return g_soundPlayer;
    return defaultPlayer();
}

void SetSoundPlayer(SoundPlayer *player)
{
    g_soundPlayer = player;
}

void PlayWaveResource(const QString &name, unsigned flags)
{
    if (name.isEmpty())
        return;
    SoundPlayer *player = CurrentSoundPlayer();
    if (!player)
        return;
    const QString path = EmbeddedSoundPath(name);
    if (path.isEmpty()) {
        player->play(QString(), SoundStop);
        return;
    }
    player->play(QFileInfo(path).completeBaseName(), flags);
}

// ---- QtSoundPlayer ---------------------------------------------------------

QtSoundPlayer::QtSoundPlayer(QObject *parent) : QObject(parent)
{
    EnsureSoundResources();
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString &name, unsigned flags)
{
    if (m_current) {
        m_current->stop();
        m_current.clear();
    }
    if (name.isEmpty())
        return;
    const QString path = EmbeddedSoundPath(name);
    if (path.isEmpty())
        return;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    QSoundEffect *effect = effectFor(path);
    effect->setLoopCount((flags & SoundFlagLoop) ? int(QSoundEffect::Infinite) : 1);
    effect->play();
    m_current = effect;
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &path)
{
    QSoundEffect *effect = m_effects.value(path);
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        m_effects.insert(path, effect);
    }
    return effect;
}

} // namespace pipeline
