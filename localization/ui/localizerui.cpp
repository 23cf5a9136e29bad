#include "localization/ui/localizerui.h"

#include "localization/langnames.h"
#include "localization/texts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPointer>
#include <QTabWidget>

namespace loc::ui {

namespace {

const char *const AppliedProperty = "quorvelLocGeneration";

// Which translation pass a window has seen; a window shown later with an
// older mark is translated when it first appears.
int generation = 0;

bool isLibraryClass(const QMetaObject *mo)
{
    return mo->className()[0] == 'Q';
}

// The named objects of a window in depth-first order, the first of each
// name winning; other windows inside it (dialogs) are left to themselves.
class NameIndex
{
public:
    explicit NameIndex(QObject *window) : m_window(window) {}

    QObject *find(const QString &name)
    {
        if (!m_built) {
            collect(m_window);
            m_built = true;
        }
        return m_names.value(name);
    }

private:
    void collect(QObject *o)
    {
        for (QObject *child : o->children()) {
            if (auto *w = qobject_cast<QWidget *>(child); w && w->isWindow() && !qobject_cast<QMenu *>(w))
                continue;
            const QString n = child->objectName();
            if (!n.isEmpty() && !m_names.contains(n))
                m_names.insert(n, child);
            collect(child);
        }
    }

