#include "support/accountfixture.h"

#include "store/database.h"
#include "store/tdmod.h"

#include <QDateTime>
#include <QSqlQuery>

void addReportAccount(store::TDMod &dm, const QString &accountNo, int panelType)
{
    store::Table *t = dm.tbAccounts;
    auto set = [t](const QString &name, const QVariant &value) { t->field(name).setValue(value); };
    t->insert();
    set(QStringLiteral("AccountNo"), accountNo);
    set(QStringLiteral("PanelType"), panelType);
    set(QStringLiteral("Name"), QStringLiteral("Smith & Sons Ltd"));
    set(QStringLiteral("Address1"), QStringLiteral("1 High Street"));
    set(QStringLiteral("Address2"), QStringLiteral("Northgate"));
    set(QStringLiteral("Address3"), QStringLiteral("Bexford"));
    set(QStringLiteral("Address4"), QStringLiteral("Kent"));
    set(QStringLiteral("Postcode"), QStringLiteral("BX1 2AB"));
    set(QStringLiteral("TelNo"), QStringLiteral("01632 960123"));
    set(QStringLiteral("FaxNo"), QStringLiteral("01632 960124"));
    set(QStringLiteral("Email"), QStringLiteral("mail@smith.example"));
    set(QStringLiteral("LastSignal"), QDateTime(QDate(2026, 12, 7), QTime(18, 30, 2)));
    set(QStringLiteral("NoSigTime"), 24);
    set(QStringLiteral("Password"), QStringLiteral("bluebird"));
    set(QStringLiteral("PoliceNo"), QStringLiteral("PN-4471"));
    set(QStringLiteral("SpecialOpts"), QStringLiteral("site-plan.pdf"));
    static const char *const kNumbers[] = {"One", "Two", "Three", "Four", "Five", "Six"};
    for (int k = 1; k <= 6; ++k) {
        const QString kh = QStringLiteral("KH%1").arg(k);
        set(kh + QStringLiteral("Name"), QStringLiteral("Keyholder ") + QLatin1String(kNumbers[k - 1]));
        set(kh + QStringLiteral("TelNo"), QStringLiteral("01632 96010%1").arg(k));
        set(kh + QStringLiteral("Mobile"), QStringLiteral("07700 90020%1").arg(k));
        set(kh + QStringLiteral("Pager"), QStringLiteral("PG-30%1").arg(k));
        set(kh + QStringLiteral("Email"), QStringLiteral("kh%1@smith.example").arg(k));
    }
    static const char *const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int d = 0; d < 7; ++d) {
        const QString day = QLatin1String(kDays[d]);
        set(day + QStringLiteral("OpenTime"), QTime(8 + d, 30));
        set(day + QStringLiteral("CloseTime"), QTime(17 + d % 3, 45));
        set(day + QStringLiteral("OpenExcept"), d % 2 == 0);
        set(day + QStringLiteral("CloseExcept"), d % 2 == 1);
    }
    set(QStringLiteral("Notes"), QStringLiteral("Side gate is kept locked; the key is in the "
                                                "key safe by the rear door."));
    set(QStringLiteral("SpecialNotes"), QStringLiteral("Call the police before any key "
                                                       "holder after 22:00."));
    t->post();

    store::Database &db = dm.database();
    store::WriteScope scope(db);
    db.ensureWriteLock(50);
    db.exec(QStringLiteral("UPDATE Zones SET ZoneText = 'Detector ' || ZoneID WHERE AccountNo = ?"),
            {accountNo});
    db.exec(QStringLiteral("UPDATE Areas SET AreaText = 'Floor ' || AreaID WHERE AccountNo = ?"),
            {accountNo});
    db.exec(QStringLiteral("UPDATE Users SET UserText = 'Holder ' || UserID WHERE AccountNo = ?"),
            {accountNo});
    scope.commit();
}
