#include "station/settings.h"

#include "localization/texts.h"
#include "core/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace station {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates the file empty and owner-only before the first write, so the mail
// password is never readable by others, not even for a moment.
bool prepareOwnerOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    if (!info.exists()) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.close();
    }
    return QFile::setPermissions(path, kOwnerOnly);
}

} // namespace

const std::array<Settings::Key, 6> &Settings::keys()
{
    static const std::array<Key, 6> k{{
        {"Operator", "LastOperator", "", &Settings::LastOperator},
        {"Communication", "Port", "2000", &Settings::Port},
        {"Communication", "Email Host", "", &Settings::EmailHost},
        {"Communication", "Email User Name", "", &Settings::EmailUserName},
        {"Communication", "Email Password", "", &Settings::EmailPassword},
        {"Communication", "Email Sender", "", &Settings::EmailSender},
    }};
    return k;
}

QString Settings::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Quorvel.ini"));
}

void Settings::Read_Registry(const QString &path)
{
    QSettings ini(path, QSettings::IniFormat);
    for (const Key &k : keys()) {
        const QString key = QLatin1String(k.group) + QLatin1Char('/') + QLatin1String(k.name);
        const QVariant v = ini.value(key);
        // A value written by hand with commas reads back as a list; keep it whole.
        if (!v.isValid())
            this->*k.member = QString::fromLatin1(k.defaultValue);
        else if (v.typeId() == QMetaType::QStringList)
            this->*k.member = v.toStringList().join(QStringLiteral(", "));
        else
            this->*k.member = v.toString();
    }
}

bool Settings::Write_Registry(const QString &path) const
{
    if (!prepareOwnerOnlyFile(path)) {
        core::messages().error(loc::text("Unable to save the settings to ") + path);
        return false;
    }
    QSettings ini(path, QSettings::IniFormat);
    for (const Key &k : keys()) {
        ini.beginGroup(QLatin1String(k.group));
        ini.setValue(QLatin1String(k.name), this->*k.member);
        ini.endGroup();
    }
    ini.sync();
    // The file may have been replaced by the write; keep it owner-only.
    QFile::setPermissions(path, kOwnerOnly);
    if (ini.status() != QSettings::NoError) {
        core::messages().error(loc::text("Unable to save the settings to ") + path);
        return false;
    }
    return true;
}

} // namespace station
