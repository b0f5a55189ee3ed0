#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/reports/summary.h"

/**
 * Pay statements: the works of the period summary grouped by worker, one statement each, with
 * the worker's data from the registry and the totals the summary gives for that worker.
 */
namespace orvelia::statements {

/// One work of a statement, its texts as stored.
struct Work {
    QDate date;
    QString dateText;
    QString activity;
    QString from;
    QString to;
    QString hours;
    QString rate;
    QString amount;
};

/// What one worker is handed.
struct Statement {
    QString name; ///< surname and name
    QString codFisc;
    QString address;         ///< street, CAP, town and province, from the registry
    QString iban;            ///< from the registry, empty when it has none
    bool inRegistry = false; ///< false: the data come from the work records
    QList<Work> works;       ///< in date order, works of one day in archive order
    QString totalHours;      ///< the hours added up, two decimals
    QString totalAmount;     ///< the total of the summary for this worker
};

/// The statements of a summary request, and the summary's own outcome (interval, errors).
struct Result {
    QList<Statement> statements; ///< by surname and name
    summary::Result summary;     ///< lines left empty
};

/**
 * The statements of @p request: the records the summary lists, grouped by codice fiscale (or, without
 * one, by surname and name), each worker's data taken from the first registry record at
 * @p employeeArchive with the same codice fiscale. Amounts are added as the summary adds them, in
 * archive order, so a statement's total is the summary's total for that worker. Nothing is built
 * when the summary stops early (summary.complete() is false).
 */
Result build(const summary::Request& request, int currentYear, const QString& employeeArchive);

/// The statement as plain text lines, for the command line: a heading, the data, the works, the totals.
QStringList textOf(const Statement& statement, const QString& interval);

} // namespace orvelia::statements
