#pragma once

#include "accounts/panelfile/panelfile.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace store {
class TDMod;
}

namespace accounts {

// The ImportOption bits an "Import..." button preselects. what: 0 the Zones
// tab's button, 1 the Areas tab's, 2 the Users tab's. Areas preselect nothing
// on models without area texts (types up to 3).
int preselectedOptions(int what, int panelType);

// The customer information file beside a chosen panel data file: the names
// to try, in order (the letter case of the ".cvd" first, then ".cif", then
// ".CIF"), and the name shown when none opens (the path before its ".cvd").
struct CifNames
{
    QStringList candidates;
    QString shown;
};
CifNames cifNamesFor(const QString &cvdPath);

// Writes the texts onto the account's Zones, Areas and Users rows by position
// (stored order), all in one unit of work: every chosen row changes, or none.
// Throws store::EStoreError; then nothing has changed. Afterwards the detail
// cursors show the new texts from their first row.
void writePanelTexts(store::TDMod &dm, const QString &accountNo, const PanelFileResult &texts);

// The import started by an "Import..." button of the account manager, on the
// account accountNo of model panelType: options dialog, file dialog, password
// when the file asks for one, then the rows. Every stop is shown and changes
// nothing. True when rows were rewritten.
bool runPanelImport(store::TDMod &dm, const QString &accountNo, int panelType, int what,
                    QWidget *parent = nullptr);

} // namespace accounts
