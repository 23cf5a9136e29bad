#pragma once

#include "localization/localizer.h"
#include "localization/locstorage.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// Language files made from the English data built into the program, for
// tests and benchmarks that need a translation without waiting for the
// shipped one.
namespace langtest {

struct Translation
{
    QString english;
    QString hungarian;
    bool outOfDate = false; // made from an older English text
};

// A few texts of the main window, the history viewer and the about box.
QList<Translation> sampleHungarian();

// A Hungarian language file (LZQ-packed) translating every constant and
// property whose English text is listed. attributes: language data attributes.
QByteArray hungarianFile(const QList<Translation> &texts, quint16 attributes = 0);

// Every text translated, marked so that no translation equals its English.
QByteArray markedFile();

void writeFile(const QString &path, const QByteArray &data);

// A localizer for a program folder; errors are collected, not shown.
std::unique_ptr<loc::TLocalizer> makeLocalizer(const QString &programFolder, const QString &settingsPath);

} // namespace langtest
