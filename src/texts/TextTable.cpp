#include "texts/TextTable.h"

namespace vaduvizu {

namespace {

// Built once per process; every fill shares it, so switching languages copies no texts.
const QStringList& defaultTexts() {
    static const QStringList texts = [] {
        QStringList list;
        list.reserve(TextTable::Size);
        for (int i = 0; i < TextTable::Size; ++i)
            list.append(defaultText(i));
        return list;
    }();
    return texts;
}

} // namespace

TextTable::TextTable() {
    fillDefaults();
}

const QString& TextTable::text(int index) const {
    return m_texts.at(index);
}

void TextTable::set(int index, const QString& text) {
    m_texts[index] = text;
}

void TextTable::fillDefaults() {
    m_texts = defaultTexts();
}

} // namespace vaduvizu
