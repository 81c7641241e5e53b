#include "ui/DataFile.h"

#include "ui/Numbers.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

namespace kt {

namespace {

bool isBlankByte(char c) { return c == ' ' || c == '\t'; }
bool isLineByte(char c) { return c == '\r' || c == '\n'; }

void setError(QString* error, const QString& path, const QString& reason)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, reason);
}

} // namespace

// ---------------------------------------------------------------- FieldWriter

void FieldWriter::separate()
{
    if (m_lineHasField)
        m_bytes.append(',');
    m_lineHasField = true;
}

void FieldWriter::text(const QString& value)
{
    QString clean = value;
    // Input # ends a quoted field at the next quote or line end whatever
    // follows, so neither may appear inside one.
    clean.replace(QLatin1Char('"'), QLatin1Char('\''));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    separate();
    m_bytes.append('"');
    m_bytes.append(clean.toUtf8());
    m_bytes.append('"');
}

void FieldWriter::number(int value)
{
    separate();
    m_bytes.append(QByteArray::number(value));
}

void FieldWriter::number(double value)
{
    separate();
    m_bytes.append(plain(value).toLatin1());
}

void FieldWriter::endLine()
{
    m_bytes.append("\r\n");
    m_lineHasField = false;
}

// ---------------------------------------------------------------- FieldReader

FieldReader::FieldReader(QByteArray data) : m_data(std::move(data))
{
    settle();
}

bool FieldReader::atLineBreak() const
{
    return m_pos < m_data.size() && isLineByte(m_data.at(m_pos));
}

void FieldReader::consumeLineBreak()
{
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    if (m_pos < n && d[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < n && d[m_pos] == '\n')
            ++m_pos;
    } else if (m_pos < n && d[m_pos] == '\n') {
        ++m_pos;
    } else {
        return;
    }
    ++m_line;
    m_atLineStart = true;
}

void FieldReader::settle()
{
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    for (;;) {
        while (m_pos < n && isBlankByte(d[m_pos]))
            ++m_pos;
        if (!atLineBreak())
            break;
        consumeLineBreak();
    }
    if (m_pos >= n)
        m_atLineStart = true;
}

QString FieldReader::text()
{
    if (atEnd()) {
        m_pastEnd = true;
        return QString();
    }
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    qsizetype q = m_pos;
    QString value;
    if (d[q] == '"') {
        const qsizetype start = ++q;
        while (q < n && d[q] != '"' && !isLineByte(d[q]))
            ++q;
        value = QString::fromUtf8(d + start, q - start);
        if (q < n && d[q] == '"') {
            ++q;
            // Whatever stands between the closing quote and the separator is dropped.
            while (q < n && d[q] != ',' && !isLineByte(d[q]))
                ++q;
        }
    } else {
        const qsizetype start = q;
        while (q < n && d[q] != ',' && !isLineByte(d[q]))
            ++q;
        qsizetype end = q;
        while (end > start && isBlankByte(d[end - 1]))
            --end;
        value = QString::fromUtf8(d + start, end - start);
    }
    m_pos = q;
    m_atLineStart = false;
    if (m_pos < n && d[m_pos] == ',')
        ++m_pos; // a line end right after it is swallowed by settle()
    else
        consumeLineBreak();
    settle();
    return value;
}

double FieldReader::number()
{
    return val(text());
}

qint16 FieldReader::int16()
{
    return toInt16(number());
}

void FieldReader::skipLine()
{
    if (m_atLineStart)
        return;
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    while (m_pos < n && !isLineByte(d[m_pos]))
        ++m_pos;
    consumeLineBreak();
    settle();
    m_atLineStart = true;
}

QList<QStringList> FieldReader::readAll(const QByteArray& data)
{
    QList<QStringList> lines;
    FieldReader reader(data);
    while (!reader.atEnd()) {
        if (reader.atLineStart() || lines.isEmpty())
            lines.append(QStringList());
        lines.last().append(reader.text());
    }
    return lines;
}

// ---------------------------------------------------------------- whole files

std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    // Read in chunks rather than trusting size(): devices and pipes report 0.
    QByteArray data;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (data.size() + got > maxBytes)
            return std::nullopt;
        data.append(chunk, got);
    }
    return data;
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        setError(error, path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, path, file.errorString());
        return false;
    }
    return true;
}

bool appendWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    // Unbuffered: the one write goes straight to the file, so its result is
    // what reached the file and nothing is left to fail later in close().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        setError(error, path, file.errorString());
        return false;
    }
    const qint64 before = file.size();
    if (bytes.isEmpty()) {
        file.close();
        return true;
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = file.errorString();
        // A half line would make every later record read out of step.
        file.resize(before);
        file.close();
        setError(error, path, reason.isEmpty() ? QStringLiteral("short write") : reason);
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        setError(error, path, file.errorString());
        return false;
    }
    return true;
}

} // namespace kt
