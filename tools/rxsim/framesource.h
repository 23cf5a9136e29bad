#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// Where the frames a simulated receiver sends come from: the heartbeat, a
// generated Contact ID event stream, or a text file of ready-made frames.
namespace rxsim {

inline constexpr char FrameEnd = '\x14'; // DC4, ends every receiver frame
inline constexpr char Ack = '\x06';      // the monitor's answer to one frame

// "1" + "011           @    ": the frame that keeps the receiver marked online.
QByteArray heartbeatFrame();

// Empty when the text can be sent as one frame; otherwise why not. A DC4 inside
// would split it into two frames on the monitor's side, and a line break could
// not be written as one line of the acknowledgement log.
QString frameProblem(const QByteArray &frame);

struct GeneratorOptions
{
    int count = 0;
    int accounts = 10;
    int firstAccount = 1; // accounts are numbered "0001" upwards from here
    int receiver = 1;     // RR, 0-99
    int line = 1;         // L, 0-9
    std::uint64_t seed = 1;
};

// Empty when the options describe a stream that can be generated.
QString generatorProblem(const GeneratorOptions &options);

// Type-5 frames "5RRL 18AAAAQCCCGGZZZ" with a mix of codes a monitoring station
// sees every day: test calls, openings and closings by user, burglary, AC fail
// and battery with their restores, tamper, bypass, fire and panic. Alarms of an
// account are followed later by their restore and openings alternate with
// closings. The same options always give the same stream.
QList<QByteArray> generateEventFrames(const GeneratorOptions &options);

// One frame per line, CR/LF stripped, empty lines skipped. On failure returns
// false and sets error (unreadable file, or the line that cannot be a frame).
bool readFrameFile(const QString &path, QList<QByteArray> *frames, QString *error);

} // namespace rxsim