    QObject *m_window;
    bool m_built = false;
    QHash<QString, QObject *> m_names;
};

// A component entry resolved: an object, or one item of a collection of it.
struct Target
{
    QObject *object = nullptr;
    QString collection;
    int index = -1;
    QString prefix; // segments that did not name an object
};

QObject *objectProperty(QObject *o, const QString &name)
{
    const QMetaObject *mo = o->metaObject();
    const int i = mo->indexOfProperty(name.toLatin1().constData());
    if (i < 0)
        return nullptr;
    const QMetaProperty p = mo->property(i);
    if (!(p.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return p.read(o).value<QObject *>();
}

QStringList segments(const QString &path)
{
    return path.isEmpty() ? QStringList() : path.split(QLatin1Char('.'));
}

// "Columns[3]" -> ("Columns", 3).
bool indexed(const QString &segment, QString *name, int *index)
{
    const qsizetype open = segment.indexOf(QLatin1Char('['));
    if (open <= 0 || !segment.endsWith(QLatin1Char(']')))
        return false;
    bool ok = false;
    *index = segment.mid(open + 1, segment.size() - open - 2).toInt(&ok);
    *name = segment.left(open);
    return ok;
}

Target resolve(QWidget *window, NameIndex &names, const QString &component)
{
    Target t;
    t.object = window;
    const QStringList parts = segments(component);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString name;
        int index = -1;
        if (t.collection.isEmpty() && indexed(part, &name, &index)) {
            t.collection = name;
            t.index = index;
            continue;
        }
        QObject *next = nullptr;
        if (t.collection.isEmpty()) {
            next = i == 0 ? names.find(part) : t.object->findChild<QObject *>(part);
            if (!next)
                next = objectProperty(t.object, part);
        }
        if (!next) {
            t.prefix = parts.mid(i).join(QLatin1Char('.'));
            break;
        }
        t.object = next;
    }
    if (parts.size() > 0 && t.object == window && t.collection.isEmpty() && !t.prefix.isEmpty() &&
        t.prefix == component)
        t.object = nullptr; // the named component is not in this window
    return t;
}

// Knows every text an item has shown: its value in each language loaded.
class Known
{
public:
    explicit Known(const TLocStorage &store) : m_store(store) {}
    bool operator()(quint32 id, const QString &current, int line = -1) const
    {
        const TLocProperty *p = m_store.propertyById(id);
        if (!p)
            return false;
        for (int c = 0; c < m_store.columnCount(); ++c) {
            const TLocValue &v = p->value(c);
            if (!v.assigned)
                continue;
            if (line < 0 ? v.text == current
                         : v.text.split(QStringLiteral("\r\n")).value(line) == current)
                return true;
        }
        return false;
    }

private:
    const TLocStorage &m_store;
};

// The Qt property a stored property path stands for on o.
QByteArray qtProperty(const QObject *o, const QString &path)
{
    static const QHash<QString, QList<QByteArray>> aliases = {
        {QStringLiteral("Caption"), {"text", "title", "windowTitle"}},
        {QStringLiteral("Hint"), {"toolTip"}},
        {QStringLiteral("TextHint"), {"placeholderText"}},
        {QStringLiteral("Text"), {"text", "plainText"}},
    };
    const QMetaObject *mo = o->metaObject();
    const auto it = aliases.constFind(path);
    if (it != aliases.cend()) {
        for (const QByteArray &name : *it)
            if (mo->indexOfProperty(name.constData()) >= 0)
                return name;
        return {};
    }
    const QByteArray name = path.toLatin1();
    return mo->indexOfProperty(name.constData()) >= 0 ? name : QByteArray();
}

bool setItems(QObject *o, const TResProperty &p, const Known &known)
{
    const QStringList lines = p.text.split(QStringLiteral("\r\n"));
    bool any = false;
    auto each = [&](int count, auto text, auto set) {
        for (int i = 0; i < count && i < lines.size(); ++i) {
            const QString current = text(i);
            if (current != lines[i] && known(p.id, current, i)) {
                set(i, lines[i]);
                any = true;
            }
        }
    };
    if (auto *box = qobject_cast<QComboBox *>(o))
        each(box->count(), [box](int i) { return box->itemText(i); },
             [box](int i, const QString &s) { box->setItemText(i, s); });
    else if (auto *list = qobject_cast<QListWidget *>(o))
        each(list->count(), [list](int i) { return list->item(i)->text(); },
             [list](int i, const QString &s) { list->item(i)->setText(s); });
    return any;
}

bool setCollectionItem(const Target &t, const QString &path, const TResProperty &p, const Known &known)
{
    if (t.collection == QLatin1String("Columns")) {
        auto *view = qobject_cast<QAbstractItemView *>(t.object);
        QAbstractItemModel *model = view ? view->model() : nullptr;
        if (!model || t.index >= model->columnCount())
            return false; // beyond the collection: skipped
        const QString current = model->headerData(t.index, Qt::Horizontal).toString();
        if (current != p.text && known(p.id, current) &&
            model->setHeaderData(t.index, Qt::Horizontal, p.text))
            return true;
        // Titles the model looks up itself are asked for again.
        emit model->headerDataChanged(Qt::Horizontal, t.index, t.index);
        return false;
    }
    if (t.collection == QLatin1String("Tabs")) {
        auto *tabs = qobject_cast<QTabWidget *>(t.object);
        if (!tabs || t.index >= tabs->count())
            return false;
        if (path == QLatin1String("Caption") && tabs->tabText(t.index) != p.text &&
            known(p.id, tabs->tabText(t.index))) {
            tabs->setTabText(t.index, p.text);
            return true;
        }
        if (path == QLatin1String("Hint") && tabs->tabToolTip(t.index) != p.text &&
            known(p.id, tabs->tabToolTip(t.index))) {
            tabs->setTabToolTip(t.index, p.text);
            return true;
        }
        return false;
    }
    if (t.collection == QLatin1String("Items")) {
        if (auto *box = qobject_cast<QComboBox *>(t.object); box && t.index < box->count() &&
                                                              known(p.id, box->itemText(t.index))) {
            box->setItemText(t.index, p.text);
            return true;
        }
        if (auto *list = qobject_cast<QListWidget *>(t.object); list && t.index < list->count() &&
                                                                known(p.id, list->item(t.index)->text())) {
            list->item(t.index)->setText(p.text);
            return true;
        }
    }
    return false;
}

bool setProperty(QObject *o, const QString &path, const TResProperty &p, const Known &known)
{
    if (path == QLatin1String("Items.Strings") || path == QLatin1String("Lines.Strings"))
        return setItems(o, p, known);
    const QByteArray name = qtProperty(o, path);
    if (name.isEmpty())
        return false; // a property this object does not have
    const QVariant current = o->property(name.constData());
    switch (p.type) {
    case TLocValueType::Integer:
        return o->setProperty(name.constData(), p.text.toInt());
    case TLocValueType::Float:
        return o->setProperty(name.constData(), p.text.toDouble());
    case TLocValueType::None:
        return false;
    case TLocValueType::Lines:
        if (current.metaType().id() == QMetaType::QStringList) {
            const QStringList lines = p.text.split(QStringLiteral("\r\n"));
            return current.toStringList() != lines && o->setProperty(name.constData(), lines);
        }
        [[fallthrough]];
    case TLocValueType::Text: {
        const QString now = current.toString();
        if (now == p.text || !known(p.id, now))
            return false;
        return o->setProperty(name.constData(), p.text);
    }
    }
    return false;
}

} // namespace

QString formName(const char *className)
{
    QString name = QString::fromLatin1(className);
    name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    return name.mid(1);
}

int translateWindow(QWidget *window, const TResModule &module, const TLocStorage &store)
{
    QStringList forms;
    for (const QMetaObject *mo = window->metaObject(); mo && !isLibraryClass(mo); mo = mo->superClass())
        forms.prepend(formName(mo->className()));
    NameIndex names(window);
    const Known known(store);
    int set = 0;
    for (const QString &form : std::as_const(forms)) {
        const auto it = module.forms.constFind(form);
        if (it == module.forms.cend())
            continue;
        for (const TResProperty &p : *it) {
            const Target t = p.component.isEmpty() ? Target{window, {}, -1, {}} : resolve(window, names, p.component);
            if (!t.object)
                continue;
            const QString path = t.prefix.isEmpty() ? p.path : t.prefix + QLatin1Char('.') + p.path;
            const bool done = t.collection.isEmpty() ? setProperty(t.object, path, p, known)
                                                     : setCollectionItem(t, path, p, known);
            set += done ? 1 : 0;
        }
    }
    window->setProperty(AppliedProperty, generation);
    return set;
}

namespace {

QList<QWidget *> openWindows()
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!qobject_cast<QMenu *>(w) && w->windowType() != Qt::Desktop)
            windows.append(w);
    return windows;
}

QWidget *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(w) && !w->parentWidget())
            return w;
    return nullptr;
}

