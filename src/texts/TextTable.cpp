#include "texts/TextTable.h"

namespace vaduvizu {

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
    m_texts.clear();
    m_texts.reserve(Size);
    for (int i = 0; i < Size; ++i)
        m_texts.append(defaultText(i));
}

} // namespace vaduvizu
