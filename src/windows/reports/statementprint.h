#pragma once

#include <vector>

#include "core/reports/statements.h"
#include "framework/report.h"

namespace orvelia {

/// Names in the pay statement template.
namespace statementprint {
inline const QString kTitleMemo = QStringLiteral("txtTitolo");
inline const QString kPeriodMemo = QStringLiteral("txtPeriodo");
inline const QString kLabelsMemo = QStringLiteral("txtEtichette");
inline const QString kWorkerMemo = QStringLiteral("txtLavoratore");
inline const QString kHeaderMemo = QStringLiteral("txtIntestazione");
inline const QString kWorksMemo = QStringLiteral("txtLavori");
inline const QString kWorksBand = QStringLiteral("Lavori");
inline const QString kTotalsMemo = QStringLiteral("txtTotali");
inline const QString kSignaturesMemo = QStringLiteral("txtFirme");
} // namespace statementprint

/// The line of one work in the table of a statement: date, activity, from-to, hours, rate, amount.
QString statementRow(const statements::Work& work);

/**
 * The pay statement of one worker for the period @p interval: A4 portrait; the program's name and
 * the period; the worker's data; the table of the works, which runs on to further pages as
 * needed; the totals; place, date and the two signature lines; the printing date at the foot.
 */
report::Template statementTemplate(const statements::Statement& statement, const QString& interval);

/// The statements of @p result, one template each, in the order of the result.
std::vector<report::Template> statementTemplates(const statements::Result& result);

} // namespace orvelia
