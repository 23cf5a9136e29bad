#include "store/displaytexts.h"

#include "localization/texts.h"
#include "store/recordrules.h"
#include "store/tdmod.h"

namespace store {

namespace {

QString pick(int value, int first, std::initializer_list<const char *> texts)
{
    const int i = value - first;
    if (i < 0 || i >= static_cast<int>(texts.size()))
        return {};
    return loc::text(texts.begin()[i]);
}

// A stored value as the code it stands for; unset reads as 0.
int code(const QVariant &stored)
{
    bool ok = false;
    const int v = stored.toInt(&ok);
    return ok ? v : 0;
}

void show(Dataset *ds, const char *field, QString (*text)(int))
{
    ds->setDisplayText(QString::fromLatin1(field),
                       [text](const QVariant &stored) { return text(code(stored)); });
}

} // namespace

QString PriorityText(int value)
{
    return pick(value, 1, {"Very High", "High", "Medium", "Low", "Invalid"});
}

QString ActionText(int value)
{
    return pick(value, 0, {"Ignore", "Log", "Prompt"});
}

QString EmailText(int value)
{
    return pick(value, 0, {"No", "Yes"});
}

QString EventTypeText(int value)
{
    return pick(value, 1, {"Alarm", "Opened", "Restore", "Closed"});
}

QString OutboxStatusText(int value)
{
    return pick(value, 0, {"Pending", "Sent", "Failed"});
}

QString OpActionText(int value)
{
    return pick(value, 0, {"Logged", "Actioned", "Cancelled"});
}

QString PanelTypeText(int value)
{
    const PanelModel *model = panelModel(value);
    return model ? QString::fromLatin1(model->name) : QString();
}

void installDisplayTexts(TDMod &dm)
{
    show(dm.tbPending, "Priority", PriorityText);
    show(dm.tbPending, "EventType", EventTypeText);
    show(dm.tbActions, "AlmPriority", PriorityText);
    show(dm.tbActions, "AlmAction", ActionText);
    show(dm.tbActions, "ResAction", ActionText);
    show(dm.tbActions, "AlmEmail", EmailText);
    show(dm.tbActions, "ResEmail", EmailText);
    show(dm.tbOutbox, "Status", OutboxStatusText);
    show(dm.tbHistory, "OpAction", OpActionText);
    show(dm.qryHistory, "OpAction", OpActionText);
    show(dm.tbAccounts, "PanelType", PanelTypeText);
    show(dm.qryAccounts, "PanelType", PanelTypeText);
    show(dm.qryCusAccount, "PanelType", PanelTypeText);
}

} // namespace store
