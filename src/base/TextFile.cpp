#include "base/TextFile.h"

#include "base/StoredFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QCoreApplication>

namespace tarnby::textfile {

QString decodeGbk(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

QByteArray encodeGbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

bool fitsGbk(const QString& text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decodeGbk(bytes) == text;
}

namespace {

// CR LF, a lone CR and a lone LF each end a line; a final line end starts no
// further line. Works on text and on bytes alike: no byte of a GBK or UTF-8
// character can be a CR or an LF.
template <class Text>
QList<Text> splitLines(const Text& text)
{
    QList<Text> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString joinCrLf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

Result<QByteArray> readBytes(const QString& path)
{
    return storedfile::read(path);
}

bool exists(const QString& path)
{
    return storedfile::exists(path);
}

Outcome remove(const QString& path)
{
    return storedfile::remove(path);
}

QStringList linesOf(const QByteArray& stored)
{
    QByteArray bytes = stored;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return splitLines(utf8.hasError() ? decodeGbk(bytes) : text);
}

Result<QStringList> readLines(const QString& path)
{
    const Result<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return Result<QStringList>::failure(bytes.error());
    return splitLines(decodeGbk(bytes.value()));
}

Outcome writeLines(const QString& path, const QStringList& lines)
{
    return storedfile::write(path, encodeGbk(joinCrLf(lines)));
}

Result<QStringList> readUtf8Lines(const QString& path)
{
    const Result<QByteArray> read = readBytes(path);
    if (!read)
        return Result<QStringList>::failure(read.error());
    QByteArray bytes = read.value();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList lines;
    const QList<QByteArray> raw = splitLines(bytes);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        // line by line, so that the message can say where the foreign text is
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString line = decoder.decode(raw.at(i));
        if (decoder.hasError())
            return Result<QStringList>::failure(
                QCoreApplication::translate("TextFile", "文件 %1 第%2行不是 UTF-8 编码的文字（可能是以 GBK 等编码保存的），请用 UTF-8 编码另存。")
                    .arg(QFileInfo(path).absoluteFilePath(), QString::number(i + 1)));
        lines.append(line);
    }
    return lines;
}

Outcome writeUtf8Lines(const QString& path, const QStringList& lines)
{
    return storedfile::write(path, joinCrLf(lines).toUtf8());
}

} // namespace tarnby::textfile
