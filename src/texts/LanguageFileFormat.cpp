#include "texts/LanguageFileFormat.h"

#include "app/FileError.h"
#include "texts/TextTable.h"

#include <QFile>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <array>
#include <optional>

namespace vaduvizu {

namespace {

constexpr QChar Mark = QChar(0x00B6); // "¶"
constexpr QStringView CommentStart = u"/#/";

// Characters 0x80 to 0x9F of Windows-1252; the five it leaves undefined map to the C1
// control of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

enum class IndexReading { Number, NotANumber, OutOfRange };

// A decimal number with an optional sign, as the index of an entry.
IndexReading readIndex(QStringView chars, int& index) {
    qsizetype i = 0;
    bool negative = false;
    if (i < chars.size() && (chars[i] == u'+' || chars[i] == u'-')) {
        negative = chars[i] == u'-';
        ++i;
    }
    if (i == chars.size())
        return IndexReading::NotANumber;
    qint64 value = 0;
    for (; i < chars.size(); ++i) {
        const char16_t c = chars[i].unicode();
        if (c < u'0' || c > u'9')
            return IndexReading::NotANumber;
        if (value < TextTable::Size) // larger values are out of range anyway; no overflow
            value = value * 10 + (c - u'0');
    }
    if (negative)
        value = -value;
    if (value < 0 || value >= TextTable::Size)
        return IndexReading::OutOfRange;
    index = static_cast<int>(value);
    return IndexReading::Number;
}

constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";

// Decodes one line at a time into a buffer reused for every line.
class LineDecoder {
public:
    explicit LineDecoder(LanguageFileEncoding encoding) {
        if (encoding == LanguageFileEncoding::Windows1252) {
            m_decoder = QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
            m_byTable = !m_decoder.isValid();
        } else {
            // The byte-order mark is skipped by the caller; a U+FEFF inside the file stays.
            m_decoder = QStringDecoder(QStringConverter::Utf8,
                                       QStringConverter::Flag::Stateless |
                                           QStringConverter::Flag::ConvertInitialBom);
        }
    }

    QStringView decode(QByteArrayView line) {
        if (m_byTable) {
            m_text = windows1252ByTable(line);
            return m_text;
        }
        m_buffer.resize(m_decoder.requiredSpace(line.size()));
        const QChar* end = m_decoder.appendToBuffer(m_buffer.data(), line);
        return QStringView(m_buffer.data(), end - m_buffer.data());
    }

    bool hasError() const { return m_decoder.hasError(); }

private:
    QStringDecoder m_decoder;
    bool m_byTable = false;
    QVarLengthArray<QChar, 512> m_buffer;
    QString m_text;
};

} // namespace

QString windows1252ByTable(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = value >= 0x80 && value <= 0x9F ? Windows1252High[value - 0x80] : value;
    }
    return text;
}

LanguageFileEncoding detectLanguageFileEncoding(QByteArrayView bytes) {
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes)) {
        switch (*marked) {
        case QStringConverter::Utf16LE:
            return LanguageFileEncoding::Utf16LE;
        case QStringConverter::Utf16BE:
            return LanguageFileEncoding::Utf16BE;
        case QStringConverter::Utf32LE:
        case QStringConverter::Utf32BE:
            return LanguageFileEncoding::Utf32;
        default:
            return LanguageFileEncoding::Utf8WithBom;
        }
    }
    return bytes.isValidUtf8() ? LanguageFileEncoding::Utf8 : LanguageFileEncoding::Windows1252;
}

LanguageFileEncoding forEachLanguageLine(QByteArrayView bytes,
                                         const std::function<void(QStringView, int)>& visit) {
    const LanguageFileEncoding encoding = detectLanguageFileEncoding(bytes);
    switch (encoding) {
    case LanguageFileEncoding::Utf8WithBom:
        bytes = bytes.sliced(Utf8Bom.size());
        [[fallthrough]];
    case LanguageFileEncoding::Utf8:
    case LanguageFileEncoding::Windows1252: {
        // Line breaks are single bytes in these encodings, so lines are cut before decoding.
        LineDecoder decoder(encoding);
        forEachLine(bytes,
                    [&](QByteArrayView line, int number) { visit(decoder.decode(line), number); });
        break;
    }
    default: {
        QStringDecoder decoder(
            *QStringConverter::encodingForData(bytes)); // skips the byte-order mark
        const QString text = decoder.decode(bytes);
        forEachLine(QStringView(text), visit);
        break;
    }
    }
    return encoding;
}

LanguageFileText decodeLanguageFile(QByteArrayView bytes) {
    const LanguageFileEncoding encoding = detectLanguageFileEncoding(bytes);
    switch (encoding) {
    case LanguageFileEncoding::Utf8:
    case LanguageFileEncoding::Windows1252:
        return {LineDecoder(encoding).decode(bytes).toString(), encoding};
    default: {
        QStringDecoder decoder(*QStringConverter::encodingForData(bytes)); // skips the mark
        return {decoder.decode(bytes), encoding};
    }
    }
}

LanguageFileText readLanguageFile(const QString& path) {
    return decodeLanguageFile(readLanguageFileBytes(path));
}

QByteArray readLanguageFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot read the language file %1: %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Cannot read the language file %1: %2").arg(path, file.errorString()));
    return bytes;
}

bool isTrimmedAway(QChar c) {
    const char16_t u = c.unicode();
    return u <= 0x20 || (u >= 0x7F && u <= 0x9F);
}

QStringView trimLanguageText(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmedAway(text[begin]))
        ++begin;
    while (end > begin && isTrimmedAway(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

LanguageLine readLanguageLine(QStringView rawLine) {
    LanguageLine result;
    const QStringView line = trimLanguageText(rawLine);
    if (!line.startsWith(u"STR"))
        return result;

    // The index lies between "STR" and the character directly before the first "=".
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) {
        result.outcome = LineOutcome::NoEquals;
        return result;
    }
    if (equals > 3)
        result.droppedBeforeEquals = line[equals - 1];
    result.indexChars = equals > 4 ? trimLanguageText(line.sliced(3, equals - 4)) : QStringView();
    int index = -1;
    switch (readIndex(result.indexChars, index)) {
    case IndexReading::NotANumber:
        result.outcome = LineOutcome::IndexNotANumber;
        return result;
    case IndexReading::OutOfRange:
        result.outcome = LineOutcome::IndexOutOfRange;
        return result;
    case IndexReading::Number:
        break;
    }

    QStringView text = trimLanguageText(line.sliced(equals + 1));
    if (text.isEmpty()) {
        result.outcome = LineOutcome::EmptyText;
        return result;
    }
    if (const qsizetype comment = text.indexOf(CommentStart); comment >= 0) {
        text = trimLanguageText(text.first(comment));
        if (text.isEmpty()) {
            result.outcome = LineOutcome::OnlyComment;
            return result;
        }
    }
    // A leading "¶" is removed and the next "¶" ends the text, untrimmed.
    if (text.startsWith(Mark))
        text = text.sliced(1);
    if (const qsizetype mark = text.indexOf(Mark); mark >= 0) {
        result.cutAfterMark = text.sliced(mark + 1);
        text = text.first(mark);
    }
    result.outcome = LineOutcome::Applies;
    result.index = index;
    result.text = text.toString();
    return result;
}

} // namespace vaduvizu
