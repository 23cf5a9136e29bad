#pragma once

#include "reports/bandreport.h"

#include <QString>
#include <QTime>

#include <memory>

class QWidget;

namespace store {
class Field;
class Query;
class TDMod;
} // namespace store

namespace reports {

// The account manager's "Print": asks for the sections (TfrmReportOptions)
// and, when confirmed, shows the account report of accountNo in the print
// preview. Store errors are shown through the program's error box.
void printAccountReport(store::TDMod &dm, const QString &accountNo, QWidget *parent);

// The account report: everything the station knows about one account, on A4
// portrait. It runs its own statements for the account and its four lists
// and closes them when destroyed. An account number that matches nothing
// gives the page header and title only.
class TfrmAccountRep
{
public:
    // Opens the statements (store errors propagate); every section is on.
    TfrmAccountRep(store::TDMod &dm, const QString &accountNo);
    ~TfrmAccountRep();
    TfrmAccountRep(const TfrmAccountRep &) = delete;
    TfrmAccountRep &operator=(const TfrmAccountRep &) = delete;

    // Switches each section by its bit (ReportSection); for the lists the
    // header and the rows go together.
    void setOptions(quint8 options);
    quint8 options() const { return m_options; }
    bool accountFound() const;

    const BandReport &report() const { return m_report; }
    void preview(QWidget *parent);
    bool exportPdf(const QString &path, QString *error = nullptr) const;

    // The report's own texts for coded values; anything else gives "Unknown"
    // (panel) or an empty text.
    static QString PanelTypeText(int panelType);
    static QString PriorityText(int almPriority);
    static QString ActionText(int action);
    // "hh:mm am/pm"; an unset time prints nothing.
    static QString TimeText(const QTime &time);

    std::unique_ptr<store::Query> qryReport, qryZones, qryAreas, qryUsers, qryEvents;

private:
    void build();
    void addTitle();
    void addCustomerDetails();
    void addKeyHolders();
    void addMemo(const char *title, const char *field);
    void addList(const char *title, const char *rowCaption, store::Query &rows,
                 const char *idField, const char *textField, bool newPage);
    void addEvents();

    store::Field field(const char *name) const;
    QString text(const char *name) const;
    QString boolText(const QString &name) const;
    QString timeText(const QString &name) const;

    QString m_printedAt; // the date and time in the page header, taken once per layout
    quint8 m_options = 255;
    BandReport m_report;
};

} // namespace reports
