#pragma once

#include "reports/bandreport.h"

#include <QString>
#include <QVariant>

class QWidget;

namespace store {
class Query;
}

namespace reports {

// The history report: the rows of qryHistory as the viewer shows them (same
// account, date range, event-group filter and order), on A4 landscape.
class THistReportFrm
{
public:
    explicit THistReportFrm(store::Query &history);
    // The bands read this object: it stays where it was made.
    THistReportFrm(const THistReportFrm &) = delete;
    THistReportFrm &operator=(const THistReportFrm &) = delete;

    // What the column header's "Name: %s" and "Date Range: %s" show. Their
    // captions, like every text of the report, are put in the language in
    // use each time it is drawn. An empty range reads "All".
    QString accountName;
    QString dateRange;

    const BandReport &report() const { return m_report; }
    // The modal print preview, from which the operator prints.
    void preview(QWidget *parent);
    bool exportPdf(const QString &path, QString *error = nullptr) const;

    // "Logged" for 0, "Actioned" for 1, "Cancelled" for anything else.
    static QString ActionText(const QVariant &opAction);

private:
    void build();
    QString text(int row, const char *field) const;
    QString accountNo(const PrintContext &ctx) const;
    static QString reportTitle();
    QString lbAccName() const;
    QString qrlbDateRange() const;

    store::Query &m_history;
    BandReport m_report;
};

} // namespace reports
