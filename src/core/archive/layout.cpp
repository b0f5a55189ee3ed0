#include "core/archive/layout.h"

#include <cstring>

#include "core/archive/shortstring.h"

namespace orvelia {

const RecordLayout TSchedaLavoratore::layout{"TSchedaLavoratore", TSchedaLavoratore::kFields,
                                             TSchedaLavoratore::kSize};
const RecordLayout TSchedaLavoro::layout{"TSchedaLavoro", TSchedaLavoro::kFields, TSchedaLavoro::kSize};

int RecordLayout::indexOf(const char* fieldName) const {
    for (int i = 0; i < fieldCount(); ++i) {
        if (std::strcmp(fields[std::size_t(i)].name, fieldName) == 0)
            return i;
    }
    return -1;
}

Record::Record(const RecordLayout& layout)
    : m_layout(&layout)
    , m_values(std::size_t(layout.fieldCount())) {}

void Record::encode(char* dst) const {
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        const FieldSpec& f = m_layout->fields[std::size_t(i)];
        encodeShortString(m_values[std::size_t(i)], f.capacity, dst + f.offset);
    }
}

Record Record::decode(const RecordLayout& layout, const char* src) {
    Record r(layout);
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const FieldSpec& f = layout.fields[std::size_t(i)];
        r.m_values[std::size_t(i)] = decodeShortString(src + f.offset, f.capacity);
    }
    return r;
}

QString RecordView::text(int index) const {
    const FieldSpec& f = m_layout->fields[std::size_t(index)];
    return decodeShortString(m_data + f.offset, f.capacity);
}

} // namespace orvelia
