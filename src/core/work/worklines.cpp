#include "core/work/worklines.h"

#include "core/archive/cp1252.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/lists/quickfind.h"

namespace orvelia::work {

namespace {

using F = TSchedaLavoro;

template <typename Keep> WorkLines gather(const QString& path, const Keep& keep) {
    WorkLines result;
    result.error = archive::scan(path, F::layout, [&](qint64, const RecordView& record) {
        if (keep(record))
            result.lines.append(workLine(record));
        return true;
    });
    return result;
}

} // namespace

void appendWorkLine(QByteArray& line, const RecordView& r) {
    // Built straight from the stored bytes: a list may hold a line for every record.
    cp1252::appendColumn(line, r.raw(F::Attivita), kActivityWidth);
    line.append(" Data: ");
    cp1252::appendColumn(line, r.raw(F::Data), kDateWidth);
    line.append("  ");
    const qsizetype names = line.size();
    line.append(cp1252::trimmed(r.raw(F::Cognome)));
    line.append(' ');
    line.append(cp1252::trimmed(r.raw(F::Nome)));
    if (line.size() > names + kWorkerWidth)
        line.truncate(names + kWorkerWidth);
    else
        line.append(names + kWorkerWidth - line.size(), ' ');
    line.append("  C.F. ");
    cp1252::appendColumn(line, r.raw(F::CodFisc), kCodFiscWidth);
    line.append("  Tel. ");
    cp1252::appendColumn(line, r.raw(F::Recapito), kPhoneWidth);
    line.append("  Tot. \x80 "); // the euro sign
    line.append(cp1252::trimmed(r.raw(F::TotDovuto)));
}

QString workLine(const RecordView& record) {
    QByteArray line;
    line.reserve(kLineBytes);
    appendWorkLine(line, record);
    return cp1252::decode(line);
}

QString workLine(const Record& record) {
    std::vector<char> bytes(std::size_t(F::layout.size));
    record.encode(bytes.data());
    return workLine(RecordView(F::layout, bytes.data()));
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
