#include "app/deckfile.h"

#include "platform/numbers.h"

#include <QIODevice>

namespace {

constexpr int kTextFields = kCardCount + 1;
constexpr int kNumberFields = kCardCount + 1;

// Splits the file into fields: a comma or a line end ends a field; blanks before a field and
// blank lines are skipped; a field in double quotes runs to the closing quote.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    // Reads the next field; false at the end of the data. `quoted` tells how it was written.
    bool Next(QByteArray *field, bool *quoted)
    {
        SkipBlanks(true);
        if (m_pos >= m_bytes.size())
            return false;
        field->clear();
        *quoted = m_bytes[m_pos] == '"';
        if (*quoted) {
            const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
            if (close < 0)
                return false; // an unterminated text field: the file is cut short
            *field = m_bytes.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            // Whatever stands between the closing quote and the separator is not part of it.
            while (m_pos < m_bytes.size() && !IsSeparator(m_bytes[m_pos]))
                ++m_pos;
        } else {
            while (m_pos < m_bytes.size() && !IsSeparator(m_bytes[m_pos]))
                field->append(m_bytes[m_pos++]);
            *field = field->trimmed();
            m_ranToEnd = m_pos >= m_bytes.size();
        }
        SkipBlanks(false);
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',')
            ++m_pos;
        return true;
    }

    // Whether the last unquoted field was ended by the end of the data, not by a separator.
    bool RanToEnd() const { return m_ranToEnd; }

private:
    static bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void SkipBlanks(bool lineEnds)
    {
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes[m_pos];
            if (c == ' ' || c == '\t' || (lineEnds && (c == '\r' || c == '\n')))
                ++m_pos;
            else
                break;
        }
    }

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_ranToEnd = false;
};

QByteArray Quoted(const QString &text)
{
    return '"' + text.toLatin1() + '"';
}

} // namespace

QByteArray DeckFileBytes(const DeckFileContents &contents)
{
    QByteArray bytes;
    for (const QString &key : contents.keys)
        bytes += Quoted(key) + ',';
    bytes += Quoted(contents.styleName) + "\r\n";
    for (std::int16_t flag : contents.reversed)
        bytes += QByteArray::number(flag) + ',';
    bytes += QByteArray::number(contents.gypsie) + "\r\n";
    return bytes;
}

bool ReadDeckFile(QIODevice &device, DeckFileContents *out)
{
    // Only the start of the device is read: a file chosen by mistake (a film, a disk image,
    // an endless device) must not fill the memory or keep the program waiting.
    const QByteArray bytes = device.read(kDeckFileReadLimit);
    FieldReader reader(bytes);
    DeckFileContents read;
    QByteArray field;
    bool quoted = false;
    for (int i = 0; i < kTextFields; ++i) {
        if (!reader.Next(&field, &quoted) || !quoted)
            return false;
        const QString text = QString::fromLatin1(field);
        if (i < kCardCount)
            read.keys[i] = text;
        else
            read.styleName = text;
    }
    for (int i = 0; i < kNumberFields; ++i) {
        std::int16_t value = 0;
        if (!reader.Next(&field, &quoted) || quoted || !platform::ParseInt16(field.constData(), &value))
            return false;
        if (i < kCardCount)
            read.reversed[i] = value;
        else
            read.gypsie = value;
    }
    // A number that runs up to the end of a full read may go on beyond it: it is not known.
    if (bytes.size() == kDeckFileReadLimit && reader.RanToEnd())
        return false;
    // What is taken must open again once saved, and the saved form can be a little longer
    // (its line ends are CR LF, and it ends with one).
    if (DeckFileBytes(read).size() > kDeckFileReadLimit)
        return false;
    *out = read;
    return true;
}