// Translates windows that appear after a switch from the module in use.
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(TLocalizer &l) : QObject(&l), m_localizer(l) {}

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::Show || !o->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(o);
        if (!w->isWindow() || qobject_cast<QMenu *>(w))
            return false;
        const QVariant mark = w->property(AppliedProperty);
        // Windows made in the program's own language already show its texts.
        if (mark.isValid() ? mark.toInt() != generation : !m_localizer.moduleInUse().isProgram())
            translateWindow(w, m_localizer.moduleInUse(), m_localizer.store());
        return false;
    }

private:
    TLocalizer &m_localizer;
};

} // namespace

void attach(TLocalizer &localizer)
{
    localizer.reportError = [](const QString &message) {
        if (!QApplication::instance())
            return;
        QMessageBox::critical(mainWindow(), loc::text("Localizer Error"), message);
    };
    TLocalizer *l = &localizer;
    localizer.translateOpenWindows = [l] {
        if (!QApplication::instance())
            return;
        ++generation;
        const QList<QWidget *> windows = openWindows();
        // Windows that assemble texts of their own set them again; a window
        // passes the event on to everything inside it. The window definitions
        // come after, since standard dialog buttons reset their captions on
        // this event.
        for (QWidget *w : windows) {
            if (w->parentWidget())
                continue;
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(w, &change);
        }
        for (QWidget *w : windows)
            translateWindow(w, l->moduleInUse(), l->store());
    };
    if (QCoreApplication *app = QApplication::instance())
        app->installEventFilter(new ShowWatcher(localizer));
}

void BuildLanguageMenu(TLocalizer &localizer, QMenu *menu, int groupIndex, bool includeNative)
{
    if (!localizer.initialized()) {
        localizer.report(loc::text("Localizer is not initialized"));
        return;
    }
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    group->setProperty("groupIndex", groupIndex);
    const QPointer<QActionGroup> groupGuard(group);
    auto tick = [groupGuard, &localizer] {
        if (!groupGuard)
            return;
        for (QAction *a : groupGuard->actions())
            a->setChecked(a->property("language").toInt() == localizer.currentLanguage());
    };
    const QList<TLFInfo> &list = localizer.languages();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TLFInfo &e = list[i];
        if (e.native && !includeNative)
            continue;
        QAction *a = menu->addAction(e.englishName.isEmpty() ? englishLanguageName(e.language) : e.englishName);
        a->setObjectName(QStringLiteral("mnuLanguage") + (e.native ? QStringLiteral("EXE")
                                                                    : languageAbbreviation(e.language)));
        a->setCheckable(true);
        a->setActionGroup(group);
        a->setData(int(i)); // the entry's list position
        a->setProperty("language", int(e.language));
        a->setChecked(e.language == localizer.currentLanguage());
        const quint16 language = e.language;
        const bool native = e.native;
        QObject::connect(a, &QAction::triggered, menu, [&localizer, language, native, tick] {
            // The ticked item is the language in use: nothing to do.
            if (language != localizer.currentLanguage())
                localizer.SwitchLanguage(native ? localizer.nativeLanguage() : language);
            tick();
        });
    }
    QObject::connect(&localizer, &TLocalizer::languageSwitched, group, tick);
}

} // namespace loc::ui
