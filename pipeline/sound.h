#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace pipeline {

// Sound flags as the alarm handling passes them: bit 1 asynchronous, bit 2 no
// default sound, bit 4 from memory, bit 8 looping.
inline constexpr unsigned SoundFlagLoop = 8;
inline constexpr unsigned SoundLoop = 13; // asynchronous, from memory, looping
inline constexpr unsigned SoundOnce = 5;  // asynchronous, from memory, once
inline constexpr unsigned SoundStop = 6;  // empty sound: stops the one playing

// The names of the embedded alarm sounds.
inline constexpr const char *SoundNewEvent1 = "SND_NEWEVENT1"; // Very High, looped
inline constexpr const char *SoundNewEvent2 = "SND_NEWEVENT2"; // High, looped
inline constexpr const char *SoundNewEvent3 = "SND_NEWEVENT3"; // others, once

// Where alarm sounds go. Starting a sound replaces the one playing; an empty
// name stops whatever plays.
class SoundPlayer
{
public:
    virtual ~SoundPlayer();
    virtual void play(const QString &name, unsigned flags) = 0;
};

// Plays the embedded sound `name` with `flags` on the current player. An
// empty name does nothing. A name with no embedded sound plays the empty
// sound (empty name, SoundStop), which silences the station.
void PlayWaveResource(const QString &name, unsigned flags);

// The player PlayWaveResource uses: the one set by SetSoundPlayer, else the
// program's own QtSoundPlayer, created on first use as a child of the
// application object. nullptr while no application object exists.
SoundPlayer *CurrentSoundPlayer();

// Routes alarm sounds to `player` (not owned; it must outlive its use).
// nullptr returns to the program's own player.
void SetSoundPlayer(SoundPlayer *player);

// Makes the embedded sounds reachable under ":/sounds/<name>.wav".
void EnsureSoundResources();

// Names of the embedded sounds, sorted.
QStringList EmbeddedSoundNames();

// The resource path of the embedded sound `name` (case-insensitive, as
// resource names are), or empty when there is none.
QString EmbeddedSoundPath(const QString &name);

// Plays embedded sounds through Qt Multimedia. Without an audio output it
// plays nothing and says nothing: the alarm queue works without speakers.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString &name, unsigned flags) override;

private:
    QSoundEffect *effectFor(const QString &path);

    QHash<QString, QSoundEffect *> m_effects; // by resource path, children of this
    QPointer<QSoundEffect> m_current;
};

} // namespace pipeline
