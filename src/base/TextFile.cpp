#include "base/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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

Result<QStringList> readLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return Result<QStringList>::failure(QStringLiteral("找不到文件：%1").arg(QFileInfo(path).absoluteFilePath()));
    if (!file.open(QIODevice::ReadOnly))
        return Result<QStringList>::failure(
            QStringLiteral("无法读取文件：%1（%2）").arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    const QString text = decodeGbk(file.readAll());
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
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

Outcome writeLines(const QString& path, const QStringList& lines)
{
    const QString shown = QFileInfo(path).absoluteFilePath();
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::error(QStringLiteral("无法保存文件：%1（%2）").arg(shown, file.errorString()));
    const QByteArray bytes = encodeGbk(text);
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Outcome::error(QStringLiteral("无法保存文件：%1（%2）").arg(shown, why));
    }
    if (!file.commit())
        return Outcome::error(QStringLiteral("无法保存文件：%1（%2）").arg(shown, file.errorString()));
    return Outcome::quiet();
}

} // namespace tarnby::textfile
