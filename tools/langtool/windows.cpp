// The program's windows, created offscreen for the language walk. A new
// window gets one line here; give each of its text widgets an objectName.
#include "walk.h"

#include "accounts/accountsearch.h"
#include "accounts/taccviewfrm.h"
#include "accounts/timportoptsfrm.h"
#include "console/aboutbox.h"
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "mail/ui/tcommsfrm.h"
#include "mail/ui/tcomsetupfrm.h"
#include "mail/ui/tfrmemaildata.h"
#include "pipeline/eventcatalogue.h"
#include "reports/thistoryfrm.h"
#include "reports/treportoptions.h"
#include "store/displaytexts.h"
#include "store/tdmod.h"

namespace langtool {

QList<WindowEntry> registeredWindows()
{
    const QString dateTime = QStringLiteral("dd/MM/yyyy hh:mm:ss");
    return {
        {[](WalkFixture &f) -> QWidget * { return f.mainWindow(); }},
        {[](WalkFixture &) -> QWidget * { return new console::TAboutBox; }},
        {[](WalkFixture &f) -> QWidget * { return new console::TLogOnFrm(*f.dm().tbOperators, {}); }},
        {[](WalkFixture &f) -> QWidget * { return new console::TOperatorsFrm(*f.dm().tbOperators); }},
        {[](WalkFixture &) -> QWidget * {
            return new mail::ui::TComSetupFrm(mail::CommSettings{}, false, [](bool) {});
        }},
        {[dateTime](WalkFixture &f) -> QWidget * { return mail::ui::TCommsFrm::showViewer(f.dm(), dateTime, nullptr); }},
        {[dateTime](WalkFixture &f) -> QWidget * { return new mail::ui::TfrmEmailData(f.dm(), dateTime); }},
        {[](WalkFixture &f) -> QWidget * { return new reports::THistoryFrm(f.dm()); }},
        {[](WalkFixture &f) -> QWidget * { return new accounts::TAccViewFrm(f.dm()); }},
        {[](WalkFixture &f) -> QWidget * { return new accounts::TfrmAccountSearch(*f.dm().qryCusAccount); }},
        {[](WalkFixture &) -> QWidget * { return new accounts::TImportOptsFrm(1, 7); }},
        {[](WalkFixture &) -> QWidget * { return new reports::TfrmReportOptions; }},
    };
}

void exerciseTextTables()
{
    pipeline::RetranslateEventCatalogue();
    for (int i = 0; i < 16; ++i) {
        (void)pipeline::EventGroupName(i);
        (void)pipeline::StateWord(i);
        (void)store::PriorityText(i);
        (void)store::ActionText(i);
        (void)store::EmailText(i);
        (void)store::EventTypeText(i);
        (void)store::OutboxStatusText(i);
        (void)store::OpActionText(i);
    }
}

} // namespace langtool
