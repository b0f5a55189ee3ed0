#include "core/work/worklines.h"

#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/lists/quickfind.h"

namespace orvelia::work {

namespace {

using F = TSchedaLavoro;

const QString kDate = QStringLiteral(" Data: ");
const QString kCodFisc = QStringLiteral("  C.F. ");
const QString kPhone = QStringLiteral("  Tel. ");
const QString kTotal = QStringLiteral("  Tot. \u20AC ");

// Works for a RecordView and a Record alike: both give a field's text by its enum.
template <typename R> QString buildLine(const R& record) {
    using lists::fitText;
    const QString worker = trimText(record[F::Cognome]) + u' ' + trimText(record[F::Nome]);
    QString line;
    line.reserve(kActivityWidth + kDateWidth + kWorkerWidth + kCodFiscWidth + kPhoneWidth + 48);
    line += fitText(trimText(record[F::Attivita]), kActivityWidth);
    line += kDate;
    line += fitText(trimText(record[F::Data]), kDateWidth);
    line += QStringLiteral("  ");
    line += fitText(worker, kWorkerWidth);
    line += kCodFisc;
    line += fitText(trimText(record[F::CodFisc]), kCodFiscWidth);
    line += kPhone;
    line += fitText(trimText(record[F::Recapito]), kPhoneWidth);
    line += kTotal;
    line += trimText(record[F::TotDovuto]);
    return line;
}

template <typename Keep> WorkLines gather(const QString& path, const Keep& keep) {
    WorkLines result;
    result.error = archive::scan(path, F::layout, [&](qint64, const RecordView& record) {
        if (keep(record))
            result.lines.append(buildLine(record));
        return true;
    });
    return result;
}

} // namespace

QString workLine(const RecordView& record) {
    return buildLine(record);
}

QString workLine(const Record& record) {
    return buildLine(record);
}

WorkSearch::WorkSearch(const std::array<QString, kSearchFields.size()>& typed) {
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (!trimText(typed[i]).isEmpty())
            m_keys.push_back({kSearchFields[i], lists::lowerAscii(typed[i])});
}

bool WorkSearch::matches(const RecordView& record) const {
    for (const Key& key : m_keys)
        if (!lists::lineContains(record[key.field], key.text))
            return false;
    return true;
}

WorkLines searchWorks(const QString& path, const WorkSearch& search) {
    return gather(path, [&search](const RecordView& record) { return search.matches(record); });
}

bool isIncomplete(const RecordView& record) {
    return trimText(record[F::Incompleto]) == kYes;
}

WorkLines incompleteWorks(const QString& path) {
    return gather(path, &isIncomplete);
}

} // namespace orvelia::work
