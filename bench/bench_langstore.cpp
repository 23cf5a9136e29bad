// Language data: loading the built-in English from the embedded resource,
// loading a full translation into a second column, and LZQ decoding speed.
// Prints medians over many runs.
#include "localization/langfile.h"
#include "localization/langresource.h"
#include "localization/lzq.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace loc;

namespace {

template<typename Fn>
double medianMs(int runs, Fn fn)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Every native text of the store translated (reversed), as a packed file.
QByteArray fullTranslation(TLocStorage &s)
{
    const int column = s.addColumn(1038);
    auto translate = [&](TLocItem &item) {
        TLocValue v = item.value(0);
        std::reverse(v.text.begin(), v.text.end());
        v.language = 1038;
        item.valueRef(column) = v;
    };
    for (const auto &u : s.units())
        for (const auto &c : u->constants)
            translate(*c);
    for (const auto &f : s.forms()) {
        for (const auto &p : f->properties)
            translate(*p);
        for (const auto &c : f->components)
            for (const auto &p : c->properties)
                translate(*p);
    }
    TLangInfo info = s.columnInfo(0);
    info.language = 1038;
    info.native = false;
    const QByteArray file = TLZQCompressor::encode(TLangFile::write(s, column, info));
    s.dropAdditionalColumns();
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = 200;

    const QByteArray resource = builtin::langsResource();
    const QByteArray plain = TLangResource::load(resource, 0);
    TLocStorage s;
    TLangFile::readNative(plain, &s);
    size_t items = 0;
    for (const auto &u : s.units())
        items += u->constants.size();
    for (const auto &f : s.forms()) {
        items += f->properties.size();
        for (const auto &c : f->components)
            items += c->properties.size();
    }
    std::printf("built-in English: %zu items, resource %lld bytes, plain %lld bytes\n", items,
                qlonglong(resource.size()), qlonglong(plain.size()));

    const double builtin = medianMs(runs, [&] {
        TLocStorage store;
        TLangFile::readNative(TLangResource::load(builtin::langsResource(), 0), &store);
    });
    std::printf("load built-in English from the resource (decoding included): median %.3f ms (target < 20 ms)\n",
                builtin);

    const QByteArray translation = fullTranslation(s);
    const double second = medianMs(runs, [&] {
        s.dropAdditionalColumns();
        TLangFile::readAdditional(translation, &s, s.addColumn(1038));
    });
    std::printf("load a full translation (%lld bytes packed) into a second column: median %.3f ms (target < 20 ms)\n",
                qlonglong(translation.size()), second);

    // Decoding speed over some megabytes of language data.
    QByteArray big;
    while (big.size() < 8 * 1024 * 1024)
        big += plain;
    const QByteArray packed = TLZQCompressor::encode(big);
    qsizetype sink = 0;
    const double decodeMs = medianMs(21, [&] { sink += TLZQCompressor::decode(packed).size(); });
    std::printf("LZQ decoding: %lld bytes packed -> %lld plain, median %.2f ms, %.0f MB/s (target >= 100 MB/s)\n",
                qlonglong(packed.size()), qlonglong(big.size()), decodeMs,
                double(big.size()) / 1e6 / (decodeMs / 1e3));
    const double encodeMs = medianMs(5, [&] { sink += TLZQCompressor::encode(big).size(); });
    std::printf("LZQ encoding (for the tool): median %.1f ms, %.0f MB/s\n", encodeMs,
                double(big.size()) / 1e6 / (encodeMs / 1e3));
    return sink > 0 ? 0 : 1;
}
