#include "walk.h"

#include "console/tmainfrm.h"
#include "station/station.h"
#include "store/tdmod.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

namespace langtool {

struct WalkFixture::Private
{
    QTemporaryDir dir;
    std::unique_ptr<store::TDMod> dm;
    std::unique_ptr<station::Station> station;
};

WalkFixture::WalkFixture() : d(std::make_unique<Private>()) {}
WalkFixture::~WalkFixture() = default;

store::TDMod &WalkFixture::dm()
{
    if (!d->dm) {
        d->dm = std::make_unique<store::TDMod>(d->dir.path());
        d->dm->PrepareAlias();
        if (!d->dm->OpenStore())
            qFatal("the language tool could not open a temporary store");
    }
    return *d->dm;
}

QWidget *WalkFixture::mainWindow()
{
    const QString root = d->dir.filePath(QStringLiteral("station"));
    const QString program = root + QStringLiteral("/Quorvel");
    const QString proc = root + QStringLiteral("/proc/4242");
    QDir().mkpath(program);
    QDir().mkpath(proc);
    QFile status(proc + QStringLiteral("/status"));
    if (status.open(QIODevice::WriteOnly))
        status.write("Name:\tRovask\nState:\tS (sleeping)\nUid:\t" + QByteArray::number(::getuid()) +
                     "\t0\t0\t0\n");
    status.close();
    // No port: the tool opens nothing on the network (the error goes to the
    // silent message sink).
    const QString settingsPath = root + QStringLiteral("/Quorvel.ini");
    {
        QSettings ini(settingsPath, QSettings::IniFormat);
        ini.setValue(QStringLiteral("Communication/Port"), QStringLiteral("none"));
    }
    station::StationOptions options;
    options.programFolder = program;
    options.settingsPath = settingsPath;
    options.procRoot = root + QStringLiteral("/proc");
    d->station = std::make_unique<station::Station>(options);
    auto *window = new console::TMainFrm(*d->station);
    d->station->start();
    return window;
}

QString WalkFixture::folder() const
{
    return d->dir.path();
}

QString formName(const QObject *window)
{
    QString name = QString::fromLatin1(window->metaObject()->className());
    name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    return name.mid(1);
}

namespace {

class Collector
{
public:
    Collector(const QString &form, const QSet<QString> &captured, QStringList *unnamed)
        : m_form(form), m_captured(captured), m_unnamed(unnamed)
    {
    }

    void add(const QObject *o, const QString &component, const QString &path, const QString &text)
    {
        if (text.isEmpty() || !m_captured.contains(text))
            return;
        if (component.isNull()) {
            noteUnnamed(o, text);
            return;
        }
        push(component, path, text, loc::TLocValueType::Text);
    }

    void addLines(const QObject *o, const QString &component, const QString &path, const QStringList &lines)
    {
        bool any = false;
        for (const QString &l : lines)
            any = any || m_captured.contains(l);
        if (!any)
            return;
        if (component.isNull()) {
            noteUnnamed(o, lines.join(QLatin1Char('|')));
            return;
        }
        push(component, path, lines.join(QStringLiteral("\r\n")), loc::TLocValueType::Lines);
    }

    QList<FoundText> found;

private:
    void push(const QString &component, const QString &path, const QString &text, loc::TLocValueType type)
    {
        FoundText t;
        t.kind = FoundText::Property;
        t.owner = m_form;
        t.component = component;
        t.path = path;
        t.type = type;
        t.english = text;
        found.append(t);
    }
    void noteUnnamed(const QObject *o, const QString &text)
    {
        if (m_unnamed)
            m_unnamed->append(QStringLiteral("%1: %2 \"%3\"")
                                  .arg(m_form, QString::fromLatin1(o->metaObject()->className()), text));
    }

    QString m_form;
    const QSet<QString> &m_captured;
    QStringList *m_unnamed;
};

// The component name of an object: null when it has none of its own.
QString componentName(const QObject *o)
{
    const QString n = o->objectName();
    return n.isEmpty() || n.startsWith(QLatin1String("qt_")) ? QString() : n;
}

} // namespace

QList<FoundText> walkWindow(QWidget *window, const QSet<QString> &captured, QStringList *unnamed)
{
    Collector c(formName(window), captured, unnamed);
    c.add(window, QString(QLatin1String("")), QStringLiteral("Caption"), window->windowTitle());

    const QList<QObject *> children = window->findChildren<QObject *>();
    for (const QObject *o : children) {
        const QString name = componentName(o);
        if (const auto *a = qobject_cast<const QAction *>(o)) {
            if (a->menu())
                continue; // its menu carries the title
            c.add(o, name, QStringLiteral("Caption"), a->text());
            c.add(o, name, QStringLiteral("Hint"), a->toolTip() != a->text() ? a->toolTip() : QString());
            continue;
        }
        const auto *w = qobject_cast<const QWidget *>(o);
        // A header belongs to its view, which lists the column titles.
        if (!w || qobject_cast<const QHeaderView *>(w))
            continue;
        if (const auto *l = qobject_cast<const QLabel *>(w))
            c.add(o, name, QStringLiteral("Caption"), l->text());
        else if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            c.add(o, name, QStringLiteral("Caption"), b->text());
        else if (const auto *g = qobject_cast<const QGroupBox *>(w))
            c.add(o, name, QStringLiteral("Caption"), g->title());
        else if (const auto *m = qobject_cast<const QMenu *>(w))
            c.add(o, name, QStringLiteral("Caption"), m->title());
        else if (const auto *e = qobject_cast<const QLineEdit *>(w))
            c.add(o, name, QStringLiteral("TextHint"), e->placeholderText());
        c.add(o, name, QStringLiteral("Hint"), w->toolTip());

        if (const auto *box = qobject_cast<const QComboBox *>(w)) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items.append(box->itemText(i));
            c.addLines(o, name, QStringLiteral("Items.Strings"), items);
        } else if (const auto *list = qobject_cast<const QListWidget *>(w)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items.append(list->item(i)->text());
            c.addLines(o, name, QStringLiteral("Items.Strings"), items);
        } else if (const auto *tabs = qobject_cast<const QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                c.add(o, name.isNull() ? name : QStringLiteral("%1.Tabs[%2]").arg(name).arg(i),
                      QStringLiteral("Caption"), tabs->tabText(i));
        } else if (const auto *view = qobject_cast<const QAbstractItemView *>(w)) {
            if (const QAbstractItemModel *model = view->model())
                for (int i = 0; i < model->columnCount(); ++i)
                    c.add(o, name.isNull() ? name : QStringLiteral("%1.Columns[%2]").arg(name).arg(i),
                          QStringLiteral("Title.Caption"), model->headerData(i, Qt::Horizontal).toString());
        }
    }
    return c.found;
}

} // namespace langtool
