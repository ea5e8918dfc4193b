#include "CodePage.h"

namespace tarnby::xls {

const char* encodingForCodePage(int codePage)
{
    switch (codePage) {
    case 367: return "US-ASCII";
    case 437: return "IBM437";
    case 737: return "ibm-737";
    case 775: return "IBM775";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 855: return "IBM855";
    case 857: return "IBM857";
    case 860: return "IBM860";
    case 861: return "IBM861";
    case 862: return "IBM862";
    case 863: return "IBM863";
    case 864: return "IBM864";
    case 865: return "IBM865";
    case 866: return "IBM866";
    case 869: return "IBM869";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: return "windows-1252";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 32768: return "macintosh"; // BIFF2-3 Apple Roman
    case 32769: return "windows-1252"; // BIFF2-3 ANSI Latin I
    default: return nullptr;
    }
}

CodePageDecoder::CodePageDecoder(int codePage)
{
    const char* name = encodingForCodePage(codePage);
    if (name)
        decoder_ = QStringDecoder(name, QStringConverter::Flag::Stateless);
    if (!decoder_.isValid())
        decoder_ = QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
}

QString CodePageDecoder::decode(QByteArrayView bytes)
{
    bool ascii = true;
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii || !decoder_.isValid())
        return QString::fromLatin1(bytes);
    decoder_.resetState();
    return decoder_.decode(bytes);
}

} // namespace tarnby::xls
