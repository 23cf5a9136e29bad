#pragma once

#include "pipeline/sound.h"

#include <QList>
#include <QString>

// Test double for alarm sounds: records every sound started, in order.
// Install it with pipeline::SetSoundPlayer(&player) and remove it again with
// pipeline::SetSoundPlayer(nullptr) in cleanup().
class RecordingSoundPlayer : public pipeline::SoundPlayer
{
public:
    struct Played
    {
        QString name;
        unsigned flags;
        bool operator==(const Played &) const = default;
    };

    void play(const QString &name, unsigned flags) override { m_played.append({name, flags}); }

    const QList<Played> &played() const { return m_played; }
    // The sound that plays now: the last one started (empty name when stopped).
    Played current() const { return m_played.isEmpty() ? Played{QString(), 0} : m_played.last(); }
    void clear() { m_played.clear(); }

private:
    QList<Played> m_played;
};
