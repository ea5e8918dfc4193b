#pragma once
// Text of BIFF5 workbooks is stored in the workbook's Windows code page.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace tarnby::xls {

// Decodes byte strings of one workbook; unknown code pages read as 1252.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage = 1252);
    QString decode(QByteArrayView bytes);

private:
    QStringDecoder decoder_;
};

// The encoding name Qt knows a Windows code page by; nullptr for an unknown one.
const char* encodingForCodePage(int codePage);

} // namespace tarnby::xls
