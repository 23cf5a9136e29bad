#include "tools/rxsim/framesource.h"

#include <QFile>
#include <QHash>

#include <array>

namespace rxsim {

namespace {

// splitmix64: small, fast and the same on every platform and library version,
// so a seed names one stream for good.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t m_state;
};

enum class Shape
{
    TestCall,  // system-wide, no number, never restored
    OpenClose, // by user, alternating opening (E) and closing (R)
    Zone,      // zone alarm, later restored
    System,    // system-wide trouble, later restored
};

struct CodeMix
{
    int code;
    int weight;
    Shape shape;
    int numbers; // zones or users the number is drawn from
};

// Roughly what a station's traffic looks like: test calls and openings and
// closings dominate, real alarms are the minority, fire and panic are rare.
constexpr std::array<CodeMix, 10> kMix{{
    {602, 24, Shape::TestCall, 0},
    {401, 30, Shape::OpenClose, 8},
    {130, 12, Shape::Zone, 16},
    {134, 5, Shape::Zone, 4},
    {301, 6, Shape::System, 0},
    {302, 4, Shape::System, 0},
    {137, 3, Shape::Zone, 16},
    {570, 6, Shape::Zone, 16},
    {110, 2, Shape::Zone, 4},
    {120, 1, Shape::Zone, 2},
}};

constexpr int totalWeight()
{
    int sum = 0;
    for (const CodeMix &m : kMix)
        sum += m.weight;
    return sum;
}

struct AccountState
{
    bool open = false;
    QHash<int, int> activeZoneByCode; // alarms waiting for their restore
};

QByteArray digits(int value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0');
}

const CodeMix &pick(Random &random)
{
    int roll = random.below(totalWeight());
    for (const CodeMix &m : kMix) {
        if (roll < m.weight)
            return m;
        roll -= m.weight;
    }
    return kMix.front();
}

} // namespace

QByteArray heartbeatFrame()
{
    return QByteArrayLiteral("1011           @    ");
}

QString frameProblem(const QByteArray &frame)
{
    if (frame.contains(FrameEnd))
        return QStringLiteral("contains the frame end DC4 (0x14)");
    if (frame.contains('\n') || frame.contains('\r'))
        return QStringLiteral("contains a line break");
    return {};
}

QString generatorProblem(const GeneratorOptions &options)
{
    if (options.count < 1)
        return QStringLiteral("the number of frames to generate must be at least 1");
    if (options.accounts < 1)
        return QStringLiteral("the number of accounts must be at least 1");
    if (options.firstAccount < 0 || options.firstAccount > 9999)
        return QStringLiteral("the first account must be between 0 and 9999");
    if (options.firstAccount + options.accounts - 1 > 9999)
        return QStringLiteral("accounts from %1 on run past 9999 (four digits)")
            .arg(options.firstAccount);
    if (options.receiver < 0 || options.receiver > 99)
        return QStringLiteral("the receiver number must be between 0 and 99");
    if (options.line < 0 || options.line > 9)
        return QStringLiteral("the line number must be between 0 and 9");
    return {};
}

QList<QByteArray> generateEventFrames(const GeneratorOptions &options)
{
    QList<QByteArray> frames;
    if (!generatorProblem(options).isEmpty())
        return frames;

    Random random(options.seed);
    QList<AccountState> accounts(options.accounts);
    const QByteArray head = "5" + digits(options.receiver, 2) + digits(options.line, 1) + " 18";
    frames.reserve(options.count);

    for (int i = 0; i < options.count; ++i) {
        const int accountIndex = random.below(options.accounts);
        AccountState &account = accounts[accountIndex];
        const CodeMix &mix = pick(random);

        char qualifier = 'E';
        int group = 1;
        int number = 0;
        switch (mix.shape) {
        case Shape::TestCall:
            group = 0;
            break;
        case Shape::OpenClose:
            qualifier = account.open ? 'R' : 'E';
            account.open = !account.open;
            number = 1 + random.below(mix.numbers);
            break;
        case Shape::Zone:
        case Shape::System: {
            if (mix.shape == Shape::System)
                group = 0;
            const auto active = account.activeZoneByCode.constFind(mix.code);
            if (active != account.activeZoneByCode.cend()) {
                qualifier = 'R';
                number = active.value();
                account.activeZoneByCode.erase(active);
            } else {
                number = mix.numbers > 0 ? 1 + random.below(mix.numbers) : 0;
                account.activeZoneByCode.insert(mix.code, number);
            }
            break;
        }
        }

        QByteArray frame = head;
        frame += digits(options.firstAccount + accountIndex, 4);
        frame += qualifier;
        frame += digits(mix.code, 3);
        frame += digits(group, 2);
        frame += digits(number, 3);
        frames.append(frame);
    }
    return frames;
}

bool readFrameFile(const QString &path, QList<QByteArray> *frames, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }

    QList<QByteArray> read;
    int lineNumber = 0;
    for (QByteArray line : content.split('\n')) {
        ++lineNumber;
        while (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QString problem = frameProblem(line);
        if (!problem.isEmpty()) {
            *error =
                QStringLiteral("%1, line %2: the frame %3").arg(path).arg(lineNumber).arg(problem);
            return false;
        }
        read.append(line);
    }
    *frames = read;
    return true;
}

} // namespace rxsim
