#pragma once

#include <QString>
#include <QStringList>

namespace vaduvizu {

// The indexed table of every caption, hint and message, filled with the built-in English
// texts and overlaid entry by entry by a language file.
class TextTable {
public:
    static constexpr int Size = 6300;

    TextTable(); // filled with the defaults

    // Text N; N must lie in 0 .. Size - 1.
    const QString& text(int index) const;
    const QString& operator[](int index) const { return text(index); }
    void set(int index, const QString& text);

    // Empties the table and adds the default texts in index order.
    void fillDefaults();

    const QStringList& entries() const { return m_texts; }

private:
    QStringList m_texts;
};

// The built-in English text of entry index (0 .. TextTable::Size - 1).
QString defaultText(int index);

} // namespace vaduvizu
